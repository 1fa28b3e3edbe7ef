// The layers of a shield or the filters of a beam: a grid of up to six rows
// (material, density, thickness) with Add, Edit, Delete, Up and Down, as the
// data setup dialog keeps its absorbers. Add and Edit open the layer dialog;
// a double-click edits a filled row and adds on an empty one. Every change
// is announced by changed().
#pragma once

#include "app/tools/tool_material.h"

#include <QGroupBox>

#include <vector>

class CompoundLibrary;
class QPushButton;
class StringGrid;
class TLayerDlg;

class TLayerList : public QGroupBox
{
    Q_OBJECT

public:
    static constexpr int kRows = 6;

    // The library and the layer dialog outlive the list. A first layer is
    // offered in `unit`; later ones in the unit of the last.
    TLayerList(const QString &title, const CompoundLibrary &library, TLayerDlg &layerDialog,
               pheltra::ThicknessUnit unit, QWidget *parent = nullptr);

    const std::vector<pheltra::LayerChoice> &Layers() const { return layers_; }
    void SetLayers(std::vector<pheltra::LayerChoice> layers);
    // 0-based row selected, clamped to the rows.
    int SelectedRow() const;
    void SelectRow(int row);

    StringGrid *LayerGrid;
    QPushButton *btnAdd, *btnEdit, *btnDelete, *btnUp, *btnDown;

signals:
    void changed();

private:
    void btnAddClick();
    void btnEditClick();
    void btnDeleteClick();
    void Move(int by);
    void ShowRows();

    const CompoundLibrary &library_;
    TLayerDlg &layerDialog_;
    pheltra::ThicknessUnit unit_;
    std::vector<pheltra::LayerChoice> layers_;
};
