#pragma once

#include <QObject>
#include <QTimer>

namespace kvt7 {

class ControllerLink;

// The main window's Timer1: the port lamp imgPortGreen follows the port, and while an
// error reply is pending (Online, no fatal alarm) the link check is sent quietly every
// 500 ms until the controller answers normally again. The timer runs only while such a
// recovery is pending, so an idle program does no periodic work at all.
class LinkWatch : public QObject {
    Q_OBJECT
public:
    explicit LinkWatch(ControllerLink& link, QObject* parent = nullptr);

    bool portLampVisible() const { return portLamp_; }
    bool recoveryPending() const { return Timer1_.isActive(); }
    int recoveryChecks() const { return checks_; }

signals:
    void portLampChanged(bool visible);

private:
    bool recoveryWanted() const;
    void reconsider();
    void tick();

    ControllerLink& link_;
    QTimer Timer1_;
    bool portLamp_ = false;
    int checks_ = 0;
};

}  // namespace kvt7
