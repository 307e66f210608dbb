#pragma once

#include <QList>
#include <QMetaType>

enum class PaneSide { left, right };

// The four areas that can have the keyboard, in the order Tab cycles through them.
enum class FocusZone { leftSidebar, leftList, rightList, rightSidebar };

inline QList<FocusZone> allFocusZones()
{
    return {
        FocusZone::leftSidebar, FocusZone::leftList, FocusZone::rightList, FocusZone::rightSidebar};
}

inline PaneSide sideOf(FocusZone zone)
{
    return zone == FocusZone::leftSidebar || zone == FocusZone::leftList ? PaneSide::left
                                                                         : PaneSide::right;
}

// The file area of a pane, as opposed to its sidebar.
inline bool isListZone(FocusZone zone)
{
    return zone == FocusZone::leftList || zone == FocusZone::rightList;
}

inline FocusZone listZoneOf(PaneSide side)
{
    return side == PaneSide::left ? FocusZone::leftList : FocusZone::rightList;
}

inline FocusZone sidebarZoneOf(PaneSide side)
{
    return side == PaneSide::left ? FocusZone::leftSidebar : FocusZone::rightSidebar;
}

inline PaneSide oppositeSide(PaneSide side)
{
    return side == PaneSide::left ? PaneSide::right : PaneSide::left;
}

Q_DECLARE_METATYPE(PaneSide)
Q_DECLARE_METATYPE(FocusZone)
