// Starts a program, waits for its top-level window to be mapped and reports
// the time from launch to that moment and the program's resident memory a
// second later. Event driven (MapNotify on the root window), so the figure is
// not rounded to a polling interval.
//
//   wait_for_window [--runs N] [--settle MS] NAME=TITLE:PROGRAM [NAME=TITLE:PROGRAM ...]
//
// The programs are started in turn, run by run, so background load falls on
// all of them alike. Prints one line per start and a summary per program.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Program {
    std::string name, title, path;
    std::vector<double> ms;
    std::vector<double> rssKiB;
};

std::string windowTitle(Display* dpy, Window w)
{
    const Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    Atom type;
    int format;
    unsigned long n, rest;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(dpy, w, netName, 0, 1024, False, utf8, &type, &format, &n, &rest, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), n);
        XFree(data);
    }
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(dpy, w, &name) && name) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

long rssKiB(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Milliseconds from fork to the MapNotify of a window titled `title`, or -1.
double startAndWait(Display* dpy, Program& p, int settleMs)
{
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, True);  // drop what came before this start

    const auto t0 = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(p.path.c_str(), p.path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    double ms = -1;
    const auto deadline = t0 + std::chrono::seconds(20);
    const int fd = ConnectionNumber(dpy);
    while (ms < 0 && Clock::now() < deadline) {
        while (XPending(dpy) && ms < 0) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type != MapNotify) continue;
            const auto t = Clock::now();
            // Without a window manager the program's own window is a child of root.
            if (windowTitle(dpy, ev.xmap.window) == p.title)
                ms = std::chrono::duration<double, std::milli>(t - t0).count();
        }
        if (ms >= 0) break;
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before showing a window\n", p.name.c_str());
            return -1;
        }
        pollfd pfd{fd, POLLIN, 0};
        poll(&pfd, 1, 50);
    }
    XSelectInput(dpy, root, NoEventMask);
    long rss = -1;
    if (ms >= 0) {
        usleep(static_cast<useconds_t>(settleMs) * 1000);
        rss = rssKiB(pid);
    }
    kill(pid, SIGTERM);
    int status;
    for (int i = 0; i < 100 && waitpid(pid, &status, WNOHANG) == 0; ++i) usleep(20000);
    if (waitpid(pid, &status, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    if (ms >= 0) {
        p.ms.push_back(ms);
        p.rssKiB.push_back(static_cast<double>(rss));
    }
    return ms;
}

double median(std::vector<double> v)
{
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    int runs = 10;
    int settleMs = 1000;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (a == "--settle" && i + 1 < argc) {
            settleMs = std::atoi(argv[++i]);
        } else {
            const auto eq = a.find('='), colon = a.find(':', eq == std::string::npos ? 0 : eq);
            if (eq == std::string::npos || colon == std::string::npos) {
                std::fprintf(stderr, "usage: %s [--runs N] [--settle MS] NAME=TITLE:PROGRAM ...\n", argv[0]);
                return 2;
            }
            programs.push_back({a.substr(0, eq), a.substr(eq + 1, colon - eq - 1), a.substr(colon + 1), {}, {}});
        }
    }
    if (programs.empty()) {
        std::fprintf(stderr, "nothing to start\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "no X display (DISPLAY=%s)\n", std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 2;
    }
    // One unmeasured start each: the first start reads fonts and libraries from disk.
    for (Program& p : programs) {
        startAndWait(dpy, p, 0);
        p.ms.clear();
        p.rssKiB.clear();
    }
    for (int r = 0; r < runs; ++r)
        for (Program& p : programs) {
            const double ms = startAndWait(dpy, p, settleMs);
            std::printf("run %2d %-12s %8.1f ms  %7.0f KiB\n", r + 1, p.name.c_str(), ms,
                        p.rssKiB.empty() ? -1.0 : p.rssKiB.back());
            std::fflush(stdout);
        }
    int failed = 0;
    for (const Program& p : programs) {
        if (static_cast<int>(p.ms.size()) != runs) ++failed;
        std::printf("summary %s startup_median_ms=%.1f startup_min_ms=%.1f rss_median_kib=%.0f runs=%zu\n",
                    p.name.c_str(), median(p.ms), p.ms.empty() ? -1 : *std::min_element(p.ms.begin(), p.ms.end()),
                    median(p.rssKiB), p.ms.size());
    }
    XCloseDisplay(dpy);
    return failed ? 1 : 0;
}
