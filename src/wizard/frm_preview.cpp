#include "wizard/frm_preview.h"

#include "base/texts.h"
#include "forms/center_form.h"

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
  // A long plan reads better in a larger window: the text grows with it,
  // the button keeps to the corner.
  SetSizable(true);
  onResize = [this] {
    plan_.Move(120, 120, Width() - 360, Height() - 1260);
    close_.Move(Width() - 1560, Height() - 960);
  };
}

void FrmPreview::ShowPlan(const std::string& text, const forms::Form& owner) {
  plan_.SetText(text);
  forms::CenterForm(Runtime().GetScreen(), owner.WindowHandle(), *this);
  ShowModal();
}

}  // namespace verbsmith
