#include "app/CommandAvailability.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace kvt7;
using C = CommandAvailability;

TEST(CommandAvailability, LongOperationLeavesOnlyExitAndHelp)
{
    CommandAvailability commands;
    commands.CMDBTN_Muko();
    commands.ToolBar_Muko();
    commands.Menyu_Muko();
    commands.EditCMD_Muko();
    for (int id : {251, 252, 253, 254, 255, 256, 257, 260, 261, 265, 270, 280, 285, 287})
        EXPECT_FALSE(commands.isEnabled(C::Menu(id))) << id;
    for (int id : {262, 290, 291, 292})
        EXPECT_TRUE(commands.isEnabled(C::Menu(id))) << id;
    for (const QString& button : C::CommandButtons())
        EXPECT_FALSE(commands.isEnabled(button)) << button.toStdString();
    for (const QString& key : C::ToolKeys())
        EXPECT_FALSE(commands.isEnabled(C::Tool(key))) << key.toStdString();
}

TEST(CommandAvailability, AfterAnOperationInsertAndDeleteWaitForTheGrid)
{
    CommandAvailability commands;
    commands.EditCMD_Muko();
    commands.CMDBTN_Muko();
    commands.ToolBar_Muko();
    commands.Menyu_Muko();
    commands.CMDBTN_Yuko();
    commands.ToolBar_Yuko();
    commands.Menyu_Yuko();
    EXPECT_FALSE(commands.isEnabled("cmdInsertLine"));
    EXPECT_FALSE(commands.isEnabled("cmdDeleteLine"));
    EXPECT_FALSE(commands.isEnabled(C::Menu(266)));
    EXPECT_FALSE(commands.isEnabled(C::Menu(267)));
    EXPECT_FALSE(commands.isEnabled(C::Tool("LineCopy")));
    EXPECT_TRUE(commands.isEnabled("cmdPosiLoad"));
    EXPECT_TRUE(commands.isEnabled(C::Menu(256)));
    EXPECT_TRUE(commands.isEnabled(C::Tool("Load")));
    commands.EditCMD_YukoByClipboard(false, false);
    EXPECT_TRUE(commands.isEnabled("cmdInsertLine"));
    EXPECT_TRUE(commands.isEnabled(C::Menu(268)));
    EXPECT_TRUE(commands.isEnabled(C::Menu(297)));
    EXPECT_FALSE(commands.isEnabled(C::Menu(269))) << "nothing copied: no line paste";
    EXPECT_FALSE(commands.isEnabled(C::Menu(298))) << "nothing copied: no cell paste";
    EXPECT_FALSE(commands.isEnabled(C::Tool("LinePaste")));
    EXPECT_FALSE(commands.isEnabled(C::Tool("CellPaste")));
    commands.EditCMD_YukoByClipboard(true, false);
    EXPECT_TRUE(commands.isEnabled(C::Menu(298)));
    EXPECT_TRUE(commands.isEnabled(C::Tool("CellPaste")));
    EXPECT_FALSE(commands.isEnabled(C::Menu(269))) << "a cell copy offers no line paste";
}

TEST(CommandAvailability, CommandsNotOfferedStayDisabledAndLockFreezesTheGrid)
{
    CommandAvailability commands;
    commands.setOffered(C::Menu(273), false);
    commands.Menyu_Yuko();
    EXPECT_FALSE(commands.isEnabled(C::Menu(273)));
    QSignalSpy lock(&commands, &CommandAvailability::gridLockChanged);
    commands.LockMainWindow();
    commands.UnlockMainWindow();
    ASSERT_EQ(lock.count(), 2);
    EXPECT_TRUE(lock.at(0).at(0).toBool());
    EXPECT_FALSE(lock.at(1).at(0).toBool());
    commands.MenuFunction_Muko();
    EXPECT_FALSE(commands.isEnabled(C::Menu(285)));
    commands.MenuFunction_Yuko();
    EXPECT_TRUE(commands.isEnabled(C::Menu(285)));
}
