#include "PositionGridView.h"

#include "PositionCellDelegate.h"
#include "PositionGridModel.h"
#include "PositionHeaderView.h"
#include "positions/CellEditing.h"
#include "positions/GridPresentation.h"
#include "positions/PositionContext.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>
#include <QTableView>

namespace kvt7 {

namespace {

int ColumnWidth(int gridColumn)
{
    return IsPositionColumn(gridColumn) ? kPositionColumnWidth : kValueColumnWidth;
}

QAbstractButton* CornerButton(QTableView& view)
{
    return view.findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

PositionGridAdapter::PositionGridAdapter(QTableView& view, PositionContext& context)
    : QObject(&view),
      view_(view),
      context_(context),
      model_(new PositionGridModel(context, this)),
      header_(new PositionHeaderView(context.grid, &view)),
      delegate_(new PositionCellDelegate(context, this))
{
    setUpView();
    QItemSelectionModel* selection = view.selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this, &PositionGridAdapter::viewSelectionChanged);
    connect(selection, &QItemSelectionModel::currentChanged, this, &PositionGridAdapter::viewSelectionChanged);
    connect(selection, &QItemSelectionModel::currentChanged, this, &PositionGridAdapter::currentCellMoved);
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { syncing_ = true; });
    connect(model_, &PositionGridModel::gridReset, this, [this] {
        syncing_ = false;
        showGridSelection();
    });
    connect(&context.grid, &PositionGrid::selectionChanged, this, [this] {
        if (!syncing_)
            showGridSelection();
    });
    connect(&context.grid, &PositionGrid::redrawChanged, this, [this](bool enabled) {
        view_.viewport()->setUpdatesEnabled(enabled);
        header_->viewport()->setUpdatesEnabled(enabled);
        if (enabled)
            view_.viewport()->update();
    });
    connect(&context.events, &PositionEvents::gridFocusRequested, this, [this] { view_.setFocus(); });
    connect(delegate_, &PositionCellDelegate::editEndedWithEnter, this, [this] { MoveAfterEnter(context_); });
    connect(&view, &QAbstractItemView::pressed, this, &PositionGridAdapter::enableEditingByClipboard);
    // A click on a position number selects its 20 value columns and leaves the current
    // cell in column 1, where a line paste starts.
    const auto rowCurrent = [this](int row) {
        view_.selectionModel()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::NoUpdate);
    };
    connect(view.verticalHeader(), &QHeaderView::sectionPressed, this, [this, rowCurrent](int row) {
        rowCurrent(row);
        enableEditingByClipboard();
    });
    connect(view.verticalHeader(), &QHeaderView::sectionEntered, this, rowCurrent);
    showGridSelection();
}

void PositionGridAdapter::setUpView()
{
    view_.setModel(model_);
    view_.setHorizontalHeader(header_);
    view_.setItemDelegate(delegate_);
    view_.setSelectionMode(QAbstractItemView::ContiguousSelection);
    view_.setSelectionBehavior(QAbstractItemView::SelectItems);
    view_.setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
    view_.setWordWrap(false);
    view_.setCornerButtonEnabled(false);
    view_.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    header_->setVisible(true);
    for (int column = 1; column < kCommentColumn; ++column)
        header_->resizeSection(column - 1, ColumnWidth(column));
    QHeaderView* numbers = view_.verticalHeader();
    numbers->setVisible(true);
    numbers->setSectionResizeMode(QHeaderView::Fixed);
    numbers->setDefaultSectionSize(kGridRowHeight);
    numbers->setMinimumSectionSize(kGridRowHeight);
    numbers->setDefaultAlignment(Qt::AlignCenter);
    numbers->setFixedWidth(kNumberColumnWidth);
    viewport_ = view_.viewport();
    viewport_->installEventFilter(this);
    view_.installEventFilter(this);
    numbers->viewport()->installEventFilter(this);
    header_->viewport()->installEventFilter(this);
    if (QAbstractButton* corner = CornerButton(view_)) {
        corner->installEventFilter(this);
        corner_ = corner;
    }
    fitCommentColumn();
}

void PositionGridAdapter::fitCommentColumn()
{
    int others = 0;
    for (int section = 0; section < kCommentColumn - 1; ++section)
        others += header_->sectionSize(section);
    header_->resizeSection(kCommentColumn - 1, std::max(kCommentMinWidth, view_.viewport()->width() - others));
}

bool PositionGridAdapter::refusesInput(QEvent* event) const
{
    if (context_.grid.acceptsInput())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return true;
    default:
        return false;
    }
}

bool PositionGridAdapter::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::Paint && object == corner_) {
        auto* corner = static_cast<QWidget*>(object);
        QPainter painter(corner);
        header_->paintCorner(painter, corner->rect());
        return true;
    }
    if (object != corner_ && refusesInput(event))
        return true;
    // The viewport can reach its final width while hidden, without a resize event.
    if (object == viewport_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        fitCommentColumn();
    // Enter inside an open editor is taken by the delegate; here it reaches the view itself.
    if (object == &view_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            MoveAfterEnter(context_);
            return true;
        }
    }
    return QObject::eventFilter(object, event);
}

void PositionGridAdapter::viewSelectionChanged()
{
    if (syncing_)
        return;
    const QItemSelection selection = view_.selectionModel()->selection();
    const QModelIndex current = view_.selectionModel()->currentIndex();
    GridSelection grid;
    if (selection.isEmpty()) {
        if (current.isValid())
            grid = {current.row() + 2, current.column() + 1, current.row() + 2, current.column() + 1};
    } else {
        int top = selection.first().top();
        int bottom = selection.first().bottom();
        int left = selection.first().left();
        int right = selection.first().right();
        for (const QItemSelectionRange& range : selection) {
            top = std::min(top, range.top());
            bottom = std::max(bottom, range.bottom());
            left = std::min(left, range.left());
            right = std::max(right, range.right());
        }
        int row = top;
        int column = left;
        if (current.isValid() && current.row() >= top && current.row() <= bottom && current.column() >= left
            && current.column() <= right) {
            row = current.row();
            column = current.column();
        }
        grid = {row + 2, column + 1, (row == top ? bottom : top) + 2, (column == left ? right : left) + 1};
    }
    syncing_ = true;
    context_.grid.setSelection(grid);
    syncing_ = false;
    enableEditingByClipboard();
}

void PositionGridAdapter::showGridSelection()
{
    const GridSelection selection = context_.grid.selection();
    QItemSelectionModel* model = view_.selectionModel();
    syncing_ = true;
    const bool valid = selection.top() >= kHeadingRows && selection.bottom() < context_.grid.rowCount()
        && selection.right() >= 1;
    if (!valid) {
        model->clear();
    } else {
        const auto index = [this](int row, int column) {
            return model_->index(row - 2, std::clamp(column, 1, kCommentColumn) - 1);
        };
        const QModelIndex current = index(selection.row1, selection.col1);
        model->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        model->select(QItemSelection(index(selection.top(), selection.left()),
                                     index(selection.bottom(), selection.right())),
                      QItemSelectionModel::ClearAndSelect);
        view_.scrollTo(current);
    }
    syncing_ = false;
}

void PositionGridAdapter::currentCellMoved(const QModelIndex& current, const QModelIndex& previous)
{
    if (!current.isValid())
        return;
    const int axis = AxisOfColumn(current.column() + 1);
    const int previousAxis = previous.isValid() ? AxisOfColumn(previous.column() + 1) : -1;
    if (axis != 0 && axis != previousAxis)
        ShowUnitsLine(context_, axis);
}

void PositionGridAdapter::enableEditingByClipboard()
{
    if (context_.grid.hasPositionRows())
        emit context_.events.editEnableByClipboard(context_.table.CellPasteAllowed, context_.table.LinePasteAllowed);
}

PositionGridAdapter* AttachPositionGrid(QTableView& view, PositionContext& context)
{
    return new PositionGridAdapter(view, context);
}

}  // namespace kvt7
