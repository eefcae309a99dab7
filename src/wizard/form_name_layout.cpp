// The form step's controls as designed.

#include "base/texts.h"
#include "wizard/form_name_step.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {

void FormNameStep::Build() {
  StepFrame& step = AddStep({Step::kFormName, "picFormName", "cmdFrmName", text::kFormNameHeading, 560});
  auto& w = window_;
  auto& frame = step.frame;
  Placed(w.Add<forms::Label>("lblFormExplanation", frame), text::kFormNameExplanation,
         {2400, 840, 5880, 855});
  noForm_ = &Placed(w.Add<forms::CheckBox>("chkNoForm", frame), text::kChkNoForm, {2400, 1800, 3600, 255});
  nameLabel_ =
      &Placed(w.Add<forms::Label>("lblFormName", frame), text::kFormNameLabel, {2400, 2265, 1215, 255});
  name_ = &Placed(w.Add<forms::TextBox>("txtFormName", frame), {3720, 2220, 4560, 315});
  position_ = &Placed(w.Add<forms::Frame>("fraFormPosition", frame), text::kFormPositionFrame,
                      {2400, 2700, 5880, 1575});
  struct Option {
    const char* name;
    std::string_view caption;
    int topic;
  };
  constexpr Option kOptions[] = {
      {"OptNeverShown", text::kOptNeverShown, 270},
      {"OptScreenCentered", text::kOptScreenCentered, 290},
      {"OptAppCentered", text::kOptAppCentered, 280},
      {"OptAsDesigned", text::kOptAsDesigned, 300},
  };
  int32_t top = 300;
  for (size_t i = 0; i < positions_.size(); ++i, top += 300) {
    positions_[i] = &Placed(w.Add<forms::OptionButton>(kOptions[i].name, *position_), kOptions[i].caption,
                            {120, top, 5640, 255});
    w.SetHelpTopic(*positions_[i], kOptions[i].topic);
  }

  w.SetHelpTopic(*noForm_, 250);
  w.SetHelpTopic(*name_, 260);
}

}  // namespace verbsmith
