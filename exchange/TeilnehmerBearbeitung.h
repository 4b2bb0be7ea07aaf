// The participant and team sheets of the main window, without the window:
// what a grid row shows for a participant or a team, how a row of typed texts
// is written back into the model, the lookups offered below the sheets, the
// take-over of a known pilot or a free participant, and removing and inserting
// participants through the clipboard.
//
// A sheet is handed over as its texts: Gitter[r][c] is the cell of grid row r
// (row 0 the header) and column c. The routines change only the model and the
// rows they are asked to write back; the window shows the texts again.
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

// Columns of the participant grid.
inline constexpr int TeilnSpalteName = 2;
inline constexpr int TeilnSpalteVerein = 3;
inline constexpr int TeilnSpalteKanal1 = 4; // 4, 5, 6
inline constexpr int TeilnSpalteJugend = 7;
inline constexpr int TeilnSpalteVerband = 8;
inline constexpr int TeilnSpalteNation = 9;
inline constexpr int TeilnSpalteBundesland = 10;
inline constexpr int TeilnSpalteBezirk = 11;
inline constexpr int TeilnSpalteHelfer1 = 12; // 12, 13, 14
inline constexpr int TeilnSpalteModell1 = 15; // 15, 16
inline constexpr int TeilnSpalten = 17;

// Columns of the team grid: 1 the team name, 2 .. 21 members 1 .. 20.
inline constexpr int MannschSpalteName = 1;
inline constexpr int MannschSpalten = 2 + MaxMannschaftMitglieder;

using GitterZeile = std::vector<std::string>;
using GitterTexte = std::vector<GitterZeile>;

// The cell of grid row r and column c; empty outside the grid.
std::string GitterZelle(const GitterTexte& Gitter, int r, int c);
// Sets a cell, growing the row when it is shorter; nothing outside the rows.
void SetGitterZelle(GitterTexte& Gitter, int r, int c, const std::string& Text);

// ------------------------------------------------------------ participants

// The text the participant lists show in column 2 .. 16 for p ("2,4GHz" in the
// first channel column only for a pilot on 2.4 GHz, "J" or " " for juniors,
// names surname first).
std::string TeilnehmerZellText(const TeilnehmerTyp& p, int Spalte);

// The participant shown in row Zeile of tab Tab (ZeilenNr[Tab]), or nil.
TeilnehmerTyp* TeilnehmerInZeile(WettbewerbTyp* Wett, int Tab, int Zeile);

// The internal number for a new participant: past every number still used by
// a participant record (blanked ones and placeholders included), a score
// entry or a team slot, so that a newcomer never inherits results or a team.
int NeueTeilnehmerEdvNr(const WettbewerbTyp* Wett);

// Writes rows Von .. Bis of the participant grid back (clipped to 1 .. the
// last row). A row with a name is the participant whose ZeilenNr[0] is the row,
// or a new one with the next numbers; its default channels and region fill the
// empty cells of the row first. A cell is taken only when its text differs from
// what the grid shows for the participant, so an untouched row changes nothing
// (a name of several words is never split anew). `Vorlage`, when given, is a
// record whose fields are copied for cells that show its texts (the master-data
// take-over). A row without a name blanks its participant. Column 7 is
// rewritten as "J" or " ". Marks the competition modified and rebuilds the
// orders when something changed; returns whether it did.
bool AktTeilnehmerDaten(WettbewerbTyp* Wett, GitterTexte& Gitter, int Von, int Bis,
                        const TeilnehmerTyp* Vorlage = nullptr);

// The master data offered below the participant grid for the cursor cell
// (column and text): in name order, not yet in the competition (unless the
// cursor is in a helper column), taking part within the last five years, name
// beginning with the cell text in the name and helper columns. Sets ZeilenNr[0]
// of every master record to its lookup row or 0.
std::vector<TeilnehmerTyp*> StammdatenAngebot(WettbewerbTyp* Wett, int CursorSpalte, const std::string& CursorText);

// A pending take-over: the cell in which it was asked for and the name and club
// of the chosen record. Spalte < 0: none.
struct UebernahmeAnfrage {
    int Zeile = -1;
    int Spalte = -1;
    std::string Name;
    std::string Verein;
    bool Offen() const { return Spalte >= 0; }
};

// The request for lookup row Wahl (1 = the first offer) made in cell
// (Zeile, Spalte): only in the name and helper columns, only for an offered
// row with a name, and, with NurGefuellt, only when the cell holds text.
UebernahmeAnfrage StammdatenAnfrage(const std::vector<TeilnehmerTyp*>& Angebot, int Wahl, int Zeile, int Spalte,
                                    const std::string& ZellText, bool NurGefuellt);

// Completes a master-data take-over into the row and column of the request:
// the name column receives all of the pilot's data (the row above is completed
// when the request stood in an empty row below a typed beginning of his name)
// and marks him as taken; a helper column receives his name. Returns the row
// written back, 0 when no master record has that name and club.
int StammdatenUebernehmen(WettbewerbTyp* Wett, GitterTexte& Gitter, const UebernahmeAnfrage& Anfrage);

// The flights (entries of ordinary groups holding a measured value above 0 or
// penalty points) and reflights
// (entries of reflight groups) a participant has in the competition.
struct TeilnehmerFluegeTyp {
    int Fluege = 0;
    int Reflights = 0;
};
TeilnehmerFluegeTyp GetTeilnehmerFluege(const WettbewerbTyp* Wett, int EdvNr);
// The question before removing a participant with flights ("Adler Anna hat
// 3 Flüge und 1 Flugwiederholung. …"); empty when he has none.
std::string TeilnehmerEntfernenFrage(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer);

// "ent&fernen": the participant of the row goes into the clipboard and is
// blanked; false (and the clipboard unchanged) when the row has none.
bool EntferneTeilnehmerAusWettbewerb(WettbewerbTyp* Wett, GitterTexte& Gitter, int Zeile);
// "einfü&gen": a copy of the clipboard with new numbers in the row (2 .. the
// last row); false when nothing was inserted.
bool EinfuegeTeilnehmerInWettbewerb(WettbewerbTyp* Wett, int Zeile, int ZeilenAnzahl);

// -------------------------------------------------------------------- teams

// The texts of a team row: the name and the member names (empty for a free
// slot or a member who no longer exists).
std::string MannschaftZellText(WettbewerbTyp* Wett, const MannschaftTyp& m, int Spalte);

// The team number of every row of the team sheet (element k for row k + 1):
// the numbers 1 .. the largest team's (at least MindestZeilen), followed by
// FreieZeilen free numbers to type a new team into. The rows follow the
// teams that exist, not their numbers: numbers beyond MindestZeilen plus the
// number of teams are not all listed, such a team gets a row of its own (a
// file with team number 2 000 000 adds one row, not two million).
std::vector<int> MannschaftZeilenNummern(const WettbewerbTyp* Wett, int MindestZeilen = 50, int FreieZeilen = 5);
// The team number a row of the team sheet stands for: the number shown in its
// first column, or the row number when that column holds none.
int MannschaftZeilenNr(const GitterTexte& Gitter, int Zeile);

// Writes rows Von .. Bis of the team grid back. A row without any text frees
// its team; otherwise the team of the row's number (created when missing) takes
// the name ("Team n" when empty) and the members by name. A slot keeps its
// member while the cell still shows him, so pilots of the same name stay
// apart. Marks the competition modified when something changed.
bool AktMannschaftDaten(WettbewerbTyp* Wett, GitterTexte& Gitter, int Von, int Bis);

// The participants offered below the team grid: in name order, in no team,
// name beginning with the cursor cell's text (columns above 0).
std::vector<TeilnehmerTyp*> MannschaftAngebot(WettbewerbTyp* Wett, int CursorSpalte, const std::string& CursorText);

// The request for team-lookup row Wahl in cell (Zeile, Spalte): member
// columns only, an offered row only, with NurGefuellt only from a cell that
// holds text.
UebernahmeAnfrage MannschaftAnfrage(const std::vector<TeilnehmerTyp*>& Angebot, int Wahl, int Zeile, int Spalte,
                                    const std::string& ZellText, bool NurGefuellt);

// Completes a team take-over: the participant with that name and club becomes
// the member of the requested slot. Returns the row written back, 0 when none.
int MannschaftUebernehmen(WettbewerbTyp* Wett, GitterTexte& Gitter, const UebernahmeAnfrage& Anfrage);

// "ent&fernen" on the team sheet: empties the row and frees its team.
bool EntferneMannschaftAusWettbewerb(WettbewerbTyp* Wett, GitterTexte& Gitter, int Zeile);

} // namespace tavuran
