#include "app/datasetup/user_materials.h"

#include "absorber/material/user_library.h"
#include "textio/atomic_file.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString NotUserEntry(const QString &name)
{
    return QStringLiteral("'%1' is no material of your own library.").arg(name);
}

} // namespace

TUserMaterials::TUserMaterials(CompoundLibrary &library, QString fileName)
    : library_(library), fileName_(std::move(fileName))
{ }

QString TUserMaterials::Add(const QString &name, const TCompound &compound)
{
    const int taken = library_.IndexOf(name);
    if (taken >= 0)
        return QStringLiteral("The library already holds a material named '%1'.").arg(library_.Name(taken));
    CompoundLibrary changed = library_;
    changed.Append(name, compound, true);
    changed.Sort();
    return Keep(std::move(changed));
}

QString TUserMaterials::Replace(const QString &name, const TCompound &compound)
{
    const int index = library_.IndexOf(name);
    if (index < 0 || !library_.IsUser(index))
        return NotUserEntry(name);
    CompoundLibrary changed = library_;
    const QString kept = changed.Name(index);
    changed.RemoveAt(index);
    changed.Append(kept, compound, true);
    changed.Sort();
    return Keep(std::move(changed));
}

QString TUserMaterials::Remove(const QString &name)
{
    const int index = library_.IndexOf(name);
    if (index < 0 || !library_.IsUser(index))
        return NotUserEntry(name);
    CompoundLibrary changed = library_;
    changed.RemoveAt(index);
    return Keep(std::move(changed));
}

QString TUserMaterials::Keep(CompoundLibrary changed)
{
    const QString folder = QFileInfo(fileName_).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder));
    QString error;
    if (!SaveFileAtomically(fileName_, pheltra::UserLibraryText(changed), &error))
        return QStringLiteral("%1 could not be written: %2").arg(QDir::toNativeSeparators(fileName_), error);
    library_ = std::move(changed);
    return {};
}
