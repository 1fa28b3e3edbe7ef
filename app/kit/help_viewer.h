// The help window: the help document in a browser with Contents, Back,
// Forward and Close. One window serves the whole program; it is owned by the
// window it was last opened over and deletes itself when closed.
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

class THelpViewer : public QDialog
{
    Q_OBJECT
public:
    // The help window now open, or null.
    static THelpViewer *Current();
    // Opens `file` (a path Qt can read, resources included) at `topic`,
    // creating the window or moving it over `owner` as needed.
    static THelpViewer *Open(QWidget *owner, const QString &file, const QString &topic);

    // The anchor of the section shown last by ShowTopic or a link.
    QString CurrentTopic() const;
    QTextBrowser *Browser() const { return browser_; }

private:
    explicit THelpViewer(QWidget *owner);
    void ShowTopic(const QString &file, const QString &topic);

    QTextBrowser *browser_;
};
