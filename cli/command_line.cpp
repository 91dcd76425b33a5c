#include "cli/command_line.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "cli/value_text.hpp"
#include "device/effect_table.hpp"

namespace ctl {
namespace {

std::optional<int> ParseHexByte(std::string_view text) {
    int value = 0;
    const char* const end = text.data() + text.size();
    const auto [next, ec] = std::from_chars(text.data(), end, value, 16);
    if (text.size() != 2 || ec != std::errc{} || next != end) return std::nullopt;
    return value;
}

bool SameIgnoringCase(std::string_view text, std::wstring_view label) {
    return text.size() == label.size() &&
           std::equal(text.begin(), text.end(), label.begin(), [](char a, wchar_t b) {
               return b < 0x80 && std::tolower(static_cast<unsigned char>(a)) ==
                                      std::tolower(static_cast<unsigned char>(b));
           });
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string EffectName(int effect) {
    const std::wstring_view label = EffectLabel(effect);
    return std::to_string(effect) + " (" + std::string(label.begin(), label.end()) + ")";
}

// One "--name value", "--name=value" or "--name" among a command's arguments.
struct Option {
    std::string_view name;
    std::optional<std::string_view> value;
};

// Reads the arguments of a command, taking a value for the options that have one.
class OptionReader {
  public:
    OptionReader(std::span<const std::string_view> args, Topic topic)
        : args_(args), topic_(topic) {}

    bool done() const { return next_ >= args_.size(); }

    // The next argument, or a usage error in `result`.
    std::optional<Option> next(std::span<const std::string_view> valued, ParseResult& result) {
        std::string_view arg = args_[next_++];
        Option option{arg, std::nullopt};
        if (const std::size_t eq = arg.find('=');
            arg.starts_with("--") && eq != std::string_view::npos) {
            option = {arg.substr(0, eq), arg.substr(eq + 1)};
        }
        const bool takesValue =
            std::find(valued.begin(), valued.end(), option.name) != valued.end();
        if (option.value && !takesValue) {
            return fail(result, "option " + std::string(option.name) + " takes no value");
        }
        if (takesValue && !option.value) {
            if (done())
                return fail(result, "option " + std::string(option.name) + " needs a value");
            option.value = args_[next_++];
        }
        return option;
    }

    std::nullopt_t fail(ParseResult& result, std::string message) const {
        result.error = std::move(message);
        result.errorTopic = topic_;
        return std::nullopt;
    }

  private:
    std::span<const std::string_view> args_;
    Topic topic_;
    std::size_t next_ = 0;
};

ParseResult Fail(Topic topic, std::string message) {
    ParseResult result;
    result.error = std::move(message);
    result.errorTopic = topic;
    return result;
}

ParseResult Unexpected(Topic topic, std::string_view arg) {
    return Fail(topic, arg.starts_with("-") ? "unknown option " + Quoted(arg)
                                            : "unexpected argument " + Quoted(arg));
}

std::optional<Channel> ParseChannel(std::string_view text) {
    if (SameIgnoringCase(text, L"argb")) return Channel::Argb;
    if (SameIgnoringCase(text, L"vrgb")) return Channel::Vrgb;
    if (SameIgnoringCase(text, L"both")) return Channel::Both;
    return std::nullopt;
}

ParseResult ParseApply(std::span<const std::string_view> args) {
    static constexpr std::array<std::string_view, 4> kValued{"--channel", "--effect", "--preset",
                                                             "--colour"};
    ParseResult result;
    OptionReader reader(args, Topic::Apply);
    std::optional<Channel> channel;
    std::optional<int> effect;
    std::optional<int> preset;
    std::optional<std::array<BYTE, 3>> colour;
    std::array<bool, kValued.size()> seen{};
    while (!reader.done()) {
        const std::optional<Option> option = reader.next(kValued, result);
        if (!option) return result;
        const auto known = std::find(kValued.begin(), kValued.end(), option->name);
        if (known == kValued.end()) return Unexpected(Topic::Apply, option->name);
        bool& given = seen[static_cast<std::size_t>(known - kValued.begin())];
        if (given) return Fail(Topic::Apply, std::string(option->name) + " is given twice");
        given = true;
        const std::string_view value = *option->value;
        if (option->name == "--channel") {
            channel = ParseChannel(value);
            if (!channel) {
                return Fail(Topic::Apply,
                            "--channel wants argb, vrgb or both, not " + Quoted(value));
            }
        } else if (option->name == "--effect") {
            effect = ParseEffect(value);
            if (!effect) {
                return Fail(Topic::Apply, "unknown effect " + Quoted(value) + "; the effects are " +
                                              EffectList(kEffectCount));
            }
        } else if (option->name == "--preset") {
            preset = ParseWholeNumber(value, 1, 8);
            if (!preset) {
                return Fail(Topic::Apply,
                            "--preset wants a number from 1 to 8, not " + Quoted(value));
            }
        } else {
            colour = ParseColour(value);
            if (!colour) {
                return Fail(Topic::Apply, "--colour wants R,G,B (each 0 to 255) or #rrggbb, not " +
                                              Quoted(value));
            }
        }
    }
    if (!channel) return Fail(Topic::Apply, "apply needs --channel argb, vrgb or both");
    if (!effect) return Fail(Topic::Apply, "apply needs --effect NAME or --effect N");
    if (preset && colour) return Fail(Topic::Apply, "--preset and --colour exclude each other");
    if (*channel != Channel::Argb && VrgbMode(*effect) == 0) {
        return Fail(Topic::Apply, "effect " + EffectName(*effect) +
                                      " is an ARGB effect; the VRGB effects are " +
                                      EffectList(kVrgbEffectCount));
    }
    result.request = ApplyRequest{*channel, *effect, preset, colour};
    return result;
}

ParseResult ParseLeds(std::span<const std::string_view> args) {
    if (args.empty()) {
        return Fail(Topic::Leds, "leds needs a count from " + std::to_string(kMinLedCount) +
                                     " to " + std::to_string(kMaxLedCount));
    }
    if (args.size() > 1) return Unexpected(Topic::Leds, args[1]);
    const std::optional<int> count = ParseWholeNumber(args[0], kMinLedCount, kMaxLedCount);
    if (!count) {
        return Fail(Topic::Leds, "the LED count must be a number from " +
                                     std::to_string(kMinLedCount) + " to " +
                                     std::to_string(kMaxLedCount) + ", not " + Quoted(args[0]));
    }
    ParseResult result;
    result.request = LedsRequest{*count};
    return result;
}

ParseResult ParseStatus(std::span<const std::string_view> args) {
    StatusRequest request;
    for (const std::string_view arg : args) {
        if (arg != "--json") return Unexpected(Topic::Status, arg);
        request.json = true;
    }
    ParseResult result;
    result.request = request;
    return result;
}

ParseResult ParseList(std::span<const std::string_view> args) {
    if (!args.empty()) return Unexpected(Topic::List, args[0]);
    ParseResult result;
    result.request = ListRequest{};
    return result;
}

struct CommandEntry {
    std::string_view name;
    Topic topic;
    ParseResult (*parse)(std::span<const std::string_view>);
};

constexpr std::array<CommandEntry, 4> kCommands{{
    {"apply", Topic::Apply, ParseApply},
    {"leds", Topic::Leds, ParseLeds},
    {"status", Topic::Status, ParseStatus},
    {"list", Topic::List, ParseList},
}};

const CommandEntry* FindCommand(std::string_view name) {
    const auto found =
        std::find_if(kCommands.begin(), kCommands.end(),
                     [name](const CommandEntry& entry) { return entry.name == name; });
    return found != kCommands.end() ? &*found : nullptr;
}

bool IsHelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

ParseResult Help(Topic topic) {
    ParseResult result;
    result.request = HelpRequest{topic};
    return result;
}

}  // namespace

std::optional<int> ParseEffect(std::string_view text) {
    if (const auto number = ParseWholeNumber(text, 1, kEffectCount)) return number;
    for (int effect = 1; effect <= kEffectCount; ++effect) {
        if (SameIgnoringCase(text, EffectLabel(effect))) return effect;
    }
    return std::nullopt;
}

std::optional<std::array<BYTE, 3>> ParseColour(std::string_view text) {
    std::array<BYTE, 3> colour{};
    if (text.starts_with('#')) {
        if (text.size() != 7) return std::nullopt;
        for (std::size_t i = 0; i < colour.size(); ++i) {
            const auto value = ParseHexByte(text.substr(1 + 2 * i, 2));
            if (!value) return std::nullopt;
            colour[i] = static_cast<BYTE>(*value);
        }
        return colour;
    }
    return ParseRgb(text);
}

std::string EffectList(int last) {
    std::string text;
    for (int effect = 1; effect <= last; ++effect) {
        const std::wstring_view label = EffectLabel(effect);
        if (effect > 1) text += ", ";
        text += std::to_string(effect) + " " + std::string(label.begin(), label.end());
    }
    return text;
}

ParseResult ParseCommandLine(std::span<const std::string_view> args) {
    if (args.empty()) return Fail(Topic::General, "no command given");
    const std::string_view first = args[0];
    const std::span<const std::string_view> rest = args.subspan(1);
    if (IsHelp(first))
        return rest.empty() ? Help(Topic::General) : Unexpected(Topic::General, rest[0]);
    if (first == "--version") {
        if (!rest.empty()) return Unexpected(Topic::General, rest[0]);
        ParseResult result;
        result.request = VersionRequest{};
        return result;
    }
    if (first == "help") {
        if (rest.empty()) return Help(Topic::General);
        const CommandEntry* command = FindCommand(rest[0]);
        if (command == nullptr || rest.size() > 1) {
            return Fail(Topic::General, "no help on " + Quoted(rest.back()));
        }
        return Help(command->topic);
    }
    const CommandEntry* command = FindCommand(first);
    if (command == nullptr) {
        return Fail(
            Topic::General,
            (first.starts_with("-") ? "unknown option " : "unknown command ") + Quoted(first));
    }
    // Asking for help wins over whatever else stands on the line.
    if (std::any_of(rest.begin(), rest.end(), IsHelp)) return Help(command->topic);
    return command->parse(rest);
}

}  // namespace ctl
