#include "JournalWindow.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "platform/JournalFile.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace kvt7 {

JournalWindow::JournalWindow(const JournalStore& journal, const MessageCatalogue& messages, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("JournalWindow"));
    setWindowTitle(messages.Text(Msg::Journal));
    auto* location = new QLabel(journal.location(), this);
    location->setObjectName(QStringLiteral("lblJournalFile"));
    location->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* lines = new QPlainTextEdit(this);
    lines->setObjectName(QStringLiteral("txtJournal"));
    lines->setReadOnly(true);
    lines->setLineWrapMode(QPlainTextEdit::NoWrap);
    lines->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QStringList texts;
    for (const QByteArray& line : journal.lastLines(kShownLines))
        texts << QString::fromUtf8(line);
    lines->setPlainText(texts.join(QLatin1Char('\n')));
    lines->verticalScrollBar()->setValue(lines->verticalScrollBar()->maximum());
    auto* closeButton = new QPushButton(messages.Text(Msg::Close), this);
    closeButton->setObjectName(QStringLiteral("cmdClose"));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(location);
    layout->addWidget(lines);
    layout->addLayout(buttons);
    resize(900, 480);
}

}  // namespace kvt7
