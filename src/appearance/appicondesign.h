#pragma once

#include <QList>
#include <QString>

class Preferences;

// The program's icon designs. Stored under "appIconDesignV2" by their raw value; any other
// string means dualPanels.
enum class AppIconDesign { dualPanels, twoPanels, retroBlue, bivaneFolders, glassSwap };

const QList<AppIconDesign> &allAppIconDesigns();
QString rawValue(AppIconDesign design);
AppIconDesign appIconDesignFromRawValue(const QString &raw);
// The design stored under "appIconDesignV2", dualPanels when none or an unknown one is.
AppIconDesign chosenAppIconDesign(const Preferences &preferences);
// The name in the design picker, localised.
QString title(AppIconDesign design);
// The motif and colours of the design in one line, localised.
QString description(AppIconDesign design);
