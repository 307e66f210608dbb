#pragma once

#include "appearance/theme.h"

#include <QTest>

// One data row per theme preset, its stored name in the column "preset".
inline void addThemePresetRows()
{
    QTest::addColumn<QString>("preset");
    for (ThemePreset preset : allThemePresets())
        QTest::newRow(qPrintable(rawValue(preset))) << rawValue(preset);
}
