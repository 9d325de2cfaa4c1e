#include "live_test/key_output_factory.h"

#include <iostream>
#include <memory>

#include "keys/held_key_guard.h"

namespace velloran {
namespace {

class KeptOutputHandle final : public KeyOutput {
public:
    explicit KeptOutputHandle(KeyOutput& output) : guard_(output) {}
    ~KeptOutputHandle() override { guard_.releaseHeld(); }
    KeptOutputHandle(const KeptOutputHandle&) = delete;
    KeptOutputHandle& operator=(const KeptOutputHandle&) = delete;

    bool send(std::span<const KeyRecord> batch) override { return guard_.send(batch); }
    int keyState(std::uint16_t virtualKey) override { return guard_.keyState(virtualKey); }

private:
    HeldKeyGuard guard_;
};

}  // namespace

KeyOutputFactory systemKeyOutput(std::function<void(const std::string&)> notice) {
    auto kept = std::make_shared<OpenedKeyOutput>();
    return [kept, notice]() -> OpenedKeyOutput {
        if (!kept->output) {
            KeyOutputPlaces places;
            places.notice = [notice](const std::string& text) {
                std::cerr << text << std::endl;
                if (notice) notice(text);
            };
            *kept = openKeyOutput(places);
        }
        if (!kept->output) return {nullptr, kept->choice, ""};
        return {std::make_unique<KeptOutputHandle>(*kept->output), kept->choice, kept->layout};
    };
}

}  // namespace velloran
