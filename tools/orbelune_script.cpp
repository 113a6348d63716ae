// orbelune-script: plays a form of the program on a virtual clock and prints what happened.
#include <iostream>
#include <string>
#include <vector>

#include "tools/driver/driver.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string out, err;
    int status = driver::runCommand(args, out, err);
    if (status != 0) {
        std::cerr << "orbelune-script: " << err << "\n";
        return status;
    }
    std::cout << out;
    return 0;
}
