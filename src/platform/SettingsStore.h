#pragma once

#include <QHash>
#include <QString>
#include <optional>

namespace kvt7 {

// Per-user settings: every value is text, addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<QString> value(const QString& app, const QString& section,
                                         const QString& key) const = 0;
    virtual void setValue(const QString& app, const QString& section, const QString& key,
                          const QString& value) = 0;

    QString readText(const QString& app, const QString& section, const QString& key,
                     const QString& defaultValue) const;
    // A missing key yields the default; a stored text that is not a number, or that does
    // not fit 16 bits, makes the read fail (nullopt). Fractions round to even.
    std::optional<qint16> readInt16(const QString& app, const QString& section,
                                    const QString& key, qint16 defaultValue) const;
};

// Converts a stored text to a 16-bit integer the way the settings store reads it.
std::optional<qint16> ParseInt16(const QString& text);

// The INI file ~/.config/<app>/<app>.ini, one [section] per section name.
class IniSettingsStore final : public SettingsStore {
public:
    std::optional<QString> value(const QString& app, const QString& section,
                                 const QString& key) const override;
    void setValue(const QString& app, const QString& section, const QString& key,
                  const QString& value) override;
};

// Kept in memory only: used by tests and by the command-line front end's dry runs.
class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<QString> value(const QString& app, const QString& section,
                                 const QString& key) const override;
    void setValue(const QString& app, const QString& section, const QString& key,
                  const QString& value) override;
    void clear();
    int writeCount() const { return writes_; }

private:
    QHash<QString, QString> values_;
    int writes_ = 0;
};

}  // namespace kvt7
