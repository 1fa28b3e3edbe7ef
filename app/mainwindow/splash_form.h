// TSplashForm: the start-up window, which doubles as the About box. It shows
// the program's name, logo and version, the credits, and a message line that
// tells at start-up how the compound library loaded ("File CmpMix.dat not
// found!", "Error in reading line # 7 of file CmpMix.dat"); About shows it
// with an empty message line. "Continue" closes it.
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

    // Shows the window modally until "Continue"; it is hidden afterwards and
    // stays alive for the next showing.
    void Execute();

    QPushButton *ContinueButton() const { return btnContinue; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *lblVersion;
    QLabel *lblMessage;
    QPushButton *btnContinue;
};
