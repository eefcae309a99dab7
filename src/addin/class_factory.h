#pragma once
// The class factory DllGetClassObject hands out for VerbsmithCls.

#include <string>

#include "platform/win32/com_api.h"

namespace verbsmith::addin {

class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(std::string addInDirectory);
  ~ClassFactory();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  std::string addInDirectory_;
  LONG references_ = 1;
};

}  // namespace verbsmith::addin
