// Which errors of the X server the program lives through. Xlib's own handler ends the process at
// any error; a few are harmless.
#pragma once

namespace platform::sdl {

// SDL wakes its own event wait by sending an event to one of the program's windows, and that
// window may be destroyed by the time the server takes the request (a popup closed meanwhile):
// the server then answers BadWindow to the send. Nothing is lost, as the wait ends anyway.
bool IsHarmlessX11Error(int errorCode, int requestCode);

}  // namespace platform::sdl
