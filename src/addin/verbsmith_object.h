#pragma once
// The COM object the environment creates for the ProgID
// CarthexVerbsmith.VerbsmithCls: the connection object VerbsmithCls behind
// the environment's add-in interface, with its public members reachable by
// name. No exception leaves it: a failure the connection object does not
// show itself becomes an HRESULT.

#include <memory>
#include <string>

#include "addin/addin_platform.h"
#include "addin/automation_object.h"
#include "addin/extensibility.h"
#include "platform/win32/win32_ide.h"
#include "shell/verbsmith_cls.h"

namespace verbsmith::addin {

class VerbsmithObject final : public AutomationObject {
 public:
  explicit VerbsmithObject(const std::string& addInDirectory);
  ~VerbsmithObject() override;

  // The members of _VerbsmithCls, by dispatch id.
  static constexpr DISPID kMenuHandler = 1;
  static constexpr DISPID kGenMgr = 2;
  static constexpr DISPID kModuleMgr = 3;
  static constexpr DISPID kClassMgr = 4;
  static constexpr DISPID kFormMgr = 5;
  static constexpr DISPID kBitmapMgr = 6;
  static constexpr DISPID kVBInst = 7;
  static constexpr DISPID kConnectAddIn = 8;

 protected:
  HRESULT Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) override;
  void* OtherInterface(REFIID iid) override;

 private:
  // The add-in interface, answered by this object's identity.
  class Connection final : public IDTExtensibility2 {
   public:
    explicit Connection(VerbsmithObject& owner) : owner_(owner) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return owner_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return owner_.Release(); }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;
    HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, long connectMode, IDispatch* addInInst,
                                           SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnDisconnection(long removeMode, SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) override;

   private:
    VerbsmithObject& owner_;
  };

  void Connect(IDispatch* application, long connectMode);
  void ConnectAddIn(IDispatch* vbInst);
  void SetMenuHandler(IDispatch* events);
  IDispatch* MenuHandlerSource() const;
  HRESULT ReturnManager(const void* manager, VARIANT* result);

  Connection connection_{*this};
  AddInPlatform platform_;
  std::unique_ptr<Win32Ide> environment_;
  std::unique_ptr<Win32Ide> vbInst_;
  std::unique_ptr<VerbsmithCls> cls_;
};

}  // namespace verbsmith::addin
