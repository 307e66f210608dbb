#pragma once

#include <QTextEdit>

// A path or file name shown whole and selectable like a label. These often have no spaces to
// wrap at, so the lines break at any character; the height follows the width (heightForWidth), and
// when the room is smaller than the text, it scrolls.
class PathText : public QTextEdit
{
public:
    explicit PathText(const QString &path, QWidget *parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
