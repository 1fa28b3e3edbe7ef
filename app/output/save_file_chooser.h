// The file dialog of "Save Data", "Save Graph" and the set-up commands
// (which also open a file). Commands ask for a file name through
// AskSaveFileName and never open a QFileDialog themselves,
// so that a test can choose the file in the user's place by installing its
// own chooser.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace SaveFileChooser {

struct Filter
{
    QString text;   // as listed, e.g. "Text files (*.txt)"
    QString suffix; // appended to a typed name without one; empty: none
};

struct Request
{
    QString caption;
    QString initialName;
    QList<Filter> filters; // the first is selected at opening
    bool open = false;     // an existing file to read, not a file to write
};

struct Choice
{
    QString fileName;       // absolute, with the chosen filter's suffix where one was missing
    QString selectedFilter; // the text of the filter in use when the user confirmed
};

// Shows the platform's save-file dialog modally over `parent`. The dialog
// asks before it lets the user pick an existing file and only accepts a
// name in an existing folder. Nothing when the user cancelled.
std::optional<Choice> AskSaveFileName(QWidget *parent, const Request &request);

using Handler = std::function<std::optional<Choice>(QWidget *parent, const Request &request)>;

// Installs `handler` for every later request and returns the one it
// replaces; an empty handler restores the real dialog.
Handler SetHandler(Handler handler);

} // namespace SaveFileChooser
