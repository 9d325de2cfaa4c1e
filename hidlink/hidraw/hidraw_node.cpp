#include "hidraw_node.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace hidlink {

namespace {

namespace fs = std::filesystem;

std::string rootFromEnvironment(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    return value && *value ? value : fallback;
}

std::string fileContent(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reads "HID_ID=0003:00001D50:00006102", HID_NAME, HID_PHYS and HID_UNIQ.
void readUevent(const std::string& text, HidrawNode& node) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        if (key == "HID_NAME") node.name = value;
        if (key == "HID_PHYS") node.phys = value;
        if (key == "HID_UNIQ") node.uniq = value;
        if (key == "HID_ID") {
            unsigned bus = 0;
            std::sscanf(value.c_str(), "%x:%x:%x", &bus, &node.vendor, &node.product);
        }
    }
}

// N for "hidrawN", -1 for any other name.
int nodeNumber(const std::string& name) {
    const std::string prefix = "hidraw";
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return -1;
    const std::string digits = name.substr(prefix.size());
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
        digits.size() > 6) {
        return -1;
    }
    return std::stoi(digits);
}

}  // namespace

std::vector<HidrawNode> scanHidrawNodes() {
    const fs::path sysfs = rootFromEnvironment("HIDLINK_SYSFS_ROOT", "/sys");
    const fs::path dev = rootFromEnvironment("HIDLINK_DEV_ROOT", "/dev");
    std::vector<HidrawNode> nodes;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(sysfs / "class" / "hidraw", ec)) {
        const std::string name = entry.path().filename().string();
        HidrawNode node;
        node.number = nodeNumber(name);
        if (node.number < 0) continue;
        node.devicePath = (dev / name).string();
        readUevent(fileContent(entry.path() / "device" / "uevent"), node);
        const std::string descriptor = fileContent(entry.path() / "device" / "report_descriptor");
        node.descriptor.assign(descriptor.begin(), descriptor.end());
        nodes.push_back(std::move(node));
    }
    std::sort(nodes.begin(), nodes.end(),
              [](const HidrawNode& a, const HidrawNode& b) { return a.number < b.number; });
    return nodes;
}

std::string nodeIdentifier(const HidrawNode& node) {
    char ids[16];
    std::snprintf(ids, sizeof ids, ":%04X:%04X", node.vendor & 0xFFFF, node.product & 0xFFFF);
    std::string id = node.phys.empty() ? "hidraw" + std::to_string(node.number) : node.phys;
    id += ids;
    if (!node.uniq.empty()) id += ":" + node.uniq;
    return id;
}

}  // namespace hidlink
