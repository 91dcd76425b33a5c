// vespane-rgbctl: the lighting utility's command-line companion, for scripts, autostart and sleep
// hooks. It talks to the controller through hidapi and needs no display.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cli/run.hpp"
#include "platform/hid/system_bus.hpp"

int main(int argc, char** argv) {
    const std::string program =
        argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "vespane-rgbctl";
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return ctl::Run({program, hid::SystemBus(), stdout, stderr, {}, {}}, args);
}
