#include "support/fake_ide.h"

#include <stdexcept>

#include "base/vb_error.h"

namespace verbsmith::test {

namespace {

VbError IdeFailure() {
  return VbError(static_cast<int32_t>(0x80004005u), "FakeIde", "Automation error");
}

}  // namespace

bool FakeComponent::IsDirty() const {
  if (failIsDirty) throw IdeFailure();
  if (faultInIsDirty) throw std::logic_error("fault");
  return dirty_;
}

void FakeComponent::Reload() {
  if (failReload) throw IdeFailure();
  ++reloads;
}

IdeComponent& FakeProject::Component(int position) {
  if (failComponentAccess) throw IdeFailure();
  if (position < 0 || position >= ComponentCount()) throw VbError::Standard(vberr::kSubscriptOutOfRange);
  return *components_[static_cast<size_t>(position)];
}

FakeComponent& FakeProject::Add(std::string name, bool dirty) {
  components_.push_back(std::make_unique<FakeComponent>(std::move(name), dirty));
  return *components_.back();
}

void FakeIde::LoadProject(const std::string& path, bool flag) {
  if (failLoad) throw IdeFailure();
  loaded.push_back(path + (flag ? "" : " (false)"));
  FakeProject& project = OpenProject(path);
  project.SetIsDirty(markLoadedDirty);
}

IdeProject& FakeIde::ActiveProject() {
  if (active_ == nullptr) throw VbError(vberr::kObjectVariableNotSet, "FakeIde", "No project is loaded");
  return *active_;
}

FakeProject& FakeIde::OpenProject(std::string fileName) {
  projects_.push_back(std::make_unique<FakeProject>(std::move(fileName)));
  active_ = projects_.back().get();
  return *active_;
}

}  // namespace verbsmith::test
