// A create run stopped at every write and every command-set call of its
// Finish in turn: each stopped run leaves the disk and the command set as
// they were before the run, and says so; a call whose failure the run can
// live with leaves the finished project instead.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "forms/script/script_run.h"
#include "platform/posix/host_ide.h"
#include "platform/posix/ini_profile_files.h"
#include "platform/posix/ini_settings.h"
#include "platform/posix/posix_file_locks.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_processes.h"
#include "platform/posix/posix_registry.h"
#include "platform/posix/sqlite_command_set.h"
#include "platform/scripted/fixed_screen.h"
#include "platform/scripted/scripted_dialogs.h"
#include "platform/transcript.h"
#include "shell/headless.h"
#include "support/faulty_ports.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"
#include "wizard/finish_journal.h"

namespace verbsmith {
namespace {

namespace fs = std::filesystem;

using Files = std::map<std::string, std::string>;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string WindowsForm(const fs::path& path) {
  std::string text = "Z:" + path.string();
  std::replace(text.begin(), text.end(), '/', '\\');
  return text;
}

Files Snapshot(const fs::path& root) {
  Files files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = fs::relative(entry.path(), root).string();
    files[name] = entry.is_directory() ? "<dir>" : ReadFile(entry.path());
  }
  return files;
}

// Keeps the lines and arms the faults as the Finish flow starts (it hides
// the window first; the checks before it have passed by then).
class ArmAtFinish : public StringTranscript {
 public:
  ArmAtFinish(test::FaultCounter& faults, int n, bool fromThenOn)
      : faults_(faults), n_(n), fromThenOn_(fromThenOn) {}
  void Happened(const SessionEvent& event) override {
    const auto* hidden = std::get_if<event::FormHidden>(&event);
    if (hidden && hidden->form == "frmVerbsmith") faults_.Arm(n_, fromThenOn_);
    StringTranscript::Happened(event);
  }

 private:
  test::FaultCounter& faults_;
  int n_;
  bool fromThenOn_;
};

struct Outcome {
  Files files;
  std::vector<CommandEntry> entries;
  bool fired = false;
  bool saidTakenBack = false;
  bool saidPartly = false;
  // After the next start, on a disk that no longer fails.
  Files filesThen;
  std::vector<CommandEntry> entriesThen;
};

class FinishFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir.HostPath("work/art"));
    for (const char* code : {"LC", "LM", "SC", "SM"}) {
      const std::string name = std::string("Compass") + code + ".bmp";
      fs::copy_file(test::SourceTreePath("examples/bitmaps/" + name), dir.HostPath("work/art/" + name));
    }
    std::string text = ReadFile(test::SourceTreePath("examples/flow_create_modeless.script"));
    Replace(text, "@WORK@", dir.WindowsPath("work"));
    Replace(text, "answer Yes\n", "answer No\n");
    script = text;
    before = Snapshot(dir.HostPath("work"));
  }

  static void Replace(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
      text.replace(at, from.size(), to);
    }
  }

  // One run with the n-th counted call of its Finish failing (0: none), or
  // every call from it on, and what it left. The work directory is put
  // back as it was after it.
  Outcome Run(int n, bool fromThenOn = false) {
    test::FaultCounter faults;
    PosixFileSystem disk;
    test::FaultyFileSystem faultyDisk(disk, faults);
    PosixFileLocks locks(disk);
    StagedFileSystem staged(faultyDisk, false);
    IniProfileFiles profiles(staged);
    IniSettings settings(disk, dir.WindowsPath("settings.ini"));
    PosixRegistry registry;
    PosixProcesses processes;
    ArmAtFinish transcript(faults, n, fromThenOn);
    ScriptedDialogs dialogs(transcript);
    FixedScreen screen;
    SqliteCommandSetFactory store(dir.HostPath("data.db").string());
    test::FaultyCommandSets commandSets(store, faults);
    ErrObject err;
    Host host{.fs = staged,
              .registry = registry,
              .profiles = profiles,
              .settings = settings,
              .processes = processes,
              .dialogs = dialogs,
              .screen = screen,
              .commandSets = commandSets,
              .err = err,
              .addInDirectory = "",
              .templateDirectory = WindowsForm(test::SourceTreePath("templates")) + "\\",
              .staging = &staged,
              .journalDirectory = dir.WindowsPath("state") + "\\",
              .locks = &locks,
              .finishPreview = {}};
    forms::RunScript(script, dialogs, transcript, [&](forms::ActionSource& actions) {
      shell::RunHeadless(host, *MakeHostIde(host.fs, host.processes), actions, transcript);
    });

    const auto entries = [&] {
      std::vector<CommandEntry> list;
      auto set = store.Create();
      set->OpenCommandSet("Valdren", "Carthex");
      for (int16_t i = 0; i < set->CommandCount(); ++i) list.push_back(GetCommand(*set, kFirstCommandId + i));
      return list;
    };
    Outcome outcome;
    outcome.files = Snapshot(dir.HostPath("work"));
    outcome.entries = entries();
    outcome.fired = faults.Fired();
    outcome.saidTakenBack = transcript.Text().find("Nothing was changed") != std::string::npos;
    outcome.saidPartly = transcript.Text().find("only partly") != std::string::npos;
    faults.Arm(0);
    UndoInterruptedFinishes(host);
    outcome.filesThen = Snapshot(dir.HostPath("work"));
    outcome.entriesThen = entries();
    // The run's own record of its directories belongs to this live process;
    // only a Finish journal must be gone.
    for (const auto& file : fs::directory_iterator(dir.HostPath("state"))) {
      EXPECT_FALSE(file.path().filename().string().starts_with("finish-"))
          << "a journal outlived the next start " << n;
    }

    fs::remove_all(dir.HostPath("work/Atlas"));
    fs::remove(dir.HostPath("data.db"));
    return outcome;
  }

  test::TempDir dir;
  std::string script;
  Files before;
};

TEST_F(FinishFaultsTest, EveryStoppedFinishLeavesDiskAndCommandSetAsBefore) {
  const Outcome complete = Run(0);
  ASSERT_EQ(complete.entries.size(), 1u);
  ASSERT_GT(complete.files.size(), before.size() + 8);
  ASSERT_FALSE(complete.saidTakenBack);

  int takenBack = 0, lived = 0, n = 1;
  for (;; ++n) {
    const Outcome outcome = Run(n);
    if (!outcome.fired) break;
    if (outcome.saidTakenBack) {
      ++takenBack;
      EXPECT_EQ(outcome.files, before) << "call " << n;
      EXPECT_TRUE(outcome.entries.empty()) << "call " << n;
    } else {
      ++lived;
      EXPECT_EQ(outcome.files, complete.files) << "call " << n;
      EXPECT_EQ(outcome.entries, complete.entries) << "call " << n;
    }
  }
  std::cout << n - 1 << " calls stopped in turn: " << takenBack << " runs taken back, " << lived
            << " finished regardless\n";
  EXPECT_GT(takenBack, lived);
}

// A disk that fails from some call on fails the taking back too: the run
// says it is only partly taken back, and the next start finishes the job.
TEST_F(FinishFaultsTest, ARunTakenBackOnlyPartlySaysSoAndTheNextStartEndsIt) {
  const Outcome complete = Run(0);
  int partly = 0;
  for (int n = 1;; ++n) {
    const Outcome outcome = Run(n, true);
    if (!outcome.fired) break;
    if (outcome.files == complete.files && outcome.entries == complete.entries) continue;  // done regardless
    const bool changed = outcome.files != before || !outcome.entries.empty();
    EXPECT_FALSE(changed && outcome.saidTakenBack) << "call " << n;
    EXPECT_TRUE(outcome.saidTakenBack || outcome.saidPartly) << "call " << n;
    EXPECT_EQ(outcome.filesThen, before) << "call " << n;
    EXPECT_TRUE(outcome.entriesThen.empty()) << "call " << n;
    partly += changed;
  }
  EXPECT_GT(partly, 0);
}

}  // namespace
}  // namespace verbsmith
