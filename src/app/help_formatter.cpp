#include "app/help_formatter.h"

#include <charconv>
#include <sstream>

namespace verbsmith::app {

namespace {

constexpr size_t kDefaultWidth = 80;
constexpr size_t kNarrowest = 40;
constexpr size_t kNameColumn = 30;

// Where a wrapped line of this one continues: under the description of a
// two-column line, else under its own first word.
size_t HangingIndent(const std::string& line, size_t column) {
  if (line.size() > column && line.starts_with("  ") && line[column - 1] == ' ' && line[column] != ' ')
    return column;
  return line.find_first_not_of(' ') == std::string::npos ? 0 : line.find_first_not_of(' ');
}

void Wrap(std::string line, size_t width, size_t column, std::string& out) {
  const size_t indent = HangingIndent(line, column);
  while (line.size() > width) {
    // The last space that keeps the line within the width, past the indent.
    size_t cut = line.rfind(' ', width);
    if (cut == std::string::npos || cut <= indent) cut = line.find(' ', width);
    if (cut == std::string::npos) break;  // one word longer than the line
    size_t end = cut;
    while (end > indent && line[end - 1] == ' ') --end;
    out += line.substr(0, end) + "\n";
    const size_t next = line.find_first_not_of(' ', cut);
    if (next == std::string::npos) return;
    line = std::string(indent, ' ') + line.substr(next);
  }
  out += line + "\n";
}

}  // namespace

size_t HelpWidth(const std::optional<std::string>& columns) {
  size_t width = 0;
  if (columns) {
    const auto [end, error] = std::from_chars(columns->data(), columns->data() + columns->size(), width);
    if (error != std::errc() || end != columns->data() + columns->size()) width = 0;
  }
  return width >= kNarrowest ? width : kDefaultWidth;
}

HelpFormatter::HelpFormatter(size_t width) : width_(width) {
  column_width(std::min(kNameColumn, width / 3));
}

std::string HelpFormatter::make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const {
  std::istringstream laidOut(CLI::Formatter::make_help(app, std::move(name), mode));
  std::string out;
  for (std::string line; std::getline(laidOut, line);) Wrap(line, width_, get_column_width(), out);
  return out;
}

}  // namespace verbsmith::app
