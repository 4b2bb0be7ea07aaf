#include "exchange/HtmlExport.h"

#include <algorithm>
#include <utility>

#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_CALEND.h"
#include "core/L_FILE.h"
#include "core/L_STR.h"
#include "evaluation/Auswertung.h"
#include "evaluation/ErgebnisAngaben.h"
#include "evaluation/Sortierung.h"
#include "exchange/DateiZugriff.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/HtmlErgebnis.h"
#include "exchange/Pfade.h"
#include "exchange/ShortenName.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran {

// ----------------------------------------------------------------- anchors

namespace {
constexpr std::size_t AnkerBlock = 1 << 16;
std::size_t AnkerHash(std::string_view s) {
    return std::hash<std::string_view>{}(s);
}
} // namespace

HtmlAnker& HtmlAnker::operator=(HtmlAnker&& a) noexcept {
    if (this == &a) return *this;
    bloecke_ = std::exchange(a.bloecke_, {});
    frei_ = std::exchange(a.frei_, nullptr);
    rest_ = std::exchange(a.rest_, 0);
    ziele_ = std::exchange(a.ziele_, {});
    nachSchluessel_ = std::exchange(a.nachSchluessel_, {});
    nachId_ = std::exchange(a.nachId_, {});
    return *this;
}

std::size_t HtmlAnker::Platz(const std::vector<std::uint32_t>& Tafel, std::string_view Text, std::size_t h,
                             bool NachId) const {
    const std::size_t Maske = Tafel.size() - 1;
    for (std::size_t i = h & Maske;; i = (i + 1) & Maske) {
        const std::uint32_t k = Tafel[i];
        if (k == 0) return i;
        const Eintrag& e = ziele_[k - 1];
        if (NachId ? (e.IdHash == h && e.Id == Text) : (e.SchluesselHash == h && e.Schluessel == Text))
            return i;
    }
}

void HtmlAnker::Einordnen(std::size_t Tafelgroesse) {
    nachSchluessel_.assign(Tafelgroesse, 0);
    nachId_.assign(Tafelgroesse, 0);
    for (std::size_t k = 0; k < ziele_.size(); ++k) {
        const Eintrag& e = ziele_[k];
        nachSchluessel_[Platz(nachSchluessel_, e.Schluessel, e.SchluesselHash, false)] =
            static_cast<std::uint32_t>(k + 1);
        nachId_[Platz(nachId_, e.Id, e.IdHash, true)] = static_cast<std::uint32_t>(k + 1);
    }
}

void HtmlAnker::Reservieren(std::size_t n) {
    ziele_.reserve(n);
    std::size_t Groesse = 16;
    while (Groesse < 2 * n) Groesse *= 2;
    if (Groesse > nachSchluessel_.size()) Einordnen(Groesse);
}

std::string_view HtmlAnker::Ablegen(std::string_view Text) {
    if (Text.size() > rest_) {
        // A text longer than a block gets a block of its own.
        const std::size_t Groesse = std::max(AnkerBlock, Text.size());
        bloecke_.push_back(std::make_unique<char[]>(Groesse));
        frei_ = bloecke_.back().get();
        rest_ = Groesse;
    }
    std::copy(Text.begin(), Text.end(), frei_);
    const std::string_view Abgelegt(frei_, Text.size());
    frei_ += Text.size();
    rest_ -= Text.size();
    return Abgelegt;
}

std::string_view HtmlAnker::Vergeben(std::string_view Schluessel, std::string_view Name) {
    if (2 * (ziele_.size() + 1) > nachSchluessel_.size())
        Einordnen(std::max<std::size_t>(16, 2 * nachSchluessel_.size()));
    const std::size_t h = AnkerHash(Schluessel);
    const std::size_t i = Platz(nachSchluessel_, Schluessel, h, false);
    if (nachSchluessel_[i] != 0) return ziele_[nachSchluessel_[i] - 1].Id;
    const std::string_view Basis = Name.empty() ? std::string_view("Anker") : Name;
    std::string Anders;
    std::string_view Id = Basis;
    std::size_t hId = AnkerHash(Id);
    std::size_t j = Platz(nachId_, Id, hId, true);
    for (int n = 2; nachId_[j] != 0; ++n) {
        Anders = std::string(Basis) + "_" + StrInt(n);
        Id = Anders;
        hId = AnkerHash(Id);
        j = Platz(nachId_, Id, hId, true);
    }
    const std::uint32_t k = static_cast<std::uint32_t>(ziele_.size() + 1);
    ziele_.push_back({Ablegen(Schluessel), Ablegen(Id), h, hId});
    nachSchluessel_[i] = k;
    nachId_[j] = k;
    return ziele_.back().Id;
}

std::string_view HtmlAnker::Ziel(std::string_view Schluessel) const {
    if (nachSchluessel_.empty()) return {};
    const std::uint32_t k = nachSchluessel_[Platz(nachSchluessel_, Schluessel, AnkerHash(Schluessel), false)];
    return k != 0 ? ziele_[k - 1].Id : std::string_view();
}

// ------------------------------------------------------------ text helpers

void HtmlTextAnhaengen(std::string& An, std::string_view Text) {
    std::size_t von = 0;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const char* e = nullptr;
        switch (Text[i]) {
        case '&': e = "&amp;"; break;
        case '<': e = "&lt;"; break;
        case '>': e = "&gt;"; break;
        case '"': e = "&quot;"; break;
        case '\'': e = "&#39;"; break;
        default: continue;
        }
        An.append(Text.substr(von, i - von));
        An += e;
        von = i + 1;
    }
    An.append(Text.substr(von));
}

std::string HtmlText(std::string_view Text) {
    std::string t;
    t.reserve(Text.size());
    HtmlTextAnhaengen(t, Text);
    return t;
}

std::string BlankZuUnderline(std::string_view Text) {
    std::string t(Text);
    std::replace(t.begin(), t.end(), ' ', '_');
    return t;
}

std::string MakeLinkName(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer, int Durchgang, int Gruppe,
                         bool Gesamtliste, bool ErgebnisListe, bool WertungsListe, bool MitWettName,
                         bool MitTeilnehmer, bool MitDurchgang, bool MitGruppe) {
    // The anchor names stay those of earlier pages (with the shortened name),
    // so that links from other sites still find their row.
    std::string s;
    if (MitWettName && Wett) s += Wett->Name + " ";
    if (Gesamtliste) s += "Gesamtliste ";
    if (ErgebnisListe) s += "ErgebnisListe ";
    if (WertungsListe) s += "WertungsListe ";
    if (MitTeilnehmer && Teilnehmer) s += "Teilnehmer " + CutTeilnNameStr(Teilnehmer->Name, true) + " ";
    if (MitDurchgang) s += "Durchgang " + StrInt(Durchgang) + " ";
    if (MitGruppe) s += "Gruppe " + StrInt(Gruppe) + " ";
    return BlankZuUnderline(L_STR_Unblank(s));
}

std::string HtmlZahl(double x) { return PunktZuKomma(L_STR_Unblank(L_STR_DoubleToStr(x, 1, 7, 0, 2))); }

std::string HtmlName(const TeilnehmerTyp* t) { return t ? CnvNameTypToNameStr(&t->Name, true) : std::string(); }

// ------------------------------------------------------------------- frame

std::string_view HtmlStylesheet() {
    // Small on purpose: the page must work without anything from outside.
    // The table box scrolls sideways, never the page; the first column and
    // the name stay in view ("p" and "n" are sticky).
    return "*{box-sizing:border-box}\n"
           "html{-webkit-text-size-adjust:100%;text-size-adjust:100%}\n"
           "body{margin:0;padding:8px;font-family:Arial,Helvetica,sans-serif;font-size:15px;line-height:1.35;"
           "color:#000;background:#fff}\n"
           "h1{font-size:1.4em;margin:.2em 0}\n"
           "h2{font-size:1.15em;margin:1.2em 0 .3em}\n"
           "p{margin:.2em 0}\n"
           ".stand{font-weight:bold}\n"
           ".tabelle{overflow-x:auto;max-width:100%;margin:.3em 0 .6em}\n"
           "table{border-collapse:separate;border-spacing:0}\n"
           "th,td{padding:3px 6px;border-bottom:1px solid #bbb;text-align:left;vertical-align:top;"
           "white-space:nowrap;background:#fff}\n"
           "th{border-bottom:2px solid #000;vertical-align:bottom}\n"
           ".z{text-align:right;font-variant-numeric:tabular-nums}\n"
           ".p{position:sticky;left:0;z-index:1;width:3.4em;min-width:3.4em;max-width:3.4em;text-align:right}\n"
           ".n,.n0{position:sticky;z-index:1;white-space:normal;min-width:9em;max-width:13em;"
           "border-right:1px solid #888}\n"
           ".n{left:3.4em}\n"
           ".n0{left:0}\n"
           "tr.neu>td{border-top:2px solid #000}\n"
           "tbody>tr:first-child>td{border-top:0}\n"
           "tr.team>td{font-weight:bold;border-top:2px solid #000;padding-top:8px}\n"
           ".konflikt{font-weight:bold;outline:2px solid #000;outline-offset:-3px;color:#b00000}\n"
           ".legende{font-size:.9em;margin:.2em 0 1em}\n"
           "a{color:#0645ad}\n"
           "@media (min-width:700px){.n,.n0{max-width:none;white-space:nowrap}}\n"
           "@media print{body{padding:0;font-size:9pt}.tabelle{overflow:visible}"
           ".p,.n,.n0{position:static}a{color:inherit;text-decoration:none}th,td{padding:1pt 4pt}"
           "tr{break-inside:avoid}h2{break-after:avoid}.konflikt{color:#000}}\n";
}

void HtmlSeitenAnfang(HtmlDokument& Doc, std::string_view Titel) {
    Doc.Lines.insert(Doc.Lines.end(), {"<!DOCTYPE html>", "<html lang=\"de\">", "<head>", "<meta charset=\"utf-8\">",
                                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">",
                                       "<meta name=\"generator\" content=\"Tavuran\">",
                                       "<title>" + HtmlText(Titel) + "</title>", "<style>"});
    // The stylesheet as its lines, without a trailing empty one.
    const std::string_view css = HtmlStylesheet();
    std::size_t a = 0;
    while (a < css.size()) {
        const std::size_t e = css.find('\n', a);
        Doc.Lines.emplace_back(css.substr(a, e == std::string_view::npos ? std::string_view::npos : e - a));
        if (e == std::string_view::npos) break;
        a = e + 1;
    }
    Doc.Lines.insert(Doc.Lines.end(), {"</style>", "</head>", "<body>"});
}

void HtmlKopfBlock(HtmlDokument& Doc, const WettbewerbTyp* Wett, const HtmlStand& Stand) {
    auto& L = Doc.Lines;
    L.push_back("<header>");
    L.push_back("<h1>" + HtmlText(Wett ? Wett->Name : std::string()) + "</h1>");
    if (Wett) HtmlAbsatz(L, HtmlUntertitel(Wett));
    std::string s = Stand.Zeit.empty() ? ErgebnisStandText(ErgebnisZeitpunktJetzt()) : "Stand " + Stand.Zeit;
    if (!Stand.Status.empty()) s += ", " + Stand.Status;
    L.push_back("<p class=\"stand\">" + HtmlText(s) + "</p>");
    L.push_back("</header>");
}

std::string HtmlUntertitel(const WettbewerbTyp* Wett) {
    if (!Wett) return {};
    const std::string u = L_STR_Unblank(Wett->ByNummer);
    const std::string d =
        L_CALEND_GetDayStr(Wett->Datum) + "." + L_CALEND_GetMonthStr(Wett->Datum) + "." + L_CALEND_GetYearStr(Wett->Datum);
    return u.empty() ? d : u + " · " + d;
}

void HtmlSeitenEnde(HtmlDokument& Doc) { Doc.Lines.insert(Doc.Lines.end(), {"</body>", "</html>"}); }

std::string HtmlSeitenTitel(const WettbewerbTyp* Wett, std::string_view Liste) {
    const std::string Name = Wett ? L_STR_Unblank(Wett->Name) : std::string();
    return Name.empty() ? std::string(Liste) : Name + " – " + std::string(Liste);
}

// ------------------------------------------------------------------ tables

namespace {

// The id (escaped) and class attributes of a row or cell, where given.
void IdUndKlasse(std::string& s, std::string_view Id, std::string_view Klasse) {
    if (!Id.empty()) {
        s += " id=\"";
        HtmlTextAnhaengen(s, Id);
        s += '"';
    }
    if (!Klasse.empty()) {
        s += " class=\"";
        s += Klasse;
        s += '"';
    }
}

// A cell appended to its row: every piece written straight into the row.
void Zelle(std::string& s, const char* Tag, const HtmlZelle& z) {
    s += '<';
    s += Tag;
    IdUndKlasse(s, z.Id, z.Klasse);
    s += '>';
    if (!z.Link.empty()) {
        s += "<a href=\"#";
        HtmlTextAnhaengen(s, z.Link);
        s += "\">";
        s += z.Text;
        s += "</a>";
    } else {
        s += z.Text;
    }
    s += "</";
    s += Tag;
    s += '>';
}

} // namespace

void HtmlTabelleAnfang(HtmlZeilen& L, const std::vector<HtmlZelle>& Kopf) {
    std::string z = "<tr>";
    for (const HtmlZelle& k : Kopf) Zelle(z, "th", k);
    L.insert(L.end(), {"<div class=\"tabelle\">", "<table>", "<thead>", z + "</tr>", "</thead>", "<tbody>"});
}

void HtmlTabellenZeile(HtmlZeilen& L, const std::vector<HtmlZelle>& Zellen, std::string_view Id,
                       std::string_view Klasse) {
    // The row's length is nearly known: one allocation instead of a growing row.
    const auto Teil = [](std::string_view Wert, std::size_t Rahmen) {
        return Wert.empty() ? 0 : Rahmen + Wert.size();
    };
    std::size_t n = 8 + Teil(Id, 6) + Teil(Klasse, 9);
    for (const HtmlZelle& c : Zellen) n += 9 + c.Text.size() + Teil(c.Klasse, 9) + Teil(c.Id, 6) + Teil(c.Link, 15);
    std::string z;
    z.reserve(n);
    z += "<tr";
    IdUndKlasse(z, Id, Klasse);
    z += '>';
    for (const HtmlZelle& c : Zellen) Zelle(z, "td", c);
    z += "</tr>";
    L.push_back(std::move(z));
}

void HtmlTabelleEnde(HtmlZeilen& L) { L.insert(L.end(), {"</tbody>", "</table>", "</div>"}); }

void HtmlLegende(HtmlZeilen& L, const std::vector<std::pair<std::string, std::string>>& Zeichen) {
    if (Zeichen.empty()) return;
    std::string z = "<p class=\"legende\">";
    for (std::size_t i = 0; i < Zeichen.size(); ++i) {
        if (i) z += "<br>";
        z += "<b>" + HtmlText(Zeichen[i].first) + "</b> " + HtmlText(Zeichen[i].second);
    }
    L.push_back(z + "</p>");
}

std::vector<std::pair<std::string, std::string>> HtmlLegendenZeilen(const ErgebnisZeichen& Zeichen) {
    std::vector<std::pair<std::string, std::string>> v;
    for (const std::string& l : ZeichenLegende(Zeichen)) {
        const std::size_t p = l.find("  ");
        v.emplace_back(l.substr(0, p), p == std::string::npos ? std::string() : L_STR_Unblank(l.substr(p)));
    }
    return v;
}

void HtmlAbsatz(HtmlZeilen& L, std::string_view Text) { L.push_back("<p>" + HtmlText(Text) + "</p>"); }

// ----------------------------------------------------------------- writing

namespace {

// Lines as the file's bytes: each ended by CR LF.
void ZeilenAnhaengen(std::string& s, const std::vector<std::string>& Zeilen) {
    std::size_t n = s.size();
    for (const std::string& z : Zeilen) n += z.size() + 2;
    s.reserve(n);
    for (const std::string& z : Zeilen) {
        s += z;
        s += "\r\n";
    }
}

} // namespace

std::string HtmlDokumentBytes(const HtmlDokument& Doc) {
    std::string s;
    ZeilenAnhaengen(s, Doc.Lines);
    return s;
}

void HtmlWeitergeben(HtmlDokument& Doc, bool Alle) {
    // A few hundred lines a piece: the piece and the lines it is made of stay
    // in the processor's cache, and the lines' memory serves the next ones.
    constexpr std::size_t Stueck = 256;
    if (!Doc.Ausgabe || (!Alle && Doc.Lines.size() < Stueck)) return;
    if (!Doc.AusgabeFehler) {
        Doc.Puffer.clear();
        ZeilenAnhaengen(Doc.Puffer, Doc.Lines);
        Doc.AusgabeFehler = !Doc.Ausgabe(Doc.Puffer);
    }
    Doc.Lines.clear();
}

bool HtmlDateiSchreiben(const std::string& Datei, const HtmlDokument& Doc, std::string& Grund) {
    std::string Hinweis;
    return DateiErsetzen(Datei, HtmlDokumentBytes(Doc), "", Grund, Hinweis);
}

bool HtmlSeiteSchreiben(const std::string& Datei, const std::function<void(HtmlDokument&)>& Seite, std::string& Grund) {
    const ErsetzErgebnis e = DateiErsetzenStueckweise(
        Datei,
        [&Seite](const std::function<bool(std::string_view)>& Teil) {
            HtmlDokument Doc;
            Doc.Ausgabe = Teil;
            Seite(Doc);
            HtmlWeitergeben(Doc, true);
            return !Doc.AusgabeFehler;
        },
        "", false, true);
    if (!e.Ok) Grund = e.Grund;
    return e.Ok;
}

// ------------------------------------------------------- the include list

void HtmlOptionenVoreinstellen(const WettbewerbTyp* Wett, HtmlErgebnisOptionen& Optionen) {
    const int Edv = (Wett && Wett->RegelPtr) ? Wett->RegelPtr->EdvNr : 0;
    switch (Edv) {
    case 1: case 4: case 7: case 10: case 11: case 12: case 13: case 14:
        Optionen.Wertungslisten = Optionen.Links = Optionen.GesamtLinks = true;
        break;
    case 6:
        Optionen.Wertungslisten = Optionen.Links = false;
        Optionen.GesamtLinks = true;
        break;
    case 8:
        Optionen.Wertungslisten = Optionen.GesamtLinks = false;
        Optionen.Links = true;
        break;
    default: break;
    }
}

WettbewerbTyp* HtmlTeilwettbewerbLesen(const std::string& WtbDatei) {
    if (WtbDatei.empty() || !L_FILE_Exist(WtbDatei)) return nullptr;
    WettbewerbTyp* Teil = nullptr;
    if (DatenWettbewerbLoad(Teil, WtbDatei) != LadenOk || !Teil) {
        DatenWettbewerbDispose(Teil);
        return nullptr;
    }
    // Results are computed from the flights, never taken from stored lines.
    WettbewerbModellNeuBerechnen(Teil, true);
    return Teil;
}

std::vector<std::string> TeilwettbewerbDateien(const WettbewerbTyp* Wett) {
    std::vector<std::string> Dateien(MaxDurchgaenge);
    if (!Wett) return Dateien;
    for (int r = 1; r <= MaxDurchgaenge; ++r) Dateien[r - 1] = ExpandPath(Wett->WettbewerbImportFileName[r]);
    return Dateien;
}

std::vector<HtmlImportEintrag> HtmlImportListe(const WettbewerbTyp* Wett, const std::vector<bool>& Lesen) {
    std::vector<HtmlImportEintrag> Liste(MaxDurchgaenge);
    if (!Wett) return Liste;
    for (int r = 1; r <= MaxDurchgaenge; ++r) {
        if (static_cast<std::size_t>(r) > Lesen.size() || !Lesen[r - 1]) continue;
        const std::string Datei = ExpandPath(Wett->WettbewerbImportFileName[r]);
        if (Datei.empty() || !L_FILE_Exist(Datei)) continue;
        WettbewerbTyp* Teil = nullptr;
        if (DatenWettbewerbLoad(Teil, Datei) == LadenOk && Teil) {
            Liste[r - 1].WtbDatei = Datei;
            Liste[r - 1].WettName = Teil->Name;
        }
        DatenWettbewerbDispose(Teil);
    }
    return Liste;
}

bool HtmlImporteVorhanden(const std::vector<HtmlImportEintrag>& Importe) {
    return std::any_of(Importe.begin(), Importe.end(), [](const HtmlImportEintrag& e) { return !e.WtbDatei.empty(); });
}

// --------------------------------------------------------- the result list

HtmlDokument HtmlErgebnisDokument(WettbewerbTyp* Wett, const HtmlErgebnisOptionen& Optionen, const std::string& Zeit) {
    HtmlDokument Doc;
    HtmlErgebnisSeite(Doc, Wett, Optionen, Zeit);
    return Doc;
}

void HtmlErgebnisSeite(HtmlDokument& Doc, WettbewerbTyp* Wett, const HtmlErgebnisOptionen& Optionen,
                       const std::string& Zeit) {
    if (!Wett) return;
    Wett->CalcWertung = true;
    CalcWertung(Wett);
    SortAll(Wett);
    HtmlSeitenAnfang(Doc, HtmlSeitenTitel(Wett, "Ergebnisliste"));
    HtmlKopfBlock(Doc, Wett, HtmlStand{Zeit, ErgebnisStandWort(ErgebnisEndgueltig(Wett, Optionen.Endgueltig))});
    HtmlErgebnisRumpf(Wett, Optionen, Doc);
    HtmlSeitenEnde(Doc);
}

bool HtmlExportExec(WettbewerbTyp* Wett, const HtmlErgebnisOptionen& Optionen, const std::string& Datei,
                    std::string& Grund, const std::string& Zeit) {
    if (!Wett) {
        Grund = "Es ist kein Wettbewerb geöffnet.";
        return false;
    }
    return HtmlSeiteSchreiben(Datei, [&](HtmlDokument& Doc) { HtmlErgebnisSeite(Doc, Wett, Optionen, Zeit); }, Grund);
}

} // namespace tavuran
