#pragma once

#include "platform/PageCanvas.h"
#include "platform/PrintPreview.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kvt7::test {

struct DrawnText {
    int page;
    double x;
    double y;
    PageFont font;
    QString text;
    double right;  // x + width in the font it was drawn in
};

struct DrawnLine {
    int page;
    double x1, y1, x2, y2;
};

// A canvas that keeps what is drawn. A4-like printable area of 190 x 277 mm; a text is
// 0.38 mm high and each character 0.2 mm wide per point, so 11 pt gives a 4 mm line.
class RecordingCanvas final : public PageCanvas {
public:
    RecordingCanvas() = default;
    RecordingCanvas(double width, double height) : size_(width, height) {}

    QSizeF printableSize() const override { return size_; }
    void setFont(const PageFont& font) override { font_ = font; }
    double textWidth(const QString& text) const override { return text.size() * font_.points * 0.2; }
    double textHeight(const QString&) const override { return font_.points * 0.38; }
    void drawText(double x, double y, const QString& text) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void newPage() override { ++page_; }
    bool end() override
    {
        ended_ = true;
        return true;
    }

    int pages() const { return page_; }
    bool ended() const { return ended_; }
    std::vector<DrawnText> texts;
    std::vector<DrawnLine> lines;

    // The texts drawn, in order; with a page number only those of that page.
    QStringList textList(int page = 0) const;
    // The first text that equals `text` (or nullptr).
    const DrawnText* find(const QString& text) const;
    const DrawnText* findStarting(const QString& prefix) const;
    // The texts of one page and height, ordered by x.
    std::vector<DrawnText> row(int page, double y) const;
    // The y of every horizontal rule of a page.
    std::vector<double> ruleYs(int page) const;

private:
    QSizeF size_{190, 277};
    PageFont font_;
    int page_ = 1;
    bool ended_ = false;
};

// The preview for tests: lays the job out on a RecordingCanvas and answers as told.
class ScriptedPreview final : public PrintPreview {
public:
    PrintOutcome outcome = PrintOutcome::Printed;
    std::vector<PrintJob> jobs;
    RecordingCanvas canvas;  // the last job's layout
    int pageSetups = 0;

    PrintOutcome show(const PrintJob& job) override
    {
        jobs.push_back(job);
        canvas = RecordingCanvas();
        job.layout(canvas);
        canvas.end();
        return outcome;
    }
    void pageSetup() override { ++pageSetups; }
};

}  // namespace kvt7::test
