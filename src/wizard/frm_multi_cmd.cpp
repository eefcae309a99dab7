#include "wizard/frm_multi_cmd.h"

#include "base/texts.h"

namespace verbsmith {

FrmMultiCmd::FrmMultiCmd(forms::FormsRuntime& runtime)
    : Form(runtime, "frmMultiCmd"),
      label1_(Add<forms::Label>("Label1")),
      label2_(Add<forms::Label>("Label2")),
      list_(Add<forms::ListBox>("lstMultiCmd")),
      label3_(Add<forms::Label>("Label3")),
      text_(Add<forms::TextBox>("txtMultiCmd")),
      ok_(Add<forms::CommandButton>("cmdOK")),
      cancel_(Add<forms::CommandButton>("cmdCancel")) {
  SetCaption(std::string(text::kMultiCmdCaption));
  Move(0, 0, 5190, 4395);
  label1_.SetCaption(std::string(text::kMultiCmdExplanation));
  label1_.Move(120, 120, 4935, 855);
  label2_.SetCaption(std::string(text::kMultiCmdListHeading));
  label2_.Move(120, 1080, 4935, 255);
  list_.Move(120, 1380, 4935, 1425);
  label3_.SetCaption(std::string(text::kMultiCmdChosenHeading));
  label3_.Move(120, 2940, 4935, 255);
  text_.Move(120, 3240, 4935, 315);
  ok_.SetCaption("OK");
  ok_.Move(2520, 3720, 1215, 375);
  ok_.SetDefault(true);
  cancel_.SetCaption(std::string(text::kCancel));
  cancel_.Move(3840, 3720, 1215, 375);
  cancel_.SetCancel(true);

  onLoad = [this] { ok_.SetEnabled(false); };
  list_.onClick = [this] { text_.SetText(list_.Text()); };
  // The user may also type a name.
  text_.onChange = [this] { ok_.SetEnabled(!text_.Text().empty()); };
  ok_.onClick = [this] { Hide(); };
  cancel_.onClick = [this] {
    text_.SetText("");
    Hide();
  };
  onUnload = [this](bool&) { text_.SetText(""); };
}

}  // namespace verbsmith
