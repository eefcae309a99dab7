#include "addin/automation_object.h"

#include <cwctype>

#include "addin/server_lock.h"

namespace verbsmith::addin {

namespace {

bool SameName(const std::wstring& a, const wchar_t* b) {
  size_t i = 0;
  for (; i < a.size() && b[i] != L'\0'; ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return i == a.size() && b[i] == L'\0';
}

const VARIANT* Argument(const DISPPARAMS& params, UINT index) {
  if (index >= params.cArgs) return nullptr;
  const VARIANT* arg = &params.rgvarg[params.cArgs - 1 - index];
  // By-reference variants hold the value one step away.
  if ((arg->vt & VT_BYREF) != 0 && arg->vt == (VT_VARIANT | VT_BYREF)) arg = arg->pvarVal;
  return arg;
}

}  // namespace

AutomationObject::AutomationObject(std::vector<Member> members) : members_(std::move(members)) {
  ServerLock::ObjectCreated();
}

AutomationObject::~AutomationObject() {
  ServerLock::ObjectDestroyed();
}

HRESULT AutomationObject::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
    *out = static_cast<IDispatch*>(this);
  } else {
    *out = OtherInterface(iid);
  }
  if (*out == nullptr) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG AutomationObject::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG AutomationObject::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT AutomationObject::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT AutomationObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT AutomationObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  HRESULT hr = S_OK;
  for (UINT i = 0; i < count; ++i) {
    ids[i] = DISPID_UNKNOWN;
    // Only the member's own name is looked up; argument names are not.
    if (i > 0) {
      hr = DISP_E_UNKNOWNNAME;
      continue;
    }
    for (const Member& member : members_) {
      if (SameName(member.name, names[i])) ids[i] = member.id;
    }
    if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
  }
  return hr;
}

HRESULT AutomationObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                 EXCEPINFO*, UINT*) {
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  if (result != nullptr) VariantInit(result);
  return Call(id, flags, params != nullptr ? *params : none, result);
}

IDispatch* ObjectArgument(const DISPPARAMS& params, UINT index) {
  const VARIANT* arg = Argument(params, index);
  if (arg == nullptr) return nullptr;
  if (arg->vt == VT_DISPATCH) return arg->pdispVal;
  if (arg->vt == (VT_DISPATCH | VT_BYREF)) return *arg->ppdispVal;
  return nullptr;
}

long LongArgument(const DISPPARAMS& params, UINT index) {
  const VARIANT* arg = Argument(params, index);
  if (arg == nullptr) return 0;
  VARIANT converted;
  VariantInit(&converted);
  if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(arg), 0, VT_I4))) return 0;
  return converted.lVal;
}

void ReturnObject(VARIANT* result, IDispatch* object) {
  if (result == nullptr) return;
  result->vt = VT_DISPATCH;
  result->pdispVal = object;
  if (object != nullptr) object->AddRef();
}

}  // namespace verbsmith::addin
