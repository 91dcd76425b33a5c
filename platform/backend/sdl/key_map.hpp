// Translation between SDL's keys and the virtual-key codes of the window layer.
#pragma once

#include <SDL.h>

namespace platform::sdl {

// The virtual key of an SDL key (letters and digits as their upper-case ASCII codes), or 0 for a
// key the program has no use for.
int VirtualKeyFromSdl(SDL_Keycode key);

// The SDL key that produces a virtual key, or SDLK_UNKNOWN. For keys that exist twice (Shift,
// Control, Alt, Enter) this is the left or main one.
SDL_Keycode SdlKeyFromVirtualKey(int virtualKey);

}  // namespace platform::sdl
