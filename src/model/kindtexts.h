#pragma once

#include <QString>

// The kind texts of all items, each kept once for the whole process: items hold a 16-bit
// position instead of a string. The table only grows and may be used from any thread.
namespace KindTexts {

// The position of `text`, added when new. Position 0 is the empty text, which is also given
// once the table is full (far more texts than there are types of files).
quint16 indexOf(const QString &text);
QString at(quint16 index);

} // namespace KindTexts
