// What the two tool windows share around their results: the grid of figures
// (quantity, value, unit), the one-line refusal in red, the row of Copy,
// Save, Print, Help and Close, and the read-out box of the graph.
#pragma once

#include "app/tools/result_rows.h"

#include <QString>

#include <vector>

class QLabel;
class QPushButton;
class QBoxLayout;
class QWidget;
class StringGrid;
class TVexplot;

StringGrid *ResultRowsGrid(QWidget *parent, int rows);
// Fills the grid (it grows as needed); an empty list empties it.
void ShowResultRows(StringGrid &grid, const std::vector<pheltra::ResultRow> &rows);

QLabel *RefusalLabel(QWidget *parent);

struct TOutputButtons
{
    QPushButton *copy, *save, *print, *help, *close;
};
// The buttons, laid out in `layout`; Close hides `window`.
TOutputButtons AddOutputButtons(QWidget *window, QBoxLayout *layout);

// A window of the Tools menu shown, or brought to the front.
void ShowToolWindow(QWidget *window);
