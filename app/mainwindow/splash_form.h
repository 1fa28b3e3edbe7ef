// TSplashForm: the start-up window, which doubles as the About box. It shows
// the program's name, logo and version, the credits, and a message line that
// tells at start-up how the compound library loaded ("File CmpMix.dat not
// found!", "Error in reading line # 7 of file CmpMix.dat"), and above it the
// library line naming the file that was read (the working folder's or the
// installed one). About shows it with an empty message line; the library line
// stays. "Continue" closes it.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TSplashForm : public QDialog
{
    Q_OBJECT
public:
    explicit TSplashForm(QWidget *parent = nullptr);

    QString Version() const;
    void SetVersion(const QString &version);
    QString Message() const;
    void SetMessage(const QString &message);
    // The file read at start-up, shown as "Library: <path>" (shortened in the
    // middle when it is wider than the window; the whole path is the line's
    // tool tip). Empty when no file was read.
    QString LibraryFile() const { return libraryFile_; }
    void SetLibraryFile(const QString &path);
    QString LibraryLine() const;

    // Shows the window modally until "Continue"; it is hidden afterwards and
    // stays alive for the next showing.
    void Execute();

    QPushButton *ContinueButton() const { return btnContinue; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *lblVersion;
    QLabel *lblMessage;
    QLabel *lblLibrary;
    QString libraryFile_;
    QPushButton *btnContinue;
};
