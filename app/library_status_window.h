// A small window that tells how the compound library loaded: the start-up
// message (empty when all went well) and the number of entries.
#pragma once

#include "absorber/compound_file.h"

#include <QWidget>

class QLabel;

class LibraryStatusWindow : public QWidget
{
    Q_OBJECT

public:
    LibraryStatusWindow(LibraryStatus status, int entryCount, QWidget *parent = nullptr);

    QString MessageText() const;
    QString EntryCountText() const;

private:
    QLabel *lblMessage_;
    QLabel *lblEntryCount_;
};
