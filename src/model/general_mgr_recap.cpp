// The recap text file saved beside the generated sources.

#include <string>

#include "base/texts.h"
#include "generate/manager_errors.h"
#include "generate/vs_main.h"
#include "model/general_mgr_class.h"

namespace verbsmith {

void GeneralMgrClass::WriteRecap() {
  // The file is written whole to a temporary name and renamed into place, so
  // there is no separate close that could fail on its own: every failure is
  // one of creating or writing the file.
  std::string path;
  try {
    if (classMgr_ == nullptr) throw ObjectNotSet(text::kGeneralMgrSource);
    path = currentPathSrc_ + classMgr_->Classname() + ".txt";
    host_.fs.WriteText(path, totalRecap_ + std::string(text::kNL));
  } catch (const VbError& e) {
    ReportWriteError(host_, text::kCannotOpenFileForWrite, path, e);
  }
}

}  // namespace verbsmith
