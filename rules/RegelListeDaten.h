// Compact tables of the rule catalogue: the rules of one family share their
// parameter page, their column labels, their description and their list
// layout, so each of these is stored once and referenced from the rule table.
// Only RegelListe.cpp reads these tables; everybody else uses RegelListe().
#pragma once

#include <span>
#include <string_view>

#include "core/DatenTypen.h"

namespace tavuran::regeldaten {

// One listed row of a parameter page; rows not listed stay empty.
struct ParameterZeile {
    int Zeile;                    // 1..15
    int ParaNr;                   // 0: heading, else the parameter it edits
    std::string_view Bezeichner;
    std::string_view DefaultWert; // empty for headings
};

struct ParameterFamilie {
    char Buchstabe;
    std::span<const ParameterZeile> Zeilen;
    // true: every row i edits parameter i with label "-" and default "0"
    bool AlleParameterFrei;
};

struct SpaltenFamilie {
    std::string_view Name;                   // "K1".."K16"
    std::span<const std::string_view> Punktr; // judge column labels
    std::span<const std::string_view> Durchg; // flight column labels
};

using BeschreibungTexte = std::span<const std::string_view>;

struct ListenLayout {
    std::string_view UeberschrPunktr;
    std::string_view TrennliniePunktr;
    std::string_view TeilnehmerPunktr;
    std::string_view UeberschrZeitn;
    std::string_view TrennlinieZeitn;
    std::string_view TeilnehmerZeitn;
};

struct RegelZeile {
    int Nr;
    std::string_view Name;
    int EdvNr;
    bool Aktiv;
    int Gruppenstart;
    int PermntNullDurchg;
    int AnzPunktrichter;
    RegelDefaultDurchgTyp RegelDefaultDurchg;
    char ParameterFamilie;
    std::string_view SpaltenFamilie;
    std::string_view StartplatzStr;
    std::string_view AnzGewerteteDurchg;
    int AnzDurchgaenge;
    int AnzGruppen;
    int Beschreibung; // index into Beschreibungen
    int Layout;       // index into ListenLayouts
};

extern const ParameterFamilie ParameterFamilien[];
extern const int ParameterFamilienAnzahl;
extern const SpaltenFamilie SpaltenFamilien[];
extern const int SpaltenFamilienAnzahl;
extern const BeschreibungTexte Beschreibungen[];
extern const int BeschreibungenAnzahl;
extern const ListenLayout ListenLayouts[];
extern const int ListenLayoutsAnzahl;
extern const RegelZeile RegelZeilen[]; // rules 1..87 in catalogue order

} // namespace tavuran::regeldaten
