#include "addin/server_lock.h"

namespace verbsmith::addin {

namespace {
LONG objects = 0;
LONG locks = 0;
}  // namespace

void ServerLock::ObjectCreated() {
  InterlockedIncrement(&objects);
}
void ServerLock::ObjectDestroyed() {
  InterlockedDecrement(&objects);
}
void ServerLock::Lock() {
  InterlockedIncrement(&locks);
}
void ServerLock::Unlock() {
  InterlockedDecrement(&locks);
}
bool ServerLock::InUse() {
  return objects != 0 || locks != 0;
}

}  // namespace verbsmith::addin
