// One refusal, worded by each front end with its own name for the field.
#include "absorber/material/input_error.h"

#include <gtest/gtest.h>

namespace pheltra {
namespace {

TEST(InputError, EachWordingJoinsTheFrontEndsNameItsOwnWay)
{
    using Wording = InputError::Wording;
    struct Row
    {
        InputError error;
        const char *name;
        const char *give;
        const char *expected;
    };
    const Row rows[] = {
        {{Field::Absorber, QStringLiteral("unknown absorber 'X'")}, "--absorber", "--absorber", "unknown absorber 'X'"},
        {{Field::Density, QStringLiteral("must lie above 0"), Wording::AfterField},
         "--density",
         "--density",
         "--density must lie above 0"},
        {{Field::Density, QStringLiteral("must lie above 0"), Wording::AfterField},
         "density",
         "density=",
         "density must lie above 0"},
        {{Field::Density, QStringLiteral("the material has no density"), Wording::Missing},
         "density",
         "density=",
         "the material has no density; give one with density= (g/cm3)"},
        {{Field::Formula, QStringLiteral("no formula"), Wording::Missing},
         "--formula",
         "--formula",
         "no formula; give one with --formula"},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(Worded(row.error, QString::fromLatin1(row.name), QString::fromLatin1(row.give)),
                  QString::fromLatin1(row.expected));
    }
}

} // namespace
} // namespace pheltra
