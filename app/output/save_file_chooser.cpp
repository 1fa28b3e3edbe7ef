#include "app/output/save_file_chooser.h"

#include <QFileDialog>

namespace SaveFileChooser {
namespace {

Handler &InstalledHandler()
{
    static Handler handler;
    return handler;
}

std::optional<Choice> ShowDialog(QWidget *parent, const Request &request)
{
    QFileDialog dialog(parent, request.caption);
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QStringList filterTexts;
    for (const Filter &filter : request.filters)
        filterTexts << filter.text;
    dialog.setNameFilters(filterTexts);
    // The suffix follows the filter the user picks, so that a name typed
    // without one still says what the file holds. The dialog adds it before
    // it asks about overwriting, so the question names the real file.
    auto suffixFor = [&request](const QString &filterText) {
        for (const Filter &filter : request.filters) {
            if (filter.text == filterText)
                return filter.suffix;
        }
        return QString();
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, suffixFor](const QString &text) { dialog.setDefaultSuffix(suffixFor(text)); });
    if (!request.filters.isEmpty()) {
        dialog.selectNameFilter(request.filters.front().text);
        dialog.setDefaultSuffix(request.filters.front().suffix);
    }
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return Choice{dialog.selectedFiles().front(), dialog.selectedNameFilter()};
}

} // namespace

std::optional<Choice> AskSaveFileName(QWidget *parent, const Request &request)
{
    if (const Handler &handler = InstalledHandler())
        return handler(parent, request);
    return ShowDialog(parent, request);
}

Handler SetHandler(Handler handler)
{
    return std::exchange(InstalledHandler(), std::move(handler));
}

} // namespace SaveFileChooser
