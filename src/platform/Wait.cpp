#include "Wait.h"

#include <QEventLoop>
#include <QTimer>

namespace kvt7 {

void WaitMs(int ms)
{
    QEventLoop loop;
    QTimer mmsecTimer;
    mmsecTimer.setObjectName(QStringLiteral("mmsecTimer"));
    mmsecTimer.setSingleShot(true);
    // A coarse timer may fire a little early; a wait must never be shorter than asked.
    mmsecTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&mmsecTimer, &QTimer::timeout, &loop, &QEventLoop::quit);
    mmsecTimer.start(ms < 0 ? 0 : ms);
    loop.exec();
}

}  // namespace kvt7
