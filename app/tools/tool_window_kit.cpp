#include "app/tools/tool_window_kit.h"

#include "app/kit/center_on_screen.h"
#include "app/kit/dialog_button.h"
#include "app/kit/named_widget.h"
#include "app/kit/string_grid.h"
#include "app/tools/tool_grid.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

StringGrid *ResultRowsGrid(QWidget *parent, int rows)
{
    auto *grid = Named(new StringGrid(rows + 1, 3, parent), "ResultGrid");
    grid->SetHeaders({QStringLiteral("Quantity"), QStringLiteral("Value"), QStringLiteral("Unit")});
    ConfigureToolGrid(*grid, {1},
                      {QStringLiteral("Equilibrium HVL of the last layer  "), QStringLiteral(" -0.0001234 "),
                       QStringLiteral("\u00b5Gy m\u00b2/(GBq h)  ")});
    int width = 2 * grid->frameWidth() + grid->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < grid->columnCount(); ++column)
        width += grid->columnWidth(column);
    grid->setFixedWidth(width);
    grid->setFocusPolicy(Qt::ClickFocus);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}

void ShowResultRows(StringGrid &grid, const std::vector<pheltra::ResultRow> &rows)
{
    const int needed = int(rows.size()) + 1;
    if (grid.rowCount() < needed)
        grid.AppendRows(needed - grid.rowCount());
    for (int row = 1; row < grid.rowCount(); ++row) {
        const bool filled = row <= int(rows.size());
        const pheltra::ResultRow *result = filled ? &rows[std::size_t(row - 1)] : nullptr;
        grid.SetCell(row, 0, filled ? result->label : QString());
        grid.SetCell(row, 1, filled ? pheltra::ShownValue(result->value) : QString());
        grid.SetCell(row, 2, filled ? result->unit : QString());
    }
}

QLabel *RefusalLabel(QWidget *parent)
{
    auto *label = Named(new QLabel(parent), "lblRefusal");
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

TOutputButtons AddOutputButtons(QWidget *window, QBoxLayout *layout)
{
    TOutputButtons buttons{DialogButton(window, "btnCopy", QStringLiteral("Copy")),
                           DialogButton(window, "btnSave", QStringLiteral("Save...")),
                           DialogButton(window, "btnPrint", QStringLiteral("Print...")),
                           DialogButton(window, "btnHelp", QStringLiteral("Help")),
                           DialogButton(window, "btnClose", QStringLiteral("Close"))};
    layout->addWidget(buttons.copy);
    layout->addWidget(buttons.save);
    layout->addWidget(buttons.print);
    layout->addStretch();
    layout->addWidget(buttons.help);
    layout->addWidget(buttons.close);
    QObject::connect(buttons.close, &QPushButton::clicked, window, &QWidget::hide);
    return buttons;
}

void ShowToolWindow(QWidget *window)
{
    // Centred the first time; afterwards where the user left it.
    const bool placed = window->property("placed").toBool();
    window->show();
    if (!placed) {
        CenterOnScreen(window);
        window->setProperty("placed", true);
    }
    window->raise();
    window->activateWindow();
}
