// The HTML documents of a competition: the frame shared by the four lists
// (head, styles, workbook block, column widths, footer), the rows and text
// helpers they share, and the result list with the score lists of all rounds
// and the inclusion of the result lists of sub-competitions.
//
// A document is built as UTF-8 lines in memory and written in one go: lines
// joined by CR LF, Windows-1252 as the head announces, characters the code
// page cannot hold as numeric character references. Every text taken from the
// competition (names, clubs, teams, labels) is escaped for HTML; anchor names
// are escaped the same way in name= and href= so that links still match.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

// Document kinds (column widths, frame).
inline constexpr int HtmlMeldungsliste = 0;
inline constexpr int HtmlStartliste = 1;
inline constexpr int HtmlErgebnisliste = 2;
inline constexpr int HtmlTeamergebnis = 3;

// The lines that end the head and start the footer of every page; the body
// between them is what another result page includes.
inline constexpr std::string_view HtmlMarkeKopfEnde = "<!-- Ende Kopftext -->";
inline constexpr std::string_view HtmlMarkeFussAnfang = "<!-- Anfang Fusstext -->";

struct HtmlDokument {
    std::vector<std::string> Lines;
    // SpaltenBreite[c - 1] is the width of column c in points (0: default).
    std::vector<int> SpaltenBreite;
    int AnzahlSpalten = 0;
};

// --- text helpers
// "&", "<", ">" and '"' as entities; every other character unchanged.
std::string HtmlText(std::string_view Text);
std::string PunktZuKomma(std::string_view Text);
std::string BlankZuUnderline(std::string_view Text);
// An anchor name (not yet escaped): the chosen pieces joined, trimmed, blanks as "_".
std::string MakeLinkName(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer, int Durchgang, int Gruppe,
                         bool Gesamtliste, bool ErgebnisListe, bool WertungsListe, bool MitWettName,
                         bool MitTeilnehmer, bool MitDurchgang, bool MitGruppe);
// The same with another competition's name in front (the lists of sub-competitions).
std::string MakeLinkNameMitWettName(std::string_view WettName, const TeilnehmerTyp* Teilnehmer, bool ErgebnisListe);

// --- frame
void MakeSpaltenBreite(const WettbewerbTyp* Wett, int Listentyp, HtmlDokument& Doc);
void ExportKopf(const WettbewerbTyp* Wett, HtmlDokument& Doc, int Listentyp);
void ExportFuss(HtmlDokument& Doc);

// --- rows shared by the lists; the class of the short lists' cells is xl32
// in the start list and xl25 elsewhere.
void ExportTitelZeilen(HtmlDokument& Doc, const WettbewerbTyp* Wett, const std::string& Untertitel, bool Startliste);
// "ByNummer - TT.MM.JJ".
std::string HtmlUntertitel(const WettbewerbTyp* Wett);
void ExportDurchgangTitelZeilen(HtmlDokument& Doc, const WettbewerbTyp* Wett, int Durchgang, bool Startliste);
void ExportAbstandZeile(HtmlDokument& Doc, bool Startliste);
void ExportListenKopf(HtmlDokument& Doc, const WettbewerbTyp* Wett, const std::string& Ueberschrift, bool Startliste);
void ExportLeerZeileKurz(HtmlDokument& Doc);
void ExportZeilenEnde(HtmlDokument& Doc);
void ExportFuellZelle(HtmlDokument& Doc);
// A number cell; t its text (already escaped or made of digits), linked to
// Anker (unescaped) when that is not empty.
void ExportZahlZelle(HtmlDokument& Doc, const std::string& t, const std::string& Anker = {});

// --- writing
// The bytes of the file: lines joined by CR LF, Windows-1252 with references.
std::string HtmlDokumentBytes(const HtmlDokument& Doc);
// Replaces the file only after a complete write; false with a German reason.
bool HtmlDateiSchreiben(const std::string& Datei, const HtmlDokument& Doc, std::string& Grund);

// --- result list
// One slot per round: the result page and the name of the competition whose
// round it is (empty when that round has no sub-competition).
struct HtmlImportEintrag {
    std::string HtmlDatei;
    std::string WettName;
};

struct HtmlErgebnisOptionen {
    bool Wertungslisten = true; // "Wertungslisten in HTML-Datei ausgeben"
    bool Links = true;          // internal links
    bool GesamtLinks = true;    // links to an overall result
    bool Statistik = true;      // participant statistics
    bool Einbinden = false;     // include the sub-competitions' lists
    std::vector<HtmlImportEintrag> Importe; // index r - 1 for round r
};

// The presets of the dialog by the rule's evaluation kind (others unchanged).
void HtmlOptionenVoreinstellen(const WettbewerbTyp* Wett, HtmlErgebnisOptionen& Optionen);
// Reads the sub-competition files of the competition's rounds with the regular
// reader: per round its result page (expanded, kept only when it exists) and
// its competition name. Only the rounds r with Lesen[r - 1] are read: their
// names come from the competition file, and the caller decides which the
// user confirmed. Files that cannot be read leave their slot empty.
std::vector<HtmlImportEintrag> HtmlImportListe(const WettbewerbTyp* Wett, const std::vector<bool>& Lesen);
// The expanded sub-competition file of each round (index r - 1), empty where none.
std::vector<std::string> TeilwettbewerbDateien(const WettbewerbTyp* Wett);
// True when some slot names an existing result page.
bool HtmlImporteVorhanden(const std::vector<HtmlImportEintrag>& Importe);

// Builds the result list (the competition is evaluated and sorted again; the
// current round is restored). AusgabeDatei is the file to be written; an
// include naming that file is skipped.
HtmlDokument HtmlErgebnisDokument(WettbewerbTyp* Wett, const HtmlErgebnisOptionen& Optionen,
                                  const std::string& AusgabeDatei);
// Builds and writes the result list; false with a German reason.
bool HtmlExportExec(WettbewerbTyp* Wett, const HtmlErgebnisOptionen& Optionen, const std::string& Datei,
                    std::string& Grund);

// The body of another result page: the lines between the end of its head and
// the start of its footer (nothing when the markers are missing or misplaced).
std::vector<std::string> HtmlDateiRumpf(const std::string& Datei);

} // namespace tavuran
