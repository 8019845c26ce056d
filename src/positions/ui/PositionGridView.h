#pragma once

#include <QObject>

class QItemSelection;
class QModelIndex;
class QTableView;

namespace kvt7 {

class PositionCellDelegate;
class PositionGridModel;
class PositionHeaderView;
struct PositionContext;

// Column widths of the position grid in pixels (twips / 15).
constexpr int kNumberColumnWidth = 26;   // 400
constexpr int kValueColumnWidth = 33;    // 500: speed, acceleration, method, ITPL, OUT, S/M
constexpr int kPositionColumnWidth = 66; // 1000
constexpr int kCommentMinWidth = 200;    // 3000
constexpr int kGridRowHeight = 20;       // 300

// Binds a QTableView to the position grid: model, heading rows, editor, widths, colours,
// and the selection kept equal in both. Lives as long as the view (its child).
class PositionGridAdapter : public QObject {
    Q_OBJECT
public:
    PositionGridAdapter(QTableView& view, PositionContext& context);

    QTableView& view() const { return view_; }
    PositionGridModel* model() const { return model_; }
    PositionHeaderView* header() const { return header_; }
    PositionCellDelegate* delegate() const { return delegate_; }
    // The comment column takes the width the others leave, at least 3000 twips.
    void fitCommentColumn();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void setUpView();
    void viewSelectionChanged();
    void showGridSelection();
    void currentCellMoved(const QModelIndex& current, const QModelIndex& previous);
    void enableEditingByClipboard();
    bool refusesInput(QEvent* event) const;

    QTableView& view_;
    PositionContext& context_;
    PositionGridModel* model_;
    PositionHeaderView* header_;
    PositionCellDelegate* delegate_;
    // Compared in the event filter, which also sees events while the view is destroyed.
    QObject* corner_ = nullptr;  // the button over the position numbers
    QObject* viewport_ = nullptr;
    bool syncing_ = false;
};

// Sets the model, the heading rows and the cell editor on a QTableView (MainWindow's flgdData).
PositionGridAdapter* AttachPositionGrid(QTableView& view, PositionContext& context);

}  // namespace kvt7
