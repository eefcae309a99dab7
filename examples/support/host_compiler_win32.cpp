// The resource compiler of the Linux host, as a Windows program: what the
// example sessions under Wine run for a compiler, since Debian ships none
// built for Windows. A Windows program under Wine can start a Linux one but
// gets no handle to wait on, so a shell runs the compiler and leaves its
// exit status in a file that this program waits for. Arguments that name
// files are given to the compiler as Linux paths, and so are the paths on
// drive Z: in the script (-i).

#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

// Quoted as Windows splits a command line: backslashes count only before
// a quote.
std::wstring Quoted(const std::wstring& argument) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

std::wstring Widened(const char* text) {
  return std::wstring(text, text + std::char_traits<char>::length(text));
}

// "Z:\tmp\x.rc" -> "/tmp/x.rc", "C:\users" -> the prefix's drive_c/users,
// as Wine maps them; anything else as it is.
std::wstring HostPath(const std::wstring& argument) {
  if (argument.size() < 3 || argument[1] != L':' || argument[2] != L'\\') return argument;
  using UnixName = char*(CDECL*)(const wchar_t*);
  static const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  char* name = unixName != nullptr ? unixName(argument.c_str()) : nullptr;
  if (name == nullptr) return argument;
  std::wstring host = Widened(name);
  HeapFree(GetProcessHeap(), 0, name);
  return host;
}

// The script with each path on drive Z: as the Linux path, up to the quote
// or line end that closes it.
std::string HostScript(const std::string& script) {
  std::string text;
  bool inPath = false;
  for (std::size_t i = 0; i < script.size(); ++i) {
    const char c = script[i];
    if (!inPath && (c == 'Z' || c == 'z') && script.compare(i + 1, 2, ":\\") == 0) {
      inPath = true;
      ++i;
      continue;
    }
    if (c == '"' || c == '\r' || c == '\n') inPath = false;
    text += inPath && c == '\\' ? '/' : c;
  }
  return text;
}

std::string Contents(const std::wstring& path) {
  std::string bytes;
  if (FILE* file = _wfopen(path.c_str(), L"rb")) {
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, got);
    std::fclose(file);
  }
  return bytes;
}

void Write(const std::wstring& path, const std::string& bytes) {
  if (FILE* file = _wfopen(path.c_str(), L"wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  wchar_t own[MAX_PATH + 1] = {};
  GetModuleFileNameW(nullptr, own, MAX_PATH);
  const std::wstring status = std::wstring(own) + L"." + std::to_wstring(GetCurrentProcessId()) + L".status";
  const std::wstring hostStatus = HostPath(status);
  const std::wstring script = std::wstring(own) + L"." + std::to_wstring(GetCurrentProcessId()) + L".rc";
  // sh -c 'SCRIPT' COMPILER ARGUMENTS...
  std::wstring shell = L"\"$0\" \"$@\" >/dev/null; echo $? > '" + hostStatus + L".new'; mv '" + hostStatus +
                       L".new' '" + hostStatus + L"'";
  std::wstring commandLine = L"sh -c " + Quoted(shell) + L" " + Quoted(Widened(VERBSMITH_HOST_COMPILER));
  for (int i = 1; i < argc; ++i) {
    if (std::wstring(argv[i - 1]) == L"-i") {
      Write(script, HostScript(Contents(argv[i])));
      commandLine += L" " + Quoted(HostPath(script));
    } else {
      commandLine += L" " + Quoted(HostPath(argv[i]));
    }
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(L"Z:\\bin\\sh", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    std::fprintf(stderr, "cannot start the host's compiler (%lu)\n", GetLastError());
    return 127;
  }
  for (;;) {
    FILE* file = _wfopen(status.c_str(), L"r");
    if (file != nullptr) {
      int code = 127;
      const bool read = std::fscanf(file, "%d", &code) == 1;
      std::fclose(file);
      DeleteFileW(status.c_str());
      DeleteFileW(script.c_str());
      return read ? code : 127;
    }
    Sleep(20);
  }
}
