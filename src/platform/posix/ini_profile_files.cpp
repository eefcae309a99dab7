#include "platform/posix/ini_profile_files.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "base/strings.h"
#include "base/vb_error.h"

namespace verbsmith {

namespace {

struct Line {
  std::string text;
  std::string end;  // "\r\n", "\n", or empty for a last line without one
};

std::vector<Line> SplitLines(const std::string& content) {
  std::vector<Line> lines;
  size_t start = 0;
  while (start < content.size()) {
    const size_t newline = content.find('\n', start);
    if (newline == std::string::npos) {
      lines.push_back({content.substr(start), ""});
      break;
    }
    const bool crlf = newline > start && content[newline - 1] == '\r';
    const size_t textEnd = crlf ? newline - 1 : newline;
    lines.push_back({content.substr(start, textEnd - start), crlf ? "\r\n" : "\n"});
    start = newline + 1;
  }
  return lines;
}

std::string JoinLines(const std::vector<Line>& lines) {
  std::string content;
  for (const Line& line : lines) content += line.text + line.end;
  return content;
}

// The section name of a header line ("[name]"), or nullopt for other lines.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  const size_t close = line.rfind(']');
  if (close != std::string_view::npos) line = line.substr(0, close);
  return Trim(line);
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

// The key and value of a "key=value" line; a line without "=" is a key
// without value. Blank and comment lines give nullopt.
std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == ';') return std::nullopt;
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return KeyLine{line, {}};
  return KeyLine{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// The index of the first header line of the section, if any.
std::optional<size_t> FindSection(const std::vector<Line>& lines, std::string_view section) {
  for (size_t i = 0; i < lines.size(); ++i) {
    auto name = SectionName(lines[i].text);
    if (name && EqualsIgnoringCase(*name, Trim(section))) return i;
  }
  return std::nullopt;
}

// The index after the last line of the section whose header is at header.
size_t SectionEnd(const std::vector<Line>& lines, size_t header) {
  size_t i = header + 1;
  while (i < lines.size() && !SectionName(lines[i].text)) ++i;
  return i;
}

std::optional<size_t> FindKey(const std::vector<Line>& lines, size_t header, std::string_view key) {
  const size_t end = SectionEnd(lines, header);
  for (size_t i = header + 1; i < end; ++i) {
    auto parsed = ParseKeyLine(lines[i].text);
    if (parsed && EqualsIgnoringCase(parsed->key, Trim(key))) return i;
  }
  return std::nullopt;
}

std::string_view StripQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The first count characters of UTF-8 text, never splitting a character.
std::string FirstCharacters(std::string_view text, size_t count) {
  size_t bytes = 0;
  for (size_t characters = 0; bytes < text.size() && characters < count; ++characters) {
    ++bytes;
    while (bytes < text.size() && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80) ++bytes;
  }
  return std::string(text.substr(0, bytes));
}

}  // namespace

bool IniProfileFiles::WriteString(const std::string& section, const std::string& key,
                                  const std::string& value, const std::string& file) {
  return WriteStrings(section, {{key, value}}, file);
}

bool IniProfileFiles::WriteStrings(const std::string& section, const KeyValues& keys,
                                   const std::string& file) {
  try {
    std::string content;
    try {
      content = fs_.ReadText(file);
    } catch (const VbError& error) {
      // A missing file is made; any other failure to read it must not lead
      // to overwriting what it holds.
      if (error.Number() != vberr::kFileNotFound) return false;
    }
    std::vector<Line> lines = SplitLines(content);
    const std::string end = [&lines] {
      for (const Line& line : lines) {
        if (!line.end.empty()) return line.end;
      }
      return std::string("\r\n");
    }();

    for (const auto& [key, value] : keys) {
      auto header = FindSection(lines, section);
      if (!header) {
        if (!lines.empty()) {
          if (lines.back().end.empty()) lines.back().end = end;
          if (!Trim(lines.back().text).empty()) lines.push_back({"", end});
        }
        lines.push_back({"[" + section + "]", end});
        lines.push_back({key + "=" + value, end});
      } else if (auto found = FindKey(lines, *header, key)) {
        Line& line = lines[*found];
        line.text = std::string(ParseKeyLine(line.text)->key) + "=" + value;
      } else {
        size_t insertAt = SectionEnd(lines, *header);
        while (insertAt > *header + 1 && Trim(lines[insertAt - 1].text).empty()) --insertAt;
        if (lines[insertAt - 1].end.empty()) lines[insertAt - 1].end = end;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), Line{key + "=" + value, end});
      }
    }
    fs_.WriteText(file, JoinLines(lines));
    return true;
  } catch (const VbError&) {
    return false;  // the profile functions answer failure, never raise it
  }
}

std::string IniProfileFiles::GetString(const std::string& section, const std::string& key,
                                       const std::string& defaultValue, const std::string& file,
                                       size_t maxLength) {
  const size_t room = maxLength == 0 ? 0 : maxLength - 1;
  std::string content;
  try {
    content = fs_.ReadText(file);
  } catch (const VbError&) {
    return FirstCharacters(defaultValue, room);  // an unreadable file holds no keys
  }
  const std::vector<Line> lines = SplitLines(content);
  auto header = FindSection(lines, section);
  if (!header) return FirstCharacters(defaultValue, room);
  auto found = FindKey(lines, *header, key);
  if (!found) return FirstCharacters(defaultValue, room);
  return FirstCharacters(StripQuotes(ParseKeyLine(lines[*found].text)->value), room);
}

}  // namespace verbsmith
