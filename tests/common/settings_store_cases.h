#pragma once
// Behaviour every settings store back end must share. A back end's test instantiates the suite
// with a type whose make() returns a fresh, empty store:
//     INSTANTIATE_TYPED_TEST_SUITE_P(Memory, SettingsStoreCases, MemoryBackend);
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/new_file_key.h"
#include "settings/settings_names.h"
#include "settings/settings_store.h"
#include "settings/subkey_names.h"

namespace velloran {

template <class Backend>
class SettingsStoreCases : public ::testing::Test {
protected:
    using Names = std::vector<std::string>;

    Names subkeys(const std::string& path, Root root = Root::CurrentUser) {
        return subkeyNames(store, root, path);
    }
    void addEntry(const std::string& key) {
        store.SaveString(Root::CurrentUser, settings::userEntryPath(key), settings::kEntryPath,
                         "/configs/" + key + ".vlz");
    }

    Backend backend;
    std::unique_ptr<SettingsStore> owned = backend.make();
    SettingsStore& store = *owned;
};

TYPED_TEST_SUITE_P(SettingsStoreCases);

TYPED_TEST_P(SettingsStoreCases, MissingKeysAndValuesReadEmpty) {
    SettingsStore& s = this->store;
    EXPECT_EQ(s.GetString(Root::CurrentUser, kConfigKey, settings::kRepeatRate), "");
    s.SaveString(Root::CurrentUser, kConfigKey, settings::kKeyHold, "0");
    EXPECT_EQ(s.GetString(Root::CurrentUser, kConfigKey, settings::kRepeatRate), "");
    EXPECT_EQ(s.GetString(Root::CurrentUser, "Software\\Velloran", settings::kKeyHold), "");
}

TYPED_TEST_P(SettingsStoreCases, TextsReadBackAsWritten) {
    SettingsStore& s = this->store;
    const std::vector<std::string> texts = {
        "",
        "500",
        "C:\\Configs\\New Config.vlz",
        "/home/ann/My Configs/a,b;c=d #e.vlz",
        "  blanks around  ",
        "\"quoted\" and 'single'",
        "@Variant(looks special)",
        "tab\there, line\r\nbreak",
        "Gr\xc3\xbc\xc3\x9f\x65 \xe2\x82\xac",
    };
    for (const std::string& text : texts) {
        s.SaveString(Root::CurrentUser, settings::userEntryPath("file1"), settings::kEntryIconPath,
                     text);
        EXPECT_EQ(s.GetString(Root::CurrentUser, settings::userEntryPath("file1"),
                              settings::kEntryIconPath),
                  text);
    }
}

TYPED_TEST_P(SettingsStoreCases, KeyPathsAndValueNamesIgnoreCase) {
    SettingsStore& s = this->store;
    s.SaveString(Root::CurrentUser, "software\\VELLORAN\\Config\\", "repeatrate", "100");
    EXPECT_EQ(s.GetString(Root::CurrentUser, kConfigKey, settings::kRepeatRate), "100");
    s.SaveString(Root::CurrentUser, kConfigKey, "REPEATRATE", "200");
    EXPECT_EQ(s.GetString(Root::CurrentUser, "SOFTWARE\\\\velloran\\config", "RepeatRate"), "200");
    // One key, spelled as first written.
    EXPECT_EQ(this->subkeys(""), (std::vector<std::string>{"software"}));
    EXPECT_EQ(this->subkeys("Software\\Velloran"), (std::vector<std::string>{"Config"}));
}

TYPED_TEST_P(SettingsStoreCases, EnumKeyListsDirectSubkeysSortedThen259) {
    SettingsStore& s = this->store;
    for (const char* key : {"file3", "File1", "file2"}) this->addEntry(key);
    s.SaveString(Root::CurrentUser, settings::userEntryPath("file2") + "\\deeper", "x", "y");
    s.SaveString(Root::CurrentUser, kUserKey, "not a subkey", "z");

    EXPECT_EQ(this->subkeys(kUserKey), (std::vector<std::string>{"File1", "file2", "file3"}));
    std::string name = "stale";
    EXPECT_EQ(s.EnumKey(Root::CurrentUser, kUserKey, name, 3), kEnumNoMore);
    EXPECT_EQ(name, "");
    EXPECT_EQ(s.EnumKey(Root::CurrentUser, kUserKey, name, -1), kEnumNoMore);
    EXPECT_EQ(s.EnumKey(Root::CurrentUser, kUserKey, name, 1), kEnumFound);
    EXPECT_EQ(name, "file2");
    // A key path that does not exist yet (first run) ends the enumeration at once.
    EXPECT_EQ(s.EnumKey(Root::CurrentUser, "Software\\Other", name, 0), kEnumNoMore);
    EXPECT_EQ(s.EnumKey(Root::CurrentUser, settings::userEntryPath("file1"), name, 0), kEnumNoMore);
}

TYPED_TEST_P(SettingsStoreCases, DelKeyRemovesOneEntry) {
    SettingsStore& s = this->store;
    this->addEntry("file1");
    this->addEntry("file2");
    s.SaveString(Root::CurrentUser, settings::userEntryPath("file1"), settings::kEntryIconPath,
                 "/icons/a.png");
    // A value of the parent with the entry's name is not part of the entry.
    s.SaveString(Root::CurrentUser, kUserKey, "file1", "kept");

    s.DelKey(Root::CurrentUser, settings::userEntryPath("FILE1"));
    EXPECT_EQ(this->subkeys(kUserKey), (std::vector<std::string>{"file2"}));
    EXPECT_EQ(s.GetString(Root::CurrentUser, settings::userEntryPath("file1"), "icon path"), "");
    EXPECT_EQ(s.GetString(Root::CurrentUser, kUserKey, "file1"), "kept");
    EXPECT_EQ(s.GetString(Root::CurrentUser, settings::userEntryPath("file2"), "path"),
              "/configs/file2.vlz");
}

TYPED_TEST_P(SettingsStoreCases, DelKeyKeepsAKeyThatHasSubkeys) {
    SettingsStore& s = this->store;
    this->addEntry("file1");
    s.DelKey(Root::CurrentUser, kUserKey);
    s.DelKey(Root::CurrentUser, "");
    EXPECT_EQ(s.GetString(Root::CurrentUser, settings::userEntryPath("file1"), "path"),
              "/configs/file1.vlz");
}

TYPED_TEST_P(SettingsStoreCases, DelKeyLeavesNothingBehind) {
    SettingsStore& s = this->store;
    s.DelKey(Root::CurrentUser, settings::userEntryPath("file9"));
    EXPECT_EQ(this->subkeys(""), std::vector<std::string>{});

    // Keys left holding nothing go with the deleted key; keys with values stay.
    s.SaveString(Root::CurrentUser, kConfigKey, settings::kKeyHold, "5");
    this->addEntry("file1");
    s.DelKey(Root::CurrentUser, settings::userEntryPath("file1"));
    EXPECT_EQ(this->subkeys("Software\\Velloran"), (std::vector<std::string>{"config"}));
    EXPECT_EQ(s.GetString(Root::CurrentUser, kConfigKey, settings::kKeyHold), "5");

    // A key with values of its own stays when its last subkey goes.
    s.SaveString(Root::CurrentUser, kUserKey, "note", "kept");
    this->addEntry("file2");
    s.DelKey(Root::CurrentUser, settings::userEntryPath("file2"));
    EXPECT_EQ(s.GetString(Root::CurrentUser, kUserKey, "note"), "kept");
}

TYPED_TEST_P(SettingsStoreCases, RootsAreKeptApart) {
    SettingsStore& s = this->store;
    s.SaveString(Root::ClassesRoot, ".vlz", "", "vlz_file");
    s.SaveString(Root::ClassesRoot, "vlz_file\\Shell\\Edit\\Command", "", "\"/bin/ed\" %1");
    EXPECT_EQ(s.GetString(Root::ClassesRoot, ".vlz", ""), "vlz_file");
    EXPECT_EQ(s.GetString(Root::CurrentUser, ".vlz", ""), "");
    EXPECT_EQ(this->subkeys("", Root::ClassesRoot), (std::vector<std::string>{".vlz", "vlz_file"}));
    EXPECT_EQ(this->subkeys(""), std::vector<std::string>{});
    s.DelKey(Root::CurrentUser, ".vlz");
    EXPECT_EQ(s.GetString(Root::ClassesRoot, ".vlz", ""), "vlz_file");
}

TYPED_TEST_P(SettingsStoreCases, NamesWithSeparatorsStayOneName) {
    SettingsStore& s = this->store;
    const std::vector<std::string> names = {"", "icon path", "a/b", "c\\d", "50%", "%2F", "%"};
    for (size_t i = 0; i < names.size(); ++i) {
        s.SaveString(Root::CurrentUser, kConfigKey, names[i], std::to_string(i));
    }
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(s.GetString(Root::CurrentUser, kConfigKey, names[i]), std::to_string(i))
            << names[i];
    }
    EXPECT_EQ(this->subkeys(kConfigKey), std::vector<std::string>{});
    s.SaveString(Root::CurrentUser, "Software\\a/b%", "v", "1");
    EXPECT_EQ(this->subkeys("Software"), (std::vector<std::string>{"a/b%", "Velloran"}));
}

TYPED_TEST_P(SettingsStoreCases, NewFileKeyFillsGapsAndSkipsHandedOutKeys) {
    HandedOutKeys handedOut;
    SettingsStore& s = this->store;
    EXPECT_EQ(NewFileKey(s, Root::CurrentUser, kUserKey, handedOut), "file1");  // first run
    handedOut.clear();

    this->addEntry("file1");
    this->addEntry("File3");
    EXPECT_EQ(NewFileKey(s, Root::CurrentUser, kUserKey, handedOut), "file2");
    EXPECT_EQ(NewFileKey(s, Root::CurrentUser, kUserKey, handedOut), "file4");

    // A deleted entry's key comes back, unless it is still handed out.
    s.DelKey(Root::CurrentUser, settings::userEntryPath("file1"));
    EXPECT_EQ(NewFileKey(s, Root::CurrentUser, kUserKey, handedOut), "file1");
    this->addEntry("file2");
    s.DelKey(Root::CurrentUser, settings::userEntryPath("file2"));
    EXPECT_EQ(NewFileKey(s, Root::CurrentUser, kUserKey, handedOut), "file5");
    handedOut.remove("file2");
    EXPECT_EQ(NewFileKey(s, Root::CurrentUser, kUserKey, handedOut), "file2");
}

REGISTER_TYPED_TEST_SUITE_P(SettingsStoreCases, MissingKeysAndValuesReadEmpty,
                            TextsReadBackAsWritten, KeyPathsAndValueNamesIgnoreCase,
                            EnumKeyListsDirectSubkeysSortedThen259, DelKeyRemovesOneEntry,
                            DelKeyKeepsAKeyThatHasSubkeys, DelKeyLeavesNothingBehind,
                            RootsAreKeptApart, NamesWithSeparatorsStayOneName,
                            NewFileKeyFillsGapsAndSkipsHandedOutKeys);

}  // namespace velloran
