// The splash window: its texts, the library messages it shows at start-up,
// and "Continue", which hides it for the next showing.
#include "app/mainwindow/splash_form.h"

#include "absorber/compound_file.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QStringList LabelTexts(const QWidget &window)
{
    QStringList texts;
    for (const QLabel *label : window.findChildren<QLabel *>())
        texts.append(label->text());
    return texts;
}

TEST(SplashForm, ShowsNameVersionAndMessage)
{
    TSplashForm splash;
    splash.SetVersion(QStringLiteral("1.0.1"));
    splash.SetMessage(LibraryStatusMessage(kLibraryNotFound));
    EXPECT_EQ(splash.Version(), QStringLiteral("1.0.1"));
    EXPECT_EQ(splash.Message(), QStringLiteral("File CmpMix.dat not found!"));
    const QStringList texts = LabelTexts(splash);
    for (const char *text : {"Pheltra:", "photon attenuation data", "version", "1.0.1"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
    EXPECT_EQ(splash.size(), QSize(292, 276));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash.ContinueButton()->text(), QStringLiteral("Continue"));
    EXPECT_EQ(splash.ContinueButton()->size(), QSize(75, 25));
}

TEST(SplashForm, LibraryMessagesAsTheStartUpWordsThem)
{
    EXPECT_EQ(LibraryStatusMessage(kLibraryLoaded), QString());
    EXPECT_EQ(LibraryStatusMessage(7), QStringLiteral("Error in reading line # 7 of file CmpMix.dat"));
    EXPECT_EQ(LibraryStatusMessage(kLibraryNotFound), QStringLiteral("File CmpMix.dat not found!"));
}

TEST(SplashForm, NamesTheLibraryFileReadEvenWhenItsPathIsLong)
{
    TSplashForm splash;
    EXPECT_TRUE(splash.LibraryLine().isEmpty());
    splash.SetLibraryFile(QStringLiteral("/usr/share/pheltra/CmpMix.dat"));
    EXPECT_EQ(splash.LibraryLine(), QStringLiteral("Library: /usr/share/pheltra/CmpMix.dat"));

    const QString deep = QStringLiteral("/home/user/") + QString(40, QLatin1Char('d')) + QStringLiteral("/CmpMix.dat");
    splash.SetLibraryFile(deep);
    EXPECT_EQ(splash.LibraryFile(), deep);
    // Shortened in the middle, so that the file name itself stays visible;
    // the whole path is the tool tip.
    const QLabel *line = splash.findChild<QLabel *>(QStringLiteral("lblLibrary"));
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->text().startsWith(QStringLiteral("Library: /home")));
    EXPECT_TRUE(line->text().endsWith(QStringLiteral("CmpMix.dat")));
    EXPECT_LT(line->text().size(), QStringLiteral("Library: ").size() + deep.size());
    EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), splash.width());
    EXPECT_EQ(line->toolTip(), QStringLiteral("Library: ") + deep);

    splash.SetLibraryFile(QString());
    EXPECT_TRUE(splash.LibraryLine().isEmpty());
    EXPECT_TRUE(line->toolTip().isEmpty());
}

TEST(SplashForm, ContinueClosesAndHides)
{
    TSplashForm splash;
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        wasModal = QApplication::activeModalWidget() == &splash;
        splash.ContinueButton()->click();
    });
    splash.Execute();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(splash.isVisible());
}

} // namespace
