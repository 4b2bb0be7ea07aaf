// Reading and writing a competition file of 1000 participants with ten rounds
// of scores (about 11 000 lines).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench/GrosserWettbewerb.h"
#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "rules/RegelLookup.h"

namespace {

using namespace tavuran;

constexpr int Teilnehmer = 1000;
constexpr int Durchgaenge = 10;

WettbewerbTyp* GrosserWettbewerb() {
    return bench::WettbewerbMitWertungen(Teilnehmer, Durchgaenge, "Großer Vergleichswettbewerb");
}

std::string DateiText() {
    WettbewerbTyp* w = GrosserWettbewerb();
    bool ersetzt = false;
    std::string text = DatenWettbewerbText(w, 3, ersetzt);
    DatenWettbewerbDispose(w);
    return text;
}

void Groesse(benchmark::State& state, const std::string& text) {
    state.counters["Teilnehmer"] = Teilnehmer;
    state.counters["Durchgaenge"] = Durchgaenge;
    state.counters["Bytes"] = static_cast<double>(text.size());
}

void BM_Laden(benchmark::State& state) {
    const std::string text = DateiText();
    for (auto _ : state) {
        WettbewerbTyp* w = nullptr;
        DatenWettbewerbLesen(w, text, "");
        benchmark::DoNotOptimize(w);
        DatenWettbewerbDispose(w);
    }
    Groesse(state, text);
}
BENCHMARK(BM_Laden)->Unit(benchmark::kMillisecond);

// Opening the file as the window does: read from the file (in the page
// cache after the first round), checked and built.
void BM_LadenDatei(benchmark::State& state) {
    const std::string text = DateiText();
    const std::filesystem::path ordner = std::filesystem::temp_directory_path() / "tavuran_datei_bench_laden";
    std::filesystem::create_directories(ordner);
    const std::string datei = (ordner / "gross.wtb").string();
    {
        std::ofstream f(datei, std::ios::binary);
        f << text;
    }
    for (auto _ : state) {
        WettbewerbTyp* w = nullptr;
        std::string grund;
        if (DatenWettbewerbLoad(w, datei, &grund) != LadenOk) state.SkipWithError(grund.c_str());
        benchmark::DoNotOptimize(w);
        DatenWettbewerbDispose(w);
    }
    Groesse(state, text);
    std::filesystem::remove_all(ordner);
}
BENCHMARK(BM_LadenDatei)->Unit(benchmark::kMillisecond);

void BM_Schreiben(benchmark::State& state) {
    WettbewerbTyp* w = GrosserWettbewerb();
    std::string text;
    for (auto _ : state) {
        bool ersetzt = false;
        text = DatenWettbewerbText(w, 3, ersetzt);
        benchmark::DoNotOptimize(text);
    }
    Groesse(state, text);
    DatenWettbewerbDispose(w);
}
BENCHMARK(BM_Schreiben)->Unit(benchmark::kMillisecond);

// The whole save: lines, temporary file flushed to the disk, backup copy, replacing.
void BM_Speichern(benchmark::State& state) {
    WettbewerbTyp* w = GrosserWettbewerb();
    const std::filesystem::path ordner = std::filesystem::temp_directory_path() / "tavuran_datei_bench";
    std::filesystem::create_directories(ordner);
    const std::string datei = (ordner / "gross.wtb").string();
    for (auto _ : state) {
        const DateiSpeicherErgebnis erg = DatenWettbewerbSave(w, datei, 3);
        if (!erg.Ok) state.SkipWithError(erg.Grund.c_str());
    }
    Groesse(state, DateiText());
    DatenWettbewerbDispose(w);
    std::filesystem::remove_all(ordner);
}
BENCHMARK(BM_Speichern)->Unit(benchmark::kMillisecond);

// The same whole save without the wait for the disk: into a memory file
// system (/dev/shm), where flushing a file to the disk costs nothing. Skipped
// where there is none.
void BM_SpeichernOhneSync(benchmark::State& state) {
    const std::filesystem::path shm = "/dev/shm";
    std::error_code ec;
    if (!std::filesystem::is_directory(shm, ec)) {
        state.SkipWithError("kein Speicher-Dateisystem /dev/shm");
        return;
    }
    WettbewerbTyp* w = GrosserWettbewerb();
    const std::filesystem::path ordner = shm / "tavuran_datei_bench";
    std::filesystem::create_directories(ordner);
    const std::string datei = (ordner / "gross.wtb").string();
    for (auto _ : state) {
        const DateiSpeicherErgebnis erg = DatenWettbewerbSave(w, datei, 3, false);
        if (!erg.Ok) state.SkipWithError(erg.Grund.c_str());
    }
    Groesse(state, DateiText());
    DatenWettbewerbDispose(w);
    std::filesystem::remove_all(ordner);
}
BENCHMARK(BM_SpeichernOhneSync)->Unit(benchmark::kMillisecond);

} // namespace
