#include <gtest/gtest.h>

#include "common/clock.h"
#include "common/devices.h"
#include "common/key_text.h"
#include "common/rows.h"
#include "engine/compiled_mappings.h"
#include "engine/mapping_engine.h"

namespace velloran::testing {
namespace {

struct RecordingView : EngineView {
    void setStatusPanel(int panel, std::string_view text) override {
        (panel == 1 ? panel1 : panel2) = std::string(text);
    }
    void setRowLook(int row, RowLook look) override { looks.emplace_back(row, look); }
    void clearFeedback() override {}
    void refreshTable() override {}
    std::string panel1, panel2;
    std::vector<std::pair<int, RowLook>> looks;
};

DetectedDevice device(const char* identity, int buttons) {
    return DetectedDevice{DeviceKind::Joystick, buttons, identity, identity};
}

TEST(CompileMappings, MapsEachButtonToTheFirstRowOfItsOwnDevice) {
    MappingRow spaced = row("PAD", 2);
    spaced.text = " 2";  // the text must be the number exactly
    const MappingTable t = table({row("STICK", 1), row("pad", 1), row("PAD", 1), row("STICK", 2),
                                  row("PAD", 3), row("OTHER", 2), spaced});
    const DetectedDevice devices[] = {device("PAD", 2), device("STICK", 3)};
    const CompiledMappings m = compileMappings(t, devices);
    const int no = ButtonMap::kNoRow;
    const int want[2][3] = {{1, no, no}, {0, 3, no}};
    for (int d = 0; d < 2; ++d) {
        for (int b = 1; b <= 3; ++b) EXPECT_EQ(m.map.row(d, b), want[d][b - 1]) << d << b;
    }
}

TEST(CompileMappings, OnlyTwoFourAndEightMultiply) {
    MappingRow r = row("PAD", 1);
    const DetectedDevice devices[] = {device("PAD", 1)};
    for (const auto& [tag, want] : {std::pair{Tag::text("8"), 8},
                                    {Tag::number(2), 2},
                                    {Tag::number(3), 1},
                                    {Tag::number(16), 1},
                                    {Tag::text("4X"), 1}}) {
        r.cell(col::Multiplier).tag = tag;
        EXPECT_EQ(compileMappings(table({r}), devices).settings[0].multiplier, want)
            << tag.toText();
    }
}

// Two pads with the same button numbers, each button typing a key of its own.
class Engine : public ::testing::Test {
protected:
    void start(EngineOptions options = {}) {
        MappingRow a1 = row("PAD-A", 1,
                            {{"A", "A"}, kBlank, {"PRINT SCREEN", "PRINT SCREEN"}, {"C", "C"},
                             {"SHIFT + PRINT SCREEN", "PRINT SCREEN"}});
        a1.cell(col::FirstRelease + 15) = Cell{"D", Tag::text("D")};
        rows = table({row("PAD-B", 1, {{"B", "B"}}), a1, row("PAD-A", 4, {{"E", "E"}})});
        engine = std::make_unique<MappingEngine>(out, clock, view, options);
        engine->setDevices({{&backend, &backend}, {&padA, &padB}});
        engine->compile(rows);
    }
    // One pass, returning what it typed.
    std::string pass(std::vector<ButtonChange> a = {}, std::vector<ButtonChange> b = {}) {
        if (!a.empty()) padA.next(std::move(a));
        if (!b.empty()) padB.next(std::move(b));
        out.clearBatches();
        log.clear();
        engine->MyDXCallback();
        return keysText(out.batches());
    }

    static constexpr const char* kA1 = "+1E | -1E | +2E | -2E | +2A | -2A";  // blank and no scan code skipped
    std::vector<std::string> log;
    FakeClock clock;
    RecordingOutput out{clock};
    RecordingView view;
    LoggingBackend backend{&log};
    ScriptedDevice padA{"PAD-A", 4, &log};
    ScriptedDevice padB{"PAD-B", 4, &log};
    MappingTable rows;
    std::unique_ptr<MappingEngine> engine;
};

TEST_F(Engine, PressMacroOnceReleaseMacroOnceEachDeviceWithItsOwnRows) {
    start();
    EXPECT_EQ(pass({down(1)}, {down(1)}), std::string(kA1) + " | +30 | -30");
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "begin", "read PAD-A", "read PAD-B"}));
    EXPECT_EQ(view.panel1, "Input Devices: Pad PAD-B");
    EXPECT_EQ(view.panel2, "Button 1: Pressed");
    clock.advanceMs(2000);
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(pass({up(1)}, {up(1)}), "+20 | -20");
    EXPECT_EQ(view.looks, (std::vector<std::pair<int, RowLook>>{
                              {1, RowLook::Held}, {0, RowLook::Held}, {1, RowLook::Idle},
                              {0, RowLook::Idle}}));
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(view.panel1, "Input Devices: Available");
}

TEST_F(Engine, APulseWithinOnePassSendsBothMacrosInOrder) {
    start();
    EXPECT_EQ(pass({down(1), up(1), down(4), up(4)}), std::string(kA1) + " | +20 | -20 | +12 | -12");
    EXPECT_EQ(pass({down(4), up(4), down(4), up(4)}), "+12 | -12 | +12 | -12");
}

TEST_F(Engine, NotAcquiredEndsThePassReadFailureAndGoneDropTheDevice) {
    start();
    padA.nextStatus(ReadStatus::NotAcquired);
    view.panel1 = "kept";
    EXPECT_EQ(pass({}, {down(1)}), "");
    EXPECT_EQ(padA.acquires, 1);
    EXPECT_EQ(view.panel1, "kept");
    EXPECT_EQ(pass(), "+30 | -30");

    padA.nextStatus(ReadStatus::ReadFailure);
    pass();
    pass();
    EXPECT_EQ(view.panel1, "Input Devices: Device Read Failure!");
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "begin", "read PAD-B"}));
    // A press elsewhere replaces the failure, and idle passes report devices available again.
    pass({}, {up(1)});
    pass({}, {down(1)});
    pass({}, {up(1)});
    EXPECT_EQ(view.panel1, "Input Devices: Available");

    padB.nextStatus(ReadStatus::Gone);
    pass();
    pass();
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "begin"}));
}

TEST_F(Engine, TestModeEndsADevicesButtonsAboveTheRowCount) {
    for (const auto& [stopAtRowCount, want] :
         {std::pair{true, "+30 | -30"}, {false, "+12 | -12 | +30 | -30"}}) {
        start({stopAtRowCount});
        EXPECT_EQ(pass({down(4)}, {down(1)}), want) << stopAtRowCount;
    }
}

}  // namespace
}  // namespace velloran::testing
