#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QFileInfo>
#include <QMessageBox>

namespace kvt7 {

QtDialogs::QtDialogs(QWidget* parentWindow) : parent_(parentWindow) {}

static QMessageBox::StandardButtons ToStandardButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

static QMessageBox::Icon ToIcon(Icon icon)
{
    switch (icon) {
    case Icon::None: return QMessageBox::NoIcon;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

Answer QtDialogs::message(const QString& text, Buttons buttons, Icon icon)
{
    return titledMessage(QStringLiteral("KV-T7"), text, buttons, icon);
}

Answer QtDialogs::titledMessage(const QString& title, const QString& text, Buttons buttons, Icon icon)
{
    QMessageBox box(ToIcon(icon), title, text, ToStandardButtons(buttons), parent_);
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

static void Prepare(QFileDialog& dialog, const FileRequest& request, const QString& lastFolder)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowTitle(request.title);
    dialog.setNameFilter(QtFileFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    const QString folder = request.initialFolder.isEmpty() ? lastFolder : request.initialFolder;
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (!request.defaultName.isEmpty())
        dialog.selectFile(request.defaultName);
}

// The dialog's one chosen name; the folder it lies in is where the next dialog starts.
static std::optional<QString> Chosen(QFileDialog& dialog, QString& lastFolder)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString name = dialog.selectedFiles().constFirst();
    lastFolder = QFileInfo(name).absolutePath();
    return name;
}

std::optional<QString> QtDialogs::askForPath(const FileRequest& request, int acceptMode, int fileMode)
{
    QFileDialog dialog(parent_);
    Prepare(dialog, request, lastFolder_);
    dialog.setAcceptMode(QFileDialog::AcceptMode(acceptMode));
    dialog.setFileMode(QFileDialog::FileMode(fileMode));
    if (fileMode == QFileDialog::Directory)
        dialog.setOption(QFileDialog::ShowDirsOnly);
    return Chosen(dialog, lastFolder_);
}

std::optional<QString> QtDialogs::openFileName(const FileRequest& request)
{
    return askForPath(request, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
}

std::optional<QString> QtDialogs::saveFileName(const FileRequest& request)
{
    return askForPath(request, QFileDialog::AcceptSave, QFileDialog::AnyFile);
}

std::optional<QString> QtDialogs::folderName(const FileRequest& request)
{
    return askForPath(request, QFileDialog::AcceptOpen, QFileDialog::Directory);
}

std::optional<QString> QtDialogs::askText(const QString& title, const QString& label)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, title, label, QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void QtDialogs::beep()
{
    QApplication::beep();
}

void QtDialogs::setBusyCursor(bool busy)
{
    if (busy) {
        if (busyDepth_++ == 0)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace kvt7
