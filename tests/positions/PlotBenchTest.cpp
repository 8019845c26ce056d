// What the position plot costs: the mean time of a draw of 999 positions over 100 draws
// offscreen, and the CPU of the open plot while nothing changes for 10 s. Prints figures;
// asserts none of them (scripts/bench runs it with KVT7_MEASURE set).
#include "GridTestSupport.h"
#include "support/CpuTime.h"
#include "support/NoPreview.h"
#include "link/ControllerStatus.h"
#include "platform/PrintPreview.h"
#include "positions/ui/PositionPlotView.h"
#include "positions/ui/PositionPlotWindow.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <cstdio>

using namespace kvt7;
using namespace kvt7::test;

namespace {

}  // namespace

TEST(PlotBench, DrawOf999PositionsAndIdleCpu)
{
    if (qEnvironmentVariableIsEmpty("KVT7_MEASURE"))
        GTEST_SKIP() << "KVT7_MEASURE not set";
    GridFixture f;
    f.newTable(1, 999);
    for (int n = 1; n <= 999; ++n) {
        f.grid.setText(f.row(n), PosiColumn(1), QString::number(n * 20));
        f.grid.setText(f.row(n), PosiColumn(2), QString::number((n * 37) % 20000));
    }
    ControllerStatus status;
    NoPreview preview;
    PositionPlotWindow window(PlotWindowContext{f.context, status, preview});
    window.show();
    QTest::qWait(500);

    const QSize size = window.view().size();
    QImage image(size, QImage::Format_RGB32);
    PlotMapping mapping = window.view().mapping();
    constexpr int kDraws = 100;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kDraws; ++i) {
        window.plot().setAxes(1, 2);  // every draw takes the points from the grid anew
        QPainter painter(&image);
        DrawPositionPlot(painter, QRectF(QPointF(0, 0), QSizeF(size)), window.plot(), mapping);
    }
    const double meanMs = double(clock.nsecsElapsed()) / 1e6 / kDraws;
    std::printf("plot 999 positions (%dx%d): %.2f ms a draw, mean of %d offscreen draws\n",
                size.width(), size.height(), meanMs, kDraws);

    const double before = CpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    const double used = CpuSeconds() - before;
    std::printf("plot open, nothing changing: %.2f s of CPU in 10 s (%.2f %%)\n", used, used * 10);
}
