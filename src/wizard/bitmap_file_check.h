#pragma once
// Whether the file a bitmap row names is a bitmap the resource can hold:
// a real Windows bitmap of the row's size (24x23 large, 16x15 small), one
// bit deep in a monochrome row and deeper in a color row.

#include <optional>
#include <string>

#include "platform/host.h"
#include "wizard/bitmap_steps_rows.h"

namespace verbsmith {

// What is wrong with the bitmap file at path for this row, as the message
// that names it; nothing when the file is fit.
std::optional<std::string> BitmapFileRefusal(Host& host, const BitmapRow& row, const std::string& path);

}  // namespace verbsmith
