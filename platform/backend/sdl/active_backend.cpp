// The program's backend: the desktop, opened on first use and closed with the platform context.
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/backend/sdl/sdl_backend.hpp"
#include "platform/context.hpp"

namespace platform {
namespace {

sdl::SdlBackend& OpenDesktop() {
    try {
        return Context::Current().Part<sdl::SdlBackend>();
    } catch (const sdl::DisplayUnavailable& error) {
        std::fprintf(stderr,
                     "%s: cannot open a display (%s). It needs an X server; a Wayland desktop "
                     "provides one through XWayland.\n",
                     program_invocation_short_name, error.what());
        std::fflush(stdout);
        // Quick exit: objects being destroyed must not ask for the backend again.
        std::_Exit(EXIT_FAILURE);
    }
}

}  // namespace

Backend& ActiveBackend() {
    return OpenDesktop();
}

}  // namespace platform
