#include "core/DatenMannschaft.h"

namespace tavuran {

MannschaftTyp* DatenMannschaftNew() { return new MannschaftTyp(); }

void DatenMannschaftDefault(MannschaftTyp* MannschaftPtr) {
    if (MannschaftPtr) *MannschaftPtr = MannschaftTyp{};
}

void DatenMannschaftDispose(MannschaftTyp*& MannschaftPtr) {
    while (MannschaftPtr) {
        MannschaftTyp* weiter = MannschaftPtr->next;
        delete MannschaftPtr;
        MannschaftPtr = weiter;
    }
}

std::unordered_map<int, MannschaftTyp*> MannschaftenDerTeilnehmer(MannschaftTyp* MannschaftRootPtr) {
    std::unordered_map<int, MannschaftTyp*> teams;
    for (MannschaftTyp* m = MannschaftRootPtr; m; m = m->next)
        for (int i = 1; i <= MaxMannschaftMitglieder; ++i) teams.try_emplace(m->TeilnehmerEdvNr[i], m);
    return teams;
}

MannschaftTyp* GetMannschaftdesTeilnehmers(MannschaftTyp* MannschaftRootPtr, int TeilnehmerEdvNr) {
    for (MannschaftTyp* m = MannschaftRootPtr; m; m = m->next)
        for (int i = 1; i <= MaxMannschaftMitglieder; ++i)
            if (m->TeilnehmerEdvNr[i] == TeilnehmerEdvNr) return m;
    return nullptr;
}

} // namespace tavuran
