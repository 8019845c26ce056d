#pragma once

#include <QDialog>

namespace kvt7 {

struct Program;

// Help > Version: product, version, description, caution and the system-information button.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Program& program, QWidget* parent = nullptr);

private:
    void showSystemInformation();
    Program& program_;
};

}  // namespace kvt7
