// orbelune-script: plays a form of the program on a virtual clock and prints what happened.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "tools/driver/driver.h"
#if defined(ORBELUNE_WITH_DESKTOP)
#include "desktop/png.h"
#endif

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string out, err;
#if defined(ORBELUNE_WITH_DESKTOP)
    // Rendering needs Qt; plain runs stay free of it.
    std::unique_ptr<QApplication> qt;
    if (std::find(args.begin(), args.end(), "--png") != args.end())
        qt = desktop::offscreenApplication(argc, argv);
    driver::setPngRenderer(desktop::renderPng);
#endif
    int status = driver::runCommand(args, out, err);
    if (status != 0) {
        std::cerr << "orbelune-script: " << err << "\n";
        return status;
    }
    std::cout << out;
    return 0;
}
