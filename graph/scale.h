// One axis range of the graph: linear or decimal-logarithmic, with its linear
// step, the tick patterns of logarithmic axes and the automation switches.
#pragma once

#include "graph/graph_types.h"

#include <cstdint>

enum TScaleType : std::uint8_t { stLin, stLog };

// Extra major ticks within a decade besides the decade itself: bit k-2 stands
// for mantissa k (lt20 = 2 ... lt90 = 9).
using TMajLogTicks = std::uint8_t;
constexpr TMajLogTicks lt20 = 1u << 0, lt30 = 1u << 1, lt40 = 1u << 2, lt50 = 1u << 3, lt60 = 1u << 4, lt70 = 1u << 5,
                       lt80 = 1u << 6, lt90 = 1u << 7;

// Minor ticks within a decade: bit j stands for mantissa 1.5 + 0.5 j
// (st15 ... st95, 17 members).
using TMinLogTicks = std::uint32_t;
constexpr TMinLogTicks st15 = 1u << 0, st20 = 1u << 1, st25 = 1u << 2, st30 = 1u << 3, st35 = 1u << 4, st40 = 1u << 5,
                       st45 = 1u << 6, st50 = 1u << 7, st55 = 1u << 8, st60 = 1u << 9, st65 = 1u << 10, st70 = 1u << 11,
                       st75 = 1u << 12, st80 = 1u << 13, st85 = 1u << 14, st90 = 1u << 15, st95 = 1u << 16;
constexpr TMinLogTicks kMinLogTicksMask = (1u << 17) - 1;

// Every whole mantissa 2..9, and the same without 5 (for axes where 5 is a
// major tick).
constexpr TMinLogTicks kDensePattern = st20 | st30 | st40 | st50 | st60 | st70 | st80 | st90;
constexpr TMinLogTicks kSparsePattern = st20 | st30 | st40 | st60 | st70 | st80 | st90;

class TScale
{
public:
    TScale() = default;

    TScaleType ScaleType() const { return scaleType_; }
    double Min() const { return min_; }
    double Max() const { return max_; }
    double LinStep() const { return linStep_; }
    double MinRange() const { return minRange_; }
    double Intersection() const { return intersection_; }
    std::uint16_t MinorTickNumber() const { return minorTickNumber_; }
    TMinLogTicks MinorLogPattern() const { return minorLogPattern_; }
    TMajLogTicks MajorLogPattern() const { return majorLogPattern_; }
    bool AutoSizing() const { return autoSizing_; }
    bool AutoStepping() const { return autoStepping_; }

    // Each setter stores and fires OnChange only when the value differs
    // (doubles compared exactly); MinRange fires only while AutoSizing is on.
    void SetScaleType(TScaleType v) { ChangeProperty(scaleType_, v, OnChange); }
    void SetMin(double v) { ChangeProperty(min_, v, OnChange); }
    void SetMax(double v) { ChangeProperty(max_, v, OnChange); }
    void SetLinStep(double v) { ChangeProperty(linStep_, v, OnChange); }
    void SetMinRange(double v);
    void SetIntersection(double v) { ChangeProperty(intersection_, v, OnChange); }
    void SetMinorTickNumber(std::uint16_t v) { ChangeProperty(minorTickNumber_, v, OnChange); }
    void SetMinorLogPattern(TMinLogTicks v)
    {
        ChangeProperty(minorLogPattern_, TMinLogTicks(v & kMinLogTicksMask), OnChange);
    }
    void SetMajorLogPattern(TMajLogTicks v) { ChangeProperty(majorLogPattern_, v, OnChange); }
    void SetAutoSizing(bool v) { ChangeProperty(autoSizing_, v, OnChange); }
    void SetAutoStepping(bool v) { ChangeProperty(autoStepping_, v, OnChange); }

    // Copies every property, fires nothing.
    void Assign(const TScale &other) { *this = other; }

    TChangeLink OnChange;

private:
    TScaleType scaleType_ = stLin;
    double min_ = 0;
    double max_ = 10;
    double linStep_ = 5;
    double minRange_ = 10;
    double intersection_ = 0;
    std::uint16_t minorTickNumber_ = 1;
    TMinLogTicks minorLogPattern_ = st20 | st30 | st40;
    TMajLogTicks majorLogPattern_ = lt50;
    bool autoSizing_ = true;
    bool autoStepping_ = true;
};
