#include "table/cell_text.h"

namespace velloran {

CellText& CellText::assign(std::string_view text) {
    // `text` may lie inside this cell: copy before the old storage goes.
    if (text.size() <= kInline) {
        char copy[kInline];
        if (!text.empty()) std::memcpy(copy, text.data(), text.size());
        release();
        if (!text.empty()) std::memcpy(bytes_, copy, text.size());
        setInlineSize(text.size());
        return *this;
    }
    char* p = new char[text.size() + 1];
    std::memcpy(p, text.data(), text.size());
    p[text.size()] = '\0';
    release();
    const std::size_t n = text.size();
    std::memcpy(bytes_, &p, sizeof p);
    std::memcpy(bytes_ + sizeof p, &n, sizeof n);
    bytes_[kTagByte] = static_cast<char>(kOnHeap);
    return *this;
}

}  // namespace velloran
