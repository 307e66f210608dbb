#pragma once

#include "appearance/theme.h"

#include <QTableView>

class BivaneState;
struct FileItem;
class PaneModel;
class PaneTableModel;
class QLabel;
class RetroHeader;

// The text-mode list of the retro presets: the pane's table with three of its columns (name,
// size, date), a retro header of three sortable titles with the parent row below them, and
// cells drawn as text in the theme's palette. Selection, sort order and tree expansion live in
// the pane; clicks go to the pane and the controller through the view behaviour, keys to the
// controller's key dispatch.
class RetroListView : public QTableView
{
    Q_OBJECT

public:
    enum class Column { name, size, date };
    static constexpr int kSizeWidth = 90;
    static constexpr int kSpacing = 8;
    static constexpr int kMargin = 6;
    // What a name keeps before the date and the size make room for it.
    static constexpr int kNameLeastCharacters = 10;

    RetroListView(BivaneState &state, PaneModel &pane, QWidget *parent = nullptr);

    // The title as shown, with the mark of the sorting column.
    QString titleText(Column column) const;
    // The header section that shows `column`.
    static int sectionOf(Column column);
    QLabel *parentRow() const { return m_parentRow; }
    // Shown in place of the rows while the pane's folder cannot be read.
    QLabel *errorText() const { return m_errorText; }
    // The three cell texts of a row as drawn: name with its tree prefix, size and date.
    QStringList cellTexts(int row) const;
    // How many of the size and the date fit beside a readable name in `innerWidth`.
    int shownSideColumns(int innerWidth) const;
    // Draws the cell `index` into `cell`; the header draws its titles with the same margins.
    void paintCell(QPainter &painter, const QRect &cell, const QModelIndex &index) const;
    // Where a cell's text goes inside the cell of `section`.
    QRect textRect(const QRect &cell, int section) const;
    const Palette &colors() const { return m_colors; }

protected:
    void updateGeometries() override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void sortBy(Column column);
    void followTheme(const Theme &theme, const Palette &colors);
    void showError();
    void fitColumns();
    bool followFontHeight();
    bool isOnDisclosure(int row, int x) const;
    QString treePrefix(int row) const;
    static QString nameText(const FileItem &item);

    PaneModel &m_pane;
    PaneTableModel *m_model;
    RetroHeader *m_header = nullptr; // made once the table has its model
    QLabel *m_parentRow;
    QLabel *m_errorText;
    // Wide enough for the longest date of the locale in the theme's font.
    int m_dateWidth = 140;
    Palette m_colors;
    bool m_showIcons = true;
};

// `table` and a retro list on the same pane, showing the retro list while the controller's
// theme is retro and the table otherwise.
QWidget *withRetroList(BivaneState &state, PaneModel &pane, QWidget *table);
