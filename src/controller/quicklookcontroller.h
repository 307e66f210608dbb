#pragma once

#include <QObject>
#include <QStringList>

class QKeyEvent;
class ShortcutStore;

// What the preview window shows: the list of items it pages through, the one shown now, and
// whether it is open; it tells of the arrow keys pressed while it has the keyboard. One per
// controller; the window observes it and hands it its key presses.
class QuickLookController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items NOTIFY itemsChanged)
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)
    Q_PROPERTY(bool isVisible READ isVisible WRITE setIsVisible NOTIFY isVisibleChanged)

public:
    explicit QuickLookController(const ShortcutStore &shortcuts, QObject *parent = nullptr);

    QStringList items() const { return m_items; }
    // Position of the item shown in `items`; -1 while the list is empty.
    int currentIndex() const { return m_currentIndex; }
    // The path shown now; empty while the list is empty.
    QString currentItem() const { return m_items.value(m_currentIndex); }
    bool isVisible() const { return m_isVisible; }

    // Indexes outside the list are ignored.
    void setCurrentIndex(int index);
    void setIsVisible(bool isVisible);
    // The quick-look action: closes the open preview; else shows `items` from `first` on.
    void toggle(const QStringList &items, const QString &first);
    // Replaces the list and shows `first` (the first item when it is not in the list); opens the
    // preview when it is closed.
    void replace(const QStringList &items, const QString &first);

    // A key press while the preview has the keyboard; true when it is consumed. The arrows are
    // told as arrowPressed; Escape and the keys bound to quickLook
    // or view close the preview; anything else is left to the window.
    bool handleKeyPress(const QKeyEvent &event);

signals:
    void itemsChanged();
    void currentIndexChanged();
    void isVisibleChanged();
    // +1 for Right and Down, -1 for Left and Up.
    void arrowPressed(int step);

private:
    const ShortcutStore &m_shortcuts;
    QStringList m_items;
    int m_currentIndex = -1;
    bool m_isVisible = false;
};
