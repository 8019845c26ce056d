#include "frmProcessing.h"

#include "app/Program.h"
#include "base/ui/LocalizeWindow.h"
#include "platform/ui/Desktop.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace kvt7 {

frmProcessing::frmProcessing(Program& program, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      program_(program)
{
    setObjectName(QStringLiteral("frmProcessing"));
    setProperty("Tag", QStringLiteral("1901"));
    auto* notice = new QLabel(this);
    notice->setObjectName(QStringLiteral("lblProcessing"));
    notice->setProperty("Tag", QStringLiteral("1902"));
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(notice);
    LocalizeWindow(this, program.messages);
    setFixedSize(Twips(5400), Twips(1500));
    program_.ProcessingWindowShown = true;
}

frmProcessing::~frmProcessing()
{
    program_.ProcessingWindowShown = false;
}

void frmProcessing::Unload()
{
    hide();
    program_.ProcessingWindowShown = false;
}

void frmProcessing::reject()
{
}

void frmProcessing::closeEvent(QCloseEvent* event)
{
    // Only the program ends this window (Unload), never its title-bar button.
    event->ignore();
}

}  // namespace kvt7
