// The line colour of the data setup dialog: a field whose background shows
// the colour. A double-click asks for another one, as the "..." button does.
#pragma once

#include <QColor>
#include <QFrame>

class ColorSwatch : public QFrame
{
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget *parent = nullptr);

    QColor Color() const { return color_; }
    void SetColor(const QColor &color);

    QSize sizeHint() const override;

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QColor color_ = Qt::black;
};
