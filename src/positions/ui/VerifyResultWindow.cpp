#include "VerifyResultWindow.h"
#include "base/MessageIds.h"

#include "PositionHeaderView.h"
#include "RangeDialogParts.h"
#include "base/AppSettings.h"
#include "base/MessageCatalogue.h"
#include "positions/ResultGrid.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kvt7 {

namespace {

constexpr int kFirstRowHeight = 20;  // 300 twips
constexpr int kRowHeight = 16;       // 250 twips
constexpr int kColumnWidth = 54;     // the window grows with the columns it shows

QColor ColourOf(quint32 colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

}  // namespace

VerifyResultWindow::VerifyResultWindow(const MessageCatalogue& messages,
                                       const AppSettings& settings, QWidget* owner)
    : QDialog(owner), messages_(messages), settings_(settings), text_(new QLabel(this)),
      grid_(new QTableWidget(this)),
      close_(new QPushButton(messages.Text(Msg::CloseInTeaching), this))
{
    setObjectName(QStringLiteral("frmSyogoKekka"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    text_->setObjectName(QStringLiteral("lblSyogoKekka"));
    text_->setWordWrap(true);
    grid_->setObjectName(QStringLiteral("flgdSyogoKekka"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setWordWrap(false);
    grid_->verticalHeader()->setMinimumSectionSize(kRowHeight);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->viewport()->installEventFilter(this);
    close_->setObjectName(QStringLiteral("cmdCloseSyogokekka"));
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(grid_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    resize(720, 360);
}

void VerifyResultWindow::fill(ResultVariant variant, const std::vector<ResultRow>& rows,
                              const std::array<bool, 4>& axisInUse)
{
    const ResultGridContent content = BuildResultGrid(messages_, settings_.DispMmUnit, variant, rows, axisInUse);
    setWindowTitle(content.caption);
    text_->setText(content.text);
    grid_->clearSpans();
    grid_->clear();
    grid_->setRowCount(int(content.rows.size()));
    grid_->setColumnCount(kResultColumns);
    QFont headingFont = grid_->font();
    headingFont.setPointSize(10);
    for (int row = 0; row < int(content.rows.size()); ++row) {
        grid_->setRowHeight(row, row == 0 ? kFirstRowHeight : kRowHeight);
        for (int column = 0; column < kResultColumns; ++column) {
            const auto& cell = content.rows[std::size_t(row)][std::size_t(column)];
            auto* item = new QTableWidgetItem(cell.text);
            item->setTextAlignment(Qt::AlignCenter);
            if (row < 2)
                item->setBackground(palette().button());
            else if (cell.colour != kColourDefault)
                item->setBackground(ColourOf(cell.colour));
            if (row == 0)
                item->setFont(headingFont);
            grid_->setItem(row, column, item);
        }
    }
    // Row 0: neighbours with the same heading become one cell.
    for (int column = 1; column < kResultColumns;) {
        int last = column;
        while (last + 1 < kResultColumns && content.rows[0][std::size_t(last + 1)].text
                                                == content.rows[0][std::size_t(column)].text)
            ++last;
        if (last > column)
            grid_->setSpan(0, column, 1, last - column + 1);
        column = last + 1;
    }
    int visible = 0;
    for (int column = 0; column < kResultColumns; ++column) {
        grid_->setColumnHidden(column, !content.visible[std::size_t(column)]);
        visible += content.visible[std::size_t(column)] ? 1 : 0;
    }
    resize(std::max(480, visible * kColumnWidth + 2 * grid_->frameWidth() + 24), height());
    shareWidths();
}

void VerifyResultWindow::showResult(ResultVariant variant, const std::vector<ResultRow>& rows,
                                    const std::array<bool, 4>& axisInUse)
{
    fill(variant, rows, axisInUse);
    PlaceBelowOwnerCorner(*this, parentWidget());
    exec();
}

bool VerifyResultWindow::eventFilter(QObject* object, QEvent* event)
{
    // The columns share the grid's width whenever it changes.
    if (object == grid_->viewport() && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        shareWidths();
    return QDialog::eventFilter(object, event);
}

void VerifyResultWindow::shareWidths()
{
    int visible = 0;
    for (int column = 0; column < grid_->columnCount(); ++column)
        visible += grid_->isColumnHidden(column) ? 0 : 1;
    if (visible == 0)
        return;
    const int width = std::max(grid_->viewport()->width() / visible, 8);
    for (int column = 0; column < grid_->columnCount(); ++column) {
        grid_->setColumnWidth(column, grid_->isColumnHidden(column) ? 0 : width);
        if (grid_->rowCount() > 1 && grid_->item(1, column)) {
            QTableWidgetItem* heading = grid_->item(1, column);
            heading->setFont(FittingFont(grid_->font(), 8, heading->text(), width - 8));
        }
    }
}

}  // namespace kvt7
