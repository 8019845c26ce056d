#pragma once

#include <QObject>

namespace kvt7 {

// Online with a controller or Offline on files alone, and the online lamp that follows it.
class OperatingMode : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool isOnline() const { return online_; }
    bool lampLit() const { return lamp_; }

    // Online, lamp lit.
    void SetOnline();
    // Offline, lamp dark.
    void SetOffline();
    // Online without touching the lamp: operations that may start Offline do this before
    // their first exchange, because input is ignored while Offline.
    void SwitchOnlineQuietly();
    // Offline without touching the lamp (the receive side lost the port).
    void SwitchOfflineQuietly();

signals:
    void lampChanged(bool lit);
    void modeChanged(bool online);

private:
    void setMode(bool online);
    void setLamp(bool lit);
    bool online_ = false;
    bool lamp_ = false;
};

}  // namespace kvt7
