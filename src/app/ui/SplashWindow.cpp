#include "SplashWindow.h"
#include "base/MessageIds.h"

#include "platform/Wait.h"

#include "base/MessageCatalogue.h"
#include "base/ProgramVersion.h"
#include "base/ui/DrawnImages.h"
#include "platform/ui/Desktop.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace kvt7 {

static QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, int pointSize,
                        bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

SplashWindow::SplashWindow(const MessageCatalogue& messages, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      timerSplash_(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(messages.Text(Msg::KVT7));
    setFixedSize(Twips(6900), Twips(3900));

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("fraMainFrame"));
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(2);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    auto* emblem = new QLabel(frame);
    emblem->setObjectName(QStringLiteral("imgLogo"));
    emblem->setPixmap(ProgramEmblem(96));
    emblem->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* texts = new QVBoxLayout;
    texts->addWidget(
            NewLabel(frame, "lblProductName", messages.Text(Msg::KVT7InVersion), 26, true));
    texts->addWidget(
            NewLabel(frame, "lblSubTitle", messages.Text(Msg::KVAXESPCSoftware), 11, false));
    texts->addStretch(1);
    auto* version = NewLabel(frame, "lblVersion", VersionLabelText(), 11, true);
    version->setAlignment(Qt::AlignRight);
    texts->addWidget(version);

    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(20, 20, 20, 16);
    row->setSpacing(20);
    row->addWidget(emblem);
    row->addLayout(texts, 1);

    timerSplash_->setObjectName(QStringLiteral("timerSplash"));
    timerSplash_->setInterval(2000);
    timerSplash_->setSingleShot(true);
}

void SplashWindow::Run()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    show();
    raise();
    // The window's timer gives the time; the wait itself is the program's one wait.
    WaitMs(timerSplash_->interval());
    hide();
}

}  // namespace kvt7
