// tavuran-cli drucken DATEI --liste ART ... (--text AUS|- | --pdf AUS.pdf):
// the printed documents of the program (lists, start sheets, labels, channel
// statistics) as plain text or as PDF, built by the same routines as the
// preview. The competition file is never changed.
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "core/DatenWettbewerb.h"
#include "core/L_STR.h"
#include "exchange/DateiZugriff.h"
#include "live/LiveStartzettel.h"
#include "reports/AufzeichnungsCanvas.h"
#include "reports/DruckDokument.h"
#include "startorder/StartreihenfolgeLauf.h"
#include "startorder/WettbewerbNeuBerechnen.h"
#ifdef TAVURAN_PDF
#include "platform/QtDruckCanvas.h"
#endif

namespace tavuran::cli {

namespace {

constexpr const char* Aufruf =
    "drucken DATEI --liste meldung|start|wertung|ergebnis|teamergebnis|startzettel|etiketten|kanalstatistik "
    "[--durchgang N|vorrunden|flyoff] [--sortierung 0..5] [--verteiler LISTE] [--quer|--hoch] [--grosse-schrift] "
    "[--farbe 0..5] [--etikett-format 1|2|3] [--endgueltig] [--stand \"TT.MM.JJJJ HH:MM\"] [--seiten A-B] [--trotz-schaden] (--text AUS|- | --pdf AUS.pdf)";

// The resolution of the PDF pages; the text output lays out the same pages.
constexpr int Aufloesung = 300;

// ASCII lower case (option values are plain words).
std::string Klein(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool Ganzzahl(const std::string& s, int von, int bis, int& wert) {
    const std::string t = L_STR_Unblank(s);
    if (t.empty() || t.size() > 6 || t.find_first_not_of("0123456789") != std::string::npos) return false;
    wert = L_STR_CnvStrToInteger(t);
    return wert >= von && wert <= bis;
}

// The text of every page: its lines, then a form feed.
std::string TextAusgabe(const DruckDokument& d, int von, int bis) {
    int breite = 0, hoehe = 0;
    DruckCanvasGroesse(d.Papier(), Aufloesung, breite, hoehe);
    std::string s;
    for (int i = von; i <= bis; ++i) {
        AufzeichnungsCanvas c(breite, hoehe, Aufloesung);
        d.SeiteZeichnen(c, i, false);
        s += c.TextAuszug();
        s += '\f';
    }
    return s;
}

int Drucken(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    static const std::map<std::string, DruckArt> arten = {
        {"meldung", DruckArt::Meldungsliste},   {"start", DruckArt::Startliste},
        {"wertung", DruckArt::Wertungsliste},   {"ergebnis", DruckArt::Ergebnisliste},
        {"startzettel", DruckArt::Startzettel}, {"etiketten", DruckArt::Etiketten},
        {"kanalstatistik", DruckArt::Kanalstatistik}, {"teamergebnis", DruckArt::Teamergebnis}};
    static const std::map<std::string, int> verteiler = {
        {"blanko", 0},      {"aushang", 1},      {"organisationsleiter", 2}, {"startstelle", 3},
        {"senderzelt", 4}, {"punktrichter", 5}, {"zeitnehmer", 6}};

    auto falsch = [&](const std::string& text) {
        err << text << "\nAufruf: tavuran-cli " << Aufruf << "\n";
        return 2;
    };
    std::string datei, textDatei, pdfDatei;
    bool text = false, pdf = false, hatListe = false, trotzSchaden = false;
    int von = 0, bis = 0;
    DruckAuftrag a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& o = args[i];
        const bool mitWert = o == "--liste" || o == "--durchgang" || o == "--sortierung" || o == "--verteiler" ||
                             o == "--farbe" || o == "--etikett-format" || o == "--seiten" || o == "--stand" || o == "--text" ||
                             o == "--pdf";
        if (mitWert && i + 1 >= args.size()) return falsch("Nach " + o + " fehlt der Wert.");
        const std::string w = mitWert ? args[++i] : std::string();
        int n = 0;
        if (o == "--liste") {
            const auto it = arten.find(Klein(w));
            if (it == arten.end()) return falsch("Unbekannte Liste: „" + w + "“.");
            a.Art = it->second;
            hatListe = true;
        } else if (o == "--durchgang") {
            if (Klein(w) == "vorrunden") a.Durchgaenge = DruckVorrunden;
            else if (Klein(w) == "flyoff") a.Durchgaenge = DruckFlyOffs;
            else if (Ganzzahl(w, 1, MaxDurchgaenge, n)) a.Durchgaenge = n;
            else return falsch("Ungültiger Durchgang: „" + w + "“ (eine Nummer 1 bis 30, vorrunden oder flyoff).");
        } else if (o == "--sortierung") {
            if (!Ganzzahl(w, 0, 5, n)) return falsch("Ungültige Sortierung: „" + w + "“ (0 bis 5).");
            a.Sortierung = n;
        } else if (o == "--verteiler") {
            int maske = 0;
            std::string rest = w;
            while (!rest.empty() || maske == 0) {
                const std::string name = Klein(L_STR_Unblank(L_STR_GetStrUntilKomma(rest)));
                const auto it = verteiler.find(name);
                if (it == verteiler.end())
                    return falsch("Unbekannter Verteiler: „" + name +
                                  "“ (Blanko, Aushang, Organisationsleiter, Startstelle, Senderzelt, Punktrichter, "
                                  "Zeitnehmer, durch Kommas getrennt).");
                maske |= 1 << it->second;
                rest = L_STR_GetStrAfterKomma(rest);
            }
            a.VerteilerMaske = maske;
        } else if (o == "--quer" || o == "--hoch") {
            const int orient = o == "--quer" ? 1 : 2;
            if (a.Orientierung != 0 && a.Orientierung != orient) return falsch("--quer und --hoch schließen sich aus.");
            a.Orientierung = orient;
        } else if (o == "--trotz-schaden") {
            trotzSchaden = true;
        } else if (o == "--stand") {
            // "TT.MM.JJJJ HH:MM": the time of printing, for output that does not change from run to run.
            ErgebnisZeitpunkt z;
            int n2 = 0;
            const std::string t = L_STR_Unblank(w);
            const bool ok = t.size() == 16 && t[2] == '.' && t[5] == '.' && t[10] == ' ' && t[13] == ':' &&
                            Ganzzahl(t.substr(0, 2), 1, 31, z.Tag) && Ganzzahl(t.substr(3, 2), 1, 12, z.Monat) &&
                            Ganzzahl(t.substr(6, 4), 1900, 9999, z.Jahr) && Ganzzahl(t.substr(11, 2), 0, 23, z.Stunde) &&
                            Ganzzahl(t.substr(14, 2), 0, 59, n2);
            if (!ok) return falsch("Ungültiger Stand: „" + w + "“ (TT.MM.JJJJ HH:MM, zum Beispiel 04.07.2026 09:05).");
            z.Minute = n2;
            a.Zeit = z;
        } else if (o == "--endgueltig") {
            a.Endgueltig = true;
        } else if (o == "--grosse-schrift") {
            a.Stil = 3;
        } else if (o == "--farbe") {
            if (!Ganzzahl(w, 0, AnzDruckFarben - 1, n)) return falsch("Ungültige Druckfarbe: „" + w + "“ (0 bis 5).");
            a.Farbmodus = n;
        } else if (o == "--etikett-format") {
            if (!Ganzzahl(w, 1, 3, n)) return falsch("Ungültiges Etikettenformat: „" + w + "“ (1, 2 oder 3).");
            a.Etikettformat.AktFormat = n - 1;
        } else if (o == "--seiten") {
            const std::string v = L_STR_GetStrUntilChar(w, U'-'), b = L_STR_GetStrAfterChar(w, U'-');
            if (L_STR_Pos("-", w) == 0 || !Ganzzahl(v, 1, 99999, von) || !Ganzzahl(b, 1, 99999, bis) || von > bis)
                return falsch("Ungültiger Seitenbereich: „" + w + "“ (A-B, zum Beispiel 2-3).");
        } else if (o == "--text") {
            if (text || pdf) return falsch("Es geht nur eine Ausgabe: --text oder --pdf.");
            text = true;
            textDatei = w;
        } else if (o == "--pdf") {
            if (text || pdf) return falsch("Es geht nur eine Ausgabe: --text oder --pdf.");
            pdf = true;
            pdfDatei = w;
        } else if (o.rfind("--", 0) == 0 || !datei.empty()) {
            return falsch("Unbekanntes Argument: „" + o + "“");
        } else {
            datei = o;
        }
    }
    if (datei.empty()) return falsch("Es fehlt die Wettbewerbsdatei.");
    if (!hatListe) return falsch("Es fehlt --liste.");
    if (!text && !pdf) return falsch("Es fehlt die Ausgabe: --text AUS oder --pdf AUS.pdf.");
#ifndef TAVURAN_PDF
    if (pdf) {
        err << "Dieses tavuran-cli wurde ohne Qt gebaut und kann kein PDF schreiben; --text geht.\n";
        return 1;
    }
#endif

    if (!AusgabeErlaubt(text ? (textDatei == "-" ? std::string() : textDatei) : pdfDatei, {datei}, err)) return 1;
    MeldungenAufStderr meldungen(err);
    WettbewerbTyp* w = nullptr;
    DateiLeseBericht bericht;
    if (!WettbewerbLaden(datei, w, err, &bericht)) return 1;
    if (!SchadenErlaubtLesen(bericht, datei, trotzSchaden, err)) {
        DatenWettbewerbDispose(w);
        return 1;
    }
    WettbewerbModellNeuBerechnen(w, true);
    if (DruckBrauchtStartreihenfolge(a.Art) && !GetDurchgangStartreihenfolgeEingeteilt(w)) {
        err << StartreihenfolgeHinweis << "\n";
        DatenWettbewerbDispose(w);
        return 1;
    }
    // Start sheets carry the entry links by phone once the codes know their address.
    std::string zugangFehler;
    a.Zettelzugang = [&](std::vector<ZettelSeiteTyp>& s) { ZettelZugangVorbereiten(w, datei, s, zugangFehler); };
    std::string meldung;
    const std::unique_ptr<DruckDokument> d = DruckDokumentErstellen(w, a, meldung);
    DatenWettbewerbDispose(w);
    if (!zugangFehler.empty()) err << "Hinweis: Startzettel ohne Eingabe-Links. " << zugangFehler << "\n";
    if (!d || d->AnzahlSeiten() < 1) {
        err << (meldung.empty() ? std::string("Es gibt nichts zu drucken.") : meldung) << "\n";
        return 1;
    }
    const int seiten = d->AnzahlSeiten();
    if (von == 0) von = 1, bis = seiten;
    if (bis > seiten) {
        err << "Die Seiten " << von << " bis " << bis << " gibt es nicht: das Dokument hat " << seiten
            << (seiten == 1 ? " Seite.\n" : " Seiten.\n");
        return 1;
    }
    std::string grund, hinweis;
    if (text) {
        const std::string s = TextAusgabe(*d, von, bis);
        if (textDatei == "-") {
            out << s;
            out.flush();
            return out ? 0 : 1;
        }
        if (!DateiErsetzen(textDatei, s, "", grund, hinweis)) {
            err << "Die Datei „" << textDatei << "“ konnte nicht geschrieben werden: " << grund << "\n";
            return 1;
        }
        return 0;
    }
#ifdef TAVURAN_PDF
    if (!DruckPdfSchreiben(*d, pdfDatei, grund, von, bis, Aufloesung)) {
        err << "Die Datei „" << pdfDatei << "“ konnte nicht geschrieben werden: " << grund << "\n";
        return 1;
    }
#endif
    return 0;
}

const bool reg = BefehlRegistrieren({
    "drucken",
    Aufruf,
    "Gibt ein Druckstück des Wettbewerbs aus, Seite für Seite wie die Druckvorschau:\n"
    "  meldung Meldungsliste, start Startliste, wertung Wertungsliste, ergebnis Ergebnisliste,\n"
    "  teamergebnis Teamergebnis, startzettel Startzettel, etiketten Etiketten,\n"
    "  kanalstatistik Kanalstatistik.\n"
    "--durchgang N|vorrunden|flyoff  die Durchgänge (ohne: der aktuelle Durchgang,\n"
    "               bei Startzetteln alle Vorrunden)\n"
    "--sortierung   0 Meldungsnr., 1 Startnummer, 2 Name, 3 Startfolge, 4 Platz, 5 Team\n"
    "--verteiler    Exemplare der Startliste, durch Kommas getrennt: Blanko, Aushang,\n"
    "               Organisationsleiter, Startstelle, Senderzelt, Punktrichter, Zeitnehmer\n"
    "               (ohne: Punktrichter)\n"
    "--quer, --hoch Querformat oder Hochformat; --grosse-schrift große Schrift\n"
    "--farbe        0 schwarzweiß, 1 Farbe, 2 braun, 3 rot, 4 grün, 5 blau\n"
    "--etikett-format 1 46x21mm 4-reihig, 2 89x36mm 2-reihig, 3 89x48mm 1-reihig\n"
    "--endgueltig   Ergebnis und Teamergebnis als endgültig drucken, auch wenn noch\n"
    "               Durchgänge offen sind (sonst: endgültig, wenn alle vollständig sind)\n"
    "--stand \"TT.MM.JJJJ HH:MM\"  der Zeitpunkt im Fuß statt der Uhrzeit des Drucks\n"
    "--seiten A-B   nur die Seiten A bis B\n"
    "--text AUS     die Texte jeder Seite zeilenweise, jede Seite mit einem Seitenvorschub\n"
    "               beendet (\"-\" schreibt auf die Standardausgabe)\n"
    "--pdf AUS.pdf  die Seiten als PDF\n"
    "--trotz-schaden  auch aus einer beschädigten Datei (siehe info)\n"
    "Die Wettbewerbsdatei wird nicht verändert (die Ausgabe darf nicht sie sein).\n"
    "Rückgabewert 1, wenn die Datei nicht gelesen werden kann oder beschädigt ist, die\n"
    "Ausgabe nicht geschrieben werden kann, die Liste eine ausgezählte\n"
    "Startreihenfolge braucht, die es nicht gibt, oder es nichts zu drucken gibt;\n"
    "2 bei falschem Aufruf.",
    Drucken,
});

} // namespace
} // namespace tavuran::cli
