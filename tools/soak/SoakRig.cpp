#include "SoakRig.h"

#include "platform/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

namespace kvt7 {

namespace {

constexpr int kDeviceWaitMs = 3000;

}  // namespace

SoakRig::SoakRig(const QString& folder)
    : workFolder(folder), journal(QDir(folder).filePath(QStringLiteral("journal.jsonl")))
{
    QObject::connect(&server, &sim::PtyServer::served, [this] {
        if (faultsActive())
            ++exchanges_;
    });
}

SoakRig::~SoakRig()
{
    if (session_)
        session_->link.ClosePort();
}

bool SoakRig::open(QString* error)
{
    if (!server.open(error) || !server.createLink(QDir(workFolder).filePath(QStringLiteral("kvm8")), error))
        return false;
    session_ = std::make_unique<Session>(
            SessionOutside{store, dialogs, port, &journal, QStringLiteral("soak")},
            ProgramDataFolder(), server.linkPath());
    session_->messages.setLanguage(kEnglish);
    session_->settings.Language = kEnglish;
    LoadProgramAlarmList(*session_);
    return true;
}

void SoakRig::awaitDevice()
{
    QElapsedTimer waited;
    waited.start();
    while (!server.isOpen() && waited.elapsed() < kDeviceWaitMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
}

}  // namespace kvt7
