// The actuator windows and the print selection, in both languages.
#include "ShotFolder.h"
#include "app/Program.h"
#include "devices/ui/StrokeCalculatorDialog.h"
#include "devices/ui/OfflineActuatorDialog.h"
#include "devices/ui/OnlineActuatorDialog.h"
#include "platform/SettingsStore.h"
#include "platform/print/QtPrintPreview.h"
#include "printing/ProgramListings.h"
#include "printing/ui/PrintSelectionDialog.h"
#include "support/FakeSerialPort.h"
#include "support/ScriptedDialogs.h"
#include "support/TestPaths.h"

#include <QDateTime>
#include <QPrintPreviewDialog>
#include <QTimer>

using namespace kvt7;
using namespace kvt7::test;

TEST(Shots, DeviceAndPrintWindows)
{
    for (const int language : {kJapanese, kEnglish}) {
        const QString suffix = language == kEnglish ? QStringLiteral("-en") : QStringLiteral("-ja");
        MemorySettingsStore store;
        ScriptedDialogs dialogs;
        FakeSerialPort port;
        Program program{store, dialogs, port, ProgramDir()};
        program.messages.setLanguage(language);
        const DeviceWindowContext windowContext{program.messages, dialogs, program.catalogueFile};

        // Two axes in use, as on a typical machine, so that their controls are live.
        for (const int axis : {1, 2})
            program.axes.Pc(axis).InUse = program.axes.Controller(axis).InUse = true;
        program.axes.Pc(2).SizeCode = program.axes.Controller(2).SizeCode = QStringLiteral(" 42");
        program.axes.Pc(2).SpeedCode = program.axes.Controller(2).SpeedCode = QStringLiteral("D");
        program.axes.Pc(2).StrokeMm = program.axes.Controller(2).StrokeMm = 50;
        DeviceAxes pc = program.axes.pc;
        OfflineActuatorDialog offline(windowContext, pc, true);
        SaveShot(offline, QStringLiteral("frmDevice2") + suffix);

        const OnlineDeviceWindowContext onlineContext{
            windowContext,
            {program.controller, program.parameters, program.axes, program.defaultLists,
             program.section, program.mode, dialogs, program.messages, program.groups, ProgramDir(), {}}};
        OnlineActuatorDialog online(onlineContext);
        SaveShot(online, QStringLiteral("frmDevice3") + suffix);

        StrokeCalculatorDialog calculator(windowContext);
        SaveShot(calculator, QStringLiteral("frmDevice") + suffix);

        PrintSelectionDialog print({program.messages, dialogs});
        SaveShot(print, QStringLiteral("frmPrintSelect") + suffix);

        // Every listing opens in the print preview; a group listing stands for them.
        QtPrintPreview preview(dialogs);
        GroupListing groups;
        for (int g = 0; g < kListedGroups; ++g)
            groups.groups[std::size_t(g)] = {g * 10 + 1, g * 10 + 10};
        groups.fileName = QStringLiteral("line3.grp");
        groups.printedAt = QDateTime(QDate(2026, 4, 1), QTime(9, 30));
        preview.onShown = [&suffix](QPrintPreviewDialog& dialog) {
            dialog.resize(900, 1000);
            // The pages are drawn after the window is shown.
            QTimer::singleShot(200, &dialog, [&dialog, &suffix] {
                SaveShot(dialog, QStringLiteral("preview") + suffix);
                dialog.reject();
            });
        };
        const MessageCatalogue& texts = program.messages;
        preview.show({QStringLiteral("Group Data"), QStringLiteral("kvt7grp1.pdf"),
                      [&](PageCanvas& canvas) { LayoutGroupListing(canvas, groups, texts); }});
    }
}
