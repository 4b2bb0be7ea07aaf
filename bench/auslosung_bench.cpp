// The start-order draw: one candidate and a whole 50-candidate run (with the
// write-back) for three competition sizes, with a mix of channels and
// protected pilot/helper pairs. Counters: the chosen distribution score, the
// largest number of times any pair meets, the mean absolute deviation of the
// pair-meeting counts, and the conflicts and group-size spread of the result.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "startorder/Kanal.h"
#include "startorder/StartreihenfolgeCore.h"
#include "startorder/StartreihenfolgeDialog.h"
#include "startorder/StartreihenfolgeLauf.h"
#include "startorder/StartreihenfolgeTeamgruppe.h"

namespace {

using namespace tavuran;

// n participants; every 4th on a channel shared by three participants, every
// 10th a junior whose helper is the next participant.
WettbewerbTyp* Wettbewerb(int n, int g, int runden) {
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
        if (nr % 4 == 0) t->Kanal.fill(std::to_string(61 + (nr / 4 - 1) / 3 % 20) + (nr > 240 ? "B" : ""));
    }
    for (int nr = 10; nr < n; nr += 10) {
        TeilnehmerTyp* pilot = GetTeilnehmerEdvNr(w, nr);
        pilot->Jugendlich = true;
        pilot->Helfer[1] = GetTeilnehmerEdvNr(w, nr + 1)->Name;
    }
    for (int r = runden; r >= 1; --r) DatenDurchgangGetPtr(w->DurchgangRootPtr, r);
    return w;
}

void Auftrag(AuslosungsAuftrag& a) {
    a.TeamschutzHelfer = true;
    a.TeamschutzAlle = false;
}

void EinKandidat(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0)), g = static_cast<int>(state.range(1)),
              runden = static_cast<int>(state.range(2));
    WettbewerbTyp* w = Wettbewerb(n, g, runden);
    ReadRelevantWettDatenAtStartOfPilotSort(w);
    CreateTeamGroup(w, false, true, false);
    InitWelchenDurchgangSort((std::int64_t{1} << runden) - 1);
    StartreihenfolgeZufallFest(1);
    int score = 0;
    for (auto _ : state) {
        SortDrchgType* k = CopyDrchg(GetSortRootPtr());
        TeilnSortAllDurchg(k, w, g);
        score = GetLastBewertungsScore();
        DoneDrchg(k);
    }
    state.counters["Verteilscore"] = score;
    state.SetLabel(std::to_string(n) + " Teilnehmer, Gruppen zu " + std::to_string(g) + ", " +
                   std::to_string(runden) + " Durchgänge");
    StartreihenfolgeFreigeben();
    DatenWettbewerbDispose(w);
}

void Lauf50(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0)), g = static_cast<int>(state.range(1)),
              runden = static_cast<int>(state.range(2));
    WettbewerbTyp* w = Wettbewerb(n, g, runden);
    StartreihenfolgeZufallFest(1);
    AuslosungsAuftrag a;
    Auftrag(a);
    for (auto _ : state) StartreihenfolgeAuslosen(w, a);

    // The written division.
    std::vector<TeilnehmerTyp*> t;
    for (TeilnehmerTyp* p = w->TeilnehmerRootPtr; p; p = p->next) t.push_back(p);
    const int k = static_cast<int>(t.size());
    int maxTreffen = 0, kanal = 0, schutz = 0, spreizung = 0;
    double summe = 0;
    std::vector<int> treffen;
    for (int i = 0; i < k; ++i)
        for (int j = i + 1; j < k; ++j) {
            int c = 0;
            for (int r = 1; r <= runden; ++r) {
                if (t[i]->Gruppe[r] != t[j]->Gruppe[r]) continue;
                ++c;
                const std::string ki = Format24GHzKanalStr(GetKanalTeilnehmer(*t[i]));
                if (ki != Kanal2G4 && ki == Format24GHzKanalStr(GetKanalTeilnehmer(*t[j]))) ++kanal;
                if (t[i]->Helfer[1] == t[j]->Name || t[j]->Helfer[1] == t[i]->Name) ++schutz;
            }
            treffen.push_back(c);
            summe += c;
            maxTreffen = std::max(maxTreffen, c);
        }
    const double mittel = treffen.empty() ? 0 : summe / treffen.size();
    double abw = 0;
    for (int c : treffen) abw += std::fabs(c - mittel);
    for (int r = 1; r <= runden; ++r) {
        std::map<int, int> groesse;
        for (TeilnehmerTyp* p : t) ++groesse[p->Gruppe[r]];
        int lo = n, hi = 0;
        for (auto [nr, c] : groesse) lo = std::min(lo, c), hi = std::max(hi, c);
        spreizung = std::max(spreizung, hi - lo);
    }
    state.counters["Verteilscore"] = GetSortierLauf().BestScore;
    state.counters["MaxTreffen"] = maxTreffen;
    state.counters["MittlAbw"] = treffen.empty() ? 0 : abw / treffen.size();
    state.counters["Kanalkonflikte"] = kanal;
    state.counters["Schutzkonflikte"] = schutz;
    state.counters["GroessenDiff"] = spreizung;
    state.SetLabel(std::to_string(n) + " Teilnehmer, Gruppen zu " + std::to_string(g) + ", " +
                   std::to_string(runden) + " Durchgänge, 50 Kandidaten");
    StartreihenfolgeFreigeben();
    DatenWettbewerbDispose(w);
}

BENCHMARK(EinKandidat)->Args({40, 8, 6})->Args({120, 10, 10})->Args({300, 15, 10})->Unit(benchmark::kMillisecond);
BENCHMARK(Lauf50)->Args({40, 8, 6})->Args({120, 10, 10})->Args({300, 15, 10})->Unit(benchmark::kMillisecond);

} // namespace
