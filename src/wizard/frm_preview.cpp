#include "wizard/frm_preview.h"

#include "base/texts.h"

namespace verbsmith {

FrmPreview::FrmPreview(forms::FormsRuntime& runtime)
    : Form(runtime, "frmPreview"),
      plan_(Add<forms::TextBox>("txtPlan")),
      close_(Add<forms::CommandButton>("cmdClose")) {
  SetCaption(std::string(text::kPreviewCaption));
  Move(0, 0, 9600, 6600);
  plan_.Move(120, 120, 9240, 5340);
  plan_.SetLocked(true);
  close_.SetCaption(std::string(text::kPreviewClose));
  close_.Move(8040, 5640, 1320, 375);
  close_.SetDefault(true);
  close_.SetCancel(true);
  close_.onClick = [this] { Hide(); };
}

void FrmPreview::ShowPlan(const std::string& text) {
  plan_.SetText(text);
  ShowModal();
}

}  // namespace verbsmith
