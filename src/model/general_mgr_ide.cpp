// GeneralMgrClass: the project operations in the development environment.

#include <string>

#include "base/texts.h"
#include "generate/manager_errors.h"
#include "model/general_mgr_class.h"
#include "platform/ide.h"

namespace verbsmith {

namespace {

Ide& RequireIde(Ide* ide) {
  if (ide == nullptr) throw ObjectNotSet(text::kGeneralMgrSource);
  return *ide;
}

}  // namespace

void GeneralMgrClass::AreComponentsDirty(bool& dirty) {
  dirty = false;
  IdeProject* active = nullptr;
  try {
    active = &RequireIde(vbInst_).ActiveProject();
  } catch (const VbError&) {
    // No project is open: there is nothing that could be saved.
    return;
  }
  try {
    IdeProject& project = *active;
    const int count = project.ComponentCount();
    // Components before the first changed one are refreshed from disk; the
    // scan stops there, so later ones keep what the environment holds.
    for (int position = 0; position < count; ++position) {
      IdeComponent& component = project.Component(position);
      if (component.IsDirty()) {
        dirty = true;
        return;
      }
      component.Reload();
    }
  } catch (const VbError& error) {
    // A component that cannot be checked or refreshed may hold changes.
    host_.err.Set(error);
    dirty = true;
  }
}

void GeneralMgrClass::ReloadProject(const std::string& filename) {
  Ide& ide = RequireIde(vbInst_);
  ide.LoadProject(filename, true);
  IdeProject& project = ide.ActiveProject();
  // What the environment marks while loading is not a change of the user's.
  if (project.IsDirty()) project.SetIsDirty(false);
}

}  // namespace verbsmith
