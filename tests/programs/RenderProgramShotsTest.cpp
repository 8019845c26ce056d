// Pictures of the group and S/M windows in both languages for looking at them; only when
// KVT7_RENDER_DIR names a folder.
#include "ProgramFixture.h"
#include "programs/ui/GroupWindow.h"
#include "programs/ui/SmProgramWindow.h"
#include "support/RenderFolder.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace kvt7::test {
namespace {

class RenderProgramShots : public ProgramFixture {};

TEST_F(RenderProgramShots, GroupAndSmWindows)
{
    KVT7_RENDER_FOLDER(folder);
    GroupData groups;
    groups.table.group(34) = {300, 999};
    SmData programs;
    programs.table.program(1).step(1) = {1, 2};
    programs.table.program(1).step(2) = {5, 9};
    programs.table.program(1).step(3) = {15, 0};
    programs.table.program(1).step(4) = {9, 3};
    for (const int language : {kEnglish, kJapanese}) {
        catalogue.setLanguage(language);
        const QString suffix = language == kEnglish ? "en" : "ja";
        GroupWindow group(context, groups, GroupPrintCommands(print, groups));
        group.showPage(1);
        SaveWindowPicture(group, folder, "frmGrp-" + suffix);
        SmProgramWindow sm(context, programs, SmPrintCommands(print, programs));
        SaveWindowPicture(sm, folder, "frmSqMcr-" + suffix);
    }
}

}  // namespace
}  // namespace kvt7::test
