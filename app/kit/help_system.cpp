#include "app/kit/help_system.h"

#include "app/kit/help_viewer.h"
#include "app/kit/user_prompt.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <utility>

namespace Help {
namespace {

QString &ApplicationHelpFile()
{
    static QString file;
    return file;
}

Viewer &InstalledViewer()
{
    static Viewer viewer;
    return viewer;
}

// The topics of each help file read so far; the files are resources and
// never change while the program runs.
const QStringList *TopicsOfFile(const QString &path)
{
    static QHash<QString, QStringList> cache;
    if (auto it = cache.constFind(path); it != cache.constEnd())
        return &*it;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    return &*cache.insert(path, TopicsIn(QString::fromUtf8(file.readAll())));
}

} // namespace

void SetHelpFile(const QString &fileName)
{
    ApplicationHelpFile() = fileName;
}

QString HelpFile()
{
    return ApplicationHelpFile();
}

QString HelpFilePath(const QString &fileName)
{
    return QStringLiteral(":/help/") + fileName;
}

QStringList TopicsIn(const QString &html)
{
    static const QRegularExpression anchor(QStringLiteral(R"re(<a\s+name\s*=\s*"([^"]+)")re"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList topics;
    for (const QRegularExpressionMatch &m : anchor.globalMatch(html))
        topics.append(m.captured(1));
    return topics;
}

bool ShowTopic(QWidget *parent, const QString &topic)
{
    const QString file = HelpFile();
    const QStringList *topics = file.isEmpty() ? nullptr : TopicsOfFile(HelpFilePath(file));
    if (!topics) {
        UserPrompt::Error(
            parent,
            QStringLiteral("Cannot open the help file %1.").arg(file.isEmpty() ? QStringLiteral("(none)") : file));
        return false;
    }
    if (!topics->contains(topic)) {
        UserPrompt::Error(parent, QStringLiteral("The help file %1 has no topic %2.").arg(file, topic));
        return false;
    }
    if (const Viewer &viewer = InstalledViewer())
        viewer(parent, file, topic);
    else
        THelpViewer::Open(parent, HelpFilePath(file), topic);
    return true;
}

Viewer SetViewer(Viewer viewer)
{
    return std::exchange(InstalledViewer(), std::move(viewer));
}

} // namespace Help
