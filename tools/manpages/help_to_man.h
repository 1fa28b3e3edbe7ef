// Manual pages from --help texts. A help text is plain lines: "Usage: ..."
// lines (and their indented continuations) become a synopsis block, lines
// indented by two blanks with a term, two or more blanks and a description
// become a tagged paragraph (deeper-indented lines continue the
// description), a line ending in ":" alone heads such a list, and other
// lines are running text; blank lines end paragraphs. The page says exactly
// what --help says, in the manual's layout.
#pragma once

#include <QList>
#include <QString>

struct ManSection
{
    QString heading;    // ".SH" heading, such as "DESCRIPTION"
    QString subheading; // ".SS" heading within it, or empty
    QString helpText;   // a --help text, converted as described above
};

// The troff source of a help text, for the body of a section.
QString HelpToMan(const QString &helpText);

// A whole page: title line, NAME (name \- summary) and the sections.
QString ManPage(const QString &name, const QString &summary, const QString &version, const QList<ManSection> &sections);
