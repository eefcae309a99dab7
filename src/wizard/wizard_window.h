#pragma once
// What the add-in's connection object asks of its wizard window: take the
// objects of a run, show itself modally, and unload. The connection object
// creates the window once and shows it for every run.

#include "connection/connection.h"

namespace verbsmith {

class WizardWindow {
 public:
  virtual ~WizardWindow() = default;
  // Reads the run's members from the connection object by name; a missing
  // one is recorded as the current error, never raised.
  virtual void InitializeObjects(IConnection* wizard) = 0;
  // Loads the window if needed and shows it modally: returns when it is
  // hidden or unloaded.
  virtual void RunModal() = 0;
  virtual void UnloadWindow() = 0;
};

}  // namespace verbsmith
