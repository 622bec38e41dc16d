#include "app/SettingsStore.h"

#include <QSettings>
#include <algorithm>

namespace zovi {

namespace {
const QString kSection = QStringLiteral("Settings");

QString sectionKey(const QString& key) {
    return kSection + QLatin1Char('/') + key;
}
} // namespace

qint16 SettingsStore::readInt(const QString& key, qint16 defaultValue) const {
    const QString text = readText(key, QString::number(defaultValue)).trimmed();
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < -32768 || value > 32767)
        return defaultValue;
    return static_cast<qint16>(value);
}

bool printableSetting(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.isPrint() && c != QChar::ReplacementCharacter; });
}

void SettingsStore::writeInt(const QString& key, int value) {
    writeText(key, QString::number(value));
}

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("ZO-VI"), QStringLiteral("ZO-VI"))) {}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::readText(const QString& key, const QString& defaultValue) const {
    // The program stores plain text only; a value that reads back as anything else (a list, a serialised
    // variant in a damaged file) is treated as absent.
    const QVariant value = settings_->value(sectionKey(key));
    return value.typeId() == QMetaType::QString ? value.toString() : defaultValue;
}

void QtSettingsStore::writeText(const QString& key, const QString& value) {
    settings_->setValue(sectionKey(key), value);
    settings_->sync();
}

void QtSettingsStore::remove(const QString& key) {
    settings_->remove(sectionKey(key));
    settings_->sync();
}

QString QtSettingsStore::fileName() const {
    return settings_->fileName();
}

QStringList QtSettingsStore::keys() const {
    settings_->beginGroup(kSection);
    const QStringList keys = settings_->childKeys();
    settings_->endGroup();
    return keys;
}

QString MemorySettingsStore::readText(const QString& key, const QString& defaultValue) const {
    return values_.value(key, defaultValue);
}

void MemorySettingsStore::writeText(const QString& key, const QString& value) {
    values_.insert(key, value);
}

void MemorySettingsStore::remove(const QString& key) {
    values_.remove(key);
}

} // namespace zovi
