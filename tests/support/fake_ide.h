#pragma once
// A scripted development environment for tests: an active project whose
// components carry dirty flags and can be told to fail, and a record of the
// projects loaded.

#include <memory>
#include <string>
#include <vector>

#include "platform/ide.h"

namespace verbsmith::test {

class FakeComponent : public IdeComponent {
 public:
  explicit FakeComponent(std::string name, bool dirty = false) : name_(std::move(name)), dirty_(dirty) {}

  std::string Name() const override { return name_; }
  bool IsDirty() const override;
  void SetIsDirty(bool dirty) override { dirty_ = dirty; }
  void Reload() override;

  int reloads = 0;
  bool failReload = false;
  bool failIsDirty = false;
  bool faultInIsDirty = false;  // a fault of the program, not of the environment

 private:
  std::string name_;
  bool dirty_;
};

class FakeProject : public IdeProject {
 public:
  explicit FakeProject(std::string fileName = "") : fileName_(std::move(fileName)) {}

  std::string FileName() const override { return fileName_; }
  bool IsDirty() const override { return dirty_; }
  void SetIsDirty(bool dirty) override { dirty_ = dirty; }
  int ComponentCount() const override { return static_cast<int>(components_.size()); }
  IdeComponent& Component(int position) override;

  FakeComponent& Add(std::string name, bool dirty = false);
  FakeComponent& At(int position) { return *components_.at(static_cast<size_t>(position)); }

  bool failComponentAccess = false;

 private:
  std::string fileName_;
  bool dirty_ = false;
  std::vector<std::unique_ptr<FakeComponent>> components_;
};

class FakeIde : public Ide {
 public:
  explicit FakeIde(std::string fullName = "C:\\Program Files\\Microsoft Visual Studio\\VB98\\VB6.EXE")
      : fullName_(std::move(fullName)) {}

  std::string Version() const override { return version; }
  std::string FullName() const override { return fullName_; }
  void SetFullName(std::string fullName) { fullName_ = std::move(fullName); }
  CommandBar* FindCommandBar(const std::string&) override { return nullptr; }
  std::unique_ptr<CommandBarEvents> CommandBarEventsFor(CommandBarControl&) override { return nullptr; }
  void ClickControl(CommandBarControl&) override {}
  void LoadProject(const std::string& path, bool flag) override;
  IdeProject& ActiveProject() override;

  // Makes a fresh project the active one and returns it.
  FakeProject& OpenProject(std::string fileName = "");

  std::string version = "6.00";
  std::vector<std::string> loaded;
  bool failLoad = false;
  // Whether a project comes in marked as changed, as the environment may do.
  bool markLoadedDirty = false;

 private:
  std::string fullName_;
  std::vector<std::unique_ptr<FakeProject>> projects_;
  FakeProject* active_ = nullptr;
};

}  // namespace verbsmith::test
