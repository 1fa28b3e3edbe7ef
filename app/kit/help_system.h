// The program's help: one HTML document, named "Pheltra.hlp" as the help
// file has always been called, with one anchored section per topic. It is
// compiled into the program as the resource ":/help/Pheltra.hlp", so the
// help can never go missing beside the executable. Windows ask for a topic
// by name; the help window opens over them at that section.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace Help {

inline constexpr char kHelpFileName[] = "Pheltra.hlp";

// The topics the windows open.
inline constexpr char kTopicMain[] = "Pheltra_Main";
inline constexpr char kTopicDataSetup[] = "menu_DataSetup";
inline constexpr char kTopicAbsorberSelection[] = "dlg_AbsSelection";
inline constexpr char kTopicPrintSave[] = "menu_PrintSave";
inline constexpr char kTopicPrintGraph[] = "menu_PrintGraph";
inline constexpr char kTopicView[] = "menu_View";
inline constexpr char kTopicShielding[] = "tool_Shielding";
inline constexpr char kTopicXrayBeam[] = "tool_XrayBeam";

// The application's help file, set once at start-up; empty before.
void SetHelpFile(const QString &fileName);
QString HelpFile();

// Where a help file of that name is read from: the program's resources.
QString HelpFilePath(const QString &fileName);

// The topic names (anchors) a help document defines, in document order.
QStringList TopicsIn(const QString &html);

// Opens the help file at `topic` in the help window, over the window the
// user works in (`parent`'s window, or the open modal dialog). Without a
// help file, or when the file lacks the topic, an error box says so and the
// result is false.
bool ShowTopic(QWidget *parent, const QString &topic);

// What opens a topic: by default the help window. A test installs its own
// to see which topic a button asked for; an empty viewer restores the
// window. Returns the one replaced.
using Viewer = std::function<void(QWidget *parent, const QString &file, const QString &topic)>;
Viewer SetViewer(Viewer viewer);

} // namespace Help
