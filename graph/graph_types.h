// Plain value types shared by the graph component: pen, brush and font
// descriptions, the enumerations of its published properties, and the small
// change-notification link its sub-objects use.
#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <functional>
#include <utility>

// Colours of the classic desktop palette the graph's defaults are given in.
inline const QColor kColorBlack{0, 0, 0};
inline const QColor kColorWhite{255, 255, 255};
inline const QColor kColorGray{0x80, 0x80, 0x80};
inline const QColor kColorSilver{0xC0, 0xC0, 0xC0};

// Colours travel through the program as 32-bit values with red in the lowest
// byte; the graph itself works with QColor.
QColor ColorFromRgbValue(std::uint32_t value);
std::uint32_t RgbValueFromColor(const QColor &color);

enum class TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

enum class TBrushStyle : std::uint8_t {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

// Font style bits as the caption markup counts them.
enum TFontStyleBit : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4 };
using TFontStyles = std::uint8_t;

enum TTextAngle : std::uint8_t { lr0, lr90, lr270 };
enum TTickPos : std::uint8_t { tpOut, tpCenter, tpIn };

struct TGraphPen
{
    QColor Color = kColorBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
    friend bool operator==(const TGraphPen &, const TGraphPen &) = default;
};

struct TGraphBrush
{
    QColor Color = kColorWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
    friend bool operator==(const TGraphBrush &, const TGraphBrush &) = default;
};

// A font as the graph's properties describe it. Height is in device pixels:
// negative for a character height (the em size), positive for a cell height;
// point sizes are converted at the screen's reference resolution of 96 pixels
// per inch, so every surface scales fonts the same way as the rest of the
// drawing (through the metric factor).
struct TGraphFont
{
    QString Name = QStringLiteral("Times New Roman");
    int Height = -13;
    QColor Color = kColorBlack;
    TFontStyles Style = 0;

    static constexpr int kReferencePixelsPerInch = 96;
    void SetSize(int points);
    int Size() const;
    friend bool operator==(const TGraphFont &, const TGraphFont &) = default;
};

// Round half to even, as every rounding of the graph's arithmetic does.
namespace vexplot {
double RoundHalfEven(double v);
int RoundToInt(double v);
} // namespace vexplot

// The change notification of a sub-object. Copying a sub-object copies its
// values only, never the binding to its owner.
class TChangeLink
{
public:
    TChangeLink() = default;
    TChangeLink(const TChangeLink &) { }
    TChangeLink &operator=(const TChangeLink &) { return *this; }
    void Bind(std::function<void()> handler) { handler_ = std::move(handler); }
    void operator()() const
    {
        if (handler_)
            handler_();
    }

private:
    std::function<void()> handler_;
};

// Stores a property value and fires the owner's change link when it differs.
template<class T>
bool ChangeProperty(T &field, const T &value, const TChangeLink &link)
{
    if (field == value)
        return false;
    field = value;
    link();
    return true;
}

// A pair of switches where the second exists only with the first (minor
// grid lines with major ones): switching the first off switches both off,
// and the second cannot be switched on alone.
inline void ChangeMainSwitch(bool &main, bool &dependent, bool value, const TChangeLink &link)
{
    if (main == value)
        return;
    main = value;
    if (!value)
        dependent = false;
    link();
}

inline void ChangeDependentSwitch(bool main, bool &dependent, bool value, const TChangeLink &link)
{
    if (value && !main)
        return;
    ChangeProperty(dependent, value, link);
}
