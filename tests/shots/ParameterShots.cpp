#include "ShotFolder.h"
#include "parameters/ParameterFixtures.h"

#include "actuators/ActuatorCatalogue.h"
#include "link/CommandGroups.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "parameters/ui/ParameterEditor.h"
#include "support/FakeSerialPort.h"
#include "support/LinkTestParts.h"
#include "support/RecordingCanvas.h"
#include "printing/ParameterPrint.h"
#include "devices/ui/EditorDeviceWindows.h"
#include "devices/ui/OnlineActuatorDialog.h"
#include "support/TestPaths.h"

#include <QCheckBox>
#include <QTabWidget>

using namespace kvt7;
using namespace kvt7::test;

namespace {

// What both windows are built on: a link on a fake line, the catalogue and the lists.
struct ShotParts {
    explicit ShotParts(int language) { parts.catalogue.setLanguage(language); }

    LinkTestParts parts;
    FakeSerialPort port;
    ControllerLink link{port, parts.mode, parts.dialogs, parts.catalogue, parts.settings, parts.section, parts.status};
    const ControllerContext controller{link, parts.status, parts.dialogs, parts.catalogue};
    AxisSettings axes;
    NoCommandGroups commands;
    CatalogueFile catalogue{ProgramDir(), parts.catalogue, parts.dialogs};
    DefaultLists lists;
};

}  // namespace

// The parameter editor in both languages, locked and unlocked, axis 2 not in use, with its
// print buttons.
TEST(Shots, ParameterEditor)
{
    for (const int language : {kEnglish, kJapanese}) {
        ShotParts shot(language);
        auto& parts = shot.parts;
        ParameterSet set = ValidSet(13);
        ScriptedPreview preview;
        PrintContext print{parts.dialogs, parts.catalogue, preview, {}};
        ParameterEditorWindowContext context{shot.controller, set, shot.axes, shot.commands, shot.catalogue,
                                             shot.lists, ProgramDir(), {}, {}};
        context.print = ParameterEditorPrinting(print);
        context.windows = EditorDeviceWindows({parts.catalogue, parts.dialogs, shot.catalogue});
        ParameterEditor window{context};
        const QString suffix = language == kEnglish ? "en" : "ja";
        SaveShot(window, "frmParameta2-" + suffix + "-locked");
        parts.dialogs.answer(Answer::Yes);
        window.findChild<QCheckBox*>("chkTokuParaChange")->click();
        SaveShot(window, "frmParameta2-" + suffix + "-unlocked");
        window.findChild<QTabWidget*>("SSTabPrm")->setCurrentIndex(1);
        SaveShot(window, "frmParameta2-" + suffix + "-controller-tab");
    }
}

// The online actuator window in both languages, with its Detail Edit button.
TEST(Shots, OnlineDeviceWindow)
{
    for (const int language : {kEnglish, kJapanese}) {
        ShotParts shot(language);
        auto& parts = shot.parts;
        ParameterSet set = ValidSet(3);
        shot.axes.Pc(1).InUse = shot.axes.Pc(2).InUse = true;
        const OnlineDeviceWindowContext context{
            {parts.catalogue, parts.dialogs, shot.catalogue},
            {shot.controller, set, shot.axes, shot.lists, parts.section, parts.mode, parts.dialogs, parts.catalogue,
             shot.commands, ProgramDir(), {}}};
        OnlineActuatorDialog window{context};
        SaveShot(window, QStringLiteral("frmDevice3-") + (language == kEnglish ? "en" : "ja"));
    }
}
