// Builds a competition of N participants with R rounds of entries and walks
// every entry with the cursor, as the file writer and the evaluation do.
#include <benchmark/benchmark.h>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"

using namespace tavuran;

namespace {

WettbewerbTyp* Aufbauen(int teilnehmer, int runden, int gruppengroesse) {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    for (int i = 1; i <= teilnehmer; ++i) {
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, i, true);
        t->Name.NachnameStr = "Pilot" + std::to_string(i);
        t->StartNr = i;
    }
    for (int r = 1; r <= runden; ++r) {
        DurchgangTyp* d = DatenDurchgangGetPtr(w->DurchgangRootPtr, r);
        for (int i = 1; i <= teilnehmer; ++i) {
            GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, (i - 1) / gruppengroesse + 1, 0);
            WertungTyp* e = DatenWertungInGroupGetPtr(d, g, i);
            e->WertungDurchg[1] = 100.0 + i % 60;
        }
    }
    return w;
}

void BM_AufbauenUndFreigeben(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        WettbewerbTyp* w = Aufbauen(n, 10, 10);
        DatenWettbewerbDispose(w);
    }
    state.counters["Teilnehmer"] = n;
    state.counters["Durchgaenge"] = 10;
}
BENCHMARK(BM_AufbauenUndFreigeben)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_CursorUeberAlleWertungen(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    WettbewerbTyp* w = Aufbauen(n, 10, 10);
    for (auto _ : state) {
        DurchgangListenInfoTyp info;
        InitWertungsDaten(w->DurchgangRootPtr, w->TeilnehmerRootPtr, info);
        double summe = 0;
        while (WertungTyp* e = GetNextWertungsDatenPtr(info)) summe += e->WertungDurchg[1];
        benchmark::DoNotOptimize(summe);
    }
    state.counters["Teilnehmer"] = n;
    state.counters["Wertungen"] = n * 10;
    DatenWettbewerbDispose(w);
}
BENCHMARK(BM_CursorUeberAlleWertungen)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
