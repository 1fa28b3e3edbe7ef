// The graph's published sub-objects. Each setter stores a changed value and
// fires OnChange (bound by the owning graph to its StyleChanged); Assign
// copies every property and fires nothing.
#pragma once

#include "graph/graph_types.h"
#include "graph/rich_text.h"

#include <QString>

#include <cstdint>

// Position of the plot box relative to the drawing area's top-left corner.
// A direction that is not fixed is computed by the layout, which writes the
// result back.
class TPBox
{
public:
    bool FixedHorPos() const { return fixedHorPos_; }
    bool FixedVerPos() const { return fixedVerPos_; }
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Right() const { return right_; }
    int Bottom() const { return bottom_; }
    void SetFixedHorPos(bool v) { ChangeProperty(fixedHorPos_, v, OnChange); }
    void SetFixedVerPos(bool v) { ChangeProperty(fixedVerPos_, v, OnChange); }
    void SetLeft(int v) { ChangeProperty(left_, v, OnChange); }
    void SetTop(int v) { ChangeProperty(top_, v, OnChange); }
    void SetRight(int v) { ChangeProperty(right_, v, OnChange); }
    void SetBottom(int v) { ChangeProperty(bottom_, v, OnChange); }
    void Assign(const TPBox &other) { *this = other; }
    TChangeLink OnChange;

private:
    bool fixedHorPos_ = false, fixedVerPos_ = false;
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};

// Grid lines at the ticks of one axis. Minor lines exist only with major
// lines: switching the major grid off switches the minor grid off too.
class TGrid
{
public:
    bool MajGridEnabled() const { return majEnabled_; }
    bool MinGridEnabled() const { return minEnabled_; }
    TPenStyle MajorGridStyle() const { return majStyle_; }
    TPenStyle MinorGridStyle() const { return minStyle_; }
    QColor MajorGridColor() const { return majColor_; }
    QColor MinorGridColor() const { return minColor_; }
    int MajorGridWidth() const { return majWidth_; }
    int MinorGridWidth() const { return minWidth_; }
    void SetMajGridEnabled(bool v) { ChangeMainSwitch(majEnabled_, minEnabled_, v, OnChange); }
    void SetMinGridEnabled(bool v) { ChangeDependentSwitch(majEnabled_, minEnabled_, v, OnChange); }
    void SetMajorGridStyle(TPenStyle v) { ChangeProperty(majStyle_, v, OnChange); }
    void SetMinorGridStyle(TPenStyle v) { ChangeProperty(minStyle_, v, OnChange); }
    void SetMajorGridColor(const QColor &v) { ChangeProperty(majColor_, v, OnChange); }
    void SetMinorGridColor(const QColor &v) { ChangeProperty(minColor_, v, OnChange); }
    void SetMajorGridWidth(int v) { ChangeProperty(majWidth_, v, OnChange); }
    void SetMinorGridWidth(int v) { ChangeProperty(minWidth_, v, OnChange); }
    void Assign(const TGrid &other) { *this = other; }
    TChangeLink OnChange;

private:
    bool majEnabled_ = true, minEnabled_ = false;
    TPenStyle majStyle_ = TPenStyle::psSolid, minStyle_ = TPenStyle::psDot;
    QColor majColor_ = kColorSilver, minColor_ = kColorSilver;
    int majWidth_ = 1, minWidth_ = 0;
};

// Appearance of one axis: ticks, title and tick labels. Minor ticks exist
// only with major ticks.
class TAxis
{
public:
    enum Kind { XKind, YKind };
    explicit TAxis(Kind kind = XKind);

    bool MajTicksEnabled() const { return majTicks_; }
    bool MinTicksEnabled() const { return minTicks_; }
    std::uint16_t MajorTickLen() const { return majorTickLen_; }
    std::uint16_t MinorTickLen() const { return minorTickLen_; }
    std::uint16_t MajorTickWid() const { return majorTickWid_; }
    std::uint16_t MinorTickWid() const { return minorTickWid_; }
    TTickPos TickPosition() const { return tickPosition_; }
    bool TitleEnabled() const { return titleEnabled_; }
    const QString &Caption() const { return caption_; }
    int TitleDist() const { return titleDist_; }
    int TitlePos() const { return titlePos_; }
    TTextAngle TitleAngle() const { return titleAngle_; }
    bool TickLabelEnabled() const { return tickLabelEnabled_; }
    const QString &LabelFormat() const { return labelFormat_; }
    int LabelDistance() const { return labelDistance_; }
    TTextAngle LabelAngle() const { return labelAngle_; }

    void SetMajTicksEnabled(bool v) { ChangeMainSwitch(majTicks_, minTicks_, v, OnChange); }
    void SetMinTicksEnabled(bool v) { ChangeDependentSwitch(majTicks_, minTicks_, v, OnChange); }
    void SetMajorTickLen(std::uint16_t v) { ChangeProperty(majorTickLen_, v, OnChange); }
    void SetMinorTickLen(std::uint16_t v) { ChangeProperty(minorTickLen_, v, OnChange); }
    void SetMajorTickWid(std::uint16_t v) { ChangeProperty(majorTickWid_, v, OnChange); }
    void SetMinorTickWid(std::uint16_t v) { ChangeProperty(minorTickWid_, v, OnChange); }
    void SetTickPosition(TTickPos v) { ChangeProperty(tickPosition_, v, OnChange); }
    void SetTitleEnabled(bool v) { ChangeProperty(titleEnabled_, v, OnChange); }
    void SetCaption(const QString &v) { ChangeProperty(caption_, CutText(v), OnChange); }
    void SetTitleDist(int v) { ChangeProperty(titleDist_, v, OnChange); }
    void SetTitlePos(int v) { ChangeProperty(titlePos_, v, OnChange); }
    void SetTitleAngle(TTextAngle v) { ChangeProperty(titleAngle_, v, OnChange); }
    void SetTickLabelEnabled(bool v) { ChangeProperty(tickLabelEnabled_, v, OnChange); }
    void SetLabelFormat(const QString &v) { ChangeProperty(labelFormat_, CutText(v), OnChange); }
    void SetLabelDistance(int v) { ChangeProperty(labelDistance_, v, OnChange); }
    void SetLabelAngle(TTextAngle v) { ChangeProperty(labelAngle_, v, OnChange); }
    void Assign(const TAxis &other) { *this = other; }
    TChangeLink OnChange;

private:
    bool majTicks_ = true, minTicks_ = false;
    std::uint16_t majorTickLen_ = 10, minorTickLen_ = 8, majorTickWid_ = 2, minorTickWid_ = 1;
    TTickPos tickPosition_ = tpCenter;
    bool titleEnabled_ = true;
    QString caption_;
    int titleDist_ = 2;
    int titlePos_ = 750;
    TTextAngle titleAngle_ = lr0;
    bool tickLabelEnabled_ = true;
    QString labelFormat_ = QStringLiteral("%-.2g");
    int labelDistance_ = 2;
    TTextAngle labelAngle_ = lr0;
};

// The graph title above the plot; Position is per mille of the free width.
class TGTitle
{
public:
    bool Enabled() const { return enabled_; }
    const QString &Caption() const { return caption_; }
    int Position() const { return position_; }
    int Distance() const { return distance_; }
    void SetEnabled(bool v) { ChangeProperty(enabled_, v, OnChange); }
    void SetCaption(const QString &v) { ChangeProperty(caption_, CutText(v), OnChange); }
    void SetPosition(int v) { ChangeProperty(position_, v, OnChange); }
    void SetDistance(int v) { ChangeProperty(distance_, v, OnChange); }
    void Assign(const TGTitle &other) { *this = other; }
    TChangeLink OnChange;

private:
    bool enabled_ = true;
    QString caption_ = QStringLiteral("Vexplot scatterplot");
    int position_ = 500;
    int distance_ = 8;
};

// Where the legend box stands: above, right of or below the plot (room is
// reserved for it), or in one of the plot's corners.
enum TPlacement : std::uint8_t { lbxTop, lbxRight, lbxBottom, lbxNorthEast, lbxNorthWest, lbxSouthEast, lbxSouthWest };

class TLegendBox
{
public:
    bool Enabled() const { return enabled_; }
    TPlacement Placement() const { return placement_; }
    std::uint16_t Distance() const { return distance_; }
    bool FrameEnabled() const { return frameEnabled_; }
    QColor FrameColor() const { return frameColor_; }
    std::uint16_t FrameWidth() const { return frameWidth_; }
    QColor BoxColor() const { return boxColor_; }
    TBrushStyle BoxStyle() const { return boxStyle_; }
    void SetEnabled(bool v) { ChangeProperty(enabled_, v, OnChange); }
    void SetPlacement(TPlacement v) { ChangeProperty(placement_, v, OnChange); }
    void SetDistance(std::uint16_t v) { ChangeProperty(distance_, v, OnChange); }
    void SetFrameEnabled(bool v) { ChangeProperty(frameEnabled_, v, OnChange); }
    void SetFrameColor(const QColor &v) { ChangeProperty(frameColor_, v, OnChange); }
    void SetFrameWidth(std::uint16_t v) { ChangeProperty(frameWidth_, v, OnChange); }
    void SetBoxColor(const QColor &v) { ChangeProperty(boxColor_, v, OnChange); }
    void SetBoxStyle(TBrushStyle v) { ChangeProperty(boxStyle_, v, OnChange); }
    void Assign(const TLegendBox &other) { *this = other; }
    TChangeLink OnChange;

private:
    bool enabled_ = true;
    TPlacement placement_ = lbxNorthEast;
    std::uint16_t distance_ = 8;
    bool frameEnabled_ = true;
    QColor frameColor_ = kColorGray;
    std::uint16_t frameWidth_ = 1;
    QColor boxColor_ = kColorWhite;
    TBrushStyle boxStyle_ = TBrushStyle::bsSolid;
};
