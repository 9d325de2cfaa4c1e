// runvale: plays a saved configuration; also checks and converts configuration files.
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "base/version.h"
#include "dump_command.h"
#include "exit_status.h"
#include "fs/posix_file_system.h"
#include "run_options.h"
#include "upgrade_command.h"

int main(int argc, char** argv) {
    CLI::App app{"runvale: plays a Velloran configuration file"};
    app.set_version_flag("--version", velloran::mainWindowTitle());

    // One command a run; each is an option of this group so that they exclude each other.
    CLI::Option_group* commands = app.add_option_group("Commands", "One command a run.");
    std::string dumpPath;
    std::vector<std::string> upgradePaths;
    CLI::Option* dump =
        commands->add_option("--dump", dumpPath, "Print what the editor loads from FILE as JSON")
            ->type_name("FILE");
    CLI::Option* upgrade =
        commands
            ->add_option("--upgrade", upgradePaths,
                         "IN OUT: open IN as the editor does and save it to OUT as the editor's "
                         "Save writes it, in the current version")
            ->expected(2)
            ->type_name("FILE");
    velloran::runvale::RunOptions runOptions;
    velloran::runvale::addRunOptions(app, *commands, runOptions);
    runOptions.fileOption->excludes(dump)->excludes(upgrade);
    commands->require_option(0, 1);

    app.footer(
        "Exit status: 0 done; 2 the command line is wrong (the reason on standard error) or the "
        "file could not be loaded or written; 3 the file does not exist.");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // CLI11 has a status of its own for each kind of mistake; scripts get one.
        const int status = app.exit(e);
        return status == 0 ? velloran::runvale::kExitOk : velloran::runvale::kExitUsage;
    }

    velloran::PosixFileSystem fs;
    if (*dump) return velloran::runvale::dumpCommand(fs, dumpPath, std::cout);
    if (*upgrade) {
        return velloran::runvale::upgradeCommand(fs, upgradePaths[0], upgradePaths[1], std::cerr);
    }
    if (auto status = velloran::runvale::runSelected(fs, runOptions)) return *status;
    std::cout << app.help();
    return 0;
}
