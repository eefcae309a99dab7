#include "wizard/answers_script.h"

#include <algorithm>
#include <array>

#include "connection/connection.h"
#include "forms/script/script_writer.h"
#include "model/masks.h"
#include "wizard/step.h"
#include "wizard/step_graph.h"

namespace verbsmith {

namespace {

constexpr std::array<const char*, 4> kPurposeOptions = {"optCreateProject", "optEditCommand",
                                                        "optDeleteCommand", "optAddCommand"};
constexpr std::array<const char*, 4> kFormPositionOptions = {"OptNeverShown", "OptScreenCentered",
                                                             "OptAppCentered", "OptAsDesigned"};
constexpr int16_t kNeverShown = 0;

// The Next button of each step, in the order of Step.
constexpr std::array<const char*, kStepCount> kNextButtons = {"cmdIntroNext",
                                                              "cmdProjNext",
                                                              "cmdCmdNameNext",
                                                              "cmdAddBMPNext",
                                                              "cmdCustomBMPNext",
                                                              "cmdComClassNext",
                                                              "cmdFrmNameNext",
                                                              "cmdModelessNext",
                                                              "cmdListenerNext",
                                                              "cmdCommandTypeNext",
                                                              "cmdEnablingConditionsNext",
                                                              "cmdFinishFinish"};

class ScriptWriter {
 public:
  explicit ScriptWriter(const WizardAnswers& answers) : a_(answers) {}

  std::string Write() {
    const GraphState state = State();
    Step step = Step::kIntro;
    for (;;) {
      Fill(step);
      if (a_.purpose == purpose::kDelete && step == Step::kCmdName) return Delete();
      if (step == Step::kFinish) {
        Line(std::string("answer ") + (a_.openProject ? "Yes" : "No"));
        Line("click cmdFinishFinish");
        return script_;
      }
      Line(std::string("click ") + kNextButtons[static_cast<size_t>(step)]);
      if (step == Step::kCmdName && !a_.chosenClass.empty()) {
        Choose("lstMultiCmd", a_.chosenClass);
        Line("click cmdOK");
      }
      step = NextStep(step, Direction::kNext, state);
    }
  }

 private:
  // What the graph reads on the way. What the answers leave to the wizard
  // (the bitmaps it shows, an edited command's listener setting) takes the
  // way through every step it may lead to: the wizard refuses the lines of
  // a step it skips, as hidden, and goes on.
  GraphState State() const {
    GraphState state;
    state.purpose = a_.purpose;
    state.projectType = a_.projectType;
    state.modeless = a_.modeless;
    state.customBitmaps = a_.customBitmaps.value_or(true);
    state.noForm = a_.noForm;
    state.listenerBoxChecked = ListenerBoxWanted();
    state.listener = a_.purpose == purpose::kEdit || state.listenerBoxChecked;
    return state;
  }

  // A create run checks the box for a form that is never shown, an add run
  // leaves it clear.
  bool ListenerBoxShown() const {
    return a_.purpose == purpose::kCreate && !a_.noForm &&
           a_.formPosition.value_or(kNeverShown) == kNeverShown;
  }
  bool ListenerBoxWanted() const { return a_.mapViewListener.value_or(ListenerBoxShown()); }

  void Line(const std::string& line) { script_ += line + "\n"; }
  // The script writer quotes what the parser would otherwise trim, or take
  // for a list position: a name is chosen by its text, never by where it is.
  void Type(const char* control, const std::string& text) {
    Line(forms::ScriptLine(forms::UserAction(forms::ActionKind::kType, control, text)));
  }
  void Choose(const char* control, const std::string& text) {
    Line(forms::ScriptLine(forms::UserAction(forms::ActionKind::kChoose, control, text)));
  }
  void TypeGiven(const char* control, const std::optional<std::string>& text) {
    if (text) Type(control, *text);
  }
  void Click(const std::string& control) { Line("click " + control); }
  // An answer of a check box is its state, whatever the box held before.
  void Check(std::string_view box, bool checked) {
    forms::UserAction action(forms::ActionKind::kCheck, std::string(box));
    action.index = checked ? 1 : 0;
    Line(forms::ScriptLine(action));
  }

  void Fill(Step step) {
    switch (step) {
      case Step::kIntro:
        Click(kPurposeOptions[static_cast<size_t>(a_.purpose)]);
        if (a_.purpose == purpose::kAdd)
          Click(a_.projectType == projecttype::kOther ? "optVCProject" : "optVBProject");
        TypeGiven("Text4", a_.company);
        TypeGiven("Text3", a_.application);
        break;
      case Step::kProjName:
        TypeGiven("txtProjName", a_.projectName);
        if (a_.location) Choose("dirProjLoc", *a_.location);
        TypeGiven("txtNewSubDirName", a_.subdirectory);
        break;
      case Step::kCmdName:
        if (a_.purpose == purpose::kEdit || a_.purpose == purpose::kDelete) {
          if (a_.commandName) Choose("cboCmdName", *a_.commandName);
        } else {
          TypeGiven("txtCmdName", a_.commandName);
        }
        TypeGiven("txtCmdDescription", a_.description);
        TypeGiven("txtCmdToolTip", a_.toolTip);
        break;
      case Step::kAddBMP:
        if (a_.customBitmaps) Click(*a_.customBitmaps ? "optCustomBMP" : "optNoBMP");
        break;
      case Step::kCustomBMP:
        TypeGiven("txtLCCustomBMPName", a_.largeColorBitmap);
        TypeGiven("txtLMCustomBMPName", a_.largeMonoBitmap);
        TypeGiven("txtSCCustomBMPName", a_.smallColorBitmap);
        TypeGiven("txtSMCustomBMPName", a_.smallMonoBitmap);
        break;
      case Step::kComClass:
        Click(a_.modeless ? "optComClassModeless" : "optComClassModal");
        break;
      case Step::kFormName:
        if (a_.noForm) {
          Check("chkNoForm", true);
          break;
        }
        TypeGiven("txtFormName", a_.formName);
        if (a_.formPosition) Click(kFormPositionOptions[static_cast<size_t>(*a_.formPosition)]);
        break;
      case Step::kModeless:
        if (a_.mapViewListener) Check("chkModelessMapViewListener", *a_.mapViewListener);
        break;
      case Step::kListener:
        if (!a_.listenTo.empty()) Click(a_.listenTo);
        if (a_.tellMeAboutNewViews) Check("chkTellMeAboutNewViews", *a_.tellMeAboutNewViews);
        break;
      case Step::kCommandType:
        if (!a_.listenerCommandType.empty()) Click(a_.listenerCommandType);
        break;
      case Step::kEnablingConditions:
        if (a_.enablingConditions) EnablingConditions(*a_.enablingConditions);
        break;
      case Step::kFinish:
        break;
    }
  }

  // The boxes not answered are cleared first, so that the custom box and the
  // standard ones, which exclude each other, are free when one is checked.
  // A new command starts with none checked.
  void EnablingConditions(const std::vector<std::string>& wanted) {
    const auto isWanted = [&wanted](std::string_view box) {
      return std::find(wanted.begin(), wanted.end(), box) != wanted.end();
    };
    if (a_.purpose == purpose::kEdit) {
      if (!isWanted(masks::kCustomEnablingCheckBox)) Check(masks::kCustomEnablingCheckBox, false);
      for (const masks::EnablingCondition& condition : masks::kEnablingConditions) {
        if (!isWanted(condition.checkBox)) Check(condition.checkBox, false);
      }
    }
    for (const std::string& box : wanted) Check(box, true);
  }

  // A delete run removes the command chosen on the command-name step, then
  // closes the wizard.
  std::string Delete() {
    Line("answer Yes");
    Click("cmdCmdNameFinish");
    Click("cmdCmdNameCancel");
    return script_;
  }

  const WizardAnswers& a_;
  std::string script_ = "# Written from answers by `verbsmith new`.\n";
};

}  // namespace

std::string AnswersScript(const WizardAnswers& answers) {
  return ScriptWriter(answers).Write();
}

}  // namespace verbsmith
