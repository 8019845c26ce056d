// Pictures of the group and S/M windows in both languages for looking at them; only when
// KVT7_RENDER_DIR names a folder.
#include "ProgramFixture.h"
#include "programs/ui/frmGrp.h"
#include "programs/ui/frmSqMcr.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace kvt7::test {
namespace {

class RenderProgramShots : public ProgramFixture {};

TEST_F(RenderProgramShots, GroupAndSmWindows)
{
    const QString folder = qEnvironmentVariable("KVT7_RENDER_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "KVT7_RENDER_DIR not set";
    QDir().mkpath(folder);
    const auto save = [&](QWidget& widget, const QString& name) {
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
        QApplication::processEvents();
        EXPECT_TRUE(widget.grab().save(QDir(folder).filePath(name + ".png")));
    };
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
        frmGrp group(context, groups, GroupPrintCommands(print, groups));
        group.showPage(1);
        save(group, "frmGrp-" + suffix);
        frmSqMcr sm(context, programs, SmPrintCommands(print, programs));
        save(sm, "frmSqMcr-" + suffix);
    }
}

}  // namespace
}  // namespace kvt7::test
