#include "app/viewdialogs/coefficient_grid.h"

#include "textio/font_faces.h"
#include "graph/painter_canvas.h"
#include "graph/rich_text_draw.h"

#include <QAbstractTableModel>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

// The data rows, and the header rows for the header view.
class CoeffTableModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    static constexpr int kLegendRole = Qt::UserRole;

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : kCoeffTableColumns; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return rows_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
    }
    // Row 0 of the header as the display role, row 1 as kLegendRole.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= kCoeffTableColumns)
            return {};
        const auto column = static_cast<std::size_t>(section);
        if (role == Qt::DisplayRole)
            return header_[0][column];
        if (role == kLegendRole)
            return header_[1][column];
        return {};
    }

    void SetHeaderRow(int row, const CoeffTableRow &texts)
    {
        header_[static_cast<std::size_t>(row)] = texts;
        emit headerDataChanged(Qt::Horizontal, 0, kCoeffTableColumns - 1);
    }
    void SetRows(std::vector<CoeffTableRow> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    const CoeffTableRow &HeaderRow(int row) const { return header_[static_cast<std::size_t>(row)]; }
    const std::vector<CoeffTableRow> &Rows() const { return rows_; }

private:
    std::array<CoeffTableRow, kCoeffTableHeaderRows> header_;
    std::vector<CoeffTableRow> rows_;
};

namespace {

QColor ButtonFace(const QWidget *widget)
{
    return widget->palette().color(QPalette::Button);
}

class DataCellDelegate : public QStyledItemDelegate
{
public:
    explicit DataCellDelegate(TCoeffGrid *grid) : QStyledItemDelegate(grid), grid_(grid) { }
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        PaintCoeffCell(*painter, option.rect, ButtonFace(grid_), grid_->DataFont(), index.data().toString(), true,
                       false);
    }

private:
    TCoeffGrid *grid_;
};

// The two header rows, painted as cells of the grid.
class TwoRowHeader : public QHeaderView
{
public:
    explicit TwoRowHeader(TCoeffGrid *grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid)
    {
        setSectionsClickable(false);
        setHighlightSections(false);
        setSectionResizeMode(QHeaderView::Fixed);
    }

    int RowHeight() const { return grid_->verticalHeader()->defaultSectionSize(); }

    QSize sizeHint() const override { return {QHeaderView::sizeHint().width(), kCoeffTableHeaderRows * RowHeight()}; }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        if (!rect.isValid())
            return;
        const QAbstractItemModel *m = model();
        const QRect title(rect.left(), rect.top(), rect.width(), RowHeight());
        const QRect legend(rect.left(), rect.top() + RowHeight(), rect.width(), rect.height() - RowHeight());
        const QColor face = ButtonFace(grid_);
        PaintCoeffCell(*painter, title, face, grid_->HeaderFont(),
                       m->headerData(logicalIndex, Qt::Horizontal, Qt::DisplayRole).toString(), false, false);
        PaintCoeffCell(*painter, legend, face, grid_->HeaderFont(),
                       m->headerData(logicalIndex, Qt::Horizontal, CoeffTableModel::kLegendRole).toString(), false,
                       logicalIndex > 0);
        // The grid's lines between the header cells, as the view draws them
        // between the data cells.
        painter->save();
        QStyleOptionViewItem option;
        option.initFrom(grid_);
        painter->setPen(
            QColor::fromRgba(static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, grid_))));
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->drawLine(title.bottomLeft(), title.bottomRight());
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        painter->restore();
    }

private:
    TCoeffGrid *grid_;
};

} // namespace

void PaintCoeffCell(QPainter &painter, const QRect &cell, const QColor &face, const QFont &font, const QString &text,
                    bool rightAligned, bool markup)
{
    painter.save();
    painter.fillRect(cell, face);
    painter.setClipRect(cell);
    painter.setPen(Qt::black);
    if (markup) {
        TPainterCanvas canvas(painter);
        TGraphFont graphFont;
        graphFont.Name = QStringLiteral("Arial");
        graphFont.Height = -QFontInfo(font).pixelSize();
        graphFont.Color = Qt::black;
        canvas.SetFont(graphFont);
        const int room = cell.width() - 2 * TCoeffGrid::kTextIndent;
        const QString shown =
            CutToWidth(text, room, [&canvas](const QString &t) { return MeasureRichText(canvas, t); });
        DrawRotatedRichText(canvas, cell.left() + TCoeffGrid::kTextIndent, cell.top() + TCoeffGrid::kTextTop, shown, 0,
                            0, 0);
    } else {
        painter.setFont(font);
        const QRect inner = cell.adjusted(TCoeffGrid::kTextIndent, TCoeffGrid::kTextTop, -TCoeffGrid::kTextIndent, 0);
        painter.drawText(inner, Qt::AlignTop | (rightAligned ? Qt::AlignRight : Qt::AlignLeft), text);
    }
    painter.restore();
}

TCoeffGrid::TCoeffGrid(QWidget *parent) : QTableView(parent), model_(new CoeffTableModel(this))
{
    setObjectName(QStringLiteral("CoeffGrid"));
    PrepareFonts();
    setModel(model_);
    setHorizontalHeader(new TwoRowHeader(this));
    setItemDelegate(new DataCellDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(dataFont_).height() + 2 * kTextTop + 1);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

void TCoeffGrid::PrepareFonts()
{
    // Copies of the grid's own font in the two faces.
    headerFont_ = font();
    headerFont_.setFamilies(FontFamiliesFor(QStringLiteral("Arial")));
    dataFont_ = font();
    dataFont_.setFamilies(FontFamiliesFor(QStringLiteral("Courier New")));
}

void TCoeffGrid::SetHeaderRow(int row, const CoeffTableRow &texts)
{
    model_->SetHeaderRow(row, texts);
    horizontalHeader()->viewport()->update();
}

void TCoeffGrid::SetDataRows(std::vector<CoeffTableRow> rows)
{
    model_->SetRows(std::move(rows));
}

int TCoeffGrid::RowCount() const
{
    return kCoeffTableHeaderRows + model_->rowCount();
}

QString TCoeffGrid::Cell(int row, int column) const
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= kCoeffTableColumns)
        return {};
    if (row < kCoeffTableHeaderRows)
        return model_->HeaderRow(row)[static_cast<std::size_t>(column)];
    return model_->Rows()[static_cast<std::size_t>(row - kCoeffTableHeaderRows)][static_cast<std::size_t>(column)];
}

std::vector<CoeffTableRow> TCoeffGrid::AllRows() const
{
    std::vector<CoeffTableRow> rows{model_->HeaderRow(0), model_->HeaderRow(1)};
    rows.insert(rows.end(), model_->Rows().begin(), model_->Rows().end());
    return rows;
}

int TCoeffGrid::ClientWidth() const
{
    return width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width();
}

void TCoeffGrid::FitColumns()
{
    // Column 0 takes the width of its longest text, the data sets share the
    // rest evenly, and column 0 takes what the division leaves over.
    const int client = ClientWidth();
    const int energyWidth = QFontMetrics(font()).horizontalAdvance(QStringLiteral("  Energy       "));
    const int setWidth = std::max(0, (client - energyWidth - 4) / DataSets::kCount);
    for (int column = 1; column < kCoeffTableColumns; ++column)
        setColumnWidth(column, setWidth);
    setColumnWidth(0, client - DataSets::kCount * setWidth - 6);
    fittedWidth_ = width();
}

void TCoeffGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    if (width() != fittedWidth_)
        FitColumns();
}

void TCoeffGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        PrepareFonts();
        verticalHeader()->setDefaultSectionSize(QFontMetrics(dataFont_).height() + 2 * kTextTop + 1);
        FitColumns();
    }
}
