#pragma once

#include "model/fileitem.h"

#include <QList>
#include <QSet>
#include <QStringList>

// The selection in natural order of the full paths: the order every command works through it.
QStringList sortedByPath(const QSet<QString> &selection);

// Positions of the selected items among `items`, in display order.
QList<qsizetype> selectedPositions(const QList<FileItem> &items, const QSet<QString> &selection);
