#include "x11_screen.hpp"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

extern char** environ;

namespace x11test {

std::optional<Picture> ReadPpm(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int width = 0;
    int height = 0;
    int maxValue = 0;
    if (!(in >> magic >> width >> height >> maxValue) || magic != "P6" || width <= 0 ||
        height <= 0 || maxValue != 255) {
        return std::nullopt;
    }
    in.get();  // the single white-space character after the header
    Picture picture{width, height, {}};
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<unsigned char> rgb(count * 3);
    if (!in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()))) {
        return std::nullopt;
    }
    picture.pixels.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        picture.pixels[i] = (std::uint32_t{rgb[i * 3]} << 16) |
                            (std::uint32_t{rgb[i * 3 + 1]} << 8) | std::uint32_t{rgb[i * 3 + 2]};
    }
    return picture;
}

std::optional<Picture> Screenshot() {
    char path[] = "/tmp/vr-x11-shot-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) {
        return std::nullopt;
    }
    close(fd);
    const std::string command =
        std::string("import -window root -depth 8 ppm:") + path + " 2>/dev/null";
    std::optional<Picture> picture;
    if (std::system(command.c_str()) == 0) {
        picture = ReadPpm(path);
    }
    std::remove(path);
    return picture;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    if (posix_spawn(&pid_, args[0], nullptr, nullptr, args.data(), environ) != 0) {
        pid_ = -1;
    }
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

bool ChildProcess::running() {
    if (pid_ <= 0) {
        return false;
    }
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;  // ended and reaped
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    return true;
}

std::optional<std::string> Run(const std::string& command) {
    struct PipeCloser {
        void operator()(FILE* pipe) const { pclose(pipe); }
    };
    std::unique_ptr<FILE, PipeCloser> pipe(popen(command.c_str(), "r"));
    if (!pipe) {
        return std::nullopt;
    }
    std::string output;
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe.get()) != nullptr) {
        output += buffer.data();
    }
    const int status = pclose(pipe.release());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return output;
}

std::optional<RECT> WaitForWindow(const std::string& title, int seconds) {
    // xdotool waits for the window itself (--sync); `timeout` bounds the wait.
    const std::string command = "timeout " + std::to_string(seconds) +
                                " xdotool search --sync --onlyvisible --name '^" + title +
                                "$' getwindowgeometry --shell %1";
    const std::optional<std::string> output = Run(command);
    if (!output) {
        return std::nullopt;
    }
    std::istringstream lines(*output);
    std::string line;
    RECT rect;
    int found = 0;
    while (std::getline(lines, line)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, equals);
        const LONG value = std::atoi(line.c_str() + equals + 1);
        if (key == "X") {
            rect.left = value;
        } else if (key == "Y") {
            rect.top = value;
        } else if (key == "WIDTH") {
            rect.right = value;
        } else if (key == "HEIGHT") {
            rect.bottom = value;
        } else {
            continue;
        }
        ++found;
    }
    if (found != 4) {
        return std::nullopt;
    }
    rect.right += rect.left;
    rect.bottom += rect.top;
    return rect;
}

}  // namespace x11test
