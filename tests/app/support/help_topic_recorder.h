// Records the help topics the program opens while it lives, instead of
// opening the help window.
#pragma once

#include "app/kit/help_system.h"

#include <QStringList>

#include <utility>

class HelpTopicRecorder
{
public:
    HelpTopicRecorder()
        : previous_(Help::SetViewer([this](QWidget *, const QString &file, const QString &topic) {
              files_.append(file);
              topics_.append(topic);
          }))
    { }
    ~HelpTopicRecorder() { Help::SetViewer(std::move(previous_)); }
    HelpTopicRecorder(const HelpTopicRecorder &) = delete;
    HelpTopicRecorder &operator=(const HelpTopicRecorder &) = delete;

    // The topics opened so far; forgets them.
    QStringList Take() { return std::exchange(topics_, {}); }
    // The help files they were opened in; forgets them.
    QStringList TakeFiles() { return std::exchange(files_, {}); }

private:
    QStringList files_, topics_;
    Help::Viewer previous_;
};
