#pragma once
// The module-level line buffer: the text of one source or project file at a
// time, read, edited line by line, and written back over the same file.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host.h"

namespace verbsmith {

// Splits file text into lines. CR LF and lone LF end a line; a lone CR stays
// part of its line. A final line without a line end still counts.
std::vector<std::string> SplitTextLines(std::string_view text);

// The messages a kind of file selects around its read and its write.
struct FileMessages {
  int readOpen;
  int writeOpen;
  int close;
};

class LineBuffer {
 public:
  // Elements 0 to 50, all empty, nothing read yet.
  LineBuffer();

  // Highest valid index. A read leaves 4 to 53 spare empty elements after
  // the last line (the buffer grows by 50 whenever the line count plus two
  // reaches it), and editors scan every element up to here.
  std::size_t UpperBound() const { return elements_.size() - 1; }
  std::size_t Size() const { return elements_.size(); }
  // The lines that belong to the file: those read plus those inserted. The
  // spare elements after them are not part of the file.
  std::size_t LineCount() const { return lineCount_; }

  std::string& operator[](std::size_t index) { return elements_.at(index); }
  const std::string& operator[](std::size_t index) const { return elements_.at(index); }

  // Puts a new line before element 0; the buffer grows by one element.
  void InsertFirst(std::string line);
  // Replaces the content with these lines, as a successful read would.
  void Assign(std::vector<std::string> lines);

  // Whether the buffer holds a complete file: false before the first read
  // and after a failed one, when a write would lose the file's content.
  bool Complete() const { return complete_; }

  // Replaces the content with the file's lines (CR LF or lone LF ends). A
  // failure is shown through ReportError with the message selected at that
  // moment (openMessage, then closeMessage) and the call returns normally.
  void Read(Host& host, const std::string& path, int openMessage, int closeMessage);
  // Writes the file's lines over path, each ended by CR LF. Refused, with the
  // open message, when the buffer does not hold a complete file.
  void Write(Host& host, const std::string& path, int openMessage, int closeMessage);

  void Read(Host& host, const std::string& path, const FileMessages& messages) {
    Read(host, path, messages.readOpen, messages.close);
  }
  void Write(Host& host, const std::string& path, const FileMessages& messages) {
    Write(host, path, messages.writeOpen, messages.close);
  }

  // The text Write would put on disk.
  std::string Text() const;

 private:
  void Reset();
  // Makes room for line n (1-based) the way the read grows the buffer.
  void GrowAfterLine(std::size_t n);

  std::vector<std::string> elements_;
  std::size_t lineCount_ = 0;
  bool complete_ = false;
};

}  // namespace verbsmith
