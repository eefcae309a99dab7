#pragma once
// Places a form centred over a window, or over the screen, and keeps it on
// the screen.

#include <cstdint>

#include "forms/form.h"
#include "platform/screen.h"

namespace verbsmith::forms {

// Visual Basic's CLng: to the nearest whole number, halves to the even one.
int32_t CLng(double value);

// Centres the form over the window with this handle (0: over the screen;
// a window without a rectangle also means the screen), then moves it back
// onto the screen where it would stick out. Its size is kept.
void CenterForm(Screen& screen, int64_t handle, Form& form);

}  // namespace verbsmith::forms
