// Translation of SDL's keys into the virtual-key codes of the window layer.
#pragma once

#include <SDL.h>

namespace platform::sdl {

// The virtual key of an SDL key (letters and digits as their upper-case ASCII codes), or 0 for a
// key the program has no use for.
int VirtualKeyFromSdl(SDL_Keycode key);

}  // namespace platform::sdl
