#include "model/command_spec_mapping.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/win_path.h"

namespace verbsmith {

namespace {

using SpecMember = std::variant<std::string CommandSpec::*, int32_t CommandSpec::*, bool CommandSpec::*,
                                int16_t CommandSpec::*>;

struct NamedField {
  std::string_view name;
  SpecMember member;
};

constexpr std::array<NamedField, 38> kNamedFields{{
    {"WizardPurpose", &CommandSpec::wizardPurpose},
    {"ProjectType", &CommandSpec::projectType},
    {"CompanyName", &CommandSpec::companyName},
    {"ApplicationName", &CommandSpec::applicationName},
    {"ProjectName", &CommandSpec::projectName},
    {"ProjectFilename", &CommandSpec::projectFilename},
    {"ProjectDesc", &CommandSpec::projectDesc},
    {"CompleteProjFilename", &CommandSpec::completeProjFilename},
    {"CurrentPath", &CommandSpec::currentPath},
    {"CurrentPathSrc", &CommandSpec::currentPathSrc},
    {"CurrentPathBin", &CommandSpec::currentPathBin},
    {"CommandIsModeless", &CommandSpec::commandIsModeless},
    {"FormNotRequired", &CommandSpec::formNotRequired},
    {"IsMapViewListener", &CommandSpec::isMapViewListener},
    {"ViewListener", &CommandSpec::viewListener},
    {"ViewListenerRequirements", &CommandSpec::viewListenerRequirements},
    {"ViewListenerCommandType", &CommandSpec::viewListenerCommandType},
    {"CommandsEnablingConditions", &CommandSpec::commandsEnablingConditions},
    {"Classname", &CommandSpec::classname},
    {"ClassFilename", &CommandSpec::classFilename},
    {"CommandDesc", &CommandSpec::commandDesc},
    {"CommandToolTip", &CommandSpec::commandToolTip},
    {"ModuleName", &CommandSpec::moduleName},
    {"ModuleFilename", &CommandSpec::moduleFilename},
    {"FormName", &CommandSpec::formName},
    {"FormFilename", &CommandSpec::formFilename},
    {"FormPosition", &CommandSpec::formPosition},
    {"ResourceType", &CommandSpec::resourceType},
    {"LCBitmapLocation", &CommandSpec::lcBitmapLocation},
    {"LCBMPFilename", &CommandSpec::lcBmpFilename},
    {"LMBitmapLocation", &CommandSpec::lmBitmapLocation},
    {"LMBMPFilename", &CommandSpec::lmBmpFilename},
    {"SCBitmapLocation", &CommandSpec::scBitmapLocation},
    {"SCBMPFilename", &CommandSpec::scBmpFilename},
    {"SMBitmapLocation", &CommandSpec::smBitmapLocation},
    {"SMBMPFilename", &CommandSpec::smBmpFilename},
    {"RCFilename", &CommandSpec::rcFilename},
    {"ResFilename", &CommandSpec::resFilename},
}};

void ReadBitmaps(const IBitmapMgr& bitmaps, CommandSpec& spec) {
  spec.resourceType = bitmaps.ResourceType();
  spec.lcBitmapLocation = bitmaps.LCBitmapLocation();
  spec.lcBmpFilename = bitmaps.LCBMPFilename();
  spec.lmBitmapLocation = bitmaps.LMBitmapLocation();
  spec.lmBmpFilename = bitmaps.LMBMPFilename();
  spec.scBitmapLocation = bitmaps.SCBitmapLocation();
  spec.scBmpFilename = bitmaps.SCBMPFilename();
  spec.smBitmapLocation = bitmaps.SMBitmapLocation();
  spec.smBmpFilename = bitmaps.SMBMPFilename();
  spec.rcFilename = bitmaps.RCFilename();
  spec.resFilename = bitmaps.ResFilename();
}

void StoreBitmaps(const CommandSpec& spec, IBitmapMgr& bitmaps) {
  bitmaps.SetResourceType(spec.resourceType);
  bitmaps.SetLCBitmapLocation(spec.lcBitmapLocation);
  bitmaps.SetLCBMPFilename(spec.lcBmpFilename);
  bitmaps.SetLMBitmapLocation(spec.lmBitmapLocation);
  bitmaps.SetLMBMPFilename(spec.lmBmpFilename);
  bitmaps.SetSCBitmapLocation(spec.scBitmapLocation);
  bitmaps.SetSCBMPFilename(spec.scBmpFilename);
  bitmaps.SetSMBitmapLocation(spec.smBitmapLocation);
  bitmaps.SetSMBMPFilename(spec.smBmpFilename);
}

}  // namespace

CommandSpec SpecOf(const IGeneralMgr& gen, const IClassMgr* cls, const IModuleMgr* module,
                   const IFormMgr* form, const IBitmapMgr* bitmaps) {
  CommandSpec spec;
  spec.wizardPurpose = gen.WizardPurpose();
  spec.projectType = gen.ProjectType();
  spec.companyName = gen.CompanyName();
  spec.applicationName = gen.ApplicationName();
  spec.projectName = gen.ProjectName();
  spec.projectFilename = gen.ProjectFilename();
  spec.projectDesc = gen.ProjectDesc();
  spec.completeProjFilename = gen.CompleteProjFilename();
  spec.currentPath = gen.CurrentPath();
  spec.currentPathSrc = gen.CurrentPathSrc();
  spec.currentPathBin = gen.CurrentPathBin();
  spec.commandIsModeless = gen.CommandIsModeless();
  spec.formNotRequired = gen.FormNotRequired();
  spec.isMapViewListener = gen.IsMapViewListener();
  spec.viewListener = gen.ViewListener();
  spec.viewListenerRequirements = gen.ViewListenerRequirements();
  spec.viewListenerCommandType = gen.ViewListenerCommandType();
  spec.commandsEnablingConditions = gen.CommandsEnablingConditions();
  if (cls != nullptr) {
    spec.classname = cls->Classname();
    spec.classFilename = cls->ClassFilename();
    spec.commandDesc = cls->CommandDesc();
    spec.commandToolTip = cls->CommandToolTip();
  }
  if (module != nullptr) {
    spec.moduleName = module->ModuleName();
    spec.moduleFilename = module->ModuleFilename();
  }
  if (form != nullptr) {
    spec.formName = form->FormName();
    spec.formFilename = form->FormFilename();
    spec.formPosition = form->FormPosition();
  }
  if (bitmaps != nullptr) ReadBitmaps(*bitmaps, spec);
  return spec;
}

void StoreSpec(const CommandSpec& spec, IGeneralMgr& gen, IClassMgr& cls, IModuleMgr& module, IFormMgr& form,
               IBitmapMgr& bitmaps) {
  gen.SetCurrentPath(spec.currentPath);
  gen.SetCurrentPathSrc(spec.currentPathSrc);
  gen.SetCurrentPathBin(spec.currentPathBin);
  gen.SetCompanyName(spec.companyName);
  gen.SetApplicationName(spec.applicationName);
  gen.SetProjectName(spec.projectName);
  gen.SetProjectDesc(spec.projectDesc);
  gen.SetCompleteProjFilename(spec.completeProjFilename);
  gen.SetWizardPurpose(spec.wizardPurpose);
  gen.SetProjectType(spec.projectType);
  gen.SetFormNotRequired(spec.formNotRequired);
  gen.SetViewListener(spec.viewListener);
  StoreEntryPart(spec, gen, bitmaps);
  cls.SetClassname(spec.classname);
  cls.SetCommandDesc(spec.commandDesc);
  cls.SetCommandToolTip(spec.commandToolTip);
  module.SetModuleName(spec.moduleName);
  form.SetFormName(spec.formName);
  form.SetFormPosition(spec.formPosition);
}

CommandEntry EntryOf(const CommandSpec& spec) {
  CommandEntry entry;
  entry.progId = spec.ProgId();
  entry.commandType = spec.viewListenerCommandType;
  entry.enableMask = spec.commandsEnablingConditions;
  entry.listenerMask = spec.viewListenerRequirements;
  entry.modalFlag = spec.commandIsModeless ? 0 : 1;
  entry.description = spec.commandDesc;
  entry.toolTip = spec.commandToolTip;
  for (const SpecBitmap& bitmap : kSpecBitmaps) entry.*bitmap.entryPath = bitmap.Path(spec);
  return entry;
}

void ReadEntry(const CommandEntry& entry, CommandSpec& spec) {
  spec.viewListenerRequirements = entry.listenerMask;
  spec.viewListenerCommandType = entry.commandType;
  spec.commandsEnablingConditions = entry.enableMask;
  spec.commandIsModeless = entry.modalFlag == 0;
  spec.isMapViewListener = entry.listenerMask != 0;
  if (std::ranges::any_of(
          kSpecBitmaps, [&entry](const SpecBitmap& bitmap) { return !(entry.*bitmap.entryPath).empty(); })) {
    spec.resourceType = 1;
  }
  for (const SpecBitmap& bitmap : kSpecBitmaps) {
    spec.*bitmap.file = entry.*bitmap.entryPath;
    spec.*bitmap.location = SplitDirectory(spec.*bitmap.file);
  }
}

void StoreEntryPart(const CommandSpec& spec, IGeneralMgr& gen, IBitmapMgr& bitmaps) {
  gen.SetViewListenerRequirements(spec.viewListenerRequirements);
  gen.SetViewListenerCommandType(spec.viewListenerCommandType);
  gen.SetCommandsEnablingConditions(spec.commandsEnablingConditions);
  gen.SetCommandIsModeless(spec.commandIsModeless);
  gen.SetIsMapViewListener(spec.isMapViewListener);
  StoreBitmaps(spec, bitmaps);
}

std::string IniPath(const CommandSpec& spec) {
  return spec.currentPathBin + spec.classname + ".ini";
}

ProfileFiles::KeyValues IniCommandKeys(const CommandEntry& entry) {
  return {
      {"ProgID", entry.progId},
      {"CommandType", std::to_string(entry.commandType)},
      {"EnableMask", std::to_string(entry.enableMask)},
      {"ListenerMask", std::to_string(entry.listenerMask)},
      {"IsModal", std::to_string(entry.modalFlag)},
      {"Description", entry.description},
      {"ToolTip", entry.toolTip},
  };
}

ProfileFiles::KeyValues IniBitmapKeys(const CommandEntry& entry) {
  return {
      {"SmallMonoBitmapPath", entry.smallMonoBitmap},
      {"SmallColorBitmapPath", entry.smallColorBitmap},
      {"LargeMonoBitmapPath", entry.largeMonoBitmap},
      {"LargeColorBitmapPath", entry.largeColorBitmap},
  };
}

std::vector<std::pair<std::string, SpecValue>> NamedValues(const CommandSpec& spec) {
  std::vector<std::pair<std::string, SpecValue>> values;
  for (const NamedField& field : kNamedFields) {
    const SpecValue value = std::visit(
        [&spec](auto member) -> SpecValue {
          if constexpr (std::is_same_v<decltype(member), int16_t CommandSpec::*>)
            return int32_t{spec.*member};
          else
            return spec.*member;
        },
        field.member);
    values.emplace_back(field.name, value);
  }
  return values;
}

}  // namespace verbsmith
