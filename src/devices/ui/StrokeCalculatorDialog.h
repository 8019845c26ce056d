#pragma once

#include "DeviceWindowContext.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace kvt7 {

// The stroke-to-pulse calculator: stroke (txtStrokeTyo, up to three digits), lead (txtRido,
// one digit), the model (optActType: Index 0 any model but the KV-42D, 1 the KV-42D) and the
// result label lblStrokePulse, filled by cmdCulStrokePulse or Enter in the lead field.
// objectName "frmDevice": the guide, the pictures and the tests find the window by it.
class StrokeCalculatorDialog : public QDialog {
    Q_OBJECT
public:
    StrokeCalculatorDialog(const DeviceWindowContext& context, QWidget* parent = nullptr);

    void calculate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DeviceWindowContext context_;
    QLineEdit* stroke_;
    QLineEdit* lead_;
    QRadioButton* kv42D_;
    QLabel* result_;
};

}  // namespace kvt7
