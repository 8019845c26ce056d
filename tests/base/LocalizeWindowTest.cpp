#include "support/QStringPrinting.h"
#include "base/ui/LocalizeWindow.h"
#include "base/MessageCatalogue.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace kvt7;

namespace {

template <typename T>
T* Tagged(QWidget* parent, const char* name, const QVariant& tag, const QString& designed = {})
{
    auto* control = new T(parent);
    control->setObjectName(QString::fromLatin1(name));
    if (tag.isValid())
        control->setProperty("Tag", tag);
    if constexpr (std::is_base_of_v<QGroupBox, T>)
        control->setTitle(designed);
    else
        control->setText(designed);
    return control;
}

struct Window {
    QWidget window;
    QMenuBar* bar = new QMenuBar(&window);
    QToolBar* tools = new QToolBar(&window);
    QAction* exitItem = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* toolWithTip = nullptr;
    QAction* toolWithoutTip = nullptr;
    QAction* toolWithWordTip = nullptr;
    QTabWidget* tabs = new QTabWidget(&window);
    QTreeView* list = new QTreeView(&window);
    QStandardItemModel model{0, 3};

    Window()
    {
        window.setProperty("Tag", QStringLiteral("1201"));
        fileMenu = bar->addMenu(QStringLiteral("250"));
        exitItem = fileMenu->addAction(QStringLiteral("262"));
        fileMenu->addAction(QStringLiteral("Print"))->setObjectName(QStringLiteral("wordItem"));
        toolWithTip = tools->addAction(QStringLiteral("New"));
        toolWithTip->setToolTip(QStringLiteral("300"));
        toolWithoutTip = tools->addAction(QString());
        toolWithWordTip = tools->addAction(QStringLiteral("Save"));
        toolWithWordTip->setToolTip(QStringLiteral("save it"));
        auto* page = new QWidget;
        page->setProperty("Tag", QStringLiteral("2505"));
        tabs->addTab(page, QStringLiteral("designed tab"));
        model.setHorizontalHeaderLabels({"a", "b", "c"});
        list->setModel(&model);
        list->setProperty("ColumnTags", QStringList{"225", "abc", "226"});
    }
};

}  // namespace

class LocalizeWindowTest : public ::testing::TestWithParam<int> {
protected:
    MessageCatalogue messages = MessageCatalogue::Builtin();
    void SetUp() override { messages.setLanguage(GetParam()); }
    bool english() const { return GetParam() == 2; }
};

TEST_P(LocalizeWindowTest, TitleMenusToolBarAndListHeadings)
{
    Window w;
    LocalizeWindow(&w.window, messages);
    EXPECT_EQ(w.window.windowTitle(), english() ? "KV-T7 Version Information..." : "KV-T7 ﾊﾞｰｼﾞｮﾝ情報...");
    EXPECT_EQ(w.fileMenu->title(), english() ? "File(&F)" : "ファイル(&F)");
    EXPECT_EQ(w.exitItem->text(), english() ? "Exit(&X)" : "終了(&X)");
    EXPECT_EQ(w.window.findChild<QAction*>("wordItem")->text(), "Print") << "not an id: unchanged";
    EXPECT_EQ(w.toolWithTip->toolTip(), english() ? "All clear and New data" : "位置ﾃﾞｰﾀを新規に作成します");
    EXPECT_EQ(w.toolWithTip->text(), "New") << "a tool-bar button's caption is not an id";
    EXPECT_TRUE(w.toolWithoutTip->toolTip().isEmpty()) << "a button without tool-tip keeps none";
    EXPECT_EQ(w.toolWithWordTip->toolTip(), "save it");
    EXPECT_EQ(w.tabs->tabText(0), english() ? "RS-232C" : "通信ポート");
    EXPECT_EQ(w.model.headerData(0, Qt::Horizontal).toString(), english() ? "VEL" : "速度");
    EXPECT_EQ(w.model.headerData(1, Qt::Horizontal).toString(), "b");
    EXPECT_EQ(w.model.headerData(2, Qt::Horizontal).toString(), english() ? "ACC" : "加速");
}

TEST_P(LocalizeWindowTest, LabelsTakeTheirTagAndNumericToolTips)
{
    QWidget window;
    auto* named = Tagged<QLabel>(&window, "named", QStringLiteral("212"), "designed");
    named->setToolTip(QStringLiteral("323"));
    auto* empty = Tagged<QLabel>(&window, "empty", QString(), "designed empty");
    auto* word = Tagged<QLabel>(&window, "word", QStringLiteral("Version"), "designed word");
    word->setToolTip(QStringLiteral("lamp"));
    auto* zero = Tagged<QLabel>(&window, "zero", QStringLiteral("0"), "designed zero");
    auto* absent = Tagged<QLabel>(&window, "absent", QStringLiteral("9999"), "designed absent");
    absent->setToolTip(QStringLiteral("9998"));
    auto* untagged = Tagged<QLabel>(&window, "untagged", QVariant(), "designed untagged");
    auto* single = Tagged<QLabel>(&window, "single", QStringLiteral("539"), "designed single");

    LocalizeWindow(&window, messages);
    EXPECT_EQ(named->text(), english() ? "File Name" : "ﾌｧｲﾙ名");
    EXPECT_EQ(named->toolTip(), english() ? "GREEN：Online 　WHITE：Offline" : "緑ﾗﾝﾌﾟ点灯：ｵﾝﾗｲﾝ 　消灯(白)：ｵﾌﾗｲﾝ");
    EXPECT_EQ(empty->text(), "designed empty");
    EXPECT_EQ(word->text(), "designed word");
    EXPECT_EQ(word->toolTip(), "lamp");
    EXPECT_EQ(zero->text(), "designed zero");
    EXPECT_EQ(absent->text(), "designed absent") << "an id without text keeps the design";
    EXPECT_EQ(absent->toolTip(), "9998");
    EXPECT_EQ(untagged->text(), "designed untagged");
    EXPECT_EQ(single->text(), english() ? "designed single" : "10")
        << "539 has no English text; the other controls are still done";
}

TEST_P(LocalizeWindowTest, OtherControlsTakeCaptionAndToolTip)
{
    QWidget window;
    auto* button = Tagged<QPushButton>(&window, "button", QStringLiteral("203"), "designed");
    button->setToolTip(QStringLiteral("313"));
    auto* check = Tagged<QCheckBox>(&window, "check", QStringLiteral("2510"), "designed");
    auto* frame = Tagged<QGroupBox>(&window, "frame", QStringLiteral("214"), "designed");
    auto* wordTag = Tagged<QPushButton>(&window, "wordTag", QStringLiteral("OK"), "designed OK");
    wordTag->setToolTip(QStringLiteral("-5"));
    auto* negative = Tagged<QPushButton>(&window, "negative", QStringLiteral("-203"), "designed minus");

    LocalizeWindow(&window, messages);
    EXPECT_EQ(button->text(), english() ? "File Open" : "ファイルの読み込み");
    EXPECT_EQ(button->toolTip(), english() ? "Open file of position data" : "位置ﾃﾞｰﾀのﾌｧｲﾙを読み込みます");
    EXPECT_EQ(check->text(), english() ? "A communication port is occupied during soft starting."
                                       : "ｿﾌﾄ起動中は通信ﾎﾟｰﾄを占有する");
    EXPECT_EQ(frame->title(), "ALARM");
    EXPECT_EQ(wordTag->text(), "designed OK");
    EXPECT_EQ(wordTag->toolTip(), "-5");
    EXPECT_EQ(negative->text(), "designed minus");
}

TEST_P(LocalizeWindowTest, OwnedWindowsAreLeftForTheirOwnLoad)
{
    QWidget window;
    window.setProperty("Tag", QStringLiteral("abc"));
    window.setWindowTitle(QStringLiteral("designed title"));
    auto* dialog = new QDialog(&window);
    auto* inside = Tagged<QLabel>(dialog, "inside", QStringLiteral("212"), "designed");
    LocalizeWindow(&window, messages);
    EXPECT_EQ(window.windowTitle(), "designed title") << "a Tag that is not a number";
    EXPECT_EQ(inside->text(), "designed");
    LocalizeWindow(dialog, messages);
    EXPECT_NE(inside->text(), "designed");
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, LocalizeWindowTest, ::testing::Values(1, 2),
                         [](const auto& info) { return info.param == 1 ? "Japanese" : "English"; });
