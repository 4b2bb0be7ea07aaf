// Rebuilds every participant order of a competition of N drawn participants,
// as after loading a file or after each edit in the main window.
#include <benchmark/benchmark.h>

#include <string>

#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Sortierung.h"

using namespace tavuran;

namespace {

WettbewerbTyp* Aufbauen(int teilnehmer) {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->DurchgangNr = 1;
    for (int i = 1; i <= teilnehmer; ++i) {
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, i, true);
        t->Name.NachnameStr = "Pilot" + std::to_string((i * 7919) % teilnehmer);
        t->Name.VornameStr = "Vorname";
        t->StartNr = (i * 31) % teilnehmer + 1;
        t->MeldgNr = teilnehmer - i + 1;
        t->Gruppe[1] = (i - 1) % 300 + 1;
        t->Startplatz[1] = i % 3 == 0 ? 0 : (i / 300) % 10 + 1; // a third without explicit place
        t->PlatzNr = (i * 13) % teilnehmer;
        t->PlatzTeilnTeamWertung = i % 5 == 0 ? 0 : i % 40;
    }
    return w;
}

void BM_SortAll(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    WettbewerbTyp* w = Aufbauen(n);
    for (auto _ : state) SortAll(w);
    DatenWettbewerbDispose(w);
    state.counters["Teilnehmer"] = n;
}

} // namespace

BENCHMARK(BM_SortAll)->Arg(300)->Arg(3000)->Unit(benchmark::kMicrosecond);
