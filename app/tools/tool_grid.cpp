#include "app/tools/tool_grid.h"

#include "app/kit/string_grid.h"

#include <QList>

void ConfigureToolGrid(StringGrid &grid, std::initializer_list<int> numberColumns, const QStringList &widthTexts)
{
    const QFont header = grid.HeaderFont();
    const QFont number = grid.NumberFont();
    const QList<int> numbers(numberColumns);
    grid.SetLook([header, number, numbers](int row, int column, bool selected) {
        StringGrid::CellLook cell;
        if (row == 0 || column == 0) {
            cell.font = header;
            cell.alignment = Qt::AlignHCenter;
        } else if (numbers.contains(column)) {
            cell.font = number;
            cell.alignment = Qt::AlignRight;
        } else {
            cell.font = header;
            cell.alignment = Qt::AlignLeft;
        }
        if (selected)
            cell.background = Qt::white;
        return cell;
    });
    for (int column = 0; column < widthTexts.size(); ++column) {
        if (!widthTexts[column].isEmpty())
            grid.FitColumnTo(column, column == 0 ? header : number, widthTexts[column]);
    }
}
