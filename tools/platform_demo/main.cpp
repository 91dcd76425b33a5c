// vr-platform-demo: the platform layer's demonstration window on the desktop. Drag it by its
// caption band; Escape or the window manager's close ends it.
//
//   vr-platform-demo [x y]   (the window's top-left corner on the screen; default 64 48)
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/context.hpp"
#include "platform/wnd/afxwin.hpp"
#include "tools/platform_demo/demo_window.hpp"

namespace {

bool ParseCoordinate(const char* text, LONG* value) {
    const char* end = text + std::strlen(text);
    const auto [last, error] = std::from_chars(text, end, *value);
    return error == std::errc() && last == end;
}

}  // namespace

int main(int argc, char** argv) {
    POINT topLeft{64, 48};
    if (argc != 1 && (argc != 3 || !ParseCoordinate(argv[1], &topLeft.x) ||
                      !ParseCoordinate(argv[2], &topLeft.y))) {
        std::fprintf(stderr, "usage: %s [x y]\n", argv[0]);
        return 2;
    }
    const platform::Context context;
    demo::DemoWindow window;
    if (!window.CreateAt(topLeft)) {
        return EXIT_FAILURE;
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
