#pragma once

#include "platform/preferences.h"

#include <QObject>

// Calls `apply` with the value `read` takes from the store, now and again after every change of
// `key`, for as long as `context` lives: a part that depends on a setting follows it itself.
template<typename Read, typename Apply>
void watchPreference(
    Preferences &preferences, const PreferenceKey &key, QObject *context, Read read, Apply apply)
{
    const auto follow = [&preferences, read, apply] {
        apply(read(preferences));
    };
    QObject::connect(&preferences,
                     &Preferences::changed,
                     context,
                     [follow, name = key.name](const QString &changed) {
                         if (changed == name)
                             follow();
                     });
    follow();
}
