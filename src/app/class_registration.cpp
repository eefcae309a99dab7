#include "app/class_registration.h"

#include "base/sha256.h"
#include "base/strings.h"

namespace verbsmith::app {

std::string ClassRegistration(const std::string& progId, const std::string& classId, const std::string& dll) {
  std::string escaped;
  for (char c : dll) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return "REGEDIT4\r\n\r\n[HKEY_CLASSES_ROOT\\" + progId + "\\Clsid]\r\n@=\"" + classId +
         "\"\r\n\r\n[HKEY_CLASSES_ROOT\\CLSID\\" + classId + "]\r\n@=\"" + progId +
         "\"\r\n\r\n[HKEY_CLASSES_ROOT\\CLSID\\" + classId + "\\InprocServer32]\r\n@=\"" + escaped + "\"\r\n";
}

std::string ClassIdOf(const std::string& progId) {
  std::string hex = Sha256Hex(progId).substr(0, 32);
  for (char& c : hex) c = AsciiUpper(c);
  return "{" + hex.substr(0, 8) + "-" + hex.substr(8, 4) + "-" + hex.substr(12, 4) + "-" + hex.substr(16, 4) +
         "-" + hex.substr(20, 12) + "}";
}

}  // namespace verbsmith::app
