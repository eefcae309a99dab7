#include "model/registry_lookups.h"

#include <optional>

#include "base/messages.h"
#include "base/texts.h"

namespace verbsmith {

namespace {

constexpr size_t kValueBuffer = 255;

// Closes the key when it goes out of scope, so no path can leave it open.
class OpenedKey {
 public:
  explicit OpenedKey(Registry& registry) : registry_(registry) {}
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;
  ~OpenedKey() { Close(); }

  long Open(RegKey parent, const std::string& subkey) {
    long code = registry_.OpenKey(parent, subkey, &key_);
    open_ = code == regcode::kSuccess;
    return code;
  }
  RegKey Get() const { return key_; }
  void Close() {
    if (open_) registry_.CloseKey(key_);
    open_ = false;
  }

 private:
  Registry& registry_;
  RegKey key_ = 0;
  bool open_ = false;
};

void Show(Host& host, const std::string& text) {
  host.dialogs.MsgBox(text, mb::kOKOnly | mb::kExclamation, std::nullopt);
}

std::string WithDetail(int messageId, const std::string& detail) {
  std::string text = LoadResString(messageId);
  text += text::kNL;
  text += text::kNL;
  text += detail;
  return text;
}

// The CLSID text registered under the ProgID; nullopt after telling the user.
std::optional<std::string> ClsidFromProgID(Host& host, const std::string& progId) {
  OpenedKey progIdKey(host.registry);
  if (progIdKey.Open(regroot::kClassesRoot, progId) != regcode::kSuccess) {
    Show(host, LoadResString(180));
    return std::nullopt;
  }
  std::string clsid;
  if (host.registry.QueryDefaultValue(progIdKey.Get(), "Clsid", &clsid, kValueBuffer) != regcode::kSuccess) {
    progIdKey.Close();
    Show(host, LoadResString(171));
    return std::nullopt;
  }
  return clsid;
}

}  // namespace

std::string ServerPathFromProgID(Host& host, const std::string& progId) {
  std::optional<std::string> clsid = ClsidFromProgID(host, progId);
  if (!clsid) return kRegistryLookupError;

  const std::string classPath = "CLSID\\" + *clsid;
  OpenedKey classKey(host.registry);
  if (classKey.Open(regroot::kClassesRoot, classPath) != regcode::kSuccess) {
    Show(host, WithDetail(172, classPath));
    return kRegistryLookupError;
  }

  std::string server;
  std::string subkey = "InprocServer32";
  long code = host.registry.QueryDefaultValue(classKey.Get(), subkey, &server, kValueBuffer);
  if (code == regcode::kFileNotFound) {
    subkey = "LocalServer32";
    code = host.registry.QueryDefaultValue(classKey.Get(), subkey, &server, kValueBuffer);
    if (code == regcode::kFileNotFound) {
      classKey.Close();
      Show(host, LoadResString(173));
      return kRegistryLookupError;
    }
  }
  if (code != regcode::kSuccess) {
    // A server path that cannot be read whole is no path at all.
    classKey.Close();
    Show(host, WithDetail(174, subkey));
    return kRegistryLookupError;
  }
  classKey.Close();
  return server;
}

std::string DescriptionFromProgID(Host& host, const std::string& progId) {
  std::optional<std::string> clsid = ClsidFromProgID(host, progId);
  if (!clsid) return kRegistryLookupError;

  OpenedKey classesKey(host.registry);
  if (classesKey.Open(regroot::kClassesRoot, "CLSID") != regcode::kSuccess) {
    Show(host, WithDetail(172, "CLSID"));
    return kRegistryLookupError;
  }
  std::string description;
  if (host.registry.QueryDefaultValue(classesKey.Get(), *clsid, &description, kValueBuffer) !=
      regcode::kSuccess) {
    classesKey.Close();
    Show(host, WithDetail(174, *clsid));
    return kRegistryLookupError;
  }
  classesKey.Close();
  return description;
}

}  // namespace verbsmith
