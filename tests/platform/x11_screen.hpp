// Helpers of the tests that run on a real X server (started by tests/x11/with_x.sh): processes
// started and ended by the test, screenshots, window geometry from xdotool.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/wintypes.hpp"

namespace x11test {

// An RGB picture, pixels 0x00RRGGBB, rows top to bottom.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// A binary PPM (P6, 8 bits per channel); nothing when the file is not one.
std::optional<Picture> ReadPpm(const std::string& path);

// The whole screen, taken with ImageMagick's `import -window root`.
std::optional<Picture> Screenshot();

// A program started by the test; ended (SIGTERM, then waited for) when the object goes.
class ChildProcess {
  public:
    explicit ChildProcess(const std::vector<std::string>& argv);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    bool started() const { return pid_ > 0 || status_.has_value(); }
    bool running();
    // The exit status once the program has ended by itself (running() saw it end); a program
    // ended by a signal gives 128 + the signal's number.
    std::optional<int> exitStatus() const { return status_; }

  private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// The screen rectangle of the visible window whose name is `title`, waiting for it to be mapped
// for at most `seconds`; nothing when it does not appear.
std::optional<RECT> WaitForWindow(const std::string& title, int seconds);

// Runs a shell command; its standard output, or nothing when it fails.
std::optional<std::string> Run(const std::string& command);

}  // namespace x11test
