#include "startorder/WettbewerbNeuBerechnen.h"

#include "evaluation/Auswertung.h"
#include "startorder/Kanal.h"

namespace tavuran {

void WettbewerbModellNeuBerechnen(WettbewerbTyp* comp, bool Erzwingen) {
    if (!comp) return;
    InitKanalListe(comp);
    KanalBelegungToHeap(comp);
    CheckDoppelBelegung(comp);
    if (Erzwingen) comp->CalcWertung = true;
    if (comp->CalcWertung) CalcWertung(comp);
}

} // namespace tavuran
