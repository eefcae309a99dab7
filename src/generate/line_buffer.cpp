#include "generate/line_buffer.h"

#include <algorithm>
#include <exception>
#include <string_view>

#include "base/messages.h"
#include "base/texts.h"
#include "generate/vs_main.h"

namespace verbsmith {

namespace {

constexpr std::size_t kInitialUpperBound = 50;
constexpr std::size_t kGrowth = 50;

}  // namespace

// A lone CR is kept so that rewriting the file loses nothing.
std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    std::size_t lineEnd = end;
    if (lineEnd > start && text[lineEnd - 1] == '\r') --lineEnd;
    lines.emplace_back(text.substr(start, lineEnd - start));
    start = end + 1;
  }
  return lines;
}

LineBuffer::LineBuffer() {
  Reset();
}

void LineBuffer::Reset() {
  elements_.assign(kInitialUpperBound + 1, std::string());
  lineCount_ = 0;
  complete_ = false;
}

void LineBuffer::GrowAfterLine(std::size_t n) {
  if (n + 2 == UpperBound()) elements_.resize(elements_.size() + kGrowth);
}

void LineBuffer::InsertFirst(std::string line) {
  elements_.insert(elements_.begin(), std::move(line));
  ++lineCount_;
}

void LineBuffer::Assign(std::vector<std::string> lines) {
  Reset();
  for (auto& line : lines) {
    elements_[lineCount_] = std::move(line);
    ++lineCount_;
    GrowAfterLine(lineCount_);
  }
  complete_ = true;
}

void LineBuffer::Read(Host& host, const std::string& path, int openMessage, int closeMessage) {
  Reset();
  std::string message = LoadResString(openMessage);
  try {
    std::string text = host.fs.ReadText(path);
    Assign(SplitTextLines(text));
    // The whole file is in memory: there is nothing left to close, but the
    // close step keeps its own message should the port ever fail there.
    message = LoadResString(closeMessage);
  } catch (const VbError& e) {
    Reset();
    host.err.Set(e);
    ReportError(host, e.Description(), &message);
  }
}

void LineBuffer::Write(Host& host, const std::string& path, int openMessage, int closeMessage) {
  std::string message = LoadResString(openMessage);
  if (!complete_) {
    // The read of this file failed (or never happened): writing now would
    // replace the file with a partial or empty text.
    VbError refused = VbError::Standard(vberr::kPathFileAccessError);
    host.err.Set(refused);
    ReportError(host, refused.Description(), &message);
    return;
  }
  try {
    host.fs.WriteText(path, Text());
    message = LoadResString(closeMessage);
  } catch (const VbError& e) {
    host.err.Set(e);
    ReportError(host, e.Description(), &message);
  }
}

std::string LineBuffer::Text() const {
  // The file's own lines, and any spare element an editor filled in; the
  // remaining spare elements are not written, so a file keeps its length.
  std::size_t count = lineCount_;
  for (std::size_t i = elements_.size(); i > count; --i) {
    if (!elements_[i - 1].empty()) {
      count = i;
      break;
    }
  }
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    text += elements_[i];
    text += text::kNL;
  }
  return text;
}

}  // namespace verbsmith
