// The position plot's model: values to the picture, labels, selection both ways, following
// the grid.
#include "GridTestSupport.h"
#include "positions/ClipboardEditing.h"
#include "positions/PlotMapping.h"
#include "positions/PositionPlot.h"
#include "positions/ui/PositionPlotView.h"

#include <QTest>

using namespace kvt7;
using namespace kvt7::test;

namespace {

std::vector<QPointF> Pixels(const PositionPlot& plot, PlotMapping& mapping)
{
    mapping.fit(plot.bounds());
    std::vector<QPointF> pixels;
    for (const PlotPoint& point : plot.points())
        pixels.push_back(mapping.toPixel(point.value));
    return pixels;
}

std::vector<int> Numbers(const PositionPlot& plot)
{
    std::vector<int> numbers;
    for (const PlotPoint& point : plot.points())
        numbers.push_back(point.positionNo);
    return numbers;
}

}  // namespace

TEST(PositionPlot, StrokeEndLiesOnTheFrameAndBothUnitsDrawTheSamePicture)
{
    GridFixture f;  // axes 1 and 2: stroke 100 mm, 20000 pulses
    f.newTable(1, 4);
    f.grid.setText(f.row(1), PosiColumn(1), "20000");
    f.grid.setText(f.row(1), PosiColumn(2), "20000");
    f.grid.setText(f.row(2), PosiColumn(1), "5000");
    f.grid.setText(f.row(2), PosiColumn(2), "10000");
    f.grid.setText(f.row(3), PosiColumn(1), "30000");
    PositionPlot plot(f.context);
    ASSERT_EQ(plot.across(), 1);
    ASSERT_EQ(plot.up(), 2);
    EXPECT_EQ(plot.frame(), QRectF(QPointF(0, 0), QPointF(20000, 20000)));
    EXPECT_EQ(plot.title(true), "AXIS 1 (pls)");

    PlotMapping onFrame;
    onFrame.setArea(QRectF(50, 10, 400, 300));
    onFrame.setView(plot.frame());
    EXPECT_EQ(onFrame.toPixel(plot.points()[0].value), QPointF(450, 10)) << "the frame's top right corner";
    EXPECT_EQ(onFrame.toPixel(plot.points()[3].value), QPointF(50, 310)) << "position 4 at the origin";
    EXPECT_EQ(onFrame.toValue(QPointF(250, 160)), QPointF(10000, 10000));
    EXPECT_FALSE(plot.points()[0].outside);
    EXPECT_TRUE(plot.points()[2].outside) << "30000 pulses lie beyond the stroke";

    PlotMapping mapping;
    mapping.setArea(QRectF(0, 0, 640, 480));
    const std::vector<QPointF> inPulses = Pixels(plot, mapping);
    ASSERT_EQ(SwitchDisplayUnit(f.context, true), Outcome::Done);
    EXPECT_EQ(plot.frame(), QRectF(QPointF(0, 0), QPointF(100, 100)));
    EXPECT_EQ(plot.points()[0].value, QPointF(100, 100));
    EXPECT_EQ(plot.title(false), "AXIS 2 (mm)");
    const std::vector<QPointF> inMm = Pixels(plot, mapping);
    ASSERT_EQ(inMm.size(), inPulses.size());
    for (std::size_t i = 0; i < inMm.size(); ++i) {
        EXPECT_NEAR(inMm[i].x(), inPulses[i].x(), 1e-6) << i;
        EXPECT_NEAR(inMm[i].y(), inPulses[i].y(), 1e-6) << i;
    }
    EXPECT_TRUE(plot.points()[2].outside);
}

TEST(PositionPlot, LabelsEmptyRowsFaultyRowsAndTheNumberAxis)
{
    GridFixture f;
    f.newTable(1, 5);
    for (int column = 1; column <= kSmColumn; ++column)
        f.grid.setText(f.row(4), column, AxisOfColumn(column) >= 3 ? "0" : "");
    f.grid.setText(f.row(5), SpeedColumn(1), "99");
    PositionPlot plot(f.context);
    EXPECT_EQ(Numbers(plot), std::vector<int>({1, 2, 3, 5})) << "the empty row 4 is skipped";
    EXPECT_EQ(PositionPlot::label(plot.points()[3]), "5");
    EXPECT_TRUE(plot.points()[3].faulty) << "speed 99 is refused by the check";
    EXPECT_FALSE(plot.points()[0].faulty);

    plot.setAxes(PositionPlot::kNumberAxis, 2);
    EXPECT_EQ(plot.points()[3].value.x(), 5);
    EXPECT_EQ(plot.frame().left(), 1);
    EXPECT_EQ(plot.frame().right(), 5);
    EXPECT_EQ(plot.title(true), "Position No.");

    const auto shown = LabelsThatFit({{0, 0}, {5, 0}, {40, 0}, {500, 0}}, QSizeF(20, 10), QRectF(0, 0, 400, 100));
    EXPECT_EQ(shown, std::vector<std::size_t>({0, 2})) << "overlapping and outside labels are left out";
    EXPECT_EQ(NiceTicks(0, 20000, 5), std::vector<double>({0, 5000, 10000, 15000, 20000}));
    EXPECT_EQ(NiceTicks(-0.5, 1.2, 4), std::vector<double>({-0.5, 0, 0.5, 1}));
}

TEST(PositionPlot, SelectionBothWaysAndAClickOnAPoint)
{
    GridFixture f;
    f.newTable(1, 3);
    for (int n = 1; n <= 3; ++n) {
        f.grid.setText(f.row(n), PosiColumn(1), QString::number(n * 5000));
        f.grid.setText(f.row(n), PosiColumn(2), QString::number(20000 - n * 5000));
    }
    PositionPlot plot(f.context);
    PositionPlotView view(plot);
    view.resize(500, 400);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    (void)view.grab();  // lays the picture out
    const QPoint second = view.mapping().toPixel(plot.points()[1].value).toPoint();
    QTest::mouseClick(&view, Qt::LeftButton, {}, second);
    EXPECT_EQ(f.grid.selection().top(), f.row(2));
    EXPECT_EQ(f.grid.selection().bottom(), f.row(2));
    EXPECT_TRUE(plot.isSelected(2));
    EXPECT_FALSE(plot.isSelected(1));

    QSignalSpy highlighted(&plot, &PositionPlot::selectionChanged);
    f.select(f.row(1), 3, f.row(3), 3);
    EXPECT_EQ(highlighted.size(), 1);
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(plot.isSelected(n)) << n;
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(f.grid.selection().top(), f.row(1)) << "a click beside every point selects nothing";
}

TEST(PositionPlot, FollowsAPasteAndItsReversal)
{
    GridFixture f;
    f.newTable(1, 3);
    PositionPlot plot(f.context);
    ASSERT_EQ(plot.points()[1].value.x(), 0);
    QSignalSpy changed(&plot, &PositionPlot::changed);
    f.clipboard.setText("12345");
    f.table.CellPasteAllowed = true;
    f.select(f.row(2), PosiColumn(1), f.row(3), PosiColumn(1));
    ASSERT_EQ(CellPaste(f.context), Outcome::Done);
    EXPECT_GE(changed.size(), 1);
    EXPECT_EQ(plot.points()[1].value.x(), 12345);
    EXPECT_EQ(plot.points()[2].value.x(), 12345);
    // What an undo does to the grid: the old texts back.
    f.grid.setText(f.row(2), PosiColumn(1), "0");
    f.grid.setText(f.row(3), PosiColumn(1), "0");
    EXPECT_EQ(plot.points()[1].value.x(), 0);
    EXPECT_EQ(plot.points()[2].value.x(), 0);
    f.grid.removeRows(f.row(3), 1);
    EXPECT_EQ(Numbers(plot), std::vector<int>({1, 2})) << "a deleted row takes its point along";
}
