#include "absorber/formula/formula.h"

#include "gallomir/gallomir.h"

#include <cmath>
#include <vector>

namespace {

constexpr int kMaxZ = TCompound::kMaxAtomicNumber;

constexpr QChar kMiddleDot(0x00B7);

bool IsHydrateDot(QChar c)
{
    // Middle dot, bullet, dot operator, and the plain-text stand-ins. A
    // period right after a count's digits and before a digit is a decimal
    // point instead (see Count).
    return c == kMiddleDot || c == QChar(0x2022) || c == QChar(0x22C5) || c == QLatin1Char('*') ||
        c == QLatin1Char('.');
}

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IsAsciiUpper(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

bool IsAsciiLower(QChar c)
{
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}

int FindSymbol(QStringView symbol)
{
    for (int z = 1; z <= kMaxZ; ++z) {
        if (symbol == QLatin1String(GetElementSymbol(z)))
            return z;
    }
    return 0;
}

// The character at index as the user sees it, a pair of surrogates as one.
QString Shown(QStringView text, qsizetype index)
{
    const bool pair = text[index].isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate();
    const char32_t c = pair ? QChar::surrogateToUcs4(text[index], text[index + 1]) : text[index].unicode();
    if (QChar::isPrint(c) && !(c >= 0xD800 && c <= 0xDFFF))
        return QStringLiteral("'%1'").arg(text.mid(index, pair ? 2 : 1));
    return QStringLiteral("U+") + QString::number(c, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

// The 1-based position of the character at UTF-16 index `index`, counting
// characters as typed: a character beyond the basic plane is one.
qsizetype CharacterPosition(QStringView text, qsizetype index)
{
    qsizetype position = 1;
    for (qsizetype i = 0; i < index && i < text.size(); ++i) {
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()))
            ++position;
    }
    return position;
}

// A period between a count's digits at the top level: "CuSO4.5H2O" is
// CuSO4 with 4.5 oxygen then H2O, or the hydrate CuSO4·5H2O. The part it lies
// in (after the part's own count) is kept to spell the count reading.
struct DecimalPoint
{
    qsizetype dot;
    qsizetype partStart;
    qsizetype partEnd;
};

// Recursive descent over
//   formula  = part { dot part }
//   part     = [count] sequence
//   sequence = item { item }
//   item     = ( symbol | "(" sequence ")" | "[" sequence "]" ) [count]
// with blanks allowed between the tokens.
class FormulaParser
{
public:
    explicit FormulaParser(QStringView text) : text_(text) { }

    // A formula that also reads with one of its decimal points taken as a
    // hydrate dot has two readings and is refused, naming the spellings of
    // both; where the other reading is no formula, the count stands.
    FormulaAtoms ParseUnambiguous()
    {
        FormulaAtoms atoms = Parse();
        for (const DecimalPoint &point : points_) {
            QString other = text_.toString();
            other[point.dot] = kMiddleDot;
            try {
                FormulaParser(other).Parse();
            } catch (const FormulaError &) {
                continue;
            }
            throw FormulaError{TwoReadings(point)};
        }
        return atoms;
    }

private:
    FormulaAtoms Parse()
    {
        SkipBlanks();
        if (AtEnd())
            throw FormulaError{QStringLiteral("empty formula")};
        FormulaAtoms atoms{};
        for (;;) {
            const double count = IsAsciiDigit(Peek()) ? Count(false) : 1.0;
            FormulaAtoms part{};
            const qsizetype partStart = pos_;
            const std::size_t firstPoint = points_.size();
            Sequence(part, QChar(), 0, 0);
            for (std::size_t i = firstPoint; i < points_.size(); ++i) {
                points_[i].partStart = partStart;
                points_[i].partEnd = pos_;
            }
            Add(atoms, part, count);
            if (AtEnd())
                break;
            // Sequence stops only at the end or at a hydrate dot.
            const qsizetype dot = pos_;
            ++pos_;
            SkipBlanks();
            if (AtEnd() || IsHydrateDot(Peek()))
                throw FormulaError{QStringLiteral("nothing after %1 at %2").arg(Shown(text_, dot)).arg(At(dot))};
        }
        return atoms;
    }

    QString TwoReadings(const DecimalPoint &point) const
    {
        const QString text = text_.toString();
        QString hydrate = text;
        hydrate[point.dot] = kMiddleDot;
        QString plain = text;
        plain[point.dot] = QLatin1Char('*');
        const QString count = text.left(point.partStart) + QLatin1Char('(') +
            text.mid(point.partStart, point.partEnd - point.partStart).trimmed() + QLatin1Char(')') +
            text.mid(point.partEnd);
        qsizetype digits = point.dot;
        while (digits > 0 && IsAsciiDigit(text[digits - 1]))
            --digits;
        qsizetype end = point.dot + 1;
        while (end < text.size() && IsAsciiDigit(text[end]))
            ++end;
        return QStringLiteral("'.' at %1 reads two ways: write %2 or %3 for a hydrate, %4 for the count %5")
            .arg(QString::number(At(point.dot)), hydrate.trimmed(), plain.trimmed(), count.trimmed(),
                 text.mid(digits, end - digits));
    }

    // The position of a fault as the user counts it.
    qsizetype At(qsizetype index) const { return CharacterPosition(text_, index); }

    bool AtEnd() const { return pos_ >= text_.size(); }
    QChar Peek() const { return AtEnd() ? QChar() : text_[pos_]; }

    void SkipBlanks()
    {
        while (!AtEnd() && text_[pos_].isSpace())
            ++pos_;
    }

    static void Add(FormulaAtoms &into, const FormulaAtoms &part, double count)
    {
        for (std::size_t z = 1; z < into.size(); ++z)
            into[z] += part[z] * count;
    }

    // Digits with an optional decimal part: "2", "1.5", "0.25". A period
    // not followed by a digit is no decimal point but a hydrate dot.
    // topLevel: the count stands in a part, outside any group, where its
    // decimal point may also read as a hydrate dot.
    double Count(bool topLevel)
    {
        const qsizetype start = pos_;
        while (IsAsciiDigit(Peek()))
            ++pos_;
        if (Peek() == QLatin1Char('.') && pos_ + 1 < text_.size() && IsAsciiDigit(text_[pos_ + 1])) {
            if (topLevel)
                points_.push_back(DecimalPoint{pos_, 0, 0});
            ++pos_;
            while (IsAsciiDigit(Peek()))
                ++pos_;
        }
        const QString digits = text_.mid(start, pos_ - start).toString();
        bool ok = false;
        const double count = digits.toDouble(&ok);
        if (!ok)
            throw FormulaError{QStringLiteral("malformed count at %1").arg(At(start))};
        if (count == 0.0)
            throw FormulaError{QStringLiteral("count 0 at %1").arg(At(start))};
        if (count > kFormulaMaxCount)
            throw FormulaError{
                QStringLiteral("count above %1 at %2").arg(QString::number(kFormulaMaxCount, 'f', 0)).arg(At(start))};
        return count;
    }

    // Items up to the closing bracket (none at the top level: up to the end
    // or a hydrate dot). opened is the position of the opening bracket.
    void Sequence(FormulaAtoms &atoms, QChar closing, qsizetype opened, int depth)
    {
        bool empty = true;
        for (;;) {
            SkipBlanks();
            const QChar c = Peek();
            if (AtEnd() || IsHydrateDot(c)) {
                if (!closing.isNull())
                    throw FormulaError{QStringLiteral("unbalanced '%1' at %2").arg(text_[opened]).arg(At(opened))};
                if (empty)
                    throw FormulaError{
                        AtEnd() ? QStringLiteral("formula ends without an element at %1").arg(At(pos_))
                                : QStringLiteral("nothing before %1 at %2").arg(Shown(text_, pos_)).arg(At(pos_))};
                return;
            }
            if (c == QLatin1Char(')') || c == QLatin1Char(']')) {
                if (c != closing)
                    throw FormulaError{QStringLiteral("unbalanced '%1' at %2").arg(c).arg(At(pos_))};
                if (empty)
                    throw FormulaError{QStringLiteral("empty group at %1").arg(At(opened))};
                ++pos_;
                return;
            }
            FormulaAtoms item{};
            if (c == QLatin1Char('(') || c == QLatin1Char('[')) {
                if (depth >= kFormulaMaxDepth)
                    throw FormulaError{
                        QStringLiteral("groups nested deeper than %1 at %2").arg(kFormulaMaxDepth).arg(At(pos_))};
                const qsizetype open = pos_++;
                Sequence(item, c == QLatin1Char('(') ? QLatin1Char(')') : QLatin1Char(']'), open, depth + 1);
            } else if (IsAsciiUpper(c)) {
                item[static_cast<std::size_t>(Symbol())] = 1.0;
            } else {
                throw FormulaError{QStringLiteral("unexpected %1 at %2").arg(Shown(text_, pos_)).arg(At(pos_))};
            }
            // A count belongs to the item right before it, with no blank between.
            Add(atoms, item, IsAsciiDigit(Peek()) ? Count(depth == 0) : 1.0);
            empty = false;
        }
    }

    int Symbol()
    {
        const qsizetype start = pos_++;
        if (IsAsciiLower(Peek()))
            ++pos_;
        const QStringView symbol = text_.mid(start, pos_ - start);
        const int z = FindSymbol(symbol);
        if (z == 0)
            throw FormulaError{QStringLiteral("unknown element '%1' at %2").arg(symbol).arg(At(start))};
        return z;
    }

    QStringView text_;
    qsizetype pos_ = 0;
    std::vector<DecimalPoint> points_;
};

} // namespace

FormulaAtoms ParseFormula(QStringView formula)
{
    return FormulaParser(formula).ParseUnambiguous();
}

FormulaAtoms FormulaWeightFractions(const FormulaAtoms &atoms)
{
    FormulaAtoms masses{};
    long double total = 0.0L;
    for (int z = 1; z <= kMaxZ; ++z) {
        const auto i = static_cast<std::size_t>(z);
        masses[i] = atoms[i] * GetAtomicWeight(z);
        total += masses[i];
    }
    FormulaAtoms fractions{};
    if (!(total > 0.0L) || !std::isfinite(static_cast<double>(total)))
        return fractions;
    for (std::size_t z = 1; z < masses.size(); ++z)
        fractions[z] = static_cast<double>(masses[z] / total);
    return fractions;
}

TCompound FormulaCompound(QStringView formula, float density)
{
    const FormulaAtoms fractions = FormulaWeightFractions(ParseFormula(formula));
    TCompound compound;
    compound.Clear();
    compound.Formula = formula.trimmed().toString();
    compound.Density = density > 0.0f ? density : -1.0f;
    std::size_t slot = 0;
    for (int z = 1; z <= kMaxZ; ++z) {
        // A trace too small for the record's 32-bit weight is left out.
        const auto fraction = static_cast<float>(fractions[static_cast<std::size_t>(z)]);
        if (!(fraction > 0.0f))
            continue;
        if (slot == compound.Z.size())
            throw FormulaError{QStringLiteral("more than %1 elements in one formula").arg(TCompound::kSlotCount)};
        compound.Z[slot] = z;
        compound.Weight[slot] = fraction;
        ++slot;
    }
    return compound;
}
