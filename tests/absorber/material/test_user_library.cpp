// The user's own library: merged after CmpMix.dat, reported like it when
// faulty, written in its format; materials from formulas and fractions.
#include "absorber/material/user_library.h"

#include "absorber/material/input_error.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

using pheltra::Field;
using pheltra::InputError;
using pheltra::UserMaterialKind;

QString Write(const QTemporaryDir &dir, const QByteArray &text)
{
    const QString file = dir.filePath(QStringLiteral("UserMix.dat"));
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text);
    return file;
}

CompoundLibrary LibraryWithLead()
{
    CompoundLibrary library;
    TCompound lead;
    lead.Clear();
    lead.Z[0] = 82;
    lead.Weight[0] = 1.0f;
    library.Append(QStringLiteral("Lead"), lead);
    return library;
}

TEST(UserLibrary, MergedAfterTheLibraryAndReportedLikeIt)
{
    const QTemporaryDir dir;
    struct Row
    {
        QByteArray text;
        QStringList users; // the entries taken as the user's
        QString message;
    };
    const Row rows[] = {
        {"title\r\nGOS;Gd2O2S;;;mine;;;7.34;8;0.0845;64;0.831;16;0.0847\r\n", {"GOS"}, {}},
        {"title\r\nLEAD;Pb;;;mine;;;11.35;82;1\r\nBGO;;;;;;;7.13;83;0.67;32;0.17;8;0.15\r\n",
         {"BGO"},
         "UserMix.dat: 'LEAD' left out, the library holds that name already"},
        {"title\r\nA;;;;;;;1;1;1\r\nB;;;;;;;1\r\nC;;;;;;;1;6;1\r\n",
         {"A"},
         "Error in reading line # 2 of file UserMix.dat"},
    };
    for (const Row &row : rows) {
        CompoundLibrary library = LibraryWithLead();
        const pheltra::UserLibraryLoad load = pheltra::MergeUserLibrary(Write(dir, row.text), library);
        QStringList users;
        for (int i = 0; i < library.Count(); ++i)
            if (library.IsUser(i))
                users << library.Name(i);
        EXPECT_EQ(users, row.users);
        EXPECT_FALSE(library.IsUser(library.IndexOf(QStringLiteral("Lead"))));
        EXPECT_EQ(pheltra::UserLibraryMessage(load), row.message);
    }
    CompoundLibrary library = LibraryWithLead();
    EXPECT_EQ(pheltra::MergeUserLibrary(dir.filePath(QStringLiteral("none.dat")), library).status, kLibraryNotFound);
    EXPECT_EQ(library.Count(), 1);
}

TEST(UserLibrary, WrittenInTheLibraryFormatAndReadBackTheSame)
{
    CompoundLibrary library = LibraryWithLead();
    const TCompound gos = pheltra::UserMaterialCompound(UserMaterialKind::kFormula, QStringLiteral("Gd2O2S"), 7.34);
    const TCompound alloy =
        pheltra::UserMaterialCompound(UserMaterialKind::kFractions, QStringLiteral("Pb 0.96, Sb 0.04"), 11.1);
    library.Append(QStringLiteral("GOS"), gos, true);
    library.Append(QStringLiteral("Hard lead"), alloy, true);
    library.Sort();
    const QByteArray text = pheltra::UserLibraryText(library);
    EXPECT_FALSE(text.contains("\r\nLead;"));

    CompoundLibrary back;
    ASSERT_EQ(LoadCompoundLibraryFromBytes(text, back), kLibraryLoaded);
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.Compound(back.IndexOf(QStringLiteral("GOS"))), gos);
    EXPECT_EQ(back.Compound(back.IndexOf(QStringLiteral("Hard lead"))), alloy);
}

TEST(UserLibrary, MaterialsFromFormulasAndFractions)
{
    const TCompound alloy =
        pheltra::UserMaterialCompound(UserMaterialKind::kFractions, QStringLiteral("sb:0.1; PB=0.9"), 11.0);
    EXPECT_EQ(alloy.Z[0], 51);
    EXPECT_FLOAT_EQ(alloy.Weight[0], 0.1f);
    EXPECT_EQ(alloy.Z[1], 82);
    EXPECT_FLOAT_EQ(alloy.Weight[1], 0.9f);
    EXPECT_FLOAT_EQ(alloy.Density, 11.0f);
    EXPECT_EQ(alloy.Source.str(), QStringLiteral("user library"));

    struct Row
    {
        UserMaterialKind kind;
        const char *text;
        double density;
        Field field;
    };
    const Row refused[] = {
        {UserMaterialKind::kFormula, "H2Xx", 1.0, Field::Formula},
        {UserMaterialKind::kFormula, "H2O;", 1.0, Field::Formula},
        {UserMaterialKind::kFormula, "H2O", 0.0, Field::Density},
        {UserMaterialKind::kFractions, "Pb 0.9, Pb 0.1", 1.0, Field::Weights},
        {UserMaterialKind::kFractions, "Qq 1", 1.0, Field::Weights},
        {UserMaterialKind::kFractions, "Pb -1", 1.0, Field::Weights},
        {UserMaterialKind::kFractions, "Pb 9, Sb 1", 1.0, Field::Weights}, // not adding up to 1
        {UserMaterialKind::kFractions, "Pb", 1.0, Field::Weights},
        {UserMaterialKind::kFractions, "", 1.0, Field::Weights},
    };
    for (const Row &row : refused) {
        try {
            pheltra::UserMaterialCompound(row.kind, QString::fromUtf8(row.text), row.density);
            ADD_FAILURE() << row.text << " was taken";
        } catch (const InputError &error) {
            EXPECT_EQ(error.field, row.field) << row.text;
            EXPECT_FALSE(error.message.contains(QLatin1Char('\n')));
        }
    }
    for (const char *name : {"", "  ", "a;b", "tab\there"})
        EXPECT_THROW(pheltra::CheckedMaterialName(QString::fromUtf8(name)), InputError) << name;
    EXPECT_EQ(pheltra::CheckedMaterialName(QStringLiteral("  BGO ")), QStringLiteral("BGO"));
}

} // namespace
