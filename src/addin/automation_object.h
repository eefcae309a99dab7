#pragma once
// A reference-counted Automation object whose members are found by name
// (case-blind, as Visual Basic looks them up) in a fixed table. Subclasses
// give the table and carry out the calls. The module's object count keeps
// the DLL loaded while any of them lives.

#include <string>
#include <utility>
#include <vector>

#include "platform/win32/com_api.h"

namespace verbsmith::addin {

struct Member {
  std::wstring name;
  DISPID id;
};

class AutomationObject : public IDispatch {
 public:
  explicit AutomationObject(std::vector<Member> members);
  virtual ~AutomationObject();
  AutomationObject(const AutomationObject&) = delete;
  AutomationObject& operator=(const AutomationObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

 protected:
  // Carries out one call; the arguments as DISPPARAMS has them (last
  // first). DISP_E_MEMBERNOTFOUND for what the member does not take.
  virtual HRESULT Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) = 0;
  // Another interface this object answers to, besides IUnknown and
  // IDispatch; nullptr for none.
  virtual void* OtherInterface(REFIID /*iid*/) { return nullptr; }

 private:
  std::vector<Member> members_;
  LONG references_ = 1;
};

// The object argument at position `index` of a call (0: the first written),
// or nullptr; VT_EMPTY and Nothing read as nullptr.
IDispatch* ObjectArgument(const DISPPARAMS& params, UINT index);
// The whole-number argument at position `index` of a call.
long LongArgument(const DISPPARAMS& params, UINT index);
// Puts an object (or Nothing) into a call's result.
void ReturnObject(VARIANT* result, IDispatch* object);

}  // namespace verbsmith::addin
