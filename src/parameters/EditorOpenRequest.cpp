#include "EditorOpenRequest.h"

namespace kvt7 {

EditorOpenRequest::EditorOpenRequest(std::function<bool()> commandsLocked, std::function<void()> openEditor,
                                     int intervalMs, QObject* parent)
    : QObject(parent), commandsLocked_(std::move(commandsLocked)), openEditor_(std::move(openEditor))
{
    timer_.setObjectName(QStringLiteral("Timer2"));
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &EditorOpenRequest::tick);
}

void EditorOpenRequest::request()
{
    pending_ = true;
    timer_.start();
}

void EditorOpenRequest::tick()
{
    if (!pending_) {
        timer_.stop();
        return;
    }
    // A command still runs (the write that preceded the request, or another): ask again on
    // the next tick.
    if (commandsLocked_ && commandsLocked_())
        return;
    timer_.stop();
    pending_ = false;
    if (openEditor_)
        openEditor_();
}

}  // namespace kvt7
