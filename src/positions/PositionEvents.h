#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace kvt7 {

// What the position operations tell the main window. The window connects these to its
// labels, status bar and command availability; the operations never touch widgets.
class PositionEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // The table's name for lblFileName.
    void tableNameShown(const QString& name);
    // The captions of the four model labels lblDeviceType (axes 1..4 at index 0..3).
    void modelLabelsChanged(const QStringList& captions);
    // The two panels of the units line; both empty for an axis not in use.
    void unitsLineChanged(const QString& perMillimetre, const QString& perPulse);
    // The operator clicked or selected in the grid: enable the editing commands, the two
    // paste commands as the last copy allows.
    void editEnableByClipboard(bool cellPasteAllowed, bool linePasteAllowed);
    // A copy or a cell paste changed what may be pasted.
    void pasteFlagsChanged(bool cellPasteAllowed, bool linePasteAllowed);
    // The last position row was deleted: the editing commands go off.
    void editCommandsDisabled();
    // An operation that had disabled the commands ended early: enable them again.
    void commandsEnableRequested();
    // The grid should take the keyboard focus.
    void gridFocusRequested();
};

}  // namespace kvt7
