// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Corvel, bare_window (a window shown by Qt alone) and bare_window --text (the same with one
// line of text, the least any window that shows words pays) in turn on an Xvfb of its own and
// reports for each the time from launch until its window is mapped, and the memory it holds two
// seconds later. Then it watches each idle, shown and then focused, and counts how often its
// threads wake up and how much CPU it uses. Pss depends on what else on the machine shares the
// same libraries; CPU time to the map is the figure least swayed by a busy machine.
//
//   bench_startup [RUNS [CORVEL BARE_WINDOW [IDLE_SECONDS]]]     10 runs of each and 10 s idle unless
//                                                                 given; 0 idle seconds skips the watch
//
// Corvel broadcasts as it starts, so this refuses to run outside a private network namespace:
// tests/netns/run-in-netns.sh build/bench/bench_startup

#include "platform/x11_connection_xcb.h"

#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto mapTimeout = 20s;
constexpr auto memorySettle = 2s;
constexpr auto idleSettle = 3s;
// A text cursor blinks for ten seconds after the last input, the focus included; idle begins after.
constexpr auto focusSettle = 11s;
// The calls a thread waits in, and the one that arms a timer.
constexpr const char *waitCalls =
    "trace=poll,ppoll,epoll_wait,epoll_pwait,select,pselect6,clock_nanosleep,nanosleep,timerfd_settime";

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "bench_startup: %s\n", message.c_str());
    std::exit(1);
}

std::string readFile(const fs::path &path)
{
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The null-terminated array that exec takes.
std::vector<char *> pointers(std::vector<std::string> &strings)
{
    std::vector<char *> array;
    array.reserve(strings.size() + 1);
    for (std::string &text : strings)
        array.push_back(text.data());
    array.push_back(nullptr);
    return array;
}

// Starts a command with its output going to a file; `fd3`, when given, becomes its descriptor 3.
pid_t spawn(std::vector<std::string> command, std::vector<std::string> environment, const fs::path &log, int fd3 = -1)
{
    std::vector<char *> argv = pointers(command);
    std::vector<char *> envp = pointers(environment);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    if (fd3 >= 0)
        posix_spawn_file_actions_adddup2(&actions, fd3, 3);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        fail("cannot start " + command[0]);
    return pid;
}

std::vector<std::string> currentEnvironment()
{
    std::vector<std::string> environment;
    for (char **variable = environ; *variable != nullptr; ++variable)
        environment.emplace_back(*variable);
    return environment;
}

std::string proc(pid_t pid, const std::string &file)
{
    return "/proc/" + std::to_string(pid) + '/' + file;
}

// Time on a CPU so far, of the threads still running.
double cpuTime(pid_t pid)
{
    double nanoseconds = 0;
    for (const fs::directory_entry &task : fs::directory_iterator(proc(pid, "task")))
        nanoseconds += std::stod(readFile(task.path() / "schedstat"));
    return nanoseconds / 1e6;
}

void end(pid_t pid)
{
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

// Xvfb on a display it picks itself, with no window manager: top-level windows are the root's
// children, so their MapNotify reaches whoever watches the root's substructure.
class Display {
public:
    Display();
    ~Display();
    Display(const Display &) = delete;
    Display &operator=(const Display &) = delete;

    const std::string &name() const { return m_name; }
    // The first top-level window mapped, or 0 when `pid` ends or the time is up first.
    xcb_window_t waitForMap(pid_t pid);
    std::string size(xcb_window_t window);
    void focus(xcb_window_t window);

private:
    pid_t m_server = 0;
    std::string m_name;
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
};

Display::Display()
{
    std::array<int, 2> pipe{};
    if (pipe2(pipe.data(), O_CLOEXEC) != 0)
        fail("no pipe");
    m_server = spawn({"Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"},
                     currentEnvironment(), "/dev/null", pipe[1]);
    close(pipe[1]);
    // Xvfb writes the number and the newline apart, and ends when the pipe closes before both.
    std::string number;
    char next = 0;
    while (read(pipe[0], &next, 1) == 1 && next != '\n')
        number += next;
    close(pipe[0]);
    if (next != '\n')
        fail("Xvfb did not start");
    m_name = ':' + number;
    m_connection = xcb_connect(m_name.c_str(), nullptr);
    if (xcb_connection_has_error(m_connection) != 0)
        fail("cannot connect to Xvfb on " + m_name);
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
}

Display::~Display()
{
    xcb_disconnect(m_connection);
    end(m_server);
}

xcb_window_t Display::waitForMap(pid_t pid)
{
    const auto deadline = Clock::now() + mapTimeout;
    while (Clock::now() < deadline) {
        xcb_window_t mapped = 0;
        while (const corvel::XcbReply<xcb_generic_event_t> event{xcb_poll_for_event(m_connection)}) {
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event.get());
            if (map->override_redirect == 0 && mapped == 0)
                mapped = map->window;
        }
        if (mapped != 0)
            return mapped;
        if (waitpid(pid, nullptr, WNOHANG) != 0)
            return 0;
        pollfd connection{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        poll(&connection, 1, 100);
    }
    return 0;
}

std::string Display::size(xcb_window_t window)
{
    const corvel::XcbReply<xcb_get_geometry_reply_t> geometry{
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr)};
    return geometry ? std::to_string(geometry->width) + 'x' + std::to_string(geometry->height) : "?";
}

void Display::focus(xcb_window_t window)
{
    xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    xcb_flush(m_connection);
}

struct Program {
    std::string name;
    std::vector<std::string> command;
};

// A program started with an empty home of its own, until its window is mapped.
class Started {
public:
    Started(Display &display, const Program &program);
    ~Started();
    Started(const Started &) = delete;
    Started &operator=(const Started &) = delete;

    pid_t pid() const { return m_pid; }
    xcb_window_t window() const { return m_window; }
    double milliseconds() const { return m_milliseconds; }
    double cpuMilliseconds() const { return m_cpuMilliseconds; }
    const fs::path &home() const { return m_home; }

private:
    fs::path m_home;
    pid_t m_pid = 0;
    xcb_window_t m_window = 0;
    double m_milliseconds = 0;
    double m_cpuMilliseconds = 0;
};

Started::Started(Display &display, const Program &program)
{
    std::string home = (fs::temp_directory_path() / "bench-startup-XXXXXX").string();
    if (mkdtemp(home.data()) == nullptr)
        fail("no temporary directory");
    m_home = home;
    std::vector<std::string> environment;
    for (std::string &variable : currentEnvironment()) {
        const std::string name = variable.substr(0, variable.find('='));
        // The XDG ones would point at the caller's session and directories.
        if (name != "HOME" && name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "QT_QPA_PLATFORM" &&
            !name.starts_with("XDG_"))
            environment.push_back(std::move(variable));
    }
    environment.insert(environment.end(), {"HOME=" + home, "XDG_CONFIG_HOME=" + home + "/.config",
                                           "DISPLAY=" + display.name(), "QT_QPA_PLATFORM=xcb"});

    const auto start = Clock::now();
    m_pid = spawn(program.command, std::move(environment), m_home / "output");
    m_window = display.waitForMap(m_pid);
    m_milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (m_window == 0)
        fail(program.name + " showed no window; its output:\n" + readFile(m_home / "output"));
    m_cpuMilliseconds = cpuTime(m_pid);
}

Started::~Started()
{
    end(m_pid);
    fs::remove_all(m_home);
}

// A "Name:   123 kB" line of a /proc file.
long kilobytes(const std::string &path, const std::string &name)
{
    std::istringstream lines(readFile(path));
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(name + ':'))
            return std::stol(line.substr(name.size() + 1));
    }
    return -1;
}

// utime + stime, the 14th and 15th fields of /proc/PID/stat; the name in the 2nd may hold blanks.
long cpuTicks(pid_t pid)
{
    const std::string stat = readFile(proc(pid, "stat"));
    std::istringstream fields(stat.substr(stat.rfind(')') + 1));
    std::string skipped;
    for (int field = 3; field < 14; ++field)
        fields >> skipped;
    long user = 0;
    long system = 0;
    fields >> user >> system;
    return user + system;
}

struct Idle {
    long ticks = 0;
    int wakeUps = 0;
    int timeouts = 0;
    std::map<std::pair<std::string, std::string>, int> returns; // (thread, call) -> how often it returned
    std::map<std::string, std::string> last; // thread -> its last call, unfinished when it still waits
};

std::string threadName(pid_t pid, const std::string &tid)
{
    const std::string comm = readFile(proc(pid, "task/" + tid + "/comm"));
    return tid + ' ' + comm.substr(0, comm.find('\n'));
}

// strace -f -tt lines: "TID TIME call(args) = result", or split in "call(args <unfinished ...>"
// and "<... call resumed>) = result". A result of "?" is a call cut short by attaching.
Idle parseTrace(pid_t pid, const fs::path &trace)
{
    Idle idle;
    std::ifstream lines(trace);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string tid;
        std::string time;
        fields >> tid >> time >> std::ws;
        std::string call;
        std::getline(fields, call);
        const std::string thread = threadName(pid, tid);
        idle.last[thread] = call;
        // Calls still waiting when the watch began or ended have no result.
        const std::size_t equals = call.rfind(" = ");
        if (equals == std::string::npos)
            continue;
        const bool resumed = call.starts_with("<... ");
        const std::string name = resumed ? call.substr(5, call.find(' ', 5) - 5) : call.substr(0, call.find('('));
        const std::string result = call.substr(equals + 3);
        if (result.starts_with('?'))
            continue;
        ++idle.returns[{thread, name}];
        if (name == "timerfd_settime")
            continue;
        ++idle.wakeUps;
        if (result.starts_with("0 ") || result == "0")
            ++idle.timeouts;
    }
    return idle;
}

Idle watchIdle(const Started &program, std::chrono::seconds span)
{
    const fs::path trace = program.home() / "strace";
    const long before = cpuTicks(program.pid());
    const pid_t tracer = spawn(
        {"strace", "-f", "-qq", "-tt", "-o", trace.string(), "-e", waitCalls, "-p", std::to_string(program.pid())},
        currentEnvironment(), program.home() / "strace.log");
    std::this_thread::sleep_for(span);
    kill(tracer, SIGINT);
    waitpid(tracer, nullptr, 0);
    Idle idle = parseTrace(program.pid(), trace);
    idle.ticks = cpuTicks(program.pid()) - before;
    return idle;
}

void printIdle(const std::string &label, const Idle &idle)
{
    std::printf("%-18s %3d wake-ups (%d timeouts), %ld CPU ticks of 1/%ld s\n", label.c_str(), idle.wakeUps,
                idle.timeouts, idle.ticks, sysconf(_SC_CLK_TCK));
    for (const auto &[call, count] : idle.returns)
        std::printf("    %-22s %-16s %4d returns\n", call.first.c_str(), call.second.c_str(), count);
    for (const auto &[thread, call] : idle.last)
        std::printf("    %-22s last: %.100s\n", thread.c_str(), call.c_str());
}

struct Figures {
    std::vector<double> milliseconds;
    std::vector<double> cpu;
    std::vector<double> rss;
    std::vector<double> pss;
    std::string size;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void printRow(const std::string &label, const std::vector<double> &values)
{
    const auto [least, most] = std::minmax_element(values.begin(), values.end());
    std::printf("%-22s %10.1f %10.1f %10.1f\n", label.c_str(), median(values), *least, *most);
}

void printRatio(const std::string &label, const std::vector<double> &corvel, const std::vector<double> &bare)
{
    const double ratio = median(corvel) / median(bare);
    std::printf("%-22s %10.2fx  %s\n", label.c_str(), ratio, ratio <= 1.25 ? "within 1.25x" : "OVER 1.25x");
}

// Every interface of this namespace is in /proc/net/dev, two header lines first. The wrapper's
// lan0 and lan1 are a veth pair that stays inside it.
void requirePrivateNetwork()
{
    std::istringstream lines(readFile("/proc/net/dev"));
    std::string line;
    for (int header = 0; header < 2; ++header)
        std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string interface;
        fields >> interface;
        if (interface != "lo:" && !interface.starts_with("lan"))
            fail("Corvel would broadcast on " + interface + " run me through tests/netns/run-in-netns.sh");
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const int runs = arguments.empty() ? 10 : std::stoi(arguments[0]);
    const fs::path here = fs::read_symlink("/proc/self/exe").parent_path();
    const std::string corvelPath = arguments.size() >= 3 ? arguments[1] : (here / "../src/corvel").string();
    const std::string barePath = arguments.size() >= 3 ? arguments[2] : (here / "bare_window").string();
    const Program corvel{"corvel", {corvelPath}};
    const Program bare{"bare", {barePath}};
    const Program text{"bare+text", {barePath, "--text"}};
    const std::array programs{&corvel, &bare, &text};
    const std::chrono::seconds idleSpan(arguments.size() >= 4 ? std::stoi(arguments[3]) : 10);
    requirePrivateNetwork();
    Display display;

    // Untimed: the first start of each reads its libraries and fonts from disk.
    for (const Program *program : programs)
        Started warmUp(display, *program);

    std::map<const Program *, Figures> figures;
    for (int run = 0; run < runs; ++run) {
        for (const Program *program : programs) {
            const Started started(display, *program);
            std::this_thread::sleep_for(memorySettle);
            Figures &own = figures[program];
            own.milliseconds.push_back(started.milliseconds());
            own.cpu.push_back(started.cpuMilliseconds());
            own.rss.push_back(static_cast<double>(kilobytes(proc(started.pid(), "status"), "VmRSS")));
            own.pss.push_back(static_cast<double>(kilobytes(proc(started.pid(), "smaps_rollup"), "Pss")));
            own.size = display.size(started.window());
        }
    }

    std::printf("start-up to window mapped, and memory %lld s later: %d runs each, interleaved\n",
                static_cast<long long>(memorySettle.count()), runs);
    std::printf("%-22s %10s %10s %10s\n", "", "median", "min", "max");
    for (const Program *program : programs) {
        const Figures &own = figures[program];
        printRow(program->name + " start-up ms", own.milliseconds);
        printRow(program->name + " CPU ms to map", own.cpu);
        printRow(program->name + " VmRSS kB", own.rss);
        printRow(program->name + " Pss kB", own.pss);
    }
    for (const Program *yardstick : {&bare, &text}) {
        const Figures &own = figures[&corvel];
        const Figures &other = figures[yardstick];
        std::printf("corvel/%s, medians:\n", yardstick->name.c_str());
        printRatio("  start-up", own.milliseconds, other.milliseconds);
        printRatio("  CPU to map", own.cpu, other.cpu);
        printRatio("  VmRSS", own.rss, other.rss);
        printRatio("  Pss", own.pss, other.pss);
    }
    std::printf("window sizes: corvel %s, bare %s, bare+text %s\n\n", figures[&corvel].size.c_str(),
                figures[&bare].size.c_str(), figures[&text].size.c_str());

    if (idleSpan.count() == 0)
        return 0;
    std::printf("idle for %lld s, %lld s after start-up; then again %lld s after the window took the focus\n",
                static_cast<long long>(idleSpan.count()), static_cast<long long>(idleSettle.count()),
                static_cast<long long>(focusSettle.count()));
    for (const Program *program : programs) {
        const Started started(display, *program);
        std::this_thread::sleep_for(idleSettle);
        printIdle(program->name + " shown", watchIdle(started, idleSpan));
        display.focus(started.window());
        std::this_thread::sleep_for(focusSettle);
        printIdle(program->name + " focused", watchIdle(started, idleSpan));
    }
    return 0;
}
