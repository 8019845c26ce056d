#pragma once

#include <QString>
#include <optional>

namespace kvt7 {

// What the print selection window asks to print.
enum class PrintChoice {
    TablePositions,   // the table on screen
    FilePositions,    // a position file
    ShownParameters,  // the program's parameter set
    FileParameters,   // a parameter file
};

struct PrintSelection {
    PrintChoice choice = PrintChoice::TablePositions;
    QString fileName;  // the file of FilePositions / FileParameters
    int start = 1;     // the window's range (positions of a file)
    int end = 999;
};

// The window's controls when OK is pressed.
struct PrintSelectEntry {
    bool positions = true;        // chkPrintPosi
    bool parameters = false;      // chkPrintPara
    bool positionFile = false;    // the file option of optPrintPosi
    QString positionFileName;     // chosen with Browse; empty when none
    bool parameterFile = false;   // the file option of the parameters (607)
    QString parameterFileName;
    QString startText = QStringLiteral("1");
    QString endText = QStringLiteral("999");
};

// The OK button: the selection, or the message that keeps the window open (1802 nothing
// ticked, 1823 a bad range, 1824/1825 a file option without a file).
struct PrintSelectVerdict {
    int messageId = 0;
    PrintSelection selection;
    bool accepted() const { return messageId == 0; }
};
PrintSelectVerdict JudgePrintSelection(const PrintSelectEntry& entry);

// The selection window behind an interface: nullopt when it was cancelled or closed.
class PrintSelector {
public:
    virtual ~PrintSelector() = default;
    virtual std::optional<PrintSelection> choosePrint() = 0;
};

}  // namespace kvt7
