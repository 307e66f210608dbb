#include "model/foldednames.h"

#include "platform/textcompare.h"

FoldedNames::FoldedNames(const QList<FileItem> &items)
{
    m_ends.reserve(items.size());
    for (const FileItem &item : items) {
        m_text.append(foldForSearch(item.name));
        m_ends.append(quint32(m_text.size()));
    }
    m_text.squeeze();
}

QStringView FoldedNames::at(qsizetype index) const
{
    const qsizetype begin = index == 0 ? 0 : m_ends[index - 1];
    return QStringView(m_text).sliced(begin, m_ends[index] - begin);
}

void FoldedNames::append(QStringView folded)
{
    m_text.append(folded);
    m_ends.append(quint32(m_text.size()));
}
