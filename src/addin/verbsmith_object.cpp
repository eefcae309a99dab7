#include "addin/verbsmith_object.h"

#include <exception>

#include "addin/identifiers.h"
#include "platform/win32/win32_command_bar_events.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith::addin {

namespace {

// What a manager property hands out: a reference that says the manager is
// there. The managers talk to each other inside the add-in, not through it.
class ManagerReference final : public AutomationObject {
 public:
  ManagerReference() : AutomationObject({}) {}

 protected:
  HRESULT Call(DISPID, WORD, DISPPARAMS&, VARIANT*) override { return DISP_E_MEMBERNOTFOUND; }
};

bool IsGet(WORD flags) {
  return (flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) != 0;
}

// Runs one call into the connection object; nothing may leave through COM.
template <typename Action>
HRESULT Guarded(Action action) {
  try {
    action();
    return S_OK;
  } catch (const VbError& error) {
    return error.Number() < 0 ? static_cast<HRESULT>(error.Number()) : E_FAIL;
  } catch (const std::exception&) {
    return E_FAIL;
  }
}

}  // namespace

VerbsmithObject::VerbsmithObject(const std::string& addInDirectory)
    : AutomationObject({{L"MenuHandler", kMenuHandler},
                        {L"GenMgr", kGenMgr},
                        {L"ModuleMgr", kModuleMgr},
                        {L"ClassMgr", kClassMgr},
                        {L"FormMgr", kFormMgr},
                        {L"BitmapMgr", kBitmapMgr},
                        {L"VBInst", kVBInst},
                        {L"ConnectAddIn", kConnectAddIn}}),
      platform_(addInDirectory) {
  // The one seam where the wizard window is chosen.
  forms::FormsRuntime& runtime = platform_.Runtime();
  cls_ = std::make_unique<VerbsmithCls>(
      platform_.GetHost(), [&runtime](Host& host) { return std::make_unique<FrmVerbsmith>(runtime, host); });
}

VerbsmithObject::~VerbsmithObject() {
  // The connection object goes first: its end uses the environment.
  cls_.reset();
}

void* VerbsmithObject::OtherInterface(REFIID iid) {
  if (IsEqualIID(iid, kExtensibilityId)) return static_cast<IDTExtensibility2*>(&connection_);
  return nullptr;
}

void VerbsmithObject::Connect(IDispatch* application, long connectMode) {
  environment_ = application != nullptr ? std::make_unique<Win32Ide>(application) : nullptr;
  // The environment that connects the add-in is the one its managers work
  // on: it is handed over before the first run can start.
  if (!vbInst_) ConnectAddIn(application);
  cls_->OnConnection(environment_.get(), static_cast<int>(connectMode));
}

void VerbsmithObject::ConnectAddIn(IDispatch* vbInst) {
  auto replacement = vbInst != nullptr ? std::make_unique<Win32Ide>(vbInst) : nullptr;
  cls_->ConnectAddIn(replacement.get());
  vbInst_ = std::move(replacement);
}

void VerbsmithObject::SetMenuHandler(IDispatch* events) {
  cls_->SetMenuHandler(events != nullptr ? std::make_unique<Win32CommandBarEvents>(DispatchRef(events))
                                         : nullptr);
}

IDispatch* VerbsmithObject::MenuHandlerSource() const {
  const auto* events = dynamic_cast<const Win32CommandBarEvents*>(cls_->MenuHandler());
  return events != nullptr ? events->Source() : nullptr;
}

HRESULT VerbsmithObject::ReturnManager(const void* manager, VARIANT* result) {
  if (manager == nullptr) {
    ReturnObject(result, nullptr);
    return S_OK;
  }
  auto* reference = new ManagerReference();
  ReturnObject(result, reference);
  reference->Release();
  return S_OK;
}

HRESULT VerbsmithObject::Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) {
  if (id == kMenuHandler && (flags & (DISPATCH_PROPERTYPUTREF | DISPATCH_PROPERTYPUT)) != 0)
    return Guarded([&] { SetMenuHandler(ObjectArgument(params, 0)); });
  if (id == kConnectAddIn && (flags & DISPATCH_METHOD) != 0)
    return Guarded([&] { ConnectAddIn(ObjectArgument(params, 0)); });
  if (!IsGet(flags)) return DISP_E_MEMBERNOTFOUND;
  switch (id) {
    case kMenuHandler:
      ReturnObject(result, MenuHandlerSource());
      return S_OK;
    case kGenMgr:
      return ReturnManager(cls_->GenMgr(), result);
    case kModuleMgr:
      return ReturnManager(cls_->ModuleMgr(), result);
    case kClassMgr:
      return ReturnManager(cls_->ClassMgr(), result);
    case kFormMgr:
      return ReturnManager(cls_->FormMgr(), result);
    case kBitmapMgr:
      return ReturnManager(cls_->BitmapMgr(), result);
    case kVBInst:
      ReturnObject(result, vbInst_ ? vbInst_->Root() : nullptr);
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT VerbsmithObject::Connection::QueryInterface(REFIID iid, void** out) {
  return owner_.QueryInterface(iid, out);
}

HRESULT VerbsmithObject::Connection::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT VerbsmithObject::Connection::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT VerbsmithObject::Connection::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  static constexpr std::pair<const wchar_t*, DISPID> kNames[] = {
      {L"OnConnection", extensibility::kOnConnection},
      {L"OnDisconnection", extensibility::kOnDisconnection},
      {L"OnAddInsUpdate", extensibility::kOnAddInsUpdate},
      {L"OnStartupComplete", extensibility::kOnStartupComplete},
      {L"OnBeginShutdown", extensibility::kOnBeginShutdown}};
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  if (count == 0) return S_OK;
  for (const auto& [name, id] : kNames) {
    if (lstrcmpiW(name, names[0]) == 0) ids[0] = id;
  }
  return ids[0] == DISPID_UNKNOWN || count > 1 ? DISP_E_UNKNOWNNAME : S_OK;
}

HRESULT VerbsmithObject::Connection::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params,
                                            VARIANT* result, EXCEPINFO*, UINT*) {
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  const DISPPARAMS& args = params != nullptr ? *params : none;
  if (result != nullptr) VariantInit(result);
  switch (id) {
    case extensibility::kOnConnection:
      return OnConnection(ObjectArgument(args, 0), LongArgument(args, 1), ObjectArgument(args, 2), nullptr);
    case extensibility::kOnDisconnection:
      return OnDisconnection(LongArgument(args, 0), nullptr);
    case extensibility::kOnAddInsUpdate:
    case extensibility::kOnStartupComplete:
    case extensibility::kOnBeginShutdown:
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT VerbsmithObject::Connection::OnConnection(IDispatch* application, long connectMode, IDispatch*,
                                                  SAFEARRAY**) {
  return Guarded([&] { owner_.Connect(application, connectMode); });
}

HRESULT VerbsmithObject::Connection::OnDisconnection(long removeMode, SAFEARRAY**) {
  return Guarded([&] { owner_.cls_->OnDisconnection(static_cast<int>(removeMode)); });
}

HRESULT VerbsmithObject::Connection::OnAddInsUpdate(SAFEARRAY**) {
  return S_OK;
}

HRESULT VerbsmithObject::Connection::OnStartupComplete(SAFEARRAY**) {
  return S_OK;
}

HRESULT VerbsmithObject::Connection::OnBeginShutdown(SAFEARRAY**) {
  return S_OK;
}

}  // namespace verbsmith::addin
