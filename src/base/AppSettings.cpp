#include "AppSettings.h"

#include "platform/Dialogs.h"

namespace kvt7 {

QString SettingsSection::text(const QString& key, const QString& defaultValue) const
{
    return store_.readText(kSettingsApplication, kSettingsSection, key, defaultValue);
}

std::optional<qint16> SettingsSection::integer(const QString& key, qint16 defaultValue) const
{
    return store_.readInt16(kSettingsApplication, kSettingsSection, key, defaultValue);
}

std::optional<bool> SettingsSection::flag(const QString& key, bool defaultValue) const
{
    const auto value = integer(key, defaultValue ? 1 : 0);
    if (!value)
        return std::nullopt;
    return *value != 0;
}

QString SettingsSection::axisKey(const QString& base, int axis)
{
    return base + QString::number(axis);
}

void SettingsSection::write(const QString& key, const QString& value)
{
    store_.setValue(kSettingsApplication, kSettingsSection, key, value);
}

void SettingsSection::writeInt(const QString& key, int value)
{
    write(key, QString::number(value));
}

void SettingsSection::writeFlag(const QString& key, bool value)
{
    write(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void ReadStartPreferences(const SettingsSection& settings, AppSettings& values)
{
    if (const auto unit = settings.flag(QStringLiteral("DispMmUnit"), true))
        values.DispMmUnit = *unit;
    if (const auto language = settings.integer(QStringLiteral("Language"), 1))
        values.Language = *language;
    if (const auto port = settings.integer(QStringLiteral("PortNo"), 1))
        values.PortNo = *port;
    if (const auto occupy = settings.flag(QStringLiteral("PortOccupy"), true))
        values.PortOccupy = *occupy;
    if (const auto roundUp = settings.flag(QStringLiteral("MmRoundUp"), true))
        values.MmRoundUp = *roundUp;
}

QString TeachingReadFailureText()
{
    return QStringLiteral("ﾃｨｰﾁﾝｸﾞ速度設定の読み込みでエラーが発生しました。");
}

static std::optional<int> ReadClamped(const SettingsSection& settings, const char* key,
                                      qint16 defaultValue, int highest)
{
    const auto value = settings.integer(QString::fromLatin1(key), defaultValue);
    if (!value)
        return std::nullopt;
    return (*value < 1 || *value > highest) ? 1 : int(*value);
}

bool ReadTeachingSettings(const SettingsSection& settings, AppSettings& values, Dialogs& dialogs)
{
    // In this order, each taken as soon as it is read: a failure keeps the ones before it.
    const auto read = [&settings](const char* key, qint16 defaultValue, int highest, auto take) {
        const auto value = ReadClamped(settings, key, defaultValue, highest);
        if (value)
            take(*value);
        return value.has_value();
    };
    if (read("VelOf100Pls", 20, 60, [&values](int v) { values.VelOf100Pls.fill(v); })
        && read("AccOf100Pls", 3, 3, [&values](int v) { values.AccOf100Pls.fill(v); })
        && read("AccOf100Pls2", 3, 3, [&values](int v) { values.AccOf100Pls2.fill(v); })
        && read("AccOfJog", 3, 3, [&values](int v) { values.AccOfJog = v; })
        && read("AccOfJog2", 2, 3, [&values](int v) { values.AccOfJog2 = v; }))
        return true;
    dialogs.message(TeachingReadFailureText());
    return false;
}

void SaveExitSettings(SettingsSection& settings, AppSettings& values)
{
    settings.writeInt(QStringLiteral("PortNo"), values.PortNo);
    if (values.LanguageChangePending)
        values.Language = values.Language == 1 ? 2 : 1;
    settings.writeInt(QStringLiteral("Language"), values.Language);
}

int UsablePortNo(const SettingsSection& settings, AppSettings& values)
{
    if (values.PortNo < 1 || values.PortNo > 9) {
        const auto stored = settings.integer(QStringLiteral("PortNo"), 1);
        values.PortNo = (stored && *stored >= 1 && *stored <= 9) ? int(*stored) : 1;
    }
    return values.PortNo;
}

QString PortDevice(const SettingsSection& settings, int portNo)
{
    const QString mapped = settings.text(QStringLiteral("PortDevice") + QString::number(portNo), {});
    if (!mapped.isEmpty())
        return mapped;
    return QStringLiteral("/dev/ttyS") + QString::number(portNo - 1);
}

}  // namespace kvt7
