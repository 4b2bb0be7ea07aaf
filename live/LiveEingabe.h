// What a submission from a phone means for the competition: the flight it is
// for, its values read like typed cells of the score grid, and taking an
// accepted submission into the competition through the same routine as a
// typed row.
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "live/LiveJournal.h"

namespace tavuran {

// Reads one typed value of a column with the strict reader of typed cells.
// False with the reason shown on the phone.
bool LiveWertLesen(WettbewerbTyp* Wett, int Durchgang, const std::string& Text, const std::string& Kopf,
                   double& Wert, std::string& Grund);

// What the entry page shows of a flight.
struct LiveFlugTyp {
    const TeilnehmerTyp* Teilnehmer = nullptr;
    std::string Name;   // surname first
    int StartNr = 0;
    std::string Runde;  // the round's label
    int Gruppe = 0;     // 0: not divided
    std::vector<std::string> Koepfe; // one per value column, in the rule's order
    std::vector<std::string> Werte;  // what the competition holds now, as the grid shows it
};

// The flight of a pilot in a round; false with a reason when the pilot or the
// round is gone or the rule has no value columns.
bool LiveFlug(WettbewerbTyp* Wett, int Durchgang, int EdvNr, LiveFlugTyp& Flug, std::string& Grund);

// Checks the values of a submission (one per value column, none missing)
// against the competition as it is now; false with the reason.
bool EingangPruefen(WettbewerbTyp* Wett, int Durchgang, int EdvNr, const std::vector<std::string>& Werte,
                    std::string& Grund);

// Takes an accepted submission into the competition: its values are typed
// over the row of the flight as in the score grid and stored by the grid's
// routine; the competition is then marked modified (the one point where an
// undo step of the window would be recorded). The caller recomputes. False
// with a reason when the submission no longer fits the competition.
bool EingangUebernehmen(WettbewerbTyp* Wett, const EingangTyp& Eingang, std::string& Grund);

// The table of the inbox, shared by the window "Eingänge" and
// "tavuran-cli eingaenge": the column headers and the cells of a submission.
// "Korrektur" names the earlier submission this one corrects, with its
// values, and "Im Wettbewerb" what the competition holds for the flight now,
// so that the scorer sees both before anything is overwritten.
std::vector<std::string> EingangSpalten();
std::vector<std::string> EingangZellen(WettbewerbTyp* Wett, const EingaengeTyp& Eingaenge, const EingangTyp& Eingang);
// The values of a submission in one text ("12 | 5:30.2").
std::string EingangWerteText(const std::vector<std::string>& Werte);

} // namespace tavuran
