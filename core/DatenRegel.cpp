#include "core/DatenRegel.h"

namespace tavuran {

RegelTyp* DatenRegelNew() { return new RegelTyp(); }

void DatenRegelDefault(RegelTyp* r) {
    if (!r) return;
    *r = RegelTyp{};
    r->EdvNr = -1;
    r->AnzGewerteteDurchg = "3";
    r->AnzDurchgaenge = 6;
    r->AnzPunktrichter = 1;
    r->AnzGruppen = 10;
    r->Gruppenstart = 2;
    r->Aktiv = false;
    for (int i = 1; i <= MaxParameterZeilen; ++i) {
        r->ParameterWettb.ParaNr[i] = i;
        r->ParameterWettb.DefaultWert[i] = "0";
        r->ParameterWettb.Bezeichner[i] = "-";
    }
    r->ParameterPunktr.Bezeichner.fill("-");
    r->ParameterDurchg.Bezeichner.fill("-");
}

void DatenRegelCopy(RegelTyp* RegelDestPtr, const RegelTyp* RegelSrcPtr) {
    if (!RegelDestPtr || !RegelSrcPtr || RegelDestPtr == RegelSrcPtr) return;
    *RegelDestPtr = *RegelSrcPtr;
}

void DatenRegelDispose(RegelTyp*& RegelPtr) {
    delete RegelPtr;
    RegelPtr = nullptr;
}

} // namespace tavuran
