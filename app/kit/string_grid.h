// A read-only grid of texts after the manner of the classic string grid:
// row 0 holds the column headers and column 0 the row labels, and the grid
// paints every cell itself, in the face, alignment and background that its
// dialog picks for that cell. Rows and columns are counted with the header
// row and the label column included, so row 1 is the first row of data.
#pragma once

#include <QFont>
#include <QPalette>
#include <QTableWidget>

#include <functional>

class StringGrid : public QTableWidget
{
    Q_OBJECT

public:
    // How one cell is painted: the text in `font` with `alignment`, three
    // pixels clear of the cell's side, in the button-text colour on
    // `background`.
    struct CellLook
    {
        QFont font;
        Qt::Alignment alignment = Qt::AlignLeft;
        QColor background;
    };
    // The look of the cell at (row, column); `selected` when the cell lies
    // in the grid's selection.
    using LookOf = std::function<CellLook(int row, int column, bool selected)>;

    // Space between a cell's side and its text.
    static constexpr int kTextIndent = 3;

    StringGrid(int rowCount, int columnCount, QWidget *parent = nullptr);

    QString Cell(int row, int column) const;
    void SetCell(int row, int column, const QString &text);
    // The texts of `row`, label included, from left to right.
    QStringList RowTexts(int row) const;
    // Fills the header row, from column 0 on.
    void SetHeaders(const QStringList &headers);
    // Labels every row below the header "1:", "2:", ...
    void NumberRows();
    // Empties the cells of `row` from column 1 on (the label stays).
    void ClearRow(int row);
    // Adds rows at the bottom, their cells empty, and returns the first new
    // row.
    int AppendRows(int count);

    void SetLook(LookOf look) { look_ = std::move(look); }
    const LookOf &Look() const { return look_; }

    // The grids' two faces at the size of the dialog's font: "Arial" for
    // headers and names, "Courier New" for numbers.
    QFont HeaderFont() const;
    QFont NumberFont() const;
    // Width of `text` in `font` on the screen.
    static int TextWidth(const QFont &font, const QString &text);
    // Makes `column` as wide as `text` in `font`, plus the text's indent on
    // either side, so that a text of that width shows whole.
    void FitColumnTo(int column, const QFont &font, const QString &text);

    // `column` takes whatever width the other columns leave, less `slack`
    // pixels, now and whenever the grid is resized.
    void SetFillColumn(int column, int slack);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void FitFillColumn();

    LookOf look_;
    int fillColumn_ = -1;
    int fillSlack_ = 0;
};
