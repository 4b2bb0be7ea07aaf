// The typed texts of the competition parameters dialog: what each number and
// date field may hold. The dialog takes nothing over while one of them is
// wrong; the message names the field and what is allowed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

// Largest group: start places in a group go up to 40.
inline constexpr int MaxGruppenGroesse = 40;
// Largest fly-off field.
inline constexpr int MaxFlyOffTeilnehmer = 999;
// Largest number of decimals of per-mille points.
inline constexpr int MaxNachkomma = 4;

// A whole number between Min and Max (blanks around it allowed); false with
// a German message naming Feld otherwise.
bool GanzzahlEingabe(std::string_view Text, int Min, int Max, const std::string& Feld, int& Wert,
                     std::string& Fehler);
// A decimal number ("," or "." as decimal point); false with a message otherwise.
bool ZahlEingabe(std::string_view Text, const std::string& Feld, double& Wert, std::string& Fehler);
// A date as day, month and year ("12.4.2025", "12.04.25"); false with a message
// for anything that is no calendar date.
bool DatumEingabe(std::string_view Text, DateRec& Datum, std::string& Fehler);

// The texts of the dialog's fields.
struct ParameterEingaben {
    std::string Datum;
    std::string Vorrunden, FlyOff, JugendFlyOff, Streicher, StreicherAb;
    std::string Gruppe, FlyOffTeilnehmer, JugendFlyOffTeilnehmer, Nachkomma;
    // The rule parameters shown: label and text; "Punktrichter" is a count.
    std::vector<std::pair<std::string, std::string>> RegelParameter;
};

// Empty when every field holds what it may; else the message for the first
// wrong field.
std::string ParameterEingabenPruefen(const ParameterEingaben& E);

} // namespace tavuran
