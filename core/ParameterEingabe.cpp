#include "core/ParameterEingabe.h"

#include <charconv>

#include "core/L_CALEND.h"
#include "core/L_STR.h"

namespace tavuran {

namespace {

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

} // namespace

bool GanzzahlEingabe(std::string_view Text, int Min, int Max, const std::string& Feld, int& Wert,
                     std::string& Fehler) {
    const std::string t = L_STR_Unblank(Text);
    long long w = 0;
    const auto [ende, fehler] = std::from_chars(t.data(), t.data() + t.size(), w);
    if (t.empty() || fehler != std::errc() || ende != t.data() + t.size() || w < Min || w > Max) {
        Fehler = "„" + Feld + "“: „" + std::string(Text) + "“ ist nicht erlaubt. Erlaubt ist eine ganze Zahl von " +
                 std::to_string(Min) + " bis " + std::to_string(Max) + ".";
        return false;
    }
    Wert = static_cast<int>(w);
    return true;
}

bool ZahlEingabe(std::string_view Text, const std::string& Feld, double& Wert, std::string& Fehler) {
    std::string t = L_STR_Unblank(Text);
    for (char& c : t)
        if (c == ',') c = '.';
    std::size_t i = 0, ziffern = 0;
    if (i < t.size() && t[i] == '-') ++i;
    while (i < t.size() && IstZiffer(t[i])) ++i, ++ziffern;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && IstZiffer(t[i])) ++i, ++ziffern;
    }
    if (ziffern == 0 || i != t.size()) {
        Fehler = "„" + Feld + "“: „" + std::string(Text) + "“ ist keine Zahl. Erlaubt ist eine Zahl wie 600 oder 0,5.";
        return false;
    }
    Wert = L_STR_CnvStrToDouble(t);
    return true;
}

bool DatumEingabe(std::string_view Text, DateRec& Datum, std::string& Fehler) {
    // Three groups of digits separated by one non-digit each.
    int teile[3] = {0, 0, 0};
    int stellen[3] = {0, 0, 0};
    int n = 0;
    const std::string t = L_STR_Unblank(Text);
    bool ok = !t.empty();
    for (std::size_t i = 0; i < t.size() && ok;) {
        if (n == 3) {
            ok = false;
            break;
        }
        while (i < t.size() && IstZiffer(t[i]) && stellen[n] < 5) teile[n] = teile[n] * 10 + (t[i++] - '0'), ++stellen[n];
        if (stellen[n] == 0 || (i < t.size() && IstZiffer(t[i]))) ok = false;
        ++n;
        if (i < t.size()) {
            ++i; // the separator
            if (i == t.size()) ok = false;
        }
    }
    ok = ok && n == 3 && (stellen[2] == 2 || stellen[2] == 4);
    DateRec d;
    if (ok) {
        d.Day = static_cast<Byte>(teile[0] <= 31 ? teile[0] : 0);
        d.Month = static_cast<Byte>(teile[1] <= 12 ? teile[1] : 0);
        int jahr = teile[2];
        if (stellen[2] == 2) jahr += jahr < 80 ? 2000 : 1900;
        d.Year = static_cast<Word>(jahr);
        ok = d.Month >= 1 && d.Day >= 1 && jahr >= 1980 && jahr <= 2099 && d.Day <= L_CALEND_GetLengthOfMonth(d);
    }
    if (!ok) {
        Fehler = "„Datum“: „" + std::string(Text) +
                 "“ ist kein Datum. Erlaubt ist ein Datum aus Tag, Monat und Jahr wie 12.04.2025 oder 12.04.25.";
        return false;
    }
    Datum = d;
    return true;
}

std::string ParameterEingabenPruefen(const ParameterEingaben& E) {
    std::string f;
    DateRec d;
    if (!DatumEingabe(E.Datum, d, f)) return f;
    int v = 0, fo = 0, j = 0, x = 0;
    if (!GanzzahlEingabe(E.Vorrunden, 1, MaxAnzeigeDurchgaenge, "Vorrunden", v, f)) return f;
    if (!GanzzahlEingabe(E.FlyOff, 0, MaxAnzeigeDurchgaenge - v, "Fly-Off-Durchgänge", fo, f)) return f;
    if (!GanzzahlEingabe(E.JugendFlyOff, 0, MaxAnzeigeDurchgaenge - v - fo, "Jugend-Fly-Off-Durchgänge", j, f))
        return f;
    if (!GanzzahlEingabe(E.Streicher, 0, v - 1, "Streicher", x, f)) return f;
    if (!GanzzahlEingabe(E.StreicherAb, 0, MaxAnzeigeDurchgaenge, "Streicher ab Durchgang", x, f)) return f;
    if (!GanzzahlEingabe(E.Gruppe, 1, MaxGruppenGroesse, "Teilnehmer pro Gruppe", x, f)) return f;
    if (!GanzzahlEingabe(E.FlyOffTeilnehmer, 0, MaxFlyOffTeilnehmer, "Teilnehmer im Fly-Off", x, f)) return f;
    if (!GanzzahlEingabe(E.JugendFlyOffTeilnehmer, 0, MaxFlyOffTeilnehmer, "Teilnehmer im Jugend-Fly-Off", x, f))
        return f;
    if (!GanzzahlEingabe(E.Nachkomma, 0, MaxNachkomma, "Nachkommastellen", x, f)) return f;
    for (const auto& [label, text] : E.RegelParameter) {
        double wert = 0;
        if (label == "Punktrichter") {
            if (!GanzzahlEingabe(text, 1, MaxPunktrichter, label, x, f)) return f;
        } else if (!ZahlEingabe(text, label, wert, f)) {
            return f;
        }
    }
    return {};
}

} // namespace tavuran
