// Environment variables set for a while: each is back as it was (set to its old value, or unset)
// once the object goes.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform::sdl {

class ScopedEnvironment {
  public:
    // (name, value) pairs; names must differ.
    explicit ScopedEnvironment(const std::vector<std::pair<std::string, std::string>>& values);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    struct Saved {
        std::string name;
        std::optional<std::string> value;  // none: it was not set
    };
    std::vector<Saved> saved_;
};

}  // namespace platform::sdl
