#include "textio/symbol_encoding.h"

#include <array>

namespace {

constexpr char16_t kNone = 0xFFFD;

// Codes 32..126 of the Symbol font.
constexpr std::array<char16_t, 95> kLow = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026,
    0x220B, // 32  space ! forall # exists % & suchthat
    0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212, 0x002E,
    0x002F, // 40  ( ) asteriskmath + , minus . /
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036,
    0x0037, // 48  0..7
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E,
    0x003F, // 56  8 9 : ; < = > ?
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6,
    0x0393, // 64  congruent Alpha Beta Chi Delta Epsilon Phi Gamma
    0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D,
    0x039F, // 72  Eta Iota theta1 Kappa Lambda Mu Nu Omicron
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2,
    0x03A9, // 80  Pi Theta Rho Sigma Tau Upsilon sigma1 Omega
    0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5,
    0x005F, // 88  Xi Psi Zeta [ therefore ] perpendicular _
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6,
    0x03B3, // 96  radical extender alpha beta chi delta epsilon phi gamma
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD,
    0x03BF, // 104 eta iota phi1 kappa lambda mu nu omicron
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6,
    0x03C9,                                                 // 112 pi theta rho sigma tau upsilon omega1 omega
    0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, // 120 xi psi zeta { | } similar
};

// Codes 160..255 of the Symbol font.
constexpr std::array<char16_t, 96> kHigh = {
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044,
    0x221E, 0x0192, 0x2663, // 160 Euro Upsilon1 minute lessequal fraction infinity florin club
    0x2666, 0x2665, 0x2660, 0x2194, 0x2190,
    0x2191, 0x2192, 0x2193, // 168 diamond heart spade arrowboth arrowleft arrowup arrowright arrowdown
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7,
    0x221D, 0x2202, 0x2022, // 176 degree plusminus second greaterequal multiply proportional partialdiff bullet
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026,
    0x23D0, 0x23AF, 0x21B5, // 184 divide notequal equivalence approxequal ellipsis arrowvertex arrowhorizex carriagereturn
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297,
    0x2295, 0x2205, 0x2229, // 192 aleph Ifraktur Rfraktur weierstrass circlemultiply circleplus emptyset intersection
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282,
    0x2286, 0x2208, 0x2209, // 200 union propersuperset reflexsuperset notsubset propersubset reflexsubset element notelement
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122,
    0x220F, 0x221A, 0x22C5, // 208 angle gradient registerserif copyrightserif trademarkserif product radical dotmath
    0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0,
    0x21D1, 0x21D2, 0x21D3, // 216 logicalnot logicaland logicalor arrowdblboth arrowdblleft arrowdblup arrowdblright arrowdbldown
    0x25CA, 0x27E8, 0x00AE, 0x00A9, 0x2122,
    0x2211, 0x239B, 0x239C, // 224 lozenge angleleft registersans copyrightsans trademarksans summation parenlefttp parenleftex
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7,
    0x23A8, 0x23A9, 0x23AA, // 232 parenleftbt bracketlefttp bracketleftex bracketleftbt bracelefttp braceleftmid braceleftbt braceex
    kNone,  0x27E9, 0x222B, 0x2320, 0x23AE,
    0x2321, 0x239E, 0x239F, // 240 (empty) angleright integral integraltp integralex integralbt parenrighttp parenrightex
    0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB,
    0x23AC, 0x23AD, kNone, // 248 parenrightbt bracketrighttp bracketrightex bracketrightbt bracerighttp bracerightmid bracerightbt (empty)
};

} // namespace

char16_t SymbolToUnicode(char16_t code)
{
    if (code < 32 || code > 255)
        return code;
    if (code <= 126)
        return kLow[code - 32];
    if (code >= 160)
        return kHigh[code - 160];
    return kNone;
}

QString SymbolTextToUnicode(const QString &text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = QChar(SymbolToUnicode(text[i].unicode()));
    return out;
}
