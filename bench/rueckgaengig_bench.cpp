// One undo step at 300 participants with ten rounds of scores: the snapshot
// taken after every change (and compared with the current state), and the
// restore of a snapshot on undo, which also recomputes the competition.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/GrosserWettbewerb.h"
#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "exchange/Rueckgaengig.h"
#include "rules/RegelLookup.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace {

using namespace tavuran;

constexpr int Teilnehmer = 300;
constexpr int Durchgaenge = 10;

WettbewerbTyp* Wettbewerb() {
    WettbewerbTyp* w = bench::WettbewerbMitWertungen(Teilnehmer, Durchgaenge, "Vergleichswettbewerb");
    WettbewerbModellNeuBerechnen(w, true);
    return w;
}

void Groesse(benchmark::State& state) {
    state.counters["Teilnehmer"] = Teilnehmer;
    state.counters["Durchgaenge"] = Durchgaenge;
}

// A change recorded: the snapshot of the state after it, compared and kept.
void BM_SchrittMerken(benchmark::State& state) {
    WettbewerbTyp* w = Wettbewerb();
    RueckgaengigListe liste;
    RueckgaengigBeginnen(liste, w, true);
    double zeit = 300;
    for (auto _ : state) {
        GetTeilnehmerEdvNr(w, 5)->Verein = "Club " + std::to_string(zeit);
        zeit += 1;
        benchmark::DoNotOptimize(RueckgaengigMerken(liste, w, "Schritt"));
    }
    Groesse(state);
    state.counters["Snapshot_Bytes"] = static_cast<double>(RueckgaengigSchnappschuss(w).size());
    state.counters["Liste_Bytes"] = static_cast<double>(RueckgaengigSpeicher(liste));
    state.counters["Schritte"] = static_cast<double>(liste.Zurueck.size());
    DatenWettbewerbDispose(w);
}
BENCHMARK(BM_SchrittMerken)->Unit(benchmark::kMillisecond);

// Undo: the snapshot read into a new competition and recomputed.
void BM_Wiederherstellen(benchmark::State& state) {
    WettbewerbTyp* w = Wettbewerb();
    const std::string stand = RueckgaengigSchnappschuss(w);
    for (auto _ : state) {
        WettbewerbTyp* neu = RueckgaengigWiederherstellen(stand, w);
        WettbewerbModellNeuBerechnen(neu, true);
        benchmark::DoNotOptimize(neu);
        DatenWettbewerbDispose(neu);
    }
    Groesse(state);
    DatenWettbewerbDispose(w);
}
BENCHMARK(BM_Wiederherstellen)->Unit(benchmark::kMillisecond);

} // namespace
