#include "app/viewdialogs/value_at_energy_dialog.h"

#include "absorber/coefficient_types.h"
#include "absorber/data_sources.h"
#include "app/kit/dialog_button.h"
#include "app/kit/num_edit_support.h"
#include "app/reports/number_format.h"
#include "controls/num_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using pheltra::controls::TNumEdit;
using pheltra::controls::TNumEditType;

namespace {

QString ValueText(long double value)
{
    return value > 0 ? FullPrecision(value) : QStringLiteral("--");
}

} // namespace

std::vector<TExactValue> ExactValuesAt(const DataSets &sets, const std::array<bool, DataSets::kCount> &plotted,
                                       double energy)
{
    std::vector<TExactValue> values;
    for (int i = 0; i < DataSets::Count(); ++i) {
        const TCmpDataSet &set = sets[i];
        if (!plotted[static_cast<std::size_t>(i)] || !set.InUse())
            continue;
        values.push_back({i + 1, set.Legend.str().trimmed(), CoeffTypeName(set.CoeffType), set.CoefficientAt(energy)});
    }
    return values;
}

QString ExactValuesText(double energy, const std::vector<TExactValue> &values)
{
    QStringList lines{
        QStringLiteral("data set\tlegend\ttype\tcoefficient at %1 keV (cm2/g)").arg(FullPrecision(energy))};
    for (const TExactValue &value : values)
        lines << QStringLiteral("%1\t%2\t%3\t%4").arg(value.Slot).arg(value.Legend, value.Type, ValueText(value.Value));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

TValueAtEnergyDlg::TValueAtEnergyDlg(const DataSets &sets, QWidget *parent)
    : QDialog(parent),
      sets_(sets),
      numeditEnergy(new TNumEdit(this)),
      energyConfirmation_(new FieldConfirmation(numeditEnergy)),
      gridValues(new QTableWidget(0, 4, this)),
      btnShow(DialogButton(this, "btnShow", QStringLiteral("&Show"), true)),
      btnCopy(DialogButton(this, "btnCopy", QStringLiteral("&Copy"))),
      btnClose(DialogButton(this, "btnClose", QStringLiteral("Close")))
{
    setWindowTitle(QStringLiteral("Value at Energy"));
    numeditEnergy->setObjectName(QStringLiteral("numeditEnergy"));
    gridValues->setObjectName(QStringLiteral("gridValues"));
    numeditEnergy->SetEntryRequired(TNumEditType::floatingpointvalue);
    numeditEnergy->SetEntryBlankZero(false);
    numeditEnergy->SetDisplayFormat(QStringLiteral("0.000000;-0.000000"));
    numeditEnergy->SetMinimum(kEnergyRangeMin);
    numeditEnergy->SetMaximum(kEnergyRangeMax);
    gridValues->setHorizontalHeaderLabels({QStringLiteral("#"), QStringLiteral("Legend"), QStringLiteral("Type"),
                                           QStringLiteral("Coefficient (cm\u00B2/g)")});
    gridValues->verticalHeader()->hide();
    gridValues->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridValues->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    gridValues->horizontalHeader()->setStretchLastSection(true);
    gridValues->setMinimumSize(560, 220);

    connect(btnShow, &QPushButton::clicked, this, &TValueAtEnergyDlg::ShowValues);
    connect(btnCopy, &QPushButton::clicked, this, &TValueAtEnergyDlg::btnCopyClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    auto *energyRow = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("&Energy (keV):"), this);
    label->setBuddy(numeditEnergy);
    energyRow->addWidget(label);
    energyRow->addWidget(numeditEnergy);
    energyRow->addWidget(btnShow);
    energyRow->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnCopy);
    buttons->addWidget(btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(energyRow);
    layout->addWidget(gridValues, 1);
    layout->addLayout(buttons);
}

void TValueAtEnergyDlg::Execute(const std::array<bool, DataSets::kCount> &plotted, double energy)
{
    plotted_ = plotted;
    ShowFieldValue(numeditEnergy, energy);
    energyConfirmation_->Reset();
    ShowValues();
    numeditEnergy->setFocus();
    numeditEnergy->selectAll();
    exec();
}

void TValueAtEnergyDlg::ShowValues()
{
    // An energy outside the data's range keeps the focus with a beep; the
    // table stays as it was.
    if (!energyConfirmation_->Passes())
        return;
    energy_ = static_cast<double>(numeditEnergy->Value());
    values_ = ExactValuesAt(sets_, plotted_, energy_);
    gridValues->setRowCount(static_cast<int>(values_.size()));
    for (int row = 0; row < static_cast<int>(values_.size()); ++row) {
        const TExactValue &value = values_[static_cast<std::size_t>(row)];
        const QStringList cells{QString::number(value.Slot), value.Legend, value.Type, ValueText(value.Value)};
        for (int column = 0; column < cells.size(); ++column)
            gridValues->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    energyConfirmation_->Reset();
}

void TValueAtEnergyDlg::btnCopyClick()
{
    ShowValues();
    QApplication::clipboard()->setText(ExactValuesText(energy_, values_));
}
