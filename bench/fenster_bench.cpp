// The main window at contest size, driven offscreen: competitions of 300 and
// 3000 participants with 12 rounds, teams and reflights (GrosserWettbewerb.h)
// are written to a scratch folder and opened in the real TMainForm. Reported is the CPU time of
// the whole process per action:
//   Reiterwechsel     a tab switch until the window is painted,
//   Wertung           one score typed and the row left (recomputed, painted),
//   Oeffnen           opening a file until the window is idle,
//   Beenden           quitting (wall time): Datei › Beenden with the competition
//                     modified and "Nein" to saving, through the end of the
//                     event loop and the window's destruction,
//   Speicher          the resident memory of a fresh window process that
//                     opened the file (a child process, so that nothing the
//                     benchmark itself built is counted).
// The window is driven through TMainForm's public functions; what touches a
// grid directly is in the namespace Gitter below, so that a change of the
// grid classes changes only that.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/TMainForm.h"
#include "app/TSpeichernAbfrageForm.h"
#include "app/TabellenGitter.h"
#include "bench/GrosserWettbewerb.h"
#include "core/DatenWettbewerb.h"
#include "core/UiHooks.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "platform/Dialoge.h"
#include "platform/Ordner.h"

namespace {

using namespace tavuran;

using bench::Durchgaenge;

// ------------------------------------------------------------------ the grids

// The few things the benchmark does to a grid itself.
namespace Gitter {

QAbstractItemView* Sicht(TMainForm& f, int Tab) { return f.Grid(Tab); }

int Zeilen(TMainForm& f, int Tab) { return Sicht(f, Tab)->model()->rowCount(); }

QLineEdit* Editor(QAbstractItemView* g) {
    for (QLineEdit* e : g->findChildren<QLineEdit*>())
        if (e->isVisible()) return e;
    return nullptr;
}

// Types Text into cell (Zeile, Spalte) (rows from 1) as a user does and
// presses Enter, which in the last value column leaves the row.
bool EintippenUndEnter(TMainForm& f, int Tab, int Zeile, int Spalte, const QString& Text) {
    QAbstractItemView* g = Sicht(f, Tab);
    g->setFocus();
    const QModelIndex zelle = g->model()->index(Zeile - 1, Spalte);
    g->setCurrentIndex(zelle);
    QTest::keyClick(g, Text.at(0).toLatin1());
    QLineEdit* e = Editor(g);
    if (e) {
        QTest::keyClicks(e, Text.mid(1));
    } else {
        // the key did not open the editor (a key still pending from the row
        // before): open it and type the whole text over its selection
        g->edit(zelle);
        e = Editor(g);
        if (!e) return false;
        e->selectAll();
        QTest::keyClicks(e, Text);
    }
    QTest::keyClick(e, Qt::Key_Return);
    return true;
}

} // namespace Gitter

// The scratch folder with the files and the settings, alive for the program.
struct Umgebung {
    QTemporaryDir Ordner;
    std::map<int, std::string> Dateien; // size -> file (and a copy "b")

    std::string Pfad(const std::string& name) const { return (Ordner.path() + "/" + QString::fromStdString(name)).toStdString(); }

    const std::string& Datei(int N) {
        auto it = Dateien.find(N);
        if (it != Dateien.end()) return it->second;
        WettbewerbTyp* w = bench::GrosserWettbewerb(N);
        const std::string a = Pfad("wettbewerb" + std::to_string(N) + ".wtb");
        const std::string b = Pfad("wettbewerb" + std::to_string(N) + "b.wtb");
        for (const std::string& d : {a, b}) {
            const DateiSpeicherErgebnis e = DatenWettbewerbSave(w, d, 3, false);
            if (!e.Ok) {
                std::fprintf(stderr, "Speichern von %s fehlgeschlagen: %s\n", d.c_str(), e.Grund.c_str());
                std::exit(1);
            }
        }
        DatenWettbewerbDispose(w);
        return Dateien.emplace(N, a).first->second;
    }
    std::string Kopie(int N) { return Datei(N).substr(0, Datei(N).size() - 4) + "b.wtb"; }
};

Umgebung* U = nullptr;

void EinstellungenUmleiten(const QString& Ordner) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Ordner + "/config");
    QDir().mkpath(Ordner + "/docs");
    SetDocumentsPathOverride((Ordner + "/docs").toStdString());
    SetDownloadsPathOverride((Ordner + "/docs").toStdString());
}

// Counts what was painted, to make sure an action really reached the screen.
struct Malzaehler : QObject {
    long Anzahl = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++Anzahl;
        return false;
    }
};

void Leerlauf() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// A window with the file open (none for an empty name), messages answered "Nein".
std::unique_ptr<TMainForm> Fenster(const std::string& Datei) {
    QStringList argumente;
    if (!Datei.empty()) argumente << QString::fromStdString(Datei);
    auto f = std::make_unique<TMainForm>(argumente);
    UiHooks& h = GetUiHooks();
    h.Meldung = [](const std::string&) {};
    h.Warnung = [](const std::string&, const std::string&) {};
    h.Frage = [](const std::string&, const std::string&, bool) { return UiAntwort::Nein; };
    f->resize(1366, 768);
    f->show();
    Leerlauf();
    f->SortierHandleTimerTimer();
    Leerlauf();
    return f;
}

const int Tabs[] = {TabTeilnehmer, TabStartreihenfolge, TabMannschaft, TabWertung, TabRefly, TabErgebnis, TabTeamergebnis};

void BM_Reiterwechsel(benchmark::State& state) {
    const int N = static_cast<int>(state.range(0));
    auto f = Fenster(U->Datei(N));
    Malzaehler z;
    qApp->installEventFilter(&z);
    int i = 0, gewechselt = 0;
    for (auto _ : state) {
        const int vorher = f->AktuellerTab();
        f->TabWaehlen(Tabs[i++ % 7]);
        Leerlauf();
        if (f->AktuellerTab() != vorher) ++gewechselt;
    }
    qApp->removeEventFilter(&z);
    state.counters["Wechsel"] = gewechselt;
    state.counters["Zeichnungen"] = benchmark::Counter(static_cast<double>(z.Anzahl), benchmark::Counter::kAvgIterations);
    state.SetLabel(std::to_string(N) + " Teilnehmer, " + std::to_string(Durchgaenge) + " Durchgänge");
}

void BM_Wertung(benchmark::State& state) {
    const int N = static_cast<int>(state.range(0));
    auto f = Fenster(U->Datei(N));
    f->TabWaehlen(TabWertung);
    Leerlauf();
    const int zeilen = Gitter::Zeilen(*f, TabWertung);
    const int hoehe = f->WertungErsteWertSpalte(TabWertung) + 2; // the last value column: height
    // the rows of participants (the grid has separator rows between groups)
    std::vector<int> pilotenZeilen;
    for (const TeilnehmerTyp* p = f->GetAktWettPtr()->TeilnehmerRootPtr; p; p = p->next)
        if (p->ZeilenNr[TabWertung] > 0 && p->ZeilenNr[TabWertung] < zeilen) pilotenZeilen.push_back(p->ZeilenNr[TabWertung]);
    if (pilotenZeilen.empty()) {
        state.SkipWithError("keine Teilnehmerzeile");
        return;
    }
    Malzaehler z;
    qApp->installEventFilter(&z);
    int i = 0;
    bool ok = true;
    for (auto _ : state) {
        const int zeile = pilotenZeilen[static_cast<std::size_t>(i) % pilotenZeilen.size()];
        ok = Gitter::EintippenUndEnter(*f, TabWertung, zeile, hoehe, QString::number(110 + i % 50)) && ok;
        Leerlauf();
        ++i;
    }
    qApp->removeEventFilter(&z);
    if (!ok) state.SkipWithError("kein Zelleneditor");
    if (!f->GetAktWettPtr()->modified) state.SkipWithError("die Eingabe hat den Wettbewerb nicht geändert");
    state.counters["Zeichnungen"] = benchmark::Counter(static_cast<double>(z.Anzahl), benchmark::Counter::kAvgIterations);
    state.SetLabel(std::to_string(N) + " Teilnehmer, " + std::to_string(zeilen) + " Zeilen");
    f->GetAktWettPtr()->modified = false; // closing asks nothing
}

void BM_Oeffnen(benchmark::State& state) {
    const int N = static_cast<int>(state.range(0));
    const std::string a = U->Datei(N), b = U->Kopie(N);
    auto f = Fenster(a);
    int i = 0;
    SetDateiDialogHandler([&](const DateiDialogAnfrage&) { return DateiDialogErgebnis{true, i % 2 ? a : b, 1}; });
    for (auto _ : state) {
        f->FunctionOeffnenClick();
        Leerlauf();
        ++i;
    }
    SetDateiDialogHandler({});
    if (f->GetAktWettPtr()->WettbewerbFileNamen[0] != (i % 2 ? b : a)) state.SkipWithError("nicht geöffnet");
    state.SetLabel(std::to_string(N) + " Teilnehmer");
}

// The resident size of a fresh window process with the file open (or with no file).
long KindRssKb(const std::string& Datei) {
    char exe[4096];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) return -1;
    exe[n] = 0;
    const std::string befehl = "'" + std::string(exe) + "' --fenster-rss '" + Datei + "' 2>/dev/null";
    FILE* p = popen(befehl.c_str(), "r");
    if (!p) return -1;
    long kb = -1;
    if (std::fscanf(p, "%ld", &kb) != 1) kb = -1;
    pclose(p);
    return kb;
}

void BM_Speicher(benchmark::State& state) {
    const int N = static_cast<int>(state.range(0));
    const std::string datei = U->Datei(N);
    long leer = -1, voll = -1;
    for (auto _ : state) {
        leer = KindRssKb("-");
        voll = KindRssKb(datei);
    }
    if (leer < 0 || voll < 0) state.SkipWithError("Kindprozess ohne Ergebnis");
    state.counters["RSS_MB"] = voll / 1024.0;
    state.counters["RSS_leer_MB"] = leer / 1024.0;
    state.SetLabel(std::to_string(N) + " Teilnehmer (RSS des Fensterprozesses)");
}

BENCHMARK(BM_Reiterwechsel)->Arg(300)->Iterations(14)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
// Quitting as the user does it: the competition modified, "Beenden", and the
// question answered "Ja" (second argument 1) or "Nein" (0) at once; timed is
// the wall clock from the click until the window is gone.
void BM_Beenden(benchmark::State& state) {
    const int N = static_cast<int>(state.range(0));
    const int knopf = state.range(1) ? 1 : 3;
    for (auto _ : state) {
        auto f = Fenster(U->Datei(N));
        f->GetAktWettPtr()->modified = true;
        const auto start = std::chrono::steady_clock::now();
        QTimer::singleShot(0, f.get(), [&f] { f->FunctionExitClick(); });
        QTimer::singleShot(0, f.get(), [&f, knopf] {
            if (f->SpeichernAbfrageForm()->isVisible()) f->SpeichernAbfrageForm()->Knopf(knopf)->click();
        });
        QApplication::exec();
        f.reset();
        const auto ende = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(ende - start).count());
    }
}

BENCHMARK(BM_Beenden)->Args({300, 0})->Args({300, 1})->Iterations(3)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_Reiterwechsel)->Arg(3000)->Iterations(4)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_Wertung)->Arg(300)->Iterations(20)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_Wertung)->Arg(3000)->Iterations(3)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_Oeffnen)->Arg(300)->Iterations(6)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_Oeffnen)->Arg(3000)->Iterations(2)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_Speicher)->Arg(3000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qargc = 1;
    QApplication app(qargc, argv);
    QTemporaryDir einstellungen;
    EinstellungenUmleiten(einstellungen.path());

    // The child of BM_Speicher: open the file, let the window settle, print the RSS.
    if (argc == 3 && std::string(argv[1]) == "--fenster-rss") {
        const std::string datei = argv[2];
        auto f = Fenster(datei == "-" ? std::string() : datei);
        Leerlauf();
        std::printf("%ld\n", bench::RssKb());
        f->GetAktWettPtr()->modified = false;
        return 0;
    }

    Umgebung umgebung;
    U = &umgebung;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    U = nullptr;
    return 0;
}
