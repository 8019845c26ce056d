#include "SettingsStore.h"

#include <QSettings>
#include <cmath>

namespace kvt7 {

QString SettingsStore::readText(const QString& app, const QString& section, const QString& key,
                                const QString& defaultValue) const
{
    return value(app, section, key).value_or(defaultValue);
}

std::optional<qint16> ParseInt16(const QString& text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    const double rounded = std::nearbyint(number);  // default rounding mode: ties to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

std::optional<qint16> SettingsStore::readInt16(const QString& app, const QString& section,
                                               const QString& key, qint16 defaultValue) const
{
    const auto stored = value(app, section, key);
    if (!stored)
        return defaultValue;
    return ParseInt16(*stored);
}

std::optional<QString> IniSettingsStore::value(const QString& app, const QString& section,
                                               const QString& key) const
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app, app);
    const QString path = section + QLatin1Char('/') + key;
    if (!settings.contains(path))
        return std::nullopt;
    return settings.value(path).toString();
}

void IniSettingsStore::setValue(const QString& app, const QString& section, const QString& key,
                                const QString& value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app, app);
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
}

static QString MemoryKey(const QString& app, const QString& section, const QString& key)
{
    return app + QChar(0) + section + QChar(0) + key;
}

std::optional<QString> MemorySettingsStore::value(const QString& app, const QString& section,
                                                  const QString& key) const
{
    const auto it = values_.constFind(MemoryKey(app, section, key));
    if (it == values_.constEnd())
        return std::nullopt;
    return *it;
}

void MemorySettingsStore::setValue(const QString& app, const QString& section, const QString& key,
                                   const QString& value)
{
    values_.insert(MemoryKey(app, section, key), value);
    ++writes_;
}

void MemorySettingsStore::clear()
{
    values_.clear();
}

}  // namespace kvt7
