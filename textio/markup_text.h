// The caption markup as plain text, for every output that carries no fonts:
// the clipboard copy of the coefficient table, the saved and printed reports
// and pheltra-cli. Needs nothing beyond Qt's core, so the batch tool uses it
// without the graph.
#pragma once

#include <QString>

#include <vector>

// Replaces &lt; &gt; &amp; (in this order, case-insensitively) and then every
// &#digits; reference. A reference whose digits are not a number stays as it
// is; one without ';' runs to the end of the text.
QString DecodeEntities(const QString &segment);

// The key a markup tag is matched by: its first three letters upper-cased,
// after the "/" of a closing tag, which sets `closing`.
QString MarkupTagKey(const QString &tag, bool &closing);

// One piece of a text split at its tags: a tag's inside without its
// brackets, or the text between tags.
struct TMarkupPiece
{
    QString text;
    bool tag = false;
};

// Splits a text at its tags as the plain-text outputs remove them: while the
// rest holds a "<" and its first ">" lies after that "<", the two brackets
// and what lies between them form a tag; the rest from a "<" without a
// later ">", or from a ">" before the next "<", is text.
std::vector<TMarkupPiece> SplitMarkup(const QString &text);

// The text as the graph shows it, in plain characters: tags removed (as
// SplitMarkup finds them), entities decoded, and runs in the Symbol font as
// the Unicode characters the graph draws for them ("<sym>m</sym>/<sym>r</sym>"
// gives "μ/ρ").
QString PlainTextOfMarkup(const QString &text);
