// orbelune-script: plays a form of the program on a virtual clock and prints what happened.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "tools/driver/driver.h"
#if defined(__EMSCRIPTEN__)
#include "web/words.h"
#endif
#if defined(ORBELUNE_WITH_DESKTOP)
#include "desktop/png.h"
#include "desktop/words.h"
#endif

// The whole report on standard output; false with errno set when it could not all go out.
static bool writeOut(const std::string& text) {
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(STDOUT_FILENO, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) {
            ::usleep(1000);
            continue;
        }
        if (n <= 0) return false;
        p += n;
        left -= std::size_t(n);
    }
    return true;
}

int main(int argc, char** argv) {
    // A closed pipe or a file-size limit is an error to report, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string out, err;
#if defined(ORBELUNE_WITH_DESKTOP)
    // Rendering needs Qt; plain runs stay free of it.
    std::unique_ptr<QApplication> qt;
    if (std::find(args.begin(), args.end(), "--png") != args.end())
        qt = desktop::offscreenApplication(argc, argv);
    driver::setPngRenderer(desktop::renderPng);
    driver::setCatalogueSource(desktop::compiledCatalogue);
#endif
#if defined(__EMSCRIPTEN__)
    driver::setCatalogueSource(web::catalogue);
#endif
    int status = driver::runCommand(args, out, err);
    if (status != 0) {
        std::cerr << "orbelune-script: " << err << "\n";
        return status;
    }
    if (!writeOut(out)) {
        std::cerr << "orbelune-script: cannot write the report: " << std::strerror(errno) << "\n";
        return 1;
    }
    return 0;
}
