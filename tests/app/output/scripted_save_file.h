// Chooses the file of the next save-file dialogs in the user's place and
// records what the dialogs asked, while it lives.
#pragma once

#include "app/output/save_file_chooser.h"

#include <deque>
#include <utility>
#include <vector>

namespace output_test {

class ScriptedSaveFile
{
public:
    ScriptedSaveFile()
        : previous_(SaveFileChooser::SetHandler([this](QWidget *, const SaveFileChooser::Request &request) {
              asked_.push_back(request);
              if (choices_.empty())
                  return std::optional<SaveFileChooser::Choice>();
              std::optional<SaveFileChooser::Choice> choice = choices_.front();
              choices_.pop_front();
              return choice;
          }))
    { }
    ~ScriptedSaveFile() { SaveFileChooser::SetHandler(std::move(previous_)); }
    ScriptedSaveFile(const ScriptedSaveFile &) = delete;
    ScriptedSaveFile &operator=(const ScriptedSaveFile &) = delete;

    // The user's next choice; nothing queued means Cancel.
    void Choose(const QString &fileName, const QString &filter = QString())
    {
        choices_.push_back(SaveFileChooser::Choice{fileName, filter});
    }
    void Cancel() { choices_.push_back(std::nullopt); }

    // The dialogs opened so far; forgets them.
    std::vector<SaveFileChooser::Request> Take() { return std::exchange(asked_, {}); }

private:
    std::deque<std::optional<SaveFileChooser::Choice>> choices_;
    std::vector<SaveFileChooser::Request> asked_;
    SaveFileChooser::Handler previous_;
};

} // namespace output_test
