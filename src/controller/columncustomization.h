#pragma once

#include "model/filecolumn.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QSet>
#include <optional>

// How the user arranged the list view's columns: their order, widths and which are hidden.
// Stored as JSON: {"order": ["name", …], "widths": {"name": 260, …}, "hidden": ["added", …]}.
struct ColumnCustomization
{
    QList<FileColumn> order; // empty: the natural order of the columns
    QMap<FileColumn, double> widths;
    QSet<FileColumn> hidden;

    bool operator==(const ColumnCustomization &) const = default;

    QByteArray toJson() const;
    // Nothing when `json` is not such a record. Column names this version does not know are
    // skipped, so that a layout saved by a newer version still loads; widths are brought into
    // the range of the stored layout.
    static std::optional<ColumnCustomization> fromJson(const QByteArray &json);
};

Q_DECLARE_METATYPE(ColumnCustomization)
