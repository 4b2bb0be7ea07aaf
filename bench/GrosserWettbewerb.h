// A competition of contest size for the benchmarks of the window and of the
// printed and HTML lists: N participants in groups of ten (F5J), 12 rounds
// all flown, teams of three with team scoring, and in every round a reflight
// group of three.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Sortierung.h"
#include "rules/RegelLookup.h"

namespace tavuran::bench {

inline constexpr int Durchgaenge = 12;
inline constexpr int Gruppengroesse = 10;
inline constexpr int Teamgroesse = 3;

// N participants numbered 1..N, spread over groups of ten in each of the
// rounds 1..Runden by a fixed rule, so that every run sees the same field.
inline void TeilnehmerAnlegen(WettbewerbTyp* w, int N, int Runden) {
    const int gruppen = (N + Gruppengroesse - 1) / Gruppengroesse;
    for (int nr = 1; nr <= N; ++nr) {
        TeilnehmerTyp* p = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, nr, true);
        p->Name = {"", "Vorname" + std::to_string(nr), "Nachname" + std::to_string(nr)};
        p->Verein = "Modellflugclub Nr. " + std::to_string(nr % 97);
        p->Land = {"GER", "Bayern", "Oberbayern"};
        p->MeldgNr = nr;
        p->StartNr = nr;
        p->Modell[1] = "Segler";
        for (int r = 1; r <= Runden; ++r) {
            p->Gruppe[r] = (nr * 7 + r * 13) % gruppen + 1;
            p->Startplatz[r] = nr % Gruppengroesse + 1;
        }
    }
}

inline WettbewerbTyp* GrosserWettbewerb(int N) {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->Name = "Deutsche Meisterschaft " + std::to_string(N);
    w->Datum = {14, 6, 2025};
    DatenRegelLoad(w->RegelPtr, "F5J (B-Mod 2025)", &w->Datum);
    DatenRegelToWettbewerb(w, w->RegelPtr);
    w->AnzVorrunden = Durchgaenge;
    w->AnzDurchgaenge = Durchgaenge;
    w->AnzTeilnGruppe = Gruppengroesse;
    w->MaxGruppenGroesse = Gruppengroesse;
    TeilnehmerAnlegen(w, N, Durchgaenge);
    for (TeilnehmerTyp* p = w->TeilnehmerRootPtr; p; p = p->next) {
        p->Kanal[1] = "2,4 GHz";
        p->Jugendlich = p->EdvNr % 11 == 0;
    }
    MannschaftTyp** ende = &w->MannschaftRootPtr;
    for (int t = 1; t * Teamgroesse <= N; ++t) {
        MannschaftTyp* m = DatenMannschaftNew();
        DatenMannschaftDefault(m);
        m->Nr = t;
        m->Name = "Team " + std::to_string(t);
        for (int k = 1; k <= Teamgroesse; ++k) m->TeilnehmerEdvNr[k] = (t - 1) * Teamgroesse + k;
        *ende = m;
        ende = &m->next;
    }
    w->TeamwertungStatus = 2;
    for (int r = 1; r <= Durchgaenge; ++r) {
        DurchgangTyp* d = DatenDurchgangGetPtr(w->DurchgangRootPtr, r);
        d->DurchgangEingeteilt = true;
        d->DurchgangGeflogen = true;
        for (TeilnehmerTyp* p = w->TeilnehmerRootPtr; p; p = p->next) {
            GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, p->Gruppe[r], 0);
            WertungTyp* e = DatenWertungInGroupGetPtr(d, g, p->EdvNr);
            e->WertungPunktr[1] = (p->EdvNr + r) % 50 * 0.1;
            e->WertungDurchg[1] = 540 + (p->EdvNr * 37 + r) % 120 + 0.25;
            e->WertungDurchg[2] = 120 + r;
        }
        // a reflight for three pilots: the first caused it
        GruppeTyp* refly = DatenGruppeGetPtr(d->GruppePtr, 1, 1);
        for (int k = 0; k < 3; ++k) {
            const int edv = (r * 17 + k * 5) % N + 1;
            WertungTyp* e = DatenWertungInGroupGetPtr(d, refly, edv);
            e->WertungDurchg[1] = 500 + k;
            e->WertungDurchg[2] = 100;
            if (k == 0)
                if (WertungTyp* o = DatenWertungGetPtr(d, edv, 0)) o->ReflyVerursacher = true;
        }
    }
    w->AnzVorrundenGeflogen = Durchgaenge;
    w->Status = StatusErgebnisse;
    SortAll(w);
    return w;
}

// A plain competition for the benchmarks of the file and of undo: N
// participants (F5J) in groups of ten, `Runden` rounds with one flight each,
// no teams and no reflights; not evaluated.
inline WettbewerbTyp* WettbewerbMitWertungen(int N, int Runden, const std::string& Name) {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->Name = Name;
    w->Datum = {14, 6, 2025};
    DatenRegelLoad(w->RegelPtr, "F5J (B-Mod 2025)", &w->Datum);
    DatenRegelToWettbewerb(w, w->RegelPtr);
    w->AnzVorrunden = Runden;
    w->AnzDurchgaenge = Runden;
    TeilnehmerAnlegen(w, N, Runden);
    for (int r = 1; r <= Runden; ++r) {
        DurchgangTyp* d = DatenDurchgangGetPtr(w->DurchgangRootPtr, r);
        for (TeilnehmerTyp* p = w->TeilnehmerRootPtr; p; p = p->next) {
            GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, p->Gruppe[r], 0);
            WertungTyp* e = DatenWertungInGroupGetPtr(d, g, p->EdvNr);
            e->WertungDurchg[1] = 540 + (p->EdvNr * 37 + r) % 120 + 0.25;
            e->WertungDurchg[2] = 120 + r;
            e->WertungPunktr[1] = (p->EdvNr + r) % 50 * 0.1;
        }
    }
    return w;
}

// The resident memory of this process in KiB; -1 where the system does not tell.
inline long RssKb() {
    std::ifstream s("/proc/self/status");
    std::string zeile;
    while (std::getline(s, zeile))
        if (zeile.rfind("VmRSS:", 0) == 0) return std::atol(zeile.c_str() + 6);
    return -1;
}

} // namespace tavuran::bench
