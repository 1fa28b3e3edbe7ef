#include "graph/metafile.h"

#include "textio/atomic_file.h"

TMetafileFormat MetafileFormatFor(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? TMetafileFormat::Pdf : TMetafileFormat::Svg;
}

bool TMetafile::SaveToFile(const QString &fileName, QString *error) const
{
    if (data_.isEmpty()) {
        if (error)
            *error = QStringLiteral("The picture holds no drawing.");
        return false;
    }
    return SaveFileAtomically(fileName, data_, error);
}
