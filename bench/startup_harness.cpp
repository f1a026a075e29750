// Runs two programs alternately, RUNS times each, and compares them: wall-clock time
// from fork to exit, and peak resident memory (from wait4). Prints medians and ratios.
// Usage: startup_harness RUNS PROGRAM BASELINE

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    long maxRssKiB;
};

bool runOnce(const char* program, Sample& out) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        return false;
    }
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        return false;
    }
    const auto end = std::chrono::steady_clock::now();
    out.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    out.maxRssKiB = usage.ru_maxrss;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

template <typename T> T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const char* programs[2] = {argv[2], argv[3]};
    std::vector<double> time[2];
    std::vector<long> rss[2];

    Sample s{};
    for (const char* p : programs) { // one untimed run each fills the file cache
        if (!runOnce(p, s)) {
            std::fprintf(stderr, "%s failed\n", p);
            return 1;
        }
    }
    for (int r = 0; r < runs; ++r) {
        for (int which = 0; which < 2; ++which) {
            if (!runOnce(programs[which], s)) {
                std::fprintf(stderr, "%s failed\n", programs[which]);
                return 1;
            }
            time[which].push_back(s.milliseconds);
            rss[which].push_back(s.maxRssKiB);
        }
    }
    const double t0 = median(time[0]);
    const double t1 = median(time[1]);
    const long m0 = median(rss[0]);
    const long m1 = median(rss[1]);
    std::printf("start-up, median of %d alternating runs each:\n", runs);
    std::printf("  %-40s %8.1f ms  %7ld KiB peak\n", programs[0], t0, m0);
    std::printf("  %-40s %8.1f ms  %7ld KiB peak\n", programs[1], t1, m1);
    std::printf("  ratio: time %.3f, peak memory %.3f\n", t0 / t1, double(m0) / double(m1));
    return 0;
}
