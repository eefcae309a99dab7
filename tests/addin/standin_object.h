#pragma once
// The stand-in environment's objects: Automation objects whose members are
// lambdas, each call recorded as "Object.Member" in a shared log, and an
// event source with one connection point, as CommandBarEvents has.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "addin/automation_object.h"
#include "platform/win32/com_api.h"

namespace verbsmith::standin {

using CallLog = std::vector<std::string>;
using Handler = std::function<HRESULT(WORD flags, DISPPARAMS& params, VARIANT* result)>;

class StandInObject : public addin::AutomationObject {
 public:
  StandInObject(std::string name, CallLog& log, std::vector<std::pair<std::wstring, Handler>> members);

 protected:
  HRESULT Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) override;

 private:
  std::string name_;
  CallLog& log_;
  std::vector<std::pair<std::wstring, Handler>> members_;
};

// An events object: sinks advise on its one connection point; Fire calls
// each sink's member 1 (Click) with the control and two Booleans.
class StandInEventSource final : public StandInObject,
                                 public IConnectionPointContainer,
                                 public IConnectionPoint {
 public:
  StandInEventSource(std::string name, CallLog& log);
  void Fire(IDispatch* control);
  size_t SinkCount() const { return sinks_.size(); }

  ULONG STDMETHODCALLTYPE AddRef() override { return StandInObject::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return StandInObject::Release(); }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    return StandInObject::QueryInterface(iid, out);
  }
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;

 protected:
  void* OtherInterface(REFIID iid) override;

 private:
  CallLog& log_;
  std::vector<std::pair<DWORD, IDispatch*>> sinks_;
  DWORD nextCookie_ = 1;
};

// Result helpers for the lambdas.
HRESULT ReturnText(VARIANT* result, const std::string& text);
HRESULT ReturnBool(VARIANT* result, bool value);
HRESULT ReturnLong(VARIANT* result, long value);
std::string TextArgument(const DISPPARAMS& params, UINT index);
bool BoolArgument(const DISPPARAMS& params, UINT index);
// A failure raised by the environment.
HRESULT Raise();

}  // namespace verbsmith::standin
