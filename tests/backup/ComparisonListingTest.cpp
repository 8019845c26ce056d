// The comparison report on paper: the three columns, and pages broken as they fill.
#include "backup/ComparisonListing.h"
#include "base/MessageCatalogue.h"
#include "support/RecordingCanvas.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

TEST(ComparisonListing, PartsWithTheirDifferencesInThreeColumnsOverAsManyPagesAsNeeded)
{
    MessageCatalogue messages = MessageCatalogue::Builtin();
    messages.setLanguage(kEnglish);
    ComparisonReport report{"/backup/line3", {{"Parameters", {}}, {"Position Data", {}}}};
    for (int n = 1; n <= 100; ++n)
        report.parts[1].differences.push_back({QStringLiteral("Position No.%1").arg(n), QString::number(n), "0"});
    RecordingCanvas canvas;
    LayOutComparison(canvas, report, messages);

    const QStringList first = canvas.textList(1);
    ASSERT_GE(first.size(), 9);
    EXPECT_EQ(first.mid(0, 9), QStringList({"Compare with Backup  /backup/line3", "Parameters", "equal", "Position Data",
                                            "Backup", "Controller", "Position No.1", "1", "0"}));
    const DrawnText* value = canvas.find("Position No.1");
    ASSERT_TRUE(value);
    EXPECT_EQ(canvas.row(1, value->y).size(), 3u);
    EXPECT_DOUBLE_EQ(canvas.row(1, value->y)[1].x, 190 * 0.55);
    EXPECT_DOUBLE_EQ(canvas.row(1, value->y)[2].x, 190 * 0.78);
    // The rest goes on the next page, from its top; every difference is printed once.
    EXPECT_EQ(canvas.pages(), 2);
    const auto* last = canvas.find("Position No.100");
    ASSERT_TRUE(last);
    EXPECT_EQ(last->page, 2);
    EXPECT_LT(canvas.find(canvas.textList(2).front())->y, 1e-9);
    EXPECT_EQ(canvas.textList().filter(QRegularExpression("^Position No\\.")).size(), 100);
}

}  // namespace
}  // namespace kvt7::test
