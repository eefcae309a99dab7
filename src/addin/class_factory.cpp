#include "addin/class_factory.h"

#include <exception>
#include <new>
#include <utility>

#include "addin/server_lock.h"
#include "addin/verbsmith_object.h"

namespace verbsmith::addin {

ClassFactory::ClassFactory(std::string addInDirectory) : addInDirectory_(std::move(addInDirectory)) {
  ServerLock::ObjectCreated();
}

ClassFactory::~ClassFactory() {
  ServerLock::ObjectDestroyed();
}

HRESULT ClassFactory::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG ClassFactory::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG ClassFactory::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  VerbsmithObject* object = nullptr;
  try {
    object = new VerbsmithObject(addInDirectory_);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (const std::exception&) {
    // A scripted session whose script cannot be read, for one.
    return E_FAIL;
  }
  const HRESULT hr = object->QueryInterface(iid, out);
  object->Release();
  return hr;
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  if (lock) {
    ServerLock::Lock();
  } else {
    ServerLock::Unlock();
  }
  return S_OK;
}

}  // namespace verbsmith::addin
