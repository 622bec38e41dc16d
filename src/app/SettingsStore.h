#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace zovi {

// The per-user settings of section "Settings". Values are stored as text; numbers as plain
// decimal text ("1", "0", "400").
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString readText(const QString& key, const QString& defaultValue) const = 0;
    virtual void writeText(const QString& key, const QString& value) = 0;
    virtual void remove(const QString& key) = 0;

    // A stored number that is not a 16-bit decimal number yields the default, as an absent key does.
    qint16 readInt(const QString& key, qint16 defaultValue) const;
    void writeInt(const QString& key, int value);
};

// Whether a stored text holds printable characters only: a damaged settings file can hold control
// characters or bytes that are no UTF-8 (read as U+FFFD), and such a text names no port or device.
bool printableSetting(const QString& text);

// The platform's per-user store (an INI file under the user's configuration folder on this platform).
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    // The store in an INI file of the caller's choosing.
    explicit QtSettingsStore(const QString& iniPath);
    ~QtSettingsStore() override;
    QString readText(const QString& key, const QString& defaultValue) const override;
    void writeText(const QString& key, const QString& value) override;
    void remove(const QString& key) override;
    QString fileName() const;
    // Every key of the section, for a run that works on a copy of the settings.
    QStringList keys() const;

private:
    std::unique_ptr<QSettings> settings_;
};

// A store that lives only in memory, for a run that must not touch the user's settings.
class MemorySettingsStore : public SettingsStore {
public:
    QString readText(const QString& key, const QString& defaultValue) const override;
    void writeText(const QString& key, const QString& value) override;
    void remove(const QString& key) override;
    const QHash<QString, QString>& values() const { return values_; }

private:
    QHash<QString, QString> values_;
};

} // namespace zovi
