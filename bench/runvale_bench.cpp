// runvale benchmarks: the idle CPU of a runvale process with two virtual pads and nothing
// pressed, and the latency from a virtual button change to the key batch at the output, in
// process, at a given poll interval.
//
//   runvale_bench idle [SECONDS]     (default 30)
//   runvale_bench latency [POLL_MS]  (default: 10, then 1)
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>
#include <iostream>
#include <mutex>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "base/steady_clock.h"
#include "timed_output.h"
#include "file_format/configuration_file.h"
#include "table/default_rows.h"
#include "loop/run_control.h"
#include "loop/runner.h"
#include "sdl/sdl_joystick_backend.h"
#include "sdl/virtual_joystick.h"

extern char** environ;

namespace velloran::runvale {
namespace {

namespace fs = std::filesystem;

// Identities of virtual pads as a detection gives them (the same in any process).
std::vector<std::string> padIdentities(const std::string& setups) {
    auto pads = attachVirtualJoysticks(parseVirtualDevices(setups).value());
    auto backend = SdlJoystickBackend::create();
    std::vector<std::string> ids;
    if (!pads || !backend) return ids;
    for (const auto& d : backend.value()->detect()) {
        if (d->info().displayName.starts_with("Bench Pad")) ids.push_back(d->info().identity);
    }
    return ids;
}

// Buttons 1..buttons of each device send A on press and B on release.
MappingTable tableFor(const std::vector<std::string>& ids, int buttons) {
    MappingTable table;
    for (const std::string& id : ids) {
        for (int b = 1; b <= buttons; ++b) {
            MappingRow row = defaultRow(ButtonEntry{b, "Bench Pad", id}, colour::ActiveRow);
            row.cell(col::FirstPress) = Cell{"A", Tag::text("A")};
            row.cell(col::FirstRelease) = Cell{"B", Tag::text("B")};
            table.append(row);
        }
    }
    return table;
}

double cpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string skip;
    for (int i = 3; i < 14; ++i) fields >> skip;  // fields 3..13
    double user = 0, system = 0;
    fields >> user >> system;
    return (user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

int idle(int seconds) {
    const std::string setups = "Bench Pad:16,Bench Pad:16";
    const auto ids = padIdentities(setups);
    if (ids.size() != 2) {
        std::cerr << "cannot attach the virtual pads\n";
        return 1;
    }
    const fs::path dir = fs::temp_directory_path() / ("runvale_bench." + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string file = (dir / "bench.vlz").string();
    std::ofstream(file, std::ios::binary) << serializeConfiguration(tableFor(ids, 16).rows());
    const std::string errPath = (dir / "stderr").string();

    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        if (!entry.starts_with("DISPLAY=") && !entry.starts_with("WAYLAND_DISPLAY=")) {
            env.push_back(entry);
        }
    }
    env.push_back("VELLORAN_SETTINGS=" + (dir / "velloran.ini").string());
    env.push_back("SDL_VIDEODRIVER=dummy");
    std::vector<std::string> args{RUNVALE_BINARY, "--output=record", "--virtual-devices", setups,
                                  file};
    std::vector<char*> argv, envp;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    if (posix_spawn(&pid, RUNVALE_BINARY, &actions, nullptr, argv.data(), envp.data()) != 0) {
        std::cerr << "cannot start " RUNVALE_BINARY "\n";
        return 1;
    }
    posix_spawn_file_actions_destroy(&actions);

    for (int i = 0; i < 500; ++i) {  // until it plays
        std::ifstream err(errPath);
        std::string text((std::istreambuf_iterator<char>(err)), std::istreambuf_iterator<char>());
        if (text.find("Playing") != std::string::npos) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const double cpuStart = cpuSeconds(pid);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const double cpuSteady = cpuSeconds(pid) - cpuStart;
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double total = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    fs::remove_all(dir);

    std::printf("idle, 2 virtual pads x 16 mapped buttons, %d s, poll 10 ms\n", seconds);
    std::printf(
        "  CPU while playing (/proc):      %.3f s = %.3f %% of one core (target < 0.5 %%)\n",
        cpuSteady, 100 * cpuSteady / seconds);
    std::printf("  CPU of the child incl. start-up (getrusage): %.3f s = %.3f %%\n", total,
                100 * total / seconds);
    std::printf("  exit status %d\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return 0;
}

int latency(double pollMs, int samples) {
    auto pads = attachVirtualJoysticks({VirtualDeviceSetup{"Bench Pad", 4}});
    auto probe = SdlJoystickBackend::create();
    if (!pads || !probe) {
        std::cerr << "cannot attach the virtual pad\n";
        return 1;
    }
    std::vector<std::string> ids;
    for (const auto& d : probe.value()->detect()) {
        if (d->info().displayName == "Bench Pad") ids.push_back(d->info().identity);
    }
    probe.value().reset();

    TimedOutput output;
    SteadyClock clock;
    std::ostringstream log;
    Runner runner(output, clock, openDeviceSources(log), log);
    runner.play(tableFor(ids, 1));
    std::promise<RunControl*> controlReady;
    std::thread loop([&] {
        // Created on this thread, so that only it leaves the stop signals to the signalfd.
        auto control = RunControl::create();
        controlReady.set_value(control.value().get());
        runner.run(*control.value(), pollMs, [] {});
    });
    RunControl* control = controlReady.get_future().get();

    std::mt19937 random(7);
    std::uniform_real_distribution<double> gap(0.0, pollMs * 1.7);
    std::vector<double> ms;
    for (int i = 0; i < samples; ++i) {
        std::this_thread::sleep_for(
            std::chrono::microseconds(static_cast<long>(gap(random) * 1000)));
        output.arm();
        const double changed = clock.now();
        pads.value()[0].setButton(1, i % 2 == 0);
        const double sent = output.waitSent();
        if (sent >= 0) ms.push_back((sent - changed) * 1000);
    }
    control->requestStop();
    loop.join();

    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) {
        return ms[std::min(ms.size() - 1,
                           static_cast<std::size_t>(q * static_cast<double>(ms.size())))];
    };
    std::printf(
        "latency, poll %.0f ms, %zu of %d changes sent: p50 %.3f ms, p99 %.3f ms, max %.3f "
        "ms (target p99 < %.0f ms)\n",
        pollMs, ms.size(), samples, at(0.5), at(0.99), ms.back(), pollMs + 1);
    return ms.size() == static_cast<std::size_t>(samples) ? 0 : 1;
}

}  // namespace
}  // namespace velloran::runvale

int main(int argc, char** argv) {
    using namespace velloran::runvale;
    const std::string what = argc > 1 ? argv[1] : "all";
    int status = 0;
    if (what == "idle" || what == "all")
        status |= idle(argc > 2 && what == "idle" ? std::atoi(argv[2]) : 30);
    if (what == "latency" || what == "all") {
        if (argc > 2 && what == "latency") {
            status |= latency(std::atof(argv[2]), 1000);
        } else {
            status |= latency(10, 1000);
            status |= latency(1, 2000);
        }
    }
    return status;
}
