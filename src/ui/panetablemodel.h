#pragma once

#include "fileitem.h"

#include <QAbstractTableModel>
#include <QPointer>

class PaneModel;

// The nine list columns over a pane's visible items. The pane stays the single source of truth;
// this model only follows it.
class PaneTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit PaneTableModel(PaneModel *pane, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    FileItem itemAt(int row) const { return m_items.at(row); }

private:
    void refresh();

    QPointer<PaneModel> m_pane;
    QList<FileItem> m_items;
};
