#include "ProcessingNotice.h"
#include "base/MessageIds.h"

#include "app/Program.h"
#include "base/ui/LocalizeWindow.h"
#include "platform/ui/Desktop.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace kvt7 {

ProcessingNotice::ProcessingNotice(Program& program, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint), program_(program)
{
    setObjectName(QStringLiteral("frmProcessing"));
    setProperty("Tag", TagOf(Msg::DisposingNow));
    auto* notice = new QLabel(this);
    notice->setObjectName(QStringLiteral("lblProcessing"));
    notice->setProperty("Tag", TagOf(Msg::DisposingNowJustMoment));
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(notice);
    LocalizeWindow(this, program.messages);
    setFixedSize(Twips(5400), Twips(1500));
    program_.ProcessingWindowShown = true;
}

ProcessingNotice::~ProcessingNotice()
{
    program_.ProcessingWindowShown = false;
}

void ProcessingNotice::Unload()
{
    hide();
    program_.ProcessingWindowShown = false;
}

void ProcessingNotice::reject() { }

void ProcessingNotice::closeEvent(QCloseEvent* event)
{
    // Only the program ends this window (Unload), never its title-bar button.
    event->ignore();
}

}  // namespace kvt7
