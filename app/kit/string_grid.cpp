#include "app/kit/string_grid.h"

#include "textio/font_faces.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

QFont FaceFont(const QFont &base, const char *face)
{
    QFont font = base;
    font.setFamilies(FontFamiliesFor(QString::fromLatin1(face)));
    return font;
}

// Paints a cell as its grid's look function says; the view draws the grid
// lines around it.
class CellPainter : public QStyledItemDelegate
{
public:
    explicit CellPainter(StringGrid *grid) : QStyledItemDelegate(grid), grid_(grid) { }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        StringGrid::CellLook look;
        if (grid_->Look())
            look = grid_->Look()(index.row(), index.column(), selected);
        else
            look.font = grid_->HeaderFont();
        // Headers and labels are disabled items (never selected or made
        // current) but are drawn in the colours of the others.
        const QPalette &palette = grid_->palette();
        const QColor background = look.background.isValid() ? look.background : palette.color(QPalette::Button);
        painter->save();
        painter->fillRect(option.rect, background);
        painter->setFont(look.font);
        painter->setPen(palette.color(QPalette::ButtonText));
        const QRect textRect = option.rect.adjusted(StringGrid::kTextIndent, 0, -StringGrid::kTextIndent, 0);
        painter->setClipRect(option.rect);
        painter->drawText(textRect, static_cast<int>(look.alignment | Qt::AlignVCenter),
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

private:
    StringGrid *grid_;
};

} // namespace

StringGrid::StringGrid(int rowCount, int columnCount, QWidget *parent) : QTableWidget(rowCount, columnCount, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    setItemDelegate(new CellPainter(this));
    verticalHeader()->setDefaultSectionSize(QFontMetrics(NumberFont()).height() + 6);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    for (int row = 0; row < rowCount; ++row)
        for (int column = 0; column < columnCount; ++column)
            SetCell(row, column, QString());
}

QString StringGrid::Cell(int row, int column) const
{
    const QTableWidgetItem *cell = item(row, column);
    return cell ? cell->text() : QString();
}

QStringList StringGrid::RowTexts(int row) const
{
    QStringList texts;
    for (int column = 0; column < columnCount(); ++column)
        texts.append(Cell(row, column));
    return texts;
}

void StringGrid::SetCell(int row, int column, const QString &text)
{
    if (QTableWidgetItem *cell = item(row, column)) {
        cell->setText(text);
        return;
    }
    auto *cell = new QTableWidgetItem(text);
    // Headers and labels can be neither selected nor made current.
    if (row == 0 || column == 0)
        cell->setFlags(Qt::NoItemFlags);
    else
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    setItem(row, column, cell);
}

void StringGrid::SetHeaders(const QStringList &headers)
{
    for (int column = 0; column < headers.size() && column < columnCount(); ++column)
        SetCell(0, column, headers[column]);
}

void StringGrid::NumberRows()
{
    for (int row = 1; row < rowCount(); ++row)
        SetCell(row, 0, QStringLiteral("%1:").arg(row));
}

void StringGrid::ClearRow(int row)
{
    for (int column = 1; column < columnCount(); ++column)
        SetCell(row, column, QString());
}

int StringGrid::AppendRows(int count)
{
    const int first = rowCount();
    setRowCount(first + count);
    for (int row = first; row < rowCount(); ++row)
        for (int column = 0; column < columnCount(); ++column)
            SetCell(row, column, QString());
    return first;
}

QFont StringGrid::HeaderFont() const
{
    return FaceFont(font(), "Arial");
}

QFont StringGrid::NumberFont() const
{
    return FaceFont(font(), "Courier New");
}

int StringGrid::TextWidth(const QFont &font, const QString &text)
{
    return ScreenTextWidth(font, text);
}

void StringGrid::FitColumnTo(int column, const QFont &font, const QString &text)
{
    setColumnWidth(column, TextWidth(font, text) + 2 * kTextIndent);
}

void StringGrid::SetFillColumn(int column, int slack)
{
    fillColumn_ = column;
    fillSlack_ = slack;
    FitFillColumn();
}

void StringGrid::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    FitFillColumn();
}

void StringGrid::FitFillColumn()
{
    if (fillColumn_ < 0 || fillColumn_ >= columnCount())
        return;
    int others = 0;
    for (int column = 0; column < columnCount(); ++column)
        if (column != fillColumn_)
            others += columnWidth(column);
    setColumnWidth(fillColumn_, std::max(1, viewport()->width() - others - fillSlack_));
}
