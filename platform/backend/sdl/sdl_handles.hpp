// Owning handles for SDL objects: each is released by SDL's own call when the handle goes.
#pragma once

#include <SDL.h>

#include <memory>

namespace platform::sdl {

struct WindowDeleter {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};
using WindowPtr = std::unique_ptr<SDL_Window, WindowDeleter>;

}  // namespace platform::sdl
