#include "wizard/project_lookups.h"

#include <cstdint>
#include <vector>

#include "base/messages.h"
#include "forms/center_form.h"
#include "platform/registry.h"
#include "wizard/frm_multi_cmd.h"

namespace verbsmith {

namespace {

constexpr size_t kKeyBufferSize = 255;

// Centres the dialog on the screen, shows it modally and gives back its
// text box, read before the dialog is unloaded (unloading empties it).
std::string AskUser(Host& host, FrmMultiCmd& dialog) {
  forms::CenterForm(host.screen, 0, dialog);
  dialog.ShowModal();
  std::string choice = dialog.TxtMultiCmd().Text();
  dialog.Unload();
  return choice;
}

}  // namespace

std::string FindProgID(Host& host, forms::FormsRuntime& runtime, std::string& text) {
  FrmMultiCmd dialog(runtime);
  dialog.Load();
  int count = 0;
  std::string result;
  std::string name;
  for (uint32_t index = 0;; ++index) {
    const long code = host.registry.EnumKey(regroot::kClassesRoot, index, &name, kKeyBufferSize);
    // A name too long for the buffer is skipped; any other failure ends the
    // enumeration like its end would, so a broken key cannot loop forever.
    if (code == regcode::kMoreData) continue;
    if (code != regcode::kSuccess) break;
    const std::string key = name.substr(0, name.find('\0'));
    if (key.find(text) == std::string::npos) continue;
    dialog.LstMultiCmd().AddItem(key);
    result = key;
    ++count;
  }
  if (count > 1) {
    result = AskUser(host, dialog);
  } else {
    dialog.Unload();
  }
  return result;
}

std::string ChooseProjectFile(Host& host, forms::FormsRuntime& runtime, const std::string& pattern) {
  const std::vector<std::string> names = host.fs.List(pattern, 0);
  if (names.size() < 2) return names.empty() ? std::string() : names.front();

  FrmMultiCmd dialog(runtime);
  dialog.Load();
  for (const std::string& name : names) dialog.LstMultiCmd().AddItem(name);
  dialog.SetCaption(LoadResString(175));
  dialog.Label1().SetCaption(LoadResString(176) + "  " + LoadResString(177));
  dialog.Label3().SetCaption(LoadResString(178));
  dialog.Label2().SetCaption(LoadResString(179));
  return AskUser(host, dialog);
}

}  // namespace verbsmith
