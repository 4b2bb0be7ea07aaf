// A full evaluation (CalcWertung) of an F5J competition: N participants in
// groups of ten, the preliminary rounds all flown, one reflight group per
// preliminary round, penalties, one senior and one junior fly-off round, teams
// of three scored by their best three. Sizes: 300 participants with 12 rounds
// and 3000 participants with 18 rounds, plus intermediate sizes to show how the
// cost grows with the number of participants.
#include <benchmark/benchmark.h>

#include <string>

#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenRegel.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Auswertung.h"
#include "evaluation/AuswertungRohpunkte.h"
#include "evaluation/Sortierung.h"
#include "evaluation/Teamwertung.h"

using namespace tavuran;

namespace {

constexpr int Gruppengroesse = 10;

WettbewerbTyp* Aufbauen(int Teilnehmer, int Runden) {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->RegelPtr = DatenRegelNew();
    DatenRegelDefault(w->RegelPtr);
    w->RegelPtr->EdvNr = F5J;
    const double p[10] = {600, 660, 0, 0, 50, 10, 5, 200, 0.5, 3};
    for (int i = 0; i < 10; ++i) w->Parameter[i + 1] = p[i];
    w->PermntNullMode = PermntNullAktiv | PermntNullJedeNull;
    w->AnzVorrunden = Runden - 2;
    w->AnzGewDurchgaenge = Runden - 4;
    w->StreicherAbDurchg = 4;
    w->AnzSeniorenFlyOff = 1;
    w->AnzDurchgaenge = Runden;
    w->AnzTeilnInEndRunde = 10;
    w->AnzJugInEndRunde = 5;
    w->TeamwertungStatus = TeamwertungBesteDrei;
    for (int i = 1; i <= Teilnehmer; ++i) {
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, i, true);
        t->Name.NachnameStr = "Pilot" + std::to_string(i);
        t->StartNr = i;
        t->MeldgNr = i;
        t->Jugendlich = i % 7 == 0;
    }
    for (int r = 1; r <= w->AnzVorrunden; ++r) {
        DurchgangTyp* d = DatenDurchgangGetPtr(w->DurchgangRootPtr, r);
        for (int i = 1; i <= Teilnehmer; ++i) {
            // A different group mix in every round.
            const int gruppe = ((i * (r + 3)) % Teilnehmer) / Gruppengroesse + 1;
            GetTeilnehmerEdvNr(w, i)->Gruppe[r] = gruppe;
            if ((i + r) % 97 == 0) continue; // a missed flight
            GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, gruppe, 0);
            WertungTyp* e = DatenWertungInGroupGetPtr(d, g, i);
            e->WertungDurchg[1] = 300 + (i * 37 + r * 11) % 300;
            e->WertungDurchg[2] = 40 + (i + r) % 80;
            e->WertungPunktr[1] = 0.5 + (i % 9);
            if ((i + r) % 50 == 0) e->Strafpunkte = 10;
        }
        const int refly = 1 + (r % Teilnehmer);
        GruppeTyp* rg = DatenGruppeGetPtr(d->GruppePtr, GetTeilnehmerEdvNr(w, refly)->Gruppe[r], 1);
        WertungTyp* re = DatenWertungInGroupGetPtr(d, rg, refly);
        re->WertungDurchg[1] = 500;
        re->WertungDurchg[2] = 60;
        re->WertungPunktr[1] = 2;
    }
    for (int m = 1; 3 * m <= Teilnehmer; ++m) {
        MannschaftTyp* team = DatenMannschaftNew();
        DatenMannschaftDefault(team);
        team->Nr = m;
        for (int k = 0; k < 3; ++k) team->TeilnehmerEdvNr[k + 1] = 3 * m - k;
        team->next = w->MannschaftRootPtr;
        w->MannschaftRootPtr = team;
    }
    SortAll(w);
    w->CalcWertung = true;
    CalcWertung(w); // entries of missed flights and fly-off seating exist from now on
    return w;
}

void BM_CalcWertung(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int runden = static_cast<int>(state.range(1));
    WettbewerbTyp* w = Aufbauen(n, runden);
    for (auto _ : state) {
        w->CalcWertung = true;
        CalcWertung(w);
        benchmark::DoNotOptimize(w->TeilnehmerPlatzRootPtr);
    }
    state.counters["Teilnehmer"] = n;
    state.counters["Durchgaenge"] = runden;
    state.SetComplexityN(n);
    DatenWettbewerbDispose(w);
}

} // namespace

BENCHMARK(BM_CalcWertung)->Args({300, 12})->Args({3000, 18})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalcWertung)
    ->Args({250, 12})
    ->Args({500, 12})
    ->Args({1000, 12})
    ->Args({2000, 12})
    ->Args({4000, 12})
    ->Complexity()
    ->Unit(benchmark::kMillisecond);
