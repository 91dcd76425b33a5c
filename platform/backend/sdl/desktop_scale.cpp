#include "platform/backend/sdl/desktop_scale.hpp"

#include <X11/Xlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "platform/backend/sdl/scale_choice.hpp"
#include "platform/backend/sdl/xsettings.hpp"

namespace platform::sdl {
namespace {

struct CloseDisplay {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
struct FreeXData {
    void operator()(unsigned char* data) const { XFree(data); }
};

// The settings manager may go away while it is asked: its window then no longer exists, which
// must not end the program (Xlib's default error handler would).
int IgnoreXError(Display* /*display*/, XErrorEvent* /*error*/) {
    return 0;
}

// The desktop's Gdk/WindowScalingFactor, asked over a connection of its own (SDL has not shown
// any window yet, and keeps its own connection to itself).
std::optional<long long> XSettingsScale() {
    const std::unique_ptr<Display, CloseDisplay> display(XOpenDisplay(nullptr));
    if (!display) {
        return std::nullopt;
    }
    const std::string selection = "_XSETTINGS_S" + std::to_string(DefaultScreen(display.get()));
    const Atom selectionAtom = XInternAtom(display.get(), selection.c_str(), False);
    const Atom settingsAtom = XInternAtom(display.get(), "_XSETTINGS_SETTINGS", False);
    const Window owner = XGetSelectionOwner(display.get(), selectionAtom);
    if (owner == None) {
        return std::nullopt;
    }
    XSync(display.get(), False);
    const auto previous = XSetErrorHandler(&IgnoreXError);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* raw = nullptr;
    // The whole property, however long (the length is counted in 32-bit units).
    const int status =
        XGetWindowProperty(display.get(), owner, settingsAtom, 0, 0x7fffffff / 4, False,
                           settingsAtom, &type, &format, &count, &remaining, &raw);
    XSync(display.get(), False);
    XSetErrorHandler(previous);
    const std::unique_ptr<unsigned char, FreeXData> data(raw);
    if (status != Success || type != settingsAtom || format != 8 || !data) {
        return std::nullopt;
    }
    return XSettingsInteger(std::span<const std::uint8_t>(data.get(), count),
                            "Gdk/WindowScalingFactor");
}

}  // namespace

int DesktopScaleFactor() {
    const ScaleChoice choice =
        ChooseScale(std::getenv("VESPANE_RGB_SCALE"), std::getenv("GDK_SCALE"), XSettingsScale);
    for (const std::string& line : choice.ignored) {
        std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, line.c_str());
    }
    return choice.factor;
}

}  // namespace platform::sdl
