#include "filecolumn.h"

#include "localization.h"

QList<FileColumn> allFileColumns()
{
    return {FileColumn::name,
            FileColumn::modified,
            FileColumn::created,
            FileColumn::lastOpened,
            FileColumn::added,
            FileColumn::size,
            FileColumn::kind,
            FileColumn::permissions,
            FileColumn::owner};
}

QString columnTitle(FileColumn column)
{
    switch (column) {
    case FileColumn::name:
        return Bv::tr("Name");
    case FileColumn::modified:
        return Bv::tr("Änderungsdatum");
    case FileColumn::created:
        return Bv::tr("Erstellungsdatum");
    case FileColumn::lastOpened:
        return Bv::tr("Zuletzt geöffnet");
    case FileColumn::added:
        return Bv::tr("Hinzugefügt am");
    case FileColumn::size:
        return Bv::tr("Größe");
    case FileColumn::kind:
        return Bv::tr("Art");
    case FileColumn::permissions:
        return Bv::tr("Rechte");
    case FileColumn::owner:
        return Bv::tr("Besitzer");
    }
    return {};
}
