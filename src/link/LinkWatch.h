#pragma once

#include "link/LinkPoll.h"

#include <QObject>

namespace kvt7 {

class ControllerLink;
class ControllerStatus;
class OperatingMode;

// The main window's Timer1: the port lamp imgPortGreen follows the port, and while an
// error reply is pending (Online, no fatal alarm) the link check is sent quietly every
// 500 ms until the controller answers normally again. The poll runs only while such a
// recovery is pending, so an idle program does no periodic work at all.
class LinkWatch : public QObject {
    Q_OBJECT
public:
    LinkWatch(ControllerLink& link, ControllerStatus& status, OperatingMode& mode,
              QObject* parent = nullptr);

    bool portLampVisible() const { return portLamp_; }
    bool recoveryPending() const { return Timer1_.isActive(); }
    int recoveryChecks() const { return checks_; }

signals:
    void portLampChanged(bool visible);

private:
    bool recoveryWanted() const;
    void reconsider();
    void check();

    ControllerLink& link_;
    ControllerStatus& status_;
    OperatingMode& mode_;
    LinkPoll Timer1_;
    bool portLamp_ = false;
    int checks_ = 0;
};

}  // namespace kvt7
