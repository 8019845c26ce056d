#pragma once

#include "positions/PositionPlot.h"

#include <QWidget>

class QComboBox;
class QPushButton;

namespace kvt7 {

class ControllerStatus;
class PositionPlotView;
class PrintPreview;
struct PositionContext;

// What the position plot works with; the composition root builds it.
struct PlotWindowContext {
    PositionContext& positions;
    ControllerStatus& status;  // the present positions the teaching and move test show
    PrintPreview& preview;
};

// The position plot: the table's positions, two axes against each other or one against the
// position number, in the grid's unit, following every change of the grid. Modeless.
// objectName "frmPlot": the guide, the pictures and the tests find the window by it.
class PositionPlotWindow : public QWidget {
    Q_OBJECT
public:
    explicit PositionPlotWindow(PlotWindowContext context, QWidget* owner = nullptr);

    PositionPlot& plot() { return plot_; }
    PositionPlotView& view() { return *picPlot_; }
    // Save Picture: a PNG, or a PDF when the name ends in .pdf. False when nothing was written.
    bool savePicture();
    // The picture as a PNG or PDF file of the given name.
    bool writePicture(const QString& path) const;
    void print();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillAxisChoices();
    void axisChosen();
    void showPresent();

    PlotWindowContext context_;
    PositionPlot plot_;
    QComboBox* comboAcross_ = nullptr;
    QComboBox* comboUp_ = nullptr;
    QPushButton* cmdFit_ = nullptr;
    QPushButton* cmdSavePicture_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    PositionPlotView* picPlot_ = nullptr;
    bool filling_ = false;
};

}  // namespace kvt7
