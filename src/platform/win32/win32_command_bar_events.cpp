#include "platform/win32/win32_command_bar_events.h"

#include <utility>

#include "base/vb_error.h"

namespace verbsmith {

// Receives the events object's calls. Its one event, Click, has the dispatch
// id 1; the sink answers to whatever interface the connection point names.
class ClickSink final : public IDispatch {
 public:
  explicit ClickSink(IID events) : events_(events) {}
  void SetHandler(std::function<void()> handler) { handler_ = std::move(handler); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, events_)) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    if (id != kClick) return DISP_E_MEMBERNOTFOUND;
    // The click's arguments (the control, handled, CancelDefault) are left
    // as they came.
    if (handler_) handler_();
    return S_OK;
  }

 private:
  static constexpr DISPID kClick = 1;
  IID events_;
  ULONG references_ = 1;
  std::function<void()> handler_;
};

Win32CommandBarEvents::Win32CommandBarEvents(DispatchRef source) : source_(std::move(source)) {}

Win32CommandBarEvents::~Win32CommandBarEvents() {
  if (point_ != nullptr) {
    point_->Unadvise(cookie_);
    point_->Release();
  }
  if (sink_ != nullptr) sink_->Release();
}

void Win32CommandBarEvents::OnClick(std::function<void()> handler) {
  if (sink_ != nullptr) {
    sink_->SetHandler(std::move(handler));
    return;
  }
  // The events object has one connection point, the control's events.
  IConnectionPointContainer* container = nullptr;
  if (FAILED(
          source_.get()->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container))))
    throw VbError::Standard(438);
  IEnumConnectionPoints* points = nullptr;
  HRESULT hr = container->EnumConnectionPoints(&points);
  container->Release();
  if (FAILED(hr)) throw VbError(hr, "CommandBarEvents", "Automation error");
  IConnectionPoint* point = nullptr;
  hr = points->Next(1, &point, nullptr);
  points->Release();
  if (hr != S_OK) throw VbError(E_FAIL, "CommandBarEvents", "Automation error");
  IID events{};
  point->GetConnectionInterface(&events);
  auto* sink = new ClickSink(events);
  sink->SetHandler(std::move(handler));
  hr = point->Advise(sink, &cookie_);
  if (FAILED(hr)) {
    sink->Release();
    point->Release();
    throw VbError(hr, "CommandBarEvents", "Automation error");
  }
  sink_ = sink;
  point_ = point;
}

}  // namespace verbsmith
