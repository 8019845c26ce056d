#include "GridTestSupport.h"

#include "positions/ClipboardEditing.h"
#include "positions/LineEditing.h"
#include "positions/ui/PositionGridModel.h"
#include "positions/ui/PositionGridView.h"
#include "positions/ui/PositionHeaderView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct ViewFixture : GridFixture {
    QTableView view;
    PositionGridAdapter* adapter = nullptr;

    explicit ViewFixture(int language = kEnglish) : GridFixture(language)
    {
        adapter = AttachPositionGrid(view, context);
        view.resize(1100, 500);
        view.show();
        view.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
        view.setFocus();
    }
    QModelIndex index(int positionNo, int gridColumn) const
    {
        return adapter->model()->index(row(positionNo) - 2, gridColumn - 1);
    }
    QPoint centre(int positionNo, int gridColumn) const { return view.visualRect(index(positionNo, gridColumn)).center(); }
    void click(int positionNo, int gridColumn) { QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centre(positionNo, gridColumn)); }
    // A widget double-click arrives as press, release, double-click, release.
    void doubleClick(int positionNo, int gridColumn)
    {
        const QPoint at = centre(positionNo, gridColumn);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at);
    }
    // Keys go where the focus is, as typed keys do: the view, or its open editor.
    void type(const QString& keys)
    {
        for (const QChar c : keys)
            QTest::keyClick(target(), c.toLatin1());
    }
    void press(Qt::Key key) { QTest::keyClick(target(), key); }
    QWidget* target() { return QApplication::focusWidget() ? QApplication::focusWidget() : &view; }
    // The open editor; a closed one is hidden at once and deleted later.
    QLineEdit* editor() const
    {
        for (QLineEdit* line : view.findChildren<QLineEdit*>())
            if (line->isVisible())
                return line;
        return nullptr;
    }
};

}  // namespace

TEST(GridView, LayoutOfColumnsAndHeadings)
{
    ViewFixture f;
    f.newTable(1, 3);
    QHeaderView* header = f.view.horizontalHeader();
    ASSERT_NE(qobject_cast<PositionHeaderView*>(header), nullptr);
    EXPECT_EQ(f.adapter->model()->columnCount(), 20);
    EXPECT_EQ(f.adapter->model()->rowCount(), 3);
    EXPECT_EQ(header->height(), 40);
    EXPECT_EQ(f.view.verticalHeader()->width(), 26);
    EXPECT_EQ(f.view.rowHeight(0), 20);
    for (int c = 1; c < kCommentColumn; ++c)
        EXPECT_EQ(header->sectionSize(c - 1), IsPositionColumn(c) ? 66 : 33) << c;
    const int others = 4 * (3 * 33 + 66) + 3 * 33;
    EXPECT_EQ(header->sectionSize(19), std::max(200, f.view.viewport()->width() - others));
    f.view.resize(600, 400);
    QApplication::processEvents();
    EXPECT_EQ(header->sectionSize(19), 200);
    EXPECT_EQ(f.adapter->model()->headerData(0, Qt::Vertical, Qt::DisplayRole).toString(), "1");
    EXPECT_EQ(f.adapter->model()->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), "(pls)1Posi");
    const QModelIndex comment = f.index(1, kCommentColumn);
    EXPECT_EQ(comment.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
    EXPECT_EQ(f.index(1, 1).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    EXPECT_EQ(f.index(1, SpeedColumn(2)).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 192));
    EXPECT_EQ(f.index(1, SpeedColumn(3)).data(Qt::BackgroundRole).value<QColor>(), QColor(224, 224, 224));
    EXPECT_FALSE(f.index(1, SpeedColumn(1)).data(Qt::BackgroundRole).isValid());
}

TEST(GridView, ClickOnAPositionNumberSelectsItsValueColumns)
{
    ViewFixture f;
    f.newTable(1, 5);
    f.view.horizontalScrollBar();
    QSignalSpy enable(&f.events, &PositionEvents::editEnableByClipboard);
    QHeaderView* numbers = f.view.verticalHeader();
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {}, QPoint(10, numbers->sectionViewportPosition(2) + 5));
    const GridSelection selection = f.grid.selection();
    EXPECT_EQ(selection.top(), 4);
    EXPECT_EQ(selection.bottom(), 4);
    EXPECT_EQ(selection.left(), 1);
    EXPECT_EQ(selection.right(), 20);
    EXPECT_EQ(f.grid.currentColumn(), 1);
    ASSERT_GE(enable.size(), 1);
    EXPECT_FALSE(enable.back()[0].toBool());
    EXPECT_FALSE(enable.back()[1].toBool());
    EXPECT_EQ(LineCopy(f.context), Outcome::Done);
    EXPECT_TRUE(f.dialogs.messages.empty());
    f.click(1, 5);
    EXPECT_TRUE(enable.back()[0].toBool());
    EXPECT_TRUE(enable.back()[1].toBool());
    EXPECT_EQ(f.grid.selection().left(), 5);
    EXPECT_EQ(f.grid.currentRow(), 2);
}

TEST(GridView, TypedKeysPassTheColumnFilter)
{
    ViewFixture f;
    f.newTable(1, 2);
    f.click(1, AccColumn(1));
    f.type("4");
    ASSERT_NE(f.editor(), nullptr);
    EXPECT_EQ(f.editor()->text(), "3");  // the key was dropped
    f.editor()->selectAll();
    f.type("42");
    EXPECT_EQ(f.editor()->text(), "2");
    f.press(Qt::Key_Return);
    EXPECT_EQ(f.cell(1, AccColumn(1)), "2");
    EXPECT_EQ(f.grid.currentColumn(), WayColumn(1));
    EXPECT_TRUE(f.table.PosiChanged);
    // Enter without an editor moves on as well.
    f.press(Qt::Key_Return);
    EXPECT_EQ(f.grid.currentColumn(), PosiColumn(1));
}

TEST(GridView, RefusedEntryBeepsAndEscRestores)
{
    ViewFixture f;
    f.newTable(1, 2);
    f.click(2, SpeedColumn(2));
    f.type("9");
    f.type("9");
    f.press(Qt::Key_Tab);
    EXPECT_EQ(f.cell(2, SpeedColumn(2)), "30");
    EXPECT_EQ(f.dialogs.beeps, 1);
    // TAB went on editing in the next cell.
    EXPECT_EQ(f.view.currentIndex(), f.index(2, AccColumn(2)));
    ASSERT_NE(f.editor(), nullptr);
    f.press(Qt::Key_Escape);

    f.doubleClick(1, kCommentColumn);
    ASSERT_NE(f.editor(), nullptr);
    f.type(" new");
    f.press(Qt::Key_Escape);
    EXPECT_EQ(f.editor(), nullptr);
    EXPECT_EQ(f.cell(1, kCommentColumn), "");
    EXPECT_EQ(f.table.EditOldText, "");
    f.doubleClick(1, kCommentColumn);
    f.type(" ab ");
    f.press(Qt::Key_Return);
    EXPECT_EQ(f.cell(1, kCommentColumn), "ab");
    EXPECT_EQ(f.grid.currentRow(), f.row(2));
    EXPECT_EQ(f.grid.currentColumn(), 1);
}

TEST(GridView, NoEditingOnAnAxisNotInUseOrALockedGrid)
{
    ViewFixture f;
    f.newTable(1, 2);
    f.click(1, SpeedColumn(3));
    f.type("5");
    EXPECT_EQ(f.editor(), nullptr);
    EXPECT_EQ(f.cell(1, SpeedColumn(3)), "30");
    f.click(1, SpeedColumn(1));
    f.grid.setAcceptsInput(false);
    f.type("5");
    f.click(2, AccColumn(2));
    EXPECT_EQ(f.editor(), nullptr);
    EXPECT_EQ(f.grid.currentRow(), f.row(1));
    EXPECT_EQ(f.grid.currentColumn(), SpeedColumn(1));
    f.grid.setAcceptsInput(true);
    f.type("5");
    EXPECT_NE(f.editor(), nullptr);
}

TEST(GridView, EditWithRowsSelectedBelowFillsThemAll)
{
    ViewFixture f;
    f.newTable(1, 6);
    f.select(f.row(2), SpeedColumn(1), f.row(5), SpeedColumn(1));
    EXPECT_EQ(f.view.selectionModel()->selectedIndexes().size(), 4);
    EXPECT_EQ(f.view.currentIndex(), f.index(2, SpeedColumn(1)));
    f.type("45");
    f.press(Qt::Key_Return);
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(f.cell(n, SpeedColumn(1)), n >= 2 && n <= 5 ? "45" : "30") << n;
}

TEST(GridView, MillimetreEntryIsShownSnapped)
{
    ViewFixture f;
    f.settings.DispMmUnit = true;
    SetHeadingTexts(f.context);
    f.newTable(1, 1);
    f.click(1, PosiColumn(1));
    f.type("12.3456");
    f.press(Qt::Key_Return);
    EXPECT_EQ(f.cell(1, PosiColumn(1)), " 12.345");
    EXPECT_EQ(f.table.store->PosiPulse[0][1], 2469);
    EXPECT_EQ(f.index(1, PosiColumn(1)).data().toString(), " 12.345");
}

TEST(GridView, OperationsMoveTheViewsSelectionAndTheUnitsLine)
{
    ViewFixture f;
    f.newTable(1, 5);
    QSignalSpy line(&f.events, &PositionEvents::unitsLineChanged);
    f.click(3, SpeedColumn(2));
    ASSERT_GE(line.size(), 1);
    EXPECT_EQ(line.back()[0].toString(), "<2>1mm = 200Pulse");
    f.click(3, kItplColumn);
    EXPECT_EQ(line.back()[0].toString(), "<2>1mm = 200Pulse");
    f.click(3, SpeedColumn(3));
    EXPECT_EQ(line.back()[0].toString(), "");
    f.click(3, 2);
    EXPECT_EQ(InsertLine(f.context), Outcome::Done);
    EXPECT_EQ(f.adapter->model()->rowCount(), 6);
    EXPECT_EQ(f.view.currentIndex(), f.index(3, 1));
    EXPECT_EQ(f.view.selectionModel()->selectedIndexes().size(), 1);
    EXPECT_EQ(f.index(6, 0).data().toString(), "");
    EXPECT_EQ(f.adapter->model()->headerData(5, Qt::Vertical, Qt::DisplayRole).toString(), "6");
    EXPECT_TRUE(f.view.hasFocus());
}

// How long it takes is measured by scripts/bench; here only that it is all there.
TEST(GridView, NineHundredNinetyNineRowsLoadAndRedraw)
{
    ViewFixture f;
    f.settings.DispMmUnit = true;
    SetHeadingTexts(f.context);
    RefreshAxisHeadings(f.context);
    f.newTable(1, 999);
    PositionStore& store = *f.table.store;
    for (int n = 1; n <= 999; ++n) {
        store.PosiLoadBuffer[std::size_t(n)][PosiColumn(1)] = QString(" %1").arg(n * 20);
        store.PosiLoadBuffer[std::size_t(n)][kCommentColumn] = QString("P%1").arg(n);
    }
    LoadIntoTable(f.context, 1, 999);
    ShowRange(f.context, 1, 999);
    const QPixmap shot = f.view.grab();
    QApplication::processEvents();
    EXPECT_FALSE(shot.isNull());
    EXPECT_EQ(f.adapter->model()->rowCount(), 999);
    EXPECT_EQ(f.index(999, PosiColumn(1)).data().toString(), " 99.900");
    f.view.scrollToBottom();
    EXPECT_EQ(f.adapter->model()->headerData(998, Qt::Vertical, Qt::DisplayRole).toString(), "999");
}
