#include "ApplicationSetup.h"
#include "app/CommandLine.h"
#include "base/ui/DrawnImages.h"
#include "app/Program.h"
#include "app/StartSequence.h"
#include "WindowDialogs.h"
#include "MainWindow.h"
#include "MainWindowBinding.h"
#include "SubsystemWindows.h"
#include "platform/DataFolder.h"
#include "platform/JournalFile.h"
#include "platform/SerialPort.h"
#include "platform/SettingsStore.h"
#include "platform/SimulatorProcess.h"

#include <QApplication>
#include <QTranslator>
#include <cstdio>

using namespace kvt7;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kvt7"));
    const CommandLineOptions options = ProcessCommandLine(QApplication::arguments());
    // The simulated controller lives as long as the program; it is ended with it.
    SimulatorProcess simulator;
    std::optional<QString> deviceOverride;
    if (!options.portDevice.isEmpty())
        deviceOverride = options.portDevice;
    if (options.simulate) {
        if (!simulator.start(options.simulatorArguments)) {
            std::fprintf(stderr, "kvt7: %s\n", qPrintable(simulator.errorText()));
            return 1;
        }
        deviceOverride = simulator.devicePath();
    }

    IniSettingsStore store;
    QTranslator qtTexts;
    LoadQtTranslations(application, store, qtTexts);
    UseProgramFont(application);
    QApplication::setWindowIcon(QIcon(ProgramEmblem(64)));
    // The program ends through the exit questions of the main window only.
    QApplication::setQuitOnLastWindowClosed(false);

    QtSerialLine port;
    WindowDialogs dialogs;
    // The data files beside the program, or where the package installs them.
    JournalFile journal;
    Program program{SessionOutside{store, dialogs, port, &journal, QStringLiteral("window")},
                    ProgramDataFolder(), deviceOverride};
    dialogs.attach(program);

    MainWindow mainWindow(program);
    dialogs.setParentWindow(&mainWindow);
    QObject::connect(&mainWindow, &MainWindow::ProgramEnded, &application, &QApplication::quit,
                     Qt::QueuedConnection);

    RunStartSequence(program, mainWindow, mainWindow.steps());
    if (!options.file.isEmpty())
        mainWindow.binding().subsystems().OpenGivenFile(options.file);
    return application.exec();
}
