// Answers the program's message boxes and input boxes in the user's place
// while it lives: each request takes the next queued answer and is recorded,
// so a test can say what was asked, in which order. A request with no answer
// queued fails the test and is answered as by closing the box.
#pragma once

#include "app/kit/user_prompt.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <utility>
#include <vector>

class ScriptedPrompt
{
public:
    ScriptedPrompt()
        : previous_(
              UserPrompt::SetHandler([this](QWidget *, const UserPrompt::Request &request) { return Reply(request); }))
    { }
    ~ScriptedPrompt() { UserPrompt::SetHandler(std::move(previous_)); }
    ScriptedPrompt(const ScriptedPrompt &) = delete;
    ScriptedPrompt &operator=(const ScriptedPrompt &) = delete;

    // The user's next answer; for an input box, the text confirmed with OK.
    void Answer(UserPrompt::Answer answer) { replies_.push_back({answer, {}}); }
    void AnswerText(const QString &text) { replies_.push_back({UserPrompt::Answer::Ok, text}); }

    // Everything asked so far; forgets it.
    std::vector<UserPrompt::Request> Take() { return std::exchange(asked_, {}); }
    // The texts asked so far; forgets them.
    QStringList TakeTexts()
    {
        QStringList texts;
        for (const UserPrompt::Request &r : Take())
            texts.append(r.text);
        return texts;
    }

private:
    UserPrompt::Reply Reply(const UserPrompt::Request &request)
    {
        asked_.push_back(request);
        if (replies_.empty()) {
            ADD_FAILURE() << "unexpected prompt: " << request.text.toStdString();
            return {Closed(request.kind), {}};
        }
        UserPrompt::Reply reply = replies_.front();
        replies_.pop_front();
        return reply;
    }

    static UserPrompt::Answer Closed(UserPrompt::Kind kind)
    {
        switch (kind) {
        case UserPrompt::Kind::Confirmation:
            return UserPrompt::Answer::No;
        case UserPrompt::Kind::WarningOkCancel:
        case UserPrompt::Kind::TextInput:
            return UserPrompt::Answer::Cancel;
        default:
            return UserPrompt::Answer::Ok;
        }
    }

    std::deque<UserPrompt::Reply> replies_;
    std::vector<UserPrompt::Request> asked_;
    UserPrompt::Handler previous_;
};
