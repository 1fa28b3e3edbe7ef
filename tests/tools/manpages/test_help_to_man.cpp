// Manual pages from --help texts: usage blocks, option lists and running text
// in the manual's layout, with troff's special characters made harmless.
#include "tools/manpages/help_to_man.h"

#include <gtest/gtest.h>

namespace {

TEST(HelpToMan, UsageLinesAndTheirContinuationsStayAsWritten)
{
    EXPECT_EQ(HelpToMan(QStringLiteral("Usage: tool mu --absorber NAME [--grid A:B:C]\n"
                                       "               [--format tsv|csv]\n"
                                       "\n"
                                       "Prints lines.\n")),
              QStringLiteral(".PP\n.nf\ntool mu \\-\\-absorber NAME [\\-\\-grid A:B:C]\n[\\-\\-format tsv|csv]\n.fi\n"
                             ".PP\nPrints lines.\n"));
}

TEST(HelpToMan, OptionListsBecomeTaggedParagraphs)
{
    EXPECT_EQ(HelpToMan(QStringLiteral("Options:\n"
                                       "  --source   B (default) or\n"
                                       "             H\n"
                                       "  ENERGY     energies in keV\n"
                                       "Then text.\n")),
              QStringLiteral(".PP\nOptions:\n"
                             ".TP\n.B \\-\\-source\nB (default) or\nH\n"
                             ".TP\n.B ENERGY\nenergies in keV\n"
                             ".PP\nThen text.\n"));
}

TEST(HelpToMan, TroffControlCharactersAreEscaped)
{
    // A line that starts with "." or "'" would be a request; a backslash an
    // escape. Dashes inside words stay hyphens.
    EXPECT_EQ(HelpToMan(QStringLiteral(".hidden request\n'quote\nC:\\path log-log x -1\n")),
              QStringLiteral(".PP\n\\&.hidden request\n\\&'quote\nC:\\epath log-log x \\-1\n"));
}

TEST(HelpToMan, ParagraphsAreSeparatedAndTrailingBlankLinesDropped)
{
    EXPECT_EQ(HelpToMan(QStringLiteral("one\ntwo\n\nthree\n\n\n")), QStringLiteral(".PP\none\ntwo\n.PP\nthree\n"));
    EXPECT_EQ(HelpToMan(QString()), QString());
}

TEST(ManPage, TitleNameAndSections)
{
    const QList<ManSection> sections{{QStringLiteral("SYNOPSIS"), QString(), QStringLiteral("Usage: pheltra-cli X\n")},
                                     {QStringLiteral("COMMANDS"), QStringLiteral("mu"), QStringLiteral("Mu text.\n")},
                                     {QStringLiteral("COMMANDS"), QStringLiteral("report"), QStringLiteral("R.\n")}};
    const QString page =
        ManPage(QStringLiteral("pheltra-cli"), QStringLiteral("batch tool"), QStringLiteral("1.0.1"), sections);
    EXPECT_TRUE(page.startsWith(QStringLiteral(".TH PHELTRA-CLI 1 \"\" \"pheltra-cli 1.0.1\" \"User Commands\"\n")));
    EXPECT_TRUE(page.contains(QStringLiteral(".SH NAME\npheltra-cli \\- batch tool\n")));
    // One heading for the commands, a subheading each.
    EXPECT_EQ(page.count(QStringLiteral(".SH COMMANDS\n")), 1);
    EXPECT_TRUE(page.contains(QStringLiteral(".SS mu\n.PP\nMu text.\n.SS report\n.PP\nR.\n")));
}

} // namespace
