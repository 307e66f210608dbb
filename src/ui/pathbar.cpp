#include "pathbar.h"

#include "fileicons.h"
#include "pathcodec.h"
#include "pathnames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

PathBar::PathBar(QWidget *parent)
    : QScrollArea(parent)
    , m_row(new QWidget)
    , m_layout(new QHBoxLayout(m_row))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(2);
    setWidget(m_row);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    // Whenever the row grows or the bar shrinks, the end stays in view.
    connect(horizontalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int maximum) {
        horizontalScrollBar()->setValue(maximum);
    });
}

void PathBar::showPath(const QString &folder, bool showIcons, const QColor &separatorColor)
{
    while (QLayoutItem *item = m_layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const QString path = PathNames::standardized(folder);
    QStringList targets{QStringLiteral("/")};
    for (const QString &component : path.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        targets.append(PathNames::joined(targets.last(), component));

    QPalette separatorPalette = palette();
    separatorPalette.setColor(QPalette::WindowText, separatorColor);
    for (const QString &target : targets) {
        if (target != targets.first()) {
            auto *separator = new QLabel(QStringLiteral("›"));
            separator->setPalette(separatorPalette);
            m_layout->addWidget(separator);
        }
        auto *button = new QToolButton;
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setText(PathCodec::displayText(PathNames::lastComponent(target)));
        if (showIcons) {
            button->setIcon(FileIcons::folder());
            button->setIconSize(QSize(14, 14));
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
        connect(
            button, &QToolButton::clicked, this, [this, target] { emit folderClicked(target); });
        m_layout->addWidget(button);
    }
    m_layout->addStretch();
    // Buttons made while the bar is on screen report no size until they are polished.
    setFixedHeight(std::max(m_row->sizeHint().height(), fontMetrics().height() + 12));
}
