#pragma once

#include <QMetaType>

// How a pane presents its items.
enum class ViewMode { icons, list, columns };

Q_DECLARE_METATYPE(ViewMode)
