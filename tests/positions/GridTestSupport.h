#pragma once

#include "support/QStringPrinting.h"
#include "actuators/ActuatorCatalogue.h"
#include "actuators/UnitConversion.h"
#include "base/MessageCatalogue.h"
#include "base/Outcome.h"
#include "positions/GridPresentation.h"
#include "positions/PositionContext.h"
#include "positions/RangeChooser.h"
#include "positions/ResultWindow.h"
#include "positions/TableOperations.h"
#include "support/MemoryClipboard.h"
#include "support/ScriptedDialogs.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <deque>
#include <gtest/gtest.h>
#include <ostream>

namespace kvt7::test {

inline QString CatalogueDir()
{
    const QString program = ProgramDir();
    if (!program.isEmpty() && QFile::exists(QDir(program).filePath(kCatalogueFileName)))
        return program;
    return QDir(SourceDir()).filePath(QStringLiteral("data"));
}

struct RecordingResults final : ResultWindow {
    void showResult(ResultVariant variant, const std::vector<ResultRow>& shown, const std::array<bool, 4>&) override
    {
        ++count;
        lastVariant = variant;
        rows = shown;
    }
    int count = 0;
    ResultVariant lastVariant = ResultVariant::Verify;
    std::vector<ResultRow> rows;
};

// Answers the range dialogs from a script; an unscripted dialog fails the test.
struct ScriptedRanges final : RangeChooser {
    std::optional<PositionRange> chooseRange(const RangeRequest& request) override
    {
        requests.push_back(request);
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted range dialog";
            return std::nullopt;
        }
        auto next = answers.front();
        answers.pop_front();
        return next;
    }
    std::deque<std::optional<PositionRange>> answers;
    std::vector<RangeRequest> requests;
};

// A table with axes 1 and 2 in use (lead 2, 400 pulses a turn, stroke 100: 20000 pulses,
// 100 mm) and axes 3 and 4 not in use, in pulse display unless told otherwise.
struct GridFixture {
    MessageCatalogue messages = MessageCatalogue::Builtin();
    ScriptedDialogs dialogs;
    MemoryClipboard clipboard;
    CatalogueFile catalogue{CatalogueDir(), messages, dialogs};
    PositionTable table;
    PositionGrid grid;
    AxisSettings axes;
    AppSettings settings;
    ScriptedRanges ranges;
    RecordingResults results;
    PositionEvents events;
    PositionContext context{table, grid, axes, settings, messages, catalogue, dialogs,
                            clipboard, ranges, results, events};

    explicit GridFixture(int language = kEnglish)
    {
        messages.setLanguage(language);
        settings.DispMmUnit = false;
        useAxis(1, true);
        useAxis(2, true);
        SetHeadingTexts(context);
    }

    void useAxis(int axis, bool inUse, int leadMm = 2, int ppr = 400, int strokeMm = 100)
    {
        AxisSetting& setting = axes.Pc(axis);
        setting.InUse = inUse;
        setting.LeadMm = leadMm;
        setting.PulsesPerRev = ppr;
        setting.StrokeMm = strokeMm;
        RecomputeMmPerPulse(setting);
        ComputeMaxPulses(axes.pc);
        ComputeMaxMm(axes.pc);
    }
    void make42D(int axis)
    {
        axes.Pc(axis).SizeCode = QStringLiteral(" 42");
        axes.Pc(axis).SpeedCode = QStringLiteral("D");
    }
    // A new table over first..last through File > New.
    void newTable(int first, int last)
    {
        ranges.answers.push_back(PositionRange{first, last});
        ASSERT_EQ(NewTable(context, {}), Outcome::Done);
    }
    int row(int positionNo) const { return table.RowOf(positionNo); }
    QString cell(int positionNo, int column) const { return grid.text(row(positionNo), column); }
    void select(int row1, int col1, int row2, int col2) { grid.setSelection({row1, col1, row2, col2}); }
};

inline QString Joined(const MessageCatalogue& messages, int first, int second)
{
    return messages.Text(first) + QStringLiteral("\r\n") + messages.Text(second);
}

}  // namespace kvt7::test
