// The manifest a Finish writes and the check that compares a project with
// it: what is listed, that it reads back as written, and every kind of
// drift named.

#include "managers/manifest.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "managers/manager_set.h"
#include "managers/manifest_check.h"
#include "managers/manifest_writer.h"
#include "support/file_host.h"

namespace verbsmith {
namespace {

// A command set held in a list; the check may only read it.
class ListedCommandSets : public CommandSetFactory {
 public:
  std::vector<CommandEntry> entries;
  std::string opened;

  std::unique_ptr<CommandSet> Create() override { return std::make_unique<Set>(*this); }

 private:
  class Set : public CommandSet {
   public:
    explicit Set(ListedCommandSets& owner) : owner_(owner) {}
    void OpenCommandSet(const std::string& company, const std::string& application) override {
      owner_.opened = company + " " + application;
    }
    int16_t CommandCount() override { return static_cast<int16_t>(owner_.entries.size()); }
    std::optional<CommandEntry> FindCommand(int32_t id) override {
      const int32_t n = id - kFirstCommandId;
      if (n < 0 || n >= CommandCount()) return std::nullopt;
      return owner_.entries.at(static_cast<size_t>(n));
    }
    void AddCommand(const CommandEntry&) override { ADD_FAILURE() << "the check wrote to the command set"; }
    void RemoveCommand(const std::string&) override { ADD_FAILURE() << "the check wrote to the command set"; }

   private:
    ListedCommandSets& owner_;
  };
};

class ManifestTest : public ::testing::Test {
 protected:
  ManifestTest() {
    dir_.CopyFromSourceTree("templates", "tpl");
    gen_.SetCurrentPath(dir_.WindowsPath("p"));
    gen_.SetCurrentPathSrc(dir_.WindowsPath("p/src"));
    gen_.SetCurrentPathBin(dir_.WindowsPath("p/bin"));
    gen_.SetProjectName("Measuring");
    gen_.SetCompleteProjFilename(dir_.WindowsPath("p/src/Measuring.vbp"));
    gen_.SetFormNotRequired(true);
    managers_.Class().SetClassname("Measure");
    managers_.Module().SetModuleName("modMeasure");
    managers_.Bitmap().SetLCBitmapLocation(dir_.WindowsPath("art/"));
    managers_.Bitmap().SetLCBMPFilename("LC.bmp");
    for (const char* file : {"p/src/Measuring.vbp", "p/src/Measure.cls", "p/src/modMeasure.bas",
                             "p/src/Measure.txt", "p/bin/Measure.ini", "art/LC.bmp"}) {
      dir_.Write(file, std::string("bytes of ") + file);
    }
    entry_.progId = "Measuring.Measure";
    entry_.description = "Measures";
    entry_.largeColorBitmap = dir_.WindowsPath("art/LC.bmp");
    CommandEntry other;
    other.progId = "Other.Cmd";
    sets_.entries = {other, entry_};
  }

  CommandSpec Run() const { return gen_.Spec(); }
  std::string ManifestPath() const { return dir_.WindowsPath("p/src/Measure.verbsmith.json"); }
  ProjectCheck Check(const std::string& project = "p") {
    return CheckProject(env_.files, sets_, host_.templateDirectory,
                        FindManifest(env_.files, dir_.WindowsPath(project)));
  }

  test::MemoryHost env_{"C:\\t\\tpl\\"};
  Host& host_ = env_.host;
  test::MemoryDir dir_{env_.files};
  ListedCommandSets sets_;
  ManagerSet managers_{host_};
  GeneralMgrClass& gen_ = (managers_.Renew(), managers_.General());
  CommandEntry entry_;
};

TEST_F(ManifestTest, NamesEachFileEditedOrMissingAndEachEntryFieldChanged) {
  WriteManifest(host_, Run(), entry_);
  dir_.Write("p/src/Measure.cls", "edited");
  env_.files.DeleteFile(dir_.WindowsPath("p/src/modMeasure.bas"));
  dir_.Write("art/LC.bmp", "repainted");
  sets_.entries[1].description = "Measures twice";
  sets_.entries[1].modalFlag = 1;
  EXPECT_EQ(
      Check().drift,
      (std::vector<std::string>{
          "edited by hand: src\\Measure.cls (command class)", "missing: src\\modMeasure.bas (main module)",
          "changed: bitmap LC C:\\t\\art\\LC.bmp", "entry changed: ModalFlag was 0, now 1",
          "entry changed: Description was \"Measures\", now \"Measures twice\""}));
  sets_.entries[1].toolTip = "\x1B[2J";
  EXPECT_NE(DescribeProjectCheck(Check()).find("ToolTip was \"\", now \"\\x1B[2J\""), std::string::npos);
  sets_.entries.pop_back();
  EXPECT_EQ(Check().drift.back(),
            "entry removed: Measuring.Measure is not in the command set of Valdren Carthex");
}

TEST_F(ManifestTest, RefusesAManifestItCannotFindOrRead) {
  EXPECT_THROW(FindManifest(env_.files, dir_.WindowsPath("p")), ManifestError);  // none yet
  EXPECT_THROW(FindManifest(env_.files, dir_.WindowsPath("nowhere")), ManifestError);
  WriteManifest(host_, Run(), entry_);
  dir_.Write("p/src/Second.verbsmith.json", "{}");
  EXPECT_THROW(FindManifest(env_.files, dir_.WindowsPath("p")), ManifestError);
  EXPECT_EQ(FindManifest(env_.files, ManifestPath()), ManifestPath());

  std::string json = ManifestJson(ManifestOfRun(host_, Run(), entry_));
  for (const auto& [from, to] :
       {std::pair<std::string, std::string>{"\"formatVersion\": 1", "\"formatVersion\": 2"},
        {"\"modalFlag\": 0", "\"modalFlag\": \"0\""},
        {"\"toolTip\"", "\"tip\""},
        {"\"CompanyName\"", "\"Company\""},
        {"\"format\"", "\"form\""},
        {"{", "["}}) {
    std::string broken = json;
    broken.replace(broken.find(from), from.size(), to);
    EXPECT_THROW(ParseManifest(broken), ManifestError) << to;
  }
}

}  // namespace
}  // namespace verbsmith
