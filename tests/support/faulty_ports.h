#pragma once
// Ports that fail one call on purpose: every call that changes a file or
// the command set is counted once the counter is armed, and the armed one
// fails (error 57, a device I/O error) instead of reaching the real port.
// Reads pass untouched, so a run sees the failure exactly where it would
// meet a full disk or a command set gone away.

#include <memory>
#include <string>
#include <vector>

#include "base/vb_error.h"
#include "platform/command_set.h"
#include "platform/file_system.h"

namespace verbsmith::test {

class FaultCounter {
 public:
  // Fails the n-th counted call from now (1 = the next one), or with
  // fromThenOn every call from it on, as a failing disk would; 0 disarms.
  void Arm(int n, bool fromThenOn = false) {
    armedAt_ = n;
    fromThenOn_ = fromThenOn;
    calls_ = 0;
    fired_ = false;
  }
  void Tick() {
    if (armedAt_ > 0 && (++calls_ == armedAt_ || (fromThenOn_ && calls_ > armedAt_))) {
      fired_ = true;
      throw VbError::Standard(vberr::kDeviceIoError);
    }
  }
  bool Fired() const { return fired_; }

 private:
  int armedAt_ = 0;
  bool fromThenOn_ = false;
  int calls_ = 0;
  bool fired_ = false;
};

class FaultyFileSystem : public FileSystem {
 public:
  FaultyFileSystem(FileSystem& inner, FaultCounter& faults) : inner_(inner), faults_(faults) {}

  std::vector<std::string> List(const std::string& pattern, uint32_t attributes) override {
    return inner_.List(pattern, attributes);
  }
  void CopyFile(const std::string& from, const std::string& to) override {
    Changing([&] { inner_.CopyFile(from, to); });
  }
  uint32_t GetAttributes(const std::string& path) override { return inner_.GetAttributes(path); }
  void SetAttributes(const std::string& path, uint32_t bits) override {
    Changing([&] { inner_.SetAttributes(path, bits); });
  }
  void DeleteFile(const std::string& path) override {
    Changing([&] { inner_.DeleteFile(path); });
  }
  void MakeDirectory(const std::string& path) override {
    Changing([&] { inner_.MakeDirectory(path); });
  }
  void RemoveDirectory(const std::string& path) override {
    Changing([&] { inner_.RemoveDirectory(path); });
  }
  std::string CurrentDirectory() override { return inner_.CurrentDirectory(); }
  void SetCurrentDirectory(const std::string& path) override { inner_.SetCurrentDirectory(path); }
  std::string CreateTempFile(const std::string& directory, const std::string& prefix) override {
    std::string path;
    Changing([&] { path = inner_.CreateTempFile(directory, prefix); });
    return path;
  }
  std::string ReadText(const std::string& path) override { return inner_.ReadText(path); }
  void WriteText(const std::string& path, const std::string& text) override {
    Changing([&] { inner_.WriteText(path, text); });
  }
  std::string ReadBytes(const std::string& path) override { return inner_.ReadBytes(path); }
  void WriteBytes(const std::string& path, const std::string& bytes) override {
    Changing([&] { inner_.WriteBytes(path, bytes); });
  }
  std::string HostPath(const std::string& windowsPath) override { return inner_.HostPath(windowsPath); }
  std::string ResolvedPath(const std::string& path) override { return inner_.ResolvedPath(path); }
  std::string WindowsPathOf(const std::string& hostPath) override { return inner_.WindowsPathOf(hostPath); }

 private:
  template <class Call>
  void Changing(Call call) {
    faults_.Tick();
    call();
  }

  FileSystem& inner_;
  FaultCounter& faults_;
};

class FaultyCommandSets : public CommandSetFactory {
 public:
  FaultyCommandSets(CommandSetFactory& inner, FaultCounter& faults) : inner_(inner), faults_(faults) {}

  std::unique_ptr<CommandSet> Create() override {
    faults_.Tick();
    return std::make_unique<Faulty>(inner_.Create(), faults_);
  }

 private:
  // Every call counts: a command set that fails to answer a read stops a
  // Finish as surely as one that fails a write.
  class Faulty : public CommandSet {
   public:
    Faulty(std::unique_ptr<CommandSet> inner, FaultCounter& faults)
        : inner_(std::move(inner)), faults_(faults) {}
    void OpenCommandSet(const std::string& company, const std::string& application) override {
      faults_.Tick();
      inner_->OpenCommandSet(company, application);
    }
    int16_t CommandCount() override { return faults_.Tick(), inner_->CommandCount(); }
    std::optional<CommandEntry> FindCommand(int32_t id) override {
      return faults_.Tick(), inner_->FindCommand(id);
    }
    std::optional<NumberedCommand> FindProgId(const std::string& progId) override {
      return faults_.Tick(), inner_->FindProgId(progId);
    }
    std::vector<HeldSet> HeldSets() override { return faults_.Tick(), inner_->HeldSets(); }
    void AddCommand(const CommandEntry& entry) override {
      faults_.Tick();
      inner_->AddCommand(entry);
    }
    void RemoveCommand(const std::string& progId) override {
      faults_.Tick();
      inner_->RemoveCommand(progId);
    }
    bool StoreExists() const override { return inner_->StoreExists(); }
    bool RemoveStoreIfEmpty() override { return inner_->RemoveStoreIfEmpty(); }

   private:
    std::unique_ptr<CommandSet> inner_;
    FaultCounter& faults_;
  };

  CommandSetFactory& inner_;
  FaultCounter& faults_;
};

}  // namespace verbsmith::test
