// The draw with and without its refinement, on four competitions: 40 pilots
// in groups of 8 over 6 rounds, 120/10/10, 300/15/10, and 60/10/8 with 10
// pilots sharing channels, 8 pilot-helper pairs and 5 teams under protection.
// Every iteration draws from the same seed, so the quality figures (score of
// the written division, its lower bound, the largest pair count, the mean
// absolute deviation and the conflicts) are those of one repeatable draw;
// the time is that of the whole draw (50 candidates, refinement, write-back).
#include <benchmark/benchmark.h>

#include <string>

#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "startorder/StartreihenfolgeBewertung.h"
#include "startorder/StartreihenfolgeCore.h"
#include "startorder/StartreihenfolgeDialog.h"
#include "startorder/StartreihenfolgeFairness.h"
#include "startorder/StartreihenfolgeLauf.h"
#include "startorder/StartreihenfolgeTeamgruppe.h"

namespace {

using namespace tavuran;

WettbewerbTyp* Wettbewerb(int n, int g, int runden, bool konflikte) {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->AnzVorrunden = runden;
    w->AnzSeniorenFlyOff = 0;
    w->AnzDurchgaenge = runden;
    w->AnzTeilnGruppe = g;
    for (int nr = n; nr >= 1; --nr) {
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, nr, true);
        t->Name.NachnameStr = "Pilot" + std::to_string(nr);
        t->Name.VornameStr = "V" + std::to_string(nr);
        t->StartNr = t->MeldgNr = nr;
    }
    if (konflikte) {
        // Pilots 1..10 on five channels, two each.
        for (int nr = 1; nr <= 10; ++nr) GetTeilnehmerEdvNr(w, nr)->Kanal.fill(std::to_string(61 + (nr - 1) / 2));
        // Pilots 11, 13, .., 25 with the next participant as helper.
        for (int k = 0; k < 8; ++k)
            GetTeilnehmerEdvNr(w, 11 + 2 * k)->Helfer[1] = GetTeilnehmerEdvNr(w, 12 + 2 * k)->Name;
        // Five teams of three: 31-33, 34-36, ...
        for (int k = 0; k < 5; ++k) {
            MannschaftTyp* m = DatenMannschaftNew();
            DatenMannschaftDefault(m);
            m->Nr = k + 1;
            m->Name = "Team " + std::to_string(k + 1);
            for (int i = 1; i <= 3; ++i) m->TeilnehmerEdvNr[i] = 31 + 3 * k + (i - 1);
            m->next = w->MannschaftRootPtr;
            w->MannschaftRootPtr = m;
        }
    }
    for (int r = runden; r >= 1; --r) DatenDurchgangGetPtr(w->DurchgangRootPtr, r);
    return w;
}

void Auslosung(benchmark::State& state, bool nachbessern) {
    const int n = static_cast<int>(state.range(0)), g = static_cast<int>(state.range(1)),
              runden = static_cast<int>(state.range(2));
    const bool konflikte = state.range(3) != 0;
    WettbewerbTyp* w = Wettbewerb(n, g, runden, konflikte);
    AuslosungsAuftrag a;
    a.Nachbessern = nachbessern;
    a.TeamschutzHelfer = a.TeamschutzMannschaft = a.TeamschutzAlle = konflikte;
    for (auto _ : state) {
        StartreihenfolgeZufallFest(1);
        StartreihenfolgeAuslosen(w, a);
    }
    TeamGroupType* schutz = ErstelleTeamGroups(w, true, konflikte, konflikte);
    const FairnessKennzahlen k = BerechneFairness(w, {}, schutz);
    StartBewertListe m;
    m.Vorbereiten(w, schutz);
    int verstoesse = 0;
    for (int x = 0; x < m.Anzahl(); ++x)
        for (int y = x + 1; y < m.Anzahl(); ++y) {
            if (m.Flags(x, y) == 0 && m.Flags(y, x) == 0) continue;
            for (int r = 1; r <= runden; ++r)
                if (m.Teilnehmer(x)->Gruppe[r] == m.Teilnehmer(y)->Gruppe[r]) ++verstoesse;
        }
    DoneTeamGroups(schutz);
    state.counters["Verteilscore"] = static_cast<double>(k.Verteilscore);
    state.counters["Untergrenze"] = static_cast<double>(k.Untergrenze);
    state.counters["MaxTreffen"] = k.MaxBegegnungen;
    state.counters["MittlAbw"] = k.MittlereAbweichung;
    state.counters["Konflikte"] = verstoesse;
    if (nachbessern) {
        // The refinement's own share of the last draw (wall clock) and the
        // candidates it worked on.
        const SortType& lauf = GetSortierLauf();
        state.counters["NachbessMs"] = lauf.NachbesserungMs;
        state.counters["Kandidaten"] = lauf.NachbesserteKandidaten;
    }
    state.SetLabel(std::to_string(n) + " Teilnehmer, Gruppen zu " + std::to_string(g) + ", " +
                   std::to_string(runden) + " Durchgänge" + (konflikte ? ", Kanäle/Helfer/Teams" : "") +
                   (nachbessern ? ", nachgebessert" : ", bester von 50"));
    StartreihenfolgeFreigeben();
    DatenWettbewerbDispose(w);
}

void BesterVon50(benchmark::State& s) { Auslosung(s, false); }
void Nachgebessert(benchmark::State& s) { Auslosung(s, true); }

#define SZENARIEN ->Args({40, 8, 6, 0})->Args({120, 10, 10, 0})->Args({300, 15, 10, 0})->Args({60, 10, 8, 1})
BENCHMARK(BesterVon50) SZENARIEN->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Nachgebessert) SZENARIEN->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
