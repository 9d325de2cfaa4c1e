// Reading configuration files (open_click): every version back to 1.1, each row marked against
// the detected devices.
#include <algorithm>
#include <cstddef>

#include "base/version.h"
#include "file_format/configuration_file.h"
#include "session/document_state.h"
#include "file_format/field_reader.h"
#include "table/row_state.h"

namespace velloran {

namespace {

constexpr double kLastButton = 512;

// Records per row block of each file version.
constexpr std::size_t kRecords14 = 74;
constexpr std::size_t kRecords13 = 71;
constexpr std::size_t kRecords12 = 9;
constexpr std::size_t kRecords11 = 6;

struct Layout {
    std::string version;
    std::size_t records;
};

Layout layoutFor(const std::string& versionRecord) {
    if (versionRecord == fileVersionText()) return {versionRecord, kRecords14};
    if (versionRecord == "1.3") return {"1.3", kRecords13};
    if (versionRecord == "1.2") return {"1.2", kRecords12};
    return {"1.1", kRecords11};
}

Message obsoleteDataMessage() {
    return Message{Icon::Exclamation, "File Format Error",
                   "Obsolete data found. Please resave this file."};
}

LoadFailure corruptFile(const RuntimeError& error) {
    std::string text = "This file is either corrupt or not in ";
    text += kProductName;
    text += " format";
    text += kCrLf;
    text += "and will be removed from the list.";
    text += kCrLf;
    text += kCrLf;
    text += "Delete the file?";
    return LoadFailure{error,
                       Message{Icon::Critical, "File IO Error", std::move(text), Buttons::YesNo},
                       LoadFailure::FollowUp::AskDeleteFile, state::New};
}

LoadFailure trappedError(const RuntimeError& error) {
    return LoadFailure{error, errorBox(error, ProcKind::Sub, "open_click"),
                       LoadFailure::FollowUp::None, state::Unchanged};
}

// A flag column: "On" when the record converts to True, the record itself as Tag.
std::optional<RuntimeError> setFlagFromRecord(MappingRow& row, int column, Tag record) {
    const auto on = record.toBool();
    if (!on) return runtimeError(err::TypeMismatch);
    row.cell(column) = Cell{*on ? "On" : "Off", std::move(record)};
    return std::nullopt;
}

void setSteps(MappingRow& row, std::vector<Tag>& block, std::size_t first) {
    for (int c = col::FirstPress; c <= col::LastStep; ++c) {
        const std::size_t r = first + 2 * static_cast<std::size_t>(c - col::FirstPress);
        Cell& cell = row.cell(c);
        // Copied, not moved out: the record keeps its buffer for the next row's field.
        if (block[r].isText()) {
            cell.text = block[r].asText();
        } else {
            cell.text = block[r].toText();
        }
        cell.tag = std::move(block[r + 1]);
    }
}

// Versions 1.4 and 1.3: records 1 to 7 are the same, 1.3 has no lock-key records.
std::optional<RuntimeError> fillCurrentLayout(MappingRow& row, std::vector<Tag>& block,
                                              bool withLocks) {
    if (auto e = setFlagFromRecord(row, col::Repeat, std::move(block[3]))) return e;
    if (auto e = setFlagFromRecord(row, col::Rotary, std::move(block[4]))) return e;
    row.cell(col::Multiplier) = Cell{block[5].toText() + "X", std::move(block[5])};
    row.cell(col::Description) = Cell{std::move(block[6]).toText(), Tag::boolean(false)};
    if (withLocks) {
        if (auto e = setFlagFromRecord(row, col::NumLock, std::move(block[7]))) return e;
        if (auto e = setFlagFromRecord(row, col::CapsLock, std::move(block[8]))) return e;
        if (auto e = setFlagFromRecord(row, col::ScrollLock, std::move(block[9]))) return e;
        setSteps(row, block, 10);
    } else {
        row.setFlag(col::NumLock, false);
        row.setFlag(col::CapsLock, false);
        row.setFlag(col::ScrollLock, false);
        setSteps(row, block, 7);
    }
    return std::nullopt;
}

// Version 1.2 stored a release key code "True" when the key had none.
bool meansNoKeyCode(const Tag& code) {
    if (code.isBoolean()) return code.asBoolean();
    return code.isText() && code.asText() == "True";
}

// Versions 1.2 and 1.1 held one press key (and, in 1.2, one release key): they go to the first
// press and release steps; the other steps stay empty.
std::optional<RuntimeError> fillOldLayout(MappingRow& row, std::vector<Tag>& block,
                                          bool withRelease) {
    row.cell(col::FirstPress) = Cell{std::move(block[3]).toText(), std::move(block[4])};
    if (withRelease) {
        Tag code = meansNoKeyCode(block[6]) ? Tag::text("") : std::move(block[6]);
        row.cell(col::FirstRelease) = Cell{std::move(block[5]).toText(), std::move(code)};
        if (auto e = setFlagFromRecord(row, col::Repeat, std::move(block[7]))) return e;
    } else {
        row.setFlag(col::Repeat, false);
    }
    row.setFlag(col::Rotary, false);
    row.cell(col::Multiplier) = Cell{"1X", Tag::number(1)};
    row.cell(col::Description) = Cell{std::move(block.back()).toText(), Tag::boolean(false)};
    row.setFlag(col::NumLock, false);
    row.setFlag(col::CapsLock, false);
    row.setFlag(col::ScrollLock, false);
    return std::nullopt;
}

// The block's size tells its layout.
std::optional<RuntimeError> fillRow(MappingRow& row, std::vector<Tag>& block) {
    row.cell(col::DeviceId) = Cell{std::move(block[1]).toText(), std::move(block[2])};
    switch (block.size()) {
        case kRecords14:
            return fillCurrentLayout(row, block, true);
        case kRecords13:
            return fillCurrentLayout(row, block, false);
        case kRecords12:
            return fillOldLayout(row, block, true);
        default:
            return fillOldLayout(row, block, false);
    }
}

// Rows of a file are much alike in size, so the first block tells about how many follow: reserving
// for them spares the regrowths, each of which moves every row. A block is taken as at least four
// bytes a record (an empty text and its line end), which bounds what an odd file can reserve.
void reserveRows(std::vector<MappingRow>& rows, const FieldReader& in, std::size_t blockStart,
                 std::size_t records) {
    const std::size_t blockBytes = std::max(in.offset() - blockStart, 4 * records);
    rows.reserve(1 + in.remaining() / blockBytes);
}

// Reads the version record and the row blocks into `out`; the failure that stopped it, if any.
std::optional<LoadFailure> readInto(LoadedConfiguration& out, std::string_view bytes,
                                    const DeviceInventory& devices) {
    FieldReader in(bytes);
    Tag versionRecord;
    if (auto e = in.next(versionRecord)) return corruptFile(*e);
    const Layout layout = layoutFor(versionRecord.toText());
    out.version = layout.version;
    out.obsolete = layout.version != fileVersionText();
    if (out.obsolete) out.messages.push_back(obsoleteDataMessage());

    std::vector<Tag> block(layout.records);
    const std::size_t firstBlockStart = in.offset();
    while (!in.atEnd()) {
        for (Tag& record : block) {
            if (auto e = in.next(record)) return corruptFile(*e);
        }
        if (out.rows.capacity() == 0) reserveRows(out.rows, in, firstBlockStart, layout.records);
        const auto button = block[0].toNumber();
        if (!button) return trappedError(runtimeError(err::TypeMismatch));
        if (*button <= 0 || *button > kLastButton) continue;

        MappingRow& row = out.rows.emplace_back();
        row.text = std::move(block[0]).toText();
        if (auto e = fillRow(row, block)) {
            out.rows.pop_back();
            return trappedError(*e);
        }
        markRowState(row, devices);
    }
    out.state = out.obsolete ? state::Changed : state::Unchanged;
    return std::nullopt;
}

}  // namespace

LoadedConfiguration parseConfiguration(std::string_view bytes, const DeviceInventory& devices) {
    LoadedConfiguration out;
    if (auto failure = readInto(out, bytes, devices)) {
        out.state = failure->state;
        out.failure = std::move(failure);
    }
    return out;
}

}  // namespace velloran
