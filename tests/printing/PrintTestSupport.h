#pragma once

#include "printing/PrintContext.h"
#include "printing/PrintSelection.h"
#include "support/RecordingCanvas.h"

#include <QDateTime>
#include <deque>
#include <gtest/gtest.h>

namespace kvt7::test {

// The moment every test listing is printed at.
inline QDateTime PrintMoment()
{
    return QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7));
}

// Answers the print selection window from a script; an unscripted window fails the test.
struct ScriptedSelector final : PrintSelector {
    std::optional<PrintSelection> choosePrint() override
    {
        ++shown;
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted print selection";
            return std::nullopt;
        }
        auto next = answers.front();
        answers.pop_front();
        return next;
    }
    std::deque<std::optional<PrintSelection>> answers;
    int shown = 0;
};

// A drawn text stands at (x, y).
inline void ExpectAt(const DrawnText* text, double x, double y)
{
    ASSERT_NE(text, nullptr);
    EXPECT_DOUBLE_EQ(text->x, x) << text->text.toStdString();
    EXPECT_DOUBLE_EQ(text->y, y) << text->text.toStdString();
}

}  // namespace kvt7::test
