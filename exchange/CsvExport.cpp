#include "exchange/CsvExport.h"

#include <algorithm>

#include "core/Dezimalkomma.h"
#include "core/CodePage.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_CALEND.h"
#include "core/L_FILE.h"
#include "core/L_STR.h"
#include "core/Utf8.h"
#include "evaluation/Auswertung.h"
#include "evaluation/ErgebnisAngaben.h"
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

std::string CsvZahl(double x) { return PunktZuKomma(L_STR_Unblank(L_STR_DoubleToStr(x, 1, 10, 2, 2))); }

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
    const bool MitFlyOff = HatFlyOff(Wett, Optionen.NurJugend);

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
            z(ErgebnisRundenTitel(Wett, r));
            if (Optionen.Rohpunkte) z(" ");
        }
        z("Ergebnis");
        if (MitFlyOff) z("Fly-Off");
        if (MitTeilwertung) z("Teilwertung");
    }

    // Every listed participant in the order of the result list; those who
    // did not fly come last, without place and without zeros.
    const int Index = GetExportPunkteIndex(Wett);
    ErgebnisZeichen Zeichen;
    for (const TeilnehmerTyp* t : ErgebnisFolge(Wett)) {
        if (Optionen.NurJugend && !t->Jugendlich) continue;
        Zeilenschreiber z(Tab, Zeile++);
        const int Jug = GetJugendPlatzEdvNr(t);
        if (!Optionen.NurJugend) z(ErgebnisPlatzText(t));
        z(Jug != 0 ? StrInt(Jug) : std::string());
        z(CnvNameTypToNameStr(&t->Name, true));
        z(t->Verein);
        if (Optionen.Nation) z(t->Land.Nation);
        if (Optionen.Bundesland) z(t->Land.Bundesland);
        if (Optionen.Bezirk) z(t->Land.Bezirk);
        const bool Geflogen = ErgebnisPlatz(t) > 0 || TeilnehmerGeflogen(Wett, t);
        GestricheneRunden Gestrichen(Wett, t);
        for (int r : Runden) {
            // The flight that counts, as on the printed list and the web
            // page; a dropped result in square brackets, because a
            // spreadsheet reads "(500,00)" as -500.
            ErgebnisZeichen z1;
            const std::string Text = ErgebnisRundenText(Wett, t, r, &z1, true, &Gestrichen);
            const GezaehlterFlugTyp f = GezaehlterFlug(Wett, t, r);
            const bool Wert = !ErgebnisRundeLeer(Wett, t, r) && Text != NichtGeflogenZeichen;
            // Only brackets and "–" can be shown beside a number here.
            Zeichen.Gestrichen |= z1.Gestrichen;
            Zeichen.NichtGeflogen |= z1.NichtGeflogen;
            if (Optionen.Rohpunkte) z(Wert ? CsvZahl(f.Eintrag ? f.Eintrag->RohPunkte : 0) : std::string());
            if (!Wert) {
                z(Geflogen && Text == NichtGeflogenZeichen ? Text : std::string());
                continue;
            }
            const WertungTyp* E = f.Erstflug ? f.Erstflug : f.Eintrag;
            const std::string p = CsvZahl(E ? E->ErgebnisPunkte - E->Strafpunkte : 0);
            z(Gestrichen(r) ? "[" + p + "]" : p);
        }
        z(Geflogen ? CsvZahl(t->Punkte) : std::string());
        if (MitFlyOff) {
            double FlyOff = 0;
            z(FlyOffSumme(Wett, t, Optionen.NurJugend, FlyOff) ? CsvZahl(FlyOff) : std::string());
        }
        if (MitTeilwertung) z(Geflogen ? CsvZahl(t->ExportPunkte[Index]) : std::string());
    }

    ++Zeile; // one empty row
    // What the marks mean; the brackets of a dropped result are square here.
    for (std::string l : ZeichenLegende(Zeichen)) {
        if (l.rfind("( )", 0) == 0) l.replace(0, 3, "[ ]");
        Zeilenschreiber z(Tab, Zeile++);
        z(l);
    }
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

std::string CsvText(const CsvTabelle& Tabelle, bool& Ersetzt, CsvZeichensatz Zeichensatz) {
    std::string s;
    for (const auto& Zeile : Tabelle.Zellen) {
        for (const std::string& Zelle : Zeile) {
            s += CsvZelle(Zelle);
            s += ';';
        }
        s += "\r\n";
    }
    Ersetzt = false;
    // UTF-8 with a byte-order mark, by which spreadsheets recognise it; the
    // older code page only on request, for tools that know nothing else.
    if (Zeichensatz == CsvZeichensatz::Utf8) return "\xEF\xBB\xBF" + s;
    return CnvUtf8ToWindows1252(s, &Ersetzt);
}

bool ErgebnisExcelExport(const std::string& Datei, const CsvTabelle& Tabelle, std::string& Grund, bool& Ersetzt,
                         CsvZeichensatz Zeichensatz) {
    std::string Hinweis;
    return DateiErsetzen(Datei, CsvText(Tabelle, Ersetzt, Zeichensatz), "", Grund, Hinweis);
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
