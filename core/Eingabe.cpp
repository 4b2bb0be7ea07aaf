// Reading and showing the values of a score entry.
#include "core/Eingabe.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "core/L_ROUND.h"
#include "core/L_STR.h"
#include "core/Utf8.h"

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

} // namespace

EingabeArt GetEingabeArt(std::string_view SpaltenUeberschrift, bool Anzeige) {
    const std::string u = L_STR_Upcase(SpaltenUeberschrift);
    if (Enthaelt(u, "ZEIT")) return EingabeArt::Zeit;
    if (Enthaelt(u, "ABST")) return EingabeArt::Abstand;
    if (Enthaelt(u, "DREHUNG")) return EingabeArt::Drehung;
    if (Anzeige && Enthaelt(u, "F5J-H")) return EingabeArt::LoggerHoehe;
    return EingabeArt::Normal;
}

// ------------------------------------------------- reading a typed value

namespace {

enum class LeseArt { Zeit, Abstand, Drehung, Zahl, Ganzzahl };

LeseArt GetLeseArt(std::string_view Spaltenkopf) {
    if (Spaltenkopf == StrafpunkteKopf) return LeseArt::Ganzzahl;
    switch (GetEingabeArt(Spaltenkopf, false)) {
    case EingabeArt::Zeit: return LeseArt::Zeit;
    case EingabeArt::Abstand: return LeseArt::Abstand;
    case EingabeArt::Drehung: return LeseArt::Drehung;
    default: return LeseArt::Zahl;
    }
}

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }
bool IstLeer(char c) { return c == ' ' || c == '\t'; }

// The rules whose distance column also takes landing points.
bool NimmtLandepunkte(const WettbewerbTyp* Wett) {
    switch (RegelEdvNr(Wett)) {
    case EdvF3bA: case EdvF3j: case EdvF3bRes: case EdvF3bAElektro: case EdvF5j: return true;
    default: return false;
    }
}

// A text for a message: at most 40 characters, control characters and
// broken UTF-8 as "?".
std::string Zitat(std::string_view Text) {
    std::string z;
    std::size_t i = 0, n = 0;
    while (i < Text.size()) {
        if (++n > 40) {
            z += "…";
            break;
        }
        char32_t cp;
        const std::size_t l = Utf8Decode(Text, i, cp);
        if (cp >= Utf8Ungueltig || cp < 0x20 || cp == 0x7F)
            z += '?';
        else
            z.append(Text.substr(i, l));
        i += l;
    }
    return z;
}

// "„O“ an Stelle 4": the character of s at byte p and its position in characters.
std::string ZeichenAn(std::string_view s, std::size_t p) {
    if (IstLeer(s[p])) return "ein Leerzeichen an Stelle " + std::to_string(Utf8Laenge(s.substr(0, p)) + 1);
    char32_t cp;
    const std::size_t l = Utf8Decode(s, p, cp);
    return "„" + Zitat(s.substr(p, l)) + "“ an Stelle " + std::to_string(Utf8Laenge(s.substr(0, p)) + 1);
}

// A number: [sign] digits [separator digits], the separators allowed by the
// caller. On failure Grund says why.
struct Zahlteile {
    bool Minus = false;
    std::string Ganz, Nachkomma;
    char Trenner = 0;
};

bool ZahlLesen(std::string_view s, bool VorzeichenErlaubt, std::string_view Trenner, Zahlteile& z,
               std::string& Grund) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        if (!VorzeichenErlaubt) {
            Grund = "ein Vorzeichen ist hier nicht möglich";
            return false;
        }
        z.Minus = s[i] == '-';
        ++i;
    }
    while (i < s.size() && IstZiffer(s[i])) z.Ganz.push_back(s[i++]);
    if (i < s.size() && Trenner.find(s[i]) != std::string_view::npos) {
        z.Trenner = s[i++];
        while (i < s.size() && IstZiffer(s[i])) z.Nachkomma.push_back(s[i++]);
        if (z.Nachkomma.empty() && i == s.size()) {
            Grund = "nach dem Trennzeichen fehlen die Ziffern";
            return false;
        }
    }
    if (z.Ganz.empty() && z.Nachkomma.empty()) {
        Grund = "keine Zahl";
        return false;
    }
    if (i < s.size()) {
        Grund = ZeichenAn(s, i) + " gehört nicht zu einer Zahl";
        return false;
    }
    if (z.Ganz.size() > 9) {
        Grund = "die Zahl hat zu viele Stellen";
        return false;
    }
    return true;
}

double ZahlWert(const Zahlteile& z) {
    std::string t = (z.Minus ? "-" : "") + (z.Ganz.empty() ? std::string("0") : z.Ganz);
    if (!z.Nachkomma.empty()) t += "." + z.Nachkomma.substr(0, 9);
    double v = 0;
    std::from_chars(t.data(), t.data() + t.size(), v);
    return v;
}

// The markers standing alone: longest first, so that "OVER" is not read as
// the letter "V" followed by text.
bool MarkerLesen(std::string_view Text, EingabeErgebnis& e) {
    const std::string u = L_STR_Upcase(Text);
    // What the display shows for an invalid entry reads back as invalid.
    for (std::string_view a : {"OVER FLIGHT", "UNGüLTIG", "UNGUELTIG", "LOG:---"})
        if (u == a) {
            e.Status = EingabeStatus::Ungueltig;
            e.Wert = WertUngueltig;
            return true;
        }
    std::array<std::string_view, AnzVoidInput> m = VoidInputStr;
    std::stable_sort(m.begin(), m.end(), [](std::string_view a, std::string_view b) { return a.size() > b.size(); });
    for (std::string_view k : m) {
        if (u.compare(0, k.size(), k) != 0) continue;
        std::string_view rest = std::string_view(u).substr(k.size());
        while (!rest.empty() && IstLeer(rest.front())) rest.remove_prefix(1);
        // An optional number with an optional unit of length: ">75", ">75m".
        if (rest.size() >= 2 && rest.substr(rest.size() - 2) == "CM")
            rest.remove_suffix(2);
        else if (!rest.empty() && rest.back() == 'M' && rest.size() > 1 && IstZiffer(rest[rest.size() - 2]))
            rest.remove_suffix(1);
        Zahlteile z;
        std::string grund;
        if (!rest.empty() && !ZahlLesen(rest, false, ".,", z, grund)) continue;
        e.Status = EingabeStatus::Ungueltig;
        e.Wert = WertUngueltig;
        e.MitZahl = !rest.empty();
        e.Zahl = e.MitZahl ? ZahlWert(z) : 0;
        return true;
    }
    return false;
}

// Minutes, seconds and the decimals of a time as typed: seconds below 60 after
// a colon or blank, at most two decimals; bare seconds with at most one. Up
// to five digits of minutes, so that every time shown reads back.
bool ZeitLesen(std::string_view t, double& Wert, std::string& Grund) {
    const auto ganz = [&](std::string_view s, const char* was, std::size_t MaxStellen) {
        if (s.empty()) {
            Grund = std::string(was) + " fehlen";
            return false;
        }
        for (std::size_t i = 0; i < s.size(); ++i)
            if (!IstZiffer(s[i])) {
                Grund = ZeichenAn(t, static_cast<std::size_t>(s.data() - t.data()) + i) + " ist keine Ziffer";
                return false;
            }
        if (s.size() > MaxStellen) {
            Grund = std::string(was) + " haben zu viele Stellen";
            return false;
        }
        return true;
    };
    const auto trim = [](std::string_view s) {
        while (!s.empty() && IstLeer(s.front())) s.remove_prefix(1);
        while (!s.empty() && IstLeer(s.back())) s.remove_suffix(1);
        return s;
    };
    std::string_view min, sek, zehntel;
    const std::size_t dp = t.find(':');
    if (dp != std::string_view::npos) {
        if (t.find(':', dp + 1) != std::string_view::npos) {
            Grund = "eine Zeit hat nur einen Doppelpunkt";
            return false;
        }
        min = trim(t.substr(0, dp));
        sek = trim(t.substr(dp + 1));
        const std::size_t k = sek.find_first_of(".,");
        if (k != std::string_view::npos) {
            zehntel = sek.substr(k + 1);
            sek = sek.substr(0, k);
            if (zehntel.empty()) {
                Grund = "nach dem Komma fehlen die Zehntel";
                return false;
            }
        }
    } else {
        // Minutes, blank, seconds, blank or separator, tenths; or bare seconds.
        std::vector<std::string_view> teile;
        std::size_t i = 0;
        while (i < t.size()) {
            while (i < t.size() && IstLeer(t[i])) ++i;
            const std::size_t a = i;
            while (i < t.size() && !IstLeer(t[i])) ++i;
            if (i > a) teile.push_back(t.substr(a, i - a));
        }
        if (teile.size() == 1) {
            Zahlteile z;
            if (t.find(',') != std::string_view::npos &&
                t.find_first_not_of("0123456789,") == std::string_view::npos) {
                Grund = "ein Komma ist in Sekunden mehrdeutig (Minuten und Sekunden „5:05“ oder Sekunden „5.5“)";
                return false;
            }
            if (!ZahlLesen(t, false, ".", z, Grund)) {
                if (Grund == "keine Zahl") Grund = "keine Zeit";
                return false;
            }
            if (z.Nachkomma.size() > 1) {
                Grund = "Sekunden haben höchstens eine Nachkommastelle (Minuten und Sekunden als „5:30“)";
                return false;
            }
            if (z.Ganz.size() > 6) {
                Grund = "Sekunden haben zu viele Stellen";
                return false;
            }
            Wert = ZahlWert(z);
            return true;
        }
        if (teile.size() > 3) {
            Grund = "eine Zeit hat höchstens drei Teile (Minuten Sekunden Zehntel)";
            return false;
        }
        min = teile[0];
        sek = teile[1];
        if (teile.size() == 3) {
            zehntel = teile[2];
        } else if (const std::size_t k = sek.find_first_of(".,"); k != std::string_view::npos) {
            zehntel = sek.substr(k + 1);
            sek = sek.substr(0, k);
        }
    }
    if (!ganz(min, "die Minuten", 5) || !ganz(sek, "die Sekunden", 2)) return false;
    if (!zehntel.empty() && !ganz(zehntel, "die Zehntel", 2)) return false;
    const int s = std::stoi(std::string(sek));
    if (s >= 60) {
        Grund = std::to_string(s) + " Sekunden nach den Minuten; es sind höchstens 59";
        return false;
    }
    Zahlteile z;
    z.Ganz = std::to_string(std::stoll(std::string(min)) * 60 + s);
    z.Nachkomma = std::string(zehntel);
    Wert = ZahlWert(z);
    return true;
}

} // namespace

std::string EingabeFormen(const WettbewerbTyp* Wett, std::string_view Spaltenkopf) {
    switch (GetLeseArt(Spaltenkopf)) {
    case LeseArt::Zeit:
        return "Minuten:Sekunden (1:05 oder 1:05.5), Minuten Sekunden Zehntel mit Leerzeichen (1 05 oder 1 05 5), "
               "Sekunden (65 oder 65.5); „-“ für keine Eingabe; x, OVER, OUT, OFF, --- oder <, >, !, ?, / für "
               "ungültig";
    case LeseArt::Abstand:
        return std::string("eine Zahl (12, 12.5 oder 12,5)") + (NimmtLandepunkte(Wett) ? " oder Landepunkte (95)" : "") +
               "; „-“ für keine Eingabe; x, OUT oder > (auch >75) für ungültig";
    case LeseArt::Drehung:
        return "Grad von 0 bis 180 oder 0-90, 91-180; „-“ für keine Eingabe; x für ungültig";
    case LeseArt::Ganzzahl: return "eine ganze Zahl (3 oder -2); „-“ oder leer für keine Strafpunkte";
    case LeseArt::Zahl: break;
    }
    return "eine Zahl (12, 12.5 oder 12,5); „-“ für keine Eingabe; x oder --- für ungültig";
}

EingabeErgebnis EingabeLesen(const WettbewerbTyp* Wett, int DurchgangNr, std::string_view Spaltenkopf,
                             std::string_view Text) {
    EingabeErgebnis e;
    const LeseArt art = GetLeseArt(Spaltenkopf);
    std::string_view t = Text;
    while (!t.empty() && IstLeer(t.front())) t.remove_prefix(1);
    while (!t.empty() && IstLeer(t.back())) t.remove_suffix(1);
    std::string Grund;
    const auto ablehnen = [&](const std::string& g) {
        e = EingabeErgebnis{};
        e.Meldung = "„" + Zitat(Text) + "“ in der Spalte „" + Zitat(Spaltenkopf) + "“ nicht verstanden: " + g +
                    ". Möglich: " + EingabeFormen(Wett, Spaltenkopf) + ".";
        return e;
    };
    const auto wert = [&](double v) {
        e.Status = EingabeStatus::Wert;
        e.Wert = v;
        return e;
    };
    const auto nichts = [&](double v) {
        e.Status = EingabeStatus::NichtEingegeben;
        e.Wert = v;
        return e;
    };

    // An empty cell holds 0, as a new entry does; "-" is what the column keeps
    // for nothing entered (a time column has no such value and keeps 0).
    if (t.empty()) return nichts(0);
    if (t == "-") return nichts(art == LeseArt::Zeit || art == LeseArt::Ganzzahl ? 0 : WertNichtEingegeben);
    if (art != LeseArt::Ganzzahl && MarkerLesen(t, e)) return e;

    switch (art) {
    case LeseArt::Zeit: {
        double v = 0;
        if (!ZeitLesen(t, v, Grund)) return ablehnen(Grund);
        return wert(v);
    }
    case LeseArt::Abstand: {
        Zahlteile z;
        if (t.find(':') != std::string_view::npos) return ablehnen("eine Zeit ist kein Abstand");
        if (!ZahlLesen(t, true, ".,", z, Grund)) return ablehnen(Grund);
        // Distances are shown with two decimals: more would not read back as shown.
        if (z.Nachkomma.size() > 2) return ablehnen("ein Abstand hat höchstens zwei Nachkommastellen");
        std::string zahl = (z.Minus ? "-" : "") + (z.Ganz.empty() ? std::string("0") : z.Ganz);
        if (!z.Nachkomma.empty()) zahl += "." + z.Nachkomma;
        // Without a competition the column has no rule to convert by: the
        // number stays as typed.
        const std::string a = Wett ? CalcAbstandAusLandepunkte(Wett, DurchgangNr, zahl) : zahl;
        if (a == "-") return nichts(WertNichtEingegeben);
        Zahlteile za;
        std::string g2;
        if (!ZahlLesen(a, true, ".", za, g2)) return wert(ZahlWert(z));
        return wert(ZahlWert(za));
    }
    case LeseArt::Drehung: {
        if (t == "0-90") return wert(0);
        if (t == "91-180" || t == "90-180") return wert(91);
        Zahlteile z;
        if (!ZahlLesen(t, false, "", z, Grund)) return ablehnen(Grund);
        const double v = ZahlWert(z);
        if (v > 180) return ablehnen("eine Drehung hat höchstens 180 Grad");
        return wert(v < 90 ? 0 : 91);
    }
    case LeseArt::Ganzzahl: {
        Zahlteile z;
        if (!ZahlLesen(t, true, "", z, Grund)) return ablehnen(Grund);
        if (z.Ganz.size() > 6) return ablehnen("die Zahl hat zu viele Stellen");
        return wert(ZahlWert(z));
    }
    case LeseArt::Zahl: break;
    }
    Zahlteile z;
    if (!ZahlLesen(t, true, ".,", z, Grund)) {
        if (t.find(':') != std::string_view::npos && Grund.find("„:“") != std::string::npos)
            Grund = "eine Zeit ist hier keine Zahl";
        return ablehnen(Grund);
    }
    return wert(ZahlWert(z));
}

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
