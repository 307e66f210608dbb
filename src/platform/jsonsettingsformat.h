#pragma once

#include <QByteArray>
#include <QVariantMap>
#include <optional>

// The preference file's form: one JSON object, so that booleans, numbers, strings, lists, maps
// and byte data come back with the type they were written with. Data is written as an object
// {"@data": "<base64>"}, which JSON has no type of its own for.

// The values in `content`, or nothing when it is not one JSON object.
std::optional<QVariantMap> parseJsonSettings(const QByteArray &content);
QByteArray formatJsonSettings(const QVariantMap &values);
