#pragma once
// frmPreview: what Finish would do, shown from the summary step before the
// user commits to it. One locked text and a Close button.

#include <string>

#include "forms/form.h"

namespace verbsmith {

class FrmPreview : public forms::Form {
 public:
  explicit FrmPreview(forms::FormsRuntime& runtime);

  // Shows the plan modally, one line of text per entry, centred on the
  // window it was asked from.
  void ShowPlan(const std::string& text, const forms::Form& owner);

 private:
  forms::TextBox& plan_;
  forms::CommandButton& close_;
};

}  // namespace verbsmith
