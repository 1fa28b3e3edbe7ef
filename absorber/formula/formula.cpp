#include "absorber/formula/formula.h"

#include "gallomir/gallomir.h"

#include <cmath>

namespace {

constexpr int kMaxZ = TCompound::kMaxAtomicNumber;

bool IsHydrateDot(QChar c)
{
    // Middle dot, bullet, dot operator, and the ASCII stand-in.
    return c == QChar(0x00B7) || c == QChar(0x2022) || c == QChar(0x22C5) || c == QLatin1Char('*');
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

QString Shown(QChar c)
{
    if (c.isPrint() && !c.isSurrogate())
        return QStringLiteral("'%1'").arg(c);
    return QStringLiteral("U+") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

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

    FormulaAtoms Parse()
    {
        SkipBlanks();
        if (AtEnd())
            throw FormulaError{QStringLiteral("empty formula")};
        FormulaAtoms atoms{};
        for (;;) {
            const double count = IsAsciiDigit(Peek()) ? Count() : 1.0;
            FormulaAtoms part{};
            Sequence(part, QChar(), 0, 0);
            Add(atoms, part, count);
            if (AtEnd())
                break;
            // Sequence stops only at the end or at a hydrate dot.
            const qsizetype dot = pos_;
            ++pos_;
            SkipBlanks();
            if (AtEnd() || IsHydrateDot(Peek()))
                throw FormulaError{QStringLiteral("nothing after %1 at %2").arg(Shown(text_[dot])).arg(dot + 1)};
        }
        return atoms;
    }

private:
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

    // Digits with an optional decimal part: "2", "1.5", "0.25".
    double Count()
    {
        const qsizetype start = pos_;
        while (IsAsciiDigit(Peek()))
            ++pos_;
        if (Peek() == QLatin1Char('.')) {
            ++pos_;
            if (!IsAsciiDigit(Peek()))
                throw FormulaError{QStringLiteral("malformed count at %1").arg(start + 1)};
            while (IsAsciiDigit(Peek()))
                ++pos_;
        }
        const QString digits = text_.mid(start, pos_ - start).toString();
        bool ok = false;
        const double count = digits.toDouble(&ok);
        if (!ok)
            throw FormulaError{QStringLiteral("malformed count at %1").arg(start + 1)};
        if (count == 0.0)
            throw FormulaError{QStringLiteral("count 0 at %1").arg(start + 1)};
        if (count > kFormulaMaxCount)
            throw FormulaError{
                QStringLiteral("count above %1 at %2").arg(QString::number(kFormulaMaxCount, 'f', 0)).arg(start + 1)};
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
                    throw FormulaError{QStringLiteral("unbalanced '%1' at %2").arg(text_[opened]).arg(opened + 1)};
                if (empty)
                    throw FormulaError{AtEnd() ? QStringLiteral("formula ends without an element at %1").arg(pos_ + 1)
                                               : QStringLiteral("nothing before %1 at %2").arg(Shown(c)).arg(pos_ + 1)};
                return;
            }
            if (c == QLatin1Char(')') || c == QLatin1Char(']')) {
                if (c != closing)
                    throw FormulaError{QStringLiteral("unbalanced '%1' at %2").arg(c).arg(pos_ + 1)};
                if (empty)
                    throw FormulaError{QStringLiteral("empty group at %1").arg(opened + 1)};
                ++pos_;
                return;
            }
            FormulaAtoms item{};
            if (c == QLatin1Char('(') || c == QLatin1Char('[')) {
                if (depth >= kFormulaMaxDepth)
                    throw FormulaError{
                        QStringLiteral("groups nested deeper than %1 at %2").arg(kFormulaMaxDepth).arg(pos_ + 1)};
                const qsizetype open = pos_++;
                Sequence(item, c == QLatin1Char('(') ? QLatin1Char(')') : QLatin1Char(']'), open, depth + 1);
            } else if (IsAsciiUpper(c)) {
                item[static_cast<std::size_t>(Symbol())] = 1.0;
            } else {
                throw FormulaError{QStringLiteral("unexpected %1 at %2").arg(Shown(c)).arg(pos_ + 1)};
            }
            // A count belongs to the item right before it, with no blank between.
            Add(atoms, item, IsAsciiDigit(Peek()) ? Count() : 1.0);
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
            throw FormulaError{QStringLiteral("unknown element '%1' at %2").arg(symbol).arg(start + 1)};
        return z;
    }

    QStringView text_;
    qsizetype pos_ = 0;
};

} // namespace

FormulaAtoms ParseFormula(QStringView formula)
{
    return FormulaParser(formula).Parse();
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
    compound.Formula = formula.toString();
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
