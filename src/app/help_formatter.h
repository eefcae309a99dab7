#pragma once
// --help texts laid out for the terminal: every line that would run past
// its width is wrapped at a space, a second column (an option's or a
// command's description) continuing under itself.

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

namespace verbsmith::app {

// The width help is laid out for: COLUMNS when it is a number of at least
// 40, else 80.
size_t HelpWidth(const std::optional<std::string>& columns);

class HelpFormatter : public CLI::Formatter {
 public:
  explicit HelpFormatter(size_t width);
  std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override;

 private:
  size_t width_;
};

}  // namespace verbsmith::app
