#pragma once

#include <QChar>
#include <QString>
#include <array>
#include <optional>

namespace kvt7 {

constexpr int kSelectiveEntries = 15;
constexpr int kLowestPositionNo = 1;
constexpr int kHighestPositionNo = 999;
constexpr int kLowestGroupNo = 1;
constexpr int kHighestGroupNo = 99;
// The wait boxes hold a 16-bit count of 100 ms.
constexpr int kLongestWait = 32767;

// What the three tabs of the move window hold; the window keeps it up to date.
struct MoveInputs {
    // Selective move: the cells of entries 1..15 (index 0..14) as typed; empty is empty.
    std::array<QString, kSelectiveEntries> selective;
    bool stepMode = false;
    bool repeat = false;
    bool smSkip = false;
    bool timerUse = false;
    QString timerText = QStringLiteral("10");
    // Continual move.
    int start = 1;
    int end = 10;
    bool single = false;
    bool repeat2 = false;
    bool smSkip2 = false;
    bool timerUse2 = false;
    QString timerText2 = QStringLiteral("10");
    // Group move.
    int group = 1;
};

// The number of a position cell or field: nullopt unless it is 1..999.
std::optional<int> PositionNumber(const QString& text);

// A selective cell when it is left: its value when 1..999, otherwise empty.
QString LeftSelectiveCell(const QString& text);
// cmdInp1toF and cmdDataClear.
void FillOneToFifteen(MoveInputs& inputs);
void ClearSelectiveRow(MoveInputs& inputs);
// The selective cells and the wait boxes take digits only.
bool DigitKey(QChar key);
// A wait box's text after an edit: accepted when empty or a count up to 32767.
bool WaitTextAcceptable(const QString& text);
// The wait of a box in ms; 0 when the box is empty (or the timer is off).
int WaitMsOf(bool timerUse, const QString& text);

// The continual sliders stay ordered in continuous mode: a start above the end takes the end
// with it, an end below the start takes the start with it.
void SetContinualStart(MoveInputs& inputs, int start);
void SetContinualEnd(MoveInputs& inputs, int end);

}  // namespace kvt7
