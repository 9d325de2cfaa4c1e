// Times reading and writing a large configuration file against `wc -l` and `cp` on the same
// file, so that the figures mean something on any machine. Run by hand (see README.md).
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "file_format/configuration_file.h"
#include "table/mapping_row.h"
#include "devices/device_inventory.h"
#include "fs/posix_file_system.h"

extern char** environ;

namespace {

using namespace velloran;
using Clock = std::chrono::steady_clock;

constexpr int kDevices = 8;
constexpr int kButtons = 512;
constexpr int kRepetitions = 15;

// 8 devices x 512 buttons, every flag set and every step filled.
std::vector<MappingRow> bigTable() {
    std::vector<MappingRow> rows;
    rows.reserve(kDevices * kButtons);
    for (int d = 1; d <= kDevices; ++d) {
        for (int b = 1; b <= kButtons; ++b) {
            MappingRow row;
            row.text = std::to_string(b);
            row.cell(col::DeviceId) = Cell{"Joystick " + std::to_string(d),
                                           Tag::text("{joystick-" + std::to_string(d) + "}")};
            for (int c : {col::Repeat, col::Rotary, col::NumLock, col::CapsLock, col::ScrollLock}) {
                row.setFlag(c, true);
            }
            row.cell(col::Multiplier) = Cell{"2X", Tag::number(2)};
            row.cell(col::Description) = Cell{"Button " + std::to_string(b), Tag::boolean(false)};
            for (int c = col::FirstPress; c <= col::LastStep; ++c) {
                row.cell(c) = Cell{"SHIFT + CTRL + A", Tag::text("A")};
            }
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Median wall time of `work` in milliseconds.
double timeMs(const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < kRepetitions; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return median(times);
}

// Runs a command with its output thrown away; exits the benchmark if it fails.
void run(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || ::waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "file_bench: %s failed\n", args[0].c_str());
        std::exit(1);
    }
}

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "file_bench: %s\n", what.c_str());
    std::exit(1);
}

}  // namespace

// `file_bench read FILE`: one read of FILE and nothing else, for instruction counts and peak
// memory (see README.md).
int readOnce(const std::string& file) {
    PosixFileSystem files;
    auto bytes = files.readFile(file);
    if (!bytes) fail(bytes.error().description);
    const LoadedConfiguration loaded = parseConfiguration(bytes.value(), DeviceInventory{});
    if (loaded.failure) fail(loaded.failure->box.text);
    std::printf("%zu rows\n", loaded.rows.size());
    return 0;
}

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (argc == 3 && std::string(argv[1]) == "read") return readOnce(argv[2]);
    std::string pattern = (fs::temp_directory_path() / "file_bench.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) fail("cannot create a temporary folder");
    const fs::path dir = pattern;
    const std::string file = (dir / "big.vlz").string();
    const std::string copy = (dir / "copy.vlz").string();

    PosixFileSystem files;
    const DeviceInventory noDevices;
    const std::vector<MappingRow> rows = bigTable();
    if (auto failure = saveConfiguration(files, file, rows)) fail(failure->error.description);

    std::size_t loadedRows = 0;
    const double readMs = timeMs([&] {
        auto bytes = files.readFile(file);
        if (!bytes) fail(bytes.error().description);
        const LoadedConfiguration loaded = parseConfiguration(bytes.value(), noDevices);
        if (loaded.failure) fail(loaded.failure->box.text);
        loadedRows = loaded.rows.size();
    });
    const double writeMs = timeMs([&] {
        if (auto failure = saveConfiguration(files, file, rows)) fail(failure->box.text);
    });
    const double wcMs = timeMs([&] { run({"wc", "-l", file}); });
    const double cpMs = timeMs([&] { run({"cp", file, copy}); });
    const double serializeMs = timeMs([&] { (void)serializeConfiguration(rows); });

    std::printf("file: %zu rows, %ju bytes (median of %d runs)\n", loadedRows,
                static_cast<std::uintmax_t>(fs::file_size(file)), kRepetitions);
    std::printf("read  (readFile + parseConfiguration)   %8.2f ms\n", readMs);
    std::printf("write (serialize + saveConfiguration)   %8.2f ms  (serialize alone %.2f ms)\n",
                writeMs, serializeMs);
    std::printf("wc -l                                    %8.2f ms\n", wcMs);
    std::printf("cp                                       %8.2f ms\n", cpMs);
    std::printf("read / wc -l  %5.1fx  (target 10x)\n", readMs / wcMs);
    std::printf("write / cp    %5.1fx  (target 10x)\n", writeMs / cpMs);

    std::error_code ec;
    fs::remove_all(dir, ec);
    return 0;
}
