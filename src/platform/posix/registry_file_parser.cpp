#include "platform/posix/registry_file_parser.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "base/cp1252.h"
#include "base/strings.h"
#include "base/utf8.h"

namespace verbsmith {

namespace {

constexpr std::string_view kWineHeader = "WINE REGISTRY Version 2";
constexpr std::string_view kRegedit5Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view kRegedit4Header = "REGEDIT4";
constexpr std::string_view kWineRootComment = ";; All keys relative to ";

constexpr char32_t kReplacement = 0xFFFD;

enum class Format { kWine, kRegedit4, kRegedit5 };

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// A line's end may keep the CR of a CR LF file.
constexpr std::string_view kTrailingBlanks = " \t\r";

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char a = s[i];
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a + 0x20);
    if (a != prefix[i]) return false;
  }
  return true;
}

bool IsHighSurrogate(char32_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char32_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

// Collects UTF-16 code units into UTF-8, pairing surrogates; a surrogate
// without its partner becomes U+FFFD, since UTF-8 cannot hold it.
class Utf16Sink {
 public:
  explicit Utf16Sink(std::string* out) : out_(out) {}
  void Unit(char32_t u) {
    if (high_ != 0) {
      if (IsLowSurrogate(u)) {
        AppendUtf8(0x10000 + ((high_ - 0xD800) << 10) + (u - 0xDC00), *out_);
        high_ = 0;
        return;
      }
      AppendUtf8(kReplacement, *out_);
      high_ = 0;
    }
    if (IsHighSurrogate(u)) {
      high_ = u;
    } else {
      AppendUtf8(IsLowSurrogate(u) ? kReplacement : u, *out_);
    }
  }
  // Call before appending anything that is not a code unit.
  void Flush() {
    if (high_ != 0) AppendUtf8(kReplacement, *out_);
    high_ = 0;
  }

 private:
  std::string* out_;
  char32_t high_ = 0;
};

// Little-endian UTF-16 bytes to UTF-8; an odd last byte is dropped.
void Utf16LeToUtf8(std::string_view bytes, std::string* out) {
  Utf16Sink sink(out);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    sink.Unit(static_cast<unsigned char>(bytes[i]) |
              (char32_t{static_cast<unsigned char>(bytes[i + 1])} << 8));
  }
  sink.Flush();
}

size_t LineOfOffset(std::string_view text, size_t offset) {
  return 1 + static_cast<size_t>(
                 std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

class Lines {
 public:
  explicit Lines(std::string_view text) : text_(text) {}

  // The next line without its line end.
  bool Next(std::string_view* line) {
    if (pos_ >= text_.size()) return false;
    const void* found = std::memchr(text_.data() + pos_, '\n', text_.size() - pos_);
    const size_t end =
        found == nullptr ? text_.size() : static_cast<size_t>(static_cast<const char*>(found) - text_.data());
    *line = text_.substr(pos_, end - pos_);
    if (!line->empty() && line->back() == '\r') line->remove_suffix(1);
    pos_ = end + 1;
    ++number_;
    return true;
  }
  size_t Number() const { return number_; }

 private:
  std::string_view text_;
  size_t pos_ = 0;
  size_t number_ = 0;
};

class Parser {
 public:
  Parser(std::string_view fileName, ParsedRegistryFile* out) : fileName_(fileName), out_(out) {}

  void Parse(std::string_view bytes) {
    const std::string_view text = Decode(bytes);
    Lines lines(text);
    lines_ = &lines;
    std::string_view line;
    lines.Next(&line);  // the header, checked by Decode
    wineHive_ = HiveFromFileName();
    while (lines.Next(&line)) {
      line = TrimLeft(line);
      if (line.empty()) continue;
      if (format_ == Format::kWine) {
        WineLine(line);
      } else {
        RegeditLine(line);
      }
    }
  }

 private:
  [[noreturn]] void Fail(const std::string& reason) const { Fail(lines_->Number(), reason); }
  [[noreturn]] void Fail(size_t line, const std::string& reason) const {
    throw RegistryParseError(std::string(fileName_), line, reason);
  }

  // The text as UTF-8, after the header has told the format.
  std::string_view Decode(std::string_view bytes) {
    bool fromUtf16 = false;
    std::string_view text = bytes;
    if (bytes.starts_with("\xFF\xFE")) {
      if (bytes.size() % 2 != 0) {
        std::string partial;
        Utf16LeToUtf8(bytes.substr(2), &partial);
        Fail(LineOfOffset(partial, partial.size()), "the UTF-16 text ends in the middle of a character");
      }
      Utf16LeToUtf8(bytes.substr(2), &owned_);
      text = owned_;
      fromUtf16 = true;
    } else if (bytes.starts_with("\xFE\xFF")) {
      Fail(1, "big-endian UTF-16 text is not supported");
    } else if (bytes.starts_with("\xEF\xBB\xBF")) {
      text.remove_prefix(3);
    }
    const size_t lineEnd = text.find('\n');
    const std::string_view header = TrimRight(text.substr(0, lineEnd), kTrailingBlanks);
    if (header == kWineHeader) {
      format_ = Format::kWine;
    } else if (header == kRegedit5Header) {
      format_ = Format::kRegedit5;
    } else if (header == kRegedit4Header) {
      format_ = Format::kRegedit4;
    } else {
      Fail(1, "not a registry file: the first line is neither \"" + std::string(kWineHeader) + "\", \"" +
                  std::string(kRegedit5Header) + "\" nor \"" + std::string(kRegedit4Header) + "\"");
    }
    if (fromUtf16) return text;
    if (format_ == Format::kRegedit4) {
      const bool ascii =
          std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
      if (ascii) return text;
      owned_ = Cp1252ToUtf8(text);
      return owned_;
    }
    const size_t bad = FindInvalidUtf8(text);
    if (bad != std::string_view::npos) Fail(LineOfOffset(text, bad), "the text is not valid UTF-8");
    return text;
  }

  RegistryHive HiveFromFileName() const {
    const size_t slash = fileName_.find_last_of("/\\");
    const std::string_view base = slash == std::string_view::npos ? fileName_ : fileName_.substr(slash + 1);
    const std::string folded = FoldRegistryName(base);
    return folded == "USER.REG" || folded == "USERDEF.REG" ? RegistryHive::kUser : RegistryHive::kMachine;
  }

  RegistryNode& HiveRoot(RegistryHive hive) {
    return hive == RegistryHive::kUser ? out_->user : out_->machine;
  }

  // The subkey name of parent (which sits depth - 1 levels below its hive
  // root), made when missing.
  RegistryNode& AddPath(RegistryNode& root, size_t depth, std::string_view name) {
    if (name.empty()) Fail("a key name is empty");
    if (depth > kMaxRegistryDepth)
      Fail("keys nest deeper than " + std::to_string(kMaxRegistryDepth) + " levels");
    folded_.clear();
    AppendFoldedRegistryName(name, &folded_);
    return root.AddChild(name, folded_);
  }

  // ---- Wine hive files ----

  void WineLine(std::string_view line) {
    switch (line[0]) {
      case ';':
        if (line.starts_with(kWineRootComment) && !sawSection_)
          WineRoot(line.substr(kWineRootComment.size()));
        return;
      case '#':
        return;  // #arch, #time, #class, #link: nothing the product reads
      case '[':
        WineSection(line);
        return;
      case '@':
      case '"':
        WineValue(line);
        return;
      default:
        Fail("unexpected text: a line must start a key, a value or a comment");
    }
  }

  void WineRoot(std::string_view root) {
    root = TrimRight(root, kTrailingBlanks);
    // Current Wine writes REGISTRY\\Machine where older ones wrote \\Machine.
    if (root.starts_with("REGISTRY")) root.remove_prefix(std::string_view("REGISTRY").size());
    if (root.starts_with("\\\\Machine")) {
      wineHive_ = RegistryHive::kMachine;
    } else if (root.starts_with("\\\\User")) {
      wineHive_ = RegistryHive::kUser;
    } else {
      Fail("the keys are relative to an unknown root");
    }
  }

  void WineSection(std::string_view line) {
    sawSection_ = true;
    const size_t end = UnescapeWine(line, 1, ']', &text_);
    if (end == std::string_view::npos) Fail("the key name has no closing ']'");
    // What follows is the key's modification time, which nothing needs.
    // Hive files list keys in order, so a section mostly starts with the
    // keys of the one before; those are taken from the trail.
    RegistryNode* node = &HiveRoot(wineHive_);
    std::string_view path = text_;
    size_t depth = 0;
    bool onTrail = true;
    while (true) {
      const size_t sep = path.find('\\');
      const std::string_view name = path.substr(0, sep);
      if (onTrail && depth < trail_.size() && trail_[depth].first == name) {
        node = trail_[depth].second;
      } else {
        if (onTrail) trail_.resize(depth);
        onTrail = false;
        node = &AddPath(*node, depth + 1, name);
        trail_.emplace_back(std::string(name), node);
      }
      ++depth;
      if (sep == std::string_view::npos) break;
      path.remove_prefix(sep + 1);
    }
    if (onTrail) trail_.resize(depth);
    current_ = node;
  }

  void WineValue(std::string_view line) {
    if (current_ == nullptr) Fail("a value comes before any key");
    size_t pos = ValueName(line, /*wine=*/true);
    RegistryValue value;
    value.name = name_;
    const std::string_view data = line.substr(pos);
    if (data.starts_with('"')) {
      value.type = regtype::kString;
      StringData(data, 0, /*wine=*/true, &value.data);
    } else if (data.starts_with("str(")) {
      pos = TypeNumber(data, 4, &value.type);
      if (pos >= data.size() || data[pos] != ':') Fail("\"str(n)\" must be followed by ':'");
      StringData(data, pos + 1, /*wine=*/true, &value.data);
    } else if (!TypedData(data, &value)) {
      Fail("unrecognised value data");
    }
    Store(std::move(value));
  }

  // Wine's escapes: C-style letters, \xHHHH UTF-16 code units, \ooo octal;
  // any other escaped character stands for itself. Returns the position
  // after the closing delimiter, or npos when the line ends first.
  static size_t UnescapeWine(std::string_view s, size_t pos, char delim, std::string* out) {
    out->clear();
    Utf16Sink sink(out);
    while (pos < s.size()) {
      const char c = s[pos];
      if (c == delim) {
        sink.Flush();
        return pos + 1;
      }
      if (c != '\\') {
        sink.Flush();
        size_t end = pos + 1;
        while (end < s.size() && s[end] != '\\' && s[end] != delim) ++end;
        out->append(s.substr(pos, end - pos));
        pos = end;
        continue;
      }
      if (++pos >= s.size()) break;
      const char e = s[pos];
      switch (e) {
        case 'a':
          sink.Unit(7);
          ++pos;
          continue;
        case 'b':
          sink.Unit(8);
          ++pos;
          continue;
        case 'e':
          sink.Unit(27);
          ++pos;
          continue;
        case 'f':
          sink.Unit(12);
          ++pos;
          continue;
        case 'n':
          sink.Unit(10);
          ++pos;
          continue;
        case 'r':
          sink.Unit(13);
          ++pos;
          continue;
        case 't':
          sink.Unit(9);
          ++pos;
          continue;
        case 'v':
          sink.Unit(11);
          ++pos;
          continue;
        default:
          break;
      }
      if (e == 'x') {
        size_t p = pos + 1;
        char32_t unit = 0;
        while (p < s.size() && p < pos + 5 && HexDigit(s[p]) >= 0)
          unit = unit * 16 + static_cast<char32_t>(HexDigit(s[p++]));
        if (p > pos + 1) {
          sink.Unit(unit);
          pos = p;
          continue;
        }
      } else if (e >= '0' && e <= '7') {
        size_t p = pos;
        char32_t unit = 0;
        while (p < s.size() && p < pos + 3 && s[p] >= '0' && s[p] <= '7')
          unit = unit * 8 + static_cast<char32_t>(s[p++] - '0');
        sink.Unit(unit);
        pos = p;
        continue;
      }
      sink.Flush();
      out->push_back(e);
      ++pos;
    }
    return std::string_view::npos;
  }

  // ---- regedit export files ----

  void RegeditLine(std::string_view line) {
    switch (line[0]) {
      case ';':
      case '#':
        return;
      case '[':
        RegeditSection(line);
        return;
      case '@':
      case '"':
        RegeditValue(line);
        return;
      default:
        Fail("unexpected text: a line must start a key, a value or a comment");
    }
  }

  void RegeditSection(std::string_view line) {
    sawSection_ = true;
    current_ = nullptr;
    const size_t close = line.rfind(']');
    if (close == std::string_view::npos) Fail("the key name has no closing ']'");
    if (!RestIsBlank(line.substr(close + 1))) Fail("unexpected text after the key name");
    const bool deletion = line.size() > 1 && line[1] == '-';
    std::string_view path = line.substr(deletion ? 2 : 1, close - (deletion ? 2 : 1));
    const size_t sep = path.find('\\');
    const std::string_view rootName = path.substr(0, sep);
    path = sep == std::string_view::npos ? std::string_view() : path.substr(sep + 1);
    if (sep != std::string_view::npos && path.empty()) Fail("a key name is empty");

    RegistryHive hive = RegistryHive::kMachine;
    bool classes = false;
    const std::string root = FoldRegistryName(rootName);
    if (root == "HKEY_LOCAL_MACHINE" || root == "HKLM") {
      hive = RegistryHive::kMachine;
    } else if (root == "HKEY_CURRENT_USER" || root == "HKCU") {
      hive = RegistryHive::kUser;
    } else if (root == "HKEY_CLASSES_ROOT" || root == "HKCR") {
      // As regedit does, class keys go to the machine's classes.
      classes = true;
    } else if (root == "HKEY_USERS" || root == "HKU" || root == "HKEY_CURRENT_CONFIG" || root == "HKCC" ||
               root == "HKEY_DYN_DATA" || root == "HKEY_PERFORMANCE_DATA") {
      // Roots the product never reads: checked, then left out.
      ValidatePath(path);
      return;
    } else {
      Fail("unknown root key \"" + std::string(rootName) + "\"");
    }

    currentHive_ = hive;
    currentPath_.clear();
    std::vector<std::string> names;
    if (classes) {
      names.emplace_back("Software");
      names.emplace_back("Classes");
    }
    if (sep != std::string_view::npos) {
      while (true) {
        const size_t next = path.find('\\');
        if (next == 0) Fail("a key name is empty");
        names.emplace_back(path.substr(0, next));
        if (next == std::string_view::npos) break;
        path.remove_prefix(next + 1);
        if (path.empty()) Fail("a key name is empty");
      }
    }

    if (deletion) {
      // The roots themselves cannot be removed, the classes root included.
      if (sep == std::string_view::npos) return;
      RegistryDeletion removal;
      removal.hive = hive;
      for (const std::string& name : names) removal.foldedPath.push_back(FoldRegistryName(name));
      RegistryNode* node = &HiveRoot(hive);
      for (size_t i = 0; node != nullptr && i + 1 < removal.foldedPath.size(); ++i) {
        node = node->FindChild(removal.foldedPath[i]);
      }
      if (node != nullptr) node->RemoveChild(removal.foldedPath.back());
      out_->deletions.push_back(std::move(removal));
      return;
    }

    RegistryNode* node = &HiveRoot(hive);
    size_t depth = 0;
    for (const std::string& name : names) {
      node = &AddPath(*node, ++depth, name);
      currentPath_.push_back(folded_);
    }
    current_ = node;
  }

  void ValidatePath(std::string_view path) {
    size_t depth = 0;
    while (!path.empty()) {
      const size_t next = path.find('\\');
      if (next == 0) Fail("a key name is empty");
      if (++depth > kMaxRegistryDepth)
        Fail("keys nest deeper than " + std::to_string(kMaxRegistryDepth) + " levels");
      if (next == std::string_view::npos) break;
      path.remove_prefix(next + 1);
      if (path.empty()) Fail("a key name is empty");
    }
  }

  void RegeditValue(std::string_view line) {
    if (!sawSection_) Fail("a value comes before any key");
    const size_t pos = ValueName(line, /*wine=*/false);
    RegistryValue value;
    value.name = name_;
    const std::string_view data = line.substr(pos);
    if (data.starts_with('-')) {
      if (!RestIsBlank(data.substr(1))) Fail("unexpected text after '-'");
      if (current_ != nullptr) {
        folded_.clear();
        AppendFoldedRegistryName(name_, &folded_);
        current_->RemoveValue(folded_);
        out_->deletions.push_back(RegistryDeletion{currentHive_, currentPath_, folded_});
      }
      return;
    }
    if (data.starts_with('"')) {
      value.type = regtype::kString;
      StringData(data, 0, /*wine=*/false, &value.data);
    } else if (!TypedData(data, &value)) {
      Fail("unrecognised value data");
    }
    // Values of removed or ignored keys are checked but not kept.
    if (current_ != nullptr) Store(std::move(value));
  }

  // regedit escapes only the backslash and the quote; newer exports also
  // use \n, \r, \t and \0. A backslash before anything else is kept, as it
  // is in hand-written paths.
  static size_t UnescapeRegedit(std::string_view s, size_t pos, std::string* out) {
    out->clear();
    while (pos < s.size()) {
      const char c = s[pos];
      if (c == '"') return pos + 1;
      if (c != '\\') {
        size_t end = pos + 1;
        while (end < s.size() && s[end] != '\\' && s[end] != '"') ++end;
        out->append(s.substr(pos, end - pos));
        pos = end;
        continue;
      }
      if (pos + 1 >= s.size()) break;
      switch (s[pos + 1]) {
        case '\\':
          out->push_back('\\');
          break;
        case '"':
          out->push_back('"');
          break;
        case 'n':
          out->push_back('\n');
          break;
        case 'r':
          out->push_back('\r');
          break;
        case 't':
          out->push_back('\t');
          break;
        case '0':
          out->push_back('\0');
          break;
        default:
          out->push_back('\\');
          ++pos;
          continue;
      }
      pos += 2;
    }
    return std::string_view::npos;
  }

  // ---- shared by both forms ----

  // Reads "name"= or @= into name_; returns the position of the data.
  size_t ValueName(std::string_view line, bool wine) {
    size_t pos;
    if (line[0] == '@') {
      name_.clear();
      pos = 1;
    } else {
      pos = wine ? UnescapeWine(line, 1, '"', &name_) : UnescapeRegedit(line, 1, &name_);
      if (pos == std::string_view::npos) Fail("the value name has no closing quote");
    }
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    if (pos >= line.size() || line[pos] != '=') Fail("the value name must be followed by '='");
    ++pos;
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    return pos;
  }

  // A quoted string starting at data[open]; nothing but a comment may follow.
  void StringData(std::string_view data, size_t open, bool wine, std::string* out) {
    if (open >= data.size() || data[open] != '"') Fail("a string value must start with '\"'");
    const size_t end = wine ? UnescapeWine(data, open + 1, '"', out) : UnescapeRegedit(data, open + 1, out);
    if (end == std::string_view::npos) Fail("the string value has no closing quote");
    if (!RestIsBlank(data.substr(end))) Fail("unexpected text after the string value");
  }

  // "(n)" type numbers, hexadecimal as the files write them. pos is just
  // after the '('; returns the position after the ')'.
  size_t TypeNumber(std::string_view data, size_t pos, uint32_t* type) {
    uint64_t number = 0;
    const size_t start = pos;
    while (pos < data.size() && HexDigit(data[pos]) >= 0) {
      number = number * 16 + static_cast<uint64_t>(HexDigit(data[pos++]));
      if (number > 0xFFFFFFFFu) Fail("the value type is out of range");
    }
    if (pos == start || pos >= data.size() || data[pos] != ')')
      Fail("the value type must be a hexadecimal number in '()'");
    *type = static_cast<uint32_t>(number);
    return pos + 1;
  }

  // dword:, hex: and hex(n): data. False when data is none of them.
  bool TypedData(std::string_view data, RegistryValue* value) {
    if (StartsWithNoCase(data, "dword:")) {
      size_t pos = 6;
      uint32_t number = 0;
      const size_t start = pos;
      while (pos < data.size() && HexDigit(data[pos]) >= 0) {
        if (pos - start == 8) Fail("a dword has more than eight hexadecimal digits");
        number = number * 16 + static_cast<uint32_t>(HexDigit(data[pos++]));
      }
      if (pos == start) Fail("a dword needs hexadecimal digits");
      if (!RestIsBlank(data.substr(pos))) Fail("unexpected text after the dword");
      value->type = regtype::kDword;
      value->data.resize(4);
      for (int i = 0; i < 4; ++i)
        value->data[static_cast<size_t>(i)] = static_cast<char>((number >> (8 * i)) & 0xFF);
      return true;
    }
    size_t pos;
    if (StartsWithNoCase(data, "hex:")) {
      value->type = regtype::kBinary;
      pos = 4;
    } else if (StartsWithNoCase(data, "hex(")) {
      pos = TypeNumber(data, 4, &value->type);
      if (pos >= data.size() || data[pos] != ':') Fail("\"hex(n)\" must be followed by ':'");
      ++pos;
    } else {
      return false;
    }
    std::string bytes;
    HexBytes(data.substr(pos), &bytes);
    if (IsRegistryTextType(value->type)) {
      // Text kept as bytes: UTF-16LE, except in REGEDIT4 files, which
      // write the 8-bit code page.
      if (format_ == Format::kRegedit4) {
        value->data = Cp1252ToUtf8(bytes);
      } else {
        Utf16LeToUtf8(bytes, &value->data);
      }
      // The stored data ends with its terminating zero; a single string
      // ends at its first.
      if (value->type == regtype::kMultiString) {
        if (!value->data.empty() && value->data.back() == '\0') value->data.pop_back();
      } else {
        const size_t zero = value->data.find('\0');
        if (zero != std::string::npos) value->data.resize(zero);
      }
    } else {
      value->data = std::move(bytes);
    }
    return true;
  }

  // Comma-separated hexadecimal bytes; a backslash at the end of a line
  // continues them on the next.
  void HexBytes(std::string_view s, std::string* out) {
    size_t pos = 0;
    while (true) {
      while (pos < s.size() && IsBlank(s[pos])) ++pos;
      if (pos >= s.size() || s[pos] == ';') return;
      if (s[pos] == '\\') {
        if (!TrimRight(s.substr(pos + 1), kTrailingBlanks).empty()) Fail("unexpected text after '\\'");
        s = ContinuationLine();
        pos = 0;
        continue;
      }
      const int first = HexDigit(s[pos]);
      if (first < 0) Fail("bad hexadecimal byte");
      int byte = first;
      ++pos;
      if (pos < s.size() && HexDigit(s[pos]) >= 0) byte = byte * 16 + HexDigit(s[pos++]);
      out->push_back(static_cast<char>(byte));
      while (pos < s.size() && IsBlank(s[pos])) ++pos;
      if (pos >= s.size() || s[pos] == ';' || s[pos] == '\\') continue;
      if (s[pos] != ',') Fail("hexadecimal bytes must be separated by ','");
      ++pos;
    }
  }

  std::string_view ContinuationLine() {
    std::string_view line;
    while (true) {
      if (!lines_->Next(&line)) Fail("the file ends inside hexadecimal data");
      line = TrimLeft(line);
      if (!line.starts_with(';')) return line;
    }
  }

  static bool RestIsBlank(std::string_view rest) {
    rest = TrimRight(TrimLeft(rest), kTrailingBlanks);
    return rest.empty() || rest[0] == ';';
  }

  void Store(RegistryValue value) {
    folded_.clear();
    AppendFoldedRegistryName(value.name, &folded_);
    current_->SetValue(folded_, std::move(value));
  }

  std::string_view fileName_;
  ParsedRegistryFile* out_;
  Format format_ = Format::kWine;
  Lines* lines_ = nullptr;
  std::string owned_;
  RegistryHive wineHive_ = RegistryHive::kMachine;
  bool sawSection_ = false;
  RegistryNode* current_ = nullptr;
  RegistryHive currentHive_ = RegistryHive::kMachine;
  std::vector<std::string> currentPath_;
  std::vector<std::pair<std::string, RegistryNode*>> trail_;
  std::string folded_;
  std::string name_;
  std::string text_;
};

}  // namespace

RegistryParseError::RegistryParseError(std::string fileName, size_t line, const std::string& reason)
    : std::runtime_error(fileName + ", line " + std::to_string(line) + ": " + reason),
      fileName_(std::move(fileName)),
      line_(line),
      reason_(reason) {}

ParsedRegistryFile ParseRegistryFile(std::string_view bytes, std::string_view fileName) {
  ParsedRegistryFile result;
  // An empty file holds no keys; it is not a damaged one.
  if (bytes.empty()) return result;
  Parser parser(fileName, &result);
  parser.Parse(bytes);
  return result;
}

}  // namespace verbsmith
