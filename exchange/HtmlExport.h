// The HTML pages of a competition: the frame every page shares (HTML5 in
// UTF-8, one embedded stylesheet for screen and print, the header with the
// "Stand" line), the helpers of their tables and anchors, and the result list
// with the score lists of all rounds and, for an overall ranking, the result
// lists of its sub-competitions built anew from their competition files.
//
// A page is built as lines in memory and written in one go; the result list,
// which at a national contest runs to many megabytes, is written to its file
// while it is made, so that it is never held whole. Every text taken
// from a competition (names, clubs, teams, labels) is escaped for HTML; no
// markup is ever copied from a file. A page needs nothing from the internet:
// a field has none. Wide tables scroll inside their own box, with the place
// and name columns kept in view, so that a phone never scrolls the page
// sideways.
//
// The frame (HtmlSeitenAnfang, HtmlKopfBlock, HtmlSeitenEnde) and each list's
// body can be called on their own, so that other pages (the live pages) show
// the same lists in the same frame.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Dezimalkomma.h"
#include "core/DatenTypen.h"
#include "evaluation/ErgebnisAngaben.h"

namespace tavuran {

// The ids of one page. Every target (a participant's row, a group of a score
// list, a row of an included sub-competition) is known by a key and gets an
// id made from its usual anchor name; when another target of the page already
// has that name (two pilots of one name), "_2", "_3", … is appended. A link is
// written only to a target the page has.
//
// A page of thousands of pilots has tens of thousands of targets: their keys
// and ids are kept one after another in a few large blocks and found through
// two flat tables, instead of three allocations a target that are fetched
// from all over the memory when they are looked up and again when freed.
class HtmlAnker {
  public:
    HtmlAnker() = default;
    // Moved, never copied: the tables point into the blocks. What is moved
    // from is left empty, with no free end into blocks it no longer has.
    HtmlAnker(HtmlAnker&& a) noexcept { *this = std::move(a); }
    HtmlAnker& operator=(HtmlAnker&& a) noexcept;
    HtmlAnker(const HtmlAnker&) = delete;
    HtmlAnker& operator=(const HtmlAnker&) = delete;
    // The id of the target Schluessel, given on its first call. It stays
    // where it is as long as the anchors.
    std::string_view Vergeben(std::string_view Schluessel, std::string_view Name);
    // The id of a target, empty when the page has no such target.
    std::string_view Ziel(std::string_view Schluessel) const;
    // How many targets have their ids.
    std::size_t Anzahl() const { return ziele_.size(); }
    // Room for n targets, so that a page of thousands does not grow its tables step by step.
    void Reservieren(std::size_t n);

  private:
    struct Eintrag {
        std::string_view Schluessel, Id;
        std::size_t SchluesselHash, IdHash;
    };
    // Where the key or id Text with hash h is in Tafel, or the empty place it would take.
    std::size_t Platz(const std::vector<std::uint32_t>& Tafel, std::string_view Text, std::size_t h,
                      bool NachId) const;
    void Einordnen(std::size_t Tafelgroesse);
    std::string_view Ablegen(std::string_view Text);

    std::vector<std::unique_ptr<char[]>> bloecke_; // the texts of the keys and ids; a block never moves
    char* frei_ = nullptr;                         // the free end of the last block
    std::size_t rest_ = 0;                         // bytes left there
    std::vector<Eintrag> ziele_;                   // in the order the ids were given
    // Open addressing: the number of a target + 1, 0 an empty place; never
    // more than half full.
    std::vector<std::uint32_t> nachSchluessel_, nachId_;
};

struct HtmlDokument {
    std::vector<std::string> Lines;
    HtmlAnker Anker;
    // When set, the page is handed on while it is made (HtmlWeitergeben)
    // instead of being kept in Lines. False from Ausgabe: the piece could not
    // be written; AusgabeFehler is then set and nothing more is handed on.
    std::function<bool(std::string_view)> Ausgabe;
    bool AusgabeFehler = false;
    std::string Puffer; // the piece being handed on, kept for the next one
};

// With Ausgabe set, hands the lines made so far to it as the file's bytes
// and empties Lines: once enough of them have gathered, or all of them when
// Alle. Without Ausgabe it does nothing, and the page stays in Lines.
void HtmlWeitergeben(HtmlDokument& Doc, bool Alle = false);

// When a page was made and whether its results are final.
struct HtmlStand {
    std::string Zeit;   // "TT.MM.JJJJ HH:MM"
    std::string Status; // "vorläufig", "endgültig" or empty (lists without results)
};

// --- text helpers
// "&", "<", ">", '"' and "'" as entities; every other character unchanged.
std::string HtmlText(std::string_view Text);
// The same, appended to An.
void HtmlTextAnhaengen(std::string& An, std::string_view Text);
std::string BlankZuUnderline(std::string_view Text);
// An anchor name (not yet escaped): the chosen pieces joined, trimmed, blanks as "_".
std::string MakeLinkName(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer, int Durchgang, int Gruppe,
                         bool Gesamtliste, bool ErgebnisListe, bool WertungsListe, bool MitWettName,
                         bool MitTeilnehmer, bool MitDurchgang, bool MitGruppe);
// A point value as shown: at most two decimals, decimal comma ("1666,67", "1000").
std::string HtmlZahl(double x);
// A participant as registered: surname, first name, title.
std::string HtmlName(const TeilnehmerTyp* t);

// --- frame
// The stylesheet of every page, screen and print.
std::string_view HtmlStylesheet();
// From the doctype to the opening body.
void HtmlSeitenAnfang(HtmlDokument& Doc, std::string_view Titel);
// The competition's name, its number and date, and "Stand TT.MM.JJJJ HH:MM"
// (now when Stand.Zeit is empty) with the status when there is one.
void HtmlKopfBlock(HtmlDokument& Doc, const WettbewerbTyp* Wett, const HtmlStand& Stand);
void HtmlSeitenEnde(HtmlDokument& Doc);
// "Nummer · TT.MM.JJJJ" of a competition (the date alone without a number).
std::string HtmlUntertitel(const WettbewerbTyp* Wett);
// "Name – Liste", the title of a page.
std::string HtmlSeitenTitel(const WettbewerbTyp* Wett, std::string_view Liste);

// --- tables: a table in its own scrolling box. A header cell or cell is
// written as given (already escaped); classes: "p" the first fixed column,
// "n" the name column fixed beside it ("n0" when it is the first column),
// "z" a number.
struct HtmlZelle {
    std::string Text;   // escaped
    std::string Klasse; // CSS class or empty
    std::string Link;   // id of the target (unescaped) or empty: no link
    std::string Id;     // id of the cell (unescaped) or empty
};
using HtmlZeilen = std::vector<std::string>;
void HtmlTabelleAnfang(HtmlZeilen& L, const std::vector<HtmlZelle>& Kopf);
// A row; Id (unescaped) and Klasse may be empty.
void HtmlTabellenZeile(HtmlZeilen& L, const std::vector<HtmlZelle>& Zellen, std::string_view Id = {},
                       std::string_view Klasse = {});
void HtmlTabelleEnde(HtmlZeilen& L);
// A legend under a table: one line per sign and its meaning (both unescaped).
void HtmlLegende(HtmlZeilen& L, const std::vector<std::pair<std::string, std::string>>& Zeichen);
// The legend lines of the marks used, as (sign, meaning).
std::vector<std::pair<std::string, std::string>> HtmlLegendenZeilen(const ErgebnisZeichen& Zeichen);
// A paragraph of text (unescaped).
void HtmlAbsatz(HtmlZeilen& L, std::string_view Text);

// --- writing
// The bytes of the file: lines joined by CR LF, UTF-8.
std::string HtmlDokumentBytes(const HtmlDokument& Doc);
// Replaces the file only after a complete write; false with a German reason.
bool HtmlDateiSchreiben(const std::string& Datei, const HtmlDokument& Doc, std::string& Grund);
// The same for a page that Seite makes into the document it is given, which
// hands it on to the file while it is made.
bool HtmlSeiteSchreiben(const std::string& Datei, const std::function<void(HtmlDokument&)>& Seite, std::string& Grund);

// --- result list
// One slot per round: the competition file of that round's sub-competition
// and its name (both empty when the round has none).
struct HtmlImportEintrag {
    std::string WtbDatei;
    std::string WettName;
};

struct HtmlErgebnisOptionen {
    bool Wertungslisten = true; // "Wertungslisten in HTML-Datei ausgeben"
    bool Links = true;          // internal links
    bool GesamtLinks = true;    // links to an overall result
    bool Statistik = true;      // participant statistics
    bool Einbinden = false;     // include the sub-competitions' result lists
    bool Endgueltig = false;    // declared final although rounds are incomplete
    std::vector<HtmlImportEintrag> Importe; // index r - 1 for round r
};

// The presets of the dialog by the rule's evaluation kind (others unchanged).
void HtmlOptionenVoreinstellen(const WettbewerbTyp* Wett, HtmlErgebnisOptionen& Optionen);
// Reads the sub-competition files of the competition's rounds with the regular
// reader: per round the file and its competition name. Only the rounds r
// with Lesen[r - 1] are read: their names come from the competition file, and
// the caller decides which the user confirmed. Files that cannot be read
// leave their slot empty.
std::vector<HtmlImportEintrag> HtmlImportListe(const WettbewerbTyp* Wett, const std::vector<bool>& Lesen);
// The expanded sub-competition file of each round (index r - 1), empty where none.
std::vector<std::string> TeilwettbewerbDateien(const WettbewerbTyp* Wett);
// True when some slot names a sub-competition.
bool HtmlImporteVorhanden(const std::vector<HtmlImportEintrag>& Importe);
// Reads a sub-competition file and evaluates it as the program does; nil
// when it cannot be read. The caller frees it.
WettbewerbTyp* HtmlTeilwettbewerbLesen(const std::string& WtbDatei);

// The body of the result list of an evaluated and sorted competition (the
// current round is restored): the overall list, the score lists and the
// result lists of the included sub-competitions, built from their files.
void HtmlErgebnisRumpf(WettbewerbTyp* Wett, const HtmlErgebnisOptionen& Optionen, HtmlDokument& Doc);
// The whole page; the competition is evaluated and sorted first. Zeit
// ("TT.MM.JJJJ HH:MM") empty means now.
HtmlDokument HtmlErgebnisDokument(WettbewerbTyp* Wett, const HtmlErgebnisOptionen& Optionen,
                                  const std::string& Zeit = {});
// The same page made into Doc (which may hand it on as it is made).
void HtmlErgebnisSeite(HtmlDokument& Doc, WettbewerbTyp* Wett, const HtmlErgebnisOptionen& Optionen,
                       const std::string& Zeit = {});
// Builds and writes the result list; false with a German reason.
bool HtmlExportExec(WettbewerbTyp* Wett, const HtmlErgebnisOptionen& Optionen, const std::string& Datei,
                    std::string& Grund, const std::string& Zeit = {});

} // namespace tavuran
