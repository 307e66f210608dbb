#pragma once

#include "model/fileitem.h"

#include <QList>
#include <QString>

// The items' names folded for searching (foldForSearch), kept in one buffer: a folder of a
// hundred thousand entries then needs one allocation for them instead of one per name.
class FoldedNames
{
public:
    FoldedNames() = default;
    explicit FoldedNames(const QList<FileItem> &items);

    // Whether the folded name of the item at `index` contains `foldedNeedle`.
    bool contains(qsizetype index, QStringView foldedNeedle) const
    {
        return at(index).contains(foldedNeedle);
    }
    QStringView at(qsizetype index) const;
    // Adds a name folded already, as the next item's.
    void append(QStringView folded);

    bool operator==(const FoldedNames &) const = default;

private:
    QString m_text;        // all folded names, one after another
    QList<quint32> m_ends; // where each name ends in `m_text`
};
