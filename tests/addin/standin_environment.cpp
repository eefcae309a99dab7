#include "standin_environment.h"

#include <utility>

namespace verbsmith::standin {

namespace {

HRESULT Give(VARIANT* result, IDispatch* object) {
  addin::ReturnObject(result, object);
  return S_OK;
}

bool IsPut(WORD flags) {
  return (flags & DISPATCH_PROPERTYPUT) != 0;
}

}  // namespace

IDispatch* StandInEnvironment::Make(std::string name, std::vector<std::pair<std::wstring, Handler>> members) {
  IDispatch* object = new StandInObject(std::move(name), log, std::move(members));
  owned_.push_back(object);
  return object;
}

StandInEnvironment::StandInEnvironment(std::string version, bool addInsBar) {
  IDispatch* controls =
      Make("Controls", {{L"Add",
                         [this](WORD, DISPPARAMS& params, VARIANT* result) {
                           if (addin::LongArgument(params, 0) != 1) return Raise();
                           auto button = std::make_unique<Button>();
                           Button* b = button.get();
                           b->object = Make("CommandBarControl",
                                            {{L"Caption",
                                              [b](WORD flags, DISPPARAMS& p, VARIANT* r) {
                                                if (IsPut(flags)) b->caption = TextArgument(p, 0);
                                                return IsPut(flags) ? S_OK : ReturnText(r, b->caption);
                                              }},
                                             {L"Delete", [b](WORD, DISPPARAMS&, VARIANT*) {
                                                b->deleted = true;
                                                return S_OK;
                                              }}});
                           buttons.push_back(std::move(button));
                           return Give(result, b->object);
                         }},
                        {L"Count", [this](WORD, DISPPARAMS&, VARIANT* result) {
                           long count = 0;
                           for (const auto& b : buttons) count += b->deleted ? 0 : 1;
                           return ReturnLong(result, count);
                         }}});
  IDispatch* bar = Make(
      "CommandBar", {{L"Name", [](WORD, DISPPARAMS&, VARIANT* r) { return ReturnText(r, "Add-Ins"); }},
                     {L"Controls", [controls](WORD, DISPPARAMS&, VARIANT* r) { return Give(r, controls); }}});
  IDispatch* bars = Make("CommandBars", {{L"Item", [bar, addInsBar](WORD, DISPPARAMS& p, VARIANT* r) {
                                            if (!addInsBar || TextArgument(p, 0) != "Add-Ins") return Raise();
                                            return Give(r, bar);
                                          }}});
  IDispatch* events = Make("Events", {{L"CommandBarEvents", [this](WORD, DISPPARAMS& p, VARIANT* r) {
                                         IDispatch* target = addin::ObjectArgument(p, 0);
                                         for (auto& b : buttons) {
                                           if (b->object != target) continue;
                                           auto* source = new StandInEventSource("CommandBarEvents", log);
                                           owned_.push_back(source);
                                           b->events = source;
                                           return Give(r, source);
                                         }
                                         return Raise();
                                       }}});
  IDispatch* componentsObject = Make(
      "Components",
      {{L"Count", [this](WORD, DISPPARAMS&,
                         VARIANT* r) { return ReturnLong(r, static_cast<long>(components.size())); }},
       {L"Item", [this](WORD, DISPPARAMS& p, VARIANT* r) {
          const long index = addin::LongArgument(p, 0);
          if (index < 1 || index > static_cast<long>(components.size())) return Raise();
          Component* c = &components[index - 1];
          return Give(
              r, Make("Component:" + c->name,
                      {{L"Name", [c](WORD, DISPPARAMS&, VARIANT* rr) { return ReturnText(rr, c->name); }},
                       {L"IsDirty", [c](WORD, DISPPARAMS&, VARIANT* rr) { return ReturnBool(rr, c->dirty); }},
                       {L"Reload", [](WORD, DISPPARAMS&, VARIANT*) { return S_OK; }}}));
        }}});
  IDispatch* project = Make(
      "VBProject", {{L"IsDirty",
                     [this](WORD flags, DISPPARAMS& p, VARIANT* r) {
                       if (IsPut(flags)) projectDirty = BoolArgument(p, 0);
                       return IsPut(flags) ? S_OK : ReturnBool(r, projectDirty);
                     }},
                    {L"Components",
                     [componentsObject](WORD, DISPPARAMS&, VARIANT* r) { return Give(r, componentsObject); }},
                    {L"FileName", [this](WORD, DISPPARAMS&, VARIANT* r) {
                       return ReturnText(r, loadedProjects.empty() ? "" : loadedProjects.back());
                     }}});
  vbe_ =
      Make("VBE", {{L"Version", [version](WORD, DISPPARAMS&, VARIANT* r) { return ReturnText(r, version); }},
                   {L"FullName",
                    [](WORD, DISPPARAMS&, VARIANT* r) {
                      return ReturnText(r, "C:\\Program Files\\Microsoft Visual Studio\\VB98\\VB6.EXE");
                    }},
                   {L"CommandBars", [bars](WORD, DISPPARAMS&, VARIANT* r) { return Give(r, bars); }},
                   {L"Events", [events](WORD, DISPPARAMS&, VARIANT* r) { return Give(r, events); }},
                   {L"ActiveProject", [project](WORD, DISPPARAMS&, VARIANT* r) { return Give(r, project); }},
                   {L"LoadProject", [this](WORD, DISPPARAMS& p, VARIANT*) {
                      loadedProjects.push_back(TextArgument(p, 0));
                      // The environment marks a project changed while loading it.
                      projectDirty = true;
                      return S_OK;
                    }}});
}

StandInEnvironment::~StandInEnvironment() {
  for (IDispatch* object : owned_) object->Release();
}

void StandInEnvironment::Click(const Button& button) {
  if (button.events != nullptr) button.events->Fire(button.object);
}

}  // namespace verbsmith::standin
