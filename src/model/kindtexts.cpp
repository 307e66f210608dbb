#include "model/kindtexts.h"

#include <QHash>
#include <QList>
#include <QReadWriteLock>
#include <limits>

namespace {

struct Table
{
    QReadWriteLock lock;
    QList<QString> texts{QString()};
    QHash<QString, quint16> positions{{QString(), 0}};
};

Table &table()
{
    static Table instance;
    return instance;
}

} // namespace

namespace KindTexts {

quint16 indexOf(const QString &text)
{
    Table &kinds = table();
    {
        QReadLocker reading(&kinds.lock);
        if (const auto found = kinds.positions.constFind(text); found != kinds.positions.cend())
            return *found;
    }
    QWriteLocker writing(&kinds.lock);
    if (const auto found = kinds.positions.constFind(text); found != kinds.positions.cend())
        return *found; // added by another thread meanwhile
    if (kinds.texts.size() > std::numeric_limits<quint16>::max())
        return 0;
    const auto index = quint16(kinds.texts.size());
    kinds.texts.append(text);
    kinds.positions.insert(text, index);
    return index;
}

QString at(quint16 index)
{
    Table &kinds = table();
    QReadLocker reading(&kinds.lock);
    return kinds.texts.value(index);
}

} // namespace KindTexts
