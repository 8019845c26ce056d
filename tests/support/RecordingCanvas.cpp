#include "support/RecordingCanvas.h"

#include <algorithm>
#include <cmath>

namespace kvt7::test {

void RecordingCanvas::drawText(double x, double y, const QString& text)
{
    texts.push_back({page_, x, y, font_, text, x + textWidth(text)});
}

void RecordingCanvas::drawLine(double x1, double y1, double x2, double y2)
{
    lines.push_back({page_, x1, y1, x2, y2});
}

QStringList RecordingCanvas::textList(int page) const
{
    QStringList list;
    for (const DrawnText& t : texts)
        if (page == 0 || t.page == page)
            list << t.text;
    return list;
}

const DrawnText* RecordingCanvas::find(const QString& text) const
{
    const auto it = std::find_if(texts.begin(), texts.end(), [&](const DrawnText& t) { return t.text == text; });
    return it == texts.end() ? nullptr : &*it;
}

const DrawnText* RecordingCanvas::findStarting(const QString& prefix) const
{
    const auto it = std::find_if(texts.begin(), texts.end(),
                                 [&](const DrawnText& t) { return t.text.startsWith(prefix); });
    return it == texts.end() ? nullptr : &*it;
}

std::vector<DrawnText> RecordingCanvas::row(int page, double y) const
{
    std::vector<DrawnText> found;
    for (const DrawnText& t : texts)
        if (t.page == page && std::abs(t.y - y) < 1e-6)
            found.push_back(t);
    std::stable_sort(found.begin(), found.end(), [](const DrawnText& a, const DrawnText& b) { return a.x < b.x; });
    return found;
}

std::vector<double> RecordingCanvas::ruleYs(int page) const
{
    std::vector<double> ys;
    for (const DrawnLine& l : lines)
        if (l.page == page && l.y1 == l.y2)
            ys.push_back(l.y1);
    return ys;
}

}  // namespace kvt7::test
