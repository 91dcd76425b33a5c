// The program's string table: strings by resource ID (LoadStringW reads it).
#pragma once

#include <string_view>

#include "platform/wintypes.hpp"

// The string with that ID, or an empty view when there is none.
std::wstring_view FindResourceString(UINT id);
