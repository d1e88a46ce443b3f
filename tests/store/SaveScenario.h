#pragma once

#include "store/ProfileData.h"

// The two stores of the interrupted-save test: the one on disk before, and
// the one being saved when the writer dies. Both the test and its child
// process build them from here.
namespace SaveScenario {

inline const QString &productName()
{
    static const QString name = QStringLiteral("NX-19");
    return name;
}

inline ProfileStore oldStore()
{
    ProfileStore store;
    store.LiftHigh = 1;
    for (int i = 0; i < kProfileCount; ++i) {
        store.profiles[i].pollrate = quint8(i + 1);
        store.profileNames[i] = QStringLiteral("P%1").arg(i + 1);
    }
    return store;
}

// Every profile file of this store is well above the size limit the child
// runs under, so the writer is killed half-way through profile 1.
inline ProfileStore newStore()
{
    ProfileStore store = oldStore();
    store.curProfile = 4;
    store.LiftHigh = 3;
    store.Count = 7;
    for (int i = 0; i < kProfileCount; ++i) {
        store.profiles[i].pollrate = quint8(10 + i);
        for (ButtonInfo &button : store.profiles[i].BUTTON_INFO)
            button.macroname = QString(3000, QLatin1Char('a' + i));
    }
    return store;
}

} // namespace SaveScenario
