#include "startorder/Gruppenbearbeitung.h"

#include <set>

#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/MinMax.h"
#include "evaluation/Sortierung.h"
#include "startorder/StartreihenfolgeCore.h"

namespace tavuran {

namespace {

bool TabGueltig(int Tab) { return Tab >= 0 && Tab <= 7; }

int AktRunde(const WettbewerbTyp* comp) {
    const int r = comp->DurchgangNr;
    return r >= 1 && r <= MaxDurchgaenge ? r : 0;
}

TeilnehmerTyp* InZeile(WettbewerbTyp* comp, int Tab, int Zeile) {
    for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next)
        if (t->ZeilenNr[Tab] == Zeile) return t;
    return nullptr;
}

// From takes row ToIndex; the rows in between move by one towards FromIndex.
void ZeilenVerschieben(WettbewerbTyp* comp, int Tab, TeilnehmerTyp* From, int FromIndex, int ToIndex) {
    for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next) {
        if (t == From) continue;
        int& z = t->ZeilenNr[Tab];
        if (FromIndex < ToIndex && z > FromIndex && z <= ToIndex) --z;
        if (FromIndex > ToIndex && z >= ToIndex && z < FromIndex) ++z;
    }
    From->ZeilenNr[Tab] = ToIndex;
}

} // namespace

void TeilnehmerStartPlatzMove(WettbewerbTyp* comp, int Tab, TeilnehmerTyp* From, TeilnehmerTyp* To, int FromIndex,
                              int ToIndex) {
    const int r = AktRunde(comp);
    if (!r || !From || !TabGueltig(Tab)) return;
    const int gruppe = From->Gruppe[r];
    if (!To) {
        int groesster = 0;
        for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next)
            if (t->Gruppe[r] == gruppe) groesster = MaxInt(groesster, t->Startplatz[r]);
        From->Startplatz[r] = MinInt(groesster + 1, StartreihenfolgeMaxStartplatz);
        ZeilenVerschieben(comp, Tab, From, FromIndex, ToIndex);
        return;
    }
    ZeilenVerschieben(comp, Tab, From, FromIndex, ToIndex);
    int kleinste = 0;
    for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next) {
        const int z = t->ZeilenNr[Tab];
        if (t->Gruppe[r] == gruppe && z > 0 && (kleinste == 0 || z < kleinste)) kleinste = z;
    }
    for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next) {
        const int z = t->ZeilenNr[Tab];
        if (t->Gruppe[r] == gruppe && z > 0)
            t->Startplatz[r] = LimitLowHighInt(z - kleinste + 1, 1, StartreihenfolgeMaxStartplatz);
    }
}

void TeilnehmerGruppenMove(WettbewerbTyp* comp, int Tab, TeilnehmerTyp* From, int Zielgruppe, int FromIndex,
                           int ToIndex) {
    const int r = AktRunde(comp);
    if (!r || !From || !TabGueltig(Tab)) return;
    std::set<int> belegt;
    for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next)
        if (t != From && t->Gruppe[r] == Zielgruppe) belegt.insert(t->Startplatz[r]);
    int platz = 1;
    while (belegt.count(platz) && platz < StartreihenfolgeMaxStartplatz) ++platz;
    From->Gruppe[r] = Zielgruppe;
    From->Startplatz[r] = platz;
    ZeilenVerschieben(comp, Tab, From, FromIndex, ToIndex);
}

bool StartGruppenRowMove(WettbewerbTyp* comp, int Tab, int FromIndex, int ToIndex,
                         const std::function<std::string(int Zeile)>& ZeilenText) {
    if (!comp || FromIndex < 1 || ToIndex < 1 || FromIndex == ToIndex || !TabGueltig(Tab)) return false;
    if (GetSort(comp, Tab) != SortGruppe) return false;
    const int r = AktRunde(comp);
    if (!r) return false;
    TeilnehmerTyp* From = InZeile(comp, Tab, FromIndex);
    if (!From) return false;
    TeilnehmerTyp* To = InZeile(comp, Tab, ToIndex);

    int ziel;
    if (To) {
        ziel = To->Gruppe[r];
    } else {
        std::set<int> besetzt;
        for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next)
            if (t->ZeilenNr[Tab] > 0) besetzt.insert(t->ZeilenNr[Tab]);
        int leer = 0;
        for (int z = 1; z < ToIndex; ++z)
            if (!besetzt.count(z) && (!ZeilenText || ZeilenText(z).empty())) ++leer;
        ziel = 1 + leer;
        const int a = CalcAnzahlGruppen(GetAnzTeilnehmerGelistet(comp->TeilnehmerRootPtr), comp->AnzTeilnGruppe);
        if (a > 0) ziel = MinInt(ziel, a + 1);
    }

    if (ziel == From->Gruppe[r])
        TeilnehmerStartPlatzMove(comp, Tab, From, To, FromIndex, ToIndex);
    else
        TeilnehmerGruppenMove(comp, Tab, From, ziel, FromIndex, ToIndex);
    return true;
}

} // namespace tavuran
