#include "wizard/bitmap_steps.h"

#include <algorithm>
#include <cctype>

#include "base/texts.h"
#include "base/win_path.h"
#include "generate/vs_main.h"
#include "platform/dialogs.h"
#include "wizard/bitmap_file_check.h"
#include "wizard/frm_verbsmith.h"
#include "wizard/recap.h"

namespace verbsmith {

namespace {

constexpr int16_t kNoBitmap = 0;
constexpr int16_t kCustomBitmaps = 1;
constexpr std::string_view kBitmapSuffix = ".BMP";

std::string Upper(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

// A name with wildcards matches files without being one.
bool BitmapFileExists(Host& host, const std::string& path) {
  return path.find_first_of("*?") == std::string::npos && FileExists(host, path);
}

// A typed bitmap path made absolute the way the file check read it: from
// the current directory, or for another drive from its root. Kept
// relative, the bitmap would be looked for elsewhere once that directory
// has changed.
std::string AbsolutePath(Host& host, const std::string& path) {
  if (path.starts_with("\\\\")) return path;
  const std::string current = AddTrailingBackslash(host.fs.CurrentDirectory());
  const bool hasDrive = path.size() >= 2 && path[1] == ':';
  if (!hasDrive) return (path.starts_with('\\') ? current.substr(0, 2) : current) + path;
  if (path.size() > 2 && path[2] == '\\') return path;
  const bool currentDrive = std::toupper(static_cast<unsigned char>(path[0])) ==
                            std::toupper(static_cast<unsigned char>(current[0]));
  return (currentDrive ? current : path.substr(0, 2) + "\\") + path.substr(2);
}

}  // namespace

BitmapSteps::BitmapSteps(FrmVerbsmith& window) : StepGroup(window) {
  BuildAddBMP();
  BuildCustomBMP();

  customBMP_->onClick = [this] { window_.BitmapMgr()->SetResourceType(kCustomBitmaps); };
  noBMP_->onClick = [this] { window_.BitmapMgr()->SetResourceType(kNoBitmap); };
  Frame(Step::kAddBMP).next.onClick = [this] { AddBMPNext(); };
  Frame(Step::kCustomBMP).next.onClick = [this] { CustomBMPNext(); };
  for (RowControls& row : rows_) {
    row.box->onLostFocus = [this, &row] { CheckRow(row); };
    row.browse->onClick = [this, &row] { Browse(row); };
  }
}

void BitmapSteps::Show(Step step, Direction) {
  if (step == Step::kAddBMP) return ShowAddBMP();
  ShowCustomBMP();
}

void BitmapSteps::Leave(Step step) {
  if (step == Step::kAddBMP) return LeaveAddBMP();
  LeaveCustomBMP();
}

// ---- Add-bitmap step ----

void BitmapSteps::ShowAddBMP() {
  if (window_.BitmapMgr()->ResourceType() == kCustomBitmaps) {
    customBMP_->SetValue(true);
  } else {
    noBMP_->SetValue(true);
  }
  ShowFrame(Step::kAddBMP);
}

void BitmapSteps::AddBMPNext() {
  if (!noBMP_->Value() && !customBMP_->Value()) {
    window_.Message(std::string(text::kChooseBitmapOption), mb::kExclamation);
    customBMP_->SetFocus();
    return;
  }
  window_.Go(Step::kAddBMP, Direction::kNext);
}

void BitmapSteps::LeaveAddBMP() {
  window_.HideStep(Step::kAddBMP);
  IBitmapMgr& bitmaps = *window_.BitmapMgr();
  if (customBMP_->Value()) {
    bitmaps.SetResourceType(kCustomBitmaps);
  } else {
    bitmaps.SetResourceType(kNoBitmap);
    for (const BitmapRow& row : kBitmapRows) row.Clear(bitmaps);
    if (noBMP_->Value()) window_.GenMgr()->SetBitmapRecapString(recap::NoBitmap());
  }
  RebuildEditSummary();
}

// ---- Custom-bitmap step ----

void BitmapSteps::ShowCustomBMP() {
  Host& host = window_.GetHost();
  IBitmapMgr& bitmaps = *window_.BitmapMgr();
  if (bitmaps.ResourceType() == kCustomBitmaps) {
    for (RowControls& row : rows_) {
      // A bitmap that has gone since it was chosen is chosen no longer.
      if (!BitmapFileExists(host, row.row->Path(bitmaps))) row.row->Clear(bitmaps);
      row.box->SetText(row.row->Path(bitmaps));
    }
    const std::string classname = window_.ClassMgr()->Classname();
    bitmaps.SetRCFilename(classname + ".rc");
    bitmaps.SetResFilename(classname + ".res");
  }
  ShowFrame(Step::kCustomBMP);
  rememberedDirectory_ = host.fs.CurrentDirectory();
}

void BitmapSteps::Browse(RowControls& row) {
  FileOpenRequest request;
  request.title = std::string(row.dialogTitle);
  request.filter = std::string(text::kBitmapFilter);
  request.defaultExt = std::string(text::kBitmapExtension);
  request.flags = ofn::kHideReadOnly | ofn::kFileMustExist | ofn::kLongNames;
  const std::optional<FileOpenResult> chosen = window_.GetHost().dialogs.ShowOpen(request);
  if (!chosen) return;
  const std::string& path = chosen->fileName;
  const size_t dot = chosen->fileTitle.rfind('.');
  const std::string extension = dot == std::string::npos ? "" : chosen->fileTitle.substr(dot + 1);
  if (Upper(extension) != Upper(request.defaultExt)) {
    window_.Message(std::string(text::kNotABitmapFile), mb::kExclamation);
    return;
  }
  row.box->SetText(path);
  // The location is the path without the file title the dialog gave.
  std::string location = path;
  if (path.ends_with(chosen->fileTitle)) {
    location.resize(path.size() - chosen->fileTitle.size());
  } else {
    std::string title = path;
    location = SplitDirectory(title);
  }
  row.row->Set(*window_.BitmapMgr(), location, chosen->fileTitle);
}

bool BitmapSteps::CheckRow(RowControls& row) {
  IBitmapMgr& bitmaps = *window_.BitmapMgr();
  std::string text = row.box->Text();
  if (text.empty()) {
    row.row->Clear(bitmaps);
    return true;
  }
  // A path as the host names it is taken for what it names, shown as
  // this side of the system names it.
  if (text.starts_with('/')) {
    text = window_.GetHost().fs.WindowsPathOf(text);
    row.box->SetText(text);
  }
  if (text.find('.') != std::string::npos) {
    if (text.size() < kBitmapSuffix.size() ||
        Upper(text.substr(text.size() - kBitmapSuffix.size())) != kBitmapSuffix) {
      RefuseRow(row, text::kNotABitmapFile);
      return false;
    }
  } else {
    text += kBitmapSuffix;
    row.box->SetText(text);
  }
  Host& host = window_.GetHost();
  if (!BitmapFileExists(host, text)) {
    RefuseRow(row, text::kNoSuchBitmapFile);
    return false;
  }
  std::string name = AbsolutePath(host, text);
  const std::string location = SplitDirectory(name);
  row.row->Set(bitmaps, location, name);
  return true;
}

bool BitmapSteps::CheckRowFile(RowControls& row) {
  IBitmapMgr& bitmaps = *window_.BitmapMgr();
  if (row.row->Name(bitmaps).empty()) return true;
  const auto refusal = BitmapFileRefusal(window_.GetHost(), *row.row, row.row->Path(bitmaps));
  if (!refusal) return true;
  // The row keeps its text: the message names the file, and the user picks
  // another one from there.
  window_.Message(*refusal, mb::kExclamation);
  row.box->SetFocus();
  return false;
}

void BitmapSteps::RefuseRow(RowControls& row, std::string_view message) {
  window_.Message(std::string(message), mb::kExclamation);
  row.row->Clear(*window_.BitmapMgr());
  row.box->SetText("");
  row.box->SetFocus();
}

void BitmapSteps::CustomBMPNext() {
  for (RowControls& row : rows_) {
    if (!CheckRow(row) || !CheckRowFile(row)) return;
  }
  const auto empty = [](const RowControls& row) { return row.box->Text().empty(); };
  if (std::ranges::any_of(rows_, empty) &&
      window_.Message(std::string(text::kDefaultBitmapsUsed), mb::kOKCancel | mb::kExclamation) ==
          mbresult::kCancel) {
    return;
  }
  if (std::ranges::all_of(rows_, empty)) window_.BitmapMgr()->SetResourceType(kNoBitmap);
  window_.Go(Step::kCustomBMP, Direction::kNext);
}

void BitmapSteps::LeaveCustomBMP() {
  window_.HideStep(Step::kCustomBMP);
  IGeneralMgr& gen = *window_.GenMgr();
  IBitmapMgr& bitmaps = *window_.BitmapMgr();
  // Built now, so the script's path follows the project's location as it
  // stands when the step is left.
  gen.SetBitmapRecapString(bitmaps.ResourceType() != kNoBitmap ? recap::CustomBitmaps(window_.Spec())
                                                               : recap::NoBitmap());
  // A file dialog may have moved the current directory; the typed names
  // were resolved already, so the remembered one is made current again.
  Host& host = window_.GetHost();
  try {
    if (host.fs.CurrentDirectory() != rememberedDirectory_) host.fs.SetCurrentDirectory(rememberedDirectory_);
  } catch (const VbError&) {
    // The remembered directory has gone: staying where we are is all we can do.
  }
  RebuildEditSummary();
}

void BitmapSteps::RebuildEditSummary() {
  // An edit has no classification step after this one to rebuild it.
  IGeneralMgr& gen = *window_.GenMgr();
  if (gen.WizardPurpose() == purpose::kEdit) recap::RebuildSummary(gen, window_.Spec());
}

}  // namespace verbsmith
