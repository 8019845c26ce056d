#pragma once

#include "base/Outcome.h"

#include <QMap>
#include <QString>
#include <functional>
#include <optional>

namespace kvt7 {

class Dialogs;
class MessageCatalogue;
class OperatingMode;
class SerialDevices;
class SettingsSection;
struct AppSettings;

// What the options window works with. The port and the position table belong to other
// parts of the program; they are reached through the two actions.
struct OptionsContext {
    AppSettings& settings;
    SettingsSection& section;
    OperatingMode& mode;
    Dialogs& dialogs;
    const MessageCatalogue& catalogue;
    SerialDevices& devices;
    std::function<void()> closePort;
    // The unit switch of the position table: Failed when the table's check refused it.
    std::function<Outcome(bool mmDisplay)> switchDisplayUnit;
    std::optional<QString> deviceOverride;  // --port-device or --simulate for this run
};

// The controls' values. Indexes are those of the option buttons.
struct OptionsValues {
    QString portText;      // txtPortNo
    bool portOccupy = false;
    int rounding = 0;      // optSutiSyori: 0 raise, 1 truncate
    int unit = 0;          // optHyojiKirikae: 0 pulse, 1 mm
    int language = 0;      // optLanguege: 0 Japanese, 1 English
    QString jogVel;        // txtJogVel
    int jogAcc = 2;        // optJogAcc: value - 1
    int jogAcc2 = 2;       // optJogAcc2: value - 1
    QMap<int, QString> portDevices;  // PortDevice1..9 as edited; empty is the default device
};

// The tab and field an OK was sent back to.
enum class OptionsField { None, JogVel, PortDevice };

struct OptionsOk {
    bool closed = false;
    int tab = -1;
    OptionsField field = OptionsField::None;
    int port = 0;  // the port whose device path was refused
};

// The values the window opens with.
OptionsValues LoadOptions(OptionsContext& context);

// Typing rules; a pasted text obeys them as a whole.
bool PortTextAcceptable(const QString& text);    // one digit 0..3, or nothing
bool JogVelTextAcceptable(const QString& text);  // at most two digits

// Leaving the Teaching tab: false (message 2225 shown) for a speed outside 1..60.
bool CheckJogVel(OptionsContext& context, const QString& jogVel);

// OK in its order: speed check, device paths, port, language, unit, rounding, port
// occupation, speed, accelerations. Refused checks leave everything as it was.
OptionsOk ApplyOptions(OptionsContext& context, const OptionsValues& values);

// "Device in use:" and the device the link opens now (the override marked).
QString DeviceInUseText(OptionsContext& context);

}  // namespace kvt7
