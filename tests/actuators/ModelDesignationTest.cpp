#include "ActuatorTestSupport.h"

#include "actuators/ModelDesignation.h"

using namespace kvt7;
using namespace kvt7::test;

namespace {

AxisSetting Actuator(const QString& size, const QString& speed, int stroke, bool newType, bool vertical,
                     bool withPg)
{
    AxisSetting axis;
    axis.InUse = true;
    axis.SizeCode = size;
    axis.SpeedCode = speed;
    axis.StrokeMm = stroke;
    axis.NewType = newType;
    axis.Vertical = vertical;
    axis.WithPg = withPg;
    return axis;
}

}  // namespace

TEST(ModelDesignation, OptionCharactersAndOldSuffix)
{
    const AxisSetting newWithPg = Actuator(" 28", "L", 100, true, true, true);
    EXPECT_EQ(ModelDesignation(newWithPg, 1, 1), "KV- 28L-100E ");
    EXPECT_EQ(ModelDesignation(newWithPg, 0, 1), "KV- 28L-100  ");
    EXPECT_EQ(ModelDesignation(newWithPg, 2, 2), "KV- 28L-100  ");

    const AxisSetting oldVertical = Actuator(" 28", "L", 50, false, true, false);
    EXPECT_EQ(ModelDesignation(oldVertical, 1, 1), "KV- 28L-050_V(Old)");
    EXPECT_EQ(ModelLabel(oldVertical, 1, 1), "KV- 28L-050_V");
    EXPECT_EQ(ModelDesignation(oldVertical, 1, 0), "KV- 28L-050_ (Old)");

    AxisSetting oldFlat = Actuator(" 28", "M", 200, false, false, true);
    oldFlat.Family = "RQ";
    EXPECT_EQ(ModelDesignation(oldFlat, 1, 1), "RQ- 28M-200E_(Old)");
    EXPECT_EQ(ModelDesignation(Actuator("E35", "H", 300, true, false, false), 2, 0), "KV-E35H-300  ");
}

TEST_F(CatalogueTest, ModelDesignationTakesTheOptionsFromTheCatalogue)
{
    EXPECT_EQ(ModelDesignation(Actuator(" 28", "L", 100, false, false, true), shipped),
              "KV- 28L-100E_(Old)");
    EXPECT_EQ(ModelLabel(Actuator(" 42", "D", 50, true, true, false), shipped), "KV- 42D-050  ");
    EXPECT_TRUE(dialogs.messages.empty());
    // A missing catalogue shows message 15 for each of the two lookups.
    EXPECT_EQ(ModelLabel(Actuator(" 28", "L", 100, true, true, true), file), "KV- 28L-100  ");
    EXPECT_EQ(dialogs.texts(), QStringList(2, missingShortText()));
}

TEST_F(CatalogueTest, ParseModelDesignationReadsBothSizeForms)
{
    AxisSetting recorded;
    ASSERT_TRUE(ParseModelDesignation(recorded, "KV- 28L-100EV", "OLD", shipped));
    EXPECT_EQ(recorded.Family, "KV");
    EXPECT_TRUE(recorded.IsKv);
    EXPECT_FALSE(recorded.NewType);
    EXPECT_EQ(recorded.SizeCode, " 28");
    EXPECT_EQ(recorded.SpeedCode, "L");
    EXPECT_EQ(recorded.StrokeMm, 100);
    EXPECT_TRUE(recorded.Vertical);
    EXPECT_TRUE(recorded.WithPg);

    ASSERT_TRUE(ParseModelDesignation(recorded, "KV-28M-200__", "OLD", shipped));
    EXPECT_EQ(recorded.SizeCode, " 28");
    EXPECT_EQ(recorded.SpeedCode, "M");
    EXPECT_EQ(recorded.StrokeMm, 200);
    EXPECT_FALSE(recorded.Vertical);
    EXPECT_FALSE(recorded.WithPg);

    ASSERT_TRUE(ParseModelDesignation(recorded, "KV-28L-50 E", "NEW", shipped));
    EXPECT_EQ(recorded.StrokeMm, 50);
    EXPECT_TRUE(recorded.NewType);
    EXPECT_TRUE(recorded.WithPg);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CatalogueTest, ParsedDesignationRoundTripsEveryShippedVariant)
{
    ActuatorCatalogues catalogues;
    ASSERT_TRUE(shipped.LoadCatalogue(catalogues));
    for (const CatalogueEntry& entry : catalogues.at(0).Entries) {
        for (int variant = 0; variant < 8; ++variant) {
            AxisSetting axis = Actuator(entry.SizeCode, entry.SpeedCode,
                                        entry.StrokeMm, (variant & 1) != 0,
                                        (variant & 2) != 0, (variant & 4) != 0);
            // What the catalogue and the size rule allow is what comes back.
            if (entry.SizeCode == " 20" || entry.SizeCode == " 42" || entry.SizeCode == "E35")
                axis.NewType = true;
            if (entry.VerticalOption != 1)
                axis.Vertical = entry.VerticalOption == 2;
            if (entry.PgOption != 1)
                axis.WithPg = entry.PgOption == 2;
            const QString text = ModelLabel(axis, entry.PgOption, entry.VerticalOption);
            AxisSetting parsed = axis;
            ASSERT_TRUE(ParseModelDesignation(parsed, text, axis.NewType ? "NEW" : "OLD", shipped)) << text.toStdString();
            EXPECT_EQ(parsed.NewType, axis.NewType) << text.toStdString();
            EXPECT_EQ(parsed.Vertical, axis.Vertical) << text.toStdString();
            EXPECT_EQ(parsed.WithPg, axis.WithPg) << text.toStdString();
            EXPECT_EQ(parsed.StrokeMm, axis.StrokeMm);
        }
    }
}

TEST_F(CatalogueTest, ParseAppliesCatalogueOptionsAndTheSizeRule)
{
    AxisSetting recorded;
    recorded.Vertical = false;
    // " 42D" is always vertical and has no encoder, whatever the text says; " 42" is new.
    ASSERT_TRUE(ParseModelDesignation(recorded, "KV- 42D-050E_", "OLD", shipped));
    EXPECT_TRUE(recorded.NewType);
    EXPECT_TRUE(recorded.Vertical);
    EXPECT_FALSE(recorded.WithPg);
    // " 20M" has no vertical variant.
    ASSERT_TRUE(ParseModelDesignation(recorded, "KV- 20M-100 V", "OLD", shipped));
    EXPECT_TRUE(recorded.NewType);
    EXPECT_FALSE(recorded.Vertical);
    // A new-type " 28L" without a "V" keeps its mounting; an old one loses it.
    recorded.Vertical = true;
    ASSERT_TRUE(ParseModelDesignation(recorded, "KV- 28L-100  ", "NEW", shipped));
    EXPECT_TRUE(recorded.Vertical);
    ASSERT_TRUE(ParseModelDesignation(recorded, "KV- 28L-100  ", "OLD", shipped));
    EXPECT_FALSE(recorded.Vertical);
    // Another family is never new-type unless its size says so.
    ASSERT_TRUE(ParseModelDesignation(recorded, "RQ- 28L-100  ", "NEW", shipped));
    EXPECT_FALSE(recorded.IsKv);
    EXPECT_EQ(recorded.Family, "RQ");
    EXPECT_FALSE(recorded.NewType);
    ASSERT_TRUE(ParseModelDesignation(recorded, "RQ-E35L-100  ", "OLD", shipped));
    EXPECT_TRUE(recorded.NewType);
    // An actuator outside the catalogue keeps the marks of its text.
    ASSERT_TRUE(ParseModelDesignation(recorded, "KV- 28L-123EV", "OLD", shipped));
    EXPECT_TRUE(recorded.WithPg);
    EXPECT_TRUE(recorded.Vertical);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CatalogueTest, UnusableModelTextsShowMessages4And5)
{
    AxisSetting recorded;
    recorded.SizeCode = "E35";
    recorded.StrokeMm = 300;
    const AxisSetting before = recorded;
    for (const char* text : {"", "KV", "XX- 28L-100  ", "kv- 28L-100", "KV- 28L-009  ",
                             "KV- 28L-501  ", "KV- 28l-100  ", "KV-28L-", "KV- 2", "KV-   -100"}) {
        SCOPED_TRACE(text);
        dialogs.clear();
        EXPECT_FALSE(ParseModelDesignation(recorded, text, "NEW", shipped));
        EXPECT_EQ(dialogs.texts(), QStringList({unusableModelText()}));
        EXPECT_EQ(recorded.SizeCode, before.SizeCode);
        EXPECT_EQ(recorded.StrokeMm, before.StrokeMm);
    }
    EXPECT_EQ(unusableModelText(), "機種が選択されていません。\r\n再度、機種を選択してください。");
}

TEST_F(CatalogueTest, ParseWithoutCatalogueFails)
{
    AxisSetting recorded;
    EXPECT_FALSE(ParseModelDesignation(recorded, "KV- 28L-100  ", "NEW", file));
    EXPECT_EQ(dialogs.texts(),
              QStringList({missingShortText(), missingShortText(), unusableModelText()}));
}
