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
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

using std::chrono::steady_clock;

// Which trace lines the program prints: its presents only, or also every wake-up (a line on a
// pipe costs the program a good part of a wake-up's CPU, so CPU figures are taken without).
enum class Trace { Presents, PresentsAndWakeUps };

// The program, started with its stderr on a pipe; ended when the object goes.
class TracedProgram {
  public:
    explicit TracedProgram(std::vector<std::string> argv, Trace trace = Trace::PresentsAndWakeUps) {
        if (pipe(fds_.data()) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds_[1], STDERR_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addclose(&actions, fds_[0]);
        std::vector<std::string> environment{"VR_TRACE_PRESENTS=1"};
        if (trace == Trace::PresentsAndWakeUps) {
            environment.emplace_back("VR_TRACE_WAKEUPS=1");
        }
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
        ReadLines(until, [&](const std::string& line) {
            count += line.rfind("wakeup ", 0) == 0 ? 1 : 0;
            return false;
        });
        return count;
    }

    // The first line printed before the deadline that starts with `prefix`; empty if none.
    std::string WaitForLine(const std::string& prefix, steady_clock::time_point until) {
        std::string found;
        ReadLines(until, [&](const std::string& line) {
            if (line.rfind(prefix, 0) != 0) {
                return false;
            }
            found = line;
            return true;
        });
        return found;
    }

    // The CPU time the program's main thread has used so far, in ns (/proc/PID/schedstat).
    double CpuNs() const {
        std::ifstream schedstat("/proc/" + std::to_string(pid_) + "/schedstat");
        double ns = 0;
        schedstat >> ns;
        return ns;
    }

    // The CPU time all the program's threads have used so far, in ns (a thread of its own, or of
    // a library, counts as much as the main one).
    double ProcessCpuNs() const {
        double ns = 0;
        std::error_code error;
        const std::string tasks = "/proc/" + std::to_string(pid_) + "/task";
        for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
            std::ifstream schedstat(task.path() / "schedstat");
            double taskNs = 0;
            if (schedstat >> taskNs) ns += taskNs;
        }
        return ns;
    }

    // How many times the main thread has gone to sleep so far: its wake-ups, counted without
    // the program's help.
    long long Sleeps() const {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        std::string line;
        const std::string key = "voluntary_ctxt_switches:";
        while (std::getline(status, line)) {
            if (line.rfind(key, 0) == 0) {
                return std::stoll(line.substr(key.size()));
            }
        }
        return -1;
    }

    // Reads and drops what the program prints until the deadline.
    void Idle(steady_clock::time_point until) {
        ReadLines(until, [](const std::string& /*line*/) { return false; });
    }

  private:
    // Hands each line printed until the deadline to `take` until it returns true.
    template <typename Take>
    void ReadLines(steady_clock::time_point until, Take take) {
        std::array<char, 4096> buffer{};
        while (true) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(until - steady_clock::now());
            if (left.count() <= 0) {
                return;
            }
            pollfd fd{fds_[0], POLLIN, 0};
            if (poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
                continue;
            }
            const ssize_t got = read(fds_[0], buffer.data(), buffer.size());
            if (got <= 0) {
                return;  // the program ended
            }
            for (ssize_t i = 0; i < got; ++i) {
                const char c = buffer[static_cast<std::size_t>(i)];
                if (c != '\n') {
                    line_ += c;
                    continue;
                }
                const bool done = take(line_);
                line_.clear();
                if (done) {
                    return;
                }
            }
        }
    }

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

// Start-up to the first frame on the screen: from starting the process to its "appear" trace
// line (the steady clock, in µs, after the first picture went to the X server), and the CPU all
// its threads had used by then. The two programs are started by turns, so that each pair of runs
// meets about the same load; on a shared machine the load still changes from pair to pair, so
// besides the medians the figures are the median of the pairs' ratios, the lower quartiles (the
// runs least disturbed) and the spread between the quartiles.
struct StartUp {
    double wallMs = -1;
    double cpuMs = -1;
};

StartUp MeasureStartUp(const std::string& program) {
    const auto start = std::chrono::duration_cast<std::chrono::microseconds>(
                           steady_clock::now().time_since_epoch())
                           .count();
    TracedProgram traced({program});
    std::istringstream line(
        traced.WaitForLine("appear ", steady_clock::now() + std::chrono::seconds(20)));
    const double cpuNs = traced.ProcessCpuNs();
    std::string kind;
    long long ticks = 0;
    long long pixels = 0;
    long long at = 0;
    if (!(line >> kind >> ticks >> pixels >> at)) {
        return StartUp{};
    }
    return StartUp{static_cast<double>(at - start) / 1000.0, cpuNs / 1e6};
}

// The value below which a fraction `q` of the values lie (0.5: the median).
double Quantile(std::vector<double> values, double q) {
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5)];
}

double Median(std::vector<double> values) {
    return Quantile(std::move(values), 0.5);
}

// The load average over the last minute: the figures are only comparable at a like load.
double LoadAverage() {
    std::ifstream loadavg("/proc/loadavg");
    double load = -1;
    loadavg >> load;
    return load;
}

// Each pair's ratio, program over bare window.
std::vector<double> Ratios(const std::vector<double>& ours, const std::vector<double>& bare) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < ours.size() && i < bare.size(); ++i) {
        if (ours[i] > 0 && bare[i] > 0) ratios.push_back(ours[i] / bare[i]);
    }
    return ratios;
}

// Median, lower quartile and the spread between the quartiles relative to the median.
void Summarise(benchmark::State& state, const std::string& name, const std::vector<double>& v) {
    const double median = Median(v);
    state.counters[name] = median;
    state.counters[name + "_q1"] = Quantile(v, 0.25);
    state.counters[name + "_spread"] = (Quantile(v, 0.75) - Quantile(v, 0.25)) / median;
}

[[maybe_unused]] void StartUpAgainstBareSdl(benchmark::State& state, const std::string& program) {
    if (std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("no X display: run this through tests/x11/with_x.sh");
        return;
    }
    for (auto _ : state) {
        std::vector<double> bareWall;
        std::vector<double> bareCpu;
        std::vector<double> ourWall;
        std::vector<double> ourCpu;
        const double loadBefore = LoadAverage();
        for (int round = 0; round < state.range(0); ++round) {
            // Which of the two goes first alternates, so that neither always finds the other's
            // leftovers (its pages in the cache, the X server still busy with its windows).
            const bool bareFirst = round % 2 == 0;
            const StartUp first = MeasureStartUp(bareFirst ? VR_BARE_SDL_WINDOW : program);
            const StartUp second = MeasureStartUp(bareFirst ? program : VR_BARE_SDL_WINDOW);
            const StartUp& bare = bareFirst ? first : second;
            const StartUp& ours = bareFirst ? second : first;
            bareWall.push_back(bare.wallMs);
            bareCpu.push_back(bare.cpuMs);
            ourWall.push_back(ours.wallMs);
            ourCpu.push_back(ours.cpuMs);
        }
        Summarise(state, "bare_sdl_ms", bareWall);
        Summarise(state, "program_ms", ourWall);
        state.counters["ratio"] = Median(ourWall) / Median(bareWall);
        Summarise(state, "pair_ratio", Ratios(ourWall, bareWall));
        state.counters["bare_sdl_cpu_ms"] = Median(bareCpu);
        state.counters["program_cpu_ms"] = Median(ourCpu);
        state.counters["cpu_ratio"] = Median(ourCpu) / Median(bareCpu);
        state.counters["load"] = (loadBefore + LoadAverage()) / 2;
    }
}

#ifdef VR_SIMULATOR
BENCHMARK_CAPTURE(StartUpAgainstBareSdl, program_vs_bare_sdl_window, std::string(VR_SIMULATOR))
    ->Arg(41)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// CPU and wake-ups of a program's main thread over 20 s, untraced, once `settle` has passed
// after its first frame and `prepare` (given the program's pid) has run.
template <typename Prepare>
void RestingCpu(benchmark::State& state, std::vector<std::string> argv, Prepare prepare,
                std::chrono::seconds settle) {
    if (std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("no X display: run this through tests/x11/with_x.sh");
        return;
    }
    for (auto _ : state) {
        TracedProgram traced(argv, Trace::Presents);
        if (traced.WaitForLine("appear ", steady_clock::now() + std::chrono::seconds(20)).empty()) {
            state.SkipWithError("the program's window never appeared");
            return;
        }
        prepare(std::to_string(traced.pid()));
        traced.Idle(steady_clock::now() + settle);
        const double cpuBefore = traced.CpuNs();
        const long long sleepsBefore = traced.Sleeps();
        traced.Idle(steady_clock::now() + std::chrono::seconds(20));
        const double cpuNs = traced.CpuNs() - cpuBefore;
        const long long wakeUps = traced.Sleeps() - sleepsBefore;
        state.counters["cpu_ms_per_20s"] = cpuNs / 1e6;
        state.counters["wakeups"] = static_cast<double>(wakeUps);
        state.counters["cpu_us_per_wakeup"] = wakeUps > 0 ? cpuNs / 1e3 / wakeUps : 0;
        state.counters["load"] = LoadAverage();
    }
}

// The program with the pointer resting on Apply (after its tooltip has come and gone): the hover
// watch's ticks.
void RestingOnApplyCpu(benchmark::State& state) {
    RestingCpu(
        state, {VR_SIMULATOR},
        [](const std::string& pid) {
            Shell("xdotool search --onlyvisible --pid " + pid + " --name . mousemove --window %1 " +
                  "683 498");
        },
        std::chrono::seconds(4));
}
BENCHMARK(RestingOnApplyCpu)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// The floor of such a tick through SDL: a bare SDL2 window woken by its event wait every 200 ms
// (the hover watch's period), doing nothing then.
void BareSdlTickCpu(benchmark::State& state) {
    RestingCpu(
        state, {VR_BARE_SDL_WINDOW, "--wake-every", "200"}, [](const std::string& /*pid*/) {},
        std::chrono::seconds(1));
}
BENCHMARK(BareSdlTickCpu)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// The floor of a wake-up on this machine: this thread sleeping in poll() for 200 ms at a time
// (the hover watch's period), its CPU per 20 s and per wake-up; the program's resting CPU is
// this floor times its wake-ups plus its own work. Argument 0: poll() on no descriptor; 1: on
// the two the program's wait watches, a Unix socket (as its X connection) and an eventfd.
void BarePollWakeUpCpu(benchmark::State& state) {
    std::array<int, 2> sockets{-1, -1};
    const int wake = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wake < 0 || socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets.data()) != 0) {
        state.SkipWithError("no eventfd or socket pair");
        return;
    }
    std::array<pollfd, 2> fds{{{sockets[0], POLLIN, 0}, {wake, POLLIN, 0}}};
    const nfds_t watched = state.range(0) == 0 ? 0 : fds.size();
    for (auto _ : state) {
        const auto threadCpuNs = [] {
            std::ifstream schedstat("/proc/thread-self/schedstat");
            double ns = 0;
            schedstat >> ns;
            return ns;
        };
        constexpr int kWakeUps = 50;
        const double before = threadCpuNs();
        for (int i = 0; i < kWakeUps; ++i) {
            poll(watched == 0 ? nullptr : fds.data(), watched, 200);
        }
        const double cpuNs = threadCpuNs() - before;
        state.counters["cpu_us_per_wakeup"] = cpuNs / 1e3 / kWakeUps;
        state.counters["cpu_ms_per_20s"] = cpuNs / 1e6 * 100 / kWakeUps;
        state.counters["load"] = LoadAverage();
    }
    close(sockets[0]);
    close(sockets[1]);
    close(wake);
}
BENCHMARK(BarePollWakeUpCpu)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

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
