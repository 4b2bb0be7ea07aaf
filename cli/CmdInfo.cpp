// tavuran-cli info DATEI: the key facts of a competition file.
#include <ostream>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_CALEND.h"

namespace tavuran::cli {

namespace {

std::string StatusText(int Status) {
    switch (Status) {
    case StatusAngelegt:
        return "Wettbewerb angelegt";
    case StatusParameter:
        return "Parameter festgelegt";
    case StatusTeilnehmer:
        return "Teilnehmer erfasst";
    case StatusMannschaften:
        return "Mannschaften erfasst";
    case StatusStartliste:
        return "Startliste gedruckt";
    case StatusErgebnisse:
        return "Ergebnisse eingegeben";
    case StatusVeroeffentlicht:
        return "Ergebnisse veröffentlicht";
    default:
        return "ohne Angabe";
    }
}

int Info(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> woerter;
    if (!ArgumenteLesen(args, {}, woerter, err)) return 2;
    if (woerter.size() != 1) {
        err << "Aufruf: tavuran-cli info DATEI\n";
        return 2;
    }
    MeldungenAufStderr meldungen(err);
    WettbewerbTyp* w = nullptr;
    DateiLeseBericht bericht;
    if (!WettbewerbLaden(woerter[0], w, err, &bericht)) return 1;

    int mannschaften = 0;
    for (const MannschaftTyp* m = w->MannschaftRootPtr; m; m = m->next)
        if (m->Nr > 0 && !m->Name.empty()) ++mannschaften;
    int wertungen = 0;
    DurchgangListenInfoTyp cursor;
    InitWertungsDaten(w->DurchgangRootPtr, w->TeilnehmerRootPtr, cursor);
    while (GetNextWertungsDatenPtr(cursor)) ++wertungen;
    // Counts come from the file: the difference is taken wide.
    const long long jugend =
        static_cast<long long>(w->AnzDurchgaenge) - w->AnzVorrunden - static_cast<long long>(w->AnzSeniorenFlyOff);

    out << "Datei:          " << woerter[0] << "\n"
        << "Name:           " << w->Name << "\n"
        << "Datum:          " << L_CALEND_GetDayStr(w->Datum) << "." << L_CALEND_GetMonthStr(w->Datum) << "."
        << L_CALEND_GetYearStr(w->Datum) << "\n"
        << "Regel:          " << (w->RegelPtr ? w->RegelPtr->Name : std::string("(keine)")) << "\n"
        << "Dateiformat:    " << w->FileFormatNr << "\n"
        << "Teilnehmer:     " << GetTeilnehmerAnzahl(w->TeilnehmerRootPtr) << "\n"
        << "Mannschaften:   " << mannschaften << "\n"
        << "Durchgänge:     " << w->AnzDurchgaenge << " (" << w->AnzVorrunden << " Vorrunden, "
        << w->AnzSeniorenFlyOff << " Fly-Off, " << (jugend > 0 ? jugend : 0) << " Jugend-Fly-Off)\n"
        << "Wertungen:      " << wertungen << "\n"
        << "Fortschritt:    " << w->Status << " (" << StatusText(w->Status) << ")\n"
        << "Zustand:        "
        << (bericht.Verluste() ? "beschädigt, nicht vollständig gelesen (siehe Hinweise)" : "vollständig gelesen")
        << "\n";
    DatenWettbewerbDispose(w);
    return bericht.Verluste() ? 1 : 0;
}

const bool reg = BefehlRegistrieren({
    "info",
    "info DATEI",
    "Zeigt Name, Datum, Regel und Dateiformat einer Wettbewerbsdatei (.wtb),\n"
    "die Zahl der Teilnehmer, Mannschaften, Durchgänge und Wertungen und den\n"
    "Fortschritt des Wettbewerbs und ob die Datei vollständig gelesen werden\n"
    "konnte; nicht lesbare Zeilen nennt ein Hinweis. Rückgabewert 1, wenn die\n"
    "Datei keine Wettbewerbsdatei ist, nicht gelesen werden kann, ein nicht\n"
    "unterstütztes Dateiformat hat oder beschädigt ist.",
    Info,
});

} // namespace
} // namespace tavuran::cli
