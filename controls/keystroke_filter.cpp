#include "controls/keystroke_filter.h"

#include <QString>

#include <algorithm>
#include <optional>

namespace pheltra::controls {
namespace {

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// An optional minus and at least one digit, nothing else. Saturates far
// beyond every range checked here, so a long run of digits stays safe.
std::optional<long long> ReadInteger(QStringView text)
{
    const bool negative = text.startsWith(u'-');
    if (negative) {
        text = text.mid(1);
    }
    if (text.isEmpty()) {
        return std::nullopt;
    }
    constexpr long long kSaturated = 1'000'000'000'000LL;
    long long magnitude = 0;
    for (const QChar c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        magnitude = std::min(kSaturated, magnitude * 10 + (c.unicode() - u'0'));
    }
    return negative ? -magnitude : magnitude;
}

KeystrokeDecision Insert(qsizetype from, qsizetype to)
{
    return {KeystrokeVerdict::kInsert, from, to};
}

} // namespace

bool IsAcceptedCharacter(TNumEditType kind, QChar c, QChar decimal_separator)
{
    if (c == kBackspace || c == kDelete || IsDigit(c)) {
        return true;
    }
    if (c == u'-') {
        return kind != TNumEditType::wordvalue;
    }
    return c == decimal_separator && kind == TNumEditType::floatingpointvalue;
}

bool CandidateFitsKind(TNumEditType kind, QStringView candidate)
{
    switch (kind) {
    case TNumEditType::integervalue: {
        if (candidate == u"-") {
            return true;
        }
        const auto number = ReadInteger(candidate);
        return number && *number >= -32768 && *number <= 32767;
    }
    case TNumEditType::wordvalue: {
        const auto number = ReadInteger(candidate);
        return number && *number <= 65535;
    }
    case TNumEditType::longintvalue: {
        const bool negative = candidate.startsWith(u'-');
        const QStringView body = negative ? candidate.mid(1) : candidate;
        if (body.size() != 10) {
            return body.size() < 10;
        }
        return body.compare(negative ? u"2147483648" : u"2147483647") <= 0;
    }
    case TNumEditType::floatingpointvalue:
        break;
    }
    return true;
}

KeystrokeDecision DecideKeystroke(TNumEditType kind, QStringView text, qsizetype selection_start,
                                  qsizetype selection_end, QChar c, QChar decimal_separator)
{
    const qsizetype length = text.size();
    const qsizetype start = std::clamp(std::min(selection_start, selection_end), qsizetype{0}, length);
    const qsizetype end = std::clamp(std::max(selection_start, selection_end), start, length);
    const QStringView selected = text.sliced(start, end - start);

    if (!IsAcceptedCharacter(kind, c, decimal_separator)) {
        return {};
    }
    if (c == u'-') {
        // Only in front; a second minus there is not prevented.
        return start == 0 ? Insert(start, end) : KeystrokeDecision{};
    }
    if (c == decimal_separator) {
        const qsizetype existing = text.indexOf(decimal_separator);
        if (existing < 0) {
            return Insert(start, end);
        }
        if (start == end) {
            // A second separator starts the fraction anew: 12.34 becomes 12.
            return Insert(existing, length);
        }
        return selected.contains(decimal_separator) ? Insert(start, end) : KeystrokeDecision{};
    }
    if (c == kBackspace || c == kDelete) {
        return {KeystrokeVerdict::kEdit, start, end};
    }
    // A digit: never in front of a minus that stays.
    if (start == 0 && !selected.contains(u'-') && text.startsWith(u'-')) {
        return {};
    }
    QString candidate = text.first(start).toString();
    candidate += c;
    candidate += text.sliced(end);
    return CandidateFitsKind(kind, candidate) ? Insert(start, end) : KeystrokeDecision{};
}

} // namespace pheltra::controls
