#include "app/mainwindow/splash_form.h"

#include "textio/font_faces.h"
#include "app/kit/dialog_button.h"
#include "app/kit/center_on_screen.h"

#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 292;
constexpr int kHeight = 276;
constexpr QSize kLogoSize(152, 54);
// Space between the window's edge and its texts: the panel's layout margin
// and its bevel.
constexpr int kTextMargin = 10;

QFont ArialOfHeight(int pixels)
{
    QFont font;
    font.setFamilies(FontFamiliesFor(QStringLiteral("Arial")));
    font.setPixelSize(pixels);
    return font;
}

QLabel *Text(const QString &text, int pixels, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(ArialOfHeight(pixels));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPixmap Logo(qreal ratio)
{
    QPixmap logo(kLogoSize * ratio);
    logo.setDevicePixelRatio(ratio);
    logo.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/images/pheltra_logo.svg"));
    QPainter painter(&logo);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(kLogoSize)));
    return logo;
}

} // namespace

TSplashForm::TSplashForm(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashForm"));
    setWindowTitle(QStringLiteral("Pheltra"));
    setFixedSize(kWidth, kHeight);

    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);

    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    auto *lblName = Text(QStringLiteral("Pheltra:"), 20, panel);
    auto *lblPurpose = Text(QStringLiteral("photon attenuation data"), 20, panel);
    lblName->setPalette(black);
    lblPurpose->setPalette(black);
    QFont bold = lblName->font();
    bold.setBold(true);
    lblName->setFont(bold);

    auto *logo = new QLabel(panel);
    logo->setFixedSize(kLogoSize);
    logo->setScaledContents(true);
    logo->setPixmap(Logo(devicePixelRatioF()));

    auto *lblVersionWord = new QLabel(QStringLiteral("version"), panel);
    lblVersionWord->setFont(ArialOfHeight(17));
    lblVersion = new QLabel(panel);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setFont(ArialOfHeight(17));
    auto *versionLine = new QHBoxLayout;
    versionLine->addStretch();
    versionLine->addWidget(lblVersionWord);
    versionLine->addWidget(lblVersion);
    versionLine->addStretch();

    auto *lblCredits = Text(QStringLiteral("© 2026 the Pheltra developers · GPL-3.0-or-later\n"
                                           "Data: NIST (Hubbell & Seltzer); EPDL97, EADL, EPICS2017"),
                            10, panel);

    auto *rule = new QFrame(panel);
    rule->setFrameStyle(QFrame::HLine | QFrame::Raised);

    btnContinue = DialogButton(panel, "btnContinue", QStringLiteral("Continue"), true);
    btnContinue->setFixedSize(75, 25);
    connect(btnContinue, &QPushButton::clicked, this, &QDialog::accept);

    lblLibrary = Text(QString(), 11, panel);
    lblLibrary->setObjectName(QStringLiteral("lblLibrary"));

    lblMessage = Text(QString(), 13, panel);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    lblMessage->setPalette(blue);

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(kTextMargin - 2, 6, kTextMargin - 2, 4);
    layout->setSpacing(3);
    layout->addWidget(lblName);
    layout->addWidget(lblPurpose);
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    layout->addLayout(versionLine);
    layout->addWidget(lblCredits);
    layout->addWidget(rule);
    layout->addWidget(btnContinue, 0, Qt::AlignHCenter);
    layout->addWidget(lblLibrary);
    layout->addWidget(lblMessage);
}

QString TSplashForm::Version() const
{
    return lblVersion->text();
}

void TSplashForm::SetVersion(const QString &version)
{
    lblVersion->setText(version);
}

QString TSplashForm::Message() const
{
    return lblMessage->text();
}

void TSplashForm::SetMessage(const QString &message)
{
    lblMessage->setText(message);
}

void TSplashForm::SetLibraryFile(const QString &path)
{
    libraryFile_ = path;
    if (path.isEmpty()) {
        lblLibrary->clear();
        lblLibrary->setToolTip(QString());
        return;
    }
    const QString line = QStringLiteral("Library: %1").arg(QDir::toNativeSeparators(path));
    const int room = kWidth - 2 * kTextMargin;
    lblLibrary->setText(lblLibrary->fontMetrics().elidedText(line, Qt::ElideMiddle, room));
    lblLibrary->setToolTip(line);
}

QString TSplashForm::LibraryLine() const
{
    return lblLibrary->text();
}

void TSplashForm::Execute()
{
    exec();
    hide();
}

void TSplashForm::showEvent(QShowEvent *event)
{
    // Centred on the screen, not over the main window.
    CenterOnScreen(this);
    QDialog::showEvent(event);
}
