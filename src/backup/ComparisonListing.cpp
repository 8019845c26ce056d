#include "ComparisonListing.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"

namespace kvt7 {

namespace {

constexpr double kPoints = 9;
constexpr double kBackupColumn = 0.55;      // of the printable width
constexpr double kControllerColumn = 0.78;

// Lines from the top of the printable area, a new page when the next would not fit.
class LineCursor {
public:
    explicit LineCursor(PageCanvas& canvas) : canvas_(canvas), height_(canvas.textHeight(QStringLiteral("Ag")) * 1.3) {}
    double next()
    {
        if (y_ + height_ > canvas_.printableSize().height()) {
            canvas_.newPage();
            y_ = 0;
        }
        const double y = y_;
        y_ += height_;
        return y;
    }

private:
    PageCanvas& canvas_;
    double height_;
    double y_ = 0;
};

}  // namespace

void LayOutComparison(PageCanvas& canvas, const ComparisonReport& report, const MessageCatalogue& messages)
{
    const PageFont plain{messages.Text(Msg::MSGothic), kPoints, false, false};
    PageFont bold = plain;
    bold.bold = true;
    const double width = canvas.printableSize().width();
    canvas.setFont(bold);
    LineCursor lines(canvas);
    canvas.drawText(0, lines.next(),
                    messages.Text(Msg::CompareBackup) + QStringLiteral("  ") + report.folder);
    lines.next();
    for (const PartComparison& part : report.parts) {
        canvas.setFont(bold);
        const double y = lines.next();
        canvas.drawText(0, y, part.title);
        if (part.differences.empty()) {
            canvas.setFont(plain);
            canvas.drawText(width * kBackupColumn, y, messages.Text(Msg::Equal));
            continue;
        }
        canvas.drawText(width * kBackupColumn, y, messages.Text(Msg::Backup));
        canvas.drawText(width * kControllerColumn, y, messages.Text(Msg::ControllerInBackup));
        canvas.setFont(plain);
        for (const Difference& difference : part.differences) {
            const double row = lines.next();
            canvas.drawText(4, row, difference.where);
            canvas.drawText(width * kBackupColumn, row, difference.first);
            canvas.drawText(width * kControllerColumn, row, difference.second);
        }
    }
}

}  // namespace kvt7
