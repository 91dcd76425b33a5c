#include "platform/backend/sdl/x11_errors.hpp"

#include <X11/X.h>
#include <X11/Xproto.h>

namespace platform::sdl {

bool IsHarmlessX11Error(int errorCode, int requestCode) {
    return errorCode == BadWindow && requestCode == X_SendEvent;
}

}  // namespace platform::sdl
