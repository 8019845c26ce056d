// The window that asks what to verify the table against.
#include "GridTestSupport.h"

#include "positions/ui/VerifySourceDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct VerifySourceDialogTest : ::testing::Test {
    MessageCatalogue messages = MessageCatalogue::Builtin();
    QWidget owner;

    void SetUp() override
    {
        owner.resize(400, 300);
        owner.move(90, 110);
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    }
    // Opens the window through the operations' interface and presses `button` in it.
    int chooseWith(const char* button)
    {
        QtVerifySourceChooser chooser(messages, &owner);
        QString name = QString::fromLatin1(button);
        QPoint placed;
        QTimer::singleShot(0, [name, &placed] {
            auto* window = qobject_cast<VerifySourceDialog*>(QApplication::activeModalWidget());
            if (!window) {
                ADD_FAILURE() << "the window is not up";
                return;
            }
            placed = window->pos();
            if (name.isEmpty())
                window->close();
            else
                window->button(name)->click();
        });
        const int chosen = chooser.chooseVerifySource();
        EXPECT_EQ(placed, owner.frameGeometry().topLeft() + QPoint(33, 33)) << "500 units right of and below";
        return chosen;
    }
};

}  // namespace

TEST_F(VerifySourceDialogTest, TextsFollowTheLanguage)
{
    for (const int language : {kJapanese, kEnglish}) {
        messages.setLanguage(language);
        VerifySourceDialog window(messages, &owner);
        EXPECT_EQ(window.objectName(), "frmDataShogo");
        EXPECT_EQ(window.windowTitle(), messages.Text(1701));
        EXPECT_EQ(window.findChild<QLabel*>()->text(), messages.Text(1702));
        EXPECT_EQ(window.button("cmdFileDataShogo")->text(), messages.Text(1703));
        EXPECT_EQ(window.button("cmdCtDataShogo")->text(), messages.Text(1704));
        EXPECT_EQ(window.button("cmdCancelOfShogo")->text(), messages.Text(1705));
        EXPECT_EQ(window.chosenSource(), 0);
    }
    messages.setLanguage(kJapanese);
    EXPECT_EQ(VerifySourceDialog(messages, &owner).windowTitle(), "データ照合の選択");
    EXPECT_EQ(VerifySourceDialog(messages, &owner).button("cmdFileDataShogo")->text(),
              "ファイルと照合");
}

TEST_F(VerifySourceDialogTest, EachButtonGivesItsChoice)
{
    EXPECT_EQ(chooseWith("cmdFileDataShogo"), 1);
    EXPECT_EQ(chooseWith("cmdCtDataShogo"), 2);
    EXPECT_EQ(chooseWith("cmdCancelOfShogo"), 0);
    EXPECT_EQ(chooseWith(""), 0) << "the close box cancels";
}

