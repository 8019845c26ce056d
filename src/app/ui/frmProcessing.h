#pragma once

#include <QDialog>

namespace kvt7 {

struct Program;

// The "processing" notice of the online start; ProcessingWindowShown while it exists.
class frmProcessing : public QDialog {
    Q_OBJECT
public:
    explicit frmProcessing(Program& program, QWidget* parent = nullptr);
    ~frmProcessing() override;

    void Unload();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Program& program_;
};

}  // namespace kvt7
