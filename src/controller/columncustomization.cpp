#include "controller/columncustomization.h"

#include "platform/preferencekeys.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonArray namesOf(const QList<FileColumn> &columns)
{
    QJsonArray names;
    for (FileColumn column : columns)
        names.append(rawValue(column));
    return names;
}

// The known columns named in `value`, or nothing when it is not an array of strings.
std::optional<QList<FileColumn>> columnsFrom(const QJsonValue &value)
{
    if (!value.isArray())
        return std::nullopt;
    QList<FileColumn> columns;
    for (const QJsonValue &name : value.toArray()) {
        if (!name.isString())
            return std::nullopt;
        if (const auto column = fileColumnFromRawValue(name.toString()))
            columns.append(*column);
    }
    return columns;
}

} // namespace

QByteArray ColumnCustomization::toJson() const
{
    QJsonObject widthObject;
    for (auto it = widths.cbegin(); it != widths.cend(); ++it)
        widthObject.insert(rawValue(it.key()), it.value());
    QList<FileColumn> hiddenColumns(hidden.cbegin(), hidden.cend());
    std::sort(hiddenColumns.begin(), hiddenColumns.end());
    const QJsonObject object{{QStringLiteral("order"), namesOf(order)},
                             {QStringLiteral("widths"), widthObject},
                             {QStringLiteral("hidden"), namesOf(hiddenColumns)}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<ColumnCustomization> ColumnCustomization::fromJson(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const auto order = columnsFrom(object.value(QStringLiteral("order")));
    const auto hidden = columnsFrom(object.value(QStringLiteral("hidden")));
    const QJsonValue widthValue = object.value(QStringLiteral("widths"));
    if (!order || !hidden || !widthValue.isObject())
        return std::nullopt;

    ColumnCustomization customization;
    customization.order = *order;
    customization.hidden = QSet<FileColumn>(hidden->cbegin(), hidden->cend());
    const QJsonObject widthObject = widthValue.toObject();
    for (auto it = widthObject.begin(); it != widthObject.end(); ++it) {
        // Numbers only, read within the stored layout's range.
        const std::optional<double> width =
            Pref::tableColumnCustomization.range->bounded(it.value().toVariant());
        if (!it.value().isDouble() || !width)
            return std::nullopt;
        if (const auto column = fileColumnFromRawValue(it.key()))
            customization.widths.insert(*column, *width);
    }
    return customization;
}
