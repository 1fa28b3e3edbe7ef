#include "app/kit/help_viewer.h"
#include "app/kit/dialog_button.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPointer<THelpViewer> &OpenViewer()
{
    static QPointer<THelpViewer> viewer;
    return viewer;
}

QUrl TopicUrl(const QString &file, const QString &topic)
{
    QUrl url = file.startsWith(u':') ? QUrl(QStringLiteral("qrc") + file) : QUrl::fromLocalFile(file);
    url.setFragment(topic);
    return url;
}

} // namespace

THelpViewer::THelpViewer(QWidget *owner) : QDialog(owner), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Pheltra Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    browser_->setOpenExternalLinks(true);

    auto *btnContents = DialogButton(this, "btnContents", QStringLiteral("Contents"));
    auto *btnBack = DialogButton(this, "btnBack", QStringLiteral("Back"));
    auto *btnForward = DialogButton(this, "btnForward", QStringLiteral("Forward"));
    auto *btnClose = DialogButton(this, "btnClose", QStringLiteral("Close"));
    btnBack->setEnabled(false);
    btnForward->setEnabled(false);
    connect(btnContents, &QPushButton::clicked, this, [this] {
        QUrl top = browser_->source();
        top.setFragment(QString());
        browser_->setSource(top, QTextDocument::HtmlResource);
        browser_->scrollToAnchor(QStringLiteral("contents"));
    });
    connect(btnBack, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(btnForward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, btnBack, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, btnForward, &QPushButton::setEnabled);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnContents);
    buttons->addWidget(btnBack);
    buttons->addWidget(btnForward);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(640, 560);
}

THelpViewer *THelpViewer::Current()
{
    return OpenViewer();
}

THelpViewer *THelpViewer::Open(QWidget *owner, const QString &file, const QString &topic)
{
    // While a dialog runs modally, every window outside it is blocked; the
    // help window must belong to that dialog to be usable beside it.
    if (QWidget *modal = QApplication::activeModalWidget())
        owner = modal;
    else if (owner)
        owner = owner->window();
    QPointer<THelpViewer> &viewer = OpenViewer();
    if (!viewer) {
        viewer = new THelpViewer(owner);
    } else if (viewer->parentWidget() != owner) {
        const QRect place = viewer->geometry();
        viewer->setParent(owner, viewer->windowFlags());
        viewer->setGeometry(place);
    }
    viewer->ShowTopic(file, topic);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

void THelpViewer::ShowTopic(const QString &file, const QString &topic)
{
    browser_->setSource(TopicUrl(file, topic), QTextDocument::HtmlResource);
}

QString THelpViewer::CurrentTopic() const
{
    return browser_->source().fragment();
}
