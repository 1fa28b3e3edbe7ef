#include "app/tools/tool_fields.h"

#include "app/kit/named_widget.h"
#include "controls/num_edit.h"
#include "controls/numeric_text.h"

#include <QComboBox>

using pheltra::controls::TNumEdit;
using pheltra::controls::TNumEditType;

namespace {

constexpr long double kMaxDensity = 1000.0L;
constexpr long double kMaxThickness = 1e6L;
constexpr pheltra::ThicknessUnit kUnits[] = {pheltra::ThicknessUnit::Cm, pheltra::ThicknessUnit::Mm,
                                             pheltra::ThicknessUnit::Um, pheltra::ThicknessUnit::GramPerCm2};

} // namespace

TNumEdit *NumberField(QWidget *parent, QAnyStringView name, const QString &picture, long double minimum,
                      long double maximum)
{
    auto *field = Named(new TNumEdit(parent), name);
    field->SetEntryRequired(TNumEditType::floatingpointvalue);
    field->SetEntryBlankZero(true);
    field->SetDisplayFormat(picture);
    field->SetMaximum(maximum);
    field->SetMinimum(minimum);
    field->SetValue(0.0L);
    return field;
}

TNumEdit *DensityField(QWidget *parent, QAnyStringView name)
{
    return NumberField(parent, name, QStringLiteral("0.0000;-0.0000"), 0.0L, kMaxDensity);
}

TNumEdit *ThicknessField(QWidget *parent, QAnyStringView name)
{
    return NumberField(parent, name, QStringLiteral("0.0000;-0.0000"), 0.0L, kMaxThickness);
}

double FieldNumber(const TNumEdit *field)
{
    const std::optional<long double> value =
        pheltra::controls::ParseNumericText(field->text(), field->DecimalSeparator());
    if (!value || !pheltra::controls::FitsInDouble(*value))
        return 0.0;
    return static_cast<double>(*value);
}

QComboBox *ThicknessUnitCombo(QWidget *parent, QAnyStringView name)
{
    auto *combo = Named(new QComboBox(parent), name);
    for (const pheltra::ThicknessUnit unit : kUnits) {
        QString text = QString::fromLatin1(pheltra::ThicknessUnitName(unit));
        text.replace(QLatin1String("um"), QStringLiteral("\u00b5m"))
            .replace(QLatin1String("cm2"), QStringLiteral("cm\u00b2"));
        combo->addItem(text, static_cast<int>(unit));
    }
    return combo;
}

pheltra::ThicknessUnit UnitOfCombo(const QComboBox *combo)
{
    return static_cast<pheltra::ThicknessUnit>(combo->currentData().toInt());
}

void SelectUnit(QComboBox *combo, pheltra::ThicknessUnit unit)
{
    combo->setCurrentIndex(combo->findData(static_cast<int>(unit)));
}
