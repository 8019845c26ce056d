#include "SoakRig.h"

#include "link/AlarmList.h"
#include "platform/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

namespace kvt7 {

namespace {

constexpr int kDeviceWaitMs = 3000;

}  // namespace

SoakRig::SoakRig(const QString& folder) : workFolder(folder)
{
    catalogue.setLanguage(kEnglish);
    settings.Language = kEnglish;
    QObject::connect(&server, &sim::PtyServer::served, [this] {
        if (faultsActive())
            ++exchanges_;
    });
}

SoakRig::~SoakRig()
{
    if (link)
        link->ClosePort();
}

bool SoakRig::open(QString* error)
{
    if (!server.open(error) || !server.createLink(QDir(workFolder).filePath(QStringLiteral("kvm8")), error))
        return false;
    link = std::make_unique<ControllerLink>(port, mode, dialogs, catalogue, settings, section, status,
                                            server.linkPath());
    controller.emplace(ControllerContext{*link, status, dialogs, catalogue});
    status.setAlarmList(LoadAlarmList(ProgramDataFolder(), catalogue, dialogs));
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
