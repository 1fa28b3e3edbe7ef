#include "app/viewdialogs/atomic_data_view.h"

#include "app/kit/center_on_screen.h"
#include "app/kit/dialog_button.h"
#include "app/kit/help_system.h"
#include "app/reports/element_data.h"
#include "controls/system_sound.h"
#include "textio/font_faces.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using pheltra::controls::PlaySystemSound;
using pheltra::controls::SystemSound;

namespace {

// How ElementDataFields divides into the window's groups.
constexpr int kElementFieldCount = 6;
constexpr int kFluorescenceFieldCount = 3;
// The edges stand in three columns: K and the L shell, the M shell, the N shell.
constexpr int kEdgeColumnStarts[] = {0, 4, 9, kEdgeFieldCount};

// Wide enough for the longest text a field shows, an element name such as
// "Protactinium" or a weight such as "244.06420".
constexpr int kFieldCharacters = 13;

QLineEdit *DisplayField(QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus); // the values can be selected and copied
    QFont font;
    font.setFamilies(FontFamiliesFor(QStringLiteral("Courier New")));
    font.setPixelSize(QFontInfo(parent->font()).pixelSize());
    font.setBold(true);
    field->setFont(font);
    QPalette grey = field->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Button));
    field->setPalette(grey);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(kFieldCharacters, u'0')) + 10);
    return field;
}

} // namespace

TAtomicDataForm::TAtomicDataForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AtomicDataForm"));
    setWindowTitle(QStringLiteral("Atomic Data"));

    editElement = new QLineEdit(this);
    editElement->setObjectName(QStringLiteral("editElement"));
    editElement->setFixedWidth(editElement->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMM")) + 10);
    // Return in the input means "Enter".
    btnEnter = DialogButton(this, "btnEnter", QStringLiteral("Enter"), true);
    btnContinue = DialogButton(this, "btnContinue", QStringLiteral("Continue"));
    btnHelp = DialogButton(this, "btnHelp", QStringLiteral("Help"));
    connect(btnEnter, &QPushButton::clicked, this, &TAtomicDataForm::btnEnterClick);
    connect(btnContinue, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { Help::ShowTopic(this, QString::fromLatin1(Help::kTopicView)); });

    // The captions come with the texts, so the window and the batch tool
    // name every value alike.
    for (const auto &[caption, text] : ElementDataFields(ElementDataTexts{})) {
        captions_.append(caption);
        fields_.append(DisplayField(this));
    }

    auto addRows = [this](QGridLayout *grid, int first, int last, int column) {
        for (int i = first; i < last; ++i) {
            grid->addWidget(new QLabel(captions_[i], this), i - first, 2 * column, Qt::AlignRight);
            grid->addWidget(fields_[i], i - first, 2 * column + 1);
        }
    };

    auto *elementGroup = new QGroupBox(QStringLiteral(" Element data: "), this);
    auto *elementGrid = new QGridLayout(elementGroup);
    addRows(elementGrid, 0, kElementFieldCount, 0);

    auto *edgeGroup = new QGroupBox(QStringLiteral(" Absorption edges (keV): "), this);
    auto *edgeLayout = new QVBoxLayout(edgeGroup);
    edgeLayout->addWidget(new QLabel(QStringLiteral("(shown for energies > 1 keV)"), edgeGroup));
    auto *edgeGrid = new QGridLayout;
    for (int column = 0; column + 1 < static_cast<int>(std::size(kEdgeColumnStarts)); ++column) {
        addRows(edgeGrid, kElementFieldCount + kEdgeColumnStarts[column],
                kElementFieldCount + kEdgeColumnStarts[column + 1], column);
    }
    edgeGrid->setRowStretch(edgeGrid->rowCount(), 1);
    edgeLayout->addLayout(edgeGrid);

    auto *fluorescenceGroup = new QGroupBox(QStringLiteral(" Fluorescence data: "), this);
    auto *fluorescenceGrid = new QGridLayout(fluorescenceGroup);
    const int firstYield = static_cast<int>(fields_.size()) - kFluorescenceFieldCount;
    addRows(fluorescenceGrid, firstYield, firstYield + kFluorescenceFieldCount, 0);

    auto *inputRow = new QHBoxLayout;
    inputRow->addWidget(new QLabel(QStringLiteral("Enter an atomic number (1-99) or elemental symbol:"), this));
    inputRow->addWidget(editElement);
    inputRow->addWidget(btnEnter);
    inputRow->addStretch();

    auto *groupsRow = new QHBoxLayout;
    groupsRow->addWidget(elementGroup);
    groupsRow->addWidget(fluorescenceGroup, 0, Qt::AlignTop);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnContinue);
    buttons->addWidget(btnHelp);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(inputRow);
    layout->addLayout(groupsRow);
    layout->addWidget(edgeGroup);
    layout->addLayout(buttons);
    // A fixed dialog border: the window takes the size of its contents.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAtomicDataForm::Execute()
{
    exec();
}

QString TAtomicDataForm::FieldText(const QString &caption) const
{
    const qsizetype i = captions_.indexOf(caption);
    return i < 0 ? QString() : fields_[i]->text();
}

void TAtomicDataForm::btnEnterClick()
{
    const ElementLookup lookup = FindElement(editElement->text());
    switch (lookup.outcome) {
    case ElementLookup::Outcome::Found:
        ShowElement(lookup.z);
        break;
    case ElementLookup::Outcome::NotFound:
        editElement->setFocus(Qt::OtherFocusReason);
        PlaySystemSound(SystemSound::kBeep);
        break;
    case ElementLookup::Outcome::Empty:
        break;
    }
    editElement->clear();
}

void TAtomicDataForm::ShowElement(int z)
{
    const auto shown = ElementDataFields(ElementData(z, QLocale()));
    for (qsizetype i = 0; i < shown.size() && i < fields_.size(); ++i) {
        fields_[i]->setText(shown[i].second);
        fields_[i]->setCursorPosition(0);
    }
}

void TAtomicDataForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        CenterOnScreen(this);
    editElement->setFocus(Qt::ActiveWindowFocusReason);
}

void TAtomicDataForm::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        editElement->setFocus(Qt::ActiveWindowFocusReason);
}
