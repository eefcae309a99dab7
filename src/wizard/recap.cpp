#include "wizard/recap.h"

#include "base/messages.h"
#include "wizard/bitmap_steps_rows.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith::recap {

namespace {

constexpr const char* kNL = "\r\n";
constexpr int kListenerFeatures = 8;
constexpr int kNotAListener = 9;

std::string OpeningSentence(int32_t purpose, bool modeless) {
  switch (purpose) {
    case purpose::kAdd:
      return modeless ? "Adding a modeless command." : "Adding a modal command.";
    case purpose::kEdit:
      return modeless ? "Updating the modeless command." : "Updating the modal command.";
    default:
      return modeless ? "Creating a modeless command." : "Creating a modal command.";
  }
}

}  // namespace

std::string Item(const std::string& text) {
  return "     + " + text + kNL;
}

std::string ListenerHeading(bool listener) {
  std::string heading = kNL + LoadResString(kListenerFeatures) + kNL;
  if (!listener) heading += LoadResString(kNotAListener) + kNL;
  return heading;
}

std::string CustomBitmaps(const IGeneralMgr& gen, const IBitmapMgr& bitmaps) {
  std::string piece = Item(gen.CurrentPathSrc() + bitmaps.RCFilename());
  for (const BitmapRow& row : kBitmapRows) {
    if (!row.Name(bitmaps).empty()) piece += Item(row.Path(bitmaps));
  }
  return piece;
}

std::string NoBitmap() {
  return Item("Bitmap not defined");
}

std::string Summary(const IGeneralMgr& gen, const IClassMgr& cls, const IModuleMgr& module) {
  const int32_t purpose = gen.WizardPurpose();
  std::string summary = OpeningSentence(purpose, gen.CommandIsModeless()) + cls.CommandToolTip() + kNL + kNL;
  summary += "Description:" + cls.CommandDesc() + kNL + kNL;
  summary += "Tooltip:" + cls.CommandToolTip() + kNL + kNL;
  if (purpose == purpose::kAdd) return summary;
  summary += std::string("Project Location:") + kNL;
  // A modeless edit changes only the registration, so it names no files.
  if (purpose != purpose::kEdit || !gen.CommandIsModeless()) {
    summary += Item(gen.CurrentPathSrc() + gen.ProjectFilename());
    summary += Item(cls.CompleteFilename());
    summary += Item(module.CompleteFilename());
  }
  return summary + gen.BitmapRecapString();
}

std::string Total(const IGeneralMgr& gen) {
  std::string total = gen.RecapString();
  if (gen.WizardPurpose() == purpose::kCreate) total += gen.FormRecapString();
  return total + gen.ViewListenerRecap() + gen.ViewListenerRequirementsRecap() +
         gen.ViewListenerCommandTypeRecap() + gen.CommandsEnablingConditionsRecap();
}

void ShowTotal(FrmVerbsmith& window) {
  IGeneralMgr& gen = *window.GenMgr();
  auto& box = window.Control<forms::TextBox>(kRecapBox);
  box.SetText("");
  gen.SetTotalRecapString(Total(gen));
  box.SetText(gen.TotalRecapString());
}

void RebuildSummary(IGeneralMgr& gen, const IClassMgr& cls, const IModuleMgr& module) {
  gen.SetRecapString(Summary(gen, cls, module));
}

void ResetListenerPieces(IGeneralMgr& gen, bool listener) {
  gen.SetViewListenerRecap(ListenerHeading(listener));
  gen.SetViewListenerRequirementsRecap("");
  gen.SetViewListenerCommandTypeRecap("");
}

}  // namespace verbsmith::recap
