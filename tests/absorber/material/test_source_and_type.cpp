// Data sources and coefficient types by name: short names and the window's
// texts alike, and refusals that list what would have been taken.
#include "absorber/coefficient_types.h"
#include "absorber/data_sources.h"
#include "absorber/material/input_error.h"
#include "absorber/material/source_and_type.h"

#include <gtest/gtest.h>

namespace pheltra {
namespace {

// The message of what call throws; fails unless it throws an InputError of
// field.
template<typename Call>
QString Refusal(Call call, Field field)
{
    try {
        call();
    } catch (const InputError &error) {
        EXPECT_EQ(error.field, field);
        return error.message;
    }
    ADD_FAILURE() << "no InputError";
    return {};
}

TEST(SourceAndType, TypesByShortNameOrWindowTextInAnyCase)
{
    const std::pair<const char *, int> rows[] = {
        {"mu", 1},     {"MU_PE", 2}, {"attenuation-Compton", 4},   {"mu_en", kCoeffTypeEnergyAbsorptionTotal},
        {"(none)", 0}, {"Mu_Tr", 7}, {"energy transfer-pair", 10},
    };
    for (const auto &[text, type] : rows)
        EXPECT_EQ(ParseCoeffType(QString::fromLatin1(text)), type) << text;
}

TEST(SourceAndType, RefusalsListTheShortNames)
{
    for (const char *text : {"", "mu_", "attenuation", "none", " mu"}) {
        const QString message = Refusal([&] { ParseCoeffType(QString::fromLatin1(text)); }, Field::Type);
        EXPECT_TRUE(message.contains(QStringLiteral("mu_en_pair (energy absorption-pair)"))) << message.toStdString();
    }
    EXPECT_TRUE(Refusal([] { CheckTypeOffered(kDataSourceH, 2); }, Field::Type)
                    .endsWith(QStringLiteral("it offers: (none), attenuation-total, energy absorption-total; "
                                             "by short name: mu, mu_en")));
    EXPECT_NO_THROW(CheckTypeOffered(kDataSourceH, kCoeffTypeEnergyAbsorptionTotal));
    EXPECT_EQ(ParseSource(QStringLiteral("h")), kDataSourceH);
    Refusal([] { ParseSource(QStringLiteral("mu")); }, Field::Source);
}

} // namespace
} // namespace pheltra
