// Drives Quillomar and the floor program side by side under X, interleaved, and prints the table: exec to
// the first window mapped, splash click to the game window mapped, pit click to the first damage on the game
// window, peak RSS, wake-ups and CPU while idle, threads after the clicks.
// usage: bench_measure RUNS WARMUPS QUILLOMAR FLOOR
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
Display* display;
int damageBase;
Damage damage = 0;

// The pits clicked in each run, as points of the 454 by 215 board: a game of two people that stays open.
constexpr int kPits[][2] = {{93, 157}, {231, 157}, {363, 157}, {229, 128}, {121, 128}, {149, 101}};

double Since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "bench: %s\n", what);
    std::exit(2);
}

// Handles events until one matches (true) or nothing has matched for the timeout (false). Damage is taken
// at once, so that the next change of the window reports again.
bool WaitFor(const std::function<bool(const XEvent&)>& match, int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == damageBase + XDamageNotify && damage) XDamageSubtract(display, damage, None, None);
            if (match(event)) return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left));
    }
}

void Settle(int ms) {
    WaitFor([](const XEvent&) { return false; }, ms);
}

Window MappedWindow(Window other) {
    Window mapped = 0;
    if (!WaitFor([&](const XEvent& e) { return e.type == MapNotify && (mapped = e.xmap.window) != other; }, 10000))
        Fail("no window mapped within 10 s");
    return mapped;
}

void MoveTo(int x, int y) {
    XTestFakeMotionEvent(display, -1, x, y, 0);
    XFlush(display);
    Settle(30);
}

void Click() {
    XTestFakeButtonEvent(display, 1, True, 0);
    XTestFakeButtonEvent(display, 1, False, 0);
    XFlush(display);
}

struct Geometry {
    int x, y, width, height;
};
Geometry GeometryOf(Window window) {
    Window root, child;
    int x, y;
    unsigned width, height, border, depth;
    XGetGeometry(display, window, &root, &x, &y, &width, &height, &border, &depth);
    XTranslateCoordinates(display, window, root, 0, 0, &x, &y, &child);
    return {x, y, int(width), int(height)};
}

std::string ProcFile(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

long StatusField(const std::string& status, const std::string& name) {
    const auto at = status.find(name + ":");
    return at == std::string::npos ? 0 : std::atol(status.c_str() + at + name.size() + 1);
}

// Context switches of each thread by id.
std::map<std::string, long> Switches(pid_t pid) {
    std::map<std::string, long> switches;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* dir = opendir(tasks.c_str())) {
        while (dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.') continue;
            const std::string status = ProcFile(tasks + "/" + entry->d_name + "/status");
            switches[entry->d_name] =
                StatusField(status, "voluntary_ctxt_switches") + StatusField(status, "nonvoluntary_ctxt_switches");
        }
        closedir(dir);
    }
    return switches;
}

double CpuMs(pid_t pid) {
    std::string stat = ProcFile("/proc/" + std::to_string(pid) + "/stat");
    stat = stat.substr(stat.rfind(')') + 2);  // fields from the third on
    std::vector<std::string> fields;
    for (size_t at = 0, end; at < stat.size(); at = end + 1) {
        end = std::min(stat.find(' ', at), stat.size());
        fields.push_back(stat.substr(at, end - at));
    }
    return (std::atof(fields[11].c_str()) + std::atof(fields[12].c_str())) * 1000.0 / sysconf(_SC_CLK_TCK);
}

struct Samples {
    std::vector<double> start, open, click, rss;
    long threads = 0, wakeups = 0;
    double idleCpu = 0;
};

void RunOnce(const char* program, Samples& out, bool idle) {
    Settle(50);
    const auto started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    const Window splash = MappedWindow(0);
    out.start.push_back(Since(started));
    Settle(300);
    const Geometry s = GeometryOf(splash);
    MoveTo(s.x + s.width / 2, s.y + s.height / 2);
    const auto clicked = Clock::now();
    Click();
    const Window game = MappedWindow(splash);
    out.open.push_back(Since(clicked));
    damage = XDamageCreate(display, game, XDamageReportNonEmpty);
    Settle(300);
    const Geometry g = GeometryOf(game);
    const int boardTop = g.y + g.height - 215;  // the menu bar stands above the board
    for (const auto& pit : kPits) {
        MoveTo(g.x + pit[0], boardTop + pit[1]);
        const auto pressed = Clock::now();
        Click();
        if (!WaitFor([](const XEvent& e) { return e.type == damageBase + XDamageNotify; }, 2000))
            Fail("no repaint within 2 s of a click");
        out.click.push_back(Since(pressed));
        Settle(50);
    }
    const std::string proc = "/proc/" + std::to_string(pid);
    out.threads = std::max(out.threads, StatusField(ProcFile(proc + "/status"), "Threads"));
    out.rss.push_back(StatusField(ProcFile(proc + "/status"), "VmHWM") / 1024.0);
    if (idle) {
        const auto before = Switches(pid);
        const double cpu = CpuMs(pid);
        Settle(10000);
        const auto after = Switches(pid);
        out.idleCpu = CpuMs(pid) - cpu;
        for (const auto& [tid, count] : before) {
            auto found = after.find(tid);
            out.wakeups += found == after.end() ? 1 : found->second - count;  // a thread that ended woke to end
        }
        for (const auto& [tid, count] : after)
            out.wakeups += before.count(tid) ? 0 : count;
    }
    XDamageDestroy(display, damage);
    damage = 0;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const size_t rank = static_cast<size_t>(p * v.size() + 0.999999);  // nearest rank
    return v[std::clamp<size_t>(rank, 1, v.size()) - 1];
}

void Row(const char* name, const std::vector<double>& q, const std::vector<double>& f, double goal) {
    const double ratio = Percentile(q, 0.5) / Percentile(f, 0.5);
    std::printf("%-36s %7.2f %7.2f   %7.2f %7.2f   %5.2f   ratio <= %.2f  %s\n", name, Percentile(q, 0.5),
                Percentile(q, 0.99), Percentile(f, 0.5), Percentile(f, 0.99), ratio, goal,
                ratio <= goal ? "met" : "NOT MET");
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) Fail("usage: bench_measure RUNS WARMUPS QUILLOMAR FLOOR");
    const int runs = std::atoi(argv[1]), warmups = std::atoi(argv[2]);
    display = XOpenDisplay(nullptr);
    if (!display) Fail("no X display");
    int error, major, minor, opcode;
    if (!XDamageQueryExtension(display, &damageBase, &error) ||
        !XTestQueryExtension(display, &opcode, &error, &major, &minor))
        Fail("the X server lacks DAMAGE or XTEST");
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });  // a window may go while it is looked at
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    Samples quillomar, floor, ignored;
    for (int i = 0; i < warmups + runs; ++i) {
        const bool counted = i >= warmups, idle = i == warmups + runs - 1;
        // Alternate who goes first, so that neither always runs on the heels of the other.
        for (int k = 0; k < 2; ++k) {
            const bool q = (i + k) % 2 == 0;
            RunOnce(q ? argv[3] : argv[4], counted ? (q ? quillomar : floor) : ignored, idle);
        }
        std::fprintf(stderr, "\rrun %d of %d", i + 1, warmups + runs);
    }
    std::fprintf(stderr, "\n");

    std::printf("%d runs each after %d warm-ups; times in ms\n", runs, warmups);
    std::printf("%-36s %15s   %15s   %5s\n", "", "Quillomar", "floor", "");
    std::printf("%-36s %7s %7s   %7s %7s   %5s   %-13s  %s\n", "measure", "median", "p99", "median", "p99", "ratio",
                "goal", "met");
    Row("start to splash mapped", quillomar.start, floor.start, 1.10);
    Row("splash click to game window mapped", quillomar.open, floor.open, 1.10);
    Row("pit click to repaint", quillomar.click, floor.click, 1.20);
    const double p99 = Percentile(quillomar.click, 0.99);
    std::printf("%-36s %7.2f %27s p99 < 3 ms     %s\n", "pit click to repaint, p99", p99, "",
                p99 < 3.0 ? "met" : "NOT MET");
    const double rss = Percentile(quillomar.rss, 0.5), rssFloor = Percentile(floor.rss, 0.5);
    std::printf("%-36s %7.1f %17.1f %13s+%.1f MiB <= +2  %s\n", "peak RSS, game window open (MiB)", rss, rssFloor, "",
                rss - rssFloor, rss - rssFloor <= 2.0 ? "met" : "NOT MET");
    std::printf("%-36s %4ld, %3.0f %14ld, %3.0f %20s  %s\n", "idle 10 s: wake-ups, CPU ms", quillomar.wakeups,
                quillomar.idleCpu, floor.wakeups, floor.idleCpu, "0",
                quillomar.wakeups == 0 && quillomar.idleCpu == 0 ? "met" : "NOT MET");
    std::printf("%-36s %7ld %17ld %21s  %s\n", "threads after the pit clicks", quillomar.threads, floor.threads,
                "<= floor", quillomar.threads <= floor.threads ? "met" : "NOT MET");
    XCloseDisplay(display);
}
