#include "controller/selectionorder.h"

#include "platform/textcompare.h"

#include <algorithm>

QStringList sortedByPath(const QSet<QString> &selection)
{
    QStringList paths(selection.cbegin(), selection.cend());
    const QCollator collator = naturalCollator();
    std::sort(paths.begin(), paths.end(), [&](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return paths;
}

QList<qsizetype> selectedPositions(const QList<FileItem> &items, const QSet<QString> &selection)
{
    QList<qsizetype> positions;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (selection.contains(items[i].url()))
            positions.append(i);
    }
    return positions;
}
