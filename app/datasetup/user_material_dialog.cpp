#include "app/datasetup/user_material_dialog.h"

#include "absorber/material/user_library.h"
#include "absorber/material/input_error.h"
#include "app/kit/dialog_button.h"
#include "app/kit/num_edit_support.h"
#include "app/kit/user_prompt.h"
#include "app/reports/number_format.h"
#include "controls/num_edit.h"
#include "gallomir/gallomir.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using pheltra::Field;
using pheltra::InputError;
using pheltra::UserMaterialKind;
using pheltra::controls::TNumEdit;
using pheltra::controls::TNumEditType;

namespace {

constexpr int kFractionDigits = 7;
constexpr int kDensityDigits = 4;

// "Pb 0.9, Sb 0.1": the fractions of a record as the form takes them.
QString FractionsText(const TCompound &compound)
{
    QStringList pairs;
    for (int slot = 0; slot < compound.ConstituentCount(); ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        pairs << QStringLiteral("%1 %2").arg(QString::fromUtf8(GetElementSymbol(compound.Z[s])).trimmed(),
                                             QString::number(double(compound.Weight[s]), 'g', kFractionDigits));
    }
    return pairs.join(QStringLiteral(", "));
}

// A refusal of the material layer in the dialog's words: "The density must
// lie above 0 ...", "The formula 'H2Xx': unknown element 'Xx' at 3.".
QString Wording(const InputError &error)
{
    const QString field = error.field == Field::Density ? QStringLiteral("the density")
        : error.field == Field::Formula                 ? QStringLiteral("the formula")
        : error.field == Field::Weights                 ? QStringLiteral("the mass fractions")
                                                        : QStringLiteral("the name");
    QString line = pheltra::Worded(error, field, field);
    if (!line.isEmpty())
        line[0] = line[0].toUpper();
    return line.endsWith(QLatin1Char('.')) ? line : line + QLatin1Char('.');
}

} // namespace

TUserMaterialDlg::TUserMaterialDlg(QWidget *parent)
    : QDialog(parent),
      editName(new QLineEdit(this)),
      rbFormula(new QRadioButton(QStringLiteral("&Formula"), this)),
      rbFractions(new QRadioButton(QStringLiteral("&Mass fractions"), this)),
      editComposition(new QLineEdit(this)),
      numeditDensity(new TNumEdit(this)),
      previewComposition(new QPlainTextEdit(this)),
      lblProblem(new QLabel(this)),
      OkBtn(DialogButton(this, "OkBtn", QStringLiteral("Ok"), true)),
      CancelBtn(DialogButton(this, "CancelBtn", QStringLiteral("Cancel")))
{
    setWindowTitle(QStringLiteral("User Material"));
    editName->setObjectName(QStringLiteral("editName"));
    rbFormula->setObjectName(QStringLiteral("rbFormula"));
    rbFractions->setObjectName(QStringLiteral("rbFractions"));
    editComposition->setObjectName(QStringLiteral("editComposition"));
    numeditDensity->setObjectName(QStringLiteral("numeditDensity"));
    previewComposition->setObjectName(QStringLiteral("previewComposition"));
    lblProblem->setObjectName(QStringLiteral("lblProblem"));

    numeditDensity->SetEntryRequired(TNumEditType::floatingpointvalue);
    numeditDensity->SetEntryBlankZero(true);
    numeditDensity->SetDisplayFormat(QStringLiteral("0.000000;-0.000000"));
    numeditDensity->SetValue(0);
    previewComposition->setReadOnly(true);
    previewComposition->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    previewComposition->setMinimumHeight(180);
    lblProblem->setWordWrap(true);
    auto *kinds = new QButtonGroup(this);
    kinds->addButton(rbFormula);
    kinds->addButton(rbFractions);
    rbFormula->setChecked(true);

    connect(editComposition, &QLineEdit::textChanged, this, &TUserMaterialDlg::UpdatePreview);
    connect(numeditDensity, &QLineEdit::textChanged, this, &TUserMaterialDlg::UpdatePreview);
    connect(rbFormula, &QRadioButton::toggled, this, &TUserMaterialDlg::UpdatePreview);
    connect(OkBtn, &QPushButton::clicked, this, &TUserMaterialDlg::OkBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *kindRow = new QHBoxLayout;
    kindRow->addWidget(rbFormula);
    kindRow->addWidget(rbFractions);
    kindRow->addStretch();
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Name:"), editName);
    form->addRow(QStringLiteral("Made from:"), kindRow);
    form->addRow(QStringLiteral("&Composition:"), editComposition);
    form->addRow(QStringLiteral("&Density (g/cm\u00B3):"), numeditDensity);
    auto *hint = new QLabel(
        QStringLiteral("A formula as \"Gd2O2S\" or \"CaCO3\"; mass fractions as \"Pb 0.96, Sb 0.04\", adding up to "
                       "1."),
        this);
    hint->setWordWrap(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addWidget(new QLabel(QStringLiteral("Composition as it will be kept:"), this));
    layout->addWidget(previewComposition, 1);
    layout->addWidget(lblProblem);
    layout->addLayout(buttons);
}

bool TUserMaterialDlg::ExecuteNew(const Keeper &keep)
{
    setWindowTitle(QStringLiteral("New User Material"));
    editName->clear();
    editName->setReadOnly(false);
    rbFormula->setChecked(true);
    editComposition->clear();
    ShowFieldValue(numeditDensity, 0.0L);
    editName->setFocus();
    return Run(keep);
}

bool TUserMaterialDlg::ExecuteEdit(const QString &name, const TCompound &compound, const Keeper &keep)
{
    setWindowTitle(QStringLiteral("Edit User Material"));
    editName->setText(name);
    editName->setReadOnly(true);
    const bool formula = !compound.Formula.isEmpty();
    (formula ? rbFormula : rbFractions)->setChecked(true);
    editComposition->setText(formula ? compound.Formula.str() : FractionsText(compound));
    ShowFieldValue(numeditDensity, compound.Density > 0.0f ? static_cast<long double>(compound.Density) : 0.0L);
    editComposition->setFocus();
    return Run(keep);
}

bool TUserMaterialDlg::Run(const Keeper &keep)
{
    keep_ = keep;
    UpdatePreview();
    const bool kept = exec() == QDialog::Accepted;
    keep_ = nullptr;
    return kept;
}

std::optional<TCompound> TUserMaterialDlg::FormCompound(InputError *problem) const
{
    try {
        return pheltra::UserMaterialCompound(rbFormula->isChecked() ? UserMaterialKind::kFormula
                                                                    : UserMaterialKind::kFractions,
                                             editComposition->text(), static_cast<double>(numeditDensity->Value()));
    } catch (const InputError &error) {
        *problem = error;
        return std::nullopt;
    }
}

void TUserMaterialDlg::UpdatePreview()
{
    InputError problem{Field::Formula, {}};
    const std::optional<TCompound> compound = FormCompound(&problem);
    lblProblem->setText(editComposition->text().trimmed().isEmpty() || compound ? QString() : Wording(problem));
    if (!compound) {
        previewComposition->clear();
        return;
    }
    const QLocale locale;
    QStringList lines{QStringLiteral(" Z  Symbol  Weight fraction")};
    for (int slot = 0; slot < compound->ConstituentCount(); ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        lines << QStringLiteral("%1  %2  %3")
                     .arg(compound->Z[s], 2)
                     .arg(QString::fromUtf8(GetElementSymbol(compound->Z[s])).trimmed(), -6)
                     .arg(FormatGeneral(compound->Weight[s], kFractionDigits, locale));
    }
    lines
        << QString()
        << QStringLiteral("Density: %1 g/cm\u00B3").arg(FormatScientific(compound->Density, kDensityDigits, 2, locale));
    previewComposition->setPlainText(lines.join(QLatin1Char('\n')));
}

void TUserMaterialDlg::OkBtnClick()
{
    QString name;
    try {
        name = pheltra::CheckedMaterialName(editName->text());
    } catch (const InputError &error) {
        UserPrompt::Warning(this, Wording(error));
        editName->setFocus();
        return;
    }
    InputError problem{Field::Formula, {}};
    const std::optional<TCompound> compound = FormCompound(&problem);
    if (!compound) {
        UserPrompt::Warning(this, Wording(problem));
        (problem.field == Field::Density ? static_cast<QWidget *>(numeditDensity) : editComposition)->setFocus();
        return;
    }
    if (const QString refused = keep_ ? keep_(name, *compound) : QString(); !refused.isEmpty()) {
        UserPrompt::Warning(this, refused);
        if (!editName->isReadOnly())
            editName->setFocus();
        return;
    }
    accept();
}
