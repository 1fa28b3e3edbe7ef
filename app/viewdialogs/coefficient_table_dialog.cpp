#include "app/viewdialogs/coefficient_table_dialog.h"

#include "app/viewdialogs/coefficient_grid.h"
#include "app/viewdialogs/coefficient_table.h"
#include "app/kit/center_on_screen.h"
#include "app/kit/dialog_button.h"
#include "app/kit/help_system.h"
#include "app/kit/num_edit_support.h"
#include "controls/num_edit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

using pheltra::controls::kNoLowerBound;
using pheltra::controls::kNoUpperBound;
using pheltra::controls::TNumEdit;
using pheltra::controls::TNumEditType;

namespace {

const QString kTitle = QStringLiteral("Calculate coefficients (max. 100) in units cm²/g:");
const QString kPicture = QStringLiteral("0.00;-0.00");
// Below the table the window keeps this margin.
constexpr int kTableBottomMargin = 6;

TNumEdit *EnergyField(QWidget *parent, const char *name, bool blankZero, long double minimum)
{
    auto *field = new TNumEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->SetEntryRequired(TNumEditType::floatingpointvalue);
    field->SetEntryBlankZero(blankZero);
    field->SetDisplayFormat(kPicture);
    field->SetMaximum(kNoUpperBound);
    field->SetMinimum(minimum);
    field->SetValue(1.0L);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000000.00")) + 12);
    return field;
}

} // namespace

TCoeffTableDlg::TCoeffTableDlg(const DataSets &sets, QWidget *parent) : QDialog(parent), sets_(sets)
{
    setObjectName(QStringLiteral("CoeffTableDlg"));
    setWindowTitle(QStringLiteral("Coefficient Data"));
    setSizeGripEnabled(true);

    lblTitle = new QLabel(kTitle, this);
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);

    numeditFrom = EnergyField(this, "numeditFrom", false, 1.0L);
    numeditTo = EnergyField(this, "numeditTo", false, kNoLowerBound);
    numeditInterval = EnergyField(this, "numeditInterval", true, kNoLowerBound);
    // Return in a field applies the grid.
    btnApply = DialogButton(this, "btnApply", QStringLiteral("Apply"), true);
    btnContinue = DialogButton(this, "btnContinue", QStringLiteral("Continue"));
    btnHelp = DialogButton(this, "btnHelp", QStringLiteral("Help"));
    btnCopy = DialogButton(this, "btnCopy", QStringLiteral("Copy"));
    btnCopy->setToolTip(QStringLiteral("Copy the table as tab-separated text (Ctrl+C)"));
    connect(btnApply, &QPushButton::clicked, this, &TCoeffTableDlg::btnApplyClick);
    connect(btnContinue, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { Help::ShowTopic(this, QString::fromLatin1(Help::kTopicView)); });
    connect(btnCopy, &QPushButton::clicked, this, &TCoeffTableDlg::CopyTable);

    CoeffGrid = new TCoeffGrid(this);
    CoeffGrid->SetHeaderRow(0, CoeffTableTitleRow());
    auto *copyAction = new QAction(QStringLiteral("Copy"), CoeffGrid);
    copyAction->setShortcuts(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WindowShortcut);
    connect(copyAction, &QAction::triggered, this, &TCoeffTableDlg::CopyTable);
    CoeffGrid->addAction(copyAction);
    CoeffGrid->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *panelGrid = new QGridLayout(panel);
    panelGrid->addWidget(new QLabel(QStringLiteral("Photon Energy Grid (in units keV):"), panel), 0, 0, 1, 7);
    int column = 0;
    for (const auto &[caption, field] :
         {std::pair{QStringLiteral("from:"), numeditFrom}, std::pair{QStringLiteral("to:"), numeditTo},
          std::pair{QStringLiteral("Interval:"), numeditInterval}}) {
        auto *label = new QLabel(caption, panel);
        label->setBuddy(field);
        panelGrid->addWidget(label, 1, column++, Qt::AlignRight);
        panelGrid->addWidget(field, 1, column++);
    }
    panelGrid->addWidget(btnApply, 1, column);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(btnContinue);
    buttons->addWidget(btnHelp);
    buttons->addWidget(btnCopy);
    buttons->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(panel);
    top->addStretch();
    top->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addLayout(top);
    layout->addWidget(CoeffGrid, 1);
    QMargins margins = layout->contentsMargins();
    margins.setBottom(kTableBottomMargin);
    layout->setContentsMargins(margins);

    // As wide as it was made; as high as the user likes, within the screen.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int screenHeight = screen ? screen->availableGeometry().height() : QWIDGETSIZE_MAX;
    setMinimumSize(kWidth, kMinimumHeight);
    setMaximumSize(kWidth, std::max(kMinimumHeight, screenHeight));
    resize(kWidth, kMinimumHeight);
}

void TCoeffTableDlg::PrepareOpening()
{
    lblTitle->setText(kTitle);
    CoeffGrid->ClearDataRows();
    CoeffGrid->SetHeaderRow(1, CoeffTableLegendRow(sets_));
}

void TCoeffTableDlg::Execute()
{
    PrepareOpening();
    exec();
}

void TCoeffTableDlg::btnApplyClick()
{
    const CoeffTableGrid typed{numeditFrom->Value(), numeditTo->Value(), numeditInterval->Value()};
    const CoeffTableGrid grid = CorrectedGrid(typed);
    // Shown through the fields' picture also when nothing was corrected: an
    // entry confirmed with Return was never left, so never re-displayed.
    ShowFieldValue(numeditFrom, grid.from);
    ShowFieldValue(numeditTo, grid.to);
    ShowFieldValue(numeditInterval, grid.interval);
    if (!AnyCoefficientType(sets_))
        return;
    CoeffGrid->SetDataRows(CoeffTableRows(sets_, grid, QLocale()));
    CoeffGrid->scrollToTop();
}

void TCoeffTableDlg::CopyTable()
{
    QGuiApplication::clipboard()->setText(TabSeparatedText(CoeffGrid->AllRows()));
}

void TCoeffTableDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        CenterOnScreen(this);
}
