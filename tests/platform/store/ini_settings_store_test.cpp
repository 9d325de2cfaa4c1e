#include <gtest/gtest.h>

#include <QFile>
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

class IniFile : public ::testing::Test {
protected:
    std::string contents() const { return testing::readBytes(path.toStdString()); }

    QTemporaryDir dir;
    QString path = dir.path() + "/not/yet/there/velloran.ini";
    IniSettingsStore store{path.toStdString()};
};

TEST_F(IniFile, EveryWriteReachesTheFileAtOnce) {
    store.SaveString(Root::CurrentUser, kConfigKey, settings::kRepeatRate, "500");
    store.SaveString(Root::CurrentUser, settings::userEntryPath("file1"), settings::kEntryIconPath,
                     "/icons/a b.png");
    EXPECT_EQ(contents(),
              "[CurrentUser]\n"
              "Software\\Velloran\\config\\RepeatRate=500\n"
              "Software\\Velloran\\user\\file1\\icon%20path=/icons/a b.png\n");

    store.DelKey(Root::CurrentUser, settings::userEntryPath("file1"));
    EXPECT_EQ(contents().find("file1"), std::string::npos) << contents();
}

TEST_F(IniFile, SeesWhatAnotherProgramWrote) {
    store.SaveString(Root::CurrentUser, kConfigKey, settings::kRepeatRate, "500");
    EXPECT_EQ(store.GetString(Root::CurrentUser, kConfigKey, settings::kRepeatRate), "500");

    // Hand-written, with other spellings of the key path and value names.
    // Stands in for the other program writing the shared file.
    testing::writeBytes(path.toStdString(),
        "[currentuser\\SOFTWARE\\velloran\\Config]\nrepeatrate=1000\n"
        "[currentuser\\SOFTWARE\\velloran\\User\\file7]\npath=/c/x.vlz\n");
    EXPECT_EQ(store.GetString(Root::CurrentUser, kConfigKey, settings::kRepeatRate), "1000");
    std::string name;
    EXPECT_EQ(store.EnumKey(Root::CurrentUser, kUserKey, name, 0), kEnumFound);
    EXPECT_EQ(name, "file7");

    // Our next write keeps the other program's entries and spellings.
    store.SaveString(Root::CurrentUser, kConfigKey, settings::kRotaryRate, "35");
    EXPECT_EQ(contents(),
              "[currentuser]\n"
              "SOFTWARE\\velloran\\Config\\RotaryRate=35\n"
              "SOFTWARE\\velloran\\Config\\repeatrate=1000\n"
              "SOFTWARE\\velloran\\User\\file7\\path=/c/x.vlz\n");
}

TEST_F(IniFile, AFailedWriteIsSilent) {
    const QString blocker = dir.path() + "/file";
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    IniSettingsStore unwritable((blocker + "/velloran.ini").toStdString());
    unwritable.SaveString(Root::CurrentUser, kConfigKey, settings::kKeyHold, "5");
    unwritable.DelKey(Root::CurrentUser, kConfigKey);
    EXPECT_FALSE(QFile::exists(blocker + "/velloran.ini"));
}

TEST(IniSettingsStoreFile, EnvironmentNamesTheFileElseTheUserConfigFolder) {
    {
        const testing::ScopedEnv env("VELLORAN_SETTINGS", "/tmp/elsewhere.ini");
        EXPECT_EQ(IniSettingsStore::defaultFilePath(), "/tmp/elsewhere.ini");
    }
    QStandardPaths::setTestModeEnabled(true);
    const testing::ScopedEnv env("VELLORAN_SETTINGS", "");
    EXPECT_EQ(IniSettingsStore::defaultFilePath(),
              (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               "/Velloran/velloran.ini")
                  .toStdString());
    QStandardPaths::setTestModeEnabled(false);
}

}  // namespace
}  // namespace velloran
