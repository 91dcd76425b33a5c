#include "cli/status_text.hpp"

#include "device/effect_table.hpp"

namespace ctl {

std::string FormatStatus(const ArgbState& state, BYTE ledCount, bool json) {
    const std::wstring_view wide = EffectLabel(EffectOfArgbMode(state.mode));
    const std::string label(wide.begin(), wide.end());
    const std::string mode = std::to_string(state.mode);
    const std::string red = std::to_string(state.red);
    const std::string green = std::to_string(state.green);
    const std::string blue = std::to_string(state.blue);
    const std::string count = std::to_string(ledCount);
    if (json) {
        // The labels are plain ASCII letters: nothing in them needs escaping.
        const std::string effect = label.empty() ? "null" : "\"" + label + "\"";
        return "{\"mode\":" + mode + ",\"effect\":" + effect + ",\"red\":" + red +
               ",\"green\":" + green + ",\"blue\":" + blue + ",\"led_count\":" + count + "}\n";
    }
    return "mode: " + mode + (label.empty() ? "" : " (" + label + ")") + "\ncolour: " + red + "," +
           green + "," + blue + "\nLED count: " + count + "\n";
}

}  // namespace ctl
