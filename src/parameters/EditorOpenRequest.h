#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace kvt7 {

// The online actuator window's Detail Edit asks for the parameter editor; the main window
// opens it on its next Timer2 tick once no command holds the program. The timer runs only
// while a request waits, so an idle program costs nothing.
class EditorOpenRequest : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 1000;

    EditorOpenRequest(std::function<bool()> commandsLocked, std::function<void()> openEditor,
                      int intervalMs = kIntervalMs, QObject* parent = nullptr);

    void request();
    bool pending() const { return pending_; }
    bool timerRunning() const { return timer_.isActive(); }

private:
    void tick();

    std::function<bool()> commandsLocked_;
    std::function<void()> openEditor_;
    QTimer timer_{this};
    bool pending_ = false;
};

}  // namespace kvt7
