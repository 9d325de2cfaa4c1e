#pragma once
// The desktop trash (freedesktop.org trash of the user's home or of the file's volume).
#include "session/document_services.h"

namespace velloran {

class QtTrash final : public Trash {
public:
    std::optional<RuntimeError> moveToTrash(const std::string& path) override;
    std::optional<RuntimeError> deletePermanently(const std::string& path) override;
};

}  // namespace velloran
