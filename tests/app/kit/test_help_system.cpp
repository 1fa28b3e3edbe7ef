// The help document holds every topic the windows open, its links lead to
// sections that exist, and the help window opens at the topic asked for.
#include "app/kit/help_system.h"
#include "app/kit/help_viewer.h"

#include "tests/app/support/help_topic_recorder.h"
#include "tests/app/support/scripted_prompt.h"

#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

QString ShippedHelp()
{
    QFile file(Help::HelpFilePath(QString::fromLatin1(Help::kHelpFileName)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "the help file is not among the resources";
    return QString::fromUtf8(file.readAll());
}

const char *const kProgramTopics[] = {Help::kTopicMain,      Help::kTopicDataSetup,  Help::kTopicAbsorberSelection,
                                      Help::kTopicPrintSave, Help::kTopicPrintGraph, Help::kTopicView,
                                      Help::kTopicShielding, Help::kTopicXrayBeam};

class HelpSystem : public ::testing::Test
{
protected:
    void SetUp() override { Help::SetHelpFile(QString::fromLatin1(Help::kHelpFileName)); }
    void TearDown() override
    {
        if (THelpViewer *viewer = THelpViewer::Current())
            delete viewer;
    }

    // No error box may wait for a click that never comes.
    ScriptedPrompt prompt_;
};

TEST_F(HelpSystem, TheShippedFileHoldsEveryTopicOnce)
{
    const QStringList topics = Help::TopicsIn(ShippedHelp());
    for (const char *topic : kProgramTopics)
        EXPECT_EQ(topics.count(QString::fromLatin1(topic)), 1) << topic;
}

TEST_F(HelpSystem, EveryLinkInTheFileLeadsToASection)
{
    const QString html = ShippedHelp();
    const QStringList topics = Help::TopicsIn(html);
    static const QRegularExpression link(QStringLiteral(R"re(href="#([^"]+)")re"));
    int links = 0;
    for (const QRegularExpressionMatch &m : link.globalMatch(html)) {
        ++links;
        EXPECT_TRUE(topics.contains(m.captured(1))) << m.captured(1).toStdString();
    }
    EXPECT_GE(links, 6);
}

TEST_F(HelpSystem, TopicNamesAreReadFromAnchors)
{
    EXPECT_EQ(Help::TopicsIn(QStringLiteral(R"(<a name="a"></a> <A NAME = "b_2">x</A> <a href="#c">)")),
              QStringList({QStringLiteral("a"), QStringLiteral("b_2")}));
}

TEST_F(HelpSystem, TheWindowOpensAtTheTopicAndIsReused)
{
    ASSERT_TRUE(Help::ShowTopic(nullptr, QString::fromLatin1(Help::kTopicView)));
    THelpViewer *viewer = THelpViewer::Current();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->CurrentTopic(), QString::fromLatin1(Help::kTopicView));
    EXPECT_TRUE(viewer->Browser()->toPlainText().contains(QStringLiteral("Atomic data and the coefficient table")));
    // The last section lies far down the document: the browser scrolled there.
    EXPECT_GT(viewer->Browser()->verticalScrollBar()->value(), 0);

    ASSERT_TRUE(Help::ShowTopic(nullptr, QString::fromLatin1(Help::kTopicMain)));
    EXPECT_EQ(THelpViewer::Current(), viewer);
    EXPECT_EQ(viewer->CurrentTopic(), QString::fromLatin1(Help::kTopicMain));
}

TEST_F(HelpSystem, OverAModalDialogTheWindowBelongsToIt)
{
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_TRUE(Help::ShowTopic(&dialog, QString::fromLatin1(Help::kTopicDataSetup)));
    ASSERT_NE(THelpViewer::Current(), nullptr);
    EXPECT_EQ(THelpViewer::Current()->parentWidget(), &dialog);
    EXPECT_TRUE(THelpViewer::Current()->isWindow());
}

TEST_F(HelpSystem, AnUnknownTopicIsReportedAndOpensNothing)
{
    prompt_.Answer(UserPrompt::Answer::Ok);
    EXPECT_FALSE(Help::ShowTopic(nullptr, QStringLiteral("menu_Nothing")));
    EXPECT_EQ(prompt_.TakeTexts(), QStringList(QStringLiteral("The help file Pheltra.hlp has no topic menu_Nothing.")));
    EXPECT_EQ(THelpViewer::Current(), nullptr);
}

TEST_F(HelpSystem, WithoutAHelpFileNothingOpens)
{
    Help::SetHelpFile(QString());
    prompt_.Answer(UserPrompt::Answer::Ok);
    HelpTopicRecorder recorder;
    EXPECT_FALSE(Help::ShowTopic(nullptr, QString::fromLatin1(Help::kTopicMain)));
    EXPECT_EQ(prompt_.Take().size(), 1u);
    EXPECT_TRUE(recorder.Take().isEmpty());
}

} // namespace
