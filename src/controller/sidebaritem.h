#pragma once

#include <QMetaType>
#include <QString>

// One entry of a pane's sidebar: a place, a favourite or a mounted volume.
struct SidebarItem
{
    QString name;
    QString symbolName; // icon name of the symbol set, such as "externaldrive"
    QString url;

    bool operator==(const SidebarItem &) const = default;
};

Q_DECLARE_METATYPE(SidebarItem)
