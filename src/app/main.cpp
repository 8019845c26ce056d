#include "ApplicationSetup.h"
#include "CommandLine.h"
#include "DrawnImages.h"
#include "Program.h"
#include "StartSequence.h"
#include "WindowDialogs.h"
#include "frmMain.h"
#include "platform/SerialPort.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QTranslator>

using namespace kvt7;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kvt7"));
    [[maybe_unused]] const CommandLineOptions options = ProcessCommandLine(QApplication::arguments());

    IniSettingsStore store;
    QTranslator qtTexts;
    LoadQtTranslations(application, store, qtTexts);
    UseProgramFont(application);
    QApplication::setWindowIcon(QIcon(ProgramEmblem(64)));
    // The program ends through the exit questions of the main window only.
    QApplication::setQuitOnLastWindowClosed(false);

    QtSerialLine port;
    WindowDialogs dialogs;
    Program program{store, dialogs, port, QApplication::applicationDirPath()};
    dialogs.attach(program);

    frmMain mainWindow(program);
    dialogs.setParentWindow(&mainWindow);
    QObject::connect(&mainWindow, &frmMain::ProgramEnded, &application, &QApplication::quit,
                     Qt::QueuedConnection);

    RunStartSequence(program, mainWindow);
    return application.exec();
}
