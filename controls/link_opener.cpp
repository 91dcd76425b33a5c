#include "controls/link_opener.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

extern char** environ;

namespace {

constexpr const char* kOpener = "xdg-open";

std::string ToUtf8(const std::wstring& text) {
    std::string out;
    for (const wchar_t wc : text) {
        auto c = static_cast<char32_t>(wc);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The opener's full path from PATH, found before forking so the child only calls execve.
std::optional<std::string> FindOnPath(std::string_view program) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) return std::nullopt;
    std::string_view dirs(path);
    while (true) {
        const std::size_t colon = dirs.find(':');
        const std::string_view dir = dirs.substr(0, colon);
        if (!dir.empty()) {
            std::string candidate(dir);
            candidate += '/';
            candidate += program;
            if (::access(candidate.c_str(), X_OK) == 0 &&
                !std::filesystem::is_directory(candidate)) {
                return candidate;
            }
        }
        if (colon == std::string_view::npos) return std::nullopt;
        dirs.remove_prefix(colon + 1);
    }
}

}  // namespace

void OpenLinkInBrowser(const std::wstring& target) {
    const std::optional<std::string> opener = FindOnPath(kOpener);
    if (!opener) return;
    const std::string& program = *opener;
    std::string name = kOpener;
    std::string argument = ToUtf8(target);
    char* const argv[] = {name.data(), argument.data(), nullptr};

    // Fork twice so the opener is adopted by init and never left as a zombie of ours; the
    // intermediate child exits at once and is reaped here. Between fork and execve only
    // async-signal-safe calls are made.
    const pid_t child = ::fork();
    if (child < 0) return;
    if (child == 0) {
        const pid_t grandchild = ::fork();
        if (grandchild == 0) {
            ::close_range(3, ~0U, 0);  // the opener inherits none of our files
            ::execve(program.c_str(), argv, environ);
            ::_exit(127);
        }
        ::_exit(grandchild < 0 ? 1 : 0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}
