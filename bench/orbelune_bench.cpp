// orbelune-bench: how fast the program is, as one table (or, with --json, one JSON object).
//   orbelune-bench [--json] [--lessons FORM,FORM...] [--no-desktop] [--repeat N]
// Headless parts run on Qt's offscreen platform. When DISPLAY names an X server (with a window
// manager), the real program is also started there: start-up against a bare Qt program, frame
// pacing of every in-tick animation, CPU time of 10 idle seconds per lesson, resident memory.
#include <QApplication>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "bench/measurements.h"
#include "desktop/png.h"
#include "tools/driver/driver.h"

namespace {

std::string loadAvg() {
    std::ifstream in("/proc/loadavg");
    std::string a, b, c;
    in >> a >> b >> c;
    return a + " " + b + " " + c;
}

std::vector<std::string> split(const std::string& s) {
    std::vector<std::string> out;
    std::stringstream ss(s);
    std::string item;
    while (std::getline(ss, item, ','))
        if (!item.empty()) out.push_back(item);
    return out;
}

// Every form of the program: the main menu and the About box, then both courses in order.
std::vector<std::string> formsInCourseOrder() {
    std::vector<std::string> forms;
    {
        driver::Session s;
        forms = s.program().registered();
    }
    auto order = [](const std::string& f) {
        int base = f.rfind("Lesson", 0) == 0 ? 100 : f.rfind("optics", 0) == 0 ? 200 : 0;
        int n = 0;
        for (char c : f)
            if (std::isdigit((unsigned char)c)) n = n * 10 + (c - '0');
        return base + n;
    };
    std::sort(forms.begin(), forms.end(), [&](auto& a, auto& b) { return order(a) < order(b); });
    return forms;
}

}  // namespace

int main(int argc, char** argv) {
    bench::Run run;
    bool desktopPart = true;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--json")
            run.json = true;
        else if (a == "--no-desktop")
            desktopPart = false;
        else if (a == "--lessons" && i + 1 < argc)
            run.only = split(argv[++i]);
        else if (a == "--repeat" && i + 1 < argc)
            run.repeat = std::max(1, std::atoi(argv[++i]));
        else {
            std::fprintf(stderr,
                         "usage: orbelune-bench [--json] [--lessons FORM,...] [--no-desktop] "
                         "[--repeat N]\n");
            return 2;
        }
    }
    const bool x11 = std::getenv("DISPLAY") && *std::getenv("DISPLAY");
    const std::string loadBefore = loadAvg();
    // The headless parts paint offscreen whatever display there is.
    std::string display = x11 ? std::getenv("DISPLAY") : "";
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    auto qt = desktop::offscreenApplication(argc, argv);

    run.forms = formsInCourseOrder();
    for (auto& f : run.forms)
        if (f.rfind("Lesson", 0) == 0 || f.rfind("optics", 0) == 0) run.lessons.push_back(f);

    driver::Json out = driver::Json::object();
    out["load_before"] = loadBefore;
    const bench::ScriptTimes scripts = bench::measureScripts(run, out);
    bench::measurePhysics(run, scripts.flightMs, out);
    bench::measurePresent(run, out);
    bench::measureHeadlessMemory(run, out);
    if (x11 && desktopPart) {
        setenv("DISPLAY", display.c_str(), 1);
        bench::measureStartup(run, out);
        bench::measureDesktop(run, scripts.scriptEnd, out);
        bench::measurePlayback(run, scripts.scriptEnd, out);
    }
    out["load_after"] = loadAvg();
    driver::Json failed = driver::Json::array();
    for (auto& f : bench::failures()) failed.push(f);
    out["failures"] = failed;
    if (run.json)
        std::printf("%s\n", out.dump().c_str());
    else
        std::printf("\nload average before: %s, after: %s\n", loadBefore.c_str(),
                    loadAvg().c_str());
    for (auto& f : bench::failures()) std::fprintf(stderr, "orbelune-bench: %s\n", f.c_str());
    return bench::failures().empty() ? 0 : 1;
}
