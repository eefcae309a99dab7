#include "platform/transcript.h"

#include "base/escape_controls.h"
#include "platform/message_box_names.h"

namespace verbsmith {

namespace {

using Lines = std::vector<std::string>;

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string ButtonList(int style) {
  std::string list;
  for (int button : MsgBoxButtons(style)) {
    if (!list.empty()) list += "/";
    list += MsgBoxResultName(button);
  }
  return list;
}

Lines Prefixed(std::string_view prefix, const std::vector<std::string>& lines) {
  Lines prefixed;
  for (const std::string& line : lines) prefixed.push_back(std::string(prefix) + line);
  return prefixed;
}

std::string AnswerLine(const event::MessageBoxAnswered& e) {
  std::string line = "  answer " + std::string(MsgBoxResultName(e.answer));
  if (!e.queued) return line + " (default button, no answer queued)";
  if (e.Defaulted())
    line += " (default button: the box has no " + std::string(MsgBoxResultName(*e.queued)) + " button)";
  return line;
}

std::string FileDialogLine(const event::FileDialogAnswered& e) {
  const std::string outcome = e.fileName ? *e.fileName : e.queued ? "cancel" : "cancel (no file queued)";
  return "file dialog " + Quoted(e.title) + ": " + outcome;
}

Lines RecapLines(const event::RecapShown& e) {
  Lines lines;
  for (const std::string& line : e.lines) lines.push_back(line.empty() ? "recap:" : "recap: " + line);
  return lines;
}

Lines LeftoverLines(const event::ScriptLeftovers& e) {
  Lines lines;
  if (e.steps > 0) {
    lines.push_back("script left " + std::to_string(e.steps) + " lines unused, from line " +
                    std::to_string(e.firstLine));
  }
  if (e.answers > 0) lines.push_back(std::to_string(e.answers) + " answers unused");
  if (e.files > 0) lines.push_back(std::to_string(e.files) + " file answers unused");
  return lines;
}

// One overload per event: the lines it reads as.
struct Render {
  Lines operator()(const event::FormShown& e) const {
    return {"form shown " + e.form + " " + Quoted(e.caption)};
  }
  Lines operator()(const event::FrameShown& e) const { return {"frame shown " + e.frame}; }
  Lines operator()(const event::FormHidden& e) const { return {"form hidden " + e.form}; }
  Lines operator()(const event::FormUnloaded& e) const { return {"form unloaded " + e.form}; }
  Lines operator()(const event::FocusMoved& e) const {
    return {e.control.empty() ? "focus none" : "focus " + e.control};
  }
  Lines operator()(const event::ActionsRanOut& e) const { return {"no more actions: closing " + e.form}; }
  Lines operator()(const event::ActionTaken& e) const { return {"> " + e.echo}; }
  Lines operator()(const event::AnswerRead& e) const { return {"> " + e.echo}; }
  Lines operator()(const event::ActionFailed& e) const { return {"action error: " + e.message}; }
  Lines operator()(const event::ActionRefused& e) const {
    return {"refused: " + e.action + " (" + e.reason + ")"};
  }
  Lines operator()(const event::ActionDropped& e) const {
    return {"dropped: " + e.action + " (focus stayed on " + (e.holder.empty() ? "nothing" : e.holder) + ")"};
  }
  Lines operator()(const event::MessageShown& e) const {
    return {"message box (" + std::string(MsgBoxIconName(e.style)) + ", " + ButtonList(e.style) + ") " +
            Quoted(e.title) + ": " + OneLine(e.text)};
  }
  Lines operator()(const event::MessageBoxAnswered& e) const { return {AnswerLine(e)}; }
  Lines operator()(const event::FileDialogAnswered& e) const { return {FileDialogLine(e)}; }
  Lines operator()(const event::KeysSent& e) const { return {"keys sent " + Quoted(e.keys)}; }
  Lines operator()(const event::HelpShown& e) const {
    return {"help topic " + std::to_string(e.topic) + " (" + e.helpFileName + ")"};
  }
  Lines operator()(const event::DocumentOpened& e) const { return {"shell open " + Quoted(e.path)}; }
  Lines operator()(const event::RecapShown& e) const { return RecapLines(e); }
  Lines operator()(const event::PlanReady& e) const { return Prefixed("plan: ", e.lines); }
  Lines operator()(const event::PreviewShown& e) const { return Prefixed("preview: ", e.lines); }
  Lines operator()(const event::RegistryWarning& e) const { return {"registry warning: " + e.problem}; }
  Lines operator()(const event::ScriptLeftovers& e) const { return LeftoverLines(e); }
  Lines operator()(const event::EndOfRun&) const { return {"end of run"}; }
};

}  // namespace

std::vector<std::string> TranscriptLines(const SessionEvent& event) {
  return std::visit(Render{}, event);
}

void StringTranscript::Happened(const SessionEvent& event) {
  events_.push_back(event);
  for (std::string& line : TranscriptLines(event)) lines_.push_back(std::move(line));
}

std::string StringTranscript::Text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + "\n";
  return text;
}

void StreamTranscript::Happened(const SessionEvent& event) {
  // Lines carry texts from files and entries: a control character in one
  // is spelled out, so it reaches no terminal raw.
  for (const std::string& line : TranscriptLines(event)) out_ << EscapeControls(line) << '\n' << std::flush;
}

}  // namespace verbsmith
