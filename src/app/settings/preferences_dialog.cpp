#include "settings/preferences_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>

#include "settings/setting_values.h"

namespace velloran {
namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

std::string text(const QLineEdit* box) {
    return box->text().toStdString();
}

// The scroll bars run from the largest value at the top to the smallest at the bottom: their
// position is the negated value, so the up arrow raises the value.
void showOnScroll(QScrollBar* scroll, const std::string& value) {
    scroll->setValue(-static_cast<int>(std::lround(numericValue(value))));
}

QLabel* label(QWidget* parent, const QString& name, const char* caption) {
    auto* l = new QLabel(QString::fromLatin1(caption), parent);
    l->setObjectName(name);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

QString browseConfigurationFolder(QWidget* owner, const QString& start) {
    return QFileDialog::getExistingDirectory(owner, QStringLiteral("Configuration Folder"), start,
                                             QFileDialog::ShowDirsOnly);
}

PreferencesDialog::PreferencesDialog(QWidget* owner, SettingsStore& store,
                                     FileAssociation& association, std::string defaultFolder,
                                     FolderBrowser browse)
    : QDialog(owner),
      store_(store),
      association_(association),
      defaultFolder_(std::move(defaultFolder)),
      browse_(std::move(browse)) {
    setObjectName(QStringLiteral("formOptions"));
    setWindowTitle(QStringLiteral("Preferences"));

    auto* grid = new QGridLayout;
    hold_ = addTiming(grid, 0, kKeyHoldSetting, "Hold", "Key hold duration (ms):",
                      "Duration in milliseconds to hold a key pressed before releasing.");
    repeat_ = addTiming(grid, 1, kRepeatRateSetting, "Repeat", "Repeat key macro delay (ms):",
                        "Delay in milliseconds between key macro outputs.");
    rotary_ = addTiming(grid, 2, kRotaryRateSetting, "Rotary", "Rotary input rate threshold (ms):",
                        "Threshold in milliseconds before switching from Low to Hi rate.");

    associate_ = new QCheckBox(text(associateCaption()), this);
    associate_->setObjectName(QStringLiteral("Check3"));

    auto* frame = new QGroupBox(QStringLiteral("Default Configuration Folder"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    folder_ = new QLineEdit(frame);
    folder_->setObjectName(QStringLiteral("Text1"));
    QPushButton* browseButton = button(frame, "ComBrowse", "&Browse");
    auto* inFrame = new QHBoxLayout(frame);
    inFrame->addWidget(folder_, 1);
    inFrame->addWidget(browseButton);

    ok_ = button(this, "cmdOK", "OK");
    cancel_ = button(this, "cmdCancel", "&Cancel");
    apply_ = button(this, "cmdApply", "&Apply");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addWidget(apply_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(associate_);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    load();

    for (const Timing& t : {hold_, repeat_, rotary_}) {
        connect(t.scroll, &QScrollBar::valueChanged, this, [this, t](int position) {
            t.text->setText(QString::number(-position));
            edited();
        });
        connect(t.text, &QLineEdit::textEdited, this, [this, t](const QString& typed) {
            const QString clamped = text(clampTimingText(*t.setting, typed.toStdString()));
            if (clamped != typed) t.text->setText(clamped);
            edited();
        });
    }
    connect(associate_, &QCheckBox::clicked, this, &PreferencesDialog::edited);
    connect(folder_, &QLineEdit::textEdited, this, &PreferencesDialog::edited);
    connect(browseButton, &QPushButton::clicked, this, [this] {
        const QString chosen = browse_(this, browseStart());
        if (chosen.isEmpty()) return;
        folder_->setText(chosen);
        edited();
    });
    connect(apply_, &QPushButton::clicked, this, &PreferencesDialog::apply);
    connect(ok_, &QPushButton::clicked, this, [this] {
        apply();
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

PreferencesDialog::Timing PreferencesDialog::addTiming(QGridLayout* grid, int row,
                                                       const TimingSetting& setting,
                                                       const char* name, const char* caption,
                                                       const char* explanation) {
    const QString suffix = QString::fromLatin1(name);
    Timing t{new QLineEdit(this), new QScrollBar(Qt::Vertical, this), &setting};
    t.text->setObjectName(QStringLiteral("Text") + suffix);
    t.text->setMaximumWidth(80);
    t.scroll->setObjectName(QStringLiteral("VScroll") + suffix);
    t.scroll->setRange(-setting.maximum, -setting.minimum);
    t.scroll->setSingleStep(setting.smallStep);
    t.scroll->setPageStep(setting.largeStep);
    t.scroll->setFixedHeight(t.text->sizeHint().height());
    QLabel* explain =
        label(this, QStringLiteral("Label") + suffix + QStringLiteral("Info"), explanation);
    explain->setWordWrap(true);
    grid->addWidget(label(this, QStringLiteral("Label") + suffix, caption), row, 0);
    grid->addWidget(t.text, row, 1);
    grid->addWidget(t.scroll, row, 2);
    grid->addWidget(explain, row, 3);
    grid->setColumnStretch(3, 1);
    return t;
}

QString PreferencesDialog::browseStart() const {
    // The folder in the box when it exists, else the stored one, which start-up created.
    if (!folder_->text().isEmpty() && QDir(folder_->text()).exists()) return folder_->text();
    return text(store_.GetString(Root::CurrentUser, kConfigKey, settings::kConfigPath));
}

void PreferencesDialog::load() {
    const PreferencesValues v = loadPreferences(store_, defaultFolder_);
    associate_->setChecked(v.associate);
    for (const auto& [timing, value] :
         {std::pair{repeat_, v.repeatRate}, {rotary_, v.rotaryRate}, {hold_, v.keyHold}}) {
        timing.text->setText(text(value));
        showOnScroll(timing.scroll, value);
    }
    folder_->setText(text(v.configFolder));
    buttons_ = PreferencesButtons{};
    showButtons();
}

void PreferencesDialog::edited() {
    buttons_.edited();
    showButtons();
}

void PreferencesDialog::apply() {
    const PreferencesValues v{associate_->isChecked(), text(hold_.text), text(repeat_.text),
                              text(rotary_.text), text(folder_)};
    emit applied(applyPreferences(store_, association_, v, defaultFolder_));
    buttons_.applied();
    showButtons();
}

void PreferencesDialog::showButtons() {
    ok_->setEnabled(buttons_.ok);
    apply_->setEnabled(buttons_.apply);
    cancel_->setEnabled(buttons_.cancel);
}

}  // namespace velloran
