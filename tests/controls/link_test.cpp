// Opening a label's link: the desktop's opener gets the target as its one argument, never through
// a shell, once per press, and leaves no child process of ours behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "controls/link_opener.hpp"
#include "controls/mp_static.hpp"
#include "harness.hpp"

namespace ctltest {
namespace {

namespace fs = std::filesystem;

// A stand-in xdg-open on PATH that writes its argument count and first argument to a log.
class LinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/vr-link-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir = pattern;
        log = dir / "log";
        const fs::path opener = dir / "xdg-open";
        std::ofstream(opener) << "#!/bin/sh\nprintf '%s|%s\\n' \"$#\" \"$1\" >> \"$VR_LINK_LOG\"\n";
        fs::permissions(opener, fs::perms::owner_all);
        if (const char* path = std::getenv("PATH")) savedPath = path;
        ::setenv("PATH", dir.c_str(), 1);
        ::setenv("VR_LINK_LOG", log.c_str(), 1);
    }
    void TearDown() override {
        if (savedPath) ::setenv("PATH", savedPath->c_str(), 1);
        ::unsetenv("VR_LINK_LOG");
        fs::remove_all(dir);
    }

    // The log's lines once it holds at least n of them (the opener runs detached).
    std::vector<std::string> WaitForLines(std::size_t n) const {
        std::vector<std::string> lines;
        for (int attempt = 0; attempt < 1000; ++attempt) {
            lines.clear();
            std::ifstream in(log);
            for (std::string line; std::getline(in, line);) lines.push_back(line);
            if (lines.size() >= n) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return lines;
    }

    fs::path dir;
    fs::path log;
    std::optional<std::string> savedPath;
};

TEST_F(LinkTest, TargetIsOneArgumentAndNoShellSeesIt) {
    const fs::path trap = dir / "injected";
    const std::string target = "https://example.org/a b?x=1&y=2;$(touch " + trap.string() +
                               ")`touch " + trap.string() + "` 'q' \"d\" *";
    OpenLinkInBrowser(std::wstring(target.begin(), target.end()));
    EXPECT_EQ(WaitForLines(1), std::vector<std::string>{"1|" + target});
    EXPECT_FALSE(fs::exists(trap));
}

TEST_F(LinkTest, NonAsciiTargetArrivesAsUtf8) {
    OpenLinkInBrowser(L"https://example.org/\u706F\u6548");
    EXPECT_EQ(WaitForLines(1),
              std::vector<std::string>{"1|https://example.org/\xE7\x81\xAF\xE6\x95\x88"});
}

TEST_F(LinkTest, LeavesNoChildProcessBehind) {
    OpenLinkInBrowser(L"https://example.org/");
    WaitForLines(1);
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(LinkTest, MissingOpenerIsIgnored) {
    fs::remove(dir / "xdg-open");
    OpenLinkInBrowser(L"https://example.org/");
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_FALSE(fs::exists(log));
}

TEST_F(LinkTest, LabelOpensItsTargetOncePerPressAndNothingWithoutOne) {
    TestParent parent;
    CMPStatic plain;
    CMPStatic linked;
    const DWORD style = WS_CHILD | WS_VISIBLE | SS_NOTIFY;
    ASSERT_TRUE(plain.Create(L"static", L"plain", style, RECT{10, 10, 90, 30}, &parent, 1530));
    linked.linkTarget = L"https://example.org/vespane";
    ASSERT_TRUE(linked.Create(L"static", L"link", style, RECT{10, 40, 90, 60}, &parent, 1531));
    Pump();

    MouseDown(parent.Screen(plain, {5, 5}));
    MouseUp(parent.Screen(plain, {5, 5}));
    MouseDown(parent.Screen(linked, {5, 5}));
    MouseUp(parent.Screen(linked, {5, 5}));
    EXPECT_EQ(WaitForLines(1), std::vector<std::string>{"1|https://example.org/vespane"});

    MouseMove(parent.Screen(linked, {6, 6}));  // moves open nothing
    MouseDown(parent.Screen(linked, {6, 6}));
    MouseUp(parent.Screen(linked, {6, 6}));
    EXPECT_EQ(WaitForLines(2).size(), 2u);
    EXPECT_TRUE(parent.notes.empty());
}

}  // namespace
}  // namespace ctltest
