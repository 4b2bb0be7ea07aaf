// The table of each tab of the main window (see GrosserWettbewerb.h) made
// from the competition as the window makes it when the tab is shown: 300 and
// 3000 participants, tabs 0 to 6 (participants, start order, teams, scores,
// reflights, result, team result). The tab's view settings are the defaults,
// so the start order shows the teams.
#include <benchmark/benchmark.h>

#include "bench/GrosserWettbewerb.h"
#include "evaluation/Auswertung.h"
#include "tabellen/ReiterTabelle.h"

namespace {

using namespace tavuran;

void BM_ReiterTabelle(benchmark::State& state) {
    WettbewerbTyp* w = bench::GrosserWettbewerb(static_cast<int>(state.range(0)));
    w->CalcWertung = true;
    CalcWertung(w);
    SortAll(w);
    const int tab = static_cast<int>(state.range(1));
    int zeilen = 0;
    for (auto _ : state) {
        const TabelleTyp t = ReiterTabelle(w, tab, {});
        zeilen = t.AnzahlZeilen();
        benchmark::DoNotOptimize(t);
    }
    state.counters["Zeilen"] = zeilen;
    DatenWettbewerbDispose(w);
}

BENCHMARK(BM_ReiterTabelle)
    ->ArgsProduct({{300, 3000}, {TabTeilnehmer, TabStartreihenfolge, TabMannschaft, TabWertung, TabRefly, TabErgebnis,
                                 TabTeamergebnis}})
    ->Unit(benchmark::kMillisecond);

} // namespace
