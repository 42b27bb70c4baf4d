// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of X11 programs, measured from outside: the time from exec until the server maps the
// program's first top-level window (MapNotify on the root window), and the program's peak
// resident memory (its rusage once it has run `settle` milliseconds more and been stopped).
// Nothing in the programs is instrumented, so the figures are those of the binaries as built.
//
//   startup_probe <runs> <settle ms> <program> [<program> ...]
//
// The programs take turns run by run, so that drifts of the machine touch them alike; the first
// two rounds warm the caches and are not counted. Prints medians and the ratios to the last
// program (the floor).
#include <X11/Xlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double mapMs = 0;
    double peakMb = 0;
};

// Waits for the next MapNotify of a top-level window, at most `limit`; false on time-out.
bool waitForMap(Display* display, Clock::time_point limit) {
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return true;
        }
        const auto left = limit - Clock::now();
        if (left <= Clock::duration::zero())
            return false;
        const auto us = std::chrono::duration_cast<std::chrono::microseconds>(left).count();
        timeval timeout{static_cast<time_t>(us / 1000000), static_cast<suseconds_t>(us % 1000000)};
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        if (select(fd + 1, &fds, nullptr, nullptr, &timeout) < 0 && errno != EINTR)
            return false;
    }
}

Sample runOnce(Display* display, const char* program, int settleMs) {
    XSync(display, True); // forget the events of earlier runs
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        std::perror(program);
        _exit(127);
    }
    Sample sample;
    if (!waitForMap(display, start + std::chrono::seconds(30))) {
        std::fprintf(stderr, "%s: no window mapped within 30 s\n", program);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        std::exit(1);
    }
    sample.mapMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    usleep(static_cast<useconds_t>(settleMs) * 1000);
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    sample.peakMb = usage.ru_maxrss / 1024.0; // kilobytes on Linux
    return sample;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <runs> <settle ms> <program> [<program> ...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int settleMs = std::atoi(argv[2]);
    const std::vector<const char*> programs(argv + 3, argv + argc);

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    constexpr int warmUp = 2;
    std::vector<std::vector<Sample>> samples(programs.size());
    for (int round = 0; round < warmUp + runs; ++round)
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const Sample sample = runOnce(display, programs[p], settleMs);
            if (round >= warmUp)
                samples[p].push_back(sample);
        }

    std::vector<double> mapMs, peakMb;
    for (const auto& s : samples) {
        std::vector<double> maps, peaks;
        for (const auto& sample : s) {
            maps.push_back(sample.mapMs);
            peaks.push_back(sample.peakMb);
        }
        mapMs.push_back(median(maps));
        peakMb.push_back(median(peaks));
    }
    std::printf("%-40s %12s %12s %10s %10s\n", "program (median of runs)", "mapped ms", "peak MB",
                "x floor", "x floor");
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::string name = programs[p];
        name = name.substr(name.find_last_of('/') + 1);
        std::printf("%-40s %12.1f %12.1f %10.2f %10.2f\n", name.c_str(), mapMs[p], peakMb[p],
                    mapMs[p] / mapMs.back(), peakMb[p] / peakMb.back());
    }
    XCloseDisplay(display);
    return 0;
}
