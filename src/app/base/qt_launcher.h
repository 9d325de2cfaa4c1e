#pragma once
// Starting another program (runvale) detached from the editor.
#include "session/document_services.h"

namespace velloran {

class QtLauncher final : public Launcher {
public:
    bool startDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingFolder) override;
    bool runnerPlays(const std::string& configuration) override;
};

}  // namespace velloran
