// How much the device link costs: encoding a report, discovery over a full bus of 128 emulated
// interfaces, and one "Apply" through the link onto the emulated controller.
#include <benchmark/benchmark.h>

#include "device/device_commands.hpp"
#include "device/report_builders.hpp"
#include "platform/hid/emulated_bus.hpp"

namespace {

void EncodeArgbEffectReport(benchmark::State& state) {
    int effect = 0;
    for (auto _ : state) {
        effect = effect % 24 + 1;
        benchmark::DoNotOptimize(BuildArgbEffectReport(effect, 0, 61, 69, 255));
    }
}
BENCHMARK(EncodeArgbEffectReport);

// The controller is the last of the 128 interfaces examined, so every index is looked at.
void DiscoveryOver128Interfaces(benchmark::State& state) {
    hid::EmulatedBus bus;
    for (int i = 0; i < 127; ++i) {
        if (i % 2 == 0) {
            bus.addKeyboard();
        } else {
            bus.addMouse();
        }
    }
    bus.addController();
    DeviceLink link(bus);
    for (auto _ : state) {
        link.FindController();
        benchmark::DoNotOptimize(link.deviceHandle());
    }
    if (link.deviceHandle() == nullptr) state.SkipWithError("the controller was not found");
}
BENCHMARK(DiscoveryOver128Interfaces)->Unit(benchmark::kMicrosecond);

void ApplyThroughTheLink(benchmark::State& state) {
    hid::EmulatedBus bus;
    bus.addTypicalMachine();
    DeviceLink link(bus);
    link.FindController();
    for (auto _ : state) {
        ApplyArgbEffect(link, 3, 5, 0, 0, 0);
        bus.controller().clearReceived();  // keeps the record from growing without end
    }
}
BENCHMARK(ApplyThroughTheLink);

}  // namespace

BENCHMARK_MAIN();
