// Raw points of one flight: the measured values of one score entry turned into
// points by the algorithm of the competition's rule (RegelTyp::EdvNr),
// parameterised by the competition's Parameter[1..16]. Also the landing-point
// tables, the judge count, the trimming of judges' scores and the test whether
// a flight's score may later be dropped.
#pragma once

#include <cstdint>

#include "core/DatenTypen.h"
#include "core/Eingabe.h" // CalcAbstandAusLandepunkte, CalcDrehungAusDrehungseingabe

namespace tavuran {

// The evaluation algorithms, selected by RegelTyp::EdvNr.
inline constexpr int F3B_A = 1;
inline constexpr int F3B_E = 2;
inline constexpr int F3B_E_BAVARIAN_OPEN = 3;
inline constexpr int F3J = 4;
inline constexpr int OLDTIMER_FUNFLY = 5;
inline constexpr int MANUELLE_EINGABE = 6;
inline constexpr int F5B_J_BAVARIAN_OPEN = 7;
inline constexpr int GESAMTWERTUNG = 8;
inline constexpr int F5B_J_MOD_LANDUNG = 9;
inline constexpr int F3B_RES = 10;
inline constexpr int F5J = 11;
inline constexpr int F3B_J = 12;
inline constexpr int F5B_J = 13;
inline constexpr int F3B_A_ELEKTRO = 14;
inline constexpr int ANZ_REGELN_EDV = 14;

// Bits of WettbewerbTyp::PermntNullMode.
inline constexpr int PermntNullAktiv = 0x03;        // both bits: "Nullwertung wird nicht gestrichen"
inline constexpr int PermntNullJedeNull = 0x10;     // "bei jeder Nullwertung"
inline constexpr int PermntNullLandung75 = 0x20;    // "bei Landung >75m"
inline constexpr int PermntNullLogger = 0x40;       // logger reports invalid
inline constexpr int PermntNullUeberzeit = 0x80;    // "bei >60s Überzeit"

// Judge count of the flight being evaluated; the judged rules set it before
// they trim scores, ErmittlePassendeBewertungen reads it.
extern std::uint16_t MaxPunktr;

// Raw points of the flight Wertung in round DurchgangNr by the rule's
// algorithm; kinds outside 1..14, a nil competition, rule or entry give 0.
// Sets Wertung->KannStreicherSein. Does not store the raw points.
// Idempotent: evaluating the same entry twice gives the same raw points.
double GetRegelRohPunkte(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr);

// The per-kind routines (same arguments and result as the dispatcher, without
// setting KannStreicherSein).
double GetRegelRohPunkte_F3B_A(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr);
double GetRegelRohPunkte_F3B_E(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr);
double GetRegelRohPunkte_F3B_E_BAVARIAN_OPEN(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr);
double GetRegelRohPunkte_F3J(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr);
double GetRegelRohPunkte_OLDTIMER_FUNFLY(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr);
double GetRegelRohPunkte_F5B_J_BAVARIAN_OPEN(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr);
double GetRegelRohPunkte_F5B_J_MOD_LANDUNG(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr);
double GetRegelRohPunkte_F3B_RES(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr);
double GetRegelRohPunkte_F5J(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr);
double GetRegelRohPunkte_F3B_J(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr);
double GetRegelRohPunkte_F5B_J(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr);
double GetRegelRohPunkte_F3B_A_ELEKTRO(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr);

// Landing points of the flight from distance, rotation and time by the rule's
// table (metre table, F5J table, rotation and raster); 0 for kinds without a
// table. Under F5J an invalid distance gives the marker -2.
double CalcLandepunkteAusAbstand(const WettbewerbTyp* Wett, const WertungTyp* Wertung, int DurchgangNr);

// Trims judges' scores in slots 1..MaxPunktr (-1 marks a removed score) to
// Anzahl by removing lowest and highest alternately, lowest first; returns the
// count that remains.
std::uint16_t ErmittlePassendeBewertungen(Feld<int, 1, 10>& Werte, std::uint16_t Anzahl);

// The judge count: 1 without competition or rule; else the rule's
// AnzPunktrichter, or the competition's when the rule's is 0; kept within
// 1..16 whatever a file says.
int GetAnzahlPunktrichter(const WettbewerbTyp* Wett);

// Whether the flight's score may be dropped; stores it in
// Wertung->KannStreicherSein. True for nil arguments (nothing stored then).
// RohPunkte are the flight's raw points as just computed.
bool GetWertungKannStreicherSein(const WettbewerbTyp* Wett, WertungTyp* Wertung, double RohPunkte);
// The same with the raw points stored in the entry.
bool GetWertungKannStreicherSein(const WettbewerbTyp* Wett, WertungTyp* Wertung);

} // namespace tavuran
