#include "controls/num_edit_kind.h"

namespace pheltra::controls {

NumEditKindDefaults KindDefaults(TNumEditType kind)
{
    switch (kind) {
    case TNumEditType::integervalue:
        return {QStringLiteral("0;-0"), -32768.0L, 32767.0L};
    case TNumEditType::longintvalue:
        // The upper default stops one short of the 32-bit maximum on purpose;
        // forms that need 2147483647 set their own bound.
        return {QStringLiteral("0;-0"), -2147483647.0L, 2147483646.0L};
    case TNumEditType::wordvalue:
        return {QStringLiteral("0;-0"), 0.0L, 65535.0L};
    case TNumEditType::floatingpointvalue:
        break;
    }
    // The picture's "." already stands for the locale's decimal separator, so
    // the default picture keeps the point in every locale. Writing the locale's
    // comma into the picture instead would make it a literal character and the
    // field would show whole numbers only, with a stray comma among the digits.
    return {QStringLiteral("0.00;-0.00"), kNoLowerBound, kNoUpperBound};
}

} // namespace pheltra::controls
