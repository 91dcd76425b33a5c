// The desktop's XSETTINGS (the settings GTK programs follow, published by the settings manager in
// a property of the window that owns the _XSETTINGS_S<screen> selection), read from the
// property's bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace platform::sdl {

// The value of the integer setting `name` in the bytes of an _XSETTINGS_SETTINGS property; none
// when there is no integer setting of that name or the bytes are not a well-formed property (a
// truncated or inconsistent one is never read past its end).
std::optional<std::int32_t> XSettingsInteger(std::span<const std::uint8_t> property,
                                             std::string_view name);

}  // namespace platform::sdl
