// What every published result says alike, whether printed, written as HTML
// or as CSV: whether a list is provisional or final, the note on the rounds
// flown and counted, which pilots are placed and which did not fly, the text
// of a round's result with its marks (reflight, not droppable, dropped,
// penalty), the legend of the marks used, the flight that counts in a round
// with a reflight, and a channel as lists show it. The outputs call these
// routines instead of deciding for themselves, so that the printed list, the
// web page and the spreadsheet never disagree.
//
// All routines read the results CalcWertung left in the records; none of them
// creates a score entry.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

// ------------------------------------------------------- provisional or final

// A round is complete when it was flown and every participant placed in it
// (a group number above 0) has a result: something entered, or raw points.
bool DurchgangVollstaendig(const WettbewerbTyp* Wett, int DurchgangNr);
// The round and group flown now: the first round that is not complete, and in
// it the lowest group with a participant who has no result yet. Both 0 when
// every round is complete (or there are none).
struct AktuellerFlugTyp {
    int Durchgang = 0;
    int Gruppe = 0;
};
AktuellerFlugTyp AktuellerFlug(const WettbewerbTyp* Wett);
// A result list is final when every round of the competition is complete, or
// when the user declares it final (AlsEndgueltig, the switch of the print and
// export dialogs). A competition without rounds is never final by itself.
bool ErgebnisEndgueltig(const WettbewerbTyp* Wett, bool AlsEndgueltig = false);
// "endgültig" or "vorläufig".
const char* ErgebnisStandWort(bool Endgueltig);

// A moment of printing or writing, local time.
struct ErgebnisZeitpunkt {
    int Tag = 1, Monat = 1, Jahr = 2000, Stunde = 0, Minute = 0;
};
ErgebnisZeitpunkt ErgebnisZeitpunktJetzt();
// "Stand 10.12.2026 14:05"
std::string ErgebnisStandText(const ErgebnisZeitpunkt& Zeit);
// "Stand 10.12.2026 14:05, vorläufig": the line of footers and page heads.
std::string ErgebnisStandZeile(const WettbewerbTyp* Wett, const ErgebnisZeitpunkt& Zeit, bool AlsEndgueltig = false);

// --------------------------------------------------- rounds flown and counted

// "2 Vorrunden geflogen, gewertet werden 3 von 4" (an overall ranking says
// "Teilwettbewerbe"); empty when every preliminary round is flown and every
// one counts, so that there is nothing to explain.
std::string VorrundenHinweis(const WettbewerbTyp* Wett);

// ------------------------------------------------------------ places

// The final place: the fly-off place of a finalist, else the preliminary
// place; 0 for a participant without place.
int ErgebnisPlatz(const TeilnehmerTyp* Teilnehmer);
// The place as lists show it: empty for a participant without place (never "0").
std::string ErgebnisPlatzText(const TeilnehmerTyp* Teilnehmer);
// Whether the participant flew at all: some entry of his in any round holds
// raw points or an entered value (an invalid flight counts as flown).
bool TeilnehmerGeflogen(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer);
// Every listed participant (a number and a surname) in the order of a result
// list: the placed ones by place, then those without place (who flew but
// scored nothing, and those who did not fly), in the order the place order
// keeps them.
std::vector<const TeilnehmerTyp*> ErgebnisFolge(const WettbewerbTyp* Wett);

// ------------------------------------------------- a round's result

// The entry whose result counts in round Nr: the reflight when the
// participant flew one that counts (it was caused by the reflight, or it is
// not worse than the first flight), else the first flight; nil when there is
// none. IstReflight says which one it is.
struct GezaehlterFlugTyp {
    const WertungTyp* Eintrag = nullptr;
    const WertungTyp* Erstflug = nullptr; // the entry of the ordinary group (penalty points live there)
    bool IstReflight = false;
};
GezaehlterFlugTyp GezaehlterFlug(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer, int DurchgangNr);

// Whether the participant's result of preliminary round Nr is dropped: the
// round was flown and its result is not among the ones that count now.
bool ErgebnisGestrichen(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer, int DurchgangNr);

// The same for every round of one participant, his preliminary rounds
// ordered once at the first question: a row of a result list asks for each
// of its rounds. Holds the competition and the participant only while the
// row is made.
class GestricheneRunden {
  public:
    GestricheneRunden(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer) : w_(Wett), t_(Teilnehmer) {}
    bool operator()(int DurchgangNr);

  private:
    const WettbewerbTyp* w_;
    const TeilnehmerTyp* t_;
    bool geordnet_ = false;
    std::array<bool, MaxDurchgaenge + 1> ausserhalb_{}; // not among the rounds that count
};

// The marks a result list uses; collected while its cells are made, for the legend.
struct ErgebnisZeichen {
    bool Reflight = false;        // R
    bool NichtStreichbar = false; // !
    bool Gestrichen = false;      // ( )
    bool Strafe = false;          // the penalty sign
    bool KanalDoppelt = false;    // start lists: ! beside the channel
    bool KanalNachbar = false;    // start lists: ~ beside the channel
    bool NichtGeflogen = false;   // – a sub-competition not flown (overall rankings)
};

// The penalty sign: a round's result after deducting penalty points. Not "S",
// which German readers take for a dropped result ("Streicher").
inline constexpr const char* StrafZeichen = "P";
// A sub-competition the pilot did not take part in.
inline constexpr const char* NichtGeflogenZeichen = "–";

// A number of points as the result lists show it.
std::string ErgebnisZahl(double Wert);

// Whether a result list leaves the participant's cells of round Nr empty:
// nobody has flown the round yet, he did not fly at all, or Nr is a fly-off
// round he is not seated in.
bool ErgebnisRundeLeer(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer, int DurchgangNr);

// What a result list shows of the participant's result of one round, read
// from his entries: nothing, "not taken part" (overall rankings), 0 without
// marks (no entry), or the counted points after penalty points with their
// marks. ErgebnisRundenText makes its text.
struct RundenErgebnis {
    enum class Art : unsigned char { Leer, NichtGeflogen, Null, Wert };
    Art Inhalt = Art::Leer;
    bool Reflight = false;        // the counted flight is a reflight
    bool NichtStreichbar = false; // the result can never be dropped
    bool Strafe = false;          // penalty points were deducted
    bool Gestrichen = false;      // dropped
    double Punkte = 0;            // after penalty points
};
// Gestrichen, when given, is the participant's (see GestricheneRunden).
RundenErgebnis ErgebnisRunde(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer, int DurchgangNr,
                             GestricheneRunden* Gestrichen = nullptr);

// The results of rounds 1..Runden of the participants of Folge, the rows of
// a result list, made in one go. Row by row, the entries of every round
// would be read in the order of places, which jumps through memory; at
// contest size they are out of the processor's cache, and each row waits for
// its reads. Here each round's entries are read once, by participant number,
// and a row's results lie together. Holds nothing of the competition once
// made.
class ErgebnisRundenTabelle {
  public:
    ErgebnisRundenTabelle(const WettbewerbTyp* Wett, const std::vector<const TeilnehmerTyp*>& Folge,
                          int Runden);
    // The result of row Zeile (an index into Folge) in round Nr (1..Runden).
    const RundenErgebnis& operator()(std::size_t Zeile, int Nr) const {
        return werte_[Zeile * static_cast<std::size_t>(runden_) + static_cast<std::size_t>(Nr - 1)];
    }

  private:
    int runden_ = 0;
    std::vector<RundenErgebnis> werte_;
};

// The text of the participant's result of round Nr on a result list: the
// counted points with their decimals (after penalty points, marked with
// StrafZeichen), "R" before a counted reflight, "!" before a result that can
// never be dropped, in brackets when dropped. A participant who did not fly
// at all, or a fly-off he was not seated in, shows nothing; in an overall ranking a sub-competition the pilot has
// no result in shows "–". The marks used are added to Zeichen when given.
// A list that marks the reflight beside the raw points already passes
// MitReflight false.
// Gestrichen, when given, is the participant's (see GestricheneRunden).
std::string ErgebnisRundenText(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer, int DurchgangNr,
                               ErgebnisZeichen* Zeichen = nullptr, bool MitReflight = true,
                               GestricheneRunden* Gestrichen = nullptr);
// The same for a result already read.
std::string ErgebnisRundenText(const RundenErgebnis& Ergebnis, ErgebnisZeichen* Zeichen = nullptr,
                               bool MitReflight = true);
// The total as result lists show it: empty for a participant who did not fly.
std::string ErgebnisSummenText(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer, double Wert);

// The lines of the legend for the marks used, in a fixed order
// ("( )  Streichergebnis: zählt nicht zur Summe", ...); empty when none was used.
std::vector<std::string> ZeichenLegende(const ErgebnisZeichen& Zeichen);

// The title of a round's column on a result list: in an overall ranking the
// sub-competition's name when the round has one, else the round's label.
std::string ErgebnisRundenTitel(const WettbewerbTyp* Wett, int DurchgangNr);

// ----------------------------------------------------------- teams

// One team of the team ranking: its place and score, its members in the
// order of the team list (their own totals, best first). A member whose
// total did not count for the team has TeilDerTeamWertung false.
struct TeamErgebnisTyp {
    const MannschaftTyp* Team = nullptr;
    int Platz = 0;
    double Punkte = 0;
    std::vector<const TeilnehmerTyp*> Mitglieder;
};
// The teams with at least one listed member, by place (teams without place
// last, in list order); pilots without a team are no part of it.
std::vector<TeamErgebnisTyp> TeamErgebnisFolge(const WettbewerbTyp* Wett);

// ----------------------------------------------------------- channels

// A channel text as every list shows it: "2,4GHz" for the model's "2G4".
std::string KanalAnzeige(std::string_view Kanal);

} // namespace tavuran
