// In a real X display: start to first frame of the program against a bare Qt program.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "bench/child_process.h"
#include "bench/measurements.h"

namespace bench {

namespace {

// Milliseconds from spawning the program to its report of the first painted frame; <0 on failure.
double timeToFirstFrame(const std::string& bin, bool x11) {
    auto env = childEnv({{"ORBELUNE_FIRST_FRAME", "exit"}}, x11);
    int fd = -1;
    auto t0 = Clock::now();
    pid_t pid = spawn(bin, env, &fd);
    if (pid < 0) return -1;
    std::string got;
    double ms = -1;
    while (msSince(t0) < 20000) {
        pollfd pfd{fd, POLLIN, 0};
        if (poll(&pfd, 1, 100) <= 0) continue;
        char buf[256];
        ssize_t k = read(fd, buf, sizeof buf);
        if (k <= 0) break;
        got.append(buf, std::size_t(k));
        if (got.find("first-frame") != std::string::npos) {
            ms = msSince(t0);
            break;
        }
    }
    close(fd);
    if (ms < 0) kill(pid, SIGKILL);
    int st = 0;
    waitpid(pid, &st, 0);
    return ms;
}

}  // namespace

void measureStartup(const Run& run, driver::Json& out) {
    // The program and the bare Qt program, alternately.
    std::vector<double> prog, bareQt;
    for (int k = 0; k < 7; ++k) {
        double a = timeToFirstFrame(ORBELUNE_BIN, true), b = timeToFirstFrame(BARE_QT_BIN, true);
        if (a > 0) prog.push_back(a);
        if (b > 0) bareQt.push_back(b);
    }
    if (prog.empty() || bareQt.empty()) fail("no first frame reported at start-up");
    driver::Json su = driver::Json::object();
    su["program_ms"] = median(prog);
    su["bare_qt_ms"] = median(bareQt);
    su["ratio"] = median(bareQt) > 0 ? median(prog) / median(bareQt) : 0;
    out["startup"] = su;
    if (!run.json)
        std::printf(
            "\nstart to first frame (X11, median of 7): orbelune %.1f ms, bare Qt %.1f ms "
            "(x%.2f)\n",
            median(prog), median(bareQt), median(bareQt) > 0 ? median(prog) / median(bareQt) : 0);
}

}  // namespace bench
