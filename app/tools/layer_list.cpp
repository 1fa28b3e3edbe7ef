#include "app/tools/layer_list.h"

#include "app/kit/dialog_button.h"
#include "app/kit/named_widget.h"
#include "app/kit/string_grid.h"
#include "app/kit/user_prompt.h"
#include "app/tools/layer_dialog.h"
#include "app/tools/result_rows.h"
#include "app/tools/tool_grid.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kColumns = 4;

} // namespace

TLayerList::TLayerList(const QString &title, const CompoundLibrary &library, TLayerDlg &layerDialog,
                       pheltra::ThicknessUnit unit, QWidget *parent)
    : QGroupBox(title, parent), library_(library), layerDialog_(layerDialog), unit_(unit)
{
    LayerGrid = Named(new StringGrid(kRows + 1, kColumns, this), "LayerGrid");
    LayerGrid->SetHeaders(
        {QStringLiteral("#"), QStringLiteral("Material"), QStringLiteral("g/cm\u00b3"), QStringLiteral("Thickness")});
    LayerGrid->NumberRows();
    ConfigureToolGrid(
        *LayerGrid, {2, 3},
        {QStringLiteral(" 6:"), QString(), QStringLiteral(" 11.35   "), QStringLiteral(" 0.0001 g/cm\u00b2 ")});
    LayerGrid->SetFillColumn(1, 4);
    LayerGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    LayerGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    LayerGrid->setTabKeyNavigation(false);
    LayerGrid->setFixedHeight(LayerGrid->rowHeight(0) * (kRows + 1) + 2 * LayerGrid->frameWidth());
    LayerGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LayerGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    btnAdd = DialogButton(this, "btnAdd", QStringLiteral("Add"));
    btnEdit = DialogButton(this, "btnEdit", QStringLiteral("Edit"));
    btnDelete = DialogButton(this, "btnDelete", QStringLiteral("Delete"));
    btnUp = DialogButton(this, "btnUp", QStringLiteral("Up"));
    btnDown = DialogButton(this, "btnDown", QStringLiteral("Down"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {btnAdd, btnEdit, btnDelete, btnUp, btnDown})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LayerGrid);
    layout->addLayout(buttons);

    connect(btnAdd, &QPushButton::clicked, this, &TLayerList::btnAddClick);
    connect(btnEdit, &QPushButton::clicked, this, &TLayerList::btnEditClick);
    connect(btnDelete, &QPushButton::clicked, this, &TLayerList::btnDeleteClick);
    connect(btnUp, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(btnDown, &QPushButton::clicked, this, [this] { Move(1); });
    connect(LayerGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row - 1 < int(layers_.size()))
            btnEditClick();
        else
            btnAddClick();
    });
    SelectRow(0);
}

void TLayerList::SetLayers(std::vector<pheltra::LayerChoice> layers)
{
    layers_ = std::move(layers);
    ShowRows();
    emit changed();
}

int TLayerList::SelectedRow() const
{
    return std::clamp(LayerGrid->currentRow(), 1, kRows) - 1;
}

void TLayerList::SelectRow(int row)
{
    LayerGrid->setCurrentCell(row + 1, 1);
}

void TLayerList::ShowRows()
{
    for (int row = 0; row < kRows; ++row) {
        LayerGrid->ClearRow(row + 1);
        if (row >= int(layers_.size()))
            continue;
        const pheltra::LayerChoice &layer = layers_[std::size_t(row)];
        LayerGrid->SetCell(row + 1, 1, pheltra::ChoiceText(layer.material));
        double density = 0.0;
        try {
            density = pheltra::ChoiceDensity(layer.material, library_);
        } catch (const pheltra::ToolInputError &) { }
        LayerGrid->SetCell(row + 1, 2, density > 0.0 ? pheltra::ShownValue(density) : QStringLiteral("--"));
        QString thickness = pheltra::ThicknessText(layer.thickness);
        thickness.replace(QLatin1String("um"), QStringLiteral("\u00b5m"))
            .replace(QLatin1String("cm2"), QStringLiteral("cm\u00b2"));
        LayerGrid->SetCell(row + 1, 3, thickness);
    }
}

void TLayerList::btnAddClick()
{
    if (int(layers_.size()) >= kRows) {
        UserPrompt::Message(this, QStringLiteral("Number of layers limited to %1!").arg(kRows));
        return;
    }
    pheltra::LayerChoice layer;
    layer.thickness.unit = layers_.empty() ? unit_ : layers_.back().thickness.unit;
    if (!layerDialog_.Execute(layer))
        return;
    layers_.push_back(layer);
    ShowRows();
    SelectRow(int(layers_.size()) - 1);
    emit changed();
}

void TLayerList::btnEditClick()
{
    const int row = SelectedRow();
    if (row >= int(layers_.size()))
        return;
    if (!layerDialog_.Execute(layers_[std::size_t(row)]))
        return;
    ShowRows();
    emit changed();
}

void TLayerList::btnDeleteClick()
{
    const int row = SelectedRow();
    if (row >= int(layers_.size()))
        return;
    layers_.erase(layers_.begin() + row);
    ShowRows();
    emit changed();
}

void TLayerList::Move(int by)
{
    const int row = SelectedRow();
    const int to = row + by;
    if (row >= int(layers_.size()) || to < 0 || to >= int(layers_.size()))
        return;
    std::swap(layers_[std::size_t(row)], layers_[std::size_t(to)]);
    ShowRows();
    SelectRow(to);
    emit changed();
}
