#include "app/tools/layer_dialog.h"

#include "absorber/compound_library.h"
#include "app/datasetup/absorber_selection_dialog.h"
#include "app/kit/center_on_screen.h"
#include "app/kit/dialog_button.h"
#include "app/kit/help_system.h"
#include "app/kit/named_widget.h"
#include "app/kit/num_edit_support.h"
#include "app/tools/result_rows.h"
#include "app/tools/tool_fields.h"
#include "controls/num_edit.h"
#include "controls/system_sound.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using pheltra::controls::PlaySystemSound;
using pheltra::controls::SystemSound;
using pheltra::controls::TNumEdit;

TLayerDlg::TLayerDlg(const CompoundLibrary &library, TCmpMixDlg &absorberDialog, const QString &helpTopic,
                     QWidget *parent)
    : QDialog(parent), library_(library), absorberDialog_(absorberDialog), helpTopic_(helpTopic)
{
    setObjectName(QStringLiteral("LayerDlg"));
    setWindowTitle(QStringLiteral("Layer"));

    rbLibrary = Named(new QRadioButton(QStringLiteral("Library entry:"), this), "rbLibrary");
    rbFormula = Named(new QRadioButton(QStringLiteral("Formula:"), this), "rbFormula");
    editEntry = Named(new QLineEdit(this), "editEntry");
    editEntry->setReadOnly(true);
    editEntry->setMinimumWidth(260);
    btnChoose = DialogButton(this, "btnChoose", QStringLiteral("..."));
    btnChoose->setFixedWidth(32);
    editFormula = Named(new QLineEdit(this), "editFormula");
    neDensity = DensityField(this, "neDensity");
    lblLibraryDensity = Named(new QLabel(this), "lblLibraryDensity");
    neThickness = ThicknessField(this, "neThickness");
    comboUnit = ThicknessUnitCombo(this, "comboUnit");

    btnOk = DialogButton(this, "btnOk", QStringLiteral("Ok"), true);
    btnCancel = DialogButton(this, "btnCancel", QStringLiteral("Cancel"));
    btnHelp = DialogButton(this, "btnHelp", QStringLiteral("Help"));

    auto *grid = new QGridLayout;
    grid->addWidget(rbLibrary, 0, 0);
    grid->addWidget(editEntry, 0, 1);
    grid->addWidget(btnChoose, 0, 2);
    grid->addWidget(rbFormula, 1, 0);
    grid->addWidget(editFormula, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Density (g/cm\u00b3):"), this), 2, 0);
    auto *density = new QHBoxLayout;
    density->addWidget(neDensity);
    density->addWidget(lblLibraryDensity, 1);
    grid->addLayout(density, 2, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Thickness:"), this), 3, 0);
    auto *thickness = new QHBoxLayout;
    thickness->addWidget(neThickness);
    thickness->addWidget(comboUnit);
    thickness->addStretch();
    grid->addLayout(thickness, 3, 1, 1, 2);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnChoose, &QPushButton::clicked, this, &TLayerDlg::btnChooseClick);
    connect(btnOk, &QPushButton::clicked, this, &TLayerDlg::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, [this] { Help::ShowTopic(this, helpTopic_); });
    connect(editFormula, &QLineEdit::textEdited, this, [this] { rbFormula->setChecked(true); });
    connect(rbLibrary, &QRadioButton::toggled, this, &TLayerDlg::ShowLibraryDensity);
}

pheltra::LayerChoice TLayerDlg::Layer() const
{
    pheltra::LayerChoice layer;
    layer.material.isFormula = rbFormula->isChecked();
    layer.material.text = layer.material.isFormula ? editFormula->text().trimmed() : editEntry->text();
    layer.material.density = FieldNumber(neDensity);
    layer.thickness = {FieldNumber(neThickness), UnitOfCombo(comboUnit)};
    return layer;
}

void TLayerDlg::ShowLayer(const pheltra::LayerChoice &layer)
{
    (layer.material.isFormula ? rbFormula : rbLibrary)->setChecked(true);
    editEntry->setText(layer.material.isFormula ? QString() : layer.material.text);
    editFormula->setText(layer.material.isFormula ? layer.material.text : QString());
    ShowFieldValue(neDensity, static_cast<long double>(layer.material.density));
    ShowFieldValue(neThickness, static_cast<long double>(layer.thickness.value));
    SelectUnit(comboUnit, layer.thickness.unit);
    ShowLibraryDensity();
}

bool TLayerDlg::Execute(pheltra::LayerChoice &layer)
{
    ShowLayer(layer);
    (layer.material.isFormula ? static_cast<QWidget *>(editFormula) : btnChoose)->setFocus(Qt::OtherFocusReason);
    CenterOnScreen(this);
    if (exec() != QDialog::Accepted)
        return false;
    layer = Layer();
    return true;
}

void TLayerDlg::ShowLibraryDensity()
{
    QString text;
    if (rbLibrary->isChecked() && !editEntry->text().isEmpty()) {
        const double density = pheltra::ChoiceDensity({editEntry->text()}, library_);
        text = density > 0.0 ? QStringLiteral("empty: the library's %1").arg(pheltra::ShownValue(density))
                             : QStringLiteral("the library gives none");
    }
    lblLibraryDensity->setText(text);
}

void TLayerDlg::btnChooseClick()
{
    absorberDialog_.SetLibrary(&library_);
    absorberDialog_.SetAbsorberName(editEntry->text());
    absorberDialog_.SetRelWeight(1.0L);
    if (!absorberDialog_.Execute())
        return;
    editEntry->setText(absorberDialog_.AbsorberName());
    rbLibrary->setChecked(true);
    ShowLibraryDensity();
}

void TLayerDlg::btnOkClick()
{
    const pheltra::LayerChoice layer = Layer();
    QWidget *fault = nullptr;
    try {
        pheltra::ChoiceComposition(layer.material, library_);
    } catch (const pheltra::ToolInputError &) {
        fault = layer.material.isFormula ? static_cast<QWidget *>(editFormula) : btnChoose;
    }
    if (!fault && !(layer.thickness.value >= 0.0))
        fault = neThickness;
    if (fault) {
        PlaySystemSound(SystemSound::kBeep);
        fault->setFocus(Qt::OtherFocusReason);
        return;
    }
    accept();
}
