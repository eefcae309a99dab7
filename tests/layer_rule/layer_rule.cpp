// Reads every #include "…" under a source tree and prints each edge the
// layer rule does not allow: a layer includes itself and the layers below
// it, and only the adapters themselves, the executables and the tests
// include an adapter folder (they wire the adapters). Exits 1 when it
// printed any.
//
//   layer_rule SRC_DIR

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Bottom up. A layer may include a layer of a lower rank. `generate` sits
// under `model` and `resources`, which build on its line buffer and shared
// module routines.
const std::map<std::string, int> kRank = {
    {"base", 0},  {"platform", 1},  {"connection", 2}, {"forms", 2},  {"generate", 3},
    {"model", 4}, {"resources", 4}, {"managers", 5},   {"wizard", 6}, {"shell", 7},
    {"qt", 8},    {"win32view", 8}, {"addin", 8},      {"app", 9},
};

// The Windows window is the windowing system's adapter, as the platform's
// Windows folder is the system's.
const std::vector<std::string> kAdapterFolders = {"platform/posix/", "platform/scripted/", "platform/win32/",
                                                  "win32view/"};

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

bool IsTest(const fs::path& file) {
  return file.stem().string().ends_with("_test");
}

bool InAdapterFolder(const std::string& path) {
  return std::any_of(kAdapterFolders.begin(), kAdapterFolders.end(),
                     [&path](const std::string& adapters) { return StartsWith(path, adapters); });
}

// Why `file` (relative to the source root) may not include `header`, if so.
std::optional<std::string> Refusal(const fs::path& file, const std::string& header) {
  const std::string from = file.begin()->string();
  const std::string folder = file.parent_path().generic_string() + "/";
  if (header.find('/') == std::string::npos) return std::nullopt;  // beside the file
  const std::string to = header.substr(0, header.find('/'));
  if (to == "support") {
    if (IsTest(file)) return std::nullopt;
    return "the tests' support outside a test";
  }
  if (!kRank.contains(from)) return "a file outside every layer";
  if (!kRank.contains(to)) return "no layer named " + to;
  if (to != from && kRank.at(to) >= kRank.at(from)) return from + " may not include " + to;
  // The add-in DLL is an executable of its own: it wires the adapters too.
  const bool executable = from == "app" || from == "addin";
  if (!InAdapterFolder(header) || InAdapterFolder(folder) || executable || IsTest(file)) return std::nullopt;
  return "an adapter folder outside the adapters, the executables and the tests";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || !fs::is_directory(argv[1])) {
    std::cerr << "usage: layer_rule SRC_DIR\n";
    return 2;
  }
  const fs::path root = argv[1];
  const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string ext = entry.path().extension().string();
    if (entry.is_regular_file() && (ext == ".h" || ext == ".cpp")) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  int refused = 0;
  for (const fs::path& path : files) {
    const fs::path file = path.lexically_relative(root);
    std::ifstream in(path);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      std::smatch match;
      if (!std::regex_search(line, match, include)) continue;
      if (const auto why = Refusal(file, match[1].str())) {
        std::cout << file.generic_string() << ":" << number << ": " << match[1].str() << ": " << *why << "\n";
        ++refused;
      }
    }
  }
  return refused == 0 ? 0 : 1;
}
