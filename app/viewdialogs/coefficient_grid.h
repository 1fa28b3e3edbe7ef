// CoeffGrid of the coefficient table: seven columns (energy, data sets 1 to
// 6) under two fixed header rows that stay in place while the data rows
// scroll. Rows are counted with the header rows, so row 2 is the first row
// of data. Every cell is painted on the button-face colour in black: header
// cells in a proportional face, left-aligned, the legends of row 1 as
// markup cut with ".." when too wide; data cells in a fixed-pitch face,
// right-aligned, so the exponents stand in line.
#pragma once

#include "app/viewdialogs/coefficient_table.h"

#include <QFont>
#include <QTableView>

#include <vector>

class CoeffTableModel;

class TCoeffGrid : public QTableView
{
    Q_OBJECT
public:
    // Space between a cell's side and its text, and between its top and
    // the text.
    static constexpr int kTextIndent = 3;
    static constexpr int kTextTop = 2;

    explicit TCoeffGrid(QWidget *parent = nullptr);

    // Row 0 or 1 of the header.
    void SetHeaderRow(int row, const CoeffTableRow &texts);
    // Replaces the rows below the header.
    void SetDataRows(std::vector<CoeffTableRow> rows);
    // Cuts the table back to its header rows.
    void ClearDataRows() { SetDataRows({}); }

    // Rows including the two header rows.
    int RowCount() const;
    QString Cell(int row, int column) const;
    // Every row, header rows first.
    std::vector<CoeffTableRow> AllRows() const;

    const QFont &HeaderFont() const { return headerFont_; }
    const QFont &DataFont() const { return dataFont_; }

    // Width of the space the columns share: the grid inside its frame, less
    // the vertical scroll bar, which is always there.
    int ClientWidth() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void PrepareFonts();
    void FitColumns();

    CoeffTableModel *model_;
    QFont headerFont_, dataFont_;
    int fittedWidth_ = -1;
};

// Paints one cell of the grid: the button face, then `text` in black in
// `font`, left-aligned or ending kTextIndent pixels left of the right edge,
// kTextTop pixels below the top; `markup` draws it as caption markup, cut
// to the cell's width.
void PaintCoeffCell(QPainter &painter, const QRect &cell, const QColor &face, const QFont &font, const QString &text,
                    bool rightAligned, bool markup);
