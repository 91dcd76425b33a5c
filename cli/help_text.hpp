// The companion's --help texts: the program's and each command's.
#pragma once

#include <string>
#include <string_view>

#include "cli/command_line.hpp"

namespace ctl {

// The help on a topic. `extraOptions` are lines of options taken before the command (the
// simulator twin's); empty for the program itself.
std::string HelpText(Topic topic, std::string_view program, std::string_view extraOptions);

// "vespane-rgbctl 1.0.0.2" and a line break.
std::string VersionText(std::string_view program);

// The command whose help a "Try ..." line after a usage error points to, with a trailing space
// ("apply "), or nothing for the program's own help.
std::string_view TopicCommand(Topic topic);

}  // namespace ctl
