#pragma once

#include <QList>
#include <QString>

// The program's icon designs. Stored under "appIconDesignV2" by their raw value; any other
// string means dualPanels.
enum class AppIconDesign { dualPanels, twoPanels, retroBlue, bivaneFolders, glassSwap };

const QList<AppIconDesign> &allAppIconDesigns();
QString rawValue(AppIconDesign design);
AppIconDesign appIconDesignFromRawValue(const QString &raw);
