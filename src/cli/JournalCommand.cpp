// kvt7ctl journal [--last N]: the journal of the operations on controllers as a table, oldest
// first, from the journal file every front end of the user appends to.

#include "CliCommands.h"
#include "CliContext.h"
#include "link/OperationJournal.h"
#include "platform/JournalFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <limits>

namespace kvt7 {

namespace {

const QStringList kHeadings{QStringLiteral("time"),   QStringLiteral("front end"),
                            QStringLiteral("device"), QStringLiteral("version"),
                            QStringLiteral("what"),   QStringLiteral("file"),
                            QStringLiteral("result")};

QStringList Cells(const JournalRow& row)
{
    if (!row.readable)
        return {QStringLiteral("not a journal entry: ") + QString::fromUtf8(row.line)};
    QStringList cells{row.time, row.frontEnd, row.device, row.version,
                      row.what, row.file,     row.result};
    for (QString& cell : cells) {
        if (cell.isEmpty())
            cell = QStringLiteral("-");
    }
    return cells;
}

// Columns two spaces apart, each as wide as its widest cell; a line that is no entry is one
// cell that does not widen the first column.
QStringList TableLines(const QList<JournalRow>& rows)
{
    QList<QStringList> table{kHeadings};
    for (const JournalRow& row : rows)
        table << Cells(row);
    QList<int> widths(kHeadings.size(), 0);
    for (const QStringList& cells : table) {
        if (cells.size() != kHeadings.size())
            continue;
        for (int c = 0; c < cells.size(); ++c)
            widths[c] = qMax(widths[c], int(cells[c].size()));
    }
    QStringList lines;
    for (const QStringList& cells : table) {
        QString line;
        for (int c = 0; c < cells.size(); ++c)
            line += c + 1 < cells.size() ? cells[c].leftJustified(widths[c]) + QStringLiteral("  ")
                                         : cells[c];
        lines << line;
    }
    return lines;
}

QJsonValue EntryObject(const JournalRow& row)
{
    if (!row.readable)
        return QJsonObject{{QStringLiteral("unreadable"), QString::fromUtf8(row.line)}};
    return QJsonDocument::fromJson(row.line).object();
}

int ShowJournal(CliContext& cli, const QStringList& arguments)
{
    int count = std::numeric_limits<int>::max();
    if (!arguments.isEmpty()) {
        bool whole = false;
        const int last = arguments.size() == 2 ? arguments.at(1).toInt(&whole) : 0;
        if (arguments.size() != 2 || arguments.at(0) != QLatin1String("--last") || !whole
            || last < 1) {
            cli.complain(QStringLiteral(
                                 "journal takes --last N with N a whole number from 1 (given: %1)")
                                 .arg(arguments.join(QLatin1Char(' '))));
            return kExitUsage;
        }
        count = last;
    }
    const JournalFile journal;
    QList<JournalRow> rows;
    QJsonArray entries;
    for (const QByteArray& line : journal.lastLines(count)) {
        rows << ReadJournalLine(line);
        entries << EntryObject(rows.last());
    }
    cli.result() = {{QStringLiteral("journal"), journal.location()},
                    {QStringLiteral("entries"), entries}};
    if (!rows.isEmpty()) {
        for (const QString& line : TableLines(rows))
            cli.print(line);
    }
    return kExitSuccess;
}

} // namespace

void AddJournalCommand(CliCommandTable& table)
{
    table.append({{QStringLiteral("journal")},
                  QStringLiteral("[--last N]"),
                  QStringLiteral("print the journal of writes, verifications, backups and restores "
                                 "(the last N)"),
                  false,
                  ShowJournal});
}

} // namespace kvt7
