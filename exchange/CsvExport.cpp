#include "exchange/CsvExport.h"

#include <algorithm>

#include "core/CodePage.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_CALEND.h"
#include "core/L_FILE.h"
#include "core/L_STR.h"
#include "core/Utf8.h"
#include "evaluation/Auswertung.h"
#include "evaluation/Sortierung.h"
#include "exchange/DateiZugriff.h"
#include "exchange/HtmlErgebnis.h"

namespace tavuran {

CsvTabelle::CsvTabelle() : Zellen(5, std::vector<std::string>(5)) {}

void CsvTabelle::AddText(int Spalte, int Zeile, const std::string& Text) {
    if (Spalte < 0 || Zeile < 0) return;
    if (Zeile >= Zeilen()) Zellen.resize(Zeile + 1, std::vector<std::string>(Spalten()));
    if (Spalte >= Spalten())
        for (auto& z : Zellen) z.resize(Spalte + 1);
    Zellen[Zeile][Spalte] = CsvAlsText(Text);
}

namespace {

// A number as the table writes it: optional sign, digits, at most one decimal
// comma or point.
bool IstZahl(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool Ziffer = false, Komma = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9')
            Ziffer = true;
        else if ((c == ',' || c == '.') && !Komma)
            Komma = true;
        else
            return false;
    }
    return Ziffer;
}

} // namespace

std::string CsvAlsText(std::string_view Text) {
    // A spreadsheet takes a cell that begins with one of these as a formula
    // (or, after a tab or CR, as the start of one); names and clubs come from
    // registrations and files, so such a cell is written as text.
    if (Text.empty() || std::string_view("=+-@\t\r").find(Text[0]) == std::string_view::npos || IstZahl(Text))
        return std::string(Text);
    return "'" + std::string(Text);
}

namespace {

// The text of L_STR_DoubleToStr trimmed, its first "." as ",".
std::string Komma(std::string s) {
    s = L_STR_Unblank(s);
    const std::size_t p = s.find('.');
    if (p != std::string::npos) s[p] = ',';
    return s;
}

} // namespace

std::string CsvRohpunkte(double x) { return Komma(L_STR_DoubleToStr(x, 8, 8, 1, 2)); }

std::string CsvPunkte(double x) {
    std::string s = L_STR_Unblank(L_STR_DoubleToStr(x, 4, 7, 0, 2));
    if (s.find_first_not_of('#') == std::string::npos) return s;
    s += s.find('.') == std::string::npos ? ".0" : "0";
    return Komma(s);
}

std::string CsvGesamt(double x, double FlyOff) {
    // A total without decimals is written without a trailing comma, so that
    // a spreadsheet reads it as a number.
    if (FlyOff <= 0.0001) return Komma(L_STR_DoubleToStr(x, 1, 7, 0, 2));
    return Komma(L_STR_FillLeftWithBlanks(L_STR_DoubleToStr(x, 1, 7, 0, 2), 4) + "+" +
                 L_STR_FillLeftWithBlanks(L_STR_DoubleToStr(FlyOff, 1, 7, 0, 2), 4));
}

std::string CsvTeilwertung(double x) { return Komma(L_STR_DoubleToStr(x, 8, 8, 2, 2)); }

namespace {

class Zeilenschreiber {
  public:
    Zeilenschreiber(CsvTabelle& t, int Zeile) : t_(t), Zeile_(Zeile) {}
    void operator()(const std::string& Text) { t_.AddText(Spalte_++, Zeile_, Text); }

  private:
    CsvTabelle& t_;
    int Zeile_;
    int Spalte_ = 0;
};

} // namespace

CsvTabelle ErgebnisExcelPreview(WettbewerbTyp* Wett, const CsvOptionen& Optionen) {
    CsvTabelle Tab;
    if (!Wett) return Tab;
    CalcWertung(Wett);
    const bool MitTeilwertung = Wett->Teilwertung && Optionen.Teilwertung;
    std::vector<int> Runden;
    for (int r = 1; r <= HtmlRunden(Wett); ++r)
        if (!Optionen.NurJugend || DurchgangIstFlyOff(Wett, r) == 0) Runden.push_back(r);

    int Zeile = 0;
    {
        Zeilenschreiber z(Tab, Zeile++);
        if (Optionen.NurJugend) {
            z("Jug-Platz");
        } else {
            z("Platz");
            z("Jugend");
        }
        z("Teilnehmer");
        z("Verein");
        if (Optionen.Nation) z("Land");
        if (Optionen.Bundesland) z("Bundesland");
        if (Optionen.Bezirk) z("Bezirk");
        for (int r : Runden) {
            z(GetDurchgangBezeichner(Wett, r, false, true));
            if (Optionen.Rohpunkte) z(" ");
        }
        z("Ergebnis");
        if (MitTeilwertung) z("Teilwertung");
    }

    const int Index = GetExportPunkteIndex(Wett);
    InfoTeilnehmerTyp Info;
    for (TeilnehmerTyp* t = GetFirstTeilnehmer(Wett, SortPlatz, Info); t; t = GetNextTeilnehmer(Info)) {
        if (Optionen.NurJugend && !t->Jugendlich) continue;
        Zeilenschreiber z(Tab, Zeile++);
        if (t->Punkte <= 0.0001) continue;
        if (!Optionen.NurJugend) z(StrInt(t->PunkteEndrunde > 0.0001 ? t->PlatzNrFlyOff : t->PlatzNr));
        const int Jug = GetJugendPlatzEdvNr(t);
        z(Jug != 0 ? StrInt(Jug) : std::string(" "));
        z(CnvNameTypToNameStr(&t->Name, true));
        z(t->Verein);
        if (Optionen.Nation) z(t->Land.Nation);
        if (Optionen.Bundesland) z(t->Land.Bundesland);
        if (Optionen.Bezirk) z(t->Land.Bezirk);
        for (int r : Runden) {
            const WertungTyp& E = HtmlWertungOderLeer(Wett, r, t->EdvNr);
            if (Optionen.Rohpunkte) z(CsvRohpunkte(E.RohPunkte));
            z(CsvPunkte(E.Punkte));
        }
        z(CsvGesamt(t->Punkte, Optionen.NurJugend ? t->PunkteEndrundeJugend : t->PunkteEndrunde));
        if (MitTeilwertung) z(CsvTeilwertung(t->ExportPunkte[Index]));
    }

    ++Zeile; // one empty row
    if (Optionen.Leitung) {
        Zeilenschreiber z(Tab, Zeile++);
        z("Organisationsleiter:");
        z(CnvNameTypToNameStr(&Wett->Organisationsleiter, false));
        z("Wettbewerbsleiter:");
        z(CnvNameTypToNameStr(&Wett->Wettbewerbsleiter, false));
    }
    if (Optionen.Punktrichter) {
        Zeilenschreiber z(Tab, Zeile++);
        z("Punktrichter:");
        for (int i = 1; i <= MaxPunktrichterNamen; ++i) {
            const std::string n = L_STR_Unblank(CnvNameTypToNameStr(&Wett->PunktRichterName[i], false));
            if (!n.empty()) z(n);
        }
    }
    if (Optionen.Wettbewerbsdaten) {
        {
            Zeilenschreiber z(Tab, Zeile++);
            z("Wettbewerbsname:");
            z(Wett->Name);
        }
        {
            Zeilenschreiber z(Tab, Zeile++);
            z("Datum:");
            z(L_CALEND_GetDayStr(Wett->Datum) + "." + L_CALEND_GetMonthStr(Wett->Datum) + "." +
              L_CALEND_GetYearStr(Wett->Datum));
        }
        if (Wett->RegelPtr) {
            Zeilenschreiber z(Tab, Zeile++);
            z("Regel:");
            z(Wett->RegelPtr->Name);
        }
    }
    return Tab;
}

std::string CsvZelle(std::string_view Text) {
    if (Text.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(Text);
    std::string s = "\"";
    for (const char c : Text) {
        if (c == '"') s += '"';
        s += c;
    }
    return s + "\"";
}

std::string CsvText(const CsvTabelle& Tabelle, bool& Ersetzt) {
    std::string s;
    for (const auto& Zeile : Tabelle.Zellen) {
        for (const std::string& Zelle : Zeile) {
            s += CsvZelle(Zelle);
            s += ';';
        }
        s += "\r\n";
    }
    return CnvUtf8ToWindows1252(s, &Ersetzt);
}

bool ErgebnisExcelExport(const std::string& Datei, const CsvTabelle& Tabelle, std::string& Grund, bool& Ersetzt) {
    std::string Hinweis;
    return DateiErsetzen(Datei, CsvText(Tabelle, Ersetzt), "", Grund, Hinweis);
}

std::string SichererDateiName(std::string_view Text) {
    std::string s;
    std::size_t i = 0;
    while (i < Text.size()) {
        const unsigned char c = static_cast<unsigned char>(Text[i]);
        if (c < 0x20 || c == 0x7F || std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos) {
            s += '_';
            ++i;
        } else if (c < 0x80) {
            s += static_cast<char>(c);
            ++i;
        } else {
            // Whole characters only; a byte that is no UTF-8 becomes "_".
            char32_t cp;
            const std::size_t n = Utf8Decode(Text, i, cp);
            if (cp >= Utf8Ungueltig)
                s += '_';
            else
                s.append(Text.substr(i, n));
            i += n;
        }
    }
    // Windows drops trailing blanks and dots; names of devices are refused.
    while (!s.empty() && (s.back() == ' ' || s.back() == '.')) s.pop_back();
    s = L_STR_Unblank(s);
    if (s.empty()) return "Wettbewerb";
    static const char* const Geraete[] = {"CON", "PRN", "AUX", "NUL", "COM1", "COM2", "COM3", "COM4", "COM5",
                                          "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5",
                                          "LPT6", "LPT7", "LPT8", "LPT9"};
    const std::string Gross = L_STR_Upcase(s);
    for (const char* g : Geraete)
        if (Gross == g) return s + "_";
    return s;
}

std::string CsvDateiName(const WettbewerbTyp* Wett) {
    if (!Wett) return {};
    return L_FILE_GetFilePath(Wett->WettbewerbFileNamen[0]) + SichererDateiName(Wett->Name) + ".csv";
}

} // namespace tavuran
