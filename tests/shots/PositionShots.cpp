#include "ShotFolder.h"
#include "positions/GridTestSupport.h"

#include "positions/ui/PositionGridView.h"
#include "positions/ui/VerifySourceDialog.h"
#include "positions/ui/ReadRangeDialog.h"
#include "positions/ui/RangeDialog.h"
#include "positions/ui/FileVerifyRangeDialog.h"
#include "positions/ui/VerifyResultWindow.h"

#include <QApplication>
#include <QDir>
#include <QTableView>
#include <QTest>

using namespace kvt7;
using namespace kvt7::test;

// The grid in both units and the position dialogs, in both languages.
TEST(Shots, PositionGridAndDialogs)
{
    const auto save = [](QWidget& widget, const QString& name) { SaveShot(widget, name); };
    for (const int language : {kEnglish, kJapanese}) {
        for (const bool mm : {false, true}) {
            GridFixture f(language);
            f.settings.DispMmUnit = mm;
            f.axes.Pc(2).NewType = false;
            f.useAxis(4, true, 6, 400);
            SetHeadingTexts(f.context);
            RefreshAxisHeadings(f.context);
            f.newTable(1, 999);
            PositionStore& store = *f.table.store;
            for (int n = 1; n <= 999; ++n) {
                store.PosiLoadBuffer[std::size_t(n)][PosiColumn(1)] = QString(" %1").arg(n * 19);
                store.PosiLoadBuffer[std::size_t(n)][kCommentColumn] = QString("Point %1").arg(n);
            }
            LoadIntoTable(f.context, 1, 999);
            ShowRange(f.context, 1, 999);
            QTableView view;
            AttachPositionGrid(view, f.context);
            view.resize(1100, 420);
            f.select(4, 1, 5, kCommentColumn);
            const QString name = QString("grid-%1-%2").arg(language == kEnglish ? "en" : "ja", mm ? "mm" : "pls");
            save(view, name);
            view.scrollToBottom();
            save(view, name + "-bottom");
        }
        MessageCatalogue messages = MessageCatalogue::Builtin();
        messages.setLanguage(language);
        ScriptedDialogs dialogs;
        const QString suffix = language == kEnglish ? "en" : "ja";
        RangeRequest read;
        read.kind = RangeDialogKind::Read;
        ReadRangeDialog two(read, messages, dialogs, nullptr);
        save(two, "frmSelectPosiNo2-" + suffix);
        RangeRequest table;
        RangeDialog three(table, messages, dialogs, nullptr);
        save(three, "frmSelectPosiNo3-" + suffix);
        RangeRequest verify;
        verify.kind = RangeDialogKind::Verify;
        verify.file = {20, 40};
        verify.displayed = {1, 30};
        verify.overlap = PositionRange{20, 30};
        verify.proposal = *verify.overlap;
        FileVerifyRangeDialog four(verify, messages, dialogs, nullptr);
        save(four, "frmSelectPosiNo4-" + suffix);
        verify.displayed = {1, 10};
        verify.overlap.reset();
        FileVerifyRangeDialog none(verify, messages, dialogs, nullptr);
        save(none, "frmSelectPosiNo4-none-" + suffix);
        AppSettings settings;
        VerifyResultWindow result(messages, settings, nullptr);
        std::vector<ResultRow> rows;
        for (int n : {3, 7, 12}) {
            ResultRow row;
            row.positionNo = n;
            row.marked[std::size_t(n % 19)] = true;
            row.marked[SpeedColumn(2) - 1] = n == 7;
            rows.push_back(row);
        }
        result.fill(ResultVariant::Verify, rows, {true, true, false, true});
        save(result, "frmSyogoKekka-" + suffix);
    }
}

TEST(Shots, DataShogo)
{
    for (const int language : {kJapanese, kEnglish}) {
        MessageCatalogue messages = MessageCatalogue::Builtin();
        messages.setLanguage(language);
        VerifySourceDialog window(messages, nullptr);
        SaveShot(window, QStringLiteral("frmDataShogo-") + (language == kEnglish ? "en" : "ja"));
    }
}
