#pragma once

#include <QDialog>

namespace kvt7 {

struct Program;

// Help > Version: product, version, description, caution and the system-information button.
// objectName "frmAbout": the guide, the pictures and the tests find the window by it.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(Program& program, QWidget* parent = nullptr);

private:
    void showSystemInformation();
    Program& program_;
};

}  // namespace kvt7
