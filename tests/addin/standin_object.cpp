#include "standin_object.h"

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace verbsmith::standin {

namespace {

// The environment's own events interface is not needed: the sink is asked
// for whatever this source names.
constexpr IID kEventsId = {0x5d6a2f51, 0x1c9e, 0x4b8d, {0x9a, 0x1f, 0x3e, 0x22, 0x71, 0x0c, 0x4d, 0x90}};

std::vector<addin::Member> Table(const std::vector<std::pair<std::wstring, Handler>>& members) {
  std::vector<addin::Member> table;
  for (size_t i = 0; i < members.size(); ++i) table.push_back({members[i].first, static_cast<DISPID>(i + 1)});
  return table;
}

const VARIANT* Argument(const DISPPARAMS& params, UINT index) {
  return index < params.cArgs ? &params.rgvarg[params.cArgs - 1 - index] : nullptr;
}

// Hands out the one connection point.
class OnePointEnumerator final : public IEnumConnectionPoints {
 public:
  explicit OnePointEnumerator(IConnectionPoint* point) : point_(point) { point_->AddRef(); }
  ~OnePointEnumerator() { point_->Release(); }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IEnumConnectionPoints)) return E_NOINTERFACE;
    *out = this;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE Next(ULONG count, IConnectionPoint** out, ULONG* fetched) override {
    const ULONG n = (count > 0 && !given_) ? 1 : 0;
    if (n == 1) {
      out[0] = point_;
      point_->AddRef();
      given_ = true;
    }
    if (fetched != nullptr) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Reset() override {
    given_ = false;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints**) override { return E_NOTIMPL; }

 private:
  IConnectionPoint* point_;
  ULONG references_ = 1;
  bool given_ = false;
};

}  // namespace

StandInObject::StandInObject(std::string name, CallLog& log,
                             std::vector<std::pair<std::wstring, Handler>> members)
    : AutomationObject(Table(members)), name_(std::move(name)), log_(log), members_(std::move(members)) {}

HRESULT StandInObject::Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) {
  if (id < 1 || static_cast<size_t>(id) > members_.size()) return DISP_E_MEMBERNOTFOUND;
  const auto& [member, handler] = members_[id - 1];
  log_.push_back(name_ + "." + Utf8(member) + ((flags & DISPATCH_PROPERTYPUT) != 0 ? " =" : ""));
  return handler(flags, params, result);
}

StandInEventSource::StandInEventSource(std::string name, CallLog& log)
    : StandInObject(std::move(name), log, {}), log_(log) {}

void* StandInEventSource::OtherInterface(REFIID iid) {
  if (IsEqualIID(iid, IID_IConnectionPointContainer)) return static_cast<IConnectionPointContainer*>(this);
  if (IsEqualIID(iid, IID_IConnectionPoint)) return static_cast<IConnectionPoint*>(this);
  return nullptr;
}

void StandInEventSource::Fire(IDispatch* control) {
  VARIANT args[3];
  VARIANT_BOOL handled = VARIANT_FALSE;
  VARIANT_BOOL cancel = VARIANT_FALSE;
  // Last argument first.
  args[0].vt = VT_BOOL | VT_BYREF;
  args[0].pboolVal = &cancel;
  args[1].vt = VT_BOOL | VT_BYREF;
  args[1].pboolVal = &handled;
  args[2].vt = VT_DISPATCH;
  args[2].pdispVal = control;
  DISPPARAMS params{args, nullptr, 3, 0};
  for (const auto& sink : std::vector(sinks_)) {
    sink.second->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
  }
}

HRESULT StandInEventSource::EnumConnectionPoints(IEnumConnectionPoints** out) {
  *out = new OnePointEnumerator(this);
  return S_OK;
}

HRESULT StandInEventSource::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
  if (!IsEqualIID(iid, kEventsId)) return CONNECT_E_NOCONNECTION;
  *out = this;
  AddRef();
  return S_OK;
}

HRESULT StandInEventSource::GetConnectionInterface(IID* iid) {
  *iid = kEventsId;
  return S_OK;
}

HRESULT StandInEventSource::GetConnectionPointContainer(IConnectionPointContainer** out) {
  *out = this;
  AddRef();
  return S_OK;
}

HRESULT StandInEventSource::Advise(IUnknown* sink, DWORD* cookie) {
  IDispatch* events = nullptr;
  // As a source does: the sink must answer to the events interface.
  if (FAILED(sink->QueryInterface(kEventsId, reinterpret_cast<void**>(&events))))
    return CONNECT_E_CANNOTCONNECT;
  log_.push_back("CommandBarEvents.Advise");
  *cookie = nextCookie_++;
  sinks_.emplace_back(*cookie, events);
  return S_OK;
}

HRESULT StandInEventSource::Unadvise(DWORD cookie) {
  const auto found =
      std::find_if(sinks_.begin(), sinks_.end(), [&](const auto& s) { return s.first == cookie; });
  if (found == sinks_.end()) return CONNECT_E_NOCONNECTION;
  log_.push_back("CommandBarEvents.Unadvise");
  found->second->Release();
  sinks_.erase(found);
  return S_OK;
}

HRESULT StandInEventSource::EnumConnections(IEnumConnections**) {
  return E_NOTIMPL;
}

HRESULT ReturnText(VARIANT* result, const std::string& text) {
  if (result != nullptr) {
    result->vt = VT_BSTR;
    result->bstrVal = SysAllocString(Wide(text).c_str());
  }
  return S_OK;
}

HRESULT ReturnBool(VARIANT* result, bool value) {
  if (result != nullptr) {
    result->vt = VT_BOOL;
    result->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  }
  return S_OK;
}

HRESULT ReturnLong(VARIANT* result, long value) {
  if (result != nullptr) {
    result->vt = VT_I4;
    result->lVal = value;
  }
  return S_OK;
}

std::string TextArgument(const DISPPARAMS& params, UINT index) {
  const VARIANT* arg = Argument(params, index);
  return arg != nullptr && arg->vt == VT_BSTR ? Utf8(arg->bstrVal) : std::string();
}

bool BoolArgument(const DISPPARAMS& params, UINT index) {
  const VARIANT* arg = Argument(params, index);
  return arg != nullptr && arg->vt == VT_BOOL && arg->boolVal != VARIANT_FALSE;
}

HRESULT Raise() {
  return DISP_E_EXCEPTION;
}

}  // namespace verbsmith::standin
