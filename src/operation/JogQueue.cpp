#include "JogQueue.h"

namespace kvt7 {

bool JogSendQueue::push(const QString& text, int length, int pulseAmount, int buttonIndex)
{
    if (lastEntry >= kEntries - 1)
        return false;
    ++lastEntry;
    const auto at = std::size_t(lastEntry);
    command.at(at) = text;
    replyLength.at(at) = length;
    pulses.at(at) = pulseAmount;
    button.at(at) = buttonIndex;
    sendNeeded = true;
    return true;
}

void JogSendQueue::pushStop()
{
    if (!push(kJogStopCommand, kJogReplyLength)) {
        const auto last = std::size_t(kEntries - 1);
        command.at(last) = kJogStopCommand;
        replyLength.at(last) = kJogReplyLength;
        pulses.at(last) = 0;
        button.at(last) = 0;
    }
    sendNeeded = true;
}

void JogSendQueue::shift()
{
    for (std::size_t k = 0; k + 1 < std::size_t(kEntries); ++k) {
        command.at(k) = command.at(k + 1);
        replyLength.at(k) = replyLength.at(k + 1);
        pulses.at(k) = pulses.at(k + 1);
        button.at(k) = button.at(k + 1);
    }
    const auto last = std::size_t(kEntries - 1);
    command.at(last).clear();
    replyLength.at(last) = 0;
    pulses.at(last) = 0;
    button.at(last) = 0;
    if (lastEntry >= 0)
        --lastEntry;
    if (lastEntry == -1)
        sendNeeded = false;
}

void JogSendQueue::clear()
{
    command.fill(QString());
    replyLength.fill(0);
    pulses.fill(0);
    button.fill(0);
    lastEntry = -1;
    sendNeeded = false;
    jogging = false;
}

}  // namespace kvt7
