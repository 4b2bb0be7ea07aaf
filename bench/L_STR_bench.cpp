// The text helpers on the work of reading and writing a competition file of N
// participant lines: the bytes of the file to UTF-8, each line taken apart
// field by field, each number read and written back as text.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/CodePage.h"
#include "core/L_STR.h"

using namespace tavuran;

namespace {

std::string TeilnehmerZeile(int i) {
    return "TEILNEHMER:    '" + std::to_string(i) + "','Müller-Weiß','Jürgen','Dr.','MFG Böblingen e.V.','GER',"
           "'Baden-Württemberg','Süd','2.4 GHz','" + std::to_string(i % 40) + "','','','Größe ''XL''','f','t',"
           "'" + std::to_string(100 + i % 17) + "','1','0','',''";
}

std::vector<std::string> Zeilen(int n) {
    std::vector<std::string> z;
    for (int i = 1; i <= n; ++i) z.push_back(TeilnehmerZeile(i));
    return z;
}

void BM_ZeilenInFelderZerlegen(benchmark::State& state) {
    const auto zeilen = Zeilen(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        long long summe = 0;
        for (const auto& z : zeilen) {
            std::string rest = L_STR_Unblank(L_STR_GetStrAfterChar(z, U':'));
            while (!rest.empty()) {
                const std::string feld = L_STR_GetStrBetweenInvertedKomma(L_STR_GetStrUntilKommaOutOfInvertedKomma(rest));
                rest = L_STR_GetStrAfterKommaOutOfInvertedKomma(rest);
                summe += L_STR_CnvStrToInteger(feld) + static_cast<long long>(L_STR_Length(feld));
            }
        }
        benchmark::DoNotOptimize(summe);
    }
    state.counters["Zeilen"] = static_cast<double>(zeilen.size());
}
BENCHMARK(BM_ZeilenInFelderZerlegen)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_DateiUmwandeln(benchmark::State& state) {
    std::string datei;
    for (const auto& z : Zeilen(static_cast<int>(state.range(0)))) datei += z + "\r\n";
    const std::string bytes = CnvUtf8ToWindows1252(datei);
    for (auto _ : state) {
        const std::string utf8 = CnvWindows1252ToUtf8(bytes);
        const std::string zurueck = CnvUtf8ToWindows1252(utf8);
        benchmark::DoNotOptimize(zurueck.data());
    }
    state.counters["Bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_DateiUmwandeln)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_ZahlenSchreibenUndLesen(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        double summe = 0;
        for (int i = 0; i < n; ++i) {
            const std::string t = L_STR_DoubleToStr(i * 0.37L + 0.005L, 1, 7, 0, 2);
            summe += L_STR_CnvStrToDouble(L_STR_FillLeftWithBlanks(t, 10));
        }
        benchmark::DoNotOptimize(summe);
    }
    state.counters["Zahlen"] = n;
}
BENCHMARK(BM_ZahlenSchreibenUndLesen)->Arg(30000)->Unit(benchmark::kMillisecond);

} // namespace
