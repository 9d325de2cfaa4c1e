#include "hidlink/hidlink_library.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "hidlink.h"

namespace velloran {

namespace fs = std::filesystem;

std::shared_ptr<HidLinkLibrary> HidLinkLibrary::open(const std::string& path) {
    // A name without a folder would make dlopen search the system's paths.
    if (!fs::path(path).is_absolute()) return nullptr;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return nullptr;
    auto detect = reinterpret_cast<DetectFn>(dlsym(handle, "DetectHID"));
    auto read = reinterpret_cast<ReadFn>(dlsym(handle, "ReadInputData"));
    auto close = reinterpret_cast<CloseFn>(dlsym(handle, "CloseDevices"));
    if (!detect || !read || !close) {
        dlclose(handle);
        return nullptr;
    }
    return std::shared_ptr<HidLinkLibrary>(new HidLinkLibrary(handle, detect, read, close));
}

HidLinkLibrary::~HidLinkLibrary() {
    dlclose(handle_);
}

short HidLinkLibrary::detectHid(short* count, unsigned char* records) const {
    return detect_(count, records, HIDLINK_DETECT_FLAGS);
}

int HidLinkLibrary::readInputData(unsigned char* record, unsigned char* buffer) const {
    return read_(record, buffer, 0);
}

void HidLinkLibrary::closeDevices(short count, unsigned char* records) const {
    close_(count, records);
}

std::vector<std::string> hidLinkCandidates(const std::string& executablePath,
                                           const std::string& explicitFile,
                                           const std::string& privateFolder) {
    if (!explicitFile.empty()) {
        std::error_code ec;
        const fs::path file = fs::absolute(explicitFile, ec);
        return {ec ? explicitFile : file.lexically_normal().string()};
    }
    if (executablePath.empty()) return {};
    const fs::path folder = fs::path(executablePath).parent_path();
    const char* name = "libhidlink.so";
    return {(folder / name).string(),
            (folder / ".." / privateFolder / name).lexically_normal().string(),
            (folder / ".." / "lib" / name).lexically_normal().string()};
}

std::shared_ptr<HidLinkLibrary> loadHidLink() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    const char* explicitFile = std::getenv("VELLORAN_HIDLINK");
    for (const auto& path :
         hidLinkCandidates(ec ? std::string() : self.string(), explicitFile ? explicitFile : "",
                           VELLORAN_PRIVATE_LIBDIR)) {
        if (auto library = HidLinkLibrary::open(path)) return library;
    }
    return nullptr;
}

}  // namespace velloran
