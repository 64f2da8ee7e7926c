#include "platform/qt/QtSettingsStore.h"

#include "platform/qt/QtText.h"

#include <memory>

#include <QSettings>

namespace qv {
namespace {

std::unique_ptr<QSettings> open(const std::string& directory, const std::string& application,
                                const std::string& section) {
    const QString name = toQString(application);
    auto settings =
        directory.empty()
            ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name, name)
            : std::make_unique<QSettings>(QString::fromStdString(directory) + '/' + name + '/' +
                                              name + QStringLiteral(".ini"),
                                          QSettings::IniFormat);
    settings->beginGroup(toQString(section));
    return settings;
}

} // namespace

std::string QtSettingsStore::get(const std::string& application, const std::string& section,
                                 const std::string& key, const std::string& defaultValue) {
    const auto settings = open(directory_, application, section);
    const QString name = toQString(key);
    if (!settings->contains(name)) {
        return defaultValue;
    }
    return fromQString(settings->value(name).toString());
}

void QtSettingsStore::save(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& value) {
    const auto settings = open(directory_, application, section);
    settings->setValue(toQString(key), toQString(value));
    // Written at once: another program sharing the store may read it next.
    settings->sync();
}

} // namespace qv
