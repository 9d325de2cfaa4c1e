#include "engine/mapping_engine.h"

#include <algorithm>
#include <string>
#include <utility>

#include "keys/key_names.h"
#include "keys/send_key.h"

namespace velloran {

MappingEngine::MappingEngine(KeyOutput& output, Clock& clock, EngineView& view, EngineOptions options)
    : output_(output), clock_(clock), view_(view), options_(options) {}

void MappingEngine::setDevices(EngineDevices devices) {
    devices_ = std::move(devices);
    present_.assign(devices_.devices.size(), true);
    mappings_ = CompiledMappings{};
    rows_.clear();
}

void MappingEngine::compile(const MappingTable& table) {
    std::vector<DetectedDevice> infos;
    infos.reserve(devices_.devices.size());
    for (const InputDevice* d : devices_.devices) infos.push_back(d->info());
    mappings_ = compileMappings(table, infos);
    rows_.assign(static_cast<std::size_t>(mappings_.rowCount()), RowState{});
    readFailureShown_ = false;
}

void MappingEngine::MyDXCallback() {
    changed_ = false;
    anyPressed_ = false;
    for (DeviceBackend* backend : devices_.backends) backend->beginPass();
    for (std::size_t d = 0; d < devices_.devices.size(); ++d) {
        if (!present_[d]) continue;
        if (!pollDevice(d)) {
            finishPass(true);
            return;
        }
    }
    finishPass(false);
}

bool MappingEngine::pollDevice(std::size_t d) {
    InputDevice& device = *devices_.devices[d];
    changes_.clear();
    switch (device.read(changes_)) {
        case ReadStatus::NotAcquired:
            device.acquire();
            return false;
        case ReadStatus::ReadFailure:
            view_.setStatusPanel(1, status::kReadFailure);
            readFailureShown_ = true;
            present_[d] = false;
            return true;
        case ReadStatus::Gone:
            present_[d] = false;
            return true;
        case ReadStatus::NewData:
        case ReadStatus::NoChange:
            break;
    }

    const int index = static_cast<int>(d);
    const DetectedDevice& info = device.info();
    int last = info.buttonCount;
    if (options_.stopAtRowCount) last = std::min(last, mappings_.rowCount());
    for (const ButtonChange& change : changes_) {
        if (change.button > last) continue;
        const int row = mappings_.map.row(index, change.button);
        if (row == ButtonMap::kNoRow) continue;
        if (change.down) {
            pressRule(row, change.button, info.displayName);
        } else {
            releaseRule(row);
        }
    }
    for (int b = 1; b <= last; ++b) {
        const int row = mappings_.map.row(index, b);
        if (row == ButtonMap::kNoRow) continue;
        if (device.pressed(b)) {
            pressRule(row, b, info.displayName);
        } else {
            releaseRule(row);
        }
    }
    return true;
}

void MappingEngine::finishPass(bool ended) {
    if (!ended && !anyPressed_) {
        view_.setStatusPanel(2, status::kBlank);
        if (!readFailureShown_) view_.setStatusPanel(1, status::kAvailable);
    }
    // Looks changed before an early end are shown too, or a held row would never be redrawn.
    if (changed_) view_.refreshTable();
}

void MappingEngine::pressRule(int row, int button, std::string_view displayText) {
    anyPressed_ = true;
    panelText_ = "Button ";
    panelText_ += std::to_string(button);
    panelText_ += ": Pressed";
    view_.setStatusPanel(2, panelText_);

    RowState& state = rows_[static_cast<std::size_t>(row)];
    const RowSettings& settings = mappings_.settings[static_cast<std::size_t>(row)];
    const CompiledRow& press = mappings_.press[static_cast<std::size_t>(row)];
    if (settings.repeat && !settings.rotary &&
        clock_.now() - state.lastRepeat > timings_.repeatDelay) {
        sendMacro(row, press, 1);
        state.lastRepeat = clock_.now();
    }
    if (state.held) return;

    panelText_ = status::kDevicePrefix;
    panelText_ += displayText;
    view_.setStatusPanel(1, panelText_);
    readFailureShown_ = false;
    view_.setRowLook(row, RowLook::Held);
    changed_ = true;
    view_.clearFeedback();
    if (settings.rotary) {
        const double now = clock_.now();
        const double since = now - state.lastRotary;
        state.lastRotary = now;
        state.rotaryCount = since < timings_.rotaryThreshold ? settings.multiplier : 1;
        sendMacro(row, press, state.rotaryCount);
    } else if (!settings.repeat) {
        sendMacro(row, press, 1);
    }
    state.held = true;
}

void MappingEngine::releaseRule(int row) {
    RowState& state = rows_[static_cast<std::size_t>(row)];
    if (!state.held) return;
    view_.setRowLook(row, RowLook::Idle);
    changed_ = true;
    view_.clearFeedback();
    const bool rotary = mappings_.settings[static_cast<std::size_t>(row)].rotary;
    sendMacro(row, mappings_.release[static_cast<std::size_t>(row)],
              rotary ? state.rotaryCount : 1);
    state.held = false;
}

void MappingEngine::sendMacro(int row, const CompiledRow& keys, int times) {
    const RowSettings& settings = mappings_.settings[static_cast<std::size_t>(row)];
    setLocks(settings.numLock, settings.capsLock, settings.scrollLock);
    for (int t = 0; t < times; ++t) {
        for (int step = 1; step <= kStepsPerMacro; ++step) {
            if (keys.steps[static_cast<std::size_t>(step - 1)][0].scanCode == 0) continue;
            SendKey(output_, clock_, keys, step, timings_.keyHoldMs);
        }
    }
    // Whatever they were before, the lock keys are left off after every macro.
    setLocks(0, 0, 0);
}

void MappingEngine::setLocks(int numLock, int capsLock, int scrollLock) {
    SetKeyState(output_, vk::NumLock, numLock);
    SetKeyState(output_, vk::CapsLock, capsLock);
    SetKeyState(output_, vk::ScrollLock, scrollLock);
}

}  // namespace velloran
