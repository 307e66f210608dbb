#pragma once

#include <QSettings>

// A QSettings format that stores one JSON object, so that booleans, numbers, strings, lists,
// maps and byte data come back with the type they were written with. Data is written as an
// object {"@data": "<base64>"}, which JSON has no type of its own for.
QSettings::Format jsonSettingsFormat();

// Whether `content` is a preference file that format reads: one JSON object.
bool isJsonSettings(const QByteArray &content);
