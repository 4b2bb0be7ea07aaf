// The printed team ranking: the teams by place, each with its score and its
// members with their own totals (a total that did not count for the team in
// brackets), on portrait pages with "Seite x von y", the time of printing and
// whether the result is final. The pages hold copies of their texts.
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "evaluation/ErgebnisAngaben.h"
#include "reports/DruckCanvas.h"

namespace tavuran {

// One line of the team ranking.
struct TeamergebnisZeile {
    bool Team = false;     // the team's line (place, name, score), else a member's
    std::string Platz;     // the team's place, "" for a member
    std::string Name;      // team name, or the member's name (surname first)
    std::string Verein;    // the member's club
    std::string Punkte;    // the team's score, or the member's total ("(…)" when it did not count)
};

struct TeamergebnisSeite {
    std::vector<TeamergebnisZeile> Zeilen;
};

struct TeamergebnisDruckTyp {
    std::string WettbewerbName, Untertitel, Datum, Modus;
    std::string Stand;      // "Stand 10.12.2026 14:05, vorläufig"
    std::vector<TeamergebnisSeite> Seiten;
    std::vector<std::string> Legende;
};

// Lines of a page (team lines, member lines and the blank line after each team).
inline constexpr int TeamergebnisZeilenProSeite = 44;

// The pages of the team ranking; no page (and a German reason in Meldung)
// when the competition has no team scoring or no team with members.
TeamergebnisDruckTyp MakeTeamergebnisSeiten(WettbewerbTyp* Wett, const ErgebnisZeitpunkt& Zeit, bool Endgueltig,
                                             std::string& Meldung);

// Draws page Seite (1..N) onto a canvas of Breite x Hoehe pixels.
void DrawTeamergebnis(DruckCanvas& Canvas, int Breite, int Hoehe, const TeamergebnisDruckTyp& Druck, int Seite);

} // namespace tavuran
