#pragma once

#include "appearance/appicondesign.h"

#include <QAbstractButton>

// One design in the icon picker: the drawn icon, its name (semibold when chosen) and its
// description. The chosen cell is outlined in the accent colour on a faint accent background.
// Cells of one picker are exclusive: the arrow keys move between them, Space chooses.
class IconDesignCell : public QAbstractButton
{
    Q_OBJECT

public:
    explicit IconDesignCell(AppIconDesign design, QWidget *parent = nullptr);

    AppIconDesign design() const { return m_design; }
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textRect(int width) const;

    const AppIconDesign m_design;
};
