#include "appearance/appicondesign.h"

#include "platform/localization.h"
#include "platform/preferences.h"
#include "platform/rawvalue.h"

const QList<AppIconDesign> &allAppIconDesigns()
{
    static const QList<AppIconDesign> designs{AppIconDesign::dualPanels,
                                              AppIconDesign::twoPanels,
                                              AppIconDesign::retroBlue,
                                              AppIconDesign::bivaneFolders,
                                              AppIconDesign::glassSwap};
    return designs;
}

QString rawValue(AppIconDesign design)
{
    switch (design) {
    case AppIconDesign::dualPanels:
        return QStringLiteral("dualPanels");
    case AppIconDesign::twoPanels:
        return QStringLiteral("twoPanels");
    case AppIconDesign::retroBlue:
        return QStringLiteral("retroBlue");
    case AppIconDesign::bivaneFolders:
        return QStringLiteral("bivaneFolders");
    case AppIconDesign::glassSwap:
        return QStringLiteral("glassSwap");
    }
    return {};
}

AppIconDesign appIconDesignFromRawValue(const QString &raw)
{
    return caseWithRawValue(raw, allAppIconDesigns()).value_or(AppIconDesign::dualPanels);
}

AppIconDesign chosenAppIconDesign(const Preferences &preferences)
{
    return appIconDesignFromRawValue(preferences.stringValue(Pref::appIconDesign));
}

QString title(AppIconDesign design)
{
    switch (design) {
    case AppIconDesign::dualPanels:
        return Bv::tr("Dual Panels");
    case AppIconDesign::twoPanels:
        return Bv::tr("Zwei Panels");
    case AppIconDesign::retroBlue:
        return Bv::tr("Retro Commander");
    case AppIconDesign::bivaneFolders:
        return Bv::tr("Bivane-Ordner");
    case AppIconDesign::glassSwap:
        return Bv::tr("Glas-Austausch");
    }
    return {};
}

QString description(AppIconDesign design)
{
    switch (design) {
    case AppIconDesign::dualPanels:
        return Bv::tr("Zwei leuchtende Glas-Panels, blau und türkis, auf dunklem Marineblau");
    case AppIconDesign::twoPanels:
        return Bv::tr("Zwei Dateilisten mit Austausch-Pfeil auf blauem Verlauf");
    case AppIconDesign::retroBlue:
        return Bv::tr("Blauer Azurin-Look mit F-Tasten-Leiste");
    case AppIconDesign::bivaneFolders:
        return Bv::tr("Zwei überlappende Ordner, blau und orange, auf Dunkel");
    case AppIconDesign::glassSwap:
        return Bv::tr("Zwei Glaskarten mit Pfeil auf türkis-violettem Verlauf");
    }
    return {};
}
