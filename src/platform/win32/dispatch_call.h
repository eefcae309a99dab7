#pragma once
// Calls on Automation objects by member name (late binding), as Visual Basic
// makes them on a generic Object: the name is looked up with GetIDsOfNames
// on each call and the member invoked through IDispatch. A failure throws
// VbError with the object's own error number and text.

#include <initializer_list>
#include <string>

#include "platform/win32/com_api.h"

namespace verbsmith {

// One counted reference to an Automation object; empty when null.
class DispatchRef {
 public:
  DispatchRef() = default;
  // Takes a new reference (AddRef).
  explicit DispatchRef(IDispatch* object);
  ~DispatchRef();
  DispatchRef(const DispatchRef& other);
  DispatchRef& operator=(const DispatchRef& other);

  IDispatch* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  IDispatch* object_ = nullptr;
};

// A VARIANT cleared when it goes out of scope.
class Variant {
 public:
  Variant() { VariantInit(&value_); }
  ~Variant() { VariantClear(&value_); }
  Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  Variant& operator=(Variant&&) = delete;
  static Variant Text(const std::string& text);
  static Variant Bool(bool value);
  static Variant Long(long value);
  static Variant Object(IDispatch* object);

  // Where a call puts its result.
  VARIANT* Out() { return &value_; }
  const VARIANT& get() const { return value_; }

  std::string AsText() const;
  bool AsBool() const;
  long AsLong() const;
  DispatchRef AsObject() const;

 private:
  VARIANT value_;
};

// Whether the object has a member of this name.
bool HasMember(IDispatch* object, const wchar_t* name);

// Invokes a member: flags is DISPATCH_METHOD, DISPATCH_PROPERTYGET or
// DISPATCH_PROPERTYPUT; the arguments in their written order.
void CallByName(IDispatch* object, const wchar_t* name, WORD flags,
                std::initializer_list<const VARIANT*> args, VARIANT* result);

// The common cases.
DispatchRef GetObjectMember(IDispatch* object, const wchar_t* name,
                            std::initializer_list<const VARIANT*> args = {});
std::string GetTextMember(IDispatch* object, const wchar_t* name);
bool GetBoolMember(IDispatch* object, const wchar_t* name);
long GetLongMember(IDispatch* object, const wchar_t* name);
void PutMember(IDispatch* object, const wchar_t* name, const VARIANT& value);
void CallMethod(IDispatch* object, const wchar_t* name, std::initializer_list<const VARIANT*> args = {});

}  // namespace verbsmith
