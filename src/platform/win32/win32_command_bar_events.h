#pragma once
// The environment's CommandBarEvents object of one menu entry: a click is
// delivered through its connection point to a sink of ours, which calls the
// handler. The sink is advised when the handler is set and unadvised when
// this object goes.

#include <functional>

#include "platform/ide.h"
#include "platform/win32/com_api.h"
#include "platform/win32/dispatch_call.h"

namespace verbsmith {

class ClickSink;

class Win32CommandBarEvents final : public CommandBarEvents {
 public:
  explicit Win32CommandBarEvents(DispatchRef source);
  ~Win32CommandBarEvents() override;
  Win32CommandBarEvents(const Win32CommandBarEvents&) = delete;
  Win32CommandBarEvents& operator=(const Win32CommandBarEvents&) = delete;

  void OnClick(std::function<void()> handler) override;
  // The environment's events object, as the add-in hands it out by name.
  IDispatch* Source() const { return source_.get(); }

 private:
  DispatchRef source_;
  ClickSink* sink_ = nullptr;
  IConnectionPoint* point_ = nullptr;
  DWORD cookie_ = 0;
};

}  // namespace verbsmith
