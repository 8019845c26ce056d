#include "ParameterEditorFields.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"

#include <algorithm>

namespace kvt7 {

namespace {

const std::vector<EditorTextField> kFields{
    {"txtHomeOffset", Param::Offset, 5, 1, 65535},
    {"txtHomePush", Param::Push, 3, 1, 255},
    {"txtHomeVel", Param::Vel, 3, 1, 60},
    {"txtHomeOfsVel", Param::OfsVel, 3, 1, 60},
    {"txtHomePushVel", Param::PushVel, 3, 1, 60},
    {"txtHomeOrder", Param::Seq, 1, 0, 255},
    {"txtJogHighVel", Param::JogVel, 2, 1, 30},
    {"txtAxisStroke", Param::Stroke, 6, 0, 262143},
    {"txtAxisLead", Param::Lead, 3, 0, 255},
    {"txtAxisPulse", Param::Pulse, 5, 0, 65535},
    {"txtPgAlarm", Param::Alm, 5, 5, 65535},
    {"txtSmTimeoutTimer", Param::SmTimer, 3, 1, 255},
    {"txtPgCheckTimer", Param::PgTimer, 3, 0, 255},
    {"txtLsSerchTimer", Param::LsTimer, 3, 0, 255},
    {"txtOneAxis", Param::Axis, 2, std::nullopt, 0},
};

const std::vector<Param> kHomeAxisChain{Param::Offset, Param::Push,   Param::Vel,
                                        Param::OfsVel, Param::PushVel, Param::Seq,
                                        Param::Stroke, Param::Lead,   Param::Pulse};
const std::vector<Param> kTimerChain{Param::PgTimer, Param::LsTimer};
const std::vector<Param> kAlongAxesOnly{Param::JogVel, Param::Alm};

bool AllDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

std::optional<int> FirstEnabledAxis(Param param, int after,
                                    const std::function<bool(FieldPosition)>& enabled)
{
    for (int axis = after + 1; axis <= kAxisCount; ++axis) {
        if (enabled({param, axis}))
            return axis;
    }
    return std::nullopt;
}

std::optional<FieldPosition> NextInChain(const std::vector<Param>& chain, FieldPosition from,
                                         const std::function<bool(FieldPosition)>& enabled)
{
    const auto at = std::find(chain.begin(), chain.end(), from.param);
    if (const auto axis = FirstEnabledAxis(from.param, from.axis, enabled))
        return FieldPosition{from.param, *axis};
    for (auto next = at + 1; next != chain.end(); ++next) {
        if (const auto axis = FirstEnabledAxis(*next, 0, enabled))
            return FieldPosition{*next, *axis};
    }
    return std::nullopt;
}

bool Contains(const std::vector<Param>& list, Param param)
{
    return std::find(list.begin(), list.end(), param) != list.end();
}

}  // namespace

const std::vector<EditorTextField>& EditorTextFields()
{
    return kFields;
}

const EditorTextField* TextFieldOf(Param param)
{
    const auto it = std::find_if(kFields.begin(), kFields.end(),
                                 [param](const EditorTextField& f) { return f.param == param; });
    return it == kFields.end() ? nullptr : &*it;
}

bool FieldAcceptsKey(const EditorTextField& field, FieldKey key, int currentLength,
                     int selectedLength)
{
    if (key == FieldKey::Backspace || key == FieldKey::Enter)
        return true;
    if (currentLength - selectedLength >= field.maxDigits)
        return false;
    return key == FieldKey::Digit || key == FieldKey::Tab;
}

bool FieldAcceptsInsertion(const EditorTextField& field, const QString& inserted,
                           int currentLength, int selectedLength)
{
    return AllDigits(inserted)
           && currentLength - selectedLength + inserted.size() <= field.maxDigits;
}

bool FieldKeepsOnLeave(const EditorTextField& field, const QString& text)
{
    if (text.isEmpty() || !field.min)
        return true;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok && value >= *field.min && value <= field.max;
}

std::optional<FieldPosition> NextFieldOnEnter(FieldPosition from,
                                              const std::function<bool(FieldPosition)>& enabled)
{
    if (from.param == Param::Axis) {
        if (const auto axis = FirstEnabledAxis(Param::PgTimer, 0, enabled))
            return FieldPosition{Param::PgTimer, *axis};
        return std::nullopt;
    }
    if (Contains(kHomeAxisChain, from.param))
        return NextInChain(kHomeAxisChain, from, enabled);
    if (Contains(kTimerChain, from.param))
        return NextInChain(kTimerChain, from, enabled);
    if (Contains(kAlongAxesOnly, from.param)) {
        if (const auto axis = FirstEnabledAxis(from.param, from.axis, enabled))
            return FieldPosition{from.param, *axis};
    }
    return std::nullopt;
}

bool IsSpecialParameter(Param param)
{
    return InfoOf(param).group == ParamGroup::Special;
}

int EditorAxisMask(const QString& axisFieldText, int pcMask)
{
    bool ok = false;
    const int mask = axisFieldText.toInt(&ok);
    return ok && mask >= 0 && mask <= 15 ? mask : pcMask & 0x0F;
}

bool EditorControlEnabled(Param param, int axis, int axisMask, bool specialUnlocked)
{
    if (IsSpecialParameter(param) && !specialUnlocked)
        return false;
    return axis == 0 || AxisBitSet(axisMask, axis);
}

bool AskUnlockSpecial(Dialogs& dialogs, const MessageCatalogue& messages)
{
    return dialogs.message(messages.Text(Msg::DonTChangeSPParameterOrdinaryUse)
                                   + QStringLiteral("\r\n")
                                   + messages.Text(Msg::YouChangeValueSPParameter),
                           Buttons::YesNo, Icon::Warning)
            == Answer::Yes;
}

QStringList TypeListEntries(const MessageCatalogue& messages)
{
    QStringList entries;
    for (int id = Msg::KVPUSH; id <= Msg::KVNEW; ++id)
        entries << messages.Text(id);
    return entries;
}

QStringList DisableEnableEntries()
{
    return {QStringLiteral("0. Disable"), QStringLiteral("1. Enable")};
}

QStringList EditorListEntries(Param param, const MessageCatalogue& messages)
{
    const auto range = [&messages](int first, int last) {
        QStringList entries;
        for (int id = first; id <= last; ++id)
            entries << messages.Text(id);
        return entries;
    };
    switch (param) {
    case Param::AutoDrive:
        return range(Msg::Drive, Msg::DriveOFF);
    case Param::Type:
        return TypeListEntries(messages);
    case Param::Function:
        return range(Msg::NoPG, Msg::DetectRevice);
    case Param::SoftLimit:
    case Param::M0Enable:
        return range(Msg::Disable, Msg::Enable);
    case Param::HomeOut:
        return range(Msg::OUT1OFF, Msg::OUT1InParameter);
    case Param::AlmCode:
        return range(Msg::DisableInParameter, Msg::EnableInParameter);
    case Param::AutoHome:
        return range(Msg::DisableInParameter2, Msg::EnableInParameter2);
    case Param::StopPause:
        return range(Msg::STOP, Msg::PauseInParameter);
    case Param::GrpEnable:
    case Param::SmTimeout:
        return DisableEnableEntries();
    default:
        return {};
    }
}

ShownList ShowListValue(const QStringList& entries, std::optional<qint64> value)
{
    ShownList shown{entries, -1, std::nullopt};
    if (!value)
        return shown;
    if (*value >= 0 && *value < entries.size()) {
        shown.index = static_cast<int>(*value);
        return shown;
    }
    shown.entries << QString::number(*value);
    shown.index = static_cast<int>(entries.size());
    shown.extra = value;
    return shown;
}

std::optional<qint64> TakeListValue(const ShownList& shown, int currentIndex)
{
    if (currentIndex < 0 || currentIndex >= shown.entries.size())
        return std::nullopt;
    if (shown.extra && currentIndex == shown.entries.size() - 1)
        return shown.extra;
    return currentIndex;
}

}  // namespace kvt7
