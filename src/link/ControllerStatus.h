#pragma once

#include "link/AlarmList.h"
#include "link/ControllerVersionInfo.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

namespace kvt7 {

// What the main window's alarm frame shows: the lamp imgAlarmLed, lblAlarmNo and
// lblErrorComment.
struct AlarmDisplay {
    bool lampVisible = false;
    QString alarmNo;
    QString errorComment = NoErrorText();

    // The comment while there is no alarm.
    static QString NoErrorText() { return QStringLiteral("No Error"); }
    bool operator==(const AlarmDisplay&) const = default;
};

// What the controller has reported: its alarm, its home status and its version. The link
// writes it as replies arrive; windows and operations read it here, never from the link.
class ControllerStatus : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Alarm state.
    bool ControllerErrorPending() const { return errorPending_; }
    bool FatalAlarm() const { return fatalAlarm_; }
    const QString& LastErrorReply() const { return lastErrorReply_; }
    const QString& AlarmNumber() const { return alarmNumber_; }
    const QString& AlarmText() const { return alarmText_; }
    bool AlarmFound() const { return alarmFound_; }
    const AlarmList& alarmList() const { return alarmList_; }
    void setAlarmList(AlarmList list) { alarmList_ = std::move(list); }
    const AlarmDisplay& alarmDisplay() const { return display_; }

    // Home status: HomeDone and the main window's home lamp imgHomeGreen.
    bool HomeDone() const { return homeDone_; }
    void setHomeDone(bool done) { homeDone_ = done; }
    bool homeLampVisible() const { return homeLamp_; }
    void setHomeLamp(bool visible);

    // The present positions (pulses of axes 1..4) the teaching or the move test last showed;
    // nullopt while neither shows any. Never read from the controller for their own sake.
    const std::optional<std::array<qint32, 4>>& presentPositions() const { return present_; }
    void setPresentPositions(const std::optional<std::array<qint32, 4>>& pulses);

    ControllerVersionInfo& version() { return version_; }
    const ControllerVersionInfo& version() const { return version_; }

    // Written by the link as it decodes replies.
    void setAlarmFlags(bool pending, bool fatal);
    void setLastErrorReply(const QString& reply) { lastErrorReply_ = reply; }
    void setAlarm(const QString& number, const QString& text, bool found);
    void setDisplay(const AlarmDisplay& display);

signals:
    void alarmDisplayChanged(const kvt7::AlarmDisplay& display);
    // ControllerErrorPending or FatalAlarm changed.
    void alarmStateChanged();
    void homeLampChanged(bool visible);
    void presentPositionsChanged();

private:
    bool errorPending_ = false;
    bool fatalAlarm_ = false;
    QString lastErrorReply_;
    QString alarmNumber_;
    QString alarmText_;
    bool alarmFound_ = false;
    AlarmList alarmList_;
    AlarmDisplay display_;

    bool homeDone_ = false;
    bool homeLamp_ = false;
    ControllerVersionInfo version_;
    std::optional<std::array<qint32, 4>> present_;
};

}  // namespace kvt7
