// The evaluation of a whole competition: entries filed into their groups, raw
// points and per-mille points per group, reflights settled, weakest
// preliminary results dropped, totals and places (overall and junior), the
// fly-off seated, scored and ranked, export points for overall rankings, team
// scoring and the final order by place. Every list, print and export reads
// only what CalcWertung leaves in the records.
//
// Places (preliminary, junior, fly-off, team list) go only to participants
// with a surname and an EdvNr, the ones every list shows: a placeholder record
// (an entry read before its participant) never takes a place.
//
// Rounds numbered outside 1..30 (the per-round slots of a participant) are left
// untouched, and the counts of the competition are kept within those slots
// wherever they index, whatever a file says.
#pragma once

#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

// The whole evaluation, when the competition's CalcWertung flag is set; clears
// the flag first. Nil or a clear flag does nothing. Evaluating twice in a row
// gives the same results.
void CalcWertung(WettbewerbTyp* Wett);

// The steps of CalcWertung, in their order. Each also works on its own.
void NeuVerkettungGruppen(WettbewerbTyp* Wett);
void CalcWertungGruppe(WettbewerbTyp* Wett, GruppeTyp* Gruppe, DurchgangTyp* Durchgang);
void CalcWertungDurchgang(WettbewerbTyp* Wett, DurchgangTyp* Durchgang);
void CalcWertungVorrunden(WettbewerbTyp* Wett);
void CalcReflyDurchgang(WettbewerbTyp* Wett, DurchgangTyp* Durchgang);
void CalcWertungRefly(WettbewerbTyp* Wett);
void CalcAnzahlGeflogenerVorrunden(WettbewerbTyp* Wett);
void CalcPunkteVorrunden(WettbewerbTyp* Wett);
void CalcPlatzVorrunden(WettbewerbTyp* Wett);
void EinteilungFuerFlyOff(WettbewerbTyp* Wett);
void CalcWertungFlyOff(WettbewerbTyp* Wett);
void CalcWertungReflyFlyOff(WettbewerbTyp* Wett);
void CalcPunkteFlyOff(WettbewerbTyp* Wett);
void CalcPlatzFlyOff(WettbewerbTyp* Wett);
void CalcExportpunkte(WettbewerbTyp* Wett);

// The number of preliminary results that count at the present state of the
// competition (at least 1). Until StreicherAbDurchg preliminary rounds are
// flown, and once all are flown, the best AnzGewDurchgaenge count; in between,
// every flown round less the full number of drops (AnzVorrunden -
// AnzGewDurchgaenge), but never fewer than StreicherAbDurchg less the drops.
// 1 for nil.
int CalcAnzahlTempGewerteteVorrunden(const WettbewerbTyp* Wett);

// One preliminary result in the order of dropping: its value, whether it may
// be dropped, and its round (0 for an empty slot).
struct VorrundenErgebnis {
    double Wert = 0;
    bool KannStreicherSein = true;
    int Runde = 0;
};
// Orders the preliminary results as the dropping does: highest first (equal
// values keep their order), the ones that may never be dropped in front of
// all others. The first CalcAnzahlTempGewerteteVorrunden of them count.
void VorrundenOrdnen(std::vector<VorrundenErgebnis>& Ergebnisse);

} // namespace tavuran
