#pragma once
// The keyboard layout that key output and recording follow: the translation in force and the
// line that names it. A layout read from a server follows its changes; one compiled from names
// stays as it was made.
#include <string>
#include <utility>

#include "keys/key_translation.h"

namespace velloran {

class KeyLayout {
public:
    virtual ~KeyLayout() = default;
    // The translation for the next key. A source that follows a server takes in the changes it
    // has reported first; without news this is a plain read.
    virtual const KeyTranslation& translation() = 0;
    // "Keyboard layout: German (X server)" (layoutInForceText).
    virtual std::string description() const = 0;
};

class FixedKeyLayout final : public KeyLayout {
public:
    FixedKeyLayout(KeyTranslation translation, std::string description)
        : translation_(translation), description_(std::move(description)) {}

    const KeyTranslation& translation() override { return translation_; }
    std::string description() const override { return description_; }

private:
    KeyTranslation translation_;
    std::string description_;
};

}  // namespace velloran
