// vespane-rgbctl-sim: the command-line companion on an emulated controller. The simulator's
// options come before the command and set the controller's state or the way it misbehaves; every
// report that crosses the link is printed on standard output as the simulator prints it.
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/run.hpp"
#include "platform/hid/emulated_bus.hpp"
#include "tools/sim/report_printer.hpp"
#include "tools/sim/sim_bus.hpp"
#include "tools/sim/sim_options.hpp"

int main(int argc, char** argv) {
    const std::string program =
        argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "vespane-rgbctl-sim";
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const std::span<const std::string_view> all(args);
    const std::size_t simCount = sim::CountLeadingSimOptions(all);

    const sim::ParsedOptions parsed = sim::ParseSimOptions(all.first(simCount));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", program.c_str(), parsed.error.c_str(),
                     program.c_str());
        return ctl::kExitUsageError;
    }
    hid::EmulatedBus bus;
    sim::SetUpSimBus(bus, parsed.options);
    const std::string simOptions = sim::SimOptionLines();
    return ctl::Run({program, bus, stdout, stderr, sim::MakeReportPrinter(stdout), simOptions},
                    all.subspan(simCount));
}
