#include "exchange/ImportPortal.h"

#include <algorithm>
#include <filesystem>
#include <deque>
#include <limits>
#include <unordered_map>
#include <system_error>

#include "core/CodePage.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_CALEND.h"
#include "core/L_FILE.h"
#include "core/L_STR.h"
#include "core/Utf8.h"
#include "evaluation/Sortierung.h"
#include "exchange/DateiZugriff.h"
#include "exchange/DatenStamm.h"
#include "exchange/ShortenName.h"
#include "rules/RegelLookup.h"
#include "startorder/Kanal.h"

namespace tavuran {

namespace {

constexpr const char* Titel[AnzahlImportSpalten] = {
    "COMPETITION NAME",
    "COMPETITION START DATE",
    "REGISTRATION TEAM",
    "REGISTRATION COMPETITION CLASSES",
    "PILOT FIRST NAME",
    "PILOT LAST NAME",
    "PILOT BIRTHDAY",
    "PILOT IS <18",
    "PILOT CLUB",
    "PILOT NAC",
    "PILOT COUNTRY CODE",
    "PILOT FREQUENCY 1",
    "PILOT FREQUENCY 2",
    "PILOT FREQUENCY 3",
    "PILOT USES 2.4 GHZ",
    "SELECTED CALLER",
    "THE SELECTED COACH FOR A JUNIOR",
};

// Separators a header may use; the most frequent wins, the earlier on equal counts.
constexpr char ListeTrennzeichen[] = {',', ';', ':', '\t'};

bool IstLeer(char c) { return c == ' ' || c == '\t'; }

std::string_view OhneLeer(std::string_view s) {
    while (!s.empty() && IstLeer(s.front())) s.remove_prefix(1);
    while (!s.empty() && IstLeer(s.back())) s.remove_suffix(1);
    return s;
}

bool IstUtf8(std::string_view s, bool& MitNichtAscii) {
    MitNichtAscii = false;
    for (std::size_t i = 0; i < s.size();) {
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
            continue;
        }
        MitNichtAscii = true;
        char32_t cp;
        i += Utf8Decode(s, i, cp);
        if (cp >= Utf8Ungueltig) return false;
    }
    return true;
}

// UTF-16 without a byte-order mark: the ASCII characters of the header show
// as a zero byte beside each character. 0 none, 1 little endian, 2 big endian.
int Utf16OhneMarke(std::string_view s) {
    if (s.size() < 4 || s.size() % 2 != 0) return 0;
    const std::size_t n = std::min<std::size_t>(s.size(), 64);
    int le = 0, be = 0;
    for (std::size_t i = 0; i + 1 < n; i += 2) {
        if (s[i] != 0 && s[i + 1] == 0) ++le;
        if (s[i] == 0 && s[i + 1] != 0) ++be;
    }
    const int paare = static_cast<int>(n / 2);
    if (le == paare) return 1;
    if (be == paare) return 2;
    return 0;
}

// The fields of a line split at the separator outside double quotes, as they stand.
std::vector<std::string_view> Teilen(std::string_view Zeile, char Trenn) {
    std::vector<std::string_view> f;
    bool inQuote = false;
    std::size_t a = 0;
    for (std::size_t i = 0; i < Zeile.size(); ++i) {
        if (Zeile[i] == '"')
            inQuote = !inQuote;
        else if (Zeile[i] == Trenn && !inQuote) {
            f.push_back(Zeile.substr(a, i - a));
            a = i + 1;
        }
    }
    f.push_back(Zeile.substr(a));
    return f;
}

// A field as the import uses it: blanks and tabs trimmed, enclosing double
// quotes removed (a doubled quote inside them stands for one), control
// characters as blanks; in a file not separated by commas a comma becomes a
// blank.
std::string Feldtext(std::string_view Roh, char Trenn) {
    std::string_view t = OhneLeer(Roh);
    std::string s;
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"') {
        t = t.substr(1, t.size() - 2);
        s.reserve(t.size());
        for (std::size_t i = 0; i < t.size(); ++i) {
            s += t[i];
            if (t[i] == '"' && i + 1 < t.size() && t[i + 1] == '"') ++i;
        }
    } else {
        s.assign(t);
    }
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x20 || c == 0x7F || (Trenn != ',' && c == ',')) s[i] = ' ';
        // C1 controls (U+0080..U+009F, two bytes C2 80..C2 9F).
        if (c == 0xC2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(s[i + 1]) <= 0x9F) {
            s.replace(i, 2, " ");
        }
    }
    return std::string(OhneLeer(s));
}

char TrennzeichenErkennen(std::string_view Kopf) {
    int anzahl[std::size(ListeTrennzeichen)] = {};
    bool inQuote = false;
    for (char c : Kopf) {
        if (c == '"') inQuote = !inQuote;
        if (inQuote) continue;
        for (std::size_t k = 0; k < std::size(ListeTrennzeichen); ++k)
            if (c == ListeTrennzeichen[k]) ++anzahl[k];
    }
    std::size_t best = 0;
    for (std::size_t k = 1; k < std::size(ListeTrennzeichen); ++k)
        if (anzahl[k] > anzahl[best]) best = k;
    return ListeTrennzeichen[best];
}

std::string TrennzeichenText(char c) { return c == '\t' ? std::string("Tabulator") : std::string(1, c); }

std::string Zeile(int Nr) { return "Zeile " + std::to_string(Nr); }

std::string NameText(const NameTyp& n) { return CnvNameTypToNameStr(&n, true); }

bool Enthaelt(std::string_view s, std::string_view t) { return s.find(t) != std::string_view::npos; }

std::string DatumText(const DateRec& d) {
    return L_STR_FillLeftWithO(std::to_string(d.Day), 2) + "." + L_STR_FillLeftWithO(std::to_string(d.Month), 2) +
           "." + std::to_string(d.Year);
}

// Digits only, 1 to Max of them.
bool Ziffern(std::string_view s, std::size_t Max, int& Wert) {
    if (s.empty() || s.size() > Max) return false;
    Wert = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        Wert = Wert * 10 + (c - '0');
    }
    return true;
}

// A date written as YYYY-MM-DD or DD.MM.YYYY (a time after a blank or "T" is
// ignored), checked against the calendar and the years JahrMin..JahrMax.
bool DatumLesen(std::string_view Text, int JahrMin, int JahrMax, DateRec& Datum) {
    std::string_view t = OhneLeer(Text);
    const std::size_t zeit = t.find_first_of(" T");
    if (zeit != std::string_view::npos) t = t.substr(0, zeit);
    int tag = 0, monat = 0, jahr = 0;
    const std::size_t s1 = t.find_first_of("-.");
    if (s1 == std::string_view::npos) return false;
    const char trenn = t[s1];
    const std::size_t s2 = t.find(trenn, s1 + 1);
    if (s2 == std::string_view::npos || t.find(trenn, s2 + 1) != std::string_view::npos) return false;
    const std::string_view a = t.substr(0, s1), b = t.substr(s1 + 1, s2 - s1 - 1), c = t.substr(s2 + 1);
    if (trenn == '-') {
        if (a.size() != 4 || !Ziffern(a, 4, jahr) || !Ziffern(b, 2, monat) || !Ziffern(c, 2, tag)) return false;
    } else {
        if (c.size() != 4 || !Ziffern(c, 4, jahr) || !Ziffern(b, 2, monat) || !Ziffern(a, 2, tag)) return false;
    }
    if (jahr < JahrMin || jahr > JahrMax || monat < 1 || monat > 12 || tag < 1) return false;
    DateRec d;
    d.Year = static_cast<Word>(jahr);
    d.Month = static_cast<Byte>(monat);
    d.Day = 1;
    if (tag > L_CALEND_GetLengthOfMonth(d)) return false;
    d.Day = static_cast<Byte>(tag);
    Datum = d;
    return true;
}

// The cell of a recognised column in a line; empty when the file lacks the column.
const std::string& Zelle(const ImportVorschau& V, const ImportDatenZeile& Z, int Spalte) {
    static const std::string leer;
    const int i = V.ColIdx[Spalte];
    if (i < 1 || static_cast<std::size_t>(i) > Z.Felder.size()) return leer;
    return Z.Felder[static_cast<std::size_t>(i) - 1];
}

bool Hat(const ImportVorschau& V, int Spalte) { return V.ColIdx[Spalte] > 0; }

// The words of a text split at blanks (empty words dropped), in capitals.
std::vector<std::string> Woerter(std::string_view Text, std::size_t Max) {
    std::vector<std::string> w;
    std::string rest = L_STR_Unblank(Text);
    while (!rest.empty() && w.size() < Max) {
        const std::string wort = L_STR_Unblank(L_STR_GetStrUntilBlank(rest));
        rest = L_STR_Unblank(L_STR_GetStrAfterBlank(rest));
        if (!wort.empty()) w.push_back(L_STR_Upcase(wort));
    }
    return w;
}

// The participants that may be named as helpers, found by the first word of
// their surname (capitals), each with its position in the participant list.
class HelferIndex {
  public:
    explicit HelferIndex(WettbewerbTyp* Wett) {
        int pos = 0;
        for (TeilnehmerTyp* Q = Wett->TeilnehmerRootPtr; Q; Q = Q->next, ++pos) {
            if (L_STR_Unblank(Q->Name.NachnameStr).empty()) continue;
            Kandidat k{Q, pos, {}, {}};
            for (const std::string* teil : {&Q->Name.NachnameStr, &Q->Name.VornameStr})
                for (const std::string& w : Woerter(*teil, 1000)) k.Pflicht.push_back(w);
            k.Alle = Woerter(Q->Name.TitelStr, 1000);
            for (const std::string* teil : {&Q->Name.VornameStr, &Q->Name.NachnameStr})
                for (const std::string& w : Woerter(*teil, 1000)) k.Alle.push_back(w);
            const std::string erstes = k.Pflicht.front();
            kandidaten_.push_back(std::move(k));
            nachWort_[erstes].push_back(kandidaten_.size() - 1);
        }
    }

    // The participant a helper text names: every word of a participant's
    // first and last name must occur among the text's first four words; among
    // several, the one most words agree with (the title counts too), the first
    // in list order on equal counts.
    TeilnehmerTyp* Suchen(const TeilnehmerTyp* P, std::string_view Text) const {
        const std::vector<std::string> woerter = Woerter(Text, 4);
        if (woerter.empty()) return nullptr;
        const auto kommtVor = [&](const std::string& w) {
            return std::find(woerter.begin(), woerter.end(), w) != woerter.end();
        };
        const Kandidat* best = nullptr;
        int bestZahl = 0;
        for (std::size_t i = 0; i < woerter.size(); ++i) {
            // A word met twice gives the same candidates again.
            if (std::find(woerter.begin(), woerter.begin() + static_cast<std::ptrdiff_t>(i), woerter[i]) !=
                woerter.begin() + static_cast<std::ptrdiff_t>(i))
                continue;
            const auto it = nachWort_.find(woerter[i]);
            if (it == nachWort_.end()) continue;
            for (const std::size_t k : it->second) {
                const Kandidat& c = kandidaten_[k];
                if (c.Q == P || !std::all_of(c.Pflicht.begin(), c.Pflicht.end(), kommtVor)) continue;
                int zahl = 0;
                for (const std::string& w : woerter)
                    if (std::find(c.Alle.begin(), c.Alle.end(), w) != c.Alle.end()) ++zahl;
                if (zahl > bestZahl || (zahl == bestZahl && zahl > 0 && best && c.Pos < best->Pos)) {
                    best = &c;
                    bestZahl = zahl;
                }
            }
        }
        return best ? best->Q : nullptr;
    }

  private:
    struct Kandidat {
        TeilnehmerTyp* Q;
        int Pos;
        std::vector<std::string> Pflicht; // words of surname and first name
        std::vector<std::string> Alle;    // with the title's
    };
    std::vector<Kandidat> kandidaten_;
    std::unordered_map<std::string, std::vector<std::size_t>> nachWort_;
};

// The teams by name, and the number the next new team gets.
class TeamIndex {
  public:
    explicit TeamIndex(WettbewerbTyp* Wett) : wett_(Wett) {
        for (MannschaftTyp* m = Wett->MannschaftRootPtr; m; m = m->next) {
            nachName_.try_emplace(m->Name, m); // the first of a name, as a walk of the list finds it
            maxNr_ = std::max(maxNr_, m->Nr);
        }
    }
    MannschaftTyp* Suchen(const std::string& Name) {
        MannschaftTyp*& m = nachName_[Name];
        if (m) return m;
        m = DatenMannschaftNew();
        DatenMannschaftDefault(m);
        m->Nr = maxNr_ < std::numeric_limits<int>::max() ? ++maxNr_ : maxNr_;
        m->Name = Name;
        m->next = wett_->MannschaftRootPtr;
        wett_->MannschaftRootPtr = m;
        return m;
    }

  private:
    WettbewerbTyp* wett_;
    std::unordered_map<std::string, MannschaftTyp*> nachName_;
    int maxNr_ = 0;
};

// Key of a first and last name.
std::string NamensSchluessel(const NameTyp& n) { return n.VornameStr + '\n' + n.NachnameStr; }

// Puts the participant into the team; false when the team is full.
bool TeamBeitreten(MannschaftTyp* m, int EdvNr) {
    for (int k = 1; k <= MaxMannschaftMitglieder; ++k) {
        if (m->TeilnehmerEdvNr[k] == EdvNr) return true;
        if (m->TeilnehmerEdvNr[k] <= 0) {
            m->TeilnehmerEdvNr[k] = EdvNr;
            return true;
        }
    }
    return false;
}

// The master-data pilots by first name and title, in list order.
class StammIndex {
  public:
    explicit StammIndex(WettbewerbTyp* Wett) {
        for (TeilnehmerTyp* s = Wett->StammDatenRootPtr; s; s = s->next)
            nachVorname_[s->Name.VornameStr + '\n' + s->Name.TitelStr].push_back(s);
    }
    const TeilnehmerTyp* Pilot(const NameTyp& n) const {
        const auto it = nachVorname_.find(n.VornameStr + '\n' + n.TitelStr);
        if (it == nachVorname_.end()) return nullptr;
        for (const TeilnehmerTyp* s : it->second)
            if (s->Name.NachnameStr == n.NachnameStr || s->Name.TitelStr + " " + s->Name.NachnameStr == n.NachnameStr)
                return s;
        return nullptr;
    }

  private:
    std::unordered_map<std::string, std::vector<const TeilnehmerTyp*>> nachVorname_;
};

// A competition without name, date or rule gets the defaults the import needs.
void ForceWettbDefault(WettbewerbTyp* Wett, const DateRec& Heute) {
    if (Wett->Name.empty()) {
        Wett->Name = "noname";
        Wett->Datum = DateRec{1, 1, 2000};
    }
    if (!Wett->RegelPtr) ReplaceRuleByName(Wett, "Manuelle Auswertung", &Heute);
}

} // namespace

const char* ImportSpaltenTitel(int Spalte) {
    return Spalte >= 0 && Spalte < AnzahlImportSpalten ? Titel[Spalte] : "";
}

std::string ImportTextDekodieren(std::string_view Bytes, std::string* Kodierung) {
    std::string text;
    std::string art;
    if (CnvBomTextToUtf8(Bytes, text)) {
        art = Bytes.substr(0, 3) == "\xEF\xBB\xBF" ? "UTF-8 mit BOM" : "UTF-16";
    } else if (const int u16 = Utf16OhneMarke(Bytes)) {
        std::string mitMarke = u16 == 1 ? "\xFF\xFE" : "\xFE\xFF";
        mitMarke.append(Bytes);
        CnvBomTextToUtf8(mitMarke, text);
        art = "UTF-16";
    } else {
        bool nichtAscii = false;
        if (IstUtf8(Bytes, nichtAscii) && nichtAscii) {
            text.assign(Bytes);
            art = "UTF-8";
        } else {
            text = CnvWindows1252ToUtf8(Bytes);
            art = nichtAscii ? "Windows-1252" : "ASCII";
        }
    }
    if (Kodierung) *Kodierung = art;
    return text;
}

ImportVorschau ImportTextLesen(std::string_view Bytes) {
    ImportVorschau V;
    V.Gelesen = true;
    const std::string text = ImportTextDekodieren(Bytes, &V.Kodierung);
    std::size_t a = 0;
    int nr = 0;
    std::size_t felderKopf = 0, felderBenannt = 0;
    while (a < text.size()) {
        std::size_t e = text.find_first_of("\r\n", a);
        if (e == std::string::npos) e = text.size();
        const std::string_view zeile = std::string_view(text).substr(a, e - a);
        ++nr;
        a = e;
        if (a < text.size()) a += (text[a] == '\r' && a + 1 < text.size() && text[a + 1] == '\n') ? 2 : 1;
        if (OhneLeer(zeile).empty()) continue;

        if (V.KopfZeilenNr == 0) {
            V.KopfZeilenNr = nr;
            V.Trennzeichen = TrennzeichenErkennen(zeile);
            for (std::string_view f : Teilen(zeile, V.Trennzeichen)) V.Kopf.push_back(Feldtext(f, V.Trennzeichen));
            felderKopf = V.Kopf.size();
            felderBenannt = felderKopf;
            while (felderBenannt > 0 && V.Kopf[felderBenannt - 1].empty()) --felderBenannt;
            for (std::size_t i = 0; i < V.Kopf.size(); ++i) {
                const std::string zelle = L_STR_Upcase(V.Kopf[i]);
                if (zelle.empty()) continue;
                for (int s = 0; s < AnzahlImportSpalten; ++s)
                    if (Enthaelt(zelle, Titel[s])) V.ColIdx[s] = static_cast<int>(i) + 1;
            }
            continue;
        }

        ImportDatenZeile Z;
        Z.ZeilenNr = nr;
        const auto roh = Teilen(zeile, V.Trennzeichen);
        for (std::string_view f : roh) Z.Felder.push_back(Feldtext(f, V.Trennzeichen));
        if (std::count(zeile.begin(), zeile.end(), '"') % 2 != 0) {
            Z.Fehler = "ungerade Anzahl von Anführungszeichen";
        } else if (Z.Felder.size() < felderBenannt) {
            Z.Fehler = std::to_string(Z.Felder.size()) + " statt " + std::to_string(felderKopf) + " Felder";
        } else {
            for (std::size_t i = felderKopf; i < Z.Felder.size(); ++i)
                if (!Z.Felder[i].empty()) {
                    Z.Fehler = std::to_string(Z.Felder.size()) + " statt " + std::to_string(felderKopf) + " Felder";
                    break;
                }
        }
        V.Zeilen.push_back(std::move(Z));
    }
    return V;
}

ImportVorschau ImportDateiLesen(const std::string& Datei) {
    ImportVorschau V;
    std::error_code ec;
    const auto groesse = std::filesystem::file_size(L_FILE_Pfad(Datei), ec);
    if (!ec && groesse > ImportPortalMaxBytes) {
        V.Grund = "Die Datei „" + Datei + "“ ist zu groß für eine Anmeldeliste (" +
                  std::to_string(groesse / (1024 * 1024)) + " MB).";
        return V;
    }
    std::string bytes, grund;
    if (!DateiLesen(Datei, bytes, grund)) {
        V.Grund = "Die Datei „" + Datei + "“ kann nicht gelesen werden. " + grund;
        return V;
    }
    return ImportTextLesen(bytes);
}

std::vector<std::string> ImportFehlendeSpalten(const ImportVorschau& V, bool MitWettbewerb) {
    std::vector<std::string> fehlt;
    const auto pruefe = [&](int s) {
        if (!Hat(V, s)) fehlt.push_back(std::string("„") + Titel[s] + "“");
    };
    pruefe(SpalteVorname);
    pruefe(SpalteNachname);
    if (!Hat(V, Spalte24GHz) && !Hat(V, SpalteFrequenz1) && !Hat(V, SpalteFrequenz2) && !Hat(V, SpalteFrequenz3))
        fehlt.push_back(std::string("„") + Titel[Spalte24GHz] + "“ oder „" + Titel[SpalteFrequenz1] + "“");
    if (!Hat(V, SpalteGeburtstag) && !Hat(V, SpalteJugend))
        fehlt.push_back(std::string("„") + Titel[SpalteGeburtstag] + "“ oder „" + Titel[SpalteJugend] + "“");
    if (MitWettbewerb) {
        pruefe(SpalteWettbewerbDatum);
        pruefe(SpalteWettbewerbName);
        pruefe(SpalteKlasse);
    }
    return fehlt;
}

std::vector<ImportTyp> ImportFileToHeap(WettbewerbTyp* Wett, const ImportVorschau& V, const ImportOptionen& O,
                                        ImportBericht& B) {
    std::vector<ImportTyp> liste;
    if (!Wett) return liste;
    int bezugsjahr = O.Heute.Year;

    const ImportDatenZeile* erste = nullptr;
    for (const ImportDatenZeile& Z : V.Zeilen)
        if (Z.Fehler.empty()) {
            erste = &Z;
            break;
        }
    if (O.MitWettbewerb && erste) {
        const std::string& name = Zelle(V, *erste, SpalteWettbewerbName);
        if (!name.empty()) {
            Wett->Name = name;
            B.Wettbewerb.push_back("Name: „" + name + "“");
        }
        const std::string& datum = Zelle(V, *erste, SpalteWettbewerbDatum);
        DateRec d;
        if (DatumLesen(datum, 1900, 2999, d)) {
            Wett->Datum = d;
            bezugsjahr = d.Year;
            B.Wettbewerb.push_back("Datum: " + DatumText(d));
        } else {
            B.Hinweise.push_back(Zeile(erste->ZeilenNr) + ": Das Wettbewerbsdatum „" + datum +
                                 "“ ist kein gültiges Datum; das Datum des Wettbewerbs bleibt.");
        }
        bool regel = false;
        for (const ImportDatenZeile& Z : V.Zeilen) {
            if (!Z.Fehler.empty()) continue;
            const std::string& klasse = Zelle(V, Z, SpalteKlasse);
            if (!klasse.empty() && ReplaceRuleByName(Wett, klasse, &O.Heute)) {
                B.Wettbewerb.push_back("Regel: „" + Wett->RegelPtr->Name + "“ (Klasse „" + klasse + "“)");
                regel = true;
                break;
            }
        }
        if (!regel)
            B.Hinweise.push_back("Keine Klasse der Datei nennt eine bekannte Regel; die Regel des Wettbewerbs bleibt.");
    }
    ForceWettbDefault(Wett, O.Heute);

    for (const ImportDatenZeile& Z : V.Zeilen) {
        if (!Z.Fehler.empty()) continue;
        ImportTyp r;
        r.ZeilenNr = Z.ZeilenNr;
        r.Name.NachnameStr = Zelle(V, Z, SpalteNachname);
        r.Name.VornameStr = Zelle(V, Z, SpalteVorname);
        if (r.Name.NachnameStr.empty()) {
            B.Uebersprungen.push_back(Zeile(Z.ZeilenNr) + (r.Name.VornameStr.empty()
                                                               ? ": ohne Namen"
                                                               : ": ohne Nachnamen („" + r.Name.VornameStr + "“)"));
            continue;
        }
        const std::string wer = Zeile(Z.ZeilenNr) + " (" + NameText(r.Name) + ")";
        r.Team = Zelle(V, Z, SpalteTeam);
        r.Verein = ShortName(Zelle(V, Z, SpalteVerein));
        r.Verband = ShortName(Zelle(V, Z, SpalteVerband));
        if (Hat(V, SpalteJugend)) {
            const std::string j = L_STR_Upcase(Zelle(V, Z, SpalteJugend));
            r.Jugendlich = Enthaelt(j, "JA") || Enthaelt(j, "YES") || Enthaelt(j, "OUI") || Enthaelt(j, "SI");
            r.JugendlichBekannt = true;
        }
        if (Hat(V, SpalteGeburtstag)) {
            const std::string& geb = Zelle(V, Z, SpalteGeburtstag);
            DateRec d;
            if (DatumLesen(geb, 1900, O.Heute.Year, d)) {
                r.GebDatum = d;
                r.GebDatumGueltig = true;
                r.Jugendlich = bezugsjahr <= d.Year + 18;
                r.JugendlichBekannt = true;
            } else if (geb.empty()) {
                B.Hinweise.push_back(wer + ": kein Geburtstag angegeben; das bisherige Datum bleibt.");
            } else {
                B.Hinweise.push_back(wer + ": Der Geburtstag „" + geb +
                                     "“ ist kein gültiges Datum; das bisherige Datum bleibt.");
            }
        }
        const std::string coach = Zelle(V, Z, SpalteCoach);
        r.Helfer[1] = coach;
        r.Helfer[coach.empty() ? 1 : 2] = Zelle(V, Z, SpalteCaller);

        bool frequenzLeer = true;
        for (int k = 1; k <= 3; ++k) {
            r.Kanal[k] = Zelle(V, Z, SpalteFrequenz1 + k - 1);
            if (!r.Kanal[k].empty()) frequenzLeer = false;
        }
        const std::string ghz = L_STR_Upcase(Zelle(V, Z, Spalte24GHz));
        if (!ghz.empty())
            r.GHz24 = !(Enthaelt(ghz, "NEIN") || Enthaelt(ghz, "NO") || Enthaelt(ghz, "NON") || Enthaelt(ghz, "NA"));
        else
            r.GHz24 = frequenzLeer;
        if (r.GHz24)
            for (int k = 1; k <= 3; ++k) r.Kanal[k] = "2.4GHz";
        r.Land.Nation = Zelle(V, Z, SpalteLand);
        liste.push_back(std::move(r));
    }
    return liste;
}

ImportBericht ImportPortal(WettbewerbTyp* Wett, const ImportVorschau& V, const ImportOptionen& Optionen) {
    ImportBericht B;
    B.Kodierung = V.Kodierung;
    B.Trennzeichen = V.Trennzeichen;
    B.Datenzeilen = static_cast<int>(V.Zeilen.size());
    if (!Wett) {
        B.Grund = "Es ist kein Wettbewerb geöffnet.";
        return B;
    }
    if (!V.Gelesen) {
        B.Grund = V.Grund;
        return B;
    }
    if (V.KopfZeilenNr == 0) {
        B.Grund = "Die Datei ist leer.";
        return B;
    }
    ImportOptionen O = Optionen;
    const std::vector<std::string> fehlt = ImportFehlendeSpalten(V, O.MitWettbewerb);
    if (!fehlt.empty()) {
        B.Grund = "Der Datei fehlen Spalten, die der Import braucht: ";
        for (std::size_t i = 0; i < fehlt.size(); ++i) B.Grund += (i ? ", " : "") + fehlt[i];
        B.Grund += ".";
        return B;
    }
    if (O.MitWettbewerb && DatenWettbewerbDurchgangEnthaeltWertung(Wett) != 0) {
        O.MitWettbewerb = false;
        B.NurTeilnehmer = true;
    }
    for (const ImportDatenZeile& Z : V.Zeilen)
        if (!Z.Fehler.empty()) B.Abgelehnt.push_back(Zeile(Z.ZeilenNr) + ": " + Z.Fehler);

    B.Datensaetze = ImportFileToHeap(Wett, V, O, B);
    const std::vector<ImportTyp>& liste = B.Datensaetze;
    const bool helferSpalten = Hat(V, SpalteCoach) || Hat(V, SpalteCaller);

    // Which records went into which participant, and the first line that did.
    std::unordered_map<const TeilnehmerTyp*, std::vector<const ImportTyp*>> zugeordnet;
    // The participants by first and last name, in list order (new ones go to the head).
    std::unordered_map<std::string, std::deque<TeilnehmerTyp*>> nachName;
    for (TeilnehmerTyp* t = Wett->TeilnehmerRootPtr; t; t = t->next) nachName[NamensSchluessel(t->Name)].push_back(t);
    const StammIndex stamm(Wett);
    TeamIndex teams(Wett);
    // Report lines by file line, sorted at the end (the records are merged last line first).
    std::vector<std::pair<int, std::string>> neuListe, aktualisiertListe, doppeltListe;
    // New participants take the numbers after the largest ones in use, or
    // free ones below the largest Integer.
    NeueNummern edvNummern(Wett->TeilnehmerRootPtr, &TeilnehmerTyp::EdvNr),
        startNummern(Wett->TeilnehmerRootPtr, &TeilnehmerTyp::StartNr),
        meldeNummern(Wett->TeilnehmerRootPtr, &TeilnehmerTyp::MeldgNr);
    for (auto it = liste.rbegin(); it != liste.rend(); ++it) {
        const ImportTyp& r = *it;
        TeilnehmerTyp* P = nullptr;
        std::deque<TeilnehmerTyp*>& gleichnamige = nachName[NamensSchluessel(r.Name)];
        for (TeilnehmerTyp* t : gleichnamige) {
            if (!r.Name.TitelStr.empty() && t->Name.TitelStr != r.Name.TitelStr) continue;
            if (!r.Verein.empty() && t->Verein != r.Verein) continue;
            P = t;
            break;
        }
        const bool neu = P == nullptr;
        if (neu) {
            const int edv = edvNummern.Naechste(), start = startNummern.Naechste(), meldung = meldeNummern.Naechste();
            if (edv == 0 || start == 0 || meldung == 0) {
                B.Abgelehnt.push_back(Zeile(r.ZeilenNr) + ": für einen neuen Teilnehmer ist keine Nummer mehr frei");
                continue;
            }
            P = DatenTeilnehmerNew();
            DatenTeilnehmerDefault(P);
            P->KanalAktiv = 1;
            P->EdvNr = edv;
            P->StartNr = start;
            P->MeldgNr = meldung;
            P->next = Wett->TeilnehmerRootPtr;
            Wett->TeilnehmerRootPtr = P;
            P->Name.NachnameStr = r.Name.NachnameStr;
            P->Name.VornameStr = r.Name.VornameStr;
            gleichnamige.push_front(P);
        }
        std::vector<const ImportTyp*>& vorher = zugeordnet[P];
        if (!vorher.empty())
            doppeltListe.emplace_back(r.ZeilenNr, NameText(r.Name) + ": " + Zeile(r.ZeilenNr) + " und " +
                                                      Zeile(vorher.front()->ZeilenNr) + " nennen denselben Piloten");
        else
            (neu ? neuListe : aktualisiertListe)
                .emplace_back(r.ZeilenNr, NameText(r.Name) + " (" + Zeile(r.ZeilenNr) + ")");
        vorher.push_back(&r);

        const TeilnehmerTyp* S = stamm.Pilot(r.Name);
        // A new participant takes the whole record. A known one takes what the
        // file has a column for, whether empty or not; everything else (title,
        // regions, models, fields of missing columns) stays as the operator
        // typed it.
        const auto nimm = [&](int Spalte) { return neu || Hat(V, Spalte); };
        P->Name.NachnameStr = r.Name.NachnameStr;
        P->Name.VornameStr = r.Name.VornameStr;
        if (nimm(SpalteVerein)) P->Verein = r.Verein;
        if (nimm(SpalteLand)) P->Land.Nation = r.Land.Nation;
        if (nimm(SpalteVerband)) P->Verband = r.Verband;
        if (r.JugendlichBekannt) P->Jugendlich = r.Jugendlich;
        for (int k = 1; k <= 3; ++k)
            if (r.GHz24 || nimm(SpalteFrequenz1 + k - 1)) P->Kanal[k] = Format24GHzKanalStr(r.Kanal[k]);
        if (S) {
            if (L_STR_Unblank(P->Land.Bezirk).empty()) P->Land.Bezirk = S->Land.Bezirk;
            if (L_STR_Unblank(P->Land.Bundesland).empty()) P->Land.Bundesland = S->Land.Bundesland;
            if (P->Land.Nation.empty()) P->Land.Nation = S->Land.Nation;
        }
        if (r.GebDatumGueltig)
            P->GebDatum = r.GebDatum;
        else if (S && neu)
            P->GebDatum = S->GebDatum;
        if (helferSpalten)
            for (int k = 1; k <= 3; ++k) P->Helfer[k] = NameTyp{};

        const std::string team = L_STR_Unblank(r.Team);
        if (!team.empty()) {
            MannschaftTyp* m = teams.Suchen(team);
            if (!TeamBeitreten(m, P->EdvNr))
                B.Hinweise.push_back(Zeile(r.ZeilenNr) + " (" + NameText(r.Name) + "): Das Team „" + team +
                                     "“ hat schon " + std::to_string(MaxMannschaftMitglieder) +
                                     " Mitglieder; der Pilot kommt nicht hinein.");
        }
    }

    // Helpers by name, once every registration is a participant.
    const HelferIndex helfer(Wett);
    for (TeilnehmerTyp* P = Wett->TeilnehmerRootPtr; P; P = P->next) {
        const auto it = zugeordnet.find(P);
        if (it == zugeordnet.end()) continue;
        for (const ImportTyp* r : it->second) {
            for (int h = 1; h <= 3; ++h) {
                const std::string text = L_STR_Unblank(r->Helfer[h]);
                if (text.empty()) continue;
                const std::string wer = NameText(P->Name);
                TeilnehmerTyp* Q = helfer.Suchen(P, text);
                if (!Q) {
                    B.HelferNichtGefunden.push_back(wer + ": „" + text + "“ (" + Zeile(r->ZeilenNr) +
                                                    ") ist kein Teilnehmer");
                    continue;
                }
                int frei = 0;
                bool schon = false;
                for (int k = 1; k <= 3; ++k) {
                    const NameTyp& n = P->Helfer[k];
                    if (NamenSindGleich(&n, &Q->Name)) schon = true;
                    if (frei == 0 && n.TitelStr.empty() && n.VornameStr.empty() && n.NachnameStr.empty()) frei = k;
                }
                if (schon) continue;
                if (frei == 0) {
                    B.HelferNichtGefunden.push_back(wer + ": „" + text + "“ (" + Zeile(r->ZeilenNr) +
                                                    "): alle drei Helferplätze sind belegt");
                    continue;
                }
                P->Helfer[frei] = Q->Name;
                B.HelferZugeordnet.push_back(wer + ": " + NameText(Q->Name));
            }
        }
    }

    for (auto [liste2, ziel] : {std::pair{&neuListe, &B.Neu}, std::pair{&aktualisiertListe, &B.Aktualisiert},
                                std::pair{&doppeltListe, &B.Zusammengefuehrt}}) {
        std::sort(liste2->begin(), liste2->end());
        for (auto& [nr, text] : *liste2) ziel->push_back(std::move(text));
    }

    CheckDoppelBelegung(Wett);
    SetWettbewerbModified(Wett);
    // Known pilots who are now registered are marked in the master data.
    MarkTeilnehmerInStammDaten(Wett);
    SortAll(Wett);
    B.Ausgefuehrt = true;
    return B;
}

std::vector<std::string> ImportBerichtZeilen(const ImportBericht& B) {
    std::vector<std::string> z;
    if (!B.Ausgefuehrt) {
        z.push_back("Nichts importiert. " + B.Grund);
        return z;
    }
    z.push_back("Kodierung " + B.Kodierung + ", Trennzeichen „" + TrennzeichenText(B.Trennzeichen) + "“, " +
                std::to_string(B.Datenzeilen) + " Datenzeilen: " + std::to_string(B.Neu.size()) + " neu, " +
                std::to_string(B.Aktualisiert.size()) + " aktualisiert, " + std::to_string(B.Abgelehnt.size()) +
                " abgelehnt, " + std::to_string(B.Uebersprungen.size()) + " übersprungen.");
    if (B.NurTeilnehmer)
        z.push_back("Der Wettbewerb enthält schon Wertungen: Name, Datum und Regel bleiben, nur die Teilnehmer "
                    "wurden übernommen.");
    const auto abschnitt = [&](const char* titel, const std::vector<std::string>& liste) {
        if (liste.empty()) return;
        z.push_back(std::string(titel) + " (" + std::to_string(liste.size()) + "):");
        for (const std::string& s : liste) z.push_back("  " + s);
    };
    abschnitt("Wettbewerb", B.Wettbewerb);
    abschnitt("Neue Teilnehmer", B.Neu);
    abschnitt("Aktualisierte Teilnehmer", B.Aktualisiert);
    abschnitt("Abgelehnte Zeilen", B.Abgelehnt);
    abschnitt("Übersprungene Zeilen", B.Uebersprungen);
    abschnitt("Doppelt gemeldet, zusammengeführt", B.Zusammengefuehrt);
    abschnitt("Hinweise", B.Hinweise);
    abschnitt("Helfer zugeordnet", B.HelferZugeordnet);
    abschnitt("Helfer nicht zugeordnet", B.HelferNichtGefunden);
    return z;
}

std::string ImportNeuesteDatei(const std::string& Ordner) {
    std::string ordner = Ordner;
    if (!ordner.empty() && ordner.back() != '/' && ordner.back() != '\\') ordner += L_FILE_Delimiter;
    namespace fs = std::filesystem;
    std::vector<std::pair<std::string, fs::file_time_type>> kandidaten;
    std::error_code ec;
    fs::directory_iterator it(L_FILE_Pfad(ordner.empty() ? "." : ordner), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code ec2;
        if (!it->is_regular_file(ec2)) continue;
        const std::string name = L_FILE_PfadText(it->path().filename());
        const std::string klein = L_STR_Upcase(name);
        if (klein.size() < 12 || klein.compare(0, 8, "DOWNLOAD") != 0 || klein.compare(klein.size() - 4, 4, ".CSV") != 0)
            continue;
        const auto zeit = it->last_write_time(ec2);
        if (!ec2) kandidaten.emplace_back(name, zeit);
    }
    std::sort(kandidaten.begin(), kandidaten.end());
    const std::pair<std::string, fs::file_time_type>* best = nullptr;
    for (const auto& k : kandidaten)
        if (!best || k.second > best->second) best = &k;
    return ordner + (best ? best->first : std::string(ImportPortalDownloadName));
}

} // namespace tavuran
