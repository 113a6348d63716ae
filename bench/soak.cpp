// Plays both courses over and over, as a class would in a long day: from the main menu through
// every lesson with Next, each script to its end, replayed once, then back to the main menu.
// Reports the heap in use after the first round and after the last; fails when it grew by more
// than the allowed amount.
//   orbelune-soak [--rounds N] [--max-growth-mb M]
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "shell/navigation.h"
#include "tools/driver/driver.h"

namespace {

double heapMb() { return double(mallinfo2().uordblks) / (1024.0 * 1024.0); }

double rssMb() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return double(resident) * 4096.0 / (1024.0 * 1024.0);
}

// One pass through a course; returns how many scripts were played.
int playCourse(driver::Session& s, int course) {
    auto& p = s.program();
    std::string err;
    auto* menu = p.form("Utama");
    p.click(*menu->find("Label2(" + std::to_string(course) + ")"));
    int played = 0;
    for (int guard = 0; guard < 20 && !p.ended(); ++guard) {
        auto* f = dynamic_cast<shell::LessonForm*>(p.active());
        if (!f) break;
        s.run(std::nullopt, {}, err);
        ++played;
        const auto& nav = f->navigation();
        if (auto* replay = f->menuItem(nav.replayItem); replay && !nav.replayItem.empty()) {
            p.menu(*replay);
            s.run(std::nullopt, {}, err);
            ++played;
        }
        auto* next = f->menuItem(nav.nextItem);
        if (nav.next.empty() || !next || !next->Enabled || !p.exists(nav.next)) {
            p.menu(*f->menuItem("pertama"));
            break;
        }
        p.menu(*next);
    }
    return played;
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = 20;
    double maxGrowth = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string a = argv[i];
        if (a == "--rounds")
            rounds = std::max(1, std::atoi(argv[i + 1]));
        else if (a == "--max-growth-mb")
            maxGrowth = std::atof(argv[i + 1]);
    }
    driver::Session s;
    s.start("Utama");
    double afterFirst = 0, rssFirst = 0;
    int played = 0;
    auto t0 = std::chrono::steady_clock::now();
    for (int r = 0; r < rounds; ++r) {
        for (int course : {0, 1}) played += playCourse(s, course);
        // What the driver records of each run is its own, not the program's: let it go.
        auto& pf = s.platform();
        pf.beeps.clear(), pf.beeps.shrink_to_fit();
        pf.cursor.clear(), pf.cursor.shrink_to_fit();
        pf.messages.clear(), pf.messages.shrink_to_fit();
        pf.handlers.clear(), pf.handlers.shrink_to_fit();
        if (s.program().ended()) {
            std::printf("the program ended during round %d\n", r + 1);
            return 1;
        }
        if (r == 0) afterFirst = heapMb(), rssFirst = rssMb();
    }
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    double growth = heapMb() - afterFirst;
    std::printf("rounds: %d, scripts played: %d, %.1f s\n", rounds, played, secs);
    std::printf("heap in use after round 1: %.2f MB, after round %d: %.2f MB (growth %.3f MB)\n",
                afterFirst, rounds, heapMb(), growth);
    std::printf("resident after round 1: %.1f MB, after round %d: %.1f MB\n", rssFirst, rounds,
                rssMb());
    if (growth > maxGrowth) {
        std::printf("FAIL: the heap grew by more than %.1f MB\n", maxGrowth);
        return 1;
    }
    return 0;
}
