#pragma once

#include "platform/SettingsStore.h"

#include <QString>
#include <array>
#include <optional>

namespace kvt7 {

class Dialogs;

inline const QString kSettingsApplication = QStringLiteral("KVT7V150");
inline const QString kSettingsSection = QStringLiteral("Settings");

// The program's own section of the settings store ("KVT7V150", [Settings]).
class SettingsSection {
public:
    explicit SettingsSection(SettingsStore& store) : store_(store) {}

    QString text(const QString& key, const QString& defaultValue) const;
    // nullopt: the stored text is not a 16-bit number.
    std::optional<qint16> integer(const QString& key, qint16 defaultValue) const;
    // Any non-zero number reads as set.
    std::optional<bool> flag(const QString& key, bool defaultValue) const;
    // A per-axis key: the base name followed directly by the axis digit ("DevSize3").
    static QString axisKey(const QString& base, int axis);

    void write(const QString& key, const QString& value);
    void writeInt(const QString& key, int value);
    void writeFlag(const QString& key, bool value);  // "1" or "0"

    SettingsStore& store() const { return store_; }

private:
    SettingsStore& store_;
};

// The persisted preferences as the program holds them while it runs.
struct AppSettings {
    bool DispMmUnit = true;
    int Language = 1;
    int PortNo = 1;
    bool PortOccupy = true;
    bool MmRoundUp = true;
    // The teaching values are kept in three equal copies each.
    std::array<int, 3> VelOf100Pls{20, 20, 20};
    std::array<int, 3> AccOf100Pls{3, 3, 3};
    std::array<int, 3> AccOf100Pls2{3, 3, 3};
    int AccOfJog = 3;
    int AccOfJog2 = 2;
    // Set by the options window when the other language was chosen; the switch is stored at exit.
    bool LanguageChangePending = false;
};

// Reads DispMmUnit, Language, PortNo, PortOccupy and MmRoundUp in this order. A key whose
// stored text is not a number keeps the value held so far (its default at start).
void ReadStartPreferences(const SettingsSection& settings, AppSettings& values);

// Reads the five teaching values (JOG window). Out-of-range values become 1. When a stored
// value is not a number the Japanese-only message is shown and false returned; the values
// read so far stay.
bool ReadTeachingSettings(const SettingsSection& settings, AppSettings& values, Dialogs& dialogs);
// The failure text of the teaching read; it exists in Japanese only.
QString TeachingReadFailureText();

// At exit: PortNo, then Language, switched between 1 and 2 when a change is pending.
void SaveExitSettings(SettingsSection& settings, AppSettings& values);

// The port number to use: the one held in memory when it is 1..9, otherwise the stored
// PortNo (default 1), and 1 when that is not usable either.
int UsablePortNo(const SettingsSection& settings, AppSettings& values);

// The device of port n: the setting PortDevice<n> when present, else /dev/ttyS<n-1>.
QString PortDevice(const SettingsSection& settings, int portNo);

}  // namespace kvt7
