#include "shell/verbsmith_cls.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

#include "platform/posix/host_ide.h"
#include "support/file_host.h"
#include "support/forms_session.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {
namespace {

// Per-user settings kept in memory, with a count of reads.
class MemorySettings : public Settings {
 public:
  std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                         const std::string& defaultValue) override {
    ++reads;
    const auto found = values.find({application, section, key});
    return found == values.end() ? defaultValue : found->second;
  }
  void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                   const std::string& value) override {
    values[{application, section, key}] = value;
  }
  std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
  int reads = 0;
};

// A wizard window that records what the connection object asks of it and
// what the managers had recorded by then.
class RecordingWindow : public WizardWindow {
 public:
  explicit RecordingWindow(Host& host) : host_(host) {}
  void InitializeObjects(IConnection* wizard) override {
    errorAtInitialize = host_.err.Number();
    errorSourceAtInitialize = host_.err.Source();
    genMgrs.push_back(wizard->GenMgr());
    classNames.push_back(wizard->ClassMgr()->Classname());
    moduleNames.push_back(wizard->ModuleMgr()->ModuleName());
  }
  void RunModal() override { ++shows; }
  void UnloadWindow() override {
    ++unloads;
    if (unloadLog != nullptr) ++*unloadLog;
  }
  int* unloadLog = nullptr;

  int shows = 0;
  int unloads = 0;
  int32_t errorAtInitialize = 0;
  std::string errorSourceAtInitialize;
  std::vector<IGeneralMgr*> genMgrs;
  std::vector<std::string> classNames, moduleNames;

 private:
  Host& host_;
};

class VerbsmithClsTest : public ::testing::Test {
 protected:
  VerbsmithClsTest() : host(files.With(settings)), ide(files.files, files.processes) {
    host.addInDirectory = "Z:\\addin\\";
  }

  // The connection object with a recording window; window() reaches it.
  std::unique_ptr<VerbsmithCls> MakeAddIn() {
    return std::make_unique<VerbsmithCls>(host, [this](Host& h) {
      auto made = std::make_unique<RecordingWindow>(h);
      window_ = made.get();
      return made;
    });
  }
  RecordingWindow& window() { return *window_; }
  CommandBar& addIns() { return *ide.FindCommandBar("Add-Ins"); }
  const std::vector<MessageBoxRecord>& boxes() { return files.dialogs.MessageBoxes(); }
  void StoreDisplayOnConnect(const std::string& value) {
    settings.values[{"CarthexVerbsmith", "Settings", "DisplayOnConnect"}] = value;
  }

  test::MemoryHost files;
  MemorySettings settings;
  Host host;
  HostIde ide;
  RecordingWindow* window_ = nullptr;
};

// Every mode but the external one adds the menu entry; only after startup is
// the stored setting read, and only "1" shows the wizard then.
TEST_F(VerbsmithClsTest, EachConnectModeAddsTheEntryAndShowsTheWizardAsItShould) {
  const struct {
    int mode;
    const char* stored;
    int entries, shows, reads;
  } cases[] = {
      {connectmode::kStartup, "1", 1, 0, 0},          {connectmode::kCommandLine, "1", 1, 0, 0},
      {connectmode::kExternal, "1", 0, 1, 0},         {connectmode::kAfterStartup, "1", 1, 1, 1},
      {connectmode::kAfterStartup, "0", 1, 0, 1},     {connectmode::kAfterStartup, "yes", 1, 0, 1},
      {connectmode::kAfterStartup, nullptr, 1, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.mode) + " " + (c.stored ? c.stored : "none"));
    settings.values.clear();
    settings.reads = 0;
    if (c.stored != nullptr) StoreDisplayOnConnect(c.stored);
    HostIde fresh(files.files, files.processes);
    auto addIn = MakeAddIn();
    addIn->OnConnection(&fresh, c.mode);
    ASSERT_EQ(fresh.FindCommandBar("Add-Ins")->ControlCount(), c.entries);
    if (c.entries == 1) {
      EXPECT_EQ(addIn->MenuEntry()->Caption(), "Carthex &Verbsmith...");
    }
    EXPECT_EQ(window().shows, c.shows);
    EXPECT_EQ(settings.reads, c.reads);
  }
  EXPECT_TRUE(boxes().empty());
}

TEST_F(VerbsmithClsTest, OnlyVersionsFiveAndSixAreAccepted) {
  const struct {
    const char* version;
    int shows;
  } cases[] = {{"6.0", 1}, {"5.0", 1}, {"6", 1}, {"7.0", 0}, {"", 0}, {"4.0", 0}};
  for (const auto& testCase : cases) {
    SCOPED_TRACE(testCase.version);
    HostIdeOptions options;
    options.version = testCase.version;
    HostIde fresh(files.files, files.processes, options);
    auto addIn = MakeAddIn();
    addIn->OnConnection(&fresh, connectmode::kExternal);
    EXPECT_EQ(window().shows, testCase.shows);
  }
  // One refusal box per refused version.
  ASSERT_EQ(boxes().size(), 3u);
  EXPECT_EQ(boxes()[0].prompt, "Cannot run with this version of Visual Basic.");
  EXPECT_EQ(boxes()[0].style, 48);
  EXPECT_EQ(boxes()[0].title, "Carthex Verbsmith");
}

TEST_F(VerbsmithClsTest, MissingAddInsBarIsShownAsAFailureWithTheDefaultTitle) {
  ide.RemoveCommandBar("Add-Ins");
  auto addIn = MakeAddIn();
  addIn->OnConnection(&ide, connectmode::kStartup);
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].style, 0);
  EXPECT_EQ(boxes()[0].title, "Carthex Verbsmith");
  EXPECT_EQ(addIn->MenuHandler(), nullptr);
}

TEST_F(VerbsmithClsTest, EachClickOfTheMenuEntryRunsTheWizardWithFreshManagers) {
  auto addIn = MakeAddIn();
  addIn->ConnectAddIn(&ide);
  addIn->OnConnection(&ide, connectmode::kStartup);
  ide.ClickControl(*addIn->MenuEntry());
  addIn->GenMgr()->SetProjectName("Changed");
  addIn->ClassMgr()->SetClassname("Changed");
  ide.ClickControl(*addIn->MenuEntry());
  EXPECT_EQ(window().shows, 2);
  ASSERT_EQ(window().genMgrs.size(), 2u);
  EXPECT_EQ(addIn->GenMgr()->ProjectName(), "CarthexCommand");
  EXPECT_EQ(addIn->ClassMgr()->Classname(), "CommandClass");
  EXPECT_EQ(window().classNames, (std::vector<std::string>{"CommandClass", "CommandClass"}));
  EXPECT_EQ(window().moduleNames, (std::vector<std::string>{"CommandClass1", "CommandClass1"}));
  EXPECT_EQ(window().errorAtInitialize, 0);
  EXPECT_EQ(addIn->GenMgr()->VBInst(), &ide);
}

TEST_F(VerbsmithClsTest, WithoutConnectAddInTheRunGoesOnWithoutEnvironment) {
  auto addIn = MakeAddIn();
  addIn->OnConnection(&ide, connectmode::kExternal);
  EXPECT_EQ(window().shows, 1);
  EXPECT_EQ(addIn->GenMgr()->VBInst(), nullptr);
  EXPECT_EQ(addIn->BitmapMgr()->VBInst(), nullptr);
  // The bitmap manager is the last to look for VBInst before the window;
  // it records the error under the general manager's name.
  EXPECT_EQ(window().errorAtInitialize, 22512);
  EXPECT_EQ(window().errorSourceAtInitialize, "General Manager Object");
  EXPECT_TRUE(boxes().empty());
}

TEST_F(VerbsmithClsTest, DisconnectionRemovesTheEntryAndStoresZeroAndTheEndUnloadsTheWindow) {
  StoreDisplayOnConnect("1");
  auto addIn = MakeAddIn();
  int unloads = 0;
  window().unloadLog = &unloads;
  addIn->OnConnection(&ide, connectmode::kAfterStartup);
  EXPECT_EQ(window().shows, 1);
  addIn->OnDisconnection(0);
  EXPECT_EQ(addIns().ControlCount(), 0);
  EXPECT_EQ((settings.values[{"CarthexVerbsmith", "Settings", "DisplayOnConnect"}]), "0");

  // Without a menu entry, and with nothing connected, it still stores "0".
  settings.values.clear();
  auto other = MakeAddIn();
  other->OnDisconnection(0);
  EXPECT_EQ((settings.values[{"CarthexVerbsmith", "Settings", "DisplayOnConnect"}]), "0");
  EXPECT_TRUE(boxes().empty());

  // The end of the connection object unloads its window, once.
  EXPECT_EQ(unloads, 0);
  addIn.reset();
  EXPECT_EQ(unloads, 1);
}

// With the real wizard window and forms runtime.
class VerbsmithClsWizardTest : public VerbsmithClsTest {
 protected:
  std::unique_ptr<VerbsmithCls> MakeAddInWithWizard() {
    return std::make_unique<VerbsmithCls>(host, [this](Host& h) {
      auto made = std::make_unique<FrmVerbsmith>(session.runtime, h);
      wizard = made.get();
      return made;
    });
  }
  FormsSession session;
  FrmVerbsmith* wizard = nullptr;
};

TEST_F(VerbsmithClsWizardTest, WindowWithoutEnvironmentRecordsAndMakesNoChooser) {
  auto addIn = MakeAddInWithWizard();
  addIn->OnConnection(&ide, connectmode::kExternal);
  EXPECT_EQ(wizard->VBInst(), nullptr);
  EXPECT_NE(wizard->GenMgr(), nullptr);
  EXPECT_EQ(wizard->MultiCmd(), nullptr);
  EXPECT_FALSE(wizard->EmptyCmdName());
  EXPECT_TRUE(boxes().empty());
  EXPECT_TRUE(session.dialogs.MessageBoxes().empty());
}

}  // namespace
}  // namespace verbsmith
