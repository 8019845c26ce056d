#include "actuators/StrokeCalculator.h"
#include "actuators/UnitConversion.h"
#include "base/MessageCatalogue.h"

#include <gtest/gtest.h>
#include <cmath>
#include <vector>

using namespace kvt7;

namespace {

AxisSetting Axis(int lead, int ppr, bool inUse = true)
{
    AxisSetting axis;
    axis.InUse = inUse;
    axis.LeadMm = lead;
    axis.PulsesPerRev = ppr;
    RecomputeMmPerPulse(axis);
    return axis;
}

}  // namespace

TEST(SnapMmToPulseGrid, FractionRoundedToFourDecimalsDecides)
{
    const AxisSetting axis = Axis(2, 400);
    EXPECT_DOUBLE_EQ(axis.MmPerPulse, 0.005);
    // 12.3456 / 0.005 is 2469.1199.. in doubles: the fraction counts as 0.12.
    for (bool roundUp : {true, false}) {
        EXPECT_EQ(SnapPulseCount(axis, 12.3456, roundUp), 2469);
        EXPECT_DOUBLE_EQ(SnapMmToPulseGrid(axis, 12.3456, roundUp), 12.345);
    }
    // 12.3475 mm is exactly 2469.5 pulses: only MmRoundUp takes it up.
    EXPECT_EQ(SnapPulseCount(axis, 12.3475, true), 2470);
    EXPECT_DOUBLE_EQ(SnapMmToPulseGrid(axis, 12.3475, true), 12.35);
    EXPECT_EQ(SnapPulseCount(axis, 12.3475, false), 2469);
    EXPECT_DOUBLE_EQ(SnapMmToPulseGrid(axis, 12.3475, false), 12.345);
}

TEST(SnapMmToPulseGrid, OtherFractionsRoundToNearestNegativeIsCut)
{
    const AxisSetting axis = Axis(2, 400);
    for (bool roundUp : {true, false}) {
        EXPECT_EQ(SnapPulseCount(axis, 12.345, roundUp), 2469);    // on the grid
        EXPECT_EQ(SnapPulseCount(axis, 12.348, roundUp), 2470);    // .6 goes up
        EXPECT_EQ(SnapPulseCount(axis, 12.347, roundUp), 2469);    // .4 stays
        EXPECT_EQ(SnapPulseCount(axis, 12.34998, roundUp), 2470);  // .996
        EXPECT_EQ(SnapPulseCount(axis, 0.0, roundUp), 0);
        EXPECT_EQ(SnapPulseCount(axis, -12.348, roundUp), -2469);
        EXPECT_EQ(SnapPulseCount(axis, -12.3475, roundUp), -2469);
    }
    const AxisSetting noPpr = Axis(2, 0);
    EXPECT_EQ(SnapPulseCount(noPpr, 12.0, true), 0);
}

TEST(SnapMmToPulseGrid, SnappedValueLiesOnTheGridForEveryActuator)
{
    for (int lead = 1; lead <= 20; ++lead) {
        for (int ppr : {192, 400, 1000}) {
            const AxisSetting axis = Axis(lead, ppr);
            for (qint64 thousandths = 0; thousandths <= 500000; thousandths += 1237) {
                const double mm = thousandths / 1000.0;
                // Exact rational oracle: pulses = thousandths * ppr / (1000 * lead).
                const qint64 num = thousandths * ppr;
                const qint64 den = 1000LL * lead;
                const qint64 whole = num / den;
                const qint64 fraction4 = ((num % den) * 20000 + den) / (2 * den);
                for (bool roundUp : {true, false}) {
                    const bool up = fraction4 != 0 && (roundUp ? fraction4 >= 5000 : fraction4 > 5000);
                    const qint64 expected = whole + (up ? 1 : 0);
                    const qint32 count = SnapPulseCount(axis, mm, roundUp);
                    const double snapped = SnapMmToPulseGrid(axis, mm, roundUp);
                    ASSERT_EQ(count, expected) << lead << " " << ppr << " " << mm << " " << roundUp;
                    ASSERT_NEAR(snapped, double(count) * lead / ppr, 1e-9);
                    ASSERT_EQ(MmToPulse(axis, snapped), count) << lead << " " << ppr << " " << mm;
                }
            }
        }
    }
}

TEST(MmToPulse, HalfPulseGoesToTheEvenCount)
{
    const AxisSetting unit = Axis(1, 1);
    EXPECT_EQ(MmToPulse(unit, 2.5), 2);
    EXPECT_EQ(MmToPulse(unit, 3.5), 4);
    EXPECT_EQ(MmToPulse(unit, -2.5), -2);
    EXPECT_EQ(MmToPulse(unit, 2.51), 3);
    const AxisSetting axis = Axis(2, 400);
    EXPECT_EQ(MmToPulse(axis, 0.0125), 2);  // 2.5 pulses
    EXPECT_EQ(MmToPulse(axis, 0.0175), 4);  // 3.5 pulses
    EXPECT_EQ(MmToPulse(axis, 12.3475), 2470);
    EXPECT_EQ(MmToPulse(axis, 12.3425), 2468);
    // Exact halves that the doubles put just below the tie.
    EXPECT_EQ(MmToPulse(Axis(12, 400), 0.285), 10);   // 9.4999.. for 9.5
    EXPECT_EQ(MmToPulse(Axis(6, 1000), 1.005), 168);  // 167.4999.. for 167.5
    EXPECT_EQ(MmToPulse(Axis(2, 1000), 1.001), 500);  // 500.4999.. for 500.5
    EXPECT_EQ(MmToPulse(axis, 100.0), 20000);
    EXPECT_EQ(MmToPulse(Axis(0, 400), 1.0), 0);
    EXPECT_EQ(MmToPulse(axis, 1e30), 2147483647);
}

TEST(PulseToMm, IsNotRounded)
{
    EXPECT_DOUBLE_EQ(PulseToMm(Axis(2, 400), 2469), 12.345);
    EXPECT_DOUBLE_EQ(PulseToMm(Axis(6, 400), 1), 0.015);
    EXPECT_DOUBLE_EQ(PulseToMm(Axis(4, 192), 1), 4.0 / 192);
    EXPECT_DOUBLE_EQ(PulseToMm(Axis(2, 0), 100), 0.0);
}

TEST(MaxPulse, StrokeFormattedToOneDecimalThenUpToTheNextPulse)
{
    EXPECT_EQ(MaxPulseOfStroke(100, 6, 400), 6667);   // 6666.67 -> 6666.7
    EXPECT_EQ(MaxPulseOfStroke(100, 2, 400), 20000);
    EXPECT_EQ(MaxPulseOfStroke(12500.0, 1, 1), 12500);
    EXPECT_EQ(MaxPulseOfStroke(12500.1, 1, 1), 12501);
    EXPECT_EQ(MaxPulseOfStroke(12500.04, 1, 1), 12500);  // "#.#" gives 12500.0
    EXPECT_EQ(MaxPulseOfStroke(12500.05, 1, 1), 12501);  // half of the printed value goes up
    EXPECT_EQ(MaxPulseOfStroke(50, 4, 192), 2400);
    EXPECT_EQ(MaxPulseOfStroke(300, 12, 400), 10000);
    EXPECT_EQ(MaxPulseOfStroke(100, 0, 400), 0);

    std::array<AxisSetting, kAxisCount> axes{Axis(6, 400), Axis(2, 400, false), Axis(2, 400), Axis(4, 192)};
    axes[0].StrokeMm = 100;
    axes[1].StrokeMm = 100;
    axes[1].MaxPulse = 777;
    axes[2].StrokeMm = 100;
    axes[3].StrokeMm = 50;
    ComputeMaxPulses(axes);
    EXPECT_EQ(axes[0].MaxPulse, 6667);
    EXPECT_EQ(axes[1].MaxPulse, 0);
    EXPECT_EQ(axes[2].MaxPulse, 20000);
    EXPECT_EQ(axes[3].MaxPulse, 2400);

    TakeMaxPulsesFromStroke(axes, {12345, 999, 262143, 0});
    EXPECT_EQ(axes[0].MaxPulse, 12345);
    EXPECT_EQ(axes[1].MaxPulse, 0);
    EXPECT_EQ(axes[2].MaxPulse, 262143);
    EXPECT_EQ(axes[3].MaxPulse, 0);
}

TEST(MaxMm, CutToThreeDecimals)
{
    EXPECT_DOUBLE_EQ(MaxMmOf(6667, 0.015), 100.005);
    EXPECT_DOUBLE_EQ(MaxMmOf(20000, 0.005), 100.0);
    EXPECT_DOUBLE_EQ(MaxMmOf(2400, 4.0 / 192), 50.0);
    EXPECT_DOUBLE_EQ(MaxMmOf(1, 4.0 / 192), 0.020);  // 0.0208333 cut, not rounded
    EXPECT_DOUBLE_EQ(MaxMmOf(3, 4.0 / 192), 0.062);  // 0.0625

    std::array<AxisSetting, kAxisCount> axes{Axis(6, 400), Axis(6, 400, false), Axis(4, 192), Axis(2, 400)};
    axes[0].MaxPulse = 6667;
    axes[1].MaxPulse = 6667;
    axes[1].MaxMm = 5.0;
    axes[2].MaxPulse = 1;
    axes[3].MaxPulse = 0;
    ComputeMaxMm(axes);
    EXPECT_DOUBLE_EQ(axes[0].MaxMm, 100.005);
    EXPECT_DOUBLE_EQ(axes[1].MaxMm, 0.0);
    EXPECT_DOUBLE_EQ(axes[2].MaxMm, 0.020);
    EXPECT_DOUBLE_EQ(axes[3].MaxMm, 0.0);
}

TEST(DisplayFormats, RoundHalfAwayFromZeroOnThePrintedValue)
{
    EXPECT_EQ(RoundAsFormatted(6666.666666666667, 1), 66667);
    EXPECT_EQ(RoundAsFormatted(2.25, 1), 23);
    EXPECT_EQ(RoundAsFormatted(2.35, 1), 24);
    EXPECT_EQ(RoundAsFormatted(-2.25, 1), -23);
    EXPECT_EQ(RoundAsFormatted(0.04, 1), 0);
    EXPECT_EQ(RoundAsFormatted(1.0005, 3), 1001);  // 1.000499999.. in doubles
    EXPECT_EQ(FormatMm(12.5), "12.500");
    EXPECT_EQ(FormatMm(0.0), "0.000");
    EXPECT_EQ(FormatMm(100.005), "100.005");
    EXPECT_EQ(FormatMm(0.0005), "0.001");
    EXPECT_EQ(FormatMm(-1.5), "-1.500");
    EXPECT_EQ(FormatMm(1234.5678), "1234.568");
}

TEST(DisplayFormats, CutToThreeDecimalsAfterRoundingTheFractionToFour)
{
    EXPECT_DOUBLE_EQ(CutMmToThreeDecimals(12.3456), 12.345);
    EXPECT_DOUBLE_EQ(CutMmToThreeDecimals(12.34999), 12.35);  // .34999 is .3500 at four decimals
    EXPECT_DOUBLE_EQ(CutMmToThreeDecimals(4.0 / 192 * 7), 0.145);  // 0.14583
    EXPECT_DOUBLE_EQ(CutMmToThreeDecimals(12.345), 12.345);
    EXPECT_DOUBLE_EQ(CutMmToThreeDecimals(-1.2349), -1.234);
}

TEST(TableConversions, AxisNotInUseGivesZero)
{
    const std::vector<qint32> pulses{0, 2469, 20000, 1};
    std::vector<double> mm(4, -1.0);
    ConvertPulsesToMm(Axis(2, 400), pulses, mm);
    EXPECT_EQ(mm, std::vector<double>({0.0, 12.345, 100.0, 0.005}));
    ConvertPulsesToMm(Axis(2, 400, false), pulses, mm);
    EXPECT_EQ(mm, std::vector<double>(4, 0.0));

    const std::vector<double> entered{12.345, 0.0125, 100.0};
    std::vector<qint32> back(4, -1);
    ConvertMmToPulses(Axis(2, 400), entered, back);
    EXPECT_EQ(back, std::vector<qint32>({2469, 2, 20000, -1}));  // only as many as given
    ConvertMmToPulses(Axis(2, 400, false), entered, back);
    EXPECT_EQ(back, std::vector<qint32>({0, 0, 0, -1}));
}

TEST(StrokeToPulseCalculator, PulsesForTheStrokeOrAMessage)
{
    MessageCatalogue messages = MessageCatalogue::Builtin();
    EXPECT_EQ(CalculatorPulsesPerRev(true), 192);
    EXPECT_EQ(CalculatorPulsesPerRev(false), 400);
    EXPECT_EQ(StrokeToPulseCalculator("100", "6", false, messages), "6667");
    EXPECT_EQ(StrokeToPulseCalculator("100", "2", false, messages), "20000");
    EXPECT_EQ(StrokeToPulseCalculator("100", "4", true, messages), "4800");
    EXPECT_EQ(StrokeToPulseCalculator("7", "3", true, messages), "448");  // 448.00000000000006 -> 448.0
    EXPECT_EQ(StrokeToPulseCalculator("500", "1", false, messages), "200000");
    EXPECT_EQ(StrokeToPulseCalculator("", "2", false, messages), "0");
    EXPECT_EQ(StrokeToPulseCalculator("100", "", false, messages), "機種なし");
    EXPECT_EQ(StrokeToPulseCalculator("501", "2", false, messages), "不正値");
    EXPECT_EQ(StrokeToPulseCalculator("100", "0", false, messages), "不正値");
    EXPECT_EQ(StrokeToPulseCalculator("1x", "2", false, messages), "不正値");
    messages.setLanguage(kEnglish);
    EXPECT_EQ(StrokeToPulseCalculator("100", " ", false, messages), "No Device");
    EXPECT_EQ(StrokeToPulseCalculator("-1", "2", false, messages), "Invalidity");
}
