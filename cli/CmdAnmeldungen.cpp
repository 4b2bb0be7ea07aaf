// tavuran-cli anmeldungen DATEI PORTAL.csv: the registrations of the portal's
// CSV download merged into a competition file, as the import dialog does.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "core/DatenWettbewerb.h"
#include "core/L_CALEND.h"
#include "core/L_STR.h"
#include "exchange/ImportPortal.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran::cli {

namespace {

constexpr const char* Aufruf =
    "anmeldungen DATEI PORTAL.csv [--mit-wettbewerb] [--aus AUSGABE] [--probe] [--trotz-schaden] [--trotz-sperre]";

std::string Datum(const DateRec& d) {
    return L_STR_FillLeftWithO(std::to_string(d.Day), 2) + "." + L_STR_FillLeftWithO(std::to_string(d.Month), 2) +
           "." + std::to_string(d.Year);
}

// What --probe shows before the report: how the file was understood.
void ProbeAusgeben(const ImportVorschau& v, const ImportBericht& b, std::ostream& out) {
    out << "Kodierung: " << v.Kodierung << "\n";
    out << "Trennzeichen: " << (v.Trennzeichen == '\t' ? std::string("Tabulator") : std::string(1, v.Trennzeichen))
        << "\n";
    out << "Spalten:\n";
    for (int s = 0; s < AnzahlImportSpalten; ++s) {
        out << "  " << ImportSpaltenTitel(s) << ": ";
        const int i = v.ColIdx[s];
        if (i > 0)
            out << "Spalte " << i << " („" << v.Kopf[static_cast<std::size_t>(i) - 1] << "“)\n";
        else
            out << "fehlt\n";
    }
    out << "Datensätze:\n";
    out << "Zeile\tNachname\tVorname\tVerein\tTeam\tVerband\tNation\tGeburtstag\tJugend\tKanal 1\tKanal 2\tKanal 3"
           "\tHelfer 1\tHelfer 2\tHelfer 3\n";
    for (const ImportTyp& r : b.Datensaetze) {
        out << r.ZeilenNr << "\t" << r.Name.NachnameStr << "\t" << r.Name.VornameStr << "\t" << r.Verein << "\t"
            << r.Team << "\t" << r.Verband << "\t" << r.Land.Nation << "\t"
            << (r.GebDatumGueltig ? Datum(r.GebDatum) : std::string("-")) << "\t"
            << (r.JugendlichBekannt ? (r.Jugendlich ? "j" : "n") : "-");
        for (int k = 1; k <= 3; ++k) out << "\t" << r.Kanal[k];
        for (int k = 1; k <= 3; ++k) out << "\t" << r.Helfer[k];
        out << "\n";
    }
}

int Anmeldungen(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> dateien;
    std::optional<std::string> ausgabeOpt;
    bool mitWettbewerb = false, probe = false, trotzSchaden = false, trotzSperre = false;
    const OptionenTabelle optionen{{{"--mit-wettbewerb", &mitWettbewerb},
                                    {"--probe", &probe},
                                    {"--trotz-schaden", &trotzSchaden},
                                    {"--trotz-sperre", &trotzSperre}},
                                   {{"--aus", &ausgabeOpt}}};
    if (!ArgumenteLesen(args, optionen, dateien, err)) return 2;
    const std::string ausgabe = ausgabeOpt.value_or("");
    if (dateien.size() != 2) {
        err << "Aufruf: tavuran-cli " << Aufruf << "\n";
        return 2;
    }
    const std::string ziel = ausgabe.empty() ? dateien[0] : ausgabe;

    if (!probe && !AusgabeErlaubt(ziel, {dateien[1]}, err)) return 1;

    MeldungenAufStderr meldungen(err);
    WettbewerbTyp* w = nullptr;
    DateiLeseBericht bericht;
    if (!WettbewerbLaden(dateien[0], w, err, &bericht)) return 1;
    if (!probe && (!SchadenErlaubtSchreiben(bericht, dateien[0], ziel, trotzSchaden, err) ||
                   !SperreErlaubt(ziel, trotzSperre, err))) {
        DatenWettbewerbDispose(w);
        return 1;
    }
    const ImportVorschau v = ImportDateiLesen(dateien[1]);
    if (!v.Gelesen) {
        err << v.Grund << "\n";
        DatenWettbewerbDispose(w);
        return 1;
    }
    ImportOptionen o;
    o.MitWettbewerb = mitWettbewerb;
    L_CALEND_GetDate(o.Heute);
    const ImportBericht b = ImportPortal(w, v, o);
    if (probe) ProbeAusgeben(v, b, out);
    if (!b.Ausgefuehrt) {
        err << "Nichts importiert. " << b.Grund << "\n";
        DatenWettbewerbDispose(w);
        return 1;
    }
    for (const std::string& z : ImportBerichtZeilen(b)) out << z << "\n";
    if (probe) {
        out << "Probelauf: nichts gespeichert.\n";
        DatenWettbewerbDispose(w);
        return 0;
    }
    WettbewerbModellNeuBerechnen(w, true);
    return WettbewerbSpeichernUndFreigeben(w, ziel, out, err);
}

const bool reg = BefehlRegistrieren({
    "anmeldungen",
    Aufruf,
    "Übernimmt die Anmeldungen aus der CSV-Datei des Anmeldeportals in den\n"
    "Wettbewerb DATEI, wie es der Import im Programm tut: neue Piloten werden\n"
    "angelegt, bekannte aktualisiert (was die Datei nicht enthält, bleibt), Teams\n"
    "gebildet und Helfer nach Namen zugeordnet. Zeilen, die sich nicht eindeutig\n"
    "lesen lassen, werden abgelehnt und mit ihrer Zeilennummer gemeldet. Gespeichert\n"
    "wird über DATEI (die alte Datei bleibt als .bak) oder mit --aus unter AUSGABE.\n"
    "Eine beschädigte DATEI (siehe info) wird nur mit --trotz-schaden überschrieben,\n"
    "eine, die ein Fenster geöffnet hat, nur mit --trotz-sperre.\n"
    "  --mit-wettbewerb  übernimmt auch Name, Datum und Regel des Wettbewerbs\n"
    "                    (nicht, wenn der Wettbewerb schon Wertungen enthält)\n"
    "  --probe           zeigt Kodierung, Trennzeichen, erkannte Spalten, die\n"
    "                    Datensätze und den Bericht, ohne zu speichern\n"
    "Rückgabewert 1, wenn eine Datei nicht gelesen oder geschrieben werden kann\n"
    "oder der Datei nötige Spalten fehlen.",
    Anmeldungen,
});

} // namespace

} // namespace tavuran::cli
