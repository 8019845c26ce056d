#include "app/CommandAvailability.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace kvt7;

namespace {

CommandId M(int textId)
{
    return *MenuCommandOfText(textId);
}

CommandId T(const char* key)
{
    return *ToolCommandOfKey(QString::fromLatin1(key));
}

bool IsKind(const CommandRow& row, CommandKind kind)
{
    return row.kind == kind;
}

}  // namespace

TEST(CommandAvailability, LongOperationLeavesOnlyExitAndHelp)
{
    CommandAvailability commands;
    commands.disableCommandButtons();
    commands.disableToolBar();
    commands.disableMenus();
    commands.disableEditCommands();
    for (int id : {251, 252, 253, 254, 255, 256, 257, 260, 261, 265, 270, 280, 285, 287})
        EXPECT_FALSE(commands.isEnabled(M(id))) << id;
    for (int id : {262, 290, 291, 292})
        EXPECT_TRUE(commands.isEnabled(M(id))) << id;
    for (const CommandRow& row : CommandTable()) {
        if (IsKind(row, CommandKind::CommandButton) || IsKind(row, CommandKind::ToolButton)) {
            EXPECT_FALSE(commands.isEnabled(row.id)) << row.objectName;
        }
    }
}

TEST(CommandAvailability, AfterAnOperationInsertAndDeleteWaitForTheGrid)
{
    CommandAvailability commands;
    commands.disableEditCommands();
    commands.disableCommandButtons();
    commands.disableToolBar();
    commands.disableMenus();
    commands.enableCommandButtons();
    commands.enableToolBar();
    commands.enableMenus();
    EXPECT_FALSE(commands.isEnabled(CommandId::cmdInsertLine));
    EXPECT_FALSE(commands.isEnabled(CommandId::cmdDeleteLine));
    EXPECT_FALSE(commands.isEnabled(M(266)));
    EXPECT_FALSE(commands.isEnabled(M(267)));
    EXPECT_FALSE(commands.isEnabled(T("LineCopy")));
    EXPECT_TRUE(commands.isEnabled(CommandId::cmdPosiLoad));
    EXPECT_TRUE(commands.isEnabled(M(256)));
    EXPECT_TRUE(commands.isEnabled(T("Load")));
    commands.enableEditCommandsByClipboard(false, false);
    EXPECT_TRUE(commands.isEnabled(CommandId::cmdInsertLine));
    EXPECT_TRUE(commands.isEnabled(M(268)));
    EXPECT_TRUE(commands.isEnabled(M(297)));
    EXPECT_FALSE(commands.isEnabled(M(269))) << "nothing copied: no line paste";
    EXPECT_FALSE(commands.isEnabled(M(298))) << "nothing copied: no cell paste";
    EXPECT_FALSE(commands.isEnabled(T("LinePaste")));
    EXPECT_FALSE(commands.isEnabled(T("CellPaste")));
    commands.enableEditCommandsByClipboard(true, false);
    EXPECT_TRUE(commands.isEnabled(M(298)));
    EXPECT_TRUE(commands.isEnabled(T("CellPaste")));
    EXPECT_FALSE(commands.isEnabled(M(269))) << "a cell copy offers no line paste";
}

TEST(CommandAvailability, CommandsNotOfferedStayDisabledLockFreezesTheGridControllerMenu)
{
    CommandAvailability commands;
    for (const CommandRow& row : CommandTable()) {
        if (!row.offered) {
            commands.setCommand(row.id, true);
            EXPECT_FALSE(commands.isEnabled(row.id)) << row.objectName;
        }
    }
    QSignalSpy lock(&commands, &CommandAvailability::gridLockChanged);
    commands.lockMainWindow();
    commands.unlockMainWindow();
    ASSERT_EQ(lock.count(), 2);
    EXPECT_TRUE(lock.at(0).at(0).toBool());
    EXPECT_FALSE(lock.at(1).at(0).toBool());
    commands.disableFunctionMenu();
    EXPECT_FALSE(commands.isEnabled(M(285)));
    commands.enableFunctionMenu();
    EXPECT_TRUE(commands.isEnabled(M(285)));
}
