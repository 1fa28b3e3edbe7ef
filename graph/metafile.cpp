#include "graph/metafile.h"

#include <QSaveFile>

TMetafileFormat MetafileFormatFor(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? TMetafileFormat::Pdf : TMetafileFormat::Svg;
}

bool TMetafile::SaveToFile(const QString &fileName, QString *error) const
{
    auto fail = [&](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (data_.isEmpty())
        return fail(QStringLiteral("The picture holds no drawing."));
    QSaveFile file(fileName);
    // Unbuffered, so that a short write (a full disk) shows at write(): a
    // buffered QSaveFile flushes its last block at commit() and puts the cut
    // file in place without reporting the failure.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    if (file.write(data_) != data_.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
