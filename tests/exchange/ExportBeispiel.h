// The competition of the export tests: the texts a public page must survive
// (markup in a name, a ";" in a club, characters outside Windows-1252) and a
// junior, a reflight, a penalty, a fly-off, two teams and two channel clashes.
#pragma once

#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Sortierung.h"
#include "rules/RegelLookup.h"

namespace tavuran::exporttest {

inline void Flug(WettbewerbTyp* w, int Runde, int Gruppe, int ReflyOrder, int EdvNr, double Punkte) {
    GetTeilnehmerEdvNr(w, EdvNr)->Gruppe[Runde] = Gruppe;
    DurchgangTyp* d = GetDurchgangPtr(w, Runde);
    GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, Gruppe, ReflyOrder);
    DatenWertungInGroupGetPtr(d, g, EdvNr)->WertungDurchg[1] = Punkte;
}

// Two preliminary rounds and one senior fly-off, manual points. Round 1:
// groups {Adler 900, <i>X"& 600} and {Dvořák 800, Dorn 400 with 5 penalty
// points}; round 2 one group with Dorn's reflight; fly-off for two. Adler is
// a junior; Adler and <i>X"& share a team and fly together in round 1, Adler
// and Dorn share a channel.
inline WettbewerbTyp* ExportBeispiel() {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->Name = "Frühjahrspokal 2025";
    w->ByNummer = "B-17";
    w->Datum = {5, 4, 2025};
    DatenRegelLoad(w->RegelPtr, "Manuelle Auswertung", &w->Datum);
    w->AnzVorrunden = 2;
    w->AnzGewDurchgaenge = 2;
    w->StreicherAbDurchg = 3;
    w->AnzSeniorenFlyOff = 1;
    w->AnzDurchgaenge = 3;
    w->AnzTeilnInEndRunde = 2;
    w->AnzNachkomma = 2;
    w->TeamwertungStatus = 1;
    w->Wettbewerbsleiter = {"", "Walter", "Wind"};
    w->Organisationsleiter = {"Dr.", "Olga", "Ost"};
    w->PunktRichterName[2] = {"", "Paul", "Prüfer"};
    struct {
        const char* Nachname;
        const char* Vorname;
        const char* Verein;
        const char* Kanal;
        const char* Nation;
    } const daten[4] = {
        {"Adler", "Anna", "Modellflugclub Beispiel e.V.", "35,010", "D"},
        {"<i>X\"&", "Bernd", "MFV Süd; Abt. Segelflug", "2G4", "D"},
        {"Dvořák", "Łukasz", "Modellflugclub Beispiel e.V.", "2G4", "CZ"},
        {"Dorn", "Dora", "LSV Nord", "35,010", "D"},
    };
    for (int i = 4; i >= 1; --i) {
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, i, true);
        t->Name.NachnameStr = daten[i - 1].Nachname;
        t->Name.VornameStr = daten[i - 1].Vorname;
        t->Verein = daten[i - 1].Verein;
        t->Kanal[1] = daten[i - 1].Kanal;
        t->Land.Nation = daten[i - 1].Nation;
        t->Land.Bundesland = "BY";
        t->Verband = "Landesverband Bayern";
        t->StartNr = i;
        t->MeldgNr = i;
        t->Jugendlich = i == 1;
    }
    GetTeilnehmerEdvNr(w, 4)->Kanal[2] = "2G4";
    Flug(w, 1, 1, 0, 1, 900);
    Flug(w, 1, 1, 0, 2, 600);
    Flug(w, 1, 2, 0, 3, 800);
    Flug(w, 1, 2, 0, 4, 400);
    DatenWertungGetPtr(GetDurchgangPtr(w, 1), 4, 0)->Strafpunkte = 5;
    Flug(w, 2, 1, 0, 1, 500);
    Flug(w, 2, 1, 0, 2, 1000);
    Flug(w, 2, 1, 0, 3, 750);
    Flug(w, 2, 1, 0, 4, 250);
    Flug(w, 2, 1, 1, 4, 100);
    DatenWertungGetPtr(GetDurchgangPtr(w, 2), 4, 1)->ReflyVerursacher = true;
    Flug(w, 3, 1, 0, 2, 700);
    Flug(w, 3, 1, 0, 3, 350);
    const char* teams[2] = {"Team Nord", "Team Süd"};
    const int mitglieder[2][2] = {{1, 2}, {3, 0}};
    for (int m = 2; m >= 1; --m) {
        MannschaftTyp* team = DatenMannschaftNew();
        DatenMannschaftDefault(team);
        team->Nr = m;
        team->Name = teams[m - 1];
        team->TeilnehmerEdvNr[1] = mitglieder[m - 1][0];
        team->TeilnehmerEdvNr[2] = mitglieder[m - 1][1];
        team->next = w->MannschaftRootPtr;
        w->MannschaftRootPtr = team;
    }
    SortAll(w);
    return w;
}

} // namespace tavuran::exporttest
