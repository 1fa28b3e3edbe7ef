// TUserMaterialDlg, "User Material": makes a material of the user's own from
// a chemical formula or from element symbols with mass fractions, with a
// name and a density, and shows its composition before it is kept. Opened
// by "New..." and "Edit..." of the absorber selection dialog.
#pragma once

#include "absorber/compound.h"
#include "absorber/material/input_error.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace pheltra::controls {
class TNumEdit;
}

class TUserMaterialDlg : public QDialog
{
    Q_OBJECT

public:
    // Answers why a material cannot be kept under a name (an empty text when
    // it can), and keeps it when it can.
    using Keeper = std::function<QString(const QString &name, const TCompound &compound)>;

    explicit TUserMaterialDlg(QWidget *parent = nullptr);

    // A new material: an empty form. True when `keep` took it.
    bool ExecuteNew(const Keeper &keep);
    // An existing user entry: its name is fixed, its formula (or, without
    // one, its fractions) and density are shown for editing.
    bool ExecuteEdit(const QString &name, const TCompound &compound, const Keeper &keep);

private:
    bool Run(const Keeper &keep);
    // The record the form describes now; what is wrong when it describes none.
    std::optional<TCompound> FormCompound(pheltra::InputError *problem) const;
    void UpdatePreview();
    void OkBtnClick();

    Keeper keep_;
    QLineEdit *editName;
    QRadioButton *rbFormula;
    QRadioButton *rbFractions;
    QLineEdit *editComposition;
    pheltra::controls::TNumEdit *numeditDensity;
    QPlainTextEdit *previewComposition;
    QLabel *lblProblem;
    QPushButton *OkBtn;
    QPushButton *CancelBtn;
};
