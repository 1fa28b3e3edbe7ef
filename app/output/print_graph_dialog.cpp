#include "app/output/print_graph_dialog.h"

#include "app/kit/center_on_screen.h"
#include "app/kit/help_system.h"
#include "app/kit/num_edit_support.h"
#include "app/kit/user_prompt.h"
#include "controls/num_edit.h"
#include "controls/numeric_text.h"
#include "app/kit/dialog_button.h"
#include "app/kit/named_widget.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <optional>

using pheltra::controls::TNumEdit;

namespace {

TNumEdit *MillimetreField(const char *name, bool blankZero, QWidget *parent)
{
    auto *field = Named(new TNumEdit(parent), name);
    field->SetEntryRequired(pheltra::controls::TNumEditType::integervalue);
    field->SetEntryBlankZero(blankZero);
    field->SetDisplayFormat(QStringLiteral("0;-0"));
    field->SetMaximum(32767);
    field->SetMinimum(-32768);
    return field;
}

// The field's number cut to whole millimetres; nothing while its text is no
// number yet (the field's own exit check will speak to that).
std::optional<int> WholeMM(const TNumEdit *field)
{
    const std::optional<long double> value =
        pheltra::controls::ParseNumericText(field->text(), field->DecimalSeparator());
    if (!value)
        return std::nullopt;
    // Far beyond any page either way; keeps the sums below within int.
    constexpr long double kLimit = 1.0e6L;
    return static_cast<int>(std::trunc(std::clamp(*value, -kLimit, kLimit)));
}

QString Millimetres(int value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

// The fit check of one field: when `offset` + the field's value runs over
// `limit`, the user is told the largest value that fits and the field gets
// it.
void KeepWithin(QWidget *dialog, TNumEdit *field, std::optional<int> offset, int limit, const char *what)
{
    const std::optional<int> value = WholeMM(field);
    if (!value || !offset || *offset + *value <= limit)
        return;
    const int largest = limit - *offset;
    UserPrompt::Warning(
        dialog, QStringLiteral("Currently available maximum %1: ").arg(QLatin1String(what)) + Millimetres(largest));
    ShowFieldValue(field, largest);
}

} // namespace

TGraphPlacementMM PrintGraphPlacement(const TPrintGraphSettings &settings)
{
    TGraphPlacementMM placement;
    if (!settings.center) {
        placement.left = settings.leftMargin;
        placement.top = settings.topMargin;
    }
    if (!settings.fullPage) {
        placement.width = settings.horSize;
        placement.height = settings.verSize;
    }
    return placement;
}

TMRPrintGraphDlg::TMRPrintGraphDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MRPrintGraphDlg"));
    setWindowTitle(QStringLiteral("Print Graph"));
    BuildControls();
    LoadControls();
}

void TMRPrintGraphDlg::BuildControls()
{
    lblPrintSize = Named(new QLabel(this), "lblPrintSize");
    lblGraphSize = Named(new QLabel(QStringLiteral("Graph Size: "), this), "lblGraphSize");
    cbFullPage = Named(new QCheckBox(QStringLiteral("Full page"), this), "cbFullPage");
    neHorSize = MillimetreField("neHorSize", true, this);
    neVerSize = MillimetreField("neVerSize", true, this);
    lblHorSize = Named(new QLabel(QStringLiteral("horizontal :"), this), "lblHorSize");
    lblVerSize = Named(new QLabel(QStringLiteral("vertical :"), this), "lblVerSize");
    lblMM3 = Named(new QLabel(QStringLiteral("mm"), this), "lblMM3");
    lblMM4 = Named(new QLabel(QStringLiteral("mm"), this), "lblMM4");
    lblPosition = Named(new QLabel(QStringLiteral("Graph position :"), this), "lblPosition");
    cbCenter = Named(new QCheckBox(QStringLiteral("Center in page"), this), "cbCenter");
    neLeftM = MillimetreField("neLeftM", false, this);
    neTopM = MillimetreField("neTopM", false, this);
    lblLeftM = Named(new QLabel(QStringLiteral("left margin :"), this), "lblLeftM");
    lblTopM = Named(new QLabel(QStringLiteral("top margin :"), this), "lblTopM");
    lblMM1 = Named(new QLabel(QStringLiteral("mm"), this), "lblMM1");
    lblMM2 = Named(new QLabel(QStringLiteral("mm"), this), "lblMM2");
    lblHorSize->setBuddy(neHorSize);
    lblVerSize->setBuddy(neVerSize);
    lblLeftM->setBuddy(neLeftM);
    lblTopM->setBuddy(neTopM);
    for (TNumEdit *field : {neHorSize, neVerSize, neLeftM, neTopM}) {
        field->setFixedWidth(64);
        confirmations_.push_back({field, new FieldConfirmation(field)});
    }

    auto *grid = new QGridLayout;
    auto addRow = [grid](int row, QLabel *label, TNumEdit *field, QLabel *unit) {
        grid->addWidget(label, row, 1, Qt::AlignRight);
        grid->addWidget(field, row, 2);
        grid->addWidget(unit, row, 3);
    };
    grid->addWidget(lblGraphSize, 0, 0);
    grid->addWidget(cbFullPage, 0, 1, 1, 3);
    addRow(1, lblHorSize, neHorSize, lblMM3);
    addRow(2, lblVerSize, neVerSize, lblMM4);
    grid->setRowMinimumHeight(3, 10);
    grid->addWidget(lblPosition, 4, 0);
    grid->addWidget(cbCenter, 4, 1, 1, 3);
    addRow(5, lblLeftM, neLeftM, lblMM1);
    addRow(6, lblTopM, neTopM, lblMM2);

    btnPrint = DialogButton(this, "btnPrint", QStringLiteral("Print"));
    btnPrint->setDefault(true);
    btnCancel = DialogButton(this, "btnCancel", QStringLiteral("Cancel"));
    btnHelp = DialogButton(this, "btnHelp", QStringLiteral("Help"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnPrint);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblPrintSize);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cbFullPage, &QCheckBox::clicked, this, &TMRPrintGraphDlg::cbFullPageClick);
    connect(cbCenter, &QCheckBox::clicked, this, &TMRPrintGraphDlg::cbCenterClick);
    connect(neLeftM, &QLineEdit::textChanged, this, &TMRPrintGraphDlg::neLeftMChange);
    connect(neTopM, &QLineEdit::textChanged, this, &TMRPrintGraphDlg::neTopMChange);
    connect(neHorSize, &QLineEdit::textChanged, this, &TMRPrintGraphDlg::neHorSizeChange);
    connect(neVerSize, &QLineEdit::textChanged, this, &TMRPrintGraphDlg::neVerSizeChange);
    connect(btnPrint, &QPushButton::clicked, this, &TMRPrintGraphDlg::btnPrintClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { Help::ShowTopic(this, QString::fromLatin1(Help::kTopicPrintGraph)); });
}

void TMRPrintGraphDlg::SetPrintableSize(int widthMM, int heightMM)
{
    printableWidth_ = widthMM;
    printableHeight_ = heightMM;
}

bool TMRPrintGraphDlg::Execute()
{
    LoadControls();
    for (const auto &[field, confirmation] : confirmations_)
        confirmation->Reset();
    return exec() == QDialog::Accepted;
}

void TMRPrintGraphDlg::LoadControls()
{
    // The values arrive one by one; checked one by one, a size would be
    // measured against a margin not loaded yet.
    loading_ = true;
    cbFullPage->setChecked(settings_.fullPage);
    cbCenter->setChecked(settings_.center);
    ShowFieldValue(neHorSize, settings_.horSize);
    ShowFieldValue(neVerSize, settings_.verSize);
    ShowFieldValue(neLeftM, settings_.leftMargin);
    ShowFieldValue(neTopM, settings_.topMargin);
    loading_ = false;
    SetSizeControlsEnabled(!settings_.fullPage);
    SetMarginControlsEnabled(!settings_.fullPage && !settings_.center);
}

void TMRPrintGraphDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
    CenterOnScreen(this);
}

void TMRPrintGraphDlg::FormShow()
{
    lblPrintSize->setText(QStringLiteral("Printable page size (W x H):") + Millimetres(printableWidth_) +
                          QStringLiteral(" x ") + Millimetres(printableHeight_) + QStringLiteral(" mm"));
    // The page may have shrunk since the settings were checked (another
    // printer, another paper): check them against this page now, so that
    // printing never starts with a size that does not fit.
    if (cbFullPage->isChecked())
        return;
    neHorSizeChange();
    neVerSizeChange();
    if (!cbCenter->isChecked()) {
        neLeftMChange();
        neTopMChange();
    }
}

void TMRPrintGraphDlg::cbFullPageClick()
{
    // Back from full page, the margin controls come back too, whatever
    // "Center in page" says.
    const bool enabled = !cbFullPage->isChecked();
    SetSizeControlsEnabled(enabled);
    SetMarginControlsEnabled(enabled);
}

void TMRPrintGraphDlg::cbCenterClick()
{
    SetMarginControlsEnabled(!cbCenter->isChecked());
    neLeftMChange();
    neTopMChange();
}

void TMRPrintGraphDlg::SetSizeControlsEnabled(bool enabled)
{
    for (QWidget *control :
         {static_cast<QWidget *>(lblHorSize), static_cast<QWidget *>(neHorSize), static_cast<QWidget *>(lblMM3),
          static_cast<QWidget *>(lblVerSize), static_cast<QWidget *>(neVerSize), static_cast<QWidget *>(lblMM4),
          static_cast<QWidget *>(cbCenter)})
        control->setEnabled(enabled);
}

void TMRPrintGraphDlg::SetMarginControlsEnabled(bool enabled)
{
    for (QWidget *control :
         {static_cast<QWidget *>(lblLeftM), static_cast<QWidget *>(neLeftM), static_cast<QWidget *>(lblMM1),
          static_cast<QWidget *>(lblTopM), static_cast<QWidget *>(neTopM), static_cast<QWidget *>(lblMM2)})
        control->setEnabled(enabled);
}

void TMRPrintGraphDlg::neLeftMChange()
{
    if (!loading_)
        KeepWithin(this, neLeftM, WholeMM(neHorSize), printableWidth_, "left margin");
}

void TMRPrintGraphDlg::neTopMChange()
{
    if (!loading_)
        KeepWithin(this, neTopM, WholeMM(neVerSize), printableHeight_, "top margin");
}

void TMRPrintGraphDlg::neHorSizeChange()
{
    if (!loading_)
        KeepWithin(this, neHorSize, cbCenter->isChecked() ? 0 : WholeMM(neLeftM), printableWidth_, "horizontal size");
}

void TMRPrintGraphDlg::neVerSizeChange()
{
    if (!loading_)
        KeepWithin(this, neVerSize, cbCenter->isChecked() ? 0 : WholeMM(neTopM), printableHeight_, "vertical size");
}

void TMRPrintGraphDlg::btnPrintClick()
{
    for (const auto &[field, confirmation] : confirmations_) {
        if (field->isEnabled() && !confirmation->Passes())
            return;
    }
    settings_.fullPage = cbFullPage->isChecked();
    settings_.center = cbCenter->isChecked();
    settings_.horSize = WholeMM(neHorSize).value_or(0);
    settings_.verSize = WholeMM(neVerSize).value_or(0);
    settings_.leftMargin = WholeMM(neLeftM).value_or(0);
    settings_.topMargin = WholeMM(neTopM).value_or(0);
    accept();
}
