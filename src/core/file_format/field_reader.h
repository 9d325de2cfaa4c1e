#pragma once
// Reads a configuration file field by field, as the run-time's sequential "Input #" reads into a
// variant. Files are one record per line, but a line may hold several comma-separated fields;
// each one counts as a record.
//
// - A line ends with CR LF, a lone LF or a lone CR.
// - Blanks before a field are skipped.
// - "..." is text up to the closing quote (nothing is escaped); anything after the closing quote
//   up to the next comma or line end is ignored. A quote left open runs to the end of the line.
// - #TRUE# and #FALSE# (any case) are Booleans.
// - Any other unquoted field is trimmed; it is Empty when nothing is left, a number when it reads
//   as one, text otherwise.
// - A blank line is one Empty field.
// Texts are decoded from Windows-1252. Reading takes time and memory linear in the input.
#include <cstddef>
#include <optional>
#include <string_view>

#include "base/runtime_error.h"
#include "table/tag.h"

namespace velloran {

class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : in_(bytes) {}

    // No field is left.
    bool atEnd() const { return pos_ >= in_.size(); }

    // Bytes read so far, and bytes left.
    std::size_t offset() const { return pos_; }
    std::size_t remaining() const { return in_.size() - pos_; }

    // Reads the next field into `field`, filling a text it holds in place; error 62 "Input past
    // end of file" when none is left.
    std::optional<RuntimeError> next(Tag& field);

private:
    struct Span {
        std::size_t end;  // index of the first `stop`, CR or LF; the input's size if none
        bool ascii;       // no byte before it needs decoding
    };
    Span scan(char stop, std::size_t from) const;
    // Moves past the comma or line end that closes a field, if any.
    void skipDelimiter();
    void readQuoted(Tag& field);
    void readUnquoted(Tag& field);

    std::string_view in_;
    std::size_t pos_ = 0;
};

}  // namespace velloran
