// The controls of the data setup dialog and where they stand.
#include "app/datasetup/color_swatch.h"
#include "app/datasetup/data_setup_dialog.h"
#include "app/kit/string_grid.h"
#include "controls/num_edit.h"
#include "app/kit/dialog_button.h"
#include "app/kit/named_widget.h"

#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

using pheltra::controls::TNumEdit;
using pheltra::controls::TNumEditType;

namespace {

constexpr int kGridSlack = 4; // pixels the name column leaves free

QLabel *Caption(const char *text, const char *name, QWidget *buddy, QWidget *parent)
{
    auto *label = Named(new QLabel(QString::fromUtf8(text), parent), name);
    label->setBuddy(buddy);
    return label;
}

QLineEdit *DerivedField(const char *name, QWidget *parent)
{
    auto *field = Named(new QLineEdit(parent), name);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

} // namespace

void TMRDataDlg::BuildControls()
{
    setWindowTitle(QStringLiteral("Selecting data"));

    dataTabControl = Named(new QTabBar(this), "dataTabControl");
    for (int tab = 1; tab <= DataSets::kCount; ++tab)
        dataTabControl->addTab(QStringLiteral("# %1").arg(tab));
    dataTabControl->setExpanding(false);
    dataTabControl->setDrawBase(false);
    auto *page = new QFrame(this);
    page->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);

    comboCoeffType = Named(new QComboBox(page), "comboCoeffType");
    comboDataSource = Named(new QComboBox(page), "comboDataSource");
    comboDataSource->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *selection = new QHBoxLayout;
    selection->addWidget(Caption("Attenuation coefficient type:", "lblCoeffType", comboCoeffType, page));
    selection->addWidget(comboCoeffType);
    selection->addSpacing(16);
    selection->addWidget(Caption("Data source:", "lblDataSource", comboDataSource, page));
    selection->addWidget(comboDataSource);
    selection->addStretch();

    auto *absorbers = Named(new QGroupBox(QStringLiteral("Absorber composition:"), page), "grpAbsorbers");
    CompoundGrid = Named(new StringGrid(kSlots + 1, 3, absorbers), "CompoundGrid");
    btnAddAbsorber = DialogButton(absorbers, "btnAddAbsorber", QStringLiteral("Add"));
    btnEditAbsorber = DialogButton(absorbers, "btnEditAbsorber", QStringLiteral("Edit"));
    btnDeleteAbsorber = DialogButton(absorbers, "btnDeleteAbsorber", QStringLiteral("Delete"));
    auto *absorberButtons = new QHBoxLayout;
    absorberButtons->addWidget(btnAddAbsorber);
    absorberButtons->addWidget(btnEditAbsorber);
    absorberButtons->addWidget(btnDeleteAbsorber);
    absorberButtons->addStretch();
    auto *absorberLayout = new QVBoxLayout(absorbers);
    absorberLayout->addWidget(CompoundGrid);
    absorberLayout->addLayout(absorberButtons);
    absorberLayout->addStretch();

    auto *plotting = Named(new QGroupBox(QStringLiteral("Plotting: "), page), "grpPlotting");
    editColor = Named(new ColorSwatch(plotting), "editColor");
    btnColor = DialogButton(plotting, "btnColor", QStringLiteral("..."));
    btnColor->setFixedWidth(btnColor->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    numeditLinewidth = Named(new TNumEdit(plotting), "numeditLinewidth");
    numeditLinewidth->SetEntryRequired(TNumEditType::integervalue);
    numeditLinewidth->SetEntryBlankZero(false);
    numeditLinewidth->SetDisplayFormat(QStringLiteral("0;-0"));
    numeditLinewidth->SetMaximum(32767);
    numeditLinewidth->SetMinimum(-32768);
    numeditLinewidth->SetValue(1);
    numeditLinewidth->setFixedWidth(numeditLinewidth->fontMetrics().horizontalAdvance(QStringLiteral("-000000")) + 12);
    comboLinepattern = Named(new QComboBox(plotting), "comboLinepattern");
    editLegend = Named(new QLineEdit(plotting), "editLegend");
    editLegend->setMaxLength(255);
    auto *plottingLayout = new QGridLayout(plotting);
    plottingLayout->addWidget(Caption("Line Color:", "lblColor", btnColor, plotting), 0, 0);
    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(editColor);
    colorRow->addWidget(btnColor);
    colorRow->addStretch();
    plottingLayout->addLayout(colorRow, 0, 1);
    plottingLayout->addWidget(Caption("Line width:", "lblLinewidth", numeditLinewidth, plotting), 0, 2);
    plottingLayout->addWidget(numeditLinewidth, 0, 3);
    plottingLayout->addWidget(Caption("Line pattern:", "lblLinepattern", comboLinepattern, plotting), 1, 0);
    plottingLayout->addWidget(comboLinepattern, 1, 1, Qt::AlignLeft);
    plottingLayout->addWidget(Caption("Legend:", "lblLegend", editLegend, plotting), 2, 0);
    plottingLayout->addWidget(editLegend, 2, 1, 1, 3);
    plottingLayout->setColumnStretch(1, 1);

    ElementWeightGrid = Named(new StringGrid(kElementRows + 1, 4, page), "ElementWeightGrid");
    editElDensity = DerivedField("editElDensity", page);
    editDensity = DerivedField("editDensity", page);
    editElPerCCM = DerivedField("editElPerCCM", page);
    editEffZ = DerivedField("editEffZ", page);
    auto *derived = new QGridLayout;
    derived->addWidget(Caption("Electrons/g:", "lblElDensity", editElDensity, page), 0, 0);
    derived->addWidget(editElDensity, 0, 1);
    derived->addWidget(Caption("Density, g/cm\u00B3:", "lblDensity", editDensity, page), 0, 2);
    derived->addWidget(editDensity, 0, 3);
    derived->addWidget(Caption("Calc. Electrons/cm\u00B3:", "lblElPerCCM", editElPerCCM, page), 1, 0);
    derived->addWidget(editElPerCCM, 1, 1);
    derived->addWidget(Caption("Effective Z:", "lblEffZ", editEffZ, page), 1, 2);
    derived->addWidget(editEffZ, 1, 3);
    auto *composition = new QVBoxLayout;
    composition->addWidget(Caption("Gross elemental composition:", "lblComposition", ElementWeightGrid, page));
    composition->addWidget(ElementWeightGrid, 1);
    composition->addLayout(derived);

    btnCopyData = DialogButton(page, "btnCopyData", QStringLiteral("Copy Data"));
    btnOk = DialogButton(page, "btnOk", QStringLiteral("Ok"));
    btnCancel = DialogButton(page, "btnCancel", QStringLiteral("Cancel"));
    btnHelp = DialogButton(page, "btnHelp", QStringLiteral("Help"));
    btnOk->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnCopyData);
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);

    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(absorbers);
    left->addWidget(plotting);
    left->addStretch();
    columns->addLayout(left, 1);
    columns->addLayout(composition, 1);

    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->addLayout(selection);
    pageLayout->addLayout(columns, 1);
    pageLayout->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(dataTabControl);
    layout->addWidget(page, 1);

    LineColorDialog = Named(new QColorDialog(this), "LineColorDialog");
    resize(780, 470);
}

void TMRDataDlg::BuildGrids()
{
    const QFont header = CompoundGrid->HeaderFont();
    const QFont number = CompoundGrid->NumberFont();
    // Headers centred and names left in "Arial", numbers right in
    // "Courier New"; the absorber grid's selected row on white.
    const auto look = [header, number](int numberColumn1, int numberColumn2) {
        return [=](int row, int column, bool selected) {
            StringGrid::CellLook cell;
            if (row == 0 || column == 0) {
                cell.font = header;
                cell.alignment = Qt::AlignHCenter;
            } else if (column == numberColumn1 || column == numberColumn2) {
                cell.font = number;
                cell.alignment = Qt::AlignRight;
            } else {
                cell.font = header;
                cell.alignment = Qt::AlignLeft;
            }
            if (selected)
                cell.background = Qt::white;
            return cell;
        };
    };

    CompoundGrid->SetHeaders(
        {QStringLiteral("#"), QStringLiteral("Element/Compound/Mixture"), QStringLiteral("Relative weight")});
    CompoundGrid->NumberRows();
    CompoundGrid->SetLook(look(2, 2));
    CompoundGrid->FitColumnTo(0, header, QStringLiteral(" 14:"));
    CompoundGrid->FitColumnTo(2, header, QStringLiteral("Relative weight   "));
    CompoundGrid->SetFillColumn(1, kGridSlack);
    CompoundGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    CompoundGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    CompoundGrid->setTabKeyNavigation(false);
    CompoundGrid->setFixedHeight(CompoundGrid->rowHeight(0) * (kSlots + 1) + 2 * CompoundGrid->frameWidth());
    CompoundGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CompoundGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    ElementWeightGrid->SetHeaders(
        {QStringLiteral("#"), QStringLiteral("Z"), QStringLiteral("Element"), QStringLiteral("Weight fraction")});
    ElementWeightGrid->NumberRows();
    ElementWeightGrid->SetLook(look(1, 3));
    ElementWeightGrid->FitColumnTo(0, header, QStringLiteral("14: "));
    ElementWeightGrid->FitColumnTo(1, header, QStringLiteral(" ZZ   "));
    ElementWeightGrid->FitColumnTo(3, header, QStringLiteral("Weight fraction   "));
    ElementWeightGrid->SetFillColumn(2, kGridSlack);
    ElementWeightGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The Tab key passes it by; a click still scrolls it.
    ElementWeightGrid->setFocusPolicy(Qt::ClickFocus);
}
