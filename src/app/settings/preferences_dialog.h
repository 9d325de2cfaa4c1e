#pragma once
// formOptions, "Preferences": the three timings of the mapping engine, the file-type association
// and the default configuration folder. Opening it writes the defaults of empty settings;
// Apply and OK write the values, re-apply the association and report the timings, which the
// window puts in force at once, also on a running test.
#include <QDialog>
#include <functional>
#include <string>

#include "settings/preferences.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace velloran {

// The system's folder browser titled "Configuration Folder", opening in `start`; an empty text
// when cancelled.
QString browseConfigurationFolder(QWidget* owner, const QString& start);

class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    using FolderBrowser = std::function<QString(QWidget* owner, const QString& start)>;

    // `defaultFolder` is the configuration folder used when the setting or the box is empty.
    PreferencesDialog(QWidget* owner, SettingsStore& store, FileAssociation& association,
                      std::string defaultFolder, FolderBrowser browse = browseConfigurationFolder);

signals:
    // Apply or OK wrote the values.
    void applied(const velloran::AppliedPreferences& preferences);

private:
    struct Timing {
        QLineEdit* text;
        QScrollBar* scroll;
        const TimingSetting* setting;
    };

    QString browseStart() const;
    Timing addTiming(QGridLayout* grid, int row, const TimingSetting& setting, const char* name,
                     const char* caption, const char* explanation);
    void load();
    void edited();
    void apply();
    void showButtons();

    SettingsStore& store_;
    FileAssociation& association_;
    std::string defaultFolder_;
    FolderBrowser browse_;
    PreferencesButtons buttons_;

    Timing hold_{};
    Timing repeat_{};
    Timing rotary_{};
    QCheckBox* associate_;
    QLineEdit* folder_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* apply_;
};

}  // namespace velloran
