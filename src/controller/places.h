#pragma once

#include "controller/sidebaritem.h"

#include <QList>

// The fixed places of the sidebar, in its order.
enum class Place { home, desktop, documents, downloads, applications, pictures, music, movies };

// The folder of a place, read anew each time (the home folder and the user folders may change
// while the program runs).
QString placeFolder(Place place);

// The places as the sidebar shows them, in its order.
QList<SidebarItem> defaultPlaces();
