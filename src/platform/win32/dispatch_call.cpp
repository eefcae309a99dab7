#include "platform/win32/dispatch_call.h"

#include <vector>

#include "base/vb_error.h"
#include "platform/win32/wide_text.h"

namespace verbsmith {

namespace {

std::string FromBstr(BSTR text) {
  return text == nullptr ? std::string() : Utf8(std::wstring_view(text, SysStringLen(text)));
}

// The object's own error when it gave one, else the HRESULT as Visual Basic
// shows an Automation error.
[[noreturn]] void Fail(HRESULT hr, const wchar_t* name, EXCEPINFO* info) {
  int32_t number = static_cast<int32_t>(hr);
  std::string description = "Automation error";
  std::string source = Utf8(name);
  if (hr == DISP_E_EXCEPTION && info != nullptr) {
    if (info->pfnDeferredFillIn != nullptr) info->pfnDeferredFillIn(info);
    if (info->scode != 0) {
      number = static_cast<int32_t>(info->scode);
    } else if (info->wCode != 0) {
      number = info->wCode;
    }
    if (info->bstrDescription != nullptr) description = FromBstr(info->bstrDescription);
    if (info->bstrSource != nullptr) source = FromBstr(info->bstrSource);
    SysFreeString(info->bstrDescription);
    SysFreeString(info->bstrSource);
    SysFreeString(info->bstrHelpFile);
  } else if (hr == DISP_E_UNKNOWNNAME) {
    description = "Object doesn't support this property or method";
    number = 438;
  }
  throw VbError(number, source, description);
}

DISPID MemberId(IDispatch* object, const wchar_t* name) {
  if (object == nullptr) throw VbError::Standard(91);
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  const HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) Fail(hr, name, nullptr);
  return id;
}

}  // namespace

DispatchRef::DispatchRef(IDispatch* object) : object_(object) {
  if (object_ != nullptr) object_->AddRef();
}

DispatchRef::~DispatchRef() {
  if (object_ != nullptr) object_->Release();
}

DispatchRef::DispatchRef(const DispatchRef& other) : DispatchRef(other.object_) {}

DispatchRef& DispatchRef::operator=(const DispatchRef& other) {
  if (other.object_ != nullptr) other.object_->AddRef();
  if (object_ != nullptr) object_->Release();
  object_ = other.object_;
  return *this;
}

Variant Variant::Text(const std::string& text) {
  Variant v;
  v.value_.vt = VT_BSTR;
  const std::wstring wide = Wide(text);
  v.value_.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return v;
}

Variant Variant::Bool(bool value) {
  Variant v;
  v.value_.vt = VT_BOOL;
  v.value_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

Variant Variant::Long(long value) {
  Variant v;
  v.value_.vt = VT_I4;
  v.value_.lVal = value;
  return v;
}

Variant Variant::Object(IDispatch* object) {
  Variant v;
  v.value_.vt = VT_DISPATCH;
  v.value_.pdispVal = object;
  if (object != nullptr) object->AddRef();
  return v;
}

std::string Variant::AsText() const {
  Variant converted;
  if (FAILED(VariantChangeType(&converted.value_, const_cast<VARIANT*>(&value_), 0, VT_BSTR)))
    throw VbError::Standard(13);
  return FromBstr(converted.value_.bstrVal);
}

bool Variant::AsBool() const {
  Variant converted;
  if (FAILED(VariantChangeType(&converted.value_, const_cast<VARIANT*>(&value_), 0, VT_BOOL)))
    throw VbError::Standard(13);
  return converted.value_.boolVal != VARIANT_FALSE;
}

long Variant::AsLong() const {
  Variant converted;
  if (FAILED(VariantChangeType(&converted.value_, const_cast<VARIANT*>(&value_), 0, VT_I4)))
    throw VbError::Standard(13);
  return converted.value_.lVal;
}

DispatchRef Variant::AsObject() const {
  if (value_.vt == VT_DISPATCH) return DispatchRef(value_.pdispVal);
  if (value_.vt == VT_UNKNOWN && value_.punkVal != nullptr) {
    IDispatch* object = nullptr;
    if (SUCCEEDED(value_.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object)))) {
      DispatchRef ref(object);
      object->Release();
      return ref;
    }
  }
  throw VbError::Standard(13);
}

bool HasMember(IDispatch* object, const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  return object != nullptr && SUCCEEDED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
}

void CallByName(IDispatch* object, const wchar_t* name, WORD flags,
                std::initializer_list<const VARIANT*> args, VARIANT* result) {
  const DISPID id = MemberId(object, name);
  // DISPPARAMS takes the arguments last first.
  std::vector<VARIANT> reversed;
  for (auto it = std::rbegin(args); it != std::rend(args); ++it) reversed.push_back(**it);
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  if (flags == DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &putId;
    params.cNamedArgs = 1;
  }
  EXCEPINFO info{};
  UINT argError = 0;
  const HRESULT hr =
      object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &info, &argError);
  if (FAILED(hr)) Fail(hr, name, &info);
}

DispatchRef GetObjectMember(IDispatch* object, const wchar_t* name,
                            std::initializer_list<const VARIANT*> args) {
  Variant result;
  CallByName(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, result.Out());
  return result.AsObject();
}

std::string GetTextMember(IDispatch* object, const wchar_t* name) {
  Variant result;
  CallByName(object, name, DISPATCH_PROPERTYGET, {}, result.Out());
  return result.AsText();
}

bool GetBoolMember(IDispatch* object, const wchar_t* name) {
  Variant result;
  CallByName(object, name, DISPATCH_PROPERTYGET, {}, result.Out());
  return result.AsBool();
}

long GetLongMember(IDispatch* object, const wchar_t* name) {
  Variant result;
  CallByName(object, name, DISPATCH_PROPERTYGET, {}, result.Out());
  return result.AsLong();
}

void PutMember(IDispatch* object, const wchar_t* name, const VARIANT& value) {
  CallByName(object, name, DISPATCH_PROPERTYPUT, {&value}, nullptr);
}

void CallMethod(IDispatch* object, const wchar_t* name, std::initializer_list<const VARIANT*> args) {
  Variant ignored;
  CallByName(object, name, DISPATCH_METHOD, args, ignored.Out());
}

}  // namespace verbsmith
