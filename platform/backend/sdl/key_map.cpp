#include "platform/backend/sdl/key_map.hpp"

#include <array>
#include <utility>

#include "platform/wnd/messages.hpp"

namespace platform::sdl {
namespace {

// Keys other than letters and digits.
constexpr std::array<std::pair<SDL_Keycode, int>, 22> kNamedKeys{{
    {SDLK_LEFT, VK_LEFT},     {SDLK_RIGHT, VK_RIGHT},     {SDLK_UP, VK_UP},
    {SDLK_DOWN, VK_DOWN},     {SDLK_HOME, VK_HOME},       {SDLK_END, VK_END},
    {SDLK_PAGEUP, VK_PRIOR},  {SDLK_PAGEDOWN, VK_NEXT},   {SDLK_TAB, VK_TAB},
    {SDLK_RETURN, VK_RETURN}, {SDLK_KP_ENTER, VK_RETURN}, {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_SPACE, VK_SPACE},   {SDLK_BACKSPACE, VK_BACK},  {SDLK_F1, VK_F1},
    {SDLK_F4, VK_F4},         {SDLK_LSHIFT, VK_SHIFT},    {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_LCTRL, VK_CONTROL}, {SDLK_RCTRL, VK_CONTROL},   {SDLK_LALT, VK_MENU},
    {SDLK_RALT, VK_MENU},
}};

}  // namespace

int VirtualKeyFromSdl(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) {
        return 'A' + (key - SDLK_a);
    }
    if (key >= SDLK_0 && key <= SDLK_9) {
        return '0' + (key - SDLK_0);
    }
    for (const auto& [sdlKey, virtualKey] : kNamedKeys) {
        if (sdlKey == key) {
            return virtualKey;
        }
    }
    return 0;
}

}  // namespace platform::sdl
