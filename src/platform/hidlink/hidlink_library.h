#pragma once
// The HID board library, loaded at run time. Only the program's own library folders are searched,
// never the current folder or the loader's search path, so no stray file is picked up. No library
// means no HID boards, without a message.
#include <memory>
#include <string>
#include <vector>

namespace velloran {

class HidLinkLibrary {
public:
    // Nothing when the file cannot be loaded or lacks one of the three functions.
    static std::shared_ptr<HidLinkLibrary> open(const std::string& path);
    ~HidLinkLibrary();
    HidLinkLibrary(const HidLinkLibrary&) = delete;
    HidLinkLibrary& operator=(const HidLinkLibrary&) = delete;

    short detectHid(short* count, unsigned char* records) const;
    int readInputData(unsigned char* record, unsigned char* buffer) const;
    void closeDevices(short count, unsigned char* records) const;

private:
    using DetectFn = short (*)(short*, void*, int);
    using ReadFn = int (*)(void*, unsigned char*, int);
    using CloseFn = short (*)(short, void*);

    HidLinkLibrary(void* handle, DetectFn detect, ReadFn read, CloseFn close)
        : handle_(handle), detect_(detect), read_(read), close_(close) {}

    void* handle_;
    DetectFn detect_;
    ReadFn read_;
    CloseFn close_;
};

// The files to try, in order. An explicit file (VELLORAN_HIDLINK, for tests and for choosing the
// simulator) is the only candidate when given; otherwise libhidlink.so in the executable's folder,
// in `privateFolder` below the prefix (installed: "lib/<multiarch>/velloran") and in ../lib/ (the
// build tree).
std::vector<std::string> hidLinkCandidates(const std::string& executablePath,
                                           const std::string& explicitFile,
                                           const std::string& privateFolder);

// The first candidate that loads, for this process; nothing when none does.
std::shared_ptr<HidLinkLibrary> loadHidLink();

}  // namespace velloran
