#pragma once

#include "model/fileitem.h"

#include <QWidget>

class QLabel;
class QPushButton;

// The last column of the column browser while a file is selected: its icon, name, kind, size
// and modification date, and a button that asks for the file to be opened.
class FilePreviewColumn : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 260;
    static constexpr int kIconSize = 128;
    static constexpr int kTopSpace = 20;

    explicit FilePreviewColumn(QWidget *parent = nullptr);

    const FileItem &item() const { return m_item; }
    void setItem(const FileItem &item);
    // The colour of the kind, size and date lines.
    void setSecondaryColor(const QColor &color);

signals:
    // The user asked to open the file with its default application.
    void openRequested(const QString &url);

protected:
    void changeEvent(QEvent *event) override;

private:
    void showItem();
    void applyFonts();

    FileItem m_item;
    QLabel *m_icon;
    QLabel *m_name;
    QLabel *m_facts;
    QLabel *m_modified;
    QPushButton *m_open;
};
