// runvale: plays a saved configuration; also checks and converts configuration files.
#include <CLI/CLI.hpp>

#include <iostream>

#include "base/version.h"

int main(int argc, char** argv) {
    CLI::App app{"runvale: plays a Velloran configuration file"};
    app.set_version_flag("--version", velloran::mainWindowTitle());
    CLI11_PARSE(app, argc, argv);
    std::cout << app.help();
    return 0;
}
