#pragma once
// frmMultiCmd: the small modal dialog that lets the user pick one of several
// candidates (project files, registered class names). The caller fills the
// list, may replace the texts, shows it modally and reads txtMultiCmd: empty
// when the user cancelled or closed the dialog.

#include <string>

#include "forms/form.h"

namespace verbsmith {

class FrmMultiCmd : public forms::Form {
 public:
  explicit FrmMultiCmd(forms::FormsRuntime& runtime);

  forms::Label& Label1() { return label1_; }
  forms::Label& Label2() { return label2_; }
  forms::Label& Label3() { return label3_; }
  forms::ListBox& LstMultiCmd() { return list_; }
  forms::TextBox& TxtMultiCmd() { return text_; }
  forms::CommandButton& CmdOK() { return ok_; }
  forms::CommandButton& CmdCancel() { return cancel_; }

 private:
  forms::Label& label1_;
  forms::Label& label2_;
  forms::ListBox& list_;
  forms::Label& label3_;
  forms::TextBox& text_;
  forms::CommandButton& ok_;
  forms::CommandButton& cancel_;
};

}  // namespace verbsmith
