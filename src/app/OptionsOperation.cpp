#include "OptionsOperation.h"
#include "base/MessageIds.h"

#include "base/AppSettings.h"
#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "base/PortMap.h"
#include "platform/Dialogs.h"

namespace kvt7 {

namespace {

constexpr int kTeachingTab = 4;
constexpr int kPortTab = 0;

int StoredInRange(const SettingsSection& section, const QString& key, int defaultValue, int highest)
{
    const auto value = section.integer(key, qint16(defaultValue));
    if (!value)
        return defaultValue;
    return *value < 1 || *value > highest ? 1 : int(*value);
}

int StoredPort(const SettingsSection& section)
{
    const auto stored = section.integer(QStringLiteral("PortNo"), 1);
    return stored && *stored >= 1 && *stored <= 9 ? int(*stored) : 1;
}

// The teaching values as stored, which is what the teaching window reads; the copies in
// memory may still be the start values (they are read only when the teaching window loads),
// so they count only when the store has none that is usable.
int StoredOrInMemory(const SettingsSection& section, const char* key, int inMemory, int fallback, int highest)
{
    const auto stored = section.integer(QLatin1String(key), qint16(0));
    if (stored && *stored != 0)
        return *stored >= 1 && *stored <= highest ? int(*stored) : 1;  // as a stored value out of range reads
    return inMemory >= 1 && inMemory <= highest ? inMemory : fallback;
}

int Acceleration(OptionsContext& context, int inMemory, const char* key)
{
    return StoredOrInMemory(context.section, key, inMemory, 3, 3);
}

void ChangePort(OptionsContext& context, const OptionsValues& values)
{
    AppSettings& s = context.settings;
    bool ok = false;
    int port = values.portText.toInt(&ok);
    if (!ok || port < 1 || port > 9)
        port = StoredPort(context.section);
    bool reopen = port != s.PortNo;
    for (int n = 1; n <= 9; ++n) {
        const QString key = QStringLiteral("PortDevice") + QString::number(n);
        const QString edited = values.portDevices.value(n).trimmed();
        if (edited == context.section.text(key, {}))
            continue;
        context.section.write(key, edited);
        reopen = reopen || (n == port && !context.deviceOverride);
    }
    if (reopen) {
        // The next exchange opens the new device.
        context.closePort();
        context.mode.SetOffline();
    }
    s.PortNo = port;  // stored at exit only
}

void ChangeUnit(OptionsContext& context, bool mm)
{
    if (mm == context.settings.DispMmUnit)
        return;
    if (context.switchDisplayUnit(mm) != 0) {
        context.dialogs.message(context.catalogue.Text(Msg::SettingUnitPositionNotChangedError)
                                + QStringLiteral("\r\n")
                                + context.catalogue.Text(Msg::TryChangeAgain));
        return;
    }
    context.settings.DispMmUnit = mm;
    context.section.writeFlag(QStringLiteral("DispMmUnit"), mm);
}

// The first port whose changed device path is unusable (message shown), or 0.
int RefusedDevicePath(OptionsContext& context, const OptionsValues& values)
{
    for (auto it = values.portDevices.cbegin(); it != values.portDevices.cend(); ++it) {
        const QString path = it.value().trimmed();
        const QString key = QStringLiteral("PortDevice") + QString::number(it.key());
        if (path != context.section.text(key, {}) && !DevicePathUsable(path)) {
            context.dialogs.message(context.catalogue.Text(Msg::DevicePathMustBeginHoldNoControl));
            return it.key();
        }
    }
    return 0;
}

}  // namespace

OptionsValues LoadOptions(OptionsContext& context)
{
    AppSettings& s = context.settings;
    OptionsValues v;
    v.portText = QString::number(s.PortNo >= 1 && s.PortNo <= 9 ? s.PortNo : StoredPort(context.section));
    if (s.Language != 1 && s.Language != 2)
        s.Language = StoredInRange(context.section, QStringLiteral("Language"), 1, 2);
    // A change chosen earlier in this run is shown, so that OK keeps it.
    const bool english = (s.Language == 2) != s.LanguageChangePending;
    v.language = english ? 1 : 0;
    v.unit = s.DispMmUnit ? 1 : 0;
    v.rounding = s.MmRoundUp ? 0 : 1;
    v.portOccupy = s.PortOccupy;
    v.jogVel = QString::number(StoredOrInMemory(context.section, "VelOf100Pls", s.VelOf100Pls[0], 20, 60));
    v.jogAcc = Acceleration(context, s.AccOf100Pls[0], "AccOf100Pls") - 1;
    v.jogAcc2 = Acceleration(context, s.AccOf100Pls2[0], "AccOf100Pls2") - 1;
    for (int n = 1; n <= 9; ++n)
        v.portDevices.insert(n, context.section.text(QStringLiteral("PortDevice") + QString::number(n), {}));
    return v;
}

bool PortTextAcceptable(const QString& text)
{
    return text.isEmpty() || (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('3'));
}

bool JogVelTextAcceptable(const QString& text)
{
    if (text.size() > 2)
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

bool CheckJogVel(OptionsContext& context, const QString& jogVel)
{
    bool ok = false;
    const int vel = jogVel.toInt(&ok);
    if (ok && vel >= 1 && vel <= 60)
        return true;
    context.dialogs.message(context.catalogue.Text(Msg::ValueVELInvalid));
    return false;
}

OptionsOk ApplyOptions(OptionsContext& context, const OptionsValues& values)
{
    if (!CheckJogVel(context, values.jogVel))
        return {false, kTeachingTab, OptionsField::JogVel, 0};
    if (const int port = RefusedDevicePath(context, values))
        return {false, kPortTab, OptionsField::PortDevice, port};
    AppSettings& s = context.settings;
    SettingsSection& store = context.section;
    ChangePort(context, values);
    s.LanguageChangePending = (values.language == 1 ? 2 : 1) != s.Language;
    ChangeUnit(context, values.unit == 1);
    s.MmRoundUp = values.rounding == 0;
    store.writeFlag(QStringLiteral("MmRoundUp"), s.MmRoundUp);
    s.PortOccupy = values.portOccupy;
    store.writeFlag(QStringLiteral("PortOccupy"), s.PortOccupy);
    s.VelOf100Pls.fill(values.jogVel.toInt());
    store.writeInt(QStringLiteral("VelOf100Pls"), s.VelOf100Pls[0]);
    s.AccOf100Pls.fill(values.jogAcc + 1);
    store.writeInt(QStringLiteral("AccOf100Pls"), s.AccOf100Pls[0]);
    s.AccOf100Pls2.fill(values.jogAcc2 + 1);
    store.writeInt(QStringLiteral("AccOf100Pls2"), s.AccOf100Pls2[0]);
    return {true, -1, OptionsField::None, 0};
}

QString DeviceInUseText(OptionsContext& context)
{
    const QString label = context.catalogue.Text(Msg::DeviceUse) + QLatin1Char(' ');
    if (context.deviceOverride)
        return label + *context.deviceOverride + QLatin1Char(' ')
                + context.catalogue.Text(Msg::GivenStart);
    return label + PortDevice(context.section, UsablePortNo(context.section, context.settings));
}

}  // namespace kvt7
