#pragma once
// FormMgrClass: the command form's name, file and position, and the
// generator of the form file.

#include <cstdint>
#include <string>

#include "connection/connection.h"
#include "platform/host.h"

namespace verbsmith {

class LineBuffer;

class FormMgrClass : public IFormMgr {
 public:
  FormMgrClass(Host& host, LineBuffer& lines);

  // form_mgr_class.cpp
  void InitializeObjects(IConnection* owner) override;
  std::string FormName() const override { return formName_; }
  void SetFormName(std::string value) override;
  std::string FormFilename() const override { return formFilename_; }
  void SetFormFilename(std::string value) override { formFilename_ = std::move(value); }
  // The file under the project's source directory as it is now, so a
  // location changed after naming still holds every file.
  std::string CompleteFilename() const override;
  int16_t FormPosition() const override { return formPosition_; }
  // Values outside 0 to 3 are refused: the error is recorded, the value kept.
  void SetFormPosition(int16_t value) override;

  // Settings kept for the form; no generated file depends on them.
  bool ShowInTaskbar() const { return showInTaskbar_; }
  void SetShowInTaskbar(bool value) { showInTaskbar_ = value; }
  int16_t BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int16_t value) { borderStyle_ = value; }
  int16_t FormLeft() const { return formLeft_; }
  void SetFormLeft(int16_t value) { formLeft_ = value; }
  int16_t FormTop() const { return formTop_; }
  void SetFormTop(int16_t value) { formTop_ = value; }
  int16_t FormHeight() const { return formHeight_; }
  void SetFormHeight(int16_t value) { formHeight_ = value; }
  int16_t FormWidth() const { return formWidth_; }
  void SetFormWidth(int16_t value) { formWidth_ = value; }
  bool FormIsModal() const { return formIsModal_; }
  void SetFormIsModal(bool value) { formIsModal_ = value; }
  bool CommandWantsMouseEvents() const { return commandWantsMouseEvents_; }
  void SetCommandWantsMouseEvents(bool value) { commandWantsMouseEvents_ = value; }
  bool CommandType() const { return commandType_; }
  void SetCommandType(bool value) { commandType_ = value; }
  bool FunctionKeyDisplayable() const { return functionKeyDisplayable_; }
  void SetFunctionKeyDisplayable(bool value) { functionKeyDisplayable_ = value; }
  int16_t FunctionKey() const { return functionKey_; }
  void SetFunctionKey(int16_t value) { functionKey_ = value; }

  // form_generator.cpp
  void ReadForm() override;
  void ModifyForm() override;
  void WriteForm() override;
  void DeleteOCX(const std::string& name, const std::string& file) override;

 private:
  Host& host_;
  LineBuffer& lines_;
  IGeneralMgr* genMgr_ = nullptr;
  IClassMgr* classMgr_ = nullptr;
  std::string formName_ = "frmCommand";
  std::string formFilename_;
  int16_t formPosition_ = 0;
  bool showInTaskbar_ = false;
  int16_t borderStyle_ = 3;
  int16_t formLeft_ = 0, formTop_ = 0, formHeight_ = 0, formWidth_ = 0;
  bool formIsModal_ = false, commandWantsMouseEvents_ = false, commandType_ = false;
  bool functionKeyDisplayable_ = false;
  int16_t functionKey_ = 0;
};

}  // namespace verbsmith
