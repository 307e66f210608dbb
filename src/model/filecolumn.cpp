#include "model/filecolumn.h"

#include "platform/localization.h"

// Asked for at every model index the list's table makes: one list, shared by every caller.
QList<FileColumn> allFileColumns()
{
    static const QList<FileColumn> columns{FileColumn::name,
                                           FileColumn::modified,
                                           FileColumn::created,
                                           FileColumn::lastOpened,
                                           FileColumn::added,
                                           FileColumn::size,
                                           FileColumn::kind,
                                           FileColumn::permissions,
                                           FileColumn::owner};
    return columns;
}

QString rawValue(FileColumn column)
{
    static const QStringList names{QStringLiteral("name"),
                                   QStringLiteral("modified"),
                                   QStringLiteral("created"),
                                   QStringLiteral("lastOpened"),
                                   QStringLiteral("added"),
                                   QStringLiteral("size"),
                                   QStringLiteral("kind"),
                                   QStringLiteral("permissions"),
                                   QStringLiteral("owner")};
    return names.value(int(column));
}

std::optional<FileColumn> fileColumnFromRawValue(const QString &name)
{
    for (FileColumn column : allFileColumns()) {
        if (rawValue(column) == name)
            return column;
    }
    return std::nullopt;
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
