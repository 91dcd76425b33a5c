// Wake-ups of a desktop program's message loop while nobody touches it, on a real X server: the
// loop must sleep until input arrives or its next timer is due. Run it through the X runner:
//
//   tests/x11/with_x.sh build/bench/sdl_idle_bench
//
// The program runs with VR_TRACE_WAKEUPS set, so its backend prints one line per wake-up on
// stderr; the figure is the count over 10 s after the pointer has come to rest.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

using std::chrono::steady_clock;

// The program, started with its stderr on a pipe; ended when the object goes.
class TracedProgram {
  public:
    explicit TracedProgram(std::vector<std::string> argv) {
        if (pipe(fds_.data()) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds_[1], STDERR_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addclose(&actions, fds_[0]);
        std::vector<std::string> environment{"VR_TRACE_WAKEUPS=1"};
        for (char** e = environ; *e != nullptr; ++e) {
            environment.emplace_back(*e);
        }
        std::vector<char*> envp;
        envp.reserve(environment.size() + 1);
        for (std::string& e : environment) {
            envp.push_back(e.data());
        }
        envp.push_back(nullptr);
        std::vector<char*> args;
        args.reserve(argv.size() + 1);
        for (std::string& a : argv) {
            args.push_back(a.data());
        }
        args.push_back(nullptr);
        if (posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), envp.data()) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(fds_[1]);
        fds_[1] = -1;
    }
    ~TracedProgram() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        if (fds_[0] >= 0) {
            close(fds_[0]);
        }
    }
    TracedProgram(const TracedProgram&) = delete;
    TracedProgram& operator=(const TracedProgram&) = delete;

    pid_t pid() const { return pid_; }

    // Wake-up lines printed until the deadline.
    int CountWakeUps(steady_clock::time_point until) {
        int count = 0;
        std::array<char, 4096> buffer{};
        while (true) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(until - steady_clock::now());
            if (left.count() <= 0) {
                return count;
            }
            pollfd fd{fds_[0], POLLIN, 0};
            if (poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
                continue;
            }
            const ssize_t got = read(fds_[0], buffer.data(), buffer.size());
            if (got <= 0) {
                return count;  // the program ended
            }
            for (ssize_t i = 0; i < got; ++i) {
                line_ += buffer[static_cast<std::size_t>(i)];
                if (buffer[static_cast<std::size_t>(i)] == '\n') {
                    count += line_.rfind("wakeup ", 0) == 0 ? 1 : 0;
                    line_.clear();
                }
            }
        }
    }

  private:
    pid_t pid_ = -1;
    std::array<int, 2> fds_{-1, -1};
    std::string line_;
};

bool Shell(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

enum class Pointer { OnScreen, InWindow };

// The program idle for `seconds` with the pointer resting at (x, y): on the screen, or in the
// program's window.
void IdleWakeUps(benchmark::State& state, const std::string& program, Pointer where, int x, int y) {
    if (std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("no X display: run this through tests/x11/with_x.sh");
        return;
    }
    const auto seconds = std::chrono::seconds(state.range(0));
    for (auto _ : state) {
        TracedProgram traced({program});
        const std::string pid = std::to_string(traced.pid());
        if (traced.pid() <= 0 ||
            !Shell("timeout 20 xdotool search --sync --onlyvisible --pid " + pid + " >/dev/null")) {
            state.SkipWithError("the program's window never appeared");
            return;
        }
        std::string move =
            where == Pointer::OnScreen
                ? "xdotool mousemove "
                : "xdotool search --onlyvisible --pid " + pid + " --name . mousemove --window %1 ";
        move += std::to_string(x);
        move += ' ';
        move += std::to_string(y);
        Shell(move);
        // Let start-up painting and the pointer's arrival pass before counting.
        traced.CountWakeUps(steady_clock::now() + std::chrono::seconds(1));
        const int count = traced.CountWakeUps(steady_clock::now() + seconds);
        state.counters["wakeups"] = count;
        state.counters["wakeups_per_s"] = count / static_cast<double>(seconds.count());
    }
}

}  // namespace

// The demonstration window: pointer away from it, and on it (it has no controls).
BENCHMARK_CAPTURE(IdleWakeUps, demo_pointer_outside, std::string(VR_PLATFORM_DEMO),
                  Pointer::OnScreen, 1010, 760)
    ->Arg(10)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(IdleWakeUps, demo_pointer_on_window, std::string(VR_PLATFORM_DEMO),
                  Pointer::InWindow, 160, 120)
    ->Arg(10)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

#ifdef VR_SIMULATOR
// The program (with the emulated controller): pointer outside every control, and resting on the
// Apply button (at 586, 474 in the window), where only the hover watch runs.
BENCHMARK_CAPTURE(IdleWakeUps, program_pointer_outside, std::string(VR_SIMULATOR),
                  Pointer::OnScreen, 1010, 760)
    ->Arg(10)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(IdleWakeUps, program_pointer_on_apply, std::string(VR_SIMULATOR),
                  Pointer::InWindow, 606, 484)
    ->Arg(10)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
#endif

BENCHMARK_MAIN();
