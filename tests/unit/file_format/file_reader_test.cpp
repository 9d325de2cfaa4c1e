#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "common/files.h"
#include "common/fixtures.h"
#include "file_format/configuration_file.h"

namespace velloran {
namespace {

using testing::readFixture;

constexpr const char* kYoke = "{4A1B2C30-7D8E-11EF-8001-444553540000}";

// The yoke is present with two buttons, the board with 32; the pedals are not connected.
DeviceInventory devices() {
    DeviceInventory d;
    d.add(DetectedDevice{DeviceKind::Joystick, 2, kYoke, "Flight Yoke"});
    d.add(DetectedDevice{DeviceKind::Hid, 32, "hid#vid_1d50&pid_6102&sn_00417", "Board"});
    return d;
}

// Records one a line, as a file holds them.
std::string records(std::initializer_list<std::string> rs) {
    std::string out;
    for (const auto& r : rs) out += r + "\r\n";
    return out;
}

// A 1.4 row block with the given button and Repeat records, everything else plain.
std::string block14(const std::string& button, const std::string& repeat = "#FALSE#") {
    std::string out = records({button, "\"Pad\"", "\"pad\"", repeat, "#FALSE#", "\"1\"", "\"\"",
                               "#FALSE#", "#FALSE#", "#FALSE#"});
    for (int i = 0; i < 64; ++i) out += "\" \"\r\n";
    return out;
}

const Message kObsolete{Icon::Exclamation, "File Format Error",
                        "Obsolete data found. Please resave this file."};

void expectFollowUp(const LoadedConfiguration& c, LoadFailure::FollowUp followUp, int state) {
    ASSERT_TRUE(c.failure);
    EXPECT_EQ(c.failure->followUp, followUp);
    EXPECT_EQ(c.state, state);
}

Cell cell(const char* text, const Tag& tag) {
    return Cell{text, tag};
}

TEST(ConfigurationReader, CurrentVersionFillsEveryColumnAndMarksRows) {
    const auto c = parseConfiguration(readFixture("v1_4.vlz"), devices());
    ASSERT_FALSE(c.failure);
    EXPECT_FALSE(c.obsolete);
    EXPECT_EQ(c.state, 0);
    ASSERT_EQ(c.rows.size(), 6u);
    const MappingRow& flaps = c.rows[1];
    EXPECT_EQ(flaps.cell(col::DeviceId), cell("Flight Yoke", Tag::text(kYoke)));
    EXPECT_EQ(flaps.cell(col::Repeat), cell("On", Tag::boolean(true)));
    EXPECT_EQ(flaps.cell(col::Multiplier), cell("1X", Tag::text("1")));
    EXPECT_EQ(flaps.cell(col::Description).text, "Flaps down");
    EXPECT_EQ(flaps.cell(col::FirstPress + 1), cell("A", Tag::text("A")));
    EXPECT_EQ(flaps.cell(col::FirstRelease), cell("CTRL + Z", Tag::text("Z")));
    EXPECT_EQ(c.rows[5].cell(col::ScrollLock), cell("On", Tag::boolean(true)));
    EXPECT_EQ(c.rows[5].cell(col::FirstPress + 2), cell("SHIFT + ", Tag::text(" ")));
    // Present device within its button count; button above the count; device missing; a device
    // identity matched without regard to case.
    for (const auto& [index, active] : {std::pair{0, true}, {2, false}, {3, false}, {4, true}}) {
        const MappingRow& row = c.rows[static_cast<std::size_t>(index)];
        EXPECT_EQ(row.colour, active ? colour::ActiveRow : colour::InactiveRow) << index;
    }
}

// Older files load with the obsolete-data notice, state "changed", and the lock flags off; 1.1
// and unknown versions read six records a row.
TEST(ConfigurationReader, OlderVersionsLoadTheirRecordsIntoTheCurrentColumns) {
    for (const auto& [name, version, rows, press, key] :
         {std::tuple{"v1_3.vlz", "1.3", 3u, "G", "G"}, {"v1_2.vlz", "1.2", 3u, "SHIFT + A", "A"},
          {"v1_1.vlz", "1.1", 2u, "SHIFT + A", "A"}}) {
        const auto c = parseConfiguration(readFixture(name), devices());
        ASSERT_FALSE(c.failure) << name;
        EXPECT_EQ(c.version, version);
        EXPECT_EQ(c.messages, std::vector<Message>{kObsolete}) << name;
        EXPECT_EQ(c.state, 16) << name;
        ASSERT_EQ(c.rows.size(), rows) << name;
        for (const MappingRow& row : c.rows) EXPECT_FALSE(row.flag(col::CapsLock)) << name;
        EXPECT_EQ(c.rows[0].cell(col::FirstPress), cell(press, Tag::text(key))) << name;
    }
    const auto v13 = parseConfiguration(readFixture("v1_3.vlz"), devices());
    EXPECT_EQ(v13.rows[1].cell(col::FirstRelease), cell("CTRL + Z", Tag::text("Z")));
    // 1.2: one key a macro, in the first press and release steps; the rest left empty.
    const auto v12 = parseConfiguration(readFixture("v1_2.vlz"), devices());
    EXPECT_EQ(v12.rows[0].cell(col::FirstRelease), cell("A", Tag::text("A")));
    EXPECT_EQ(v12.rows[0].cell(col::FirstRelease + 1), cell("", Tag()));
    EXPECT_EQ(v12.rows[1].cell(col::FirstRelease), cell(" ", Tag::text("")));  // no key code
    for (const char* version : {"\"1.40\"", "#TRUE#"}) {
        const std::string file =
            records({version, "\"7\"", "\"Pad\"", "\"pad\"", "\"B\"", "\"B\"", "\"Brake\""});
        const auto old = parseConfiguration(file, devices());
        EXPECT_EQ(old.version, "1.1") << version;
        ASSERT_EQ(old.rows.size(), 1u) << version;
        EXPECT_EQ(old.rows[0].cell(col::Description).text, "Brake") << version;
    }
}

// Rows whose button is not a number from 1 to 512 are dropped; flag tags keep the kind of their
// record; an unquoted version record is current too.
TEST(ConfigurationReader, ButtonNumbersOutsideOneTo512AreDroppedAndFlagsKeepTheirKind) {
    std::string file = records({"1.4"});
    for (const char* button : {"\"0\"", "\"513\"", "-2", "", "#TRUE#"}) file += block14(button);
    file += block14("\"1\"", "\"True\"") + block14("\"512\"", "\" false \"") +
            block14("3", "-1") + block14("\"4\"", "");
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
    using FollowUp = LoadFailure::FollowUp;
    for (const std::string& file : {std::string(), readFixture("truncated.vlz"),
                                    readFixture("not_a_config.txt"),
                                    readFixture("v1_4.vlz") + "\r\n"}) {  // one more record
        expectFollowUp(parseConfiguration(file, devices()), FollowUp::AskDeleteFile, 2);
    }
    EXPECT_EQ(parseConfiguration(readFixture("truncated.vlz"), devices()).rows.size(), 2u);

    const std::string head = records({"\"1.4\""}) + block14("\"1\"");
    const auto button = parseConfiguration(head + block14("\"twelve\""), devices());
    expectFollowUp(button, FollowUp::None, 0);
    EXPECT_EQ(button.failure->box.text, " 13  Type mismatch in sub open_click.");
    EXPECT_EQ(button.rows.size(), 1u);
    expectFollowUp(parseConfiguration(head + block14("\"2\"", "\"maybe\""), devices()),
                   FollowUp::None, 0);
}

TEST(LoadConfiguration, ReadErrorsDecideTheFollowUp) {
    using FollowUp = LoadFailure::FollowUp;
    const Message unload{Icon::Critical, "File IO Error",
                         "File already open\r\n\r\nThe application will now close."};
    for (const auto& [error, followUp, state, box] :
         {std::tuple{runtimeError(53), FollowUp::RemoveEntry, 2, fileIoErrorBox(runtimeError(53))},
          {runtimeError(70), FollowUp::CloseConfiguration, 0, fileIoErrorBox(runtimeError(70))},
          {runtimeError(err::FileAlreadyOpen), FollowUp::UnloadMainWindow, 0, unload},
          {RuntimeError{7, "Out of memory"}, FollowUp::None, 0,
           Message{Icon::Critical, "ERROR", " 7  Out of memory in sub open_click."}}}) {
        testing::MemoryFiles fs;
        fs.readErrors["a.vlz"] = error;
        const auto loaded = loadConfiguration(fs, "a.vlz", DeviceInventory{});
        expectFollowUp(loaded, followUp, state);
        EXPECT_EQ(loaded.failure->box, box) << error.number;
    }
}

}  // namespace
}  // namespace velloran
