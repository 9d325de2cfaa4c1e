#pragma once
// The text of a Mapping table cell. Nearly every cell text is short ("On", "1X", a Key step such
// as "SHIFT + CTRL + A"): up to 30 bytes are kept inside the object and only longer texts go to
// the heap, so that reading a file of thousands of rows is not an allocation per step. It reads
// like a string: it converts to std::string_view and std::string and compares with both.
#include <cstddef>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

namespace velloran {

class CellText {
public:
    CellText() noexcept { setInlineSize(0); }
    CellText(std::string_view text) { init(text); }  // NOLINT: converts like a string
    CellText(const std::string& text) { init(text); }
    CellText(const char* text) { init(text); }
    CellText(const CellText& other) { init(other.view()); }
    CellText(CellText&& other) noexcept {
        std::memcpy(bytes_, other.bytes_, sizeof bytes_);
        other.setInlineSize(0);
    }
    CellText& operator=(const CellText& other) {
        if (this != &other) assign(other.view());
        return *this;
    }
    CellText& operator=(CellText&& other) noexcept {
        if (this != &other) {
            release();
            std::memcpy(bytes_, other.bytes_, sizeof bytes_);
            other.setInlineSize(0);
        }
        return *this;
    }
    CellText& operator=(std::string_view text) { return assign(text); }
    CellText& operator=(const std::string& text) { return assign(text); }
    CellText& operator=(const char* text) { return assign(text); }
    ~CellText() { release(); }

    CellText& assign(std::string_view text);

    const char* data() const noexcept { return onHeap() ? heapData() : bytes_; }
    const char* c_str() const noexcept { return data(); }
    std::size_t size() const noexcept {
        return onHeap() ? heapSize() : static_cast<unsigned char>(bytes_[kTagByte]);
    }
    bool empty() const noexcept { return size() == 0; }
    void clear() { assign({}); }
    const char* begin() const noexcept { return data(); }
    const char* end() const noexcept { return data() + size(); }

    std::string_view view() const noexcept { return {data(), size()}; }
    operator std::string_view() const noexcept { return view(); }  // NOLINT
    operator std::string() const { return std::string(view()); }    // NOLINT

    friend bool operator==(const CellText& a, const CellText& b) { return a.view() == b.view(); }
    friend bool operator==(const CellText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const CellText& a, const std::string& b) { return a.view() == b; }
    friend bool operator==(const CellText& a, const char* b) { return a.view() == b; }
    friend std::string operator+(const CellText& a, std::string_view b) {
        std::string s(a.view());
        s += b;
        return s;
    }
    friend std::ostream& operator<<(std::ostream& out, const CellText& t) { return out << t.view(); }

private:
    // Inline: the text, a terminating NUL, and its size in the last byte. On the heap: the
    // pointer and the size at the start, kOnHeap in the last byte.
    static constexpr std::size_t kBytes = 32;
    static constexpr std::size_t kTagByte = kBytes - 1;
    static constexpr std::size_t kInline = kBytes - 2;
    static constexpr unsigned char kOnHeap = 0xFF;

    bool onHeap() const noexcept { return static_cast<unsigned char>(bytes_[kTagByte]) == kOnHeap; }
    char* heapData() const noexcept {
        char* p;
        std::memcpy(&p, bytes_, sizeof p);
        return p;
    }
    std::size_t heapSize() const noexcept {
        std::size_t n;
        std::memcpy(&n, bytes_ + sizeof(char*), sizeof n);
        return n;
    }
    void setInlineSize(std::size_t n) noexcept {
        bytes_[n] = '\0';
        bytes_[kTagByte] = static_cast<char>(n);
    }
    void init(std::string_view text) {
        setInlineSize(0);
        assign(text);
    }
    void release() noexcept {
        if (onHeap()) delete[] heapData();
    }

    alignas(char*) char bytes_[kBytes];
};

}  // namespace velloran
