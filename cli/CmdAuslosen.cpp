// tavuran-cli auslosen DATEI [...]: draws groups and start places of the
// preliminary rounds as the program's draw does (50 candidates, the first with
// the lowest score wins) and saves the competition.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "core/DatenWettbewerb.h"
#include "core/L_STR.h"
#include "core/UiHooks.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "startorder/StartreihenfolgeCore.h"
#include "startorder/StartreihenfolgeDialog.h"
#include "startorder/StartreihenfolgeLauf.h"

namespace tavuran::cli {

namespace {

constexpr const char* Aufruf =
    "auslosen DATEI [--aus AUSGABE] [--gruppengroesse G] [--durchgaenge 1,3,5|alle] [--schutz-helfer] "
    "[--schutz-team] [--schutz-alle] [--ohne-gruppenstart] [--ohne-nachbesserung] [--trotz-ergebnissen] [--seed N] "
    "[--protokoll] [--trotz-schaden] [--trotz-sperre]";

// The round numbers of a mask, "1, 3, 5".
std::string Durchgaenge(std::int64_t Maske) {
    std::string s;
    for (int r = 1; r <= 30; ++r)
        if ((Maske >> (r - 1)) & 1) s += (s.empty() ? "" : ", ") + std::to_string(r);
    return s;
}

// A whole number made of digits only; false for anything else.
bool Zahl(const std::string& s, long long& wert) {
    if (s.empty() || s.size() > 18) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    wert = std::stoll(s);
    return true;
}

int Auslosen(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> ausgabeOpt, gruppenOpt, durchgaengeOpt, seedOpt;
    bool schutzHelfer = false, schutzTeam = false, schutzAlle = false, ohneGruppenstart = false,
         ohneNachbesserung = false, protokoll = false, trotzErgebnissen = false, trotzSchaden = false,
         trotzSperre = false;
    std::vector<std::string> woerter;
    const OptionenTabelle optionen{{{"--schutz-helfer", &schutzHelfer},
                                    {"--schutz-team", &schutzTeam},
                                    {"--schutz-alle", &schutzAlle},
                                    {"--ohne-gruppenstart", &ohneGruppenstart},
                                    {"--ohne-nachbesserung", &ohneNachbesserung},
                                    {"--protokoll", &protokoll},
                                    {"--trotz-ergebnissen", &trotzErgebnissen},
                                    {"--trotz-schaden", &trotzSchaden},
                                    {"--trotz-sperre", &trotzSperre}},
                                   {{"--aus", &ausgabeOpt},
                                    {"--gruppengroesse", &gruppenOpt},
                                    {"--durchgaenge", &durchgaengeOpt},
                                    {"--seed", &seedOpt}}};
    if (!ArgumenteLesen(args, optionen, woerter, err)) return 2;
    if (woerter.size() != 1) {
        err << "Aufruf: tavuran-cli " << Aufruf << "\n";
        return 2;
    }
    long long gruppengroesse = 0, seed = 0;
    if (gruppenOpt && (!Zahl(*gruppenOpt, gruppengroesse) || gruppengroesse < 1 || gruppengroesse > 1000)) {
        err << "Die Gruppengröße muss eine Zahl ab 1 sein.\n";
        return 2;
    }
    const bool mitSeed = seedOpt.has_value();
    if (seedOpt && !Zahl(*seedOpt, seed)) {
        err << "Nach --seed muss eine ganze Zahl ab 0 folgen.\n";
        return 2;
    }
    AuslosungsAuftrag auftrag;
    auftrag.TeamschutzHelfer = schutzHelfer;
    auftrag.TeamschutzMannschaft = schutzTeam;
    auftrag.TeamschutzAlle = schutzAlle;
    if (ohneGruppenstart) auftrag.GruppenStart = false;
    if (ohneNachbesserung) auftrag.Nachbessern = false;
    const std::string datei = woerter[0];
    const std::string durchgaenge = durchgaengeOpt.value_or("alle");
    std::string ausgabe = ausgabeOpt.value_or("");
    if (ausgabe.empty()) ausgabe = datei;

    MeldungenAufStderr meldungen(err);
    std::vector<std::string> log;
    if (protokoll) GetUiHooks().Protokoll = [&log](const std::string& z) { log.push_back(z); };
    WettbewerbTyp* w = nullptr;
    DateiLeseBericht bericht;
    if (!WettbewerbLaden(datei, w, err, &bericht)) return 1;
    if (!SchadenErlaubtSchreiben(bericht, datei, ausgabe, trotzSchaden, err) ||
        !SperreErlaubt(ausgabe, trotzSperre, err)) {
        DatenWettbewerbDispose(w);
        return 1;
    }
    if (auftrag.GruppenStart == false && !GruppenstartAenderbar(w) && w->Gruppenstart) {
        err << "Die Regel des Wettbewerbs „" << (w->RegelPtr ? w->RegelPtr->Name : std::string())
            << "“ sieht immer Gruppenstart vor.\n";
        DatenWettbewerbDispose(w);
        return 1;
    }

    const int vorrunden = w->AnzVorrunden < 0 ? 0 : (w->AnzVorrunden > 30 ? 30 : w->AnzVorrunden);
    if (durchgaenge != "alle") {
        std::int64_t maske = 0;
        std::vector<int> runden;
        if (!VorrundenListeLesen(durchgaenge, vorrunden, runden, err)) {
            DatenWettbewerbDispose(w);
            return 2;
        }
        for (int r : runden) maske |= std::int64_t{1} << (r - 1);
        auftrag.DurchgangInfo = maske;
    }
    auftrag.GruppenGroesse = static_cast<int>(gruppengroesse);

    // Rounds that hold results are not drawn again: a new division would
    // change their scores and could cost flown fly-off rounds their values.
    const std::int64_t gewaehlt =
        auftrag.DurchgangInfo >= 0 ? auftrag.DurchgangInfo : (std::int64_t{1} << vorrunden) - 1;
    const std::int64_t mitWertungen = gewaehlt & static_cast<std::int64_t>(DatenWettbewerbDurchgangEnthaeltWertung(w));
    if (mitWertungen != 0) {
        const bool einer = (mitWertungen & (mitWertungen - 1)) == 0;
        if (!trotzErgebnissen) {
            if (einer)
                err << "Durchgang " << Durchgaenge(mitWertungen) << " enthält schon Wertungen; eine neue "
                    << "Auslosung änderte seine Ergebnisse.";
            else
                err << "Die Durchgänge " << Durchgaenge(mitWertungen) << " enthalten schon Wertungen; eine neue "
                    << "Auslosung änderte ihre Ergebnisse.";
            err << " Mit --trotz-ergebnissen werden nur die Durchgänge ohne Wertungen ausgelost.\n";
            DatenWettbewerbDispose(w);
            return 1;
        }
        if ((gewaehlt & ~mitWertungen) == 0) {
            err << "Alle gewählten Durchgänge enthalten schon Wertungen; es gibt nichts auszulosen.\n";
            DatenWettbewerbDispose(w);
            return 1;
        }
        out << (einer ? "Nicht ausgelost, weil er Wertungen enthält: Durchgang "
                      : "Nicht ausgelost, weil sie Wertungen enthalten: Durchgänge ")
            << Durchgaenge(mitWertungen) << "\n";
        auftrag.DurchgangInfo = gewaehlt & ~mitWertungen;
    }

    if (mitSeed)
        StartreihenfolgeZufallFest(static_cast<std::uint64_t>(seed));
    else
        StartreihenfolgeZufallUhr();
    const AuslosungsErgebnis erg = StartreihenfolgeAuslosen(w, auftrag);
    const SortType& lauf = GetSortierLauf();

    for (const std::string& z : log) out << z << "\n";
    if (w->Gruppenstart) {
        out << "Gruppengröße " << erg.GruppenGroesse << ", " << erg.AnzahlGruppen << " Gruppen\n";
        out << "Kandidat\tBewertung\n";
        for (int i = 1; i <= StartreihenfolgeKandidaten; ++i) out << i << "\t" << lauf.Score[i] << "\n";
        out << "Gewählt: Kandidat " << lauf.BestScoreIndex << " mit Bewertung " << lauf.Score[lauf.BestScoreIndex]
            << "\n";
        if (lauf.Nachgebessert)
            out << "Nachgebessert: Verteilscore " << lauf.ScoreVorNachbesserung << " -> " << lauf.ScoreNachNachbesserung
                << "\n";
    } else {
        out << "Ohne Gruppenstart: jeder Teilnehmer fliegt für sich, Startnummern in ausgeloster Reihenfolge.\n";
    }

    StartreihenfolgeFreigeben();
    const DateiSpeicherErgebnis gespeichert = DatenWettbewerbSave(w, ausgabe, w->FileFormatNr, false);
    DatenWettbewerbDispose(w);
    if (!gespeichert.Ok) {
        err << "Die Datei „" << ausgabe << "“ konnte nicht geschrieben werden. " << gespeichert.Grund << "\n";
        return 1;
    }
    out << "Gespeichert: " << ausgabe << "\n";
    return 0;
}

const bool reg = BefehlRegistrieren({
    "auslosen",
    Aufruf,
    "Lost Gruppen und Startplätze der Vorrunden aus, wie es das Programm tut:\n"
    "50 Vorschläge, der erste mit der niedrigsten Bewertung wird übernommen;\n"
    "wird Durchgang 1 ausgelost, folgen die Startnummern seiner Startreihenfolge.\n"
    "Speichert die Datei (über sich selbst, mit --aus unter AUSGABE) und zeigt die\n"
    "50 Bewertungen und den gewählten Vorschlag. Eine Datei, die nicht vollständig\n"
    "gelesen werden konnte, wird nur mit --trotz-schaden überschrieben, eine, die ein\n"
    "Fenster geöffnet hat, nur mit --trotz-sperre.\n"
    "  --gruppengroesse G   gewünschte Gruppengröße (sonst die des Wettbewerbs)\n"
    "  --durchgaenge LISTE  nur diese Vorrunden, z. B. 1,3,5 (sonst alle)\n"
    "  --schutz-helfer      Pilot und eingetragene Helfer nie in einer Gruppe\n"
    "  --schutz-team        erstes Teammitglied nie mit den anderen in einer Gruppe\n"
    "  --schutz-alle        Teamschutz für alle Teilnehmer (sonst nur Jugend)\n"
    "  --ohne-gruppenstart  jeder fliegt für sich (wo die Regel es zulässt;\n"
    "                       sonst gilt die Einstellung des Wettbewerbs)\n"
    "  --ohne-nachbesserung behält den besten Vorschlag, wie er ausgelost wurde\n"
    "                       (sonst werden Piloten zwischen Gruppen getauscht,\n"
    "                       solange das wiederholte Begegnungen verringert)\n"
    "  --trotz-ergebnissen  lost aus, obwohl gewählte Durchgänge schon Wertungen\n"
    "                       enthalten: dann nur die Durchgänge ohne Wertungen\n"
    "                       (ohne die Option wird die Auslosung abgelehnt)\n"
    "  --seed N             wiederholbare Auslosung\n"
    "  --protokoll          zeigt den Verlauf der Auszählung",
    Auslosen,
});

} // namespace

} // namespace tavuran::cli
