#include "app/new_refusals.h"

#include <algorithm>
#include <memory>

#include "base/vb_error.h"
#include "connection/connection.h"
#include "platform/command_set.h"
#include "wizard/answer_names.h"

namespace verbsmith::app {

namespace {

// The wizard's own answers where the answers leave them out.
constexpr const char* kDefaultCompany = "Valdren";
constexpr const char* kDefaultApplication = "Carthex";

// The commands of the company and application a run on answers opened:
// the names the command-name step lists, each with its ProgID.
std::string RegisteredCommands(Host& host, const WizardAnswers& answers) {
  const std::string company = answers.company.value_or(kDefaultCompany);
  const std::string application = answers.application.value_or(kDefaultApplication);
  std::string listed;
  try {
    std::unique_ptr<CommandSet> commandSet = host.commandSets.Create();
    commandSet->OpenCommandSet(company, application);
    commandSet->ForEachCommand([&listed](int64_t, const CommandEntry& entry) {
      const size_t dot = entry.progId.find('.');
      const std::string name = dot == std::string::npos ? entry.progId : entry.progId.substr(dot + 1);
      listed += (listed.empty() ? "" : ", ") + name + " (" + entry.progId + ")";
    });
  } catch (const VbError& error) {
    return "the command set of " + company + " " + application + " cannot be read: " + error.Description();
  }
  if (listed.empty()) return company + " " + application + " has no registered commands";
  return "the registered commands of " + company + " " + application + " are: " + listed;
}

// ", answer "A"" for the answer a notice concerns; when it names none, the
// step's answers given: " (answers "A", "B")".
std::string Concerned(std::string_view answer, const std::vector<std::string>& stepControls) {
  if (!answer.empty()) return ", answer \"" + std::string(answer) + "\"";
  std::vector<std::string_view> given;
  for (const std::string& control : stepControls) {
    const std::string_view name = AnswerOfControl(control);
    if (!name.empty() && std::find(given.begin(), given.end(), name) == given.end()) given.push_back(name);
  }
  if (given.empty()) return "";
  std::string listed;
  for (const std::string_view name : given)
    listed += (listed.empty() ? "\"" : ", \"") + std::string(name) + "\"";
  return std::string(given.size() == 1 ? " (answer " : " (answers ") + listed + ")";
}

}  // namespace

// The answers the wizard has no default for, by purpose, that the answers
// leave out.
std::vector<std::string> MissingAnswers(const WizardAnswers& answers) {
  const bool fromProject =
      answers.purpose == purpose::kAdd && answers.projectType == projecttype::kVisualBasic;
  const bool describes =
      answers.purpose == purpose::kCreate || (answers.purpose == purpose::kAdd && !fromProject);
  std::vector<std::string> missing;
  if (!fromProject && !answers.commandName) missing.emplace_back("command name");
  if (describes && !answers.description) missing.emplace_back("description");
  if (describes && !answers.toolTip) missing.emplace_back("tool tip");
  return missing;
}

// What stopped a refused run, and what the wizard said before, in order:
// each on its step, with the answer it concerns.
std::vector<std::string> Refusals(Host& host, const WizardAnswers& answers,
                                  const std::vector<RunNotice>& notices) {
  std::vector<std::string> said;
  for (const RunNotice& notice : notices) {
    const std::string_view answer = AnswerOfControl(notice.control);
    std::string message = notice.message;
    if (answer == "command name" && notice.reason.starts_with("no such entry")) {
      message = "\"" + answers.commandName.value_or("") + "\" is not a registered command; " +
                RegisteredCommands(host, answers);
    }
    said.push_back("on " + StepNameOfFrame(notice.frame) + Concerned(answer, notice.stepControls) + ": " +
                   message);
  }
  return said;
}

}  // namespace verbsmith::app
