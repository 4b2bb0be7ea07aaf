// The registration import of a large portal download, and what
// `tavuran-cli ergebnis` does with a large competition file: read it,
// recompute (channels and evaluation) and list everybody by place.
// Sizes: 20 000 and 100 000 portal lines or participants; each size runs a
// few times only, so that the large one stays within seconds.
#include <benchmark/benchmark.h>

#include <string>

#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenRegel.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Sortierung.h"
#include "exchange/DateiFelder.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/ImportPortal.h"
#include "rules/RegelLookup.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace {

using namespace tavuran;

// A download of n pilots: clubs, teams of four, juniors with a coach, callers
// naming another pilot, frequencies for every tenth.
std::string Download(int n) {
    std::string t = "Competition Name;Competition Start Date;Registration Competition Classes;Registration Team;"
                    "Pilot First Name;Pilot Last Name;Pilot Birthday;Pilot Club;Pilot NAC;Pilot Country Code;"
                    "Pilot Frequency 1;Pilot Uses 2.4 GHz;Selected Caller;The selected coach for a junior\r\n";
    for (int i = 1; i <= n; ++i) {
        const bool jugend = i % 9 == 0;
        t += "Sommerpokal;2026-06-13;F5J;Team " + std::to_string(i / 4) + ";Vorname" + std::to_string(i) +
             ";Nachname" + std::to_string(i) + ";" + (jugend ? "2012-04-01" : "1980-04-01") + ";Verein " +
             std::to_string(i % 500) + ";DAeC;GER;" + (i % 10 == 0 ? "35.010;no;" : ";yes;");
        if (i % 3 == 0) t += "Vorname" + std::to_string(i - 1) + " Nachname" + std::to_string(i - 1);
        t += ";";
        if (jugend) t += "Vorname" + std::to_string(i - 2) + " Nachname" + std::to_string(i - 2);
        t += "\r\n";
    }
    return t;
}

void BM_Anmeldungen(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::string text = Download(n);
    ImportOptionen o;
    o.Heute = {10, 12, 2026};
    for (auto _ : state) {
        WettbewerbTyp* w = DatenWettbewerbNew();
        DatenWettbewerbDefault(w);
        const ImportBericht b = ImportPortal(w, ImportTextLesen(text), o);
        if (static_cast<int>(b.Neu.size()) != n) state.SkipWithError("nicht alle Piloten angelegt");
        benchmark::DoNotOptimize(w);
        DatenWettbewerbDispose(w);
    }
    state.counters["Zeilen"] = n;
}
BENCHMARK(BM_Anmeldungen)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);

// A competition file of n participants, five flown rounds of F5J in groups
// of ten, teams of three.
std::string Wettbewerbsdatei(int n) {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->Name = "Großer Vergleich";
    w->Datum = {14, 6, 2026};
    DatenRegelLoad(w->RegelPtr, "F5J (B-Mod 2025)", &w->Datum);
    w->AnzVorrunden = 5;
    w->AnzDurchgaenge = 6;
    w->AnzGewDurchgaenge = 4;
    for (int i = 1; i <= n; ++i) {
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, i, true);
        t->Name = {"", "Vorname" + std::to_string(i), "Nachname" + std::to_string(i)};
        t->Verein = "Verein " + std::to_string(i % 500);
        t->StartNr = t->MeldgNr = i;
        t->Jugendlich = i % 9 == 0;
        t->Kanal[1] = i % 10 == 0 ? "35,0" + std::to_string(i % 9) : "2G4";
        for (int r = 1; r <= 5; ++r) {
            t->Gruppe[r] = ((i * (r + 3)) % n) / 10 + 1;
            t->Startplatz[r] = i % 10 + 1;
        }
    }
    for (int r = 1; r <= 5; ++r) {
        DurchgangTyp* d = DatenDurchgangGetPtr(w->DurchgangRootPtr, r);
        for (TeilnehmerTyp* t = w->TeilnehmerRootPtr; t; t = t->next) {
            GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, t->Gruppe[r], 0);
            WertungTyp* e = DatenWertungInGroupGetPtr(d, g, t->EdvNr);
            e->WertungDurchg[1] = 300 + (t->EdvNr * 37 + r * 11) % 300;
            e->WertungDurchg[2] = 40 + (t->EdvNr + r) % 80;
            e->WertungPunktr[1] = 0.5 + (t->EdvNr % 9);
        }
    }
    for (int m = 1; 3 * m <= n; ++m) {
        MannschaftTyp* team = DatenMannschaftNew();
        DatenMannschaftDefault(team);
        team->Nr = m;
        team->Name = "Team " + std::to_string(m);
        for (int k = 0; k < 3; ++k) team->TeilnehmerEdvNr[k + 1] = 3 * m - k;
        team->next = w->MannschaftRootPtr;
        w->MannschaftRootPtr = team;
    }
    bool ersetzt = false;
    std::string text = DatenWettbewerbText(w, 3, ersetzt);
    DatenWettbewerbDispose(w);
    return text;
}

void BM_Ergebnis(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::string text = Wettbewerbsdatei(n);
    for (auto _ : state) {
        WettbewerbTyp* w = nullptr;
        DatenWettbewerbLesen(w, text, "");
        WettbewerbModellNeuBerechnen(w, true);
        std::string liste;
        InfoTeilnehmerTyp info;
        for (TeilnehmerTyp* t = GetFirstTeilnehmer(w, SortPlatz, info); t; t = GetNextTeilnehmer(info))
            liste += std::to_string(t->EdvNr) + '\t' + CnvNameTypToNameStr(&t->Name, true) + '\t' +
                     ErgebnisReal(t->Punkte) + '\t' + std::to_string(t->PlatzNr) + '\n';
        benchmark::DoNotOptimize(liste);
        DatenWettbewerbDispose(w);
    }
    state.counters["Teilnehmer"] = n;
}
BENCHMARK(BM_Ergebnis)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
