// Reading and showing the values of a score entry.
#include "core/Eingabe.h"

#include <cmath>


#include "core/L_ROUND.h"
#include "core/L_STR.h"

namespace tavuran {

const std::array<std::string_view, AnzVoidInput> VoidInputStr = {
    "<", ">", "X", "M", "N", "L", "V", "ü", "Ü", "/", "?", "!", "AUSSER", "OUT", "OVER", "OFF", "---"};

namespace {

// Algorithms whose distances are centimetres (0 is a measured distance there)
// and the kinds whose landing points come from the metre and the F5J table.
// The numbers are RegelTyp::EdvNr values.
constexpr int EdvF3bA = 1;
constexpr int EdvF3j = 4;
constexpr int EdvF5bJBavarian = 7;
constexpr int EdvF5bJModLandung = 9;
constexpr int EdvF3bRes = 10;
constexpr int EdvF5j = 11;
constexpr int EdvF3bJ = 12;
constexpr int EdvF5bJ = 13;
constexpr int EdvF3bAElektro = 14;

bool IstUngueltigWert(double v) { return v > -2.1 && v < -1.9; }

bool Enthaelt(std::string_view s, std::string_view t) { return s.find(t) != std::string_view::npos; }

int RegelEdvNr(const WettbewerbTyp* Wett) {
    if (Wett == nullptr || Wett->RegelPtr == nullptr) return 0;
    return Wett->RegelPtr->EdvNr;
}

bool IstCentimeterRegel(int EdvNr) {
    return EdvNr == EdvF3bJ || EdvNr == EdvF5bJ || EdvNr == EdvF5bJBavarian || EdvNr == EdvF5bJModLandung;
}

// A round of the senior fly-off: the rounds after the preliminary rounds, as
// many as there are senior fly-off rounds.
bool IstSeniorenFlyOff(const WettbewerbTyp* Wett, int DurchgangNr) {
    const long long k = static_cast<long long>(DurchgangNr) - Wett->AnzVorrunden;
    return k > 0 && k <= Wett->AnzSeniorenFlyOff;
}

// Texts of distances and the tidied form of a typed distance.
std::string AbstandText(double Abstand) { return L_STR_DoubleToStr(Abstand, 1, 7, 0, 2); }
std::string Aufgeraeumt(std::string_view Eingabe) {
    return L_STR_SearchAndReplace(L_STR_Unblank(Eingabe), " ", ".");
}

// Leading decimal digits of a text, as typed (leading zeros kept).
std::string FuehrendeZiffern(std::string_view s) {
    std::string z;
    for (char c : s) {
        if (c < '0' || c > '9') break;
        z.push_back(c);
    }
    return z;
}

} // namespace

EingabeArt GetEingabeArt(std::string_view SpaltenUeberschrift, bool Anzeige) {
    const std::string u = L_STR_Upcase(SpaltenUeberschrift);
    if (Enthaelt(u, "ZEIT")) return EingabeArt::Zeit;
    if (Enthaelt(u, "ABST")) return EingabeArt::Abstand;
    if (Enthaelt(u, "DREHUNG")) return EingabeArt::Drehung;
    if (Anzeige && Enthaelt(u, "F5J-H")) return EingabeArt::LoggerHoehe;
    return EingabeArt::Normal;
}

bool CheckInvalidInput(std::string_view EingabeStr) {
    const std::string u = L_STR_Upcase(EingabeStr);
    for (std::string_view m : VoidInputStr)
        if (Enthaelt(u, m)) return true;
    return false;
}

double ParseAllEingabe(WettbewerbTyp* WettbewerbPtr, int DurchgangNr, std::string_view EingabeStr,
                       std::string_view SpaltenUeberschrift) {
    if (CheckInvalidInput(EingabeStr)) return WertUngueltig;
    std::string s;
    switch (GetEingabeArt(SpaltenUeberschrift, false)) {
    case EingabeArt::Zeit: s = ParseZeit(EingabeStr); break;
    case EingabeArt::Abstand: s = ParseAbstand(WettbewerbPtr, DurchgangNr, EingabeStr); break;
    case EingabeArt::Drehung: s = ParseDrehung(EingabeStr); break;
    default: s = std::string(EingabeStr); break;
    }
    if (s == "-") return WertNichtEingegeben;
    return L_STR_CnvStrToDouble(s);
}

std::string ParseZeit(std::string_view EingabeStr) {
    std::string MinutenStr = L_STR_GetStrUntilChar(EingabeStr, U':');
    std::string SekundenStr = L_STR_GetStrAfterChar(EingabeStr, U':');
    std::string ZehntelStr = L_STR_GetStrAfterChar(SekundenStr, U'.');
    SekundenStr = L_STR_GetStrUntilChar(SekundenStr, U'.');

    const std::string Eingabe = L_STR_Unblank(EingabeStr);
    if (Enthaelt(Eingabe, " ")) {
        MinutenStr = L_STR_GetStrUntilBlank(Eingabe);
        SekundenStr = L_STR_GetStrAfterBlank(Eingabe);
    }
    SekundenStr = L_STR_Unblank(SekundenStr);
    if (Enthaelt(SekundenStr, " ")) {
        ZehntelStr = L_STR_GetStrAfterBlank(SekundenStr);
        SekundenStr = L_STR_GetStrUntilBlank(SekundenStr);
    }
    ZehntelStr = L_STR_Unblank(ZehntelStr);
    const int Zehntel = ZehntelStr.empty() ? 0 : L_STR_CnvStrToInteger(ZehntelStr);

    long long Minuten = 0;
    long long Sekunden = 0;
    if (SekundenStr.empty()) {
        Sekunden = L_STR_CnvStrToInteger(MinutenStr);
    } else {
        Minuten = L_STR_CnvStrToInteger(MinutenStr);
        Sekunden = L_STR_CnvStrToInteger(SekundenStr);
    }
    Sekunden += 60 * Minuten;

    std::string Ergebnis = StrInt(Sekunden);
    if (Zehntel != 0) {
        // The decimals are written back as typed: "1:05.05" is 65.05 s, not
        // 65.5 s, which the integer value of "05" alone would give.
        std::string Ziffern = FuehrendeZiffern(ZehntelStr);
        if (Ziffern.empty()) Ziffern = StrInt(Zehntel);
        Ergebnis += "." + Ziffern;
    }
    return Ergebnis;
}

std::string ParseAbstand(WettbewerbTyp* WettbewerbPtr, int DurchgangNr, std::string_view EingabeStr) {
    if (WettbewerbPtr == nullptr) return "-";
    return CalcAbstandAusLandepunkte(WettbewerbPtr, DurchgangNr, EingabeStr);
}

std::string ParseDrehung(std::string_view EingabeStr) { return CalcDrehungAusDrehungseingabe(EingabeStr); }

std::string DispAllWertung(WettbewerbTyp* WettbewerbPtr, double Wertung, std::string_view SpaltenUeberschrift) {
    switch (GetEingabeArt(SpaltenUeberschrift, true)) {
    case EingabeArt::Zeit: return DispZeit(Wertung);
    case EingabeArt::Abstand: return DispAbstand(WettbewerbPtr, Wertung);
    case EingabeArt::Drehung: return DispDrehung(Wertung);
    case EingabeArt::LoggerHoehe:
        if (IstUngueltigWert(Wertung)) return "Log:---";
        return L_STR_DoubleToStr(Wertung, 1, 7, 0, 2);
    case EingabeArt::Normal: break;
    }
    if (IstUngueltigWert(Wertung)) return "ungültig";
    return L_STR_DoubleToStr(Wertung, 1, 7, 0, 2);
}

std::string DispZeit(double Wertung) {
    if (IstUngueltigWert(Wertung)) return "Over Flight";
    return CalcMinSekZeitAnzeige(L_STR_DoubleToStr(Wertung, 1, 7, 0, 1));
}

std::string CalcMinSekZeitAnzeige(std::string_view SekundenStr) {
    long long Sekunden = L_STR_CnvStrToInteger(L_STR_GetStrUntilChar(SekundenStr, U'.'));
    const int Zehntel = L_STR_CnvStrToInteger(L_STR_GetStrAfterChar(SekundenStr, U'.'));
    const long long Minuten = Sekunden / 60;
    Sekunden = Sekunden % 60;
    std::string s = StrInt(Minuten) + ":" + L_STR_FillLeftWithO(StrInt(Sekunden), 2);
    if (Zehntel >= 1 && Zehntel <= 9) s += "." + StrInt(Zehntel);
    return s;
}

std::string DispAbstand(WettbewerbTyp* WettbewerbPtr, double Wertung) {
    if (WettbewerbPtr == nullptr) return "-";
    if (IstUngueltigWert(Wertung)) return ">75m";
    if (Wertung < -0.001) return "-";
    if (Wertung > 0.001) return AbstandText(Wertung);
    // Under the centimetre rules 0 is a measured distance; elsewhere, and
    // without a rule, it stands for no landing.
    return IstCentimeterRegel(RegelEdvNr(WettbewerbPtr)) ? "0" : "-";
}

std::string DispDrehung(double Wertung) {
    if (Wertung < -0.001 || Wertung > 179.999) return "-";
    if (Wertung > 89.999) return "90-180";
    return "0-90";
}

std::string GetDurchgangBezeichnerDirekt(int AnzahlVorrunden, int AnzahlFlyOff, int AnzahlJugFlyOff,
                                         int DurchgangNr, bool Kurzform) {
    const long long V = AnzahlVorrunden < 1 ? 1 : AnzahlVorrunden;
    const long long F = AnzahlFlyOff < 0 ? 0 : AnzahlFlyOff;
    const long long J = AnzahlJugFlyOff < 0 ? 0 : AnzahlJugFlyOff;
    const long long r = DurchgangNr;

    std::string s = Kurzform ? StrInt(r) : StrInt(r) + ". Vorrunde";
    if (V < r && r <= V + F + J) s = StrInt(r - V) + (Kurzform ? "FO" : ". Fly-Off");
    if (V + F < r && r <= V + F + J && J > 0) {
        if (J == 1)
            s = Kurzform ? "jFO" : "jug. Fly-Off";
        else
            s = StrInt(r - V - F) + (Kurzform ? "jFO" : ". jug. Fly-Off");
    }
    return s;
}

std::string GetDurchgangBezeichner(const WettbewerbTyp* WettbewerbPtr, int DurchgangNr, bool Kurzform,
                                   bool AliasErlaubt) {
    if (WettbewerbPtr == nullptr) return GetDurchgangBezeichnerDirekt(1, 0, 0, DurchgangNr, Kurzform);
    const WettbewerbTyp& w = *WettbewerbPtr;
    const long long Jug = static_cast<long long>(w.AnzDurchgaenge) - w.AnzVorrunden - w.AnzSeniorenFlyOff;
    const int AnzJug = Jug < 0 ? 0 : (Jug > 1000000 ? 1000000 : static_cast<int>(Jug));
    std::string s = GetDurchgangBezeichnerDirekt(w.AnzVorrunden, w.AnzSeniorenFlyOff, AnzJug, DurchgangNr, Kurzform);
    // Aliases exist for the rounds 1..18 only; other round numbers keep their label.
    if (AliasErlaubt && !Kurzform && DurchgangNr >= 1 && DurchgangNr <= MaxAnzeigeDurchgaenge &&
        !w.DurchgangAlias[DurchgangNr].empty())
        s = w.DurchgangAlias[DurchgangNr];
    return s;
}

// ------------------------------------------------- typed landing values

std::string CalcAbstandAusLandepunkte(const WettbewerbTyp* Wett, int DurchgangNr, std::string_view Eingabe) {
    const int EdvNr = RegelEdvNr(Wett);
    if (Wett == nullptr || EdvNr == 0) return std::string(Eingabe);
    const auto& P = Wett->Parameter;
    const int v = L_STR_CnvStrToInteger(Eingabe);

    switch (EdvNr) {
    case EdvF3bA:
    case EdvF3j:
    case EdvF3bRes:
    case EdvF3bAElektro: {
        // Landing points from 30 up to the maximum; a smaller number is a distance.
        if (v >= 30 && v <= P[3] + 0.1) {
            const bool FeinErlaubt =
                (P[11] < 0.5 || (P[11] > 0.5 && IstSeniorenFlyOff(Wett, DurchgangNr))) && P[8] > 0.0001;
            double Abstand = 0;
            const double g = FeinErlaubt ? (P[9] - v) / P[8] / 5.0 + 0.2 : 0;
            if (!FeinErlaubt || g > P[7] + 0.005) {
                // Without a deduction per metre the points name no whole-metre distance.
                if (!(P[5] > 0.0001)) return Aufgeraeumt(Eingabe);
                Abstand = L_ROUND_GetRound((P[3] - v) / P[5] + 1 + 0.49, 0);
            } else {
                Abstand = g;
            }
            if (std::isfinite(Abstand)) return AbstandText(Abstand);
        }
        return Aufgeraeumt(Eingabe);
    }
    case EdvF5j:
        if (v >= 15 && v <= P[5] + 0.1 && P[7] > 0.0001) {
            const double Abstand = L_ROUND_GetRound((P[5] - v) / P[7] + 1 + 0.49, 0);
            if (std::isfinite(Abstand)) return AbstandText(Abstand);
        }
        return Aufgeraeumt(Eingabe);
    case EdvF3bJ:
    case EdvF5bJ:
    case EdvF5bJBavarian:
    case EdvF5bJModLandung: {
        // Beyond the distance at which no landing points remain the entry
        // counts as not entered. Without a deduction there is no such distance.
        const bool ZuWeit = P[8] > 0.0001 && v > P[5] * P[7] / P[8];
        if (v < -0.01 || ZuWeit) return "-";
        return Aufgeraeumt(Eingabe);
    }
    default: return std::string(Eingabe);
    }
}

std::string CalcDrehungAusDrehungseingabe(std::string_view Eingabe) {
    const std::string s = L_STR_Unblank(Eingabe);
    static constexpr std::string_view Leer[] = {"-", "_", ".", ":", ";", "/", "\\", "%"};
    for (std::string_view l : Leer)
        if (s == l) return "-";
    const int v = L_STR_CnvStrToInteger(s);
    if (v < 0 || v >= 180) return "-";
    if (v < 90) return "0-90";
    return "91-180";
}

} // namespace tavuran
