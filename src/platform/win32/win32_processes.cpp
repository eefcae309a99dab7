#include "platform/win32/win32_processes.h"

#include <algorithm>
#include <vector>

#include "base/vb_error.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace verbsmith {

struct Win32Processes::Child {
  HANDLE process = nullptr;
  ~Child() { CloseHandle(process); }
};

namespace {

std::string Quoted(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos) return argument;
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote escaped.
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}

// The program's full path, looked up as a command shell would.
std::wstring FindProgram(const std::string& program) {
  const std::wstring wide = Wide(program);
  wchar_t found[MAX_PATH + 1] = {};
  const DWORD length = SearchPathW(nullptr, wide.c_str(), L".exe", MAX_PATH, found, nullptr);
  if (length == 0 || length > MAX_PATH) throw VbError::Standard(vberr::kFileNotFound);
  return found;
}

}  // namespace

std::string QuotedCommandLine(const std::vector<std::string>& argv) {
  std::string line;
  for (const std::string& argument : argv) {
    if (!line.empty()) line += ' ';
    line += Quoted(argument);
  }
  return line;
}

Win32Processes::Win32Processes() {
  job_ = CreateJobObjectW(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (job_ != nullptr)
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
}

Win32Processes::~Win32Processes() {
  children_.clear();
  if (job_ != nullptr) CloseHandle(job_);
}

namespace {

std::vector<std::string> Split(const std::string& list) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(';', start);
    if (end == std::string::npos) end = list.size();
    std::string part = list.substr(start, end - start);
    std::erase(part, '"');
    if (!part.empty()) parts.push_back(part);
    start = end + 1;
  }
  return parts;
}

// The files of one directory that match the pattern, by name.
std::vector<std::string> FilesMatching(const std::string& directory, const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW data{};
  HANDLE search = FindFirstFileW(Wide(directory + "\\" + pattern).c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(Utf8(data.cFileName));
  } while (FindNextFileW(search, &data));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::vector<std::string> Win32Processes::FindPrograms(const std::string& pattern) {
  std::vector<std::string> patterns{pattern};
  if (pattern.find('.') == std::string::npos) {
    patterns.clear();
    for (const std::string& extension : Split(GetEnv("PATHEXT").value_or(".COM;.EXE;.BAT;.CMD")))
      patterns.push_back(pattern + extension);
  }
  std::vector<std::string> found;
  for (std::string directory : Split(GetEnv("PATH").value_or(""))) {
    // A drive root loses its backslash here and gets it back below.
    while (!directory.empty() && directory.back() == '\\') directory.pop_back();
    for (const std::string& each : patterns) {
      for (const std::string& name : FilesMatching(directory, each)) found.push_back(directory + "\\" + name);
    }
  }
  return found;
}

std::optional<std::string> Win32Processes::GetEnv(const std::string& name) {
  const std::wstring wide = Wide(name);
  const DWORD size = GetEnvironmentVariableW(wide.c_str(), nullptr, 0);
  if (size == 0)
    return GetLastError() == ERROR_ENVVAR_NOT_FOUND ? std::nullopt : std::optional<std::string>("");
  std::wstring value(size, L'\0');
  const DWORD length = GetEnvironmentVariableW(wide.c_str(), value.data(), size);
  value.resize(length);
  return Utf8(value);
}

ProcessId Win32Processes::Start(const std::vector<std::string>& argv, bool hidden) {
  if (argv.empty()) throw VbError::Standard(vberr::kFileNotFound);
  const std::wstring program = FindProgram(argv[0]);
  std::wstring commandLine = Wide(QuotedCommandLine(argv));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  HANDLE nul = INVALID_HANDLE_VALUE;
  if (hidden) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                      OPEN_EXISTING, 0, nullptr);
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = nul;
    startup.hStdOutput = nul;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  }
  PROCESS_INFORMATION info{};
  const DWORD flags = CREATE_SUSPENDED | (hidden ? CREATE_NO_WINDOW : 0);
  const BOOL started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, hidden, flags,
                                      nullptr, nullptr, &startup, &info);
  if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
  if (!started) throw VbError::Standard(vberr::kFileNotFound);
  // In the job before it runs, so nothing it starts escapes.
  if (job_ != nullptr) AssignProcessToJobObject(job_, info.hProcess);
  ResumeThread(info.hThread);
  CloseHandle(info.hThread);
  auto child = std::make_unique<Child>();
  child->process = info.hProcess;
  children_[info.dwProcessId] = std::move(child);
  return info.dwProcessId;
}

Win32Processes::Child& Win32Processes::Find(ProcessId process) {
  const auto found = children_.find(process);
  if (found == children_.end()) throw VbError::Standard(vberr::kInvalidProcedureCall);
  return *found->second;
}

std::optional<int> Win32Processes::Wait(ProcessId process, std::chrono::milliseconds limit) {
  Child& child = Find(process);
  const DWORD waited = WaitForSingleObject(child.process, static_cast<DWORD>(limit.count()));
  if (waited != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(child.process, &code);
  return static_cast<int>(code);
}

void Win32Processes::Kill(ProcessId process) {
  Child& child = Find(process);
  if (WaitForSingleObject(child.process, 0) == WAIT_OBJECT_0) return;
  TerminateProcess(child.process, 1);
  WaitForSingleObject(child.process, INFINITE);
}

void Win32Processes::Sleep(std::chrono::milliseconds duration) {
  ::Sleep(static_cast<DWORD>(duration.count()));
}

ProcessId Win32Processes::Self() {
  return GetCurrentProcessId();
}

bool Win32Processes::IsRunning(ProcessId process) {
  HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(process));
  if (handle == nullptr) return false;
  const bool running = WaitForSingleObject(handle, 0) == WAIT_TIMEOUT;
  CloseHandle(handle);
  return running;
}

}  // namespace verbsmith
