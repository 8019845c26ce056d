#include "ShotFolder.h"
#include "support/NoPreview.h"
#include "positions/GridTestSupport.h"

#include "base/ui/LocalizeWindow.h"
#include "link/ControllerStatus.h"
#include "platform/PrintPreview.h"
#include "positions/ui/PositionPlotWindow.h"

#include <QComboBox>
#include <cmath>
#include <numbers>

using namespace kvt7;
using namespace kvt7::test;

namespace {

}  // namespace

// The position plot of a 999-position file on the simulated controller's two axes (axis 2 a
// 50 mm stroke), two axes against each other and axis 1 against the number, both languages.
TEST(Shots, PositionPlot)
{
    for (const int language : {kEnglish, kJapanese}) {
        GridFixture f(language);
        f.settings.DispMmUnit = true;
        f.useAxis(2, true, 4, 192, 50);
        SetHeadingTexts(f.context);
        RefreshAxisHeadings(f.context);
        f.newTable(1, 999);
        PositionStore& store = *f.table.store;
        for (int n = 1; n <= 999; ++n) {
            const double t = n / 999.0 * 2 * std::numbers::pi;
            const int x = int(10000 + 9000 * std::sin(3 * t));
            const int y = int(1200 + 1050 * std::sin(2 * t + 0.5));
            store.PosiLoadBuffer[std::size_t(n)][PosiColumn(1)] = QString::number(n == 500 ? 21000 : x);
            store.PosiLoadBuffer[std::size_t(n)][PosiColumn(2)] = QString::number(y);
            store.PosiLoadBuffer[std::size_t(n)][kCommentColumn] = QString("Point %1").arg(n);
        }
        LoadIntoTable(f.context, 1, 999);
        ShowRange(f.context, 1, 999);
        f.select(f.row(120), 1, f.row(125), kCommentColumn);
        ControllerStatus status;
        status.setPresentPositions(std::array<qint32, 4>{15000, 1500, 0, 0});
        NoPreview preview;
        PositionPlotWindow window(PlotWindowContext{f.context, status, preview});
        LocalizeWindow(&window, f.messages);
        window.resize(900, 680);
        const QString suffix = language == kEnglish ? "en" : "ja";
        SaveShot(window, "frmPlot-xy-" + suffix);
        window.findChild<QComboBox*>("comboAcross")->setCurrentIndex(0);
        SaveShot(window, "frmPlot-number-" + suffix);
    }
}
