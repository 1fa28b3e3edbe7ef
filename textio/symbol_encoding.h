// The Greek Symbol font's character encoding, mapped to Unicode: its letters
// sit on Latin codes (m is mu, r is rho) and its mathematical signs on codes
// 160..254 (180 is the multiplication sign). Text in that font is drawn and
// measured as the Unicode characters it stands for, so that "μ/ρ" appears,
// never "m/r".
#pragma once

#include <QChar>
#include <QString>

// The table follows Adobe's published Symbol encoding, with the few codes it
// puts in the private-use area (radical extender, arrow extenders, the serif
// and sans registered/copyright/trademark signs, the angle brackets) given
// their standard Unicode characters, and 160 as the Euro sign of the later
// versions of the font. Codes below 32 and characters beyond 255 pass
// unchanged; codes the font leaves empty become U+FFFD.
char16_t SymbolToUnicode(char16_t code);
QString SymbolTextToUnicode(const QString &text);
