// vespane-rgb-sim: the lighting utility on an emulated controller. Every report that crosses the
// link is printed on standard output as it happens. SIGUSR1 unplugs the controller, SIGUSR2 plugs
// it back in.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/vespane_app.hpp"
#include "platform/backend/backend.hpp"
#include "platform/context.hpp"
#include "platform/hid/emulated_system_bus.hpp"
#include "tools/sim/plug_signals.hpp"
#include "tools/sim/report_printer.hpp"
#include "tools/sim/sim_bus.hpp"
#include "tools/sim/sim_options.hpp"

int main(int argc, char** argv) {
    const std::string program =
        argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "vespane-rgb-sim";
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);

    const sim::ParsedOptions parsed = sim::ParseSimOptions(args);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "%s: %s\nTry \"%s --help\".\n", program.c_str(), parsed.error.c_str(),
                     program.c_str());
        return 2;
    }
    if (parsed.options.help) {
        std::fputs(sim::SimUsage(program).c_str(), stdout);
        return 0;
    }

    const platform::Context context;  // holds the emulated machine, too
    sim::SetUpSimBus(hid::EmulatedSystemBus(), parsed.options);
    SetAppExecutableName(std::wstring(program.begin(), program.end()));

    DeviceLink::SetDefaultTap(sim::MakeReportPrinter(stdout));

    // The desktop opens here, before the signal watcher can post to it from its own thread.
    platform::Backend& desktop = platform::ActiveBackend();
    const sim::PlugSignals plugSignals([&desktop](sim::PlugEvent event) {
        desktop.PostTask([event] { sim::ApplyPlugEvent(hid::EmulatedSystemBus(), event); });
    });

    CVespaneRezuVovAdodizozaviApp app;
    app.InitInstance();
    return 0;
}
