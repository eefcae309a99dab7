#pragma once
// COM and Automation, on top of windows.h as windows_api.h prepares it (the
// COM headers would otherwise pull windows.h in with its macros).

// clang-format off
#include "platform/win32/windows_api.h"
#include <oaidl.h>
#include <ocidl.h>
#include <olectl.h>
#include <unknwn.h>
// clang-format on
