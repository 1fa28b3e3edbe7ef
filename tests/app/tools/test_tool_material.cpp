// The widget-free pieces under the tool windows: thicknesses in their units,
// the fluence per keV of uneven bins, and the report's aligned columns.
#include "absorber/compound_file.h"
#include "absorber/compound_library.h"
#include "app/tools/result_rows.h"
#include "app/tools/tool_material.h"
#include "app/tools/tool_reports.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using pheltra::ThicknessUnit;

struct ThicknessRow
{
    double value;
    ThicknessUnit unit;
    double density;
    double cm; // NaN: refused
};

TEST(ToolMaterial, ThicknessInCm)
{
    const double refused = std::nan("");
    for (const ThicknessRow &row :
         {ThicknessRow{2.5, ThicknessUnit::Mm, 0.0, 0.25}, ThicknessRow{50, ThicknessUnit::Um, 0.0, 0.005},
          ThicknessRow{3, ThicknessUnit::Cm, 0.0, 3.0}, ThicknessRow{11.35, ThicknessUnit::GramPerCm2, 11.35, 1.0},
          ThicknessRow{1, ThicknessUnit::GramPerCm2, 0.0, refused}}) {
        SCOPED_TRACE(row.value);
        if (std::isnan(row.cm)) {
            EXPECT_THROW(pheltra::ThicknessCm({row.value, row.unit}, row.density, QStringLiteral("x")),
                         pheltra::ToolInputError);
        } else {
            EXPECT_DOUBLE_EQ(pheltra::ThicknessCm({row.value, row.unit}, row.density, QStringLiteral("x")), row.cm);
        }
    }
}

TEST(ToolMaterial, ChoicesRefusedInOneLine)
{
    CompoundLibrary library;
    ASSERT_EQ(LoadCompoundLibrary(QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat"), library), kLibraryLoaded);
    struct Row
    {
        pheltra::MaterialChoice choice;
        const char *says;
    };
    for (const Row &row : {Row{{QStringLiteral("Unobtainium")}, "the library holds no entry 'Unobtainium'"},
                           Row{{QStringLiteral("H2Xx"), true}, "formula 'H2Xx': unknown element 'Xx'"},
                           Row{{QString(), true}, "no formula given"}}) {
        try {
            pheltra::ChoiceComposition(row.choice, library);
            ADD_FAILURE() << "taken: " << row.choice.text.toStdString();
        } catch (const pheltra::ToolInputError &error) {
            EXPECT_THAT(error.message.toStdString(), ::testing::StartsWith(row.says));
        }
    }
    // A density of the user's replaces the library's.
    EXPECT_DOUBLE_EQ(pheltra::ChoiceDensity({QStringLiteral("Lead"), false, 11.0}, library), 11.0);
    EXPECT_NEAR(pheltra::ChoiceDensity({QStringLiteral("Lead")}, library), 11.35, 1e-6);
}

TEST(ToolReports, FluencePerKeVOverUnevenBins)
{
    // Bins at 10, 11 and 13 keV: widths 1, 1.5 and 2 (halfway to each
    // neighbour, the ends mirrored).
    const pheltra::Spectrum spectrum({10.0, 11.0, 13.0}, {2.0, 3.0, 4.0});
    EXPECT_THAT(pheltra::FluencePerKeV(spectrum), ::testing::ElementsAre(2.0, 2.0, 2.0));
}

TEST(ToolReports, AlignedColumns)
{
    EXPECT_EQ(pheltra::AlignedRows({{QStringLiteral("Build-up factor"), 2.5, QString()},
                                    {QStringLiteral("HVL"), 0.125, QStringLiteral("cm")},
                                    {QStringLiteral("None"), std::nan(""), QString()}}),
              QStringList({"Build-up factor    2.5", "HVL              0.125 cm", "None                --"}));
    EXPECT_EQ(pheltra::AlignedTable({QStringLiteral("keV"), QStringLiteral("broad")}, {{661.657, 1.23456789e-5}}, 4),
              QStringList({"    keV      broad", "  661.7  1.235e-05"}));
}

} // namespace
