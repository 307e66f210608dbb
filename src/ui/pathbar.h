#pragma once

#include <QScrollArea>

class QHBoxLayout;

// The pane's folder as a row of buttons, one per folder from the root down, scrolled so that the
// deepest folder is always in view. Where the row is too long, the folders nearest the root
// give way to a "…" in front. A click asks for that folder; the pane view decides.
class PathBar : public QScrollArea
{
    Q_OBJECT

public:
    explicit PathBar(QWidget *parent = nullptr);

    void showPath(const QString &folder, bool showIcons, const QColor &separatorColor);

signals:
    void folderClicked(const QString &folder);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitSegments();

    QWidget *m_row;
    QHBoxLayout *m_layout;
    // Each folder's button with the separator before it (none for the root).
    QList<QPair<QWidget *, QWidget *>> m_segments;
    QWidget *m_ellipsis = nullptr;
};
