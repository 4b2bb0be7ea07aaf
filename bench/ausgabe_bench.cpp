// The printed result list and the HTML result list at contest size (see
// GrosserWettbewerb.h): the same pages of the result list drawn as text (the
// recording canvas) and as PDF (written in memory as the program writes
// it), and the HTML result list of 300 and 3000 participants, made in memory
// as a live page, its body written to its file, and the export as the user
// runs it; and the lists that show every pilot's team.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <QGuiApplication>

#include "bench/GrosserWettbewerb.h"
#include "exchange/HtmlErgebnis.h"
#include "exchange/HtmlExport.h"
#include "live/LiveSeiten.h"
#include "platform/QtDruckCanvas.h"
#include "reports/AufzeichnungsCanvas.h"
#include "reports/DruckDokument.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace {

using namespace tavuran;

constexpr int Aufloesung = 300;

// The competition of N participants, evaluated and sorted as for printing.
WettbewerbTyp* Ausgewertet(int N) {
    WettbewerbTyp* w = bench::GrosserWettbewerb(N);
    WettbewerbModellNeuBerechnen(w, true);
    SortAll(w);
    return w;
}

std::unique_ptr<DruckDokument> Ergebnisliste(WettbewerbTyp* w) {
    DruckAuftrag a;
    a.Art = DruckArt::Ergebnisliste;
    std::string meldung;
    return DruckDokumentErstellen(w, a, meldung);
}

void BM_ErgebnislisteText(benchmark::State& state) {
    WettbewerbTyp* w = Ausgewertet(static_cast<int>(state.range(0)));
    const std::unique_ptr<DruckDokument> d = Ergebnisliste(w);
    int breite = 0, hoehe = 0;
    DruckCanvasGroesse(d->Papier(), Aufloesung, breite, hoehe);
    std::size_t zeichen = 0;
    for (auto _ : state) {
        std::string s;
        for (int i = 1; i <= d->AnzahlSeiten(); ++i) {
            AufzeichnungsCanvas c(breite, hoehe, Aufloesung);
            d->SeiteZeichnen(c, i, false);
            s += c.TextAuszug();
        }
        zeichen = s.size();
        benchmark::DoNotOptimize(s);
    }
    state.counters["Seiten"] = d->AnzahlSeiten();
    state.counters["Zeichen"] = static_cast<double>(zeichen);
    DatenWettbewerbDispose(w);
}

void BM_ErgebnislistePdf(benchmark::State& state) {
    WettbewerbTyp* w = Ausgewertet(static_cast<int>(state.range(0)));
    const std::unique_ptr<DruckDokument> d = Ergebnisliste(w);
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string pdf, grund;
        if (!DruckPdfErzeugen(*d, pdf, grund, 1, d->AnzahlSeiten(), Aufloesung)) state.SkipWithError("kein PDF");
        bytes = pdf.size();
    }
    state.counters["Seiten"] = d->AnzahlSeiten();
    state.counters["Bytes"] = static_cast<double>(bytes);
    DatenWettbewerbDispose(w);
}

// The score lists of every round with the result list as a live page
// ("/wertungen"), made as the live service makes it after each change: the
// competition evaluated, the page written while the list is made, into the
// memory the page of the version before took.
void BM_HtmlLiveSeite(benchmark::State& state) {
    WettbewerbTyp* w = Ausgewertet(static_cast<int>(state.range(0)));
    // The page of the first request, before any change.
    std::string s;
    LiveListenSeite(w, "/wertungen", 1, s);
    for (auto _ : state) {
        if (!LiveListenSeite(w, "/wertungen", 1, s)) state.SkipWithError("keine Seite");
        benchmark::DoNotOptimize(s);
    }
    state.counters["Bytes"] = static_cast<double>(s.size());
    DatenWettbewerbDispose(w);
}

// The result list of N participants written by Schreiben(w, o, datei, grund)
// into a memory file system (/dev/shm), where flushing a file to the disk
// costs nothing, so that the figure is that of the program.
template <class F> void InsSpeicherDateisystem(benchmark::State& state, const char* Name, F Schreiben) {
    const std::filesystem::path ordner = std::filesystem::path("/dev/shm") / Name;
    std::error_code ec;
    if (!std::filesystem::is_directory(ordner.parent_path(), ec)) {
        state.SkipWithError("kein Speicher-Dateisystem /dev/shm");
        return;
    }
    std::filesystem::create_directories(ordner, ec);
    const std::string datei = (ordner / "ergebnis.html").string();
    WettbewerbTyp* w = Ausgewertet(static_cast<int>(state.range(0)));
    HtmlErgebnisOptionen o;
    HtmlOptionenVoreinstellen(w, o);
    for (auto _ : state) {
        std::string grund;
        if (!Schreiben(w, o, datei, grund)) state.SkipWithError(grund.c_str());
    }
    state.counters["Bytes"] = static_cast<double>(std::filesystem::file_size(datei, ec));
    DatenWettbewerbDispose(w);
    std::filesystem::remove_all(ordner, ec);
}

// The list's body as the export writes it, handed on to its file while it
// is made.
void BM_HtmlErgebnislisteDatei(benchmark::State& state) {
    InsSpeicherDateisystem(
        state, "tavuran_ausgabe_bench",
        [](WettbewerbTyp* w, const HtmlErgebnisOptionen& o, const std::string& datei, std::string& grund) {
            return HtmlSeiteSchreiben(
                datei, [&](HtmlDokument& doc) { HtmlErgebnisRumpf(w, o, doc); }, grund);
        });
}

// The export as the user runs it: the competition evaluated and sorted, the
// whole page with its head written to its file.
void BM_HtmlExport(benchmark::State& state) {
    InsSpeicherDateisystem(
        state, "tavuran_ausgabe_bench_export",
        [](WettbewerbTyp* w, const HtmlErgebnisOptionen& o, const std::string& datei, std::string& grund) {
            return HtmlExportExec(w, o, datei, grund, "01.04.2025 18:30");
        });
}

// The lists that show every pilot's team, at 300 and 3000 participants:
// 0 the start lists of all rounds and 1 the team result as live pages, 2 the
// printed start sheets of all preliminary rounds, 3 the printed team result.
void BM_ListenMitTeams(benchmark::State& state) {
    WettbewerbTyp* w = Ausgewertet(static_cast<int>(state.range(0)));
    const int liste = static_cast<int>(state.range(1));
    std::string s;
    for (auto _ : state) {
        if (liste <= 1) {
            if (!LiveListenSeite(w, liste == 0 ? "/start" : "/team", 1, s))
                state.SkipWithError("keine Seite");
            benchmark::DoNotOptimize(s);
        } else {
            DruckAuftrag a;
            a.Art = liste == 2 ? DruckArt::Startzettel : DruckArt::Teamergebnis;
            std::string meldung;
            const std::unique_ptr<DruckDokument> d = DruckDokumentErstellen(w, a, meldung);
            if (!d) state.SkipWithError(meldung.c_str());
            benchmark::DoNotOptimize(d);
        }
    }
    DatenWettbewerbDispose(w);
}

// What the competition itself takes in memory (built, evaluated, sorted,
// every round looked up once), and of that the rounds' indexes of the
// entries (their buckets and nodes, counted): the part of the window's memory
// that is not Qt's.
void BM_Modellspeicher(benchmark::State& state) {
    const int N = static_cast<int>(state.range(0));
    long modell = 0;
    double index = 0;
    for (auto _ : state) {
        const long vorher = bench::RssKb();
        WettbewerbTyp* w = Ausgewertet(N);
        for (DurchgangTyp* d = w->DurchgangRootPtr; d; d = d->next) DatenWertungGetPtr(d, 1, 0);
        modell = bench::RssKb() - vorher;
        index = 0;
        for (const DurchgangTyp* d = w->DurchgangRootPtr; d; d = d->next)
            if (d->Index) index += static_cast<double>(d->Index->Bytes());
        DatenWettbewerbDispose(w);
    }
    state.counters["Modell_MB"] = modell / 1024.0;
    state.counters["Index_MB"] = index / (1024.0 * 1024.0);
}

BENCHMARK(BM_Modellspeicher)->Arg(3000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ErgebnislisteText)->Arg(300)->Iterations(10)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_ErgebnislistePdf)->Arg(300)->Iterations(3)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_HtmlLiveSeite)->Arg(300)->Iterations(30)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_HtmlLiveSeite)->Arg(3000)->Iterations(5)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_HtmlErgebnislisteDatei)->Arg(300)->Iterations(30)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_HtmlErgebnislisteDatei)->Arg(3000)->Iterations(5)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_HtmlExport)->Arg(300)->Iterations(30)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_HtmlExport)->Arg(3000)->Iterations(5)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_ListenMitTeams)->ArgsProduct({{300, 3000}, {0, 1, 2, 3}})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Fonts need an application object; no window system is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qargc = 1;
    QGuiApplication app(qargc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
