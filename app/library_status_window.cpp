#include "app/library_status_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

LibraryStatusWindow::LibraryStatusWindow(LibraryStatus status, int entryCount, QWidget *parent)
    : QWidget(parent)
    , lblMessage_(new QLabel(LibraryStatusMessage(status), this))
    , lblEntryCount_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Pheltra"));
    auto *lblTitle = new QLabel(
        tr("<b>Pheltra %1</b><br>Photon interaction coefficients of materials")
            .arg(QCoreApplication::applicationVersion()),
        this);
    lblEntryCount_->setText(tr("%1 entries in the compound library %2")
                                .arg(QLocale().toString(entryCount),
                                     QString::fromLatin1(kCompoundLibraryFileName)));

    QFont emphasis = lblMessage_->font();
    emphasis.setBold(true);
    lblMessage_->setFont(emphasis);
    lblMessage_->setVisible(!lblMessage_->text().isEmpty());

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addSpacing(8);
    layout->addWidget(lblMessage_);
    layout->addWidget(lblEntryCount_);
    layout->addStretch();
    setMinimumSize(360, 120);
}

QString LibraryStatusWindow::MessageText() const
{
    return lblMessage_->text();
}

QString LibraryStatusWindow::EntryCountText() const
{
    return lblEntryCount_->text();
}
