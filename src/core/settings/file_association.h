#pragma once
// The file-type association of configuration files with this program, installed or removed by
// the platform. Start-up applies the setting "associate"; Preferences applies a change of it.
namespace velloran {

class FileAssociation {
public:
    virtual ~FileAssociation() = default;
    // Installs the association when `associate` is true; removes what it installed otherwise.
    virtual void reg_vlz(bool associate) = 0;
};

}  // namespace velloran
