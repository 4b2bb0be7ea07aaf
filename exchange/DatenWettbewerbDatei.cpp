#include "exchange/DatenWettbewerbDatei.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <unordered_set>
#include <utility>

#include "core/CodePage.h"
#include "core/DatenDurchgang.h"
#include "core/DatenRegel.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_CALEND.h"
#include "core/L_FILE.h"
#include "core/L_STR.h"
#include "core/UiHooks.h"
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

} // namespace

int DatenWettbewerbLesen(WettbewerbTyp*& comp, std::string_view Bytes, const std::string& FileName,
                         DateiLeseBericht* Bericht) {
    DateiLeseBericht eigener;
    DateiLeseBericht& bericht = Bericht ? *Bericht : eigener;
    bericht = DateiLeseBericht{};
    comp = DatenWettbewerbNew();
    DatenWettbewerbDefault(comp);
    if (!FileName.empty()) DateiNameMerken(comp, FileName);

    // A file with a byte-order mark holds Unicode text; others hold bytes of
    // Windows-1252 (formats 1 and 2 with the DOS bytes of eleven characters).
    std::string unicodeText;
    const bool unicode = CnvBomTextToUtf8(Bytes, unicodeText);
    std::string_view text = unicode ? std::string_view(unicodeText) : Bytes;

    int format = 1;
    int ergebnis = LadenOk;
    bericht.Leer = NurLeer(text);
    WertungsLeser wertungen(comp->DurchgangRootPtr, comp->TeilnehmerRootPtr);
    // Participants without a usable number (with their line) and score lines
    // (participant number, line), checked once everything is read.
    std::vector<std::pair<TeilnehmerTyp*, int>> ohneNummer;
    std::vector<std::pair<int, int>> wertungsZeilen;
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

        const std::string_view zeile = unicode ? roh : ZeileAusDatei(roh, format, puffer);
        const ZeilenTeile t = ZeileZerlegen(zeile);
        if (t.Key.empty() && t.Value.empty()) continue;
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
            comp->FileFormatNr = format;
            continue;
        }
        const ZeilenUrteil urteil = DateiZeilePruefen(t.Key, t.Value, format);
        if (urteil != ZeilenUrteil::Brauchbar) Unlesbar(bericht, zeilenNr);
        if (urteil == ZeilenUrteil::Verworfen) continue;
        if (t.Key == "TEILNEHMER") {
            TeilnehmerTyp* p = DatenTeilnehmerParse(comp->TeilnehmerRootPtr, t.Value, format, TeilnehmerModusWettbewerb);
            if (p->EdvNr <= 0 && !p->Name.NachnameStr.empty()) {
                ohneNummer.push_back({p, zeilenNr});
            } else if (!DateiGanzzahlGueltig(ErstesFeld(t.Value)) && urteil == ZeilenUrteil::Brauchbar) {
                Unlesbar(bericht, zeilenNr);
            }
            wertungen.TeilnehmerGelesen(p);
        } else if (t.Key == "MANNSCHAFT") {
            DatenMannschaftParse(comp->MannschaftRootPtr, t.Value, format);
        } else if (t.Key == "WERTUNG") {
            WertungsZeileTyp w;
            if (WertungsZeileLesen(t.Value, format, w)) {
                if (urteil == ZeilenUrteil::Brauchbar) wertungsZeilen.push_back({w.EdvNr, zeilenNr});
                wertungen.ZeileAnwenden(w);
            } else if (urteil == ZeilenUrteil::Brauchbar) {
                Unlesbar(bericht, zeilenNr); // a round or participant the model cannot hold
            }
        } else if (t.Key != "ERGEBNIS") {
            // Result lines are recomputed from the scores.
            DatenWettbewerbParse(comp, t.Key, t.Value, format);
        }
    }

    // A file without a single line is no competition file either.
    if (ersteZeile) ergebnis = LadenOhneKennung;

    // Nobody is dropped: a participant without a usable number gets the next free one.
    if (!ohneNummer.empty()) {
        std::unordered_set<int> vergeben;
        for (const TeilnehmerTyp* p = comp->TeilnehmerRootPtr; p; p = p->next) vergeben.insert(p->EdvNr);
        const int hoechste = GetMaxEdvNr(comp->TeilnehmerRootPtr);
        int naechste = hoechste < 0 ? 1 : hoechste < INT_MAX ? hoechste + 1 : 1;
        for (auto& [p, nr] : ohneNummer) {
            while (vergeben.count(naechste)) ++naechste;
            p->EdvNr = naechste;
            vergeben.insert(naechste);
        bericht.Hinweise.push_back("Der Teilnehmer „" + L_STR_Unblank(CnvNameTypToNameStr(&p->Name, true)) +
                                   "“ in Zeile " + Int(nr) + " hatte keine gültige Nummer und hat die Nummer " +
                                   Int(p->EdvNr) + " erhalten.");
        }
    }
    // Scores of a participant whose line is missing cannot be kept.
    if (!wertungsZeilen.empty()) {
        std::unordered_set<int> gelistet;
        for (const TeilnehmerTyp* p = comp->TeilnehmerRootPtr; p; p = p->next)
            if (TeilnehmerGelistet(p)) gelistet.insert(p->EdvNr);
        for (const auto& [edv, nr] : wertungsZeilen)
            if (!gelistet.count(edv)) Unlesbar(bericht, nr);
        std::sort(bericht.UnlesbareZeilenNr.begin(), bericht.UnlesbareZeilenNr.end());
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
    return std::string(DateiKennung) + " - Format " + Int(FormatNr) + ".0";
}

std::vector<std::string> DatenWettbewerbZeilen(WettbewerbTyp* comp, int FormatNr) {
    std::vector<std::string> zeilen;
    if (!comp) return zeilen;
    const int f = FormatBegrenzt(FormatNr);
    InitWettbewerbsDaten();
    InitTeilnehmerDaten();
    InitMannschaftsDaten();
    DurchgangListenInfoTyp info;
    InitWertungsDaten(comp->DurchgangRootPtr, comp->TeilnehmerRootPtr, info);

    const auto sammeln = [&](auto naechste) {
        for (std::string z = naechste(); !z.empty(); z = naechste())
            if (z != "-") zeilen.push_back(std::move(z));
    };
    zeilen.push_back(DateiKopfzeile(f));
    sammeln([&] { return GetNextWettbewerbsDaten(comp, f); });
    sammeln([&] { return GetNextTeilnehmerDaten(comp->TeilnehmerRootPtr, f, TeilnehmerModusWettbewerb); });
    sammeln([&] { return GetNextMannschaftDaten(comp->MannschaftRootPtr, comp->TeilnehmerRootPtr, f); });
    sammeln([&] { return GetNextWertungsDaten(f, info); });
    if (f >= 3) {
        for (const TeilnehmerTyp* p = comp->TeilnehmerRootPtr; p; p = p->next) {
            std::string z = GetTeilnehmerErgebnisDaten(p);
            if (!z.empty()) zeilen.push_back(std::move(z));
        }
    }
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
