#include "platform/backend/sdl/scoped_environment.hpp"

#include <cstdlib>

namespace platform::sdl {

ScopedEnvironment::ScopedEnvironment(
    const std::vector<std::pair<std::string, std::string>>& values) {
    saved_.reserve(values.size());
    for (const auto& [name, value] : values) {
        const char* old = std::getenv(name.c_str());
        saved_.push_back(
            Saved{name, old != nullptr ? std::optional<std::string>(old) : std::nullopt});
        setenv(name.c_str(), value.c_str(), 1);
    }
}

ScopedEnvironment::~ScopedEnvironment() {
    for (const Saved& s : saved_) {
        if (s.value) {
            setenv(s.name.c_str(), s.value->c_str(), 1);
        } else {
            unsetenv(s.name.c_str());
        }
    }
}

}  // namespace platform::sdl
