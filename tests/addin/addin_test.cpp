// The add-in as the environment meets it: registered by regsvr32, created
// by its ProgID, connected through the add-in interface to a stand-in
// environment that records every call.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "addin/extensibility.h"
#include "addin/identifiers.h"
#include "platform/win32/dispatch_call.h"
#include "platform/win32/wide_text.h"
#include "standin_environment.h"

namespace verbsmith::standin {
namespace {

// The example sessions, seen from Wine's drive Z:.
const char kExamples[] = VERBSMITH_EXAMPLES;
const wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\CarthexVerbsmith\\Settings";

std::wstring Beside(const std::wstring& name) {
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring path(exe);
  return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

DWORD Regsvr32(const std::wstring& options) {
  std::wstring command = L"regsvr32.exe /s " + options + L" \"" + Beside(L"CarthexVerbsmith.dll") + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return GetLastError();
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 1;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return status;
}

bool Ours(const std::wstring& key) {
  for (const wchar_t* id : {L"41B56E06", L"32338D85", L"6F5C5D45", L"CarthexVerbsmith."}) {
    if (key.find(id) != std::wstring::npos) return true;
  }
  return false;
}

// A key as lines: with `whole`, every value and subkey below it; else the
// names of its subkeys, and the keys that hold classes one level down. The
// rest of the classes is too large to read on every run.
void Snapshot(HKEY root, const std::wstring& path, std::set<std::string>& lines, bool whole) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  lines.insert(Utf8(path));
  wchar_t name[512];
  BYTE data[2048];
  for (DWORD i = 0; whole; ++i) {
    DWORD nameLength = 512;
    DWORD dataLength = sizeof(data);
    DWORD type = 0;
    if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &dataLength) != ERROR_SUCCESS) break;
    const std::string value =
        type == REG_SZ ? Utf8(reinterpret_cast<const wchar_t*>(data)) : std::to_string(dataLength) + " bytes";
    lines.insert(Utf8(path) + "|" + Utf8(name) + "=" + value);
  }
  std::vector<std::wstring> subkeys;
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = 512;
    if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    subkeys.emplace_back(name);
  }
  RegCloseKey(key);
  for (const std::wstring& subkey : subkeys) {
    const std::wstring below = path + L"\\" + subkey;
    lines.insert(Utf8(below));
    const bool holdsClasses = path.ends_with(L"Classes") || path.ends_with(L"Wow6432Node");
    if (whole || Ours(subkey)) {
      Snapshot(root, below, lines, true);
    } else if (holdsClasses && (subkey == L"CLSID" || _wcsicmp(subkey.c_str(), L"TypeLib") == 0 ||
                                subkey == L"Interface" || subkey == L"Wow6432Node")) {
      Snapshot(root, below, lines, false);
    }
  }
}

std::string FileText(const std::wstring& path) {
  std::ifstream in(Utf8(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::set<std::string> RegistryAndAddInsFile() {
  std::set<std::string> lines;
  for (const HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
    Snapshot(root, L"Software\\Classes", lines, false);
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  lines.insert("vbaddin.ini:" + FileText(std::wstring(windows) + L"\\vbaddin.ini"));
  return lines;
}

std::vector<std::string> Added(const std::set<std::string>& before, const std::set<std::string>& after) {
  std::vector<std::string> added;
  for (const std::string& line : after) {
    if (before.count(line) == 0) added.push_back(line);
  }
  return added;
}

void ExpectFoundByProgIdWithItsTypeLibrary() {
  CLSID clsid{};
  EXPECT_EQ(CLSIDFromProgID(addin::kProgId, &clsid), S_OK);
  EXPECT_TRUE(IsEqualCLSID(clsid, addin::kClassId));
  // The embedded type library describes the members the managers use.
  ITypeLib* library = nullptr;
  ASSERT_EQ(LoadRegTypeLib(addin::kTypeLibId, 1, 0, 0, &library), S_OK);
  ITypeInfo* info = nullptr;
  EXPECT_EQ(library->GetTypeInfoOfGuid(addin::kDispatchId, &info), S_OK);
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"GenMgr")};
  MEMBERID id = 0;
  if (info != nullptr) {
    EXPECT_EQ(info->GetIDsOfNames(names, 1, &id), S_OK);
    info->Release();
  }
  EXPECT_EQ(id, 2);
  library->Release();
}

TEST(Registration, WritesTheClassForMachineOrUserAndRemovesExactlyThat) {
  CoInitialize(nullptr);
  for (const std::wstring scope : {L"", L"/n /i:user"}) {
    SCOPED_TRACE(Utf8(scope));
    const std::set<std::string> before = RegistryAndAddInsFile();
    ASSERT_EQ(Regsvr32(scope), 0u);
    const std::vector<std::string> added = Added(before, RegistryAndAddInsFile());
    const std::string text = [&] {
      std::ostringstream all;
      for (const auto& line : added) all << line << "\n";
      return all.str();
    }();
    EXPECT_NE(text.find("\\CarthexVerbsmith.VerbsmithCls\\CLSID|={41B56E06-E948-4173-B71B-F1CF718C6EC8}"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("InprocServer32|ThreadingModel=Apartment"), std::string::npos) << text;
    EXPECT_NE(text.find("[Add-Ins32]\r\nCarthexVerbsmith.VerbsmithCls=0"), std::string::npos) << text;
    // Wine's classes root does not show the user's classes, so only the
    // machine's registration is looked up.
    if (scope.empty()) ExpectFoundByProgIdWithItsTypeLibrary();

    ASSERT_EQ(Regsvr32(L"/u " + scope), 0u);
    EXPECT_EQ(Added(before, RegistryAndAddInsFile()), std::vector<std::string>());
    EXPECT_EQ(Added(RegistryAndAddInsFile(), before), std::vector<std::string>());
  }
}

class Connection : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    CoInitialize(nullptr);
    ASSERT_EQ(Regsvr32(L""), 0u);
  }
  static void TearDownTestSuite() { Regsvr32(L"/u"); }

  // Creates the add-in as the environment does, telling it to answer its
  // dialogs and write what it shows to a transcript.
  addin::IDTExtensibility2* Create() {
    wchar_t directory[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, directory);
    wchar_t file[MAX_PATH] = {};
    GetTempFileNameW(directory, L"ads", 0, file);
    transcript_ = file;
    SetEnvironmentVariableW(L"VERBSMITH_ADDIN_TRANSCRIPT", file);
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(addin::kProgId, &clsid), S_OK);
    addin::IDTExtensibility2* addIn = nullptr;
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, addin::kExtensibilityId,
                               reinterpret_cast<void**>(&addIn)),
              S_OK);
    return addIn;
  }
  // Releases the add-in; what it showed.
  std::string Transcript(addin::IDTExtensibility2* addIn) {
    addIn->Release();
    const std::string text = FileText(transcript_);
    DeleteFileW(transcript_.c_str());
    return text;
  }
  static void SetDisplayOnConnect(const wchar_t* value) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"DisplayOnConnect");
    if (value != nullptr)
      RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"DisplayOnConnect", REG_SZ, value,
                      static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
  }
  static std::string DisplayOnConnect() {
    wchar_t value[16] = {};
    DWORD size = sizeof(value);
    RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"DisplayOnConnect", RRF_RT_REG_SZ, nullptr, value, &size);
    return Utf8(value);
  }
  static int Count(const std::string& text, const std::string& what) {
    int count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
  }

  std::wstring transcript_;
};

struct ConnectCase {
  long mode;
  std::string version;
  const wchar_t* displayOnConnect;
  bool menu;
  bool wizard;
};

TEST_F(Connection, EachModeAndVersionAddsTheMenuEntryAndShowsTheWizardOrNot) {
  const ConnectCase cases[] = {
      {0, "6.0", L"1", true, true},      {0, "6.0", L"0", true, false},  {0, "6.0", nullptr, true, false},
      {1, "6.0", L"1", true, false},     {3, "5.0", L"1", true, false},  {2, "6.0", nullptr, false, true},
      {1, "7.0", nullptr, false, false}, {2, "", nullptr, false, false},
  };
  for (const ConnectCase& c : cases) {
    SCOPED_TRACE("mode " + std::to_string(c.mode) + ", version '" + c.version + "'");
    SetDisplayOnConnect(c.displayOnConnect);
    StandInEnvironment environment(c.version);
    addin::IDTExtensibility2* addIn = Create();
    ASSERT_NE(addIn, nullptr);
    EXPECT_EQ(addIn->OnConnection(environment.Vbe(), c.mode, nullptr, nullptr), S_OK);
    ASSERT_EQ(environment.buttons.size(), c.menu ? 1u : 0u);
    if (c.menu) {
      EXPECT_EQ(environment.buttons[0]->caption, "Carthex &Verbsmith...");
      EXPECT_EQ(environment.buttons[0]->events->SinkCount(), 1u);
    }
    EXPECT_EQ(addIn->OnDisconnection(0, nullptr), S_OK);
    if (c.menu) {
      EXPECT_TRUE(environment.buttons[0]->deleted);
    }
    EXPECT_EQ(DisplayOnConnect(), "0");
    const std::string shown = Transcript(addIn);
    EXPECT_EQ(Count(shown, "form shown frmVerbsmith"), c.wizard ? 1 : 0) << shown;
    const bool refused = c.version.empty() || (c.version[0] != '5' && c.version[0] != '6');
    EXPECT_EQ(Count(shown, "\"Carthex Verbsmith\": Cannot run with this version of Visual Basic."),
              refused ? 1 : 0)
        << shown;
  }
}

TEST_F(Connection, TwoClicksGiveTwoRunsAndTheMembersAreFoundByName) {
  StandInEnvironment environment;
  addin::IDTExtensibility2* addIn = Create();
  ASSERT_NE(addIn, nullptr);
  ASSERT_EQ(addIn->OnConnection(environment.Vbe(), 1, nullptr, nullptr), S_OK);
  IDispatch* object = nullptr;
  ASSERT_EQ(addIn->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object)), S_OK);
  EXPECT_FALSE(GetObjectMember(object, L"GenMgr")) << "no run yet";
  // The environment it was connected to is the one handed to the managers.
  EXPECT_EQ(GetObjectMember(object, L"VBInst").get(), environment.Vbe());
  environment.Click(*environment.buttons.at(0));
  environment.Click(*environment.buttons.at(0));
  for (const wchar_t* name : {L"GenMgr", L"ModuleMgr", L"ClassMgr", L"FormMgr", L"BitmapMgr"}) {
    EXPECT_TRUE(GetObjectMember(object, name)) << Utf8(name);
  }
  EXPECT_TRUE(HasMember(object, L"connectaddin"));
  EXPECT_TRUE(GetObjectMember(object, L"MenuHandler"));
  object->Release();
  addIn->OnDisconnection(0, nullptr);
  EXPECT_EQ(Count(Transcript(addIn), "form shown frmVerbsmith"), 2);
}

TEST_F(Connection, WithoutAnAddInsBarTheFailureIsShownAndNothingIsSubscribed) {
  StandInEnvironment environment("6.0", false);
  addin::IDTExtensibility2* addIn = Create();
  ASSERT_NE(addIn, nullptr);
  EXPECT_EQ(addIn->OnConnection(environment.Vbe(), 1, nullptr, nullptr), S_OK);
  EXPECT_TRUE(environment.buttons.empty());
  addIn->OnDisconnection(0, nullptr);
  const std::string shown = Transcript(addIn);
  EXPECT_EQ(Count(shown, "message box (no icon, OK)"), 1) << shown;
  EXPECT_EQ(Count(shown, "form shown"), 0) << shown;
}

// The files under a directory as the example sessions list them: each
// directory that holds files, then its files, sorted.
std::string FileListing(const std::filesystem::path& root, const std::string& name) {
  std::vector<std::string> directories;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root / name)) {
    if (entry.is_directory()) directories.push_back(entry.path().lexically_relative(root).generic_string());
  }
  std::sort(directories.begin(), directories.end());
  std::string listing;
  for (const std::string& directory : directories) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(root / directory)) {
      if (entry.is_regular_file()) files.push_back(entry.path().filename().string());
    }
    if (files.empty()) continue;
    std::sort(files.begin(), files.end());
    listing += (listing.empty() ? "" : "\n") + directory + ":\n";
    for (const std::string& file : files) listing += file + "\n";
  }
  return listing;
}

TEST_F(Connection, AScriptedCreateRunLeavesTheExamplesFilesAndLoadsTheProjectAfterTheSave) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::filesystem::path work = std::filesystem::path(temp) / "addin-create";
  std::filesystem::remove_all(work);
  std::filesystem::create_directories(work);
  const std::string dir = Utf8(work.wstring());
  // The Linux example's session, with one more answer: Yes to saving the
  // environment's changed project.
  std::string script = FileText(Wide(kExamples + std::string("/flow_create_modal.script")));
  script.replace(script.find("@WORK@"), 6, dir);
  script.replace(script.find("answer Yes"), 10, "answer Yes\nanswer Yes");
  std::ofstream(work / "create.script", std::ios::binary) << script;
  _putenv_s("VERBSMITH_ADDIN_SCRIPT", (dir + "\\create.script").c_str());
  _putenv_s("VERBSMITH_COMMAND_SET", (dir + "\\commands.db").c_str());

  StandInEnvironment environment;
  environment.components = {{"modMain", false}, {"frmMain", true}};
  addin::IDTExtensibility2* addIn = Create();
  ASSERT_NE(addIn, nullptr);
  EXPECT_EQ(addIn->OnConnection(environment.Vbe(), 2, nullptr, nullptr), S_OK);
  addIn->OnDisconnection(0, nullptr);
  const std::string shown = Transcript(addIn);
  _putenv_s("VERBSMITH_ADDIN_SCRIPT", "");

  EXPECT_EQ(Count(shown, "Do you want to save the changed to the current project?"), 1) << shown;
  EXPECT_EQ(Count(shown, "keys sent \"%(FV)\""), 1) << shown;
  EXPECT_EQ(environment.loadedProjects, std::vector<std::string>{dir + "\\Roads\\src\\Roads.vbp"});
  EXPECT_FALSE(environment.projectDirty) << "a freshly loaded project counts as unchanged";
  // The scan for changes refreshes the components before the changed one.
  const auto& log = environment.log;
  EXPECT_EQ(std::count(log.begin(), log.end(), "Component:modMain.Reload"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Component:frmMain.Reload"), 0);
  EXPECT_EQ(FileListing(work, "Roads"),
            FileText(Wide(kExamples + std::string("/flow_create_modal.expected/files.txt"))));
  std::filesystem::remove_all(work);
}

}  // namespace
}  // namespace verbsmith::standin
