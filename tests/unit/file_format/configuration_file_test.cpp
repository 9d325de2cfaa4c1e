#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "common/fixtures.h"
#include "file_format/configuration_file.h"
#include "session/document_state.h"
#include "table/default_rows.h"

namespace velloran {
namespace {

using testing::readFixture;
using FollowUp = LoadFailure::FollowUp;

constexpr const char* kYoke = "{4A1B2C30-7D8E-11EF-8001-444553540000}";

// The yoke is present with two buttons, the board with 32; the pedals are not connected.
DeviceInventory devices() {
    DeviceInventory d;
    d.add(DetectedDevice{DeviceKind::Joystick, 2, kYoke, "Flight Yoke"});
    d.add(DetectedDevice{DeviceKind::Hid, 32, "hid#vid_1d50&pid_6102&sn_00417", "Board"});
    return d;
}

// A 1.4 row block with the given button and Repeat records, everything else plain.
std::string block14(const std::string& button, const std::string& repeat = "#FALSE#") {
    std::string out = button + "\r\n\"Pad\"\r\n\"pad\"\r\n" + repeat +
                      "\r\n#FALSE#\r\n\"1\"\r\n\"\"\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n";
    for (int i = 0; i < 64; ++i) out += "\" \"\r\n";
    return out;
}

void expectFollowUp(const LoadedConfiguration& c, FollowUp followUp, int state) {
    ASSERT_TRUE(c.failure);
    EXPECT_EQ(c.failure->followUp, followUp);
    EXPECT_EQ(c.state, state);
}

// A row as a new configuration makes it: flags off, "1X", no description, empty steps.
MappingRow plainRow(const std::string& button) {
    MappingRow row = defaultRow(ButtonEntry{1, "Pad", "pad"}, colour::ActiveRow);
    row.text = button;
    return row;
}

// The records of the rows written; every record ends with CR LF.
std::vector<std::string> written(const MappingRow& row) {
    const std::string bytes = serializeConfiguration({row});
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        out.push_back(bytes.substr(start, end - start));
    }
    EXPECT_EQ(start, bytes.size());
    return out;
}

TEST(ConfigurationReader, CurrentVersionFillsEveryColumnAndMarksRows) {
    const auto c = parseConfiguration(readFixture("v1_4.vlz"), devices());
    ASSERT_FALSE(c.failure);
    EXPECT_EQ(c.state, 0);
    ASSERT_EQ(c.rows.size(), 6u);
    const MappingRow& flaps = c.rows[1];
    EXPECT_EQ(flaps.cell(col::DeviceId), (Cell{"Flight Yoke", Tag::text(kYoke)}));
    EXPECT_EQ(flaps.cell(col::Repeat), (Cell{"On", Tag::boolean(true)}));
    EXPECT_EQ(flaps.cell(col::Multiplier), (Cell{"1X", Tag::text("1")}));
    EXPECT_EQ(flaps.cell(col::FirstPress + 1), (Cell{"A", Tag::text("A")}));
    EXPECT_EQ(flaps.cell(col::FirstRelease), (Cell{"CTRL + Z", Tag::text("Z")}));
    EXPECT_EQ(c.rows[5].cell(col::ScrollLock), (Cell{"On", Tag::boolean(true)}));
    // Present device within its button count; button above the count; device missing; a device
    // identity matched without regard to case.
    for (const auto& [index, active] : {std::pair{0, true}, {2, false}, {3, false}, {4, true}}) {
        const MappingRow& row = c.rows[static_cast<std::size_t>(index)];
        EXPECT_EQ(row.colour, active ? colour::ActiveRow : colour::InactiveRow) << index;
    }
}

// Older files load with the obsolete-data notice, state "changed", and the lock flags off.
TEST(ConfigurationReader, OlderVersionsLoadTheirRecordsIntoTheCurrentColumns) {
    for (const auto& [name, version, rows, press, key] :
         {std::tuple{"v1_3.vlz", "1.3", 3u, "G", "G"}, {"v1_2.vlz", "1.2", 3u, "SHIFT + A", "A"},
          {"v1_1.vlz", "1.1", 2u, "SHIFT + A", "A"}}) {
        const auto c = parseConfiguration(readFixture(name), devices());
        ASSERT_FALSE(c.failure) << name;
        EXPECT_EQ(c.version, version);
        EXPECT_EQ(c.messages.size(), 1u) << name;
        EXPECT_EQ(c.state, state::Changed) << name;
        ASSERT_EQ(c.rows.size(), rows) << name;
        for (const MappingRow& row : c.rows) EXPECT_FALSE(row.flag(col::CapsLock)) << name;
        EXPECT_EQ(c.rows[0].cell(col::FirstPress), (Cell{press, Tag::text(key)})) << name;
    }
    const auto v13 = parseConfiguration(readFixture("v1_3.vlz"), devices());
    EXPECT_EQ(v13.rows[1].cell(col::FirstRelease), (Cell{"CTRL + Z", Tag::text("Z")}));
    // 1.2: one key a macro, in the first press and release steps; the rest left empty.
    const auto v12 = parseConfiguration(readFixture("v1_2.vlz"), devices());
    EXPECT_EQ(v12.rows[0].cell(col::FirstRelease), (Cell{"A", Tag::text("A")}));
    EXPECT_EQ(v12.rows[0].cell(col::FirstRelease + 1), (Cell{"", Tag()}));
    EXPECT_EQ(v12.rows[1].cell(col::FirstRelease), (Cell{" ", Tag::text("")}));  // no key code
}

// Rows whose button is not a number from 1 to 512 are dropped; flag tags keep the kind of their
// record; an unquoted version record is current too.
TEST(ConfigurationReader, ButtonNumbersOutsideOneTo512AreDroppedAndFlagsKeepTheirKind) {
    std::string file = "1.4\r\n";
    for (const char* button : {"\"0\"", "\"513\"", "-2", "", "#TRUE#"}) file += block14(button);
    file += block14("\"1\"", "\"True\"") + block14("\"512\"", "\" false \"") + block14("3", "-1") +
            block14("\"4\"", "");
    const auto c = parseConfiguration(file, devices());
    ASSERT_FALSE(c.failure);
    EXPECT_FALSE(c.obsolete);
    ASSERT_EQ(c.rows.size(), 4u);
    const Cell repeats[] = {{"On", Tag::text("True")}, {"Off", Tag::text(" false ")},
                            {"On", Tag::number(-1)}, {"Off", Tag()}};
    for (std::size_t r = 0; r < 4; ++r) EXPECT_EQ(c.rows[r].cell(col::Repeat), repeats[r]) << r;
    EXPECT_EQ(c.rows[1].text, "512");
}

// Empty or cut-short files ask to delete the file; a non-numeric button or a bad flag is a type
// mismatch.
TEST(ConfigurationReader, BrokenFilesFailWithTheirFollowUp) {
    for (const std::string& file :
         {std::string(), readFixture("truncated.vlz"), readFixture("not_a_config.txt"),
          readFixture("v1_4.vlz") + "\r\n"}) {  // one more record
        expectFollowUp(parseConfiguration(file, devices()), FollowUp::AskDeleteFile, 2);
    }
    EXPECT_EQ(parseConfiguration(readFixture("truncated.vlz"), devices()).rows.size(), 2u);

    const std::string head = "\"1.4\"\r\n" + block14("\"1\"");
    const auto button = parseConfiguration(head + block14("\"twelve\""), devices());
    expectFollowUp(button, FollowUp::None, 0);
    EXPECT_EQ(button.rows.size(), 1u);
    expectFollowUp(parseConfiguration(head + block14("\"2\"", "\"maybe\""), devices()),
                   FollowUp::None, 0);
}

// Flags are written as their tag holds them; texts are trimmed, encoded and kept on one record.
TEST(ConfigurationWriter, FlagsAsTheirTagAndTextsTrimmedEncodedOnOneRecord) {
    for (const auto& [tag, record] :
         {std::pair{Tag::text("True"), "\"True\""}, {Tag::number(0.5), "0.5"}, {Tag(), ""}}) {
        MappingRow row = plainRow("1");
        row.cell(col::Rotary).tag = tag;
        EXPECT_EQ(written(row).at(5), record) << record;
    }
    for (const auto& [description, record] :
         {std::pair{"   ", "\"\""}, {" \tx\t ", "\"\tx\t\""}, {"two\r\nlines", "\"two  lines\""},
          {"Frein à main", "\"Frein \xE0 main\""},
          // Long enough to be handled a block of bytes at a time.
          {"Trim \"nose up\" on the yoke\r\nand \"nose down\" on the hat,\rslowly",
           "\"Trim 'nose up' on the yoke  and 'nose down' on the hat, slowly\""}}) {
        MappingRow row = plainRow("1");
        row.cell(col::Description).text = description;
        row.cell(col::Multiplier).tag = Tag::text(" 4 ");
        const auto records = written(row);
        ASSERT_EQ(records.size(), 1u + 74u);
        EXPECT_EQ(records[7], record) << description;
        EXPECT_EQ(records[6], "\"4\"");
    }
}

// Fixtures rewrite byte for byte; written rows read back with their cells and tag kinds.
TEST(ConfigurationWriter, RoundTripKeepsBytesCellsAndTagKinds) {
    for (const char* name : {"v1_4.vlz", "cp1252_accents.vlz"}) {
        const std::string original = readFixture(name);
        EXPECT_EQ(serializeConfiguration(parseConfiguration(original, {}).rows), original) << name;
    }
    MappingRow row = plainRow("512");
    row.cell(col::Repeat) = Cell{"On", Tag::text("True")};
    row.cell(col::NumLock) = Cell{"On", Tag::number(1)};
    row.cell(col::FirstRelease + 3) = Cell{"SHIFT + CTRL + ALT + F12", Tag::text("F12")};
    row.cell(col::DeviceId) = Cell{"Board", Tag::text("HID#VID_1D50")};
    const auto loaded = parseConfiguration(serializeConfiguration({row}), DeviceInventory{});
    ASSERT_EQ(loaded.rows.size(), 1u);
    for (int c : {int{col::DeviceId}, int{col::Repeat}, int{col::NumLock}, col::FirstRelease + 3}) {
        EXPECT_EQ(loaded.rows[0].cell(c), row.cell(c)) << c;
        EXPECT_EQ(loaded.rows[0].cell(c).tag.kind(), row.cell(c).tag.kind()) << c;
    }
}

}  // namespace
}  // namespace velloran
