#include "exchange/DateiZeilenPruefung.h"

#include <charconv>
#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "exchange/DateiFelder.h"

namespace tavuran {

namespace {

std::string_view OhneLeer(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Field kinds of a line: i whole number, r real, t any text, z a count of
// rounds (0..30), g a group or fly-off size (0..DateiMaxGruppenGroesse).
bool FeldGueltig(char Art, std::string_view Text) {
    switch (Art) {
    case 'i':
        return DateiGanzzahlGueltig(Text);
    case 'r':
        return DateiRealGueltig(Text);
    case 'z':
    case 'g': {
        if (!DateiGanzzahlGueltig(Text)) return false;
        const int n = DateiInteger(OhneLeer(Text));
        return n >= 0 && n <= (Art == 'z' ? MaxDurchgaenge : DateiMaxGruppenGroesse);
    }
    default:
        return true;
    }
}

std::string Mal(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

// The kinds of the fields of a line, empty for an unknown key. `Gequotet`
// tells whether the fields are quoted in this format; a line of one unquoted
// value is judged as a whole.
struct Aufbau {
    std::string Felder;
    bool Quoted = true;
    std::size_t MindestFelder = 0; // 0: exactly as many as Felder
};

Aufbau AufbauBerechnen(std::string_view Key, int FormatNr) {
    const bool f3 = FormatNr >= 3;
    const auto einzeln = [&](char art) { return Aufbau{std::string(1, art), f3}; };
    if (Key == "TEILNEHMER") {
        // number (judged by the reader), name, club, state, two channels, junior, registration and start number
        if (FormatNr <= 1) return {"t" "t" "tt" "tt" "t" "ii" + Mal('i', 10)};
        if (FormatNr == 2) return {"t" "t" "tt" "tt" "t" "ii" + Mal('i', MaxDurchgaenge) + "ti" "tt" "ttt" "tt" "t"};
        return {"t" "ttt" "tt" "tt" "t" "ii" + Mal('i', MaxDurchgaenge) + "ti" "tt" + Mal('t', 9) + "tt" "t" +
                Mal('i', MaxDurchgaenge)};
    }
    if (Key == "MANNSCHAFT")
        return {f3 ? "it" + Mal('i', MaxMannschaftMitglieder) : "it" "tt" + Mal('i', 10)};
    if (Key == "WERTUNG")
        return {(f3 ? "iii" : "ii") + Mal('r', MaxDurchgSpalten + MaxPunktrichter) + "i"};
    if (Key == "ERGEBNIS") return {"i" "rrrr" "iiii" "rr"};
    if (Key == "PARAMETER") return {Mal('r', MaxParameter)};
    if (Key == "WINPOS") return {Mal('i', 12) + "t"};
    if (Key == "SORTIERUNG") return {Mal('i', 7)};
    if (Key == "ALIAS_DURCHG" || Key == "ALIAS_DURCHG2" || Key == "ALIAS_DURCHG3") return {Mal('t', 6)};
    if (Key == "PARALLEL_SAVE") return {"ttt"};
    if (Key == "WETT_IMPORT") return {"it"};
    if (Key == "BONUS_TEILNZ") return {"t"};
    if (Key == "ORIENTIERUNG" || Key == "SCHRIFTGROESSE" || Key == "TEILNEHMERZAHL" || Key == "TEAM_CONFIG")
        return {"i"};
    if (Key == "STATUS") return {"ii", f3, 1};
    if (Key == "DATUM") return f3 ? Aufbau{"iii"} : Aufbau{"t", false};
    if (Key == "ORGANISATION" || Key == "WETTBEWERBSL" || Key == "PUNKTRNAME")
        return f3 ? Aufbau{"ttt"} : Aufbau{"t", false};
    if (Key == "DURCHGÄNGE" || Key == "VORRUNDEN" || Key == "FLYOFFSENIOR" || Key == "GEWERT_DURCHG" ||
        Key == "STREICHER_AB" || Key == "AKTDURCHGANG")
        return einzeln('z');
    if (Key == "GRUPPE" || Key == "TEILNENDRUNDE" || Key == "JUGINENDRUNDE" || Key == "MAXGRPGROESSE")
        return einzeln('g');
    if (Key == "PUNKTRICHTER" || Key == "NACHKOMMA" || Key == "PERMNT_NULLDG") return einzeln('i');
    if (Key == "NAME" || Key == "NUMMER" || Key == "REGLEMENT" || Key == "GRUPPENSTART" || Key == "PROMILLE_VORR" ||
        Key == "PROMILLE_DG" || Key == "TEILWERTUNG" || Key == "HTML_EXPORT" || Key == "HTML_EXPORT_ML" ||
        Key == "HTML_EXPORT_SL" || Key == "HTML_EXPORT_TE" || Key == "IMPORTINDEX")
        return einzeln('t');
    return {};
}

// The layout of a line: those that come by the thousand made once, the
// others into Platz.
const Aufbau& AufbauVon(std::string_view Key, int FormatNr, Aufbau& Platz) {
    static const Aufbau wertung[2] = {AufbauBerechnen("WERTUNG", 1), AufbauBerechnen("WERTUNG", 3)};
    static const Aufbau teilnehmer[3] = {AufbauBerechnen("TEILNEHMER", 1), AufbauBerechnen("TEILNEHMER", 2),
                                         AufbauBerechnen("TEILNEHMER", 3)};
    static const Aufbau ergebnis = AufbauBerechnen("ERGEBNIS", 3);
    const int f = FormatNr <= 1 ? 1 : FormatNr >= 3 ? 3 : 2;
    if (Key == "WERTUNG") return wertung[f >= 3 ? 1 : 0];
    if (Key == "TEILNEHMER") return teilnehmer[f - 1];
    if (Key == "ERGEBNIS") return ergebnis;
    Platz = AufbauBerechnen(Key, FormatNr);
    return Platz;
}

// Counts outside their range are not applied at all.
bool IstZaehler(char Art) { return Art == 'z' || Art == 'g'; }

} // namespace

bool DateiGanzzahlGueltig(std::string_view Text) {
    const std::string_view t = OhneLeer(Text);
    if (t.empty()) return false;
    int wert = 0;
    const auto [ende, fehler] = std::from_chars(t.data(), t.data() + t.size(), wert);
    return fehler == std::errc() && ende == t.data() + t.size();
}

bool DateiRealGueltig(std::string_view Text) {
    std::string_view t = OhneLeer(Text);
    if (!t.empty() && t.front() == '-') t.remove_prefix(1);
    std::size_t ziffern = 0, i = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++ziffern;
    if (i < t.size() && (t[i] == '.' || t[i] == ',')) {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++ziffern;
    }
    if (ziffern == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        const std::size_t exp = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        if (i == exp) return false;
    }
    return i == t.size();
}

namespace {

// Calls Pruefe(field, index) for the raw fields of a value, split at every
// comma outside quotes (quoting toggled at every quote, as the reader does;
// a value ending in a comma has an empty last field). Stops at the first
// field Pruefe refuses; returns the number of fields, or -1 when refused.
template <class F>
long FelderPruefen(std::string_view Value, F Pruefe) {
    bool inQuote = false;
    std::size_t anfang = 0;
    long n = 0;
    for (std::size_t i = 0; i <= Value.size(); ++i) {
        if (i < Value.size()) {
            if (Value[i] == '\'') inQuote = !inQuote;
            if (Value[i] != ',' || inQuote) continue;
        }
        if (!Pruefe(Value.substr(anfang, i - anfang), static_cast<std::size_t>(n))) return -1;
        ++n;
        anfang = i + 1;
    }
    return n;
}

} // namespace

ZeilenUrteil DateiZeilePruefen(std::string_view Key, std::string_view Value, int FormatNr) {
    Aufbau platz;
    const Aufbau& a = AufbauVon(Key, FormatNr, platz);
    if (a.Felder.empty()) return ZeilenUrteil::Verworfen;
    const bool zaehler = a.Felder.size() == 1 && IstZaehler(a.Felder[0]);
    const ZeilenUrteil fehler = zaehler ? ZeilenUrteil::Verworfen : ZeilenUrteil::Beschaedigt;
    if (!a.Quoted) {
        // One unquoted value (formats 1 and 2); STATUS holds two unquoted numbers.
        if (Key == "STATUS") {
            const long n = FelderPruefen(Value, [](std::string_view f, std::size_t) { return DateiGanzzahlGueltig(f); });
            return n >= 0 && n <= 2 ? ZeilenUrteil::Brauchbar : ZeilenUrteil::Beschaedigt;
        }
        if (FeldGueltig(a.Felder[0], Value)) return ZeilenUrteil::Brauchbar;
        return fehler;
    }
    const std::size_t mindest = a.MindestFelder ? a.MindestFelder : a.Felder.size();
    std::string puffer;
    const long n = FelderPruefen(Value, [&](std::string_view feld, std::size_t i) {
        if (i >= a.Felder.size()) return false;
        const std::string_view roh = OhneLeer(feld);
        if (roh.size() < 2 || roh.front() != '\'' || roh.back() != '\'') return false;
        std::string_view inhalt = roh.substr(1, roh.size() - 2);
        if (inhalt.find('\'') != std::string_view::npos) {
            puffer = FeldInhalt(roh);
            inhalt = puffer;
        }
        return FeldGueltig(a.Felder[i], inhalt);
    });
    if (n < 0 || static_cast<std::size_t>(n) < mindest) return fehler;
    return ZeilenUrteil::Brauchbar;
}

} // namespace tavuran
