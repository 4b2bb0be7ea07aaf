#include "exchange/DatenWettbewerbDatei.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <unordered_set>
#include <utility>

#include "core/CodePage.h"
#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenRegel.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_CALEND.h"
#include "core/L_FILE.h"
#include "core/L_STR.h"
#include "core/UiHooks.h"
#include "evaluation/Auswertung.h"
#include "evaluation/Sortierung.h"
#include "exchange/DateiFreigabe.h"
#include "exchange/DateiZeilenPruefung.h"
#include "exchange/DateiZugriff.h"
#include "exchange/Pfade.h"
#include "rules/RegelListe.h"
#include "rules/RegelLookup.h"

namespace fs = std::filesystem;

namespace tavuran {

namespace {

// Judges and imported rounds each take one line of their own.
constexpr int IndexErsterPunktrichter = 41;
constexpr int IndexErsterImport = IndexErsterPunktrichter + MaxPunktrichterNamen; // 51
constexpr int IndexLetzterImport = IndexErsterImport + MaxDurchgaenge - 1;       // 80

int WettbewerbsIndex = 0;

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

int FormatBegrenzt(int FormatNr) { return FormatNr < DateiFormatMin ? DateiFormatMin : FormatNr > DateiFormatMax ? DateiFormatMax : FormatNr; }

// ------------------------------------------------------------- writing lines

std::string Int(int i) { return L_STR_CnvIntegerToStr(i); }

// A line with one value, quoted in format 3.
std::string Einzelzeile(std::string_view Key, std::string_view Text, int FormatNr) {
    return ZeilenPraefix(Key) + SetIntoInvertetKommaIfNewFormat(Text, FormatNr);
}

// A line of quoted fields (in every format).
std::string Listenzeile(std::string_view Key, std::initializer_list<std::string> Texte) {
    std::string z = ZeilenPraefix(Key);
    bool erstes = true;
    for (const std::string& t : Texte) {
        if (!erstes) z += ',';
        z += InKommas(t);
        erstes = false;
    }
    return z;
}

std::string Schalter10(bool b) { return b ? "1" : "0"; }

// A person: three quoted fields in format 3, one text (title first) otherwise.
std::string Personenzeile(std::string_view Key, const NameTyp& n, int FormatNr) {
    if (FormatNr >= 3) {
        std::string z = InsertName(n, ZeilenPraefix(Key), FormatNr);
        z.pop_back();
        return z;
    }
    return ZeilenPraefix(Key) + CnvNameTypToNameStr(&n, false);
}

std::string AliasZeile(std::string_view Key, const WettbewerbTyp& c, int Erster) {
    std::string z = ZeilenPraefix(Key);
    for (int i = Erster; i < Erster + 6; ++i) {
        if (i > Erster) z += ',';
        z += InKommas(c.DurchgangAlias[i]);
    }
    return z;
}

bool PersonVorhanden(const NameTyp& n) {
    return !n.TitelStr.empty() || !n.VornameStr.empty() || !n.NachnameStr.empty();
}

// ------------------------------------------------------------- reading lines

void RegelLesen(WettbewerbTyp* comp, const std::string& Name) {
    DatenRegelDispose(comp->RegelPtr);
    // A competition saved without a rule stores an empty name: it has none.
    if (Getrimmt(Name).empty()) return;
    DatenRegelLoad(comp->RegelPtr, Name, &comp->Datum);
}

// The file name of a competition read from a file: its extension is always ".wtb".
void DateiNameMerken(WettbewerbTyp* comp, const std::string& FileName) {
    fs::path p(std::u8string(FileName.begin(), FileName.end()));
    const std::u8string e = p.extension().u8string();
    if (L_STR_Upcase(std::string(e.begin(), e.end())) == ".WTB") {
        comp->WettbewerbFileNamen[0] = FileName;
        return;
    }
    p.replace_extension(".wtb");
    const std::u8string u = p.u8string();
    comp->WettbewerbFileNamen[0].assign(u.begin(), u.end());
}

} // namespace

// --------------------------------------------------------------- parameters

void DatenWettbewerbParse(WettbewerbTyp* comp, std::string_view Key, std::string_view Value, int FormatNr) {
    if (!comp) return;
    WettbewerbTyp& c = *comp;
    const bool f3 = FormatNr >= 3;
    // A line with one value: format 3 quotes it, formats 1 and 2 do not.
    const auto einzel = [&]() -> std::string {
        if (!f3) return std::string(Value);
        std::string_view r = Value;
        return SpalteErstenWertAusZeileAb(r);
    };
    const auto einzelInt = [&] { return DateiInteger(einzel()); };
    // Lines of several fields are taken field by field.
    std::string_view rest = Value;
    const auto feld = [&] { return SpalteErstenWertAusZeileAb(rest); };
    const auto feldInt = [&] { return DateiInteger(feld()); };
    const auto weitere = [&] { return !Getrimmt(rest).empty(); };

    if (Key == "NAME") {
        c.Name = einzel();
    } else if (Key == "DATUM") {
        if (f3) {
            c.Datum.Day = static_cast<Byte>(feldInt());
            c.Datum.Month = static_cast<Byte>(feldInt());
            c.Datum.Year = static_cast<Word>(feldInt());
        } else {
            L_CALEND_ParseDate(c.Datum, Value);
        }
    } else if (Key == "NUMMER") {
        c.ByNummer = einzel();
    } else if (Key == "REGLEMENT") {
        RegelLesen(comp, einzel());
    } else if (Key == "STATUS") {
        // Formats 1 and 2 store the two numbers without quotes.
        const auto wert = [&] { return DateiInteger(f3 ? feld() : SpalteErstenRohwertAusZeileAb(rest)); };
        SetWettbewerbsStatus(comp, wert(), true);
        SetWettbewerbsWarnstufe(comp, weitere() ? wert() : 0);
    } else if (Key == "DURCHGÄNGE") {
        c.AnzDurchgaenge = einzelInt();
    } else if (Key == "PUNKTRICHTER") {
        c.AnzPunktrichter = einzelInt();
    } else if (Key == "GRUPPE") {
        c.AnzTeilnGruppe = einzelInt();
    } else if (Key == "VORRUNDEN") {
        c.AnzVorrunden = einzelInt();
    } else if (Key == "TEILNENDRUNDE") {
        c.AnzTeilnInEndRunde = einzelInt();
    } else if (Key == "JUGINENDRUNDE") {
        c.AnzJugInEndRunde = einzelInt();
    } else if (Key == "ORGANISATION") {
        NameDatenParseTitelVorNachname(&c.Organisationsleiter, Value, FormatNr, false);
    } else if (Key == "WETTBEWERBSL") {
        NameDatenParseTitelVorNachname(&c.Wettbewerbsleiter, Value, FormatNr, false);
    } else if (Key == "PARAMETER") {
        for (int i = 1; i <= MaxParameter && weitere(); ++i) c.Parameter[i] = DateiDouble(feld());
    } else if (Key == "GRUPPENSTART") {
        c.Gruppenstart = DateiSchalter10(einzel());
    } else if (Key == "GEWERT_DURCHG") {
        c.AnzGewDurchgaenge = einzelInt();
    } else if (Key == "WINPOS") {
        for (int* w : {&c.WinPosLeft, &c.WinPosTop, &c.WinPosWidth, &c.WinPosHeight, &c.WinPosTeiler, &c.KanWinPosLeft,
                       &c.KanWinPosTop, &c.KanWinPosWidth, &c.KanWinPosHeight, &c.KanHorWinPosTeiler,
                       &c.KanVerWinPosTeiler, &c.KanWinAktiv})
            *w = feldInt();
        c.WinState = feld() == "wsMaximized" ? WinStateTyp::Maximized : WinStateTyp::Normal;
    } else if (Key == "SORTIERUNG") {
        for (int i = 0; i <= 6 && weitere(); ++i) c.Sortierung[i] = feldInt();
    } else if (Key == "FLYOFFSENIOR") {
        c.AnzSeniorenFlyOff = einzelInt();
    } else if (Key == "AKTDURCHGANG") {
        c.DurchgangNr = einzelInt();
    } else if (Key == "PROMILLE_VORR") {
        c.VorrundenPromille = DateiSchalter10(einzel());
    } else if (Key == "PROMILLE_DG") {
        c.DurchgangPromille = DateiSchalter10(einzel());
    } else if (Key == "ALIAS_DURCHG" || Key == "ALIAS_DURCHG2" || Key == "ALIAS_DURCHG3") {
        const int erster = Key == "ALIAS_DURCHG" ? 1 : Key == "ALIAS_DURCHG2" ? 7 : 13;
        for (int i = erster; i < erster + 6 && weitere(); ++i) c.DurchgangAlias[i] = feld();
    } else if (Key == "NACHKOMMA") {
        c.AnzNachkomma = einzelInt();
    } else if (Key == "TEILWERTUNG") {
        c.Teilwertung = DateiSchalter10(einzel());
    } else if (Key == "HTML_EXPORT") {
        c.WettbewerbFileNamen[1] = ExpandPath(einzel());
    } else if (Key == "HTML_EXPORT_ML") {
        c.WettbewerbFileNamen[2] = ExpandPath(einzel());
    } else if (Key == "HTML_EXPORT_SL") {
        c.WettbewerbFileNamen[3] = ExpandPath(einzel());
    } else if (Key == "HTML_EXPORT_TE") {
        c.WettbewerbFileNamen[4] = ExpandPath(einzel());
    } else if (Key == "PARALLEL_SAVE") {
        c.WettbewerbParFileName = ExpandPath(feld());
        c.WettbewerbParFileEnbl = L_STR_CnvStrToBoolean(feld());
        c.BackUpHistory = L_STR_CnvStrToBoolean(feld());
    } else if (Key == "BONUS_TEILNZ") {
        c.BonusTeilnehmer = L_STR_CnvStrToBoolean(feld());
    } else if (Key == "ORIENTIERUNG") {
        c.Orientierung = feldInt();
    } else if (Key == "SCHRIFTGROESSE") {
        c.GroesseSchrift = feldInt();
    } else if (Key == "TEILNEHMERZAHL") {
        c.AnzahlTeilnehmerDrucken = feldInt();
    } else if (Key == "TEAM_CONFIG") {
        c.TeamwertungStatus = feldInt();
    } else if (Key == "IMPORTINDEX") {
        c.ImportIndexStr = einzel();
    } else if (Key == "STREICHER_AB") {
        c.StreicherAbDurchg = einzelInt();
    } else if (Key == "PERMNT_NULLDG") {
        c.PermntNullMode = einzelInt();
    } else if (Key == "PUNKTRNAME") {
        // Judges fill the first free slot; a line beyond the tenth judge is ignored.
        NameTyp n;
        NameDatenParseTitelVorNachname(&n, Value, FormatNr, false);
        for (int i = 1; i <= MaxPunktrichterNamen; ++i) {
            if (c.PunktRichterName[i].NachnameStr.empty()) {
                c.PunktRichterName[i] = n;
                break;
            }
        }
    } else if (Key == "WETT_IMPORT") {
        const int r = feldInt();
        const std::string pfad = ExpandPath(feld());
        if (r >= 1 && r <= MaxDurchgaenge) c.WettbewerbImportFileName[r] = pfad;
    } else if (Key == "MAXGRPGROESSE") {
        c.MaxGruppenGroesse = einzelInt();
    }
}

void InitWettbewerbsDaten() { WettbewerbsIndex = 0; }

std::string GetNextWettbewerbsDaten(const WettbewerbTyp* comp, int FormatNr) {
    if (!comp) return {};
    const WettbewerbTyp& c = *comp;
    const int f = FormatNr;
    const bool f3 = f >= 3;
    const int i = ++WettbewerbsIndex;

    if (i >= IndexErsterPunktrichter && i < IndexErsterImport) {
        const NameTyp& n = c.PunktRichterName[i - IndexErsterPunktrichter + 1];
        return PersonVorhanden(n) ? Personenzeile("PUNKTRNAME", n, f) : "-";
    }
    if (i >= IndexErsterImport && i <= IndexLetzterImport) {
        const int r = i - IndexErsterImport + 1;
        if (!f3 || c.WettbewerbImportFileName[r].empty()) return "-";
        return Listenzeile("WETT_IMPORT", {Int(r), ShrinkPath(c.WettbewerbImportFileName[r])});
    }
    // Lines written in format 3 only.
    const auto nurF3 = [&](std::string zeile) { return f3 ? zeile : std::string("-"); };

    switch (i) {
    case 1:
        return Einzelzeile("NAME", c.Name, f);
    case 2:
        if (f3) return Listenzeile("DATUM", {Int(c.Datum.Day), Int(c.Datum.Month), Int(c.Datum.Year)});
        return ZeilenPraefix("DATUM") + L_CALEND_GetDateString(c.Datum);
    case 3:
        return Einzelzeile("NUMMER", c.ByNummer, f);
    case 4: {
        std::string regel;
        if (c.RegelPtr) regel = f3 ? c.RegelPtr->Name : L_STR_GetStrUntilBlank(L_STR_Unblank(c.RegelPtr->Name));
        return Einzelzeile("REGLEMENT", regel, f);
    }
    case 5:
        if (f3) return Listenzeile("STATUS", {Int(c.Status), Int(c.Warnstufe)});
        return ZeilenPraefix("STATUS") + Int(c.Status) + "," + Int(c.Warnstufe);
    case 6:
        return Einzelzeile("DURCHGÄNGE", Int(c.AnzDurchgaenge), f);
    case 7:
        return Einzelzeile("PUNKTRICHTER", Int(c.AnzPunktrichter), f);
    case 8:
        return Einzelzeile("GRUPPE", Int(c.AnzTeilnGruppe), f);
    case 9:
        return Einzelzeile("VORRUNDEN", Int(c.AnzVorrunden), f);
    case 10:
        return Einzelzeile("TEILNENDRUNDE", Int(c.AnzTeilnInEndRunde), f);
    case 11:
        return Einzelzeile("JUGINENDRUNDE", Int(c.AnzJugInEndRunde), f);
    case 12:
        return Personenzeile("ORGANISATION", c.Organisationsleiter, f);
    case 13:
        return Personenzeile("WETTBEWERBSL", c.Wettbewerbsleiter, f);
    case 14: {
        std::string z = ZeilenPraefix("PARAMETER");
        for (int k = 1; k <= MaxParameter; ++k) {
            if (k > 1) z += ',';
            z += InKommas(ParameterReal(c.Parameter[k]));
        }
        return z;
    }
    case 15:
        return Einzelzeile("GRUPPENSTART", Schalter10(c.Gruppenstart), f);
    case 16:
        return Einzelzeile("GEWERT_DURCHG", Int(c.AnzGewDurchgaenge), f);
    case 17:
        return nurF3(Listenzeile("WINPOS", {Int(c.WinPosLeft), Int(c.WinPosTop), Int(c.WinPosWidth),
                                            Int(c.WinPosHeight), Int(c.WinPosTeiler), Int(c.KanWinPosLeft),
                                            Int(c.KanWinPosTop), Int(c.KanWinPosWidth), Int(c.KanWinPosHeight),
                                            Int(c.KanHorWinPosTeiler), Int(c.KanVerWinPosTeiler), Int(c.KanWinAktiv),
                                            c.WinState == WinStateTyp::Maximized ? "wsMaximized" : "wsNormal"}));
    case 18:
        return nurF3(Listenzeile("SORTIERUNG", {Int(c.Sortierung[0]), Int(c.Sortierung[1]), Int(c.Sortierung[2]),
                                                Int(c.Sortierung[3]), Int(c.Sortierung[4]), Int(c.Sortierung[5]),
                                                Int(c.Sortierung[6])}));
    case 19:
        return Einzelzeile("FLYOFFSENIOR", Int(c.AnzSeniorenFlyOff), f);
    case 20:
        return Einzelzeile("AKTDURCHGANG", Int(c.DurchgangNr), f);
    case 21:
        return nurF3(Einzelzeile("PROMILLE_VORR", Schalter10(c.VorrundenPromille), f));
    case 22:
        return nurF3(Einzelzeile("PROMILLE_DG", Schalter10(c.DurchgangPromille), f));
    case 23:
        return nurF3(AliasZeile("ALIAS_DURCHG", c, 1));
    case 24:
        return nurF3(AliasZeile("ALIAS_DURCHG2", c, 7));
    case 25:
        return nurF3(AliasZeile("ALIAS_DURCHG3", c, 13));
    case 26:
        return nurF3(Einzelzeile("NACHKOMMA", Int(c.AnzNachkomma), f));
    case 27:
        return nurF3(Einzelzeile("TEILWERTUNG", Schalter10(c.Teilwertung), f));
    case 28:
        return nurF3(Einzelzeile("HTML_EXPORT", ShrinkPath(c.WettbewerbFileNamen[1]), f));
    case 29:
        return nurF3(Einzelzeile("HTML_EXPORT_ML", ShrinkPath(c.WettbewerbFileNamen[2]), f));
    case 30:
        return nurF3(Einzelzeile("HTML_EXPORT_SL", ShrinkPath(c.WettbewerbFileNamen[3]), f));
    case 31:
        return nurF3(Einzelzeile("HTML_EXPORT_TE", ShrinkPath(c.WettbewerbFileNamen[4]), f));
    case 32:
        return nurF3(Listenzeile("PARALLEL_SAVE", {ShrinkPath(c.WettbewerbParFileName),
                                                   L_STR_CnvBooleanToStr(c.WettbewerbParFileEnbl),
                                                   L_STR_CnvBooleanToStr(c.BackUpHistory)}));
    case 33:
        return nurF3(Listenzeile("BONUS_TEILNZ", {L_STR_CnvBooleanToStr(c.BonusTeilnehmer)}));
    case 34:
        return c.Orientierung == -1 ? "-" : nurF3(Listenzeile("ORIENTIERUNG", {Int(c.Orientierung)}));
    case 35:
        return c.GroesseSchrift == -1 ? "-" : nurF3(Listenzeile("SCHRIFTGROESSE", {Int(c.GroesseSchrift)}));
    case 36:
        return c.AnzahlTeilnehmerDrucken == -1 ? "-"
                                               : nurF3(Listenzeile("TEILNEHMERZAHL", {Int(c.AnzahlTeilnehmerDrucken)}));
    case 37:
        return nurF3(Listenzeile("TEAM_CONFIG", {Int(c.TeamwertungStatus)}));
    case 38:
        return nurF3(Einzelzeile("IMPORTINDEX", c.ImportIndexStr, f));
    case 39:
        return Einzelzeile("STREICHER_AB", Int(c.StreicherAbDurchg), f);
    case 40:
        return Einzelzeile("PERMNT_NULLDG", Int(c.PermntNullMode), f);
    default:
        return {};
    }
}

// ------------------------------------------------------------------ reading

namespace {

void Unlesbar(DateiLeseBericht& b, int ZeilenNr) {
    ++b.UnlesbareZeilen;
    if (b.UnlesbareZeilenNr.size() < LeseBerichtMaxZeilenNr) b.UnlesbareZeilenNr.push_back(ZeilenNr);
}

bool NurLeer(std::string_view s) {
    for (const char c : s)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
    return true;
}

// The raw text of the first field of a value.
std::string_view ErstesFeld(std::string_view Value) {
    std::string_view rest = Value;
    const std::string_view f = Getrimmt(FeldAbtrennen(rest));
    return f.size() >= 2 && f.front() == '\'' && f.back() == '\'' ? f.substr(1, f.size() - 2) : f;
}

// Line numbers for a note: "Zeile 5" or "Zeilen 5, 8, 12" (at most ten, then "…").
std::string ZeilenText(const std::vector<int>& Nr, std::size_t Gesamt = 0) {
    if (Gesamt < Nr.size()) Gesamt = Nr.size();
    std::string t = Gesamt == 1 ? "Zeile " : "Zeilen ";
    for (std::size_t i = 0; i < Nr.size() && i < LeseBerichtMaxZeilenNr; ++i) t += (i ? ", " : "") + Int(Nr[i]);
    if (Gesamt > std::min(Nr.size(), LeseBerichtMaxZeilenNr)) t += ", …";
    return t;
}

// Line numbers collected for a note: the first ten and how many there were.
struct ZeilenListe {
    std::vector<int> Nr;
    std::size_t Anzahl = 0;
    void Add(int n) {
        if (Nr.size() < LeseBerichtMaxZeilenNr) Nr.push_back(n);
        ++Anzahl;
    }
    bool Leer() const { return Anzahl == 0; }
    std::string Text() const { return ZeilenText(Nr, Anzahl); }
};

std::string Namenstext(const NameTyp& n) { return L_STR_Unblank(CnvNameTypToNameStr(&n, true)); }

// Words separated by blanks.
int WortZahl(std::string_view s) {
    int n = 0;
    bool imWort = false;
    for (const char c : s) {
        const bool leer = c == ' ' || c == '\t';
        if (!leer && !imWort) ++n;
        imWort = !leer;
    }
    return n;
}

// Keys the writer puts into a file once each; a second line with another
// value overrides the first.
bool EinmaligerKey(std::string_view Key) {
    return Key != "TEILNEHMER" && Key != "MANNSCHAFT" && Key != "WERTUNG" && Key != "ERGEBNIS" && Key != "PUNKTRNAME";
}

// Everything the reading notices on the way and judges once the file is read.
struct Lesezustand {
    // Participants who lost their number (no valid one, or one another
    // participant had first), with their line and the line of the first.
    struct OhneNummer {
        TeilnehmerTyp* p;
        int Zeile;
        int ErsteZeile; // 0: the line had no valid number
        int AlteNr;
    };
    std::vector<OhneNummer> ohneNummer;
    std::unordered_map<int, std::pair<const TeilnehmerTyp*, int>> nummern; // number: participant, line
    struct Wertungszeile {
        int Durchgang, EdvNr, Zeile;
    };
    std::vector<Wertungszeile> wertungsZeilen;
    std::vector<std::pair<int, int>> wertungsKonflikte; // line, line of the first
    std::vector<std::pair<const MannschaftTyp*, int>> mannschaften;
    std::unordered_map<std::string, std::pair<int, std::string>> parameter; // key: line, value
    std::vector<std::string> doppelteParameter;
    std::vector<std::string> personen; // names of more than three words in formats 1 and 2
    std::size_t personenAnzahl = 0;
    ZeilenListe utf8Zeilen, cp1252Zeilen;
    int durchgaengeZeile = 0;
    int inhaltsZeilen = 0;     // lines that are not empty
    int letzteZeile = 0;       // number of the last line that is not empty
    std::string letzterKey;    // its key
    int letzteNichtErgebnis = 0; // the last line before the closing line that is no result line
    int schlussZeile = 0;      // the closing line
    int schlussWert = 0;       // the count it names
    int schlussInhalt = 0;     // lines not empty up to it
    int nachSchluss = 0;       // the first line after it
};

// A person of formats 1 and 2 (one text of words) with more than three
// words: which are title, first name and surname is a guess.
void PersonPruefen(Lesezustand& z, std::string_view Text, int ZeilenNr) {
    if (WortZahl(Text) <= 3) return;
    if (z.personen.size() < LeseBerichtMaxZeilenNr)
        z.personen.push_back("Zeile " + Int(ZeilenNr) + " („" + std::string(Getrimmt(Text)) + "“)");
    ++z.personenAnzahl;
}

// The person fields of a participant line of format 1 or 2: the name (field
// 2) and, in format 2, the three helpers (fields 44 to 46).
void TeilnehmerPersonenPruefen(Lesezustand& z, std::string_view Value, int FormatNr, int ZeilenNr) {
    std::string_view rest = Value;
    for (int i = 1; i <= 46 && !rest.empty(); ++i) {
        const std::string_view feld = FeldAbtrennen(rest);
        if (i == 2 || (FormatNr == 2 && i >= 44)) PersonPruefen(z, FeldInhalt(feld), ZeilenNr);
    }
}

void ErgebnisMerken(DateiLeseBericht& b, std::string_view Value) {
    std::string_view rest = Value;
    GespeichertesErgebnis e;
    e.EdvNr = DateiInteger(SpalteErstenWertAusZeileAb(rest));
    for (int i = 0; i < 8; ++i) FeldAbtrennen(rest);
    e.ExportPunkte[0] = DateiDouble(SpalteErstenWertAusZeileAb(rest));
    e.ExportPunkte[1] = DateiDouble(SpalteErstenWertAusZeileAb(rest));
    b.Ergebnisse.push_back(e);
}

// What the file lacks at its end: the program writes a result line for every
// listed participant, the result block last, and in files of version 1 the
// closing line after it.
void VollstaendigkeitPruefen(const WettbewerbTyp* comp, const Lesezustand& z, DateiLeseBericht& b, int FormatNr,
                             bool MitSchluss) {
    if (MitSchluss) {
        if (z.schlussZeile == 0) {
            b.Hinweise.push_back("Die Schlusszeile fehlt: die Datei ist nach Zeile " + Int(z.letzteZeile) +
                                 " abgeschnitten, was danach stand, fehlt.");
        } else if (z.nachSchluss > 0) {
            b.Hinweise.push_back("Nach der Schlusszeile (Zeile " + Int(z.schlussZeile) +
                                 ") folgen weitere Zeilen (ab Zeile " + Int(z.nachSchluss) + ").");
        } else if (z.schlussWert != z.schlussInhalt) {
            b.Hinweise.push_back("Die Schlusszeile (Zeile " + Int(z.schlussZeile) + ") nennt " + Int(z.schlussWert) +
                                 " Zeilen, die Datei hat " + Int(z.schlussInhalt) +
                                 ": Zeilen fehlen oder sind hinzugekommen.");
        }
    }
    if (FormatNr < 3) return;
    std::unordered_set<int> mitErgebnis;
    for (const GespeichertesErgebnis& e : b.Ergebnisse) mitErgebnis.insert(e.EdvNr);
    int gelistet = 0;
    std::vector<std::string> ohne;
    std::size_t ohneAnzahl = 0;
    for (const TeilnehmerTyp* p = comp->TeilnehmerRootPtr; p; p = p->next) {
        if (!TeilnehmerGelistet(p) || p->EdvNr <= 0) continue;
        ++gelistet;
        if (mitErgebnis.count(p->EdvNr)) continue;
        if (ohne.size() < 3) ohne.push_back("„" + Namenstext(p->Name) + "“");
        ++ohneAnzahl;
    }
    if (gelistet == 0) return;
    if (ohneAnzahl > 0) {
        std::string namen;
        for (std::size_t i = 0; i < ohne.size(); ++i) namen += (i ? ", " : "") + ohne[i];
        if (ohneAnzahl > ohne.size()) namen += ", …";
        const std::string wer = ohneAnzahl < static_cast<std::size_t>(gelistet)
                                    ? "bei " + Int(static_cast<int>(ohneAnzahl)) + " von " + Int(gelistet) +
                                          " Teilnehmern"
                                : gelistet == 1 ? std::string("beim einzigen Teilnehmer")
                                                : "bei allen " + Int(gelistet) + " Teilnehmern";
        std::string text = "Die Datei ist nach Zeile " + Int(z.letzteZeile) +
                           " abgeschnitten: die Ergebniszeile fehlt " + wer + " (" + namen + ")";
        // The result block comes last: when part of it is there, everything before it is complete.
        text += b.Ergebnisse.empty() ? "; Teilnehmer, Mannschaften und Wertungen, die danach standen, fehlen."
                                     : "; Teilnehmer, Mannschaften und Wertungen stehen davor und sind vollständig.";
        b.Hinweise.push_back(text);
    } else if (!MitSchluss && z.letzteNichtErgebnis > 0 && !b.Ergebnisse.empty() &&
               z.letzterKey != "ERGEBNIS" && z.letzterKey != SchlussKey) {
        b.Hinweise.push_back("Die Datei endet nicht mit den Ergebniszeilen: nach ihnen folgt noch Zeile " +
                             Int(z.letzteNichtErgebnis) + ".");
    }
}

// Notes on what contradicts itself: two lines for one thing, references to
// nothing, rounds beyond the declared count, mixed code pages.
void WiderspruecheMelden(const WettbewerbTyp* comp, const Lesezustand& z, const std::unordered_set<int>& gelistet,
                         DateiLeseBericht& b) {
    for (const std::string& t : z.doppelteParameter) b.Hinweise.push_back(t);
    if (!z.wertungsKonflikte.empty()) {
        std::string t = "Zwei Zeilen geben einer Wertung verschiedene Werte (";
        for (std::size_t i = 0; i < z.wertungsKonflikte.size() && i < LeseBerichtMaxZeilenNr; ++i)
            t += (i ? ", " : "") + Int(z.wertungsKonflikte[i].second) + " und " + Int(z.wertungsKonflikte[i].first);
        if (z.wertungsKonflikte.size() > LeseBerichtMaxZeilenNr) t += ", …";
        b.Hinweise.push_back(t + "); gelesen wurden jeweils die Werte der ersten Zeile.");
    }
    ZeilenListe jenseits;
    int hoechster = 0;
    for (const Lesezustand::Wertungszeile& w : z.wertungsZeilen)
        if (w.Durchgang > comp->AnzDurchgaenge && gelistet.count(w.EdvNr)) {
            jenseits.Add(w.Zeile);
            hoechster = std::max(hoechster, w.Durchgang);
        }
    if (!jenseits.Leer())
        b.Hinweise.push_back("Die Datei nennt " + Int(comp->AnzDurchgaenge) + " Durchgänge" +
                             (z.durchgaengeZeile ? " (Zeile " + Int(z.durchgaengeZeile) + ")" : std::string()) +
                             ", enthält aber Wertungen bis Durchgang " + Int(hoechster) + " (" + jenseits.Text() +
                             "); ausgewertet werden nur die Durchgänge bis " + Int(comp->AnzDurchgaenge) + ".");
    for (const auto& [m, zeile] : z.mannschaften) {
        std::vector<int> fremde;
        for (int i = 1; i <= MaxMannschaftMitglieder; ++i)
            if (m->TeilnehmerEdvNr[i] > 0 && !gelistet.count(m->TeilnehmerEdvNr[i]))
                fremde.push_back(m->TeilnehmerEdvNr[i]);
        if (fremde.empty()) continue;
        std::string nr;
        for (std::size_t i = 0; i < fremde.size(); ++i) nr += (i ? ", " : "") + Int(fremde[i]);
        b.Hinweise.push_back("Die Mannschaft „" + m->Name + "“ in Zeile " + Int(zeile) + " nennt " +
                             (fremde.size() == 1 ? "die Teilnehmernummer " : "die Teilnehmernummern ") + nr +
                             ", die kein Teilnehmer hat; " + (fremde.size() == 1 ? "sie fällt" : "sie fallen") +
                             " beim Speichern weg.");
    }
    if (z.personenAnzahl > 0) {
        std::string t;
        for (std::size_t i = 0; i < z.personen.size(); ++i) t += (i ? ", " : "") + z.personen[i];
        if (z.personenAnzahl > z.personen.size()) t += ", …";
        b.Hinweise.push_back("Namen aus mehr als drei Wörtern lassen sich in diesem Dateiformat nicht sicher in Titel, "
                             "Vor- und Nachname teilen: " + t + ". Bitte die Namen prüfen.");
    }
    if (!z.utf8Zeilen.Leer() && !z.cp1252Zeilen.Leer()) {
        const bool utf8Datei = z.utf8Zeilen.Anzahl >= z.cp1252Zeilen.Anzahl;
        const ZeilenListe& anders = utf8Datei ? z.cp1252Zeilen : z.utf8Zeilen;
        b.Hinweise.push_back(std::string("Die Datei ist gemischt kodiert: ") +
                             (utf8Datei ? "die meisten Zeilen sind UTF-8, " + anders.Text() + " aber Windows-1252"
                                        : "die meisten Zeilen sind Windows-1252, " + anders.Text() + " aber UTF-8") +
                             ". Jede Zeile wurde in ihrer eigenen Kodierung gelesen; bitte die Umlaute prüfen.");
    }
}

} // namespace

int GetFileFormatUnterNr(std::string_view Key) {
    const int p = L_STR_Pos("Format", Key);
    if (p <= 0) return 0;
    std::string_view rest = Key.substr(static_cast<std::size_t>(p) - 1 + 6);
    rest = Getrimmt(rest);
    std::size_t i = 0;
    while (i < rest.size() && rest[i] >= '0' && rest[i] <= '9') ++i;
    if (i == 0 || i >= rest.size() || rest[i] != '.') return 0;
    return DateiInteger(rest.substr(i + 1, 6));
}

int DatenWettbewerbLesen(WettbewerbTyp*& comp, std::string_view Bytes, const std::string& FileName,
                         DateiLeseBericht* Bericht) {
    DateiLeseBericht eigener;
    DateiLeseBericht& bericht = Bericht ? *Bericht : eigener;
    bericht = DateiLeseBericht{};
    comp = DatenWettbewerbNew();
    DatenWettbewerbDefault(comp);
    if (!FileName.empty()) DateiNameMerken(comp, FileName);

    // A file with a byte-order mark holds Unicode text; others hold bytes of
    // Windows-1252 (formats 1 and 2 with the DOS bytes of eleven characters),
    // or lines an editor wrote in UTF-8.
    std::string unicodeText;
    const bool unicode = CnvBomTextToUtf8(Bytes, unicodeText);
    std::string_view text = unicode ? std::string_view(unicodeText) : Bytes;

    int format = 1;
    bool mitSchluss = false;
    int ergebnis = LadenOk;
    bericht.Leer = NurLeer(text);
    WertungsLeser wertungen(comp->DurchgangRootPtr, comp->TeilnehmerRootPtr);
    wertungen.Reservieren(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    Lesezustand z;
    std::string puffer;
    int zeilenNr = 0;
    bool ersteZeile = true;
    while (!text.empty()) {
        const std::size_t ende = text.find('\n');
        std::string_view roh = text.substr(0, ende);
        text.remove_prefix(ende == std::string_view::npos ? text.size() : ende + 1);
        if (!roh.empty() && roh.back() == '\r') roh.remove_suffix(1);
        ++zeilenNr;
        if (ende == std::string_view::npos && !NurLeer(roh))
            bericht.Hinweise.push_back("Die Datei endet mitten in Zeile " + Int(zeilenNr) +
                                       "; sie ist vermutlich unvollständig.");

        ZeilenKodierung art = ZeilenKodierung::Ascii;
        const std::string_view zeile = unicode ? ZeileAusUnicode(roh, puffer) : ZeileAusDatei(roh, format, puffer, &art);
        const ZeilenTeile t = ZeileZerlegen(zeile);
        if (t.Key.empty() && t.Value.empty()) continue;
        if (art == ZeilenKodierung::Utf8) z.utf8Zeilen.Add(zeilenNr);
        if (art == ZeilenKodierung::Windows1252) z.cp1252Zeilen.Add(zeilenNr);
        ++z.inhaltsZeilen;
        z.letzteZeile = zeilenNr;
        if (t.Key != SchlussKey) z.letzterKey.assign(t.Key);
        if (z.schlussZeile > 0 && z.nachSchluss == 0) z.nachSchluss = zeilenNr;
        const bool kopf = t.Key.find(DateiKennung) != std::string_view::npos;
        // A competition file starts with its header; anything else is refused.
        if (ersteZeile && !kopf) ergebnis = LadenOhneKennung;
        ersteZeile = false;
        if (kopf) {
            format = GetFileFormatNr(t.Key);
            bericht.KopfFormatNr = format;
            if (format < DateiFormatMin || format > DateiFormatMax) {
                if (ergebnis == LadenOk) ergebnis = LadenFormatUnbekannt;
                format = 1;
            }
            mitSchluss = GetFileFormatUnterNr(t.Key) >= DateiUnterNrMitSchluss;
            comp->FileFormatNr = format;
            continue;
        }
        if (t.Key == SchlussKey && z.schlussZeile == 0) {
            std::string_view rest = t.Value;
            z.schlussZeile = zeilenNr;
            z.schlussWert = DateiInteger(SpalteErstenWertAusZeileAb(rest));
            z.schlussInhalt = z.inhaltsZeilen;
            continue;
        }
        if (t.Key != "ERGEBNIS") z.letzteNichtErgebnis = zeilenNr;
        // The score lines come by the thousand: one as the writer writes it
        // is checked while it is read.
        WertungsZeileTyp w;
        const int schlicht = t.Key == "WERTUNG" ? WertungsZeileSchlichtLesen(t.Value, format, w) : -1;
        const ZeilenUrteil urteil = schlicht >= 0 ? ZeilenUrteil::Brauchbar : DateiZeilePruefen(t.Key, t.Value, format);
        if (urteil != ZeilenUrteil::Brauchbar) Unlesbar(bericht, zeilenNr);
        if (urteil == ZeilenUrteil::Verworfen) continue;
        if (t.Key == "TEILNEHMER") {
            if (format < 3) TeilnehmerPersonenPruefen(z, t.Value, format, zeilenNr);
            TeilnehmerTyp* p = DatenTeilnehmerParse(comp->TeilnehmerRootPtr, t.Value, format, TeilnehmerModusWettbewerb);
            const bool mitName = !p->Name.NachnameStr.empty();
            if (p->EdvNr <= 0 && mitName) {
                z.ohneNummer.push_back({p, zeilenNr, 0, p->EdvNr});
            } else if (!DateiGanzzahlGueltig(ErstesFeld(t.Value)) && urteil == ZeilenUrteil::Brauchbar) {
                Unlesbar(bericht, zeilenNr);
            } else if (mitName) {
                // Two participants with one number would share every score: the later one gets a new number.
                const auto [it, neu] = z.nummern.try_emplace(p->EdvNr, p, zeilenNr);
                if (!neu) {
                    z.ohneNummer.push_back({p, zeilenNr, it->second.second, p->EdvNr});
                    p->EdvNr = 0;
                }
            }
            wertungen.TeilnehmerGelesen(p);
        } else if (t.Key == "MANNSCHAFT") {
            z.mannschaften.emplace_back(DatenMannschaftParse(comp->MannschaftRootPtr, t.Value, format), zeilenNr);
        } else if (t.Key == "WERTUNG") {
            if (schlicht >= 0 ? schlicht == 1 : WertungsZeileLesen(t.Value, format, w)) {
                if (urteil == ZeilenUrteil::Brauchbar) z.wertungsZeilen.push_back({w.DurchgangNr, w.EdvNr, zeilenNr});
                if (const int erste = wertungen.ZeileAnwenden(w, zeilenNr)) z.wertungsKonflikte.emplace_back(zeilenNr, erste);
            } else if (urteil == ZeilenUrteil::Brauchbar) {
                Unlesbar(bericht, zeilenNr); // a round or participant the model cannot hold
            }
        } else if (t.Key == "ERGEBNIS") {
            // Result lines are recomputed from the scores; kept for the checks.
            ErgebnisMerken(bericht, t.Value);
        } else {
            if (EinmaligerKey(t.Key)) {
                std::string key(t.Key);
                if (t.Key == "WETT_IMPORT") key += ":" + std::string(ErstesFeld(t.Value));
                const auto [it, neu] = z.parameter.try_emplace(std::move(key), zeilenNr, std::string(t.Value));
                if (!neu && it->second.second != t.Value)
                    z.doppelteParameter.push_back("Die Zeilen " + Int(it->second.first) + " und " + Int(zeilenNr) +
                                                  " geben " + std::string(t.Key) +
                                                  " verschiedene Werte; gelesen wurde der Wert der Zeile " +
                                                  Int(zeilenNr) + ".");
                if (!neu) it->second = {zeilenNr, std::string(t.Value)};
            }
            if (t.Key == "DURCHGÄNGE") z.durchgaengeZeile = zeilenNr;
            if (format < 3 && (t.Key == "ORGANISATION" || t.Key == "WETTBEWERBSL" || t.Key == "PUNKTRNAME"))
                PersonPruefen(z, t.Value, zeilenNr);
            DatenWettbewerbParse(comp, t.Key, t.Value, format);
        }
    }

    // A file without a single line is no competition file either.
    if (ersteZeile) ergebnis = LadenOhneKennung;

    // Nobody is dropped: a participant without a usable number, or with the
    // number of another one, gets the next free one.
    if (!z.ohneNummer.empty()) {
        std::unordered_set<int> vergeben;
        for (const TeilnehmerTyp* p = comp->TeilnehmerRootPtr; p; p = p->next) vergeben.insert(p->EdvNr);
        const int hoechste = GetMaxEdvNr(comp->TeilnehmerRootPtr);
        int naechste = hoechste < 0 ? 1 : hoechste < INT_MAX ? hoechste + 1 : 1;
        for (const Lesezustand::OhneNummer& o : z.ohneNummer) {
            while (vergeben.count(naechste)) naechste = naechste < INT_MAX ? naechste + 1 : 1;
            o.p->EdvNr = naechste;
            vergeben.insert(naechste);
            const std::string wer = "„" + Namenstext(o.p->Name) + "“";
            if (o.ErsteZeile == 0) {
                bericht.Hinweise.push_back("Der Teilnehmer " + wer + " in Zeile " + Int(o.Zeile) +
                                           " hatte keine gültige Nummer und hat die Nummer " + Int(o.p->EdvNr) +
                                           " erhalten.");
            } else {
                const TeilnehmerTyp* erster = z.nummern.at(o.AlteNr).first;
                bericht.Hinweise.push_back("Die Zeilen " + Int(o.ErsteZeile) + " und " + Int(o.Zeile) +
                                           " geben zwei Teilnehmern die Nummer " + Int(o.AlteNr) + ": " + wer +
                                           " (Zeile " + Int(o.Zeile) + ") hat die Nummer " + Int(o.p->EdvNr) +
                                           " erhalten; Wertungen und Mannschaften der Nummer " + Int(o.AlteNr) +
                                           " gehören zu „" + Namenstext(erster->Name) + "“.");
            }
        }
    }
    std::unordered_set<int> gelistet;
    for (const TeilnehmerTyp* p = comp->TeilnehmerRootPtr; p; p = p->next)
        if (TeilnehmerGelistet(p)) gelistet.insert(p->EdvNr);
    // Scores of a participant whose line is missing cannot be kept.
    if (!z.wertungsZeilen.empty()) {
        for (const Lesezustand::Wertungszeile& w : z.wertungsZeilen)
            if (!gelistet.count(w.EdvNr)) Unlesbar(bericht, w.Zeile);
        std::sort(bericht.UnlesbareZeilenNr.begin(), bericht.UnlesbareZeilenNr.end());
    }
    if (ergebnis == LadenOk) {
        WiderspruecheMelden(comp, z, gelistet, bericht);
        VollstaendigkeitPruefen(comp, z, bericht, format, mitSchluss);
    }

    if (comp->Datum.Year < 2005) comp->AnzNachkomma = 0;
    SortAll(comp);
    CheckWettbewerbsStatus(comp);
    return ergebnis;
}

int DatenWettbewerbLoad(WettbewerbTyp*& comp, const std::string& FileName, std::string* Grund,
                        DateiLeseBericht* Bericht) {
    std::string bytes, grund;
    if (!DateiLesen(FileName, bytes, grund)) {
        comp = nullptr;
        if (Grund) *Grund = grund;
        if (Bericht) *Bericht = DateiLeseBericht{};
        return LadenDateiFehler;
    }
    return DatenWettbewerbLesen(comp, bytes, FileName, Bericht);
}

std::string LadenFehlerText(int Ergebnis, const DateiLeseBericht& Bericht, const std::string& Grund) {
    switch (Ergebnis) {
    case LadenOk:
        return {};
    case LadenDateiFehler:
        return "Die Datei kann nicht gelesen werden: " + Grund;
    case LadenFormatUnbekannt:
        return "Das Dateiformat " + Int(Bericht.KopfFormatNr) +
               " wird nicht unterstützt; dieses Programm liest die Formate 1 bis 3.";
    case LadenOhneKennung:
        if (Bericht.Leer) return "Die Datei ist leer.";
        return "Die Datei ist keine Wettbewerbsdatei: ihre erste Zeile ist nicht die Kennung „" +
               std::string(DateiKennung) + " - Format …“.";
    default:
        return "Die Datei kann nicht gelesen werden.";
    }
}

std::vector<std::string> LeseBerichtZeilen(const DateiLeseBericht& Bericht) {
    std::vector<std::string> zeilen;
    if (Bericht.UnlesbareZeilen > 0) {
        std::string text;
        const bool eine = Bericht.UnlesbareZeilen == 1;
        text = Int(Bericht.UnlesbareZeilen) + (eine ? " Zeile konnte" : " Zeilen konnten") +
               " nicht gelesen werden (" + (eine ? "Zeile " : "Zeilen ");
        for (std::size_t i = 0; i < Bericht.UnlesbareZeilenNr.size(); ++i) {
            if (i > 0) text += ", ";
            text += Int(Bericht.UnlesbareZeilenNr[i]);
        }
        if (static_cast<std::size_t>(Bericht.UnlesbareZeilen) > Bericht.UnlesbareZeilenNr.size()) text += ", …";
        zeilen.push_back(text + ").");
    }
    zeilen.insert(zeilen.end(), Bericht.Hinweise.begin(), Bericht.Hinweise.end());
    return zeilen;
}

std::string LeseBerichtText(const DateiLeseBericht& Bericht) {
    std::string text;
    for (const std::string& z : LeseBerichtZeilen(Bericht)) text += (text.empty() ? "" : "\n") + z;
    return text;
}

// ------------------------------------------------------------------ writing

std::string DateiKopfzeile(int FormatNr) {
    return std::string(DateiKennung) + " - Format " + Int(FormatNr) + "." + Int(DateiUnterNrMitSchluss);
}

std::vector<std::string> DatenWettbewerbZeilen(WettbewerbTyp* comp, int FormatNr) {
    std::vector<std::string> zeilen;
    if (!comp) return zeilen;
    const int f = FormatBegrenzt(FormatNr);
    // The result lines say what the scores give: never stale ones.
    if (comp->CalcWertung) CalcWertung(comp);
    InitWettbewerbsDaten();
    InitTeilnehmerDaten();
    DurchgangListenInfoTyp info;
    InitWertungsDaten(comp->DurchgangRootPtr, comp->TeilnehmerRootPtr, info);

    const auto sammeln = [&](auto naechste) {
        for (std::string z = naechste(); !z.empty(); z = naechste())
            if (z != "-") zeilen.push_back(std::move(z));
    };
    zeilen.push_back(DateiKopfzeile(f));
    sammeln([&] { return GetNextWettbewerbsDaten(comp, f); });
    sammeln([&] { return GetNextTeilnehmerDaten(comp->TeilnehmerRootPtr, f, TeilnehmerModusWettbewerb); });
    std::unordered_set<int> mitNachname;
    for (const TeilnehmerTyp* p = comp->TeilnehmerRootPtr; p; p = p->next)
        if (!p->Name.NachnameStr.empty()) mitNachname.insert(p->EdvNr);
    for (const MannschaftTyp* m = comp->MannschaftRootPtr; m; m = m->next)
        if (std::string z = MakeMannschaftZeile(m, mitNachname, f); z != "-") zeilen.push_back(std::move(z));
    sammeln([&] { return GetNextWertungsDaten(f, info); });
    if (f >= 3) {
        for (const TeilnehmerTyp* p = comp->TeilnehmerRootPtr; p; p = p->next) {
            std::string z = GetTeilnehmerErgebnisDaten(p);
            if (!z.empty()) zeilen.push_back(std::move(z));
        }
    }
    // The closing line counts every line, itself included.
    zeilen.push_back(ZeilenPraefix(SchlussKey) + InKommas(Int(static_cast<int>(zeilen.size()) + 1)));
    return zeilen;
}

std::string DatenWettbewerbText(WettbewerbTyp* comp, int FormatNr, bool& ZeichenErsetzt) {
    ZeichenErsetzt = false;
    const int f = FormatBegrenzt(FormatNr);
    const std::vector<std::string> zeilen = DatenWettbewerbZeilen(comp, f);
    std::size_t laenge = 0;
    for (const std::string& z : zeilen) laenge += z.size() + 2;
    std::string text;
    text.reserve(laenge);
    for (const std::string& z : zeilen) {
        ZeileFuerDateiAnhaengen(text, z, f, ZeichenErsetzt);
        text += "\r\n";
    }
    return text;
}

std::string BackupDateiName(const std::string& FileName) {
    fs::path p(std::u8string(FileName.begin(), FileName.end()));
    p.replace_extension(".bak");
    const std::u8string u = p.u8string();
    return std::string(u.begin(), u.end());
}

std::string HistorienDateiName(const std::string& FileName, int Nr) {
    const fs::path p(std::u8string(FileName.begin(), FileName.end()));
    const std::u8string stamm = p.stem().u8string();
    fs::path h = p.parent_path() / fs::path(stamm + u8"_" + [&] {
                     const std::string n = L_STR_FillLeftWithO(Int(Nr), 4);
                     return std::u8string(n.begin(), n.end());
                 }() + u8".wtb");
    const std::u8string u = h.u8string();
    return std::string(u.begin(), u.end());
}

namespace {

bool ParallelNameZulaessig(const std::string& Name) {
    const std::u8string u(Name.begin(), Name.end());
    const std::filesystem::path p(u);
    std::string endung = Name.size() >= 4 ? Name.substr(Name.size() - 4) : std::string();
    for (char& c : endung) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return p.is_absolute() && endung == ".wtb" && Name.size() > 4 && p.filename().u8string().size() > 4;
}

// Writes the parallel copy; false (with a note) when it could not be written.
bool ParallelKopieSchreiben(WettbewerbTyp* comp, const std::string& FileName, const std::string& Bytes,
                            const SpeicherOptionen& Optionen, DateiSpeicherErgebnis& erg) {
    const std::string& par = comp->WettbewerbParFileName;
    // The name comes from the competition file, which may come from anyone:
    // only a full path of a competition file that the user confirmed for
    // this file is written, never another kind of file without consent.
    if (!ParallelNameZulaessig(par)) {
        erg.Hinweise.push_back("Die Parallelkopie „" + par +
                               "“ wurde nicht geschrieben: ihr Name muss der vollständige Pfad einer .wtb-Datei sein.");
        return false;
    }
    if (DateienGleich(par, FileName)) {
        erg.Hinweise.push_back("Die Parallelkopie „" + par +
                               "“ ist die Wettbewerbsdatei selbst und wurde deshalb nicht geschrieben.");
        return false;
    }
    if (!WunschFreigegeben(FileName, WunschArt::Parallelkopie, par)) {
        erg.Hinweise.push_back("Die Parallelkopie „" + par +
                               "“ wurde nicht geschrieben: dieses Ziel ist für diese Wettbewerbsdatei nicht zugelassen.");
        return false;
    }
    const DateiArt art = DateiArtErmitteln(par);
    if (art == DateiArt::Sonderdatei || (art != DateiArt::Fehlt && art != DateiArt::Wettbewerb &&
                                         !Optionen.ParallelFremdeArtErlaubt)) {
        erg.Hinweise.push_back("Die Parallelkopie „" + par + "“ wurde nicht geschrieben: dort steht " +
                               (art == DateiArt::Sonderdatei ? "keine gewöhnliche Datei." : "keine Wettbewerbsdatei."));
        return false;
    }
    std::string grund;
    if (L_FILE_Exist(par)) {
        std::string ziel;
        if (!comp->BackUpHistory) {
            ziel = BackupDateiName(par);
        } else if (comp->modified) {
            // The first free history name; at most one per possible number.
            for (int n = 0; n <= 999999; ++n) {
                const std::string h = HistorienDateiName(par, n);
                if (!L_FILE_Exist(h)) {
                    ziel = h;
                    break;
                }
            }
        }
        if (!ziel.empty() && !DateiKopieren(par, ziel, grund))
            erg.Hinweise.push_back("Die vorige Parallelkopie konnte nicht nach „" + ziel + "“ gesichert werden. " +
                                   grund);
    }
    const ErsetzErgebnis e = DateiErsetzen(par, Bytes, "");
    if (!e.Ok) {
        erg.Hinweise.push_back("Die Parallelkopie „" + par + "“ konnte nicht geschrieben werden. " + e.Grund);
        return false;
    }
    return true;
}

// Formats 1 and 2 store only the first word of the rule's name. When a reader
// takes another rule from that word, the save says which one the file carries.
std::string RegelHinweis(const WettbewerbTyp* comp, int FormatNr) {
    if (FormatNr >= 3 || !comp->RegelPtr || L_STR_Unblank(comp->RegelPtr->Name).empty()) return {};
    const std::string& name = comp->RegelPtr->Name;
    const std::string wort = L_STR_GetStrUntilBlank(L_STR_Unblank(name));
    const int nr = RegelNrZuGespeichertemNamen(wort, &comp->Datum);
    const std::string anfang = "Das Dateiformat " + Int(FormatNr) + ".0 speichert vom Regelnamen „" + name +
                               "“ nur „" + wort + "“: ";
    if (nr == 0) return anfang + "beim Lesen ist diese Regel unbekannt.";
    if (RegelListe(nr).Name != name) return anfang + "beim Lesen trägt die Datei die Regel „" + RegelListe(nr).Name + "“.";
    return {};
}

} // namespace

DateiSpeicherErgebnis DatenWettbewerbSave(WettbewerbTyp* comp, const std::string& FileName, int FormatNr,
                                          bool MitParallelKopie) {
    SpeicherOptionen o;
    o.ParallelKopie = MitParallelKopie;
    return DatenWettbewerbSave(comp, FileName, FormatNr, o);
}

DateiSpeicherErgebnis DatenWettbewerbSave(WettbewerbTyp* comp, const std::string& FileName, int FormatNr,
                                          const SpeicherOptionen& Optionen) {
    DateiSpeicherErgebnis erg;
    if (!comp) {
        erg.Grund = "Es ist kein Wettbewerb geöffnet.";
        return erg;
    }
    if (FormatNr < DateiFormatMin || FormatNr > DateiFormatMax) {
        erg.Grund = "Das Dateiformat " + Int(FormatNr) + " kann nicht geschrieben werden.";
        return erg;
    }
    const std::string bytes = DatenWettbewerbText(comp, FormatNr, erg.ZeichenErsetzt);

    ErsetzErgebnis ersetzt = DateiErsetzen(FileName, bytes, BackupDateiName(FileName), Optionen.OhneSicherung);
    if (!ersetzt.Ok) {
        erg.Grund = std::move(ersetzt.Grund);
        erg.SicherungFehlt = ersetzt.SicherungFehlt;
        return erg;
    }
    erg.Ok = true;
    erg.Stand = ersetzt.Stand;
    if (std::string regel = RegelHinweis(comp, FormatNr); !regel.empty()) erg.Hinweise.push_back(std::move(regel));

    comp->BackUpSaved = false;
    if (Optionen.ParallelKopie && comp->WettbewerbParFileEnbl && !comp->WettbewerbParFileName.empty() &&
        L_FILE_ExistDir(L_FILE_GetFilePath(comp->WettbewerbParFileName)))
        comp->BackUpSaved = ParallelKopieSchreiben(comp, FileName, bytes, Optionen, erg);

    comp->modified = false;
    UiStatusBarNeuZeichnen();
    return erg;
}

std::string SpeicherErgebnisText(const DateiSpeicherErgebnis& Ergebnis) {
    std::string text;
    const auto absatz = [&](const std::string& s) {
        if (!text.empty()) text += "\n\n";
        text += s;
    };
    if (!Ergebnis.Ok && !Ergebnis.Grund.empty())
        absatz("Der Wettbewerb konnte nicht gespeichert werden. " + Ergebnis.Grund);
    if (Ergebnis.Ok && Ergebnis.ZeichenErsetzt)
        absatz("Einige Zeichen lassen sich in der Wettbewerbsdatei nicht darstellen und wurden als „?“ gespeichert.");
    for (const std::string& h : Ergebnis.Hinweise) absatz(h);
    return text;
}

namespace {
// The status of the save query for an answer of the hook.
int AbfrageStatus(UiAntwort a) {
    switch (a) {
    case UiAntwort::Ja:
        return 1;
    case UiAntwort::JaAlle:
        return 2;
    case UiAntwort::Nein:
        return 3;
    case UiAntwort::NeinAlle:
        return 4;
    case UiAntwort::Abbrechen:
        return 5;
    }
    return 5;
}
} // namespace

DateiSpeicherErgebnis SaveAllWettbewerb(WettbewerbTyp* comp) {
    DateiSpeicherErgebnis erg;
    erg.Ok = true;
    erg.Status = 6;
    if (!comp || !comp->modified) return erg;
    int status = AbfrageStatus(UiSpeichernAbfrage(comp, false));
    if (status == 1 || status == 2) {
        erg = DatenWettbewerbSave(comp, comp->WettbewerbFileNamen[0], comp->FileFormatNr);
        erg.Gespeichert = true;
    }
    erg.Abgebrochen = status == 5;
    erg.Status = status == 5 ? 5 : 6;
    return erg;
}

// ---------------------------------------------------------------- file name

std::string GetDefaultWettbewerbsFileName(const WettbewerbTyp* comp) {
    std::string s = comp ? comp->Name : std::string();
    static const char* const zeichen[] = {"+", "-", "!", "?", "<", ">", "=", "^", "#", "€", "*", "/", "(",
                                          ")", "[", "]", "&", "%", "$", "§", ";", ":", ",", "@"};
    for (const char* z : zeichen) s = L_STR_SearchAndReplace(s, z, " ");
    s = L_STR_SearchAndReplace(L_STR_Unblank(s), " ", "_");
    while (s.find("__") != std::string::npos) s = L_STR_SearchAndReplace(s, "__", "_");
    return s.empty() ? std::string("wettbewerb") : s;
}

} // namespace tavuran
