#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QTemporaryDir>

#include "common/fixtures.h"
#include "common/settings_store_cases.h"
#include "common/temp_folder.h"
#include "settings/settings_names.h"
#include "store/ini_settings_store.h"

namespace velloran {
namespace {

struct IniBackend {
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> make() {
        return std::make_unique<IniSettingsStore>((dir.path() + "/velloran.ini").toStdString());
    }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Ini, SettingsStoreCases, IniBackend);

// The file is shared with another program: each write reaches it at once, each read sees what
// the other wrote, and a write keeps the other's entries and spellings.
TEST(IniSettingsStore, SharesItsFileWithAnotherProgram) {
    const QTemporaryDir dir;
    const std::string path = (dir.path() + "/not/yet/there/velloran.ini").toStdString();
    IniSettingsStore store(path);
    store.SaveString(Root::CurrentUser, kConfigKey, settings::kRepeatRate, "500");
    store.SaveString(Root::CurrentUser, settings::userEntryPath("file1"), settings::kEntryIconPath,
                     "/icons/a b.png");
    EXPECT_EQ(testing::readBytes(path),
              "[CurrentUser]\n"
              "Software\\Velloran\\config\\RepeatRate=500\n"
              "Software\\Velloran\\user\\file1\\icon%20path=/icons/a b.png\n");
    store.DelKey(Root::CurrentUser, settings::userEntryPath("file1"));
    EXPECT_EQ(testing::readBytes(path).find("file1"), std::string::npos);

    testing::writeBytes(path,
        "[currentuser\\SOFTWARE\\velloran\\Config]\nrepeatrate=1000\n"
        "[currentuser\\SOFTWARE\\velloran\\User\\file7]\npath=/c/x.vlz\n");
    EXPECT_EQ(store.GetString(Root::CurrentUser, kConfigKey, settings::kRepeatRate), "1000");
    store.SaveString(Root::CurrentUser, kConfigKey, settings::kRotaryRate, "35");
    EXPECT_EQ(testing::readBytes(path),
              "[currentuser]\n"
              "SOFTWARE\\velloran\\Config\\RotaryRate=35\n"
              "SOFTWARE\\velloran\\Config\\repeatrate=1000\n"
              "SOFTWARE\\velloran\\User\\file7\\path=/c/x.vlz\n");
    testing::writeBytes(path, "[CurrentUser]\nSoftware\\Velloran\\User\\file8\\path=/c/y.vlz\n");
    std::string name;
    EXPECT_EQ(store.EnumKey(Root::CurrentUser, kUserKey, name, 0), kEnumFound);
    EXPECT_EQ(name, "file8");
}

TEST(IniSettingsStore, EnvironmentNamesTheFileElseTheUserConfigFolder) {
    const testing::ScopedEnv env("VELLORAN_SETTINGS", "/tmp/elsewhere.ini");
    EXPECT_EQ(IniSettingsStore::defaultFilePath(), "/tmp/elsewhere.ini");
    ::setenv("VELLORAN_SETTINGS", "", 1);
    QStandardPaths::setTestModeEnabled(true);
    EXPECT_EQ(IniSettingsStore::defaultFilePath(),
              (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               "/Velloran/velloran.ini")
                  .toStdString());
    QStandardPaths::setTestModeEnabled(false);
}

}  // namespace
}  // namespace velloran
