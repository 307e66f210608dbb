#pragma once

#include "theme.h"

#include <QListView>

class BivaneState;
struct FileItem;
class PaneModel;
class PaneTableModel;
class QAbstractButton;
class QLabel;

// The text-mode list of the retro presets: a header of three sortable titles, the parent row
// and one line per visible item of the pane in name, size and date columns, coloured from the
// theme's palette. Selection, sort order and tree expansion live in the pane; clicks go to the
// pane and the controller through the view behaviour, keys to the controller's key dispatch.
class RetroListView : public QListView
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

    QAbstractButton *titleButton(Column column) const { return m_titles.at(int(column)); }
    QLabel *parentRow() const { return m_parentRow; }
    // Shown in place of the rows while the pane's folder cannot be read.
    QLabel *errorText() const { return m_errorText; }
    // The three cell texts of a row as drawn: name with its tree prefix, size and date.
    QStringList cellTexts(int row) const;
    // Where the row's three cells are drawn inside `line`.
    int shownSideColumns(int innerWidth) const;
    QList<QRect> cellRects(const QRect &line) const;
    void paintRow(QPainter &painter, const QRect &line, int row) const;

protected:
    void updateGeometries() override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *makeHeader();
    void showSortOrder();
    void sortBy(Column column);
    void followTheme(const Theme &theme, const Palette &colors);
    void showError();
    bool isOnDisclosure(int row, int x) const;
    QString treePrefix(int row) const;
    static QString nameText(const FileItem &item);

    PaneModel &m_pane;
    PaneTableModel *m_model;
    QList<QAbstractButton *> m_titles;
    // Wide enough for the longest date of the locale in the theme's font.
    int m_dateWidth = 140;
    QWidget *m_header;
    QLabel *m_parentRow;
    QLabel *m_errorText;
    Palette m_colors;
    bool m_showIcons = true;
};

// `table` and a retro list on the same pane, showing the retro list while the controller's
// theme is retro and the table otherwise.
QWidget *withRetroList(BivaneState &state, PaneModel &pane, QWidget *table);
