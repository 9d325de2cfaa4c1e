#include "store/ini_settings_store.h"

#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "settings/key_path.h"

namespace velloran {
namespace {

struct Escape {
    char plain;
    const char* stored;
};
constexpr Escape kEscapes[] = {{'%', "%25"}, {'/', "%2F"}, {'\\', "%5C"}};
const QString kEmptyName = QStringLiteral("%");

QString storedName(const std::string& name) {
    if (name.empty()) return kEmptyName;
    std::string out;
    for (const char c : name) {
        const auto* e = std::ranges::find(kEscapes, c, &Escape::plain);
        if (e == std::end(kEscapes)) {
            out += c;
        } else {
            out += e->stored;
        }
    }
    return QString::fromStdString(out);
}

std::string plainName(const QString& stored) {
    if (stored == kEmptyName) return "";
    const std::string in = stored.toStdString();
    std::string out;
    for (size_t i = 0; i < in.size(); ++i) {
        const auto* e = std::ranges::find_if(
            kEscapes, [&](const Escape& x) { return in.compare(i, 3, x.stored) == 0; });
        if (e == std::end(kEscapes)) {
            out += in[i];
        } else {
            out += e->plain;
            i += 2;
        }
    }
    return out;
}

QString rootGroup(Root root) {
    switch (root) {
        case Root::CurrentUser:
            return QStringLiteral("CurrentUser");
        case Root::ClassesRoot:
            return QStringLiteral("ClassesRoot");
    }
    return QStringLiteral("Root%1").arg(static_cast<std::uint32_t>(root), 8, 16, QChar('0'));
}

}  // namespace

std::string IniSettingsStore::defaultFilePath() {
    const QString named = qEnvironmentVariable("VELLORAN_SETTINGS");
    if (!named.isEmpty()) return named.toStdString();
    return (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/Velloran/velloran.ini"))
        .toStdString();
}

IniSettingsStore::IniSettingsStore(const std::string& filePath)
    : settings_(
          std::make_unique<QSettings>(QString::fromStdString(filePath), QSettings::IniFormat)) {}

IniSettingsStore::~IniSettingsStore() = default;

std::optional<QString> IniSettingsStore::child(const QString& parent, const std::string& name,
                                               bool isGroup) {
    settings_->beginGroup(parent);
    const QStringList children = isGroup ? settings_->childGroups() : settings_->childKeys();
    settings_->endGroup();
    const auto it = std::ranges::find_if(
        children, [&](const QString& c) { return sameKeyName(plainName(c), name); });
    if (it == children.end()) return std::nullopt;
    return *it;
}

std::optional<QString> IniSettingsStore::group(Root root, const std::string& path, bool create) {
    const QString rootName = rootGroup(root);
    QString result = child(QString(), rootName.toStdString(), true).value_or(rootName);
    for (const std::string& part : splitKeyPath(path)) {
        std::optional<QString> found = child(result, part, true);
        if (!found && !create) return std::nullopt;
        result += QLatin1Char('/') + found.value_or(storedName(part));
    }
    return result;
}

std::string IniSettingsStore::GetString(Root root, const std::string& path,
                                        const std::string& name) {
    settings_->sync();
    const std::optional<QString> key = group(root, path, false);
    if (!key) return "";
    const std::optional<QString> value = child(*key, name, false);
    if (!value) return "";
    return settings_->value(*key + QLatin1Char('/') + *value).toString().toStdString();
}

void IniSettingsStore::SaveString(Root root, const std::string& path, const std::string& name,
                                  const std::string& data) {
    settings_->sync();
    const QString key = *group(root, path, true);
    const QString value = child(key, name, false).value_or(storedName(name));
    settings_->setValue(key + QLatin1Char('/') + value, QString::fromStdString(data));
    settings_->sync();
}

void IniSettingsStore::DelKey(Root root, const std::string& path) {
    if (splitKeyPath(path).empty()) return;
    settings_->sync();
    const std::optional<QString> key = group(root, path, false);
    if (!key) return;
    settings_->beginGroup(*key);
    // Removing the values one by one (not the whole group) spares a value of the parent that
    // happens to have the key's name.
    if (settings_->childGroups().isEmpty()) {
        for (const QString& value : settings_->childKeys()) settings_->remove(value);
    }
    settings_->endGroup();
    settings_->sync();
}

std::string IniSettingsStore::EnumKey(Root root, const std::string& path, std::string& name,
                                      int index) {
    name.clear();
    settings_->sync();
    const std::optional<QString> key = group(root, path, false);
    if (!key || index < 0) return kEnumNoMore;
    settings_->beginGroup(*key);
    const QStringList stored = settings_->childGroups();
    settings_->endGroup();
    if (static_cast<qsizetype>(index) >= stored.size()) return kEnumNoMore;
    std::vector<std::string> names;
    for (const QString& s : stored) names.push_back(plainName(s));
    std::ranges::stable_sort(names, KeyNameLess{});
    name = names[static_cast<size_t>(index)];
    return kEnumFound;
}

}  // namespace velloran
