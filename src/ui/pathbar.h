#pragma once

#include <QScrollArea>

class QHBoxLayout;

// The pane's folder as a row of buttons, one per folder from the root down, scrolled so that the
// deepest folder is always in view. A click asks for that folder; the pane view decides.
class PathBar : public QScrollArea
{
    Q_OBJECT

public:
    explicit PathBar(QWidget *parent = nullptr);

    void showPath(const QString &folder, bool showIcons, const QColor &separatorColor);

signals:
    void folderClicked(const QString &folder);

private:
    QWidget *m_row;
    QHBoxLayout *m_layout;
};
