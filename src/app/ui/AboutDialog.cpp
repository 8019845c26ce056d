#include "AboutDialog.h"
#include "base/MessageIds.h"

#include "app/Program.h"
#include "base/ProgramVersion.h"
#include "base/ui/DrawnImages.h"
#include "base/ui/LocalizeWindow.h"
#include "platform/Dialogs.h"
#include "platform/ui/Desktop.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvt7 {

static QLabel* TaggedLabel(QWidget* parent, const char* name, int tag, int pointSize = 0,
                           bool bold = false)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setProperty("Tag", TagOf(tag));
    label->setWordWrap(true);
    if (pointSize > 0 || bold) {
        QFont font = label->font();
        if (pointSize > 0)
            font.setPointSize(pointSize);
        font.setBold(bold);
        label->setFont(font);
    }
    return label;
}

static QPushButton* TaggedButton(QWidget* parent, const char* name, int tag)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setProperty("Tag", TagOf(tag));
    button->setMinimumWidth(Twips(1800));
    return button;
}

AboutDialog::AboutDialog(Program& program, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                      | Qt::CustomizeWindowHint),
      program_(program)
{
    setObjectName(QStringLiteral("frmAbout"));
    setProperty("Tag", TagOf(Msg::KVT7VersionInformation));

    auto* emblem = new QLabel(this);
    emblem->setObjectName(QStringLiteral("picIcon"));
    emblem->setPixmap(ProgramEmblem(64));
    emblem->setAlignment(Qt::AlignTop);

    auto* version = new QLabel(VersionLabelText(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("linSeparator"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* texts = new QVBoxLayout;
    texts->addWidget(TaggedLabel(this, "lblTitle", Msg::KVT7InVersion, 18, true));
    texts->addWidget(TaggedLabel(this, "lblSubTitle", Msg::KVAXESPCSoftware));
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(
            TaggedLabel(this, "lblDescription", Msg::EditingPositionDataParametersGroupData));

    auto* head = new QHBoxLayout;
    head->setSpacing(16);
    head->addWidget(emblem);
    head->addLayout(texts, 1);

    auto* ok = TaggedButton(this, "cmdOK", Msg::OKInAbout);
    ok->setDefault(true);
    auto* systemInformation = TaggedButton(this, "cmdSysInfo", Msg::SystemInformationS);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(systemInformation);
    buttons->addStretch(1);

    auto* foot = new QHBoxLayout;
    foot->setSpacing(16);
    foot->addWidget(TaggedLabel(this, "lblDisclaimer", Msg::CautionBeforeWritingDataControllerMake),
                    1);
    foot->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addLayout(head);
    layout->addSpacing(6);
    layout->addWidget(line);
    layout->addSpacing(6);
    layout->addLayout(foot);

    LocalizeWindow(this, program.messages);
    setFixedSize(Twips(8100), layout->totalHeightForWidth(Twips(8100)));

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(systemInformation, &QPushButton::clicked, this, &AboutDialog::showSystemInformation);
}

void AboutDialog::showSystemInformation()
{
    if (!StartSystemInformationTool())
        program_.dialogs.message(program_.messages.Text(Msg::YouTLookSystemInformationNow));
}

}  // namespace kvt7
