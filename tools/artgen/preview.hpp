// A picture of the assembled windows, for looking at the artwork as the user will see it.
#pragma once

#include <map>

#include "tools/artgen/canvas.hpp"

namespace art {

using Library = std::map<int, Canvas>;  // resource ID -> drawn bitmap

// The main window at start-up, the two LED quantity popups, and every effect icon in each look.
Canvas ComposePreview(const Library& bitmaps);

}  // namespace art
