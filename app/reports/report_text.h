// Text helpers of the plain-text reports.
#pragma once

#include <QString>

// Removes markup tags: while the text holds a "<" and its first ">" comes
// after its first "<", the characters from that "<" to that ">" inclusive go.
// "<sym>m</sym>/r" becomes "m/r"; a ">" before the first "<" ends the
// removal. Entities such as &lt; are left as they are. The outputs use
// PlainTextOfMarkup (graph/markup_text.h), which removes the same tags and
// also gives entities and Symbol-font letters their characters.
QString StripMarkup(const QString &text);

// The number of characters (Unicode code points) of a text.
qsizetype CharacterCount(QStringView text);

// The text with blanks appended until it has at least width characters; a
// longer text stays as it is.
QString PadRight(const QString &text, qsizetype width);
