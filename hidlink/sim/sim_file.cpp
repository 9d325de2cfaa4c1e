#include "sim_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace hidlink {

bool SimFile::refresh() {
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0) {
        present_ = false;
        return false;
    }
    const Signature now{
        static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
        static_cast<std::uint64_t>(st.st_size), st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
    if (present_ && now == signature_) return true;

    std::ifstream in(path_, std::ios::binary);
    if (!in) {
        present_ = false;
        return false;
    }
    SimScript next = parseSimScript(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    const auto& old = script_.events;
    const bool appended =
        next.events.size() >= old.size() && std::equal(old.begin(), old.end(), next.events.begin());
    if (!appended) ++restarts_;
    script_ = std::move(next);
    signature_ = now;
    present_ = true;
    return true;
}

}  // namespace hidlink
