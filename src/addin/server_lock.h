#pragma once
// What keeps the DLL loaded: its live objects and the locks its class
// factory was asked for (DllCanUnloadNow answers from both).

#include "platform/win32/com_api.h"

namespace verbsmith::addin {

class ServerLock {
 public:
  static void ObjectCreated();
  static void ObjectDestroyed();
  static void Lock();
  static void Unlock();
  static bool InUse();
};

}  // namespace verbsmith::addin
