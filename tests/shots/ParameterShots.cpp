#include "ShotFolder.h"
#include "parameters/ParameterFixtures.h"

#include "actuators/ActuatorCatalogue.h"
#include "link/CommandGroups.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "parameters/ui/frmParameta2.h"
#include "support/FakeSerialPort.h"
#include "support/LinkTestParts.h"
#include "support/TestPaths.h"

#include <QCheckBox>

using namespace kvt7;
using namespace kvt7::test;

// The parameter editor in both languages, locked and unlocked, axis 2 not in use.
TEST(Shots, ParameterEditor)
{
    for (const int language : {kEnglish, kJapanese}) {
        LinkTestParts parts;
        parts.catalogue.setLanguage(language);
        FakeSerialPort port;
        ControllerLink link{port, parts.mode, parts.dialogs, parts.catalogue, parts.settings, parts.section, parts.status};
        const ControllerContext controller{link, parts.status, parts.dialogs, parts.catalogue};
        ParameterSet set = ValidSet(13);
        AxisSettings axes;
        NoCommandGroups commands;
        CatalogueFile catalogue{ProgramDir(), parts.catalogue, parts.dialogs};
        DefaultLists lists;
        frmParameta2 window{ParameterEditorWindowContext{controller, set, axes, commands, catalogue, lists,
                                                         ProgramDir(), {}, {}}};
        const QString suffix = language == kEnglish ? "en" : "ja";
        SaveShot(window, "frmParameta2-" + suffix + "-locked");
        parts.dialogs.answer(Answer::Yes);
        window.findChild<QCheckBox*>("chkTokuParaChange")->click();
        SaveShot(window, "frmParameta2-" + suffix + "-unlocked");
    }
}
