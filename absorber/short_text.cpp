#include "absorber/short_text.h"

QString CutToCharacters(const QString &text, qsizetype maxCharacters)
{
    if (text.size() <= maxCharacters)
        return text; // fewer code units than the limit: fewer characters too
    qsizetype characters = 0;
    qsizetype end = 0;
    while (end < text.size() && characters < maxCharacters) {
        const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size() && text.at(end + 1).isLowSurrogate();
        end += pair ? 2 : 1;
        ++characters;
    }
    return text.left(end);
}
