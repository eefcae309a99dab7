#pragma once
// The bitmap steps: no bitmap or custom bitmaps (add-bitmap step), and the
// four custom bitmap files (custom-bitmap step). Both fill the bitmap
// manager and the bitmap piece of the recap.

#include <array>
#include <string>

#include "forms/form.h"
#include "wizard/bitmap_steps_rows.h"
#include "wizard/step_group.h"

namespace verbsmith {

class BitmapSteps : public StepGroup {
 public:
  explicit BitmapSteps(FrmVerbsmith& window);

  void Show(Step step, Direction direction) override;
  void Leave(Step step) override;

 private:
  // One row of the custom-bitmap step.
  struct RowControls {
    const BitmapRow* row = nullptr;
    std::string_view dialogTitle;
    forms::TextBox* box = nullptr;
    forms::CommandButton* browse = nullptr;
  };

  // bitmap_steps_layout.cpp
  void BuildAddBMP();
  void BuildCustomBMP();

  // Add-bitmap step.
  void ShowAddBMP();
  void AddBMPNext();
  void LeaveAddBMP();
  // Custom-bitmap step.
  void ShowCustomBMP();
  void CustomBMPNext();
  void LeaveCustomBMP();
  void Browse(RowControls& row);
  // Checks a row's text and stores its bitmap; false (after telling the
  // user and putting the focus back) when the text names no bitmap.
  bool CheckRow(RowControls& row);
  // On Next: whether the file a checked row names is a bitmap fit for the
  // row; when not, says why and puts the focus on the row's box.
  bool CheckRowFile(RowControls& row);
  // Empties a row that names no bitmap, focus back on its box.
  void RefuseRow(RowControls& row, std::string_view message);
  // For an edit, the summary around the bitmap piece just stored.
  void RebuildEditSummary();

  forms::OptionButton* noBMP_ = nullptr;
  forms::OptionButton* customBMP_ = nullptr;
  std::array<RowControls, kBitmapRows.size()> rows_{};
  // The current directory as it was when the custom-bitmap step was last
  // shown; leaving the step makes it current again.
  std::string rememberedDirectory_;
};

}  // namespace verbsmith
