// The records of one competition held in memory: the competition itself, its
// participants, teams, rounds, groups and score entries, its private copy of the
// scoring rule and the bookkeeping lists of the radio-channel check.
//
// All records are plain data. Lists are singly linked through `next`; new
// records go to the head. Only `next` owns a record; the other participant
// links are orders rebuilt by SortAll.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/Feld.h"

namespace tavuran {

using Byte = std::uint8_t;
using Word = std::uint16_t;

// Sizes of the per-record arrays.
inline constexpr int MaxDurchgaenge = 30;    // per-round slots of a participant
inline constexpr int MaxAnzeigeDurchgaenge = 18; // rounds that can be named and shown
inline constexpr int MaxPunktrichter = 16;   // judge columns of a score entry
inline constexpr int MaxDurchgSpalten = 6;   // flight columns of a score entry
inline constexpr int MaxParameter = 16;      // competition parameters
inline constexpr int MaxParameterZeilen = 15; // rows of a rule's parameter page
inline constexpr int MaxMannschaftMitglieder = 20;
inline constexpr int MaxPunktrichterNamen = 10;
inline constexpr int MaxBeschreibung = 18;

// Reserved entry values.
inline constexpr double WertNichtEingegeben = -1.0; // nothing entered
inline constexpr double WertUngueltig = -2.0;       // invalid entry, over-flight, landing out

struct DateRec {
    Byte Day = 1;
    Byte Month = 1;
    Word Year = 2000;
    friend bool operator==(const DateRec&, const DateRec&) = default;
};

struct NameTyp {
    std::string TitelStr;
    std::string VornameStr;
    std::string NachnameStr;
    friend bool operator==(const NameTyp&, const NameTyp&) = default;
};

struct LandTyp {
    std::string Nation;
    std::string Bundesland;
    std::string Bezirk;
    friend bool operator==(const LandTyp&, const LandTyp&) = default;
};

// ---------------------------------------------------------------- rule record

struct ParameterWettbTyp {
    int Anzahl = 0;
    Feld<int, 1, MaxParameterZeilen> ParaNr;
    Feld<std::string, 1, MaxParameterZeilen> DefaultWert;
    Feld<std::string, 1, MaxParameterZeilen> Bezeichner;
};

struct ParameterPunktrTyp {
    int Anzahl = 0;
    Feld<std::string, 1, MaxPunktrichter> Bezeichner;
};

struct ParameterDurchgTyp {
    int Anzahl = 0;
    Feld<std::string, 1, MaxDurchgSpalten> Bezeichner;
};

struct RegelDefaultDurchgTyp {
    int AnzVorrunden = 0;
    int AnzahlStreicher = 0;
    int AnzSeniorenFlyOff = 0;
    int AnzahlJugFlyOff = 0;
    int AnzTeilnGruppe = 0;
    int AnzTeilnInEndRunde = 0;
    int AnzJugInEndRunde = 0;
};

struct RegelTyp {
    std::string Name;
    int EdvNr = 0;
    std::string AnzGewerteteDurchg;
    int PermntNullDurchg = 0;
    int AnzDurchgaenge = 0;
    int AnzPunktrichter = 0;
    int AnzGruppen = 0;
    int Gruppenstart = 0;
    bool Aktiv = false;
    ParameterWettbTyp ParameterWettb;
    ParameterPunktrTyp ParameterPunktr;
    ParameterDurchgTyp ParameterDurchg;
    Feld<std::string, 1, MaxBeschreibung> Beschreibung;
    RegelDefaultDurchgTyp RegelDefaultDurchg;
    std::string UeberschrPunktr;
    std::string UeberschrZeitn;
    std::string TrennliniePunktr;
    std::string TrennlinieZeitn;
    std::string TeilnehmerPunktr;
    std::string TeilnehmerZeitn;
    std::string StartplatzStr;
    RegelTyp* next = nullptr;
};

// ------------------------------------------------------------ participants

struct TeilnehmerTyp {
    NameTyp Name;
    std::string Verein;
    Feld<std::string, 1, 3> Kanal;
    int KanalAktiv = 1;
    LandTyp Land;
    int MeldgNr = -1;
    int EdvNr = -1;
    int StartNr = -1;
    Feld<int, 1, MaxDurchgaenge> Gruppe;
    Feld<int, 1, MaxDurchgaenge> Startplatz;
    bool Jugendlich = false;
    bool Lebendig = true;
    DateRec GebDatum{1, 1, 2000};
    DateRec LetztTeiln{1, 1, 1950};
    Feld<NameTyp, 1, 3> Helfer;
    Feld<std::string, 1, 2> Modell;
    std::string Verband;

    TeilnehmerTyp* next = nullptr;
    TeilnehmerTyp* nextMeldgNr = nullptr;
    TeilnehmerTyp* nextStartNr = nullptr;
    TeilnehmerTyp* nextName = nullptr;
    TeilnehmerTyp* nextGruppe = nullptr;
    TeilnehmerTyp* nextPlatz = nullptr;
    TeilnehmerTyp* nextTeam = nullptr;

    double Punkte = 0;
    double PunkteEndrunde = 0;
    double PunkteEndrundeJugend = 0;
    double StreicherPunkte = 0;
    int PlatzNr = 0;
    int PlatzNrJugend = 0;
    int PlatzNrFlyOff = 0;
    int PlatzNrFlyOffJugend = 0;
    Feld<double, 0, 1> ExportPunkte;
    bool TeilDerTeamWertung = false;
    double PunkteTeamWertung = 0;
    int PlatzTeamWertung = 0;
    int PlatzTeilnTeamWertung = 0;
    Feld<int, 0, 7> ZeilenNr;
    bool TeilnehmerAusStammDat = false;
    int TeamschutzHelferAnz = 0;
};

struct MannschaftTyp {
    int Nr = 0;
    std::string Name;
    Feld<int, 1, MaxMannschaftMitglieder> TeilnehmerEdvNr;
    bool Jugendlich = false;
    MannschaftTyp* next = nullptr;
    int Platz = 0;
    double Punkte = 0;
};

// ------------------------------------------------- rounds, groups, entries

struct WertungTyp {
    int EdvNr = 0;
    Feld<double, 1, MaxPunktrichter> WertungPunktr;
    Feld<double, 1, MaxDurchgSpalten> WertungDurchg;
    bool ReflyVerursacher = false;
    int Strafpunkte = 0;
    WertungTyp* next = nullptr;
    double RohPunkte = 0;
    double Punkte = 0;
    double ErgebnisPunkte = 0;
    int StatusStreicher = 0;
    bool KannStreicherSein = true;
};

struct GruppeTyp {
    int Nr = 0;
    int ReflyOrder = 0;
    WertungTyp* WertungPtr = nullptr;
    GruppeTyp* next = nullptr;
    double MaxRohPunkte = 0;
};

// The entries of a round by participant and reflight order: the first entry
// in list order for each (EdvNr, ReflyOrder), as a walk of the groups finds it.
// Participant numbers are mostly 1..n: those below the table's end sit in a
// flat table (two slots a number, ordinary and reflight), which the lists
// that ask for every pilot of every round find in the processor's cache;
// other numbers and reflight orders in a hash table.
struct WertungsIndexTyp {
    // Sized for the numbers present when it is built (Bemessen).
    void Bemessen(int HoechsteNr, std::size_t Anzahl);
    // False, and nothing changed, when the key has an entry already.
    bool Einfuegen(int EdvNr, int ReflyOrder, WertungTyp* w);
    WertungTyp* Finden(int EdvNr, int ReflyOrder) const;
    std::size_t Anzahl() const { return anzahl_; }
    // Bytes the index takes beside the entries themselves.
    std::size_t Bytes() const;
    // Every participant has at most one entry in the ordinary groups and one
    // in the reflight groups (ReflyOrder 1): then the first entry is also the
    // last one a walk of the groups finds.
    bool Eindeutig = true;

  private:
    // The slot of the flat table, Keine for a key the hash table holds.
    static constexpr std::size_t Keine = static_cast<std::size_t>(-1);
    std::size_t Stelle(int EdvNr, int ReflyOrder) const;
    std::vector<WertungTyp*> dicht_;
    std::unordered_map<long long, WertungTyp*> weitere_;
    std::size_t anzahl_ = 0;
};

struct DurchgangTyp {
    int Nr = 0;
    GruppeTyp* GruppePtr = nullptr;
    bool DurchgangEingeteilt = false;
    bool DurchgangGeflogen = false;
    DurchgangTyp* next = nullptr;
    // Built by the first DatenWertungGetPtr, dropped (DatenDurchgangIndexVerwerfen)
    // by every routine that links, unlinks or frees groups or entries of the round.
    std::unique_ptr<WertungsIndexTyp> Index;
};

// ----------------------------------------------- records of the channel check

struct VereinsListeTyp {
    std::string Verein;
    int Anzahl = 0;
    VereinsListeTyp* next = nullptr;
};

struct DoppelBelegungTyp {
    int EdvNr = 0;
    int DurchgangNr = 0;
    bool Kanal = false;
    bool KanalNextGruppe = false;
    bool Mannschaft = false;
    bool Verein = false;
    int HelferHelfer = 0;
    int HelferTeilnehmer = 0;
    int Wiederholung = 0;
    DoppelBelegungTyp* next = nullptr;
};

struct KanalListeTyp {
    std::string Kanal;
    int Anzahl = 0;
    KanalListeTyp* next = nullptr;
};

struct BelegungTyp {
    KanalListeTyp* KanalPtr = nullptr;
    MannschaftTyp* MannschaftPtr = nullptr;
    VereinsListeTyp* VereinPtr = nullptr;
    int Anzahl = 0;
    BelegungTyp* next = nullptr;
};

// Cursor over all score entries of a competition.
struct DurchgangListenInfoTyp {
    DurchgangTyp* DurchgangPtr = nullptr;
    GruppeTyp* GruppePtr = nullptr;
    WertungTyp* WertungPtr = nullptr;
    DurchgangTyp* DurchgangRootPtr = nullptr;
    TeilnehmerTyp* TeilnehmerRootPtr = nullptr;
    // EdvNr of every participant with a surname, taken when the cursor starts,
    // so that each step finds its participant without walking the list.
    std::shared_ptr<const std::unordered_set<int>> Brauchbar;
};

// ------------------------------------------------------------- competition

enum class WinStateTyp { Normal = 0, Minimized = 1, Maximized = 2 };

struct WettbewerbTyp {
    std::string Name;
    DateRec Datum{1, 1, 2016};
    std::string ByNummer;
    Feld<std::string, 0, 4> WettbewerbFileNamen;
    std::string WettbewerbParFileName;
    bool WettbewerbParFileEnbl = false;
    std::string StammdatenFileName;
    int FileFormatNr = 3;
    RegelTyp* RegelPtr = nullptr;
    int AnzVorrunden = 5;
    int StreicherAbDurchg = 5;
    int AnzSeniorenFlyOff = 1;
    int AnzDurchgaenge = 6;
    int AnzGewDurchgaenge = 5;
    int AnzTeilnInEndRunde = 8;
    int AnzJugInEndRunde = 8;
    int AnzPunktrichter = 1;
    int AnzTeilnGruppe = 9;
    int DurchgangNr = 1;
    Feld<std::string, 1, MaxAnzeigeDurchgaenge> DurchgangAlias;
    Feld<NameTyp, 1, MaxPunktrichterNamen> PunktRichterName;
    NameTyp Wettbewerbsleiter;
    NameTyp Organisationsleiter;
    Feld<double, 1, MaxParameter> Parameter;
    bool Gruppenstart = true;
    bool VorrundenPromille = true;
    bool DurchgangPromille = true;
    bool Teilwertung = true;
    int AnzNachkomma = 1;
    Feld<int, 0, 8> Sortierung;
    bool BonusTeilnehmer = false;
    int PermntNullMode = 0;
    int Status = 0;
    int Warnstufe = 0;
    bool saved = true;
    bool modified = false;
    bool BackUpHistory = false;
    bool BackUpSaved = true;
    bool CalcWertung = true;
    int WinPosLeft = -1;
    int WinPosTop = -1;
    int WinPosWidth = -1;
    int WinPosHeight = -1;
    WinStateTyp WinState = WinStateTyp::Normal;
    int WinPosTeiler = 20;
    int KanWinPosLeft = -1;
    int KanWinPosTop = -1;
    int KanWinPosWidth = -1;
    int KanWinPosHeight = -1;
    int KanHorWinPosTeiler = 50;
    int KanVerWinPosTeiler = 30;
    int KanWinAktiv = 0;
    TeilnehmerTyp* TeilnehmerRootPtr = nullptr;
    TeilnehmerTyp* TeilnehmerMeldgNrRootPtr = nullptr;
    TeilnehmerTyp* TeilnehmerStartNrRootPtr = nullptr;
    TeilnehmerTyp* TeilnehmerNameRootPtr = nullptr;
    TeilnehmerTyp* TeilnehmerGruppeRootPtr = nullptr;
    TeilnehmerTyp* TeilnehmerPlatzRootPtr = nullptr;
    TeilnehmerTyp* TeilnehmerTeamRootPtr = nullptr;
    TeilnehmerTyp* StammDatenRootPtr = nullptr;
    TeilnehmerTyp* StammDatenNameRootPtr = nullptr;
    DurchgangTyp* DurchgangRootPtr = nullptr;
    MannschaftTyp* MannschaftRootPtr = nullptr;
    DoppelBelegungTyp* DoppelBelegungRootPtr = nullptr;
    KanalListeTyp* KanalRootPtr = nullptr;
    BelegungTyp* BelegungRootPtr = nullptr;
    VereinsListeTyp* VereinRootPtr = nullptr;
    int TeamwertungStatus = 0;
    int MaxGruppenGroesse = 9;
    int Orientierung = -1;
    int GroesseSchrift = -1;
    int AnzahlTeilnehmerDrucken = -1;
    bool Scalable = false;
    int AnzVorrundenGeflogen = 0;
    Feld<std::string, 1, MaxDurchgaenge> WettbewerbImportFileName;
    std::string ImportIndexStr;
    // The master-data list in memory is the built-in one (not the stored one).
    bool StammDatRom = false;
};

} // namespace tavuran
