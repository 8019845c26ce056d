#include "printing/PrintSelection.h"
#include "base/MessageIds.h"

#include "positions/RangeRules.h"

namespace kvt7 {

PrintSelectVerdict JudgePrintSelection(const PrintSelectEntry& entry)
{
    PrintSelectVerdict verdict;
    PrintSelection& s = verdict.selection;
    if (entry.positions) {
        s.start = RangeFieldNumber(entry.startText);
        s.end = RangeFieldNumber(entry.endText);
        if (s.start < 0 || s.end > 999 || s.end < s.start) {
            verdict.messageId = Msg::SpecifiedRangeNotRightCheckAgain;
        } else if (entry.positionFile) {
            s.choice = PrintChoice::FilePositions;
            s.fileName = entry.positionFileName;
            if (s.fileName.isEmpty())
                verdict.messageId = Msg::InvalidFileNameConfirmFileNamePrintAgain;
        } else {
            s.choice = PrintChoice::TablePositions;
        }
        return verdict;
    }
    if (entry.parameters) {
        if (entry.parameterFile) {
            s.choice = PrintChoice::FileParameters;
            s.fileName = entry.parameterFileName;
            if (s.fileName.isEmpty())
                verdict.messageId = Msg::InvalidFileNameConfirmFileNamePrintAgainInPrint;
        } else {
            s.choice = PrintChoice::ShownParameters;
        }
        return verdict;
    }
    verdict.messageId = Msg::SelectDataPrinted;
    return verdict;
}

}  // namespace kvt7
