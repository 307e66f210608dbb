#pragma once

#include <QList>
#include <QString>
#include <optional>

// The case among `all` whose raw value (its stored case name: "list", "azurin", "viewer") is
// exactly `raw`; `rawValue` is the enumeration's own function.
template<typename Enum>
std::optional<Enum> caseWithRawValue(const QString &raw, const QList<Enum> &all)
{
    for (Enum value : all) {
        if (rawValue(value) == raw)
            return value;
    }
    return std::nullopt;
}
