// The program's backend: the desktop, opened on first use and kept open for the process.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/backend/sdl/sdl_backend.hpp"

namespace platform {
namespace {

sdl::SdlBackend& OpenDesktop() {
    try {
        // One desktop per process, open until the process ends, outside the platform context:
        // closing SDL's video at the end of main() can send an event to a window the X server
        // has already destroyed, and Xlib then ends the program with status 1.
        static sdl::SdlBackend* const backend = std::make_unique<sdl::SdlBackend>().release();
        return *backend;
    } catch (const sdl::DisplayUnavailable& error) {
        std::fprintf(stderr,
                     "%s: cannot open a display (%s). It needs an X server; a Wayland desktop "
                     "provides one through XWayland.\n",
                     program_invocation_short_name, error.what());
        std::fflush(stdout);
        // Quick exit: static objects being destroyed must not ask for the backend again.
        std::_Exit(EXIT_FAILURE);
    }
}

}  // namespace

Backend& ActiveBackend() {
    return OpenDesktop();
}

}  // namespace platform
