#pragma once

#include <QColor>
#include <QStyledItemDelegate>

// Draws the list's cells: the name cell with its tree indentation, disclosure mark and icon,
// folder names in the theme's folder colour, the other cells in the secondary colour. Gives the
// name cell its inline rename field. Reports what the user does (a click on a disclosure mark,
// Return or Escape in the field) and leaves the decision to the list view.
class PaneItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int kIndentPerLevel = 16;
    static constexpr int kDisclosureWidth = 12;
    static constexpr int kIconSize = 16;

    using QStyledItemDelegate::QStyledItemDelegate;

    void setColors(const QColor &folder, const QColor &secondary);

    void paint(QPainter *painter,
               const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent,
                          const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    // The field's text belongs to the pane's rename state, not to the table.
    void setEditorData(QWidget *, const QModelIndex &) const override {}
    void setModelData(QWidget *, QAbstractItemModel *, const QModelIndex &) const override {}
    void updateEditorGeometry(QWidget *editor,
                              const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

    // Where the name cell's text starts, from the cell's left edge: indentation, disclosure slot.
    static int indentOf(const QModelIndex &index);
    // Whether `point` is on the disclosure mark of the name cell `index` drawn at `cell`.
    static bool isOnDisclosure(const QRect &cell, const QModelIndex &index, QPoint point);

signals:
    void disclosureClicked(const QModelIndex &index);
    void renameConfirmed();
    void renameCancelled();

protected:
    // Draws the cell's background across the whole cell, its icon and text within `content`.
    void paintIn(QPainter *painter,
                 const QStyleOptionViewItem &option,
                 const QModelIndex &index,
                 const QRect &content) const;
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event,
                     QAbstractItemModel *model,
                     const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static QRect disclosureRect(const QRect &cell, const QModelIndex &index);

    QColor m_folder;
    QColor m_secondary;
};
