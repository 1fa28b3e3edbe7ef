// TAtomicDataForm, the "Atomic Data" window of the View menu: the user types
// an atomic number or an element symbol and sees the element's data, the
// absorption edges of data source H and the fluorescence data. It is created
// once and reused, so the fields keep the last element shown between
// openings. What is looked up and how each value reads is decided in
// app/reports/element_data.h; this window only asks and shows.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QLineEdit;
class QPushButton;

class TAtomicDataForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAtomicDataForm(QWidget *parent = nullptr);

    // Shows the window modally until "Continue" (or Escape).
    void Execute();

    // The text of the display field with this caption ("K:", "Symbol:", ...);
    // empty for a caption the window does not have.
    QString FieldText(const QString &caption) const;

    // Finds the element the input names and shows it; a number outside 1..99
    // or a symbol of no element beeps and puts the focus back on the input.
    // The input is cleared in every case. Return in the input does the same.
    void btnEnterClick();

    QLineEdit *editElement;
    QPushButton *btnEnter, *btnContinue, *btnHelp;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void ShowElement(int z);

    // The display fields in the order of ElementDataFields, with their captions.
    QList<QLineEdit *> fields_;
    QList<QString> captions_;
};
