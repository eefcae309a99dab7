// The bitmap steps' controls as designed.

#include "base/texts.h"
#include "wizard/bitmap_steps.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {

namespace {

constexpr int kOptCustomBMPTopic = 160;
constexpr int kOptNoBMPTopic = 180;
constexpr int kBitmapBoxTopic = 190;

// A custom-bitmap row: its label above a text box and a browse button.
constexpr int32_t kFirstRowTop = 1560;
constexpr int32_t kRowHeight = 780;
constexpr int32_t kBoxWidth = 4740;
constexpr int32_t kBrowseLeft = 7260;
constexpr int32_t kBrowseWidth = 1020;

struct RowDesign {
  std::string_view label;
  std::string_view browse;
  std::string_view dialogTitle;
};

constexpr std::array<RowDesign, kBitmapRows.size()> kRowDesigns{{
    {text::kLCBitmapLabel, text::kLCBrowse, text::kLCBitmapDialogTitle},
    {text::kLMBitmapLabel, text::kLMBrowse, text::kLMBitmapDialogTitle},
    {text::kSCBitmapLabel, text::kSCBrowse, text::kSCBitmapDialogTitle},
    {text::kSMBitmapLabel, text::kSMBrowse, text::kSMBitmapDialogTitle},
}};

}  // namespace

void BitmapSteps::BuildAddBMP() {
  StepFrame& step = AddStep({Step::kAddBMP, "picAddBMP", "cmdAddBMP", text::kAddBMPHeading, 530});
  auto& w = window_;
  auto& frame = step.frame;
  Placed(w.Add<forms::Label>("lblAddBMPExplanation", frame), text::kAddBMPExplanation,
         {2400, 840, 5880, 615});
  auto& group =
      Placed(w.Add<forms::Frame>("fraAddBitmap", frame), text::kAddBitmapFrame, {2400, 1680, 5880, 1215});
  // The long caption wraps onto a second line.
  noBMP_ = &Placed(w.Add<forms::OptionButton>("optNoBMP", group), text::kOptNoBMP, {120, 300, 5640, 435});
  customBMP_ =
      &Placed(w.Add<forms::OptionButton>("optCustomBMP", group), text::kOptCustomBMP, {120, 840, 5640, 255});

  w.SetHelpTopic(*customBMP_, kOptCustomBMPTopic);
  w.SetHelpTopic(*noBMP_, kOptNoBMPTopic);
}

void BitmapSteps::BuildCustomBMP() {
  StepFrame& step = AddStep({Step::kCustomBMP, "picCustomBMP", "cmdCustomBMP", text::kCustomBMPHeading, 540});
  auto& w = window_;
  auto& frame = step.frame;
  Placed(w.Add<forms::Label>("lblCustomBMPExplanation", frame), text::kCustomBMPExplanation,
         {2400, 840, 5880, 615});
  for (size_t i = 0; i < kBitmapRows.size(); ++i) {
    const std::string code(kBitmapRows[i].code);
    const RowDesign& design = kRowDesigns[i];
    const int32_t top = kFirstRowTop + static_cast<int32_t>(i) * kRowHeight;
    // Label first: its access key moves the focus to the box after it.
    Placed(w.Add<forms::Label>("lbl" + code + "CustomBMPName", frame), design.label,
           {2400, top, kBoxWidth, 255});
    RowControls& row = rows_[i];
    row.row = &kBitmapRows[i];
    row.dialogTitle = design.dialogTitle;
    row.box =
        &Placed(w.Add<forms::TextBox>(kBitmapRows[i].BoxName(), frame), {2400, top + 270, kBoxWidth, 315});
    row.browse = &Placed(w.Add<forms::CommandButton>("btn" + code + "CustomBMP", frame), design.browse,
                         {kBrowseLeft, top + 240, kBrowseWidth, 375});
    w.SetHelpTopic(*row.box, kBitmapBoxTopic);
  }
}

}  // namespace verbsmith
