#pragma once

#include <QDialog>

namespace kvt7 {

struct Program;

// The "processing" notice of the online start; ProcessingWindowShown while it exists.
// objectName "frmProcessing": the guide, the pictures and the tests find the window by it.
class ProcessingNotice : public QDialog {
    Q_OBJECT
public:
    explicit ProcessingNotice(Program& program, QWidget* parent = nullptr);
    ~ProcessingNotice() override;

    void Unload();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Program& program_;
};

}  // namespace kvt7
