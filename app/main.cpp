// Pheltra: photon interaction coefficients of materials. The program reads
// its compound library CmpMix.dat from the working folder at start-up and
// keeps nothing between runs.
#include "app/mainwindow/program.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pheltra"));
    QApplication::setApplicationVersion(QString::fromLatin1(kPheltraVersion));

    TPheltraProgram program;
    program.ShowSplash();
    return QApplication::exec();
}
