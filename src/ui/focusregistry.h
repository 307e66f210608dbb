#pragma once

#include "controller/focuszone.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <optional>

class QWidget;

// A view that shows files (a table, an icon grid, a column of the column browser).
bool isFileView(const QWidget *widget);

// Ties the controller's focus zones to the widgets on screen: each area of the window (a pane's
// sidebar, a pane's file area) is registered under its zone, so the keyboard can be handed to
// the table shown there, and a table can be traced back to its zone. Holds the areas weakly.
class FocusRegistry : public QObject
{
    Q_OBJECT

public:
    explicit FocusRegistry(QObject *parent = nullptr);

    // A newer registration for the same zone replaces the older one.
    void registerArea(FocusZone zone, QWidget *area);
    // focusNow(zone) at once, and once more when the events of the change under way are
    // through, so that views the same change creates get the keyboard too. A newer request
    // replaces a pending one: two quick zone changes must not hand the keyboard back and forth.
    void focus(FocusZone zone);
    // Gives the keyboard to the last visible file view inside the zone's area (in the column
    // browser that is the rightmost column); nothing when the area shows none or the view, or
    // a field inside it, has the keyboard already.
    void focusNow(FocusZone zone);
    // The zone whose area holds `widget`, if any.
    std::optional<FocusZone> zoneOf(const QWidget *widget) const;

private:
    QMap<FocusZone, QPointer<QWidget>> m_areas;
    std::optional<FocusZone> m_pendingZone;
};
