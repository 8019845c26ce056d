#include "Desktop.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

namespace kvt7 {

namespace {

// The system information tools tried in turn, as desktops ship them.
const char* const kSystemInformationTools[] = {"hardinfo", "gnome-system-monitor", "ksysguard",
                                               "xfce4-taskmanager", "lxtask"};

}  // namespace

bool OpenWithDesktopViewer(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

int ScreenWidthPixels()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

bool StartSystemInformationTool()
{
    for (const char* tool : kSystemInformationTools) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return true;
    }
    return false;
}

}  // namespace kvt7
