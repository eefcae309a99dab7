#include "wizard/recap.h"

#include "base/messages.h"
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

std::string CustomBitmaps(const CommandSpec& spec) {
  std::string piece = Item(spec.currentPathSrc + spec.rcFilename);
  for (const SpecBitmap& bitmap : kSpecBitmaps) {
    if (!(spec.*bitmap.file).empty()) piece += Item(bitmap.Path(spec));
  }
  return piece;
}

std::string NoBitmap() {
  return Item("Bitmap not defined");
}

std::string Summary(const CommandSpec& spec, const std::string& bitmapPiece) {
  const int32_t purpose = spec.wizardPurpose;
  std::string summary = OpeningSentence(purpose, spec.commandIsModeless) + spec.commandToolTip + kNL + kNL;
  summary += "Description:" + spec.commandDesc + kNL + kNL;
  summary += "Tooltip:" + spec.commandToolTip + kNL + kNL;
  if (purpose == purpose::kAdd) return summary;
  summary += std::string("Project Location:") + kNL;
  // A modeless edit changes only the registration, so it names no files.
  if (purpose != purpose::kEdit || !spec.commandIsModeless) {
    summary += Item(spec.currentPathSrc + spec.projectFilename);
    summary += Item(spec.InSource(spec.classFilename));
    summary += Item(spec.InSource(spec.moduleFilename));
  }
  return summary + bitmapPiece;
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

void RebuildSummary(IGeneralMgr& gen, const CommandSpec& spec) {
  gen.SetRecapString(Summary(spec, gen.BitmapRecapString()));
}

void ResetListenerPieces(IGeneralMgr& gen, bool listener) {
  gen.SetViewListenerRecap(ListenerHeading(listener));
  gen.SetViewListenerRequirementsRecap("");
  gen.SetViewListenerCommandTypeRecap("");
}

}  // namespace verbsmith::recap
