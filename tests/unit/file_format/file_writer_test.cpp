#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/files.h"
#include "common/fixtures.h"
#include "file_format/configuration_file.h"
#include "table/default_rows.h"

namespace velloran {
namespace {

using testing::readFixture;

// A row as a new configuration makes it: flags off, "1X", no description, empty steps.
MappingRow plainRow(const std::string& button) {
    MappingRow row = defaultRow(ButtonEntry{1, "Pad", "pad"}, colour::ActiveRow);
    row.text = button;
    return row;
}

std::vector<std::string> lines(const std::string& bytes) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        out.push_back(bytes.substr(start, end - start));
    }
    EXPECT_EQ(start, bytes.size()) << "every record ends with CR LF";
    return out;
}

TEST(ConfigurationWriter, WritesSeventyFourRecordsARowInColumnOrder) {
    MappingRow row = plainRow("12");
    row.setFlag(col::Repeat, true);
    row.setFlag(col::CapsLock, true);
    row.cell(col::Multiplier).tag = Tag::number(3);
    row.cell(col::Description).text = "  Gear down ";
    row.cell(col::FirstPress) = Cell{"SHIFT + A", Tag::text("A")};
    row.cell(col::LastStep) = Cell{"CTRL + Z", Tag::text("Z")};

    const auto l = lines(serializeConfiguration({row}));
    ASSERT_EQ(l.size(), 1u + 74u);
    const std::vector<std::string> head = {
        "\"1.4\"",       "\"12\"",  "\"Pad\"", "\"pad\"", "#TRUE#",        "#FALSE#", "\"3\"",
        "\"Gear down\"", "#FALSE#", "#TRUE#",  "#FALSE#", "\"SHIFT + A\"", "\"A\""};
    EXPECT_EQ(std::vector<std::string>(l.begin(), l.begin() + 13), head);
    EXPECT_EQ(l[73], "\"CTRL + Z\"");
    EXPECT_EQ(l[74], "\"Z\"");
}

// Flags are written as their tag holds them; texts are trimmed, encoded and kept on one record.
TEST(ConfigurationWriter, FlagsAsTheirTagAndTextsTrimmedEncodedOnOneRecord) {
    for (const auto& [tag, record] : {std::pair{Tag::text("True"), "\"True\""},
                                      {Tag::number(0.5), "0.5"}, {Tag(), ""}}) {
        MappingRow row = plainRow("1");
        row.cell(col::Rotary).tag = tag;
        EXPECT_EQ(lines(serializeConfiguration({row}))[5], record) << record;
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
        EXPECT_EQ(lines(serializeConfiguration({row}))[7], record) << description;
        EXPECT_EQ(lines(serializeConfiguration({row}))[6], "\"4\"");
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

TEST(SaveConfiguration, WriteErrorsShowTheFileBoxOrTheCommonBox) {
    for (const auto& [number, text] :
         {std::pair<int, std::string>{61, fileIoErrorBox(runtimeError(61)).text},
          {err::FileAlreadyOpen, "File already open\r\n\r\nThe application will now close."},
          {err::TypeMismatch, " 13  Type mismatch in sub save_click."}}) {
        testing::MemoryFiles fs;
        fs.writeErrors["a.vlz"] = runtimeError(number);
        const auto failure = saveConfiguration(fs, "a.vlz", {});
        ASSERT_TRUE(failure) << number;
        EXPECT_EQ(failure->unloadMainWindow, number == err::FileAlreadyOpen) << number;
        EXPECT_EQ(failure->box.text, text);
    }
}

}  // namespace
}  // namespace velloran
