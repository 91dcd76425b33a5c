// The companion's command line: one command and its options, understood before anything is sent
// to the controller, so that a usage error never writes a report.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "platform/wintypes.hpp"

namespace ctl {

enum class Channel { Argb, Vrgb, Both };

// What a help text is about: the program, or one of its commands.
enum class Topic { General, Apply, Leds, Status, List };

struct HelpRequest {
    Topic topic = Topic::General;
};
struct VersionRequest {};
struct ApplyRequest {
    Channel channel = Channel::Argb;
    int effect = 0;                             // 1 to 24
    std::optional<int> preset;                  // 1 to 8
    std::optional<std::array<BYTE, 3>> colour;  // red, green, blue
};
struct LedsRequest {
    int count = 0;  // kMinLedCount to kMaxLedCount
};
struct StatusRequest {
    bool json = false;
};
struct ListRequest {};

using Request = std::variant<HelpRequest, VersionRequest, ApplyRequest, LedsRequest, StatusRequest,
                             ListRequest>;

// The LED counts the popup offers.
inline constexpr int kMinLedCount = 4;
inline constexpr int kMaxLedCount = 64;

struct ParseResult {
    Request request;
    std::string error;  // a usage error when not empty; then `request` means nothing
    Topic errorTopic = Topic::General;  // the help that explains what was wrong
};

// Parses the arguments after the program name (and after the simulator's own options).
ParseResult ParseCommandLine(std::span<const std::string_view> args);

// An effect by its number (1 to 24) or its English label, case ignored.
std::optional<int> ParseEffect(std::string_view text);

// "R,G,B" with each part from 0 to 255, or "#rrggbb".
std::optional<std::array<BYTE, 3>> ParseColour(std::string_view text);

// "1 ColorBreathe, 2 Rainbow, ..." for the effects 1 to `last`.
std::string EffectList(int last);

}  // namespace ctl
