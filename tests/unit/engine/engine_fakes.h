#pragma once
// Scripted devices, a recording view and table rows for the engine tests.
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "table/default_rows.h"
#include "table/mapping_table.h"
#include "devices/input_device.h"
#include "fake_clock.h"
#include "engine/engine_view.h"

namespace velloran::testing {

// A device whose next reads are scripted. Without a script a read reports no change.
class FakeDevice : public InputDevice {
public:
    FakeDevice(std::string identity, int buttons, std::vector<std::string>* log = nullptr)
        : info_{DeviceKind::Joystick, buttons, identity, "Pad " + identity}, log_(log) {}

    const DetectedDevice& info() const override { return info_; }
    ReadStatus read(std::vector<ButtonChange>& changes) override {
        ++reads;
        if (log_ != nullptr) log_->push_back("read " + info_.identity);
        if (script_.empty()) return ReadStatus::NoChange;
        auto [status, next] = std::move(script_.front());
        script_.pop_front();
        for (const ButtonChange& c : next) state_.at(static_cast<std::size_t>(c.button)) = c.down;
        changes.insert(changes.end(), next.begin(), next.end());
        return status;
    }
    bool pressed(int button) const override {
        return button >= 1 && button <= info_.buttonCount &&
               state_[static_cast<std::size_t>(button)];
    }
    void acquire() override { ++acquires; }

    // The next read reports these changes (and a state that includes them).
    void next(std::vector<ButtonChange> changes, ReadStatus status = ReadStatus::NewData) {
        script_.emplace_back(status, std::move(changes));
    }
    void nextStatus(ReadStatus status) { next({}, status); }

    int reads = 0;
    int acquires = 0;

private:
    DetectedDevice info_;
    std::vector<std::string>* log_;
    std::vector<bool> state_ = std::vector<bool>(static_cast<std::size_t>(info_.buttonCount) + 1);
    std::deque<std::pair<ReadStatus, std::vector<ButtonChange>>> script_;
};

inline ButtonChange down(int button) {
    return {button, true};
}
inline ButtonChange up(int button) {
    return {button, false};
}

class FakeBackend : public DeviceBackend {
public:
    explicit FakeBackend(std::vector<std::string>* log) : log_(log) {}
    std::vector<std::unique_ptr<InputDevice>> detect() override { return {}; }
    void beginPass() override { log_->push_back("begin"); }

private:
    std::vector<std::string>* log_;
};

class RecordingView : public EngineView {
public:
    void setStatusPanel(int panel, std::string_view text) override {
        (panel == 1 ? panel1 : panel2) = std::string(text);
    }
    void setRowLook(int row, RowLook look) override { looks.emplace_back(row, look); }
    void clearFeedback() override { ++feedbackClears; }
    void refreshTable() override { ++refreshes; }

    std::string panel1;
    std::string panel2;
    std::vector<std::pair<int, RowLook>> looks;
    int feedbackClears = 0;
    int refreshes = 0;
};

// A row for button `button` of the device `identity` with steps given as (text, key name).
inline MappingRow mappedRow(const std::string& identity, int button,
                            const std::vector<std::pair<std::string, std::string>>& press = {},
                            const std::vector<std::pair<std::string, std::string>>& release = {}) {
    MappingRow row = defaultRow(ButtonEntry{button, "Pad", identity}, colour::ActiveRow);
    for (std::size_t k = 0; k < press.size(); ++k) {
        row.cell(col::FirstPress + static_cast<int>(k)) =
            Cell{press[k].first, Tag::text(press[k].second)};
    }
    for (std::size_t k = 0; k < release.size(); ++k) {
        row.cell(col::FirstRelease + static_cast<int>(k)) =
            Cell{release[k].first, Tag::text(release[k].second)};
    }
    return row;
}

}  // namespace velloran::testing
