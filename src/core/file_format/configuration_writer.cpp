// Writing configuration files (save_click): always the current version, 74 records a row.
#include <string_view>

#include "base/version.h"
#include "file_format/configuration_file.h"
#include "file_format/cp1252.h"

namespace velloran {

namespace {

std::string_view trimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

class RecordWriter {
public:
    explicit RecordWriter(std::string& out) : out_(out) {}

    // A quoted text. The format cannot escape a quote or a line break, so they are replaced
    // rather than left to cut the file.
    void text(std::string_view utf8) {
        out_ += '"';
        const std::size_t start = out_.size();
        appendAsCp1252(out_, utf8);
        // Written back unconditionally, so that the loop vectorises.
        char* const end = out_.data() + out_.size();
        for (char* p = out_.data() + start; p != end; ++p) {
            const char c = *p;
            *p = c == '"' ? '\'' : c == '\r' || c == '\n' ? ' ' : c;
        }
        out_ += '"';
        endRecord();
    }

    // A value of the kind it has: #TRUE#/#FALSE#, bare number, quoted text; Empty writes nothing
    // before the line end (the reader takes a blank line as Empty again).
    void asHeld(const Tag& tag) {
        switch (tag.kind()) {
            case Tag::Kind::Empty:
                endRecord();
                return;
            case Tag::Kind::Boolean:
                out_ += tag.asBoolean() ? "#TRUE#" : "#FALSE#";
                endRecord();
                return;
            case Tag::Kind::Number:
                out_ += numberToText(tag.asNumber());
                endRecord();
                return;
            case Tag::Kind::Text:
                text(tag.asText());
                return;
        }
    }

private:
    void endRecord() { out_ += "\r\n"; }
    std::string& out_;
};

void writeRow(RecordWriter& w, const MappingRow& row) {
    w.text(row.text);
    w.text(row.cell(col::DeviceId).text);
    w.text(row.cell(col::DeviceId).tag.toText());
    w.asHeld(row.cell(col::Repeat).tag);
    w.asHeld(row.cell(col::Rotary).tag);
    w.text(trimSpaces(row.cell(col::Multiplier).tag.toText()));
    w.text(trimSpaces(row.cell(col::Description).text));
    w.asHeld(row.cell(col::NumLock).tag);
    w.asHeld(row.cell(col::CapsLock).tag);
    w.asHeld(row.cell(col::ScrollLock).tag);
    for (int c = col::FirstPress; c <= col::LastStep; ++c) {
        w.text(row.cell(c).text);
        w.text(row.cell(c).tag.toText());
    }
}

}  // namespace

std::string serializeConfiguration(const std::vector<MappingRow>& rows) {
    // A typical row takes 400 to 600 bytes; one allocation covers most tables.
    constexpr std::size_t kTypicalRowBytes = 640;
    std::string out;
    out.reserve(16 + rows.size() * kTypicalRowBytes);
    RecordWriter w(out);
    w.text(fileVersionText());
    for (const MappingRow& row : rows) writeRow(w, row);
    return out;
}

}  // namespace velloran
