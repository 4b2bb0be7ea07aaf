#include "exchange/HtmlExport.h"

#include <algorithm>

#include "core/CodePage.h"
#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_CALEND.h"
#include "core/L_FILE.h"
#include "core/L_STR.h"
#include "core/Utf8.h"
#include "evaluation/Auswertung.h"
#include "evaluation/AuswertungRohpunkte.h"
#include "evaluation/Sortierung.h"
#include "exchange/DateiZugriff.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/HtmlErgebnis.h"
#include "exchange/Pfade.h"
#include "exchange/ShortenName.h"

namespace tavuran {

// ------------------------------------------------------------ text helpers

std::string HtmlText(std::string_view Text) {
    std::string t;
    t.reserve(Text.size());
    for (const char c : Text) {
        switch (c) {
        case '&': t += "&amp;"; break;
        case '<': t += "&lt;"; break;
        case '>': t += "&gt;"; break;
        case '"': t += "&quot;"; break;
        default: t += c;
        }
    }
    return t;
}

std::string PunktZuKomma(std::string_view Text) {
    std::string t(Text);
    std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

std::string BlankZuUnderline(std::string_view Text) {
    std::string t(Text);
    std::replace(t.begin(), t.end(), ' ', '_');
    return t;
}

namespace {

std::string LinkName(std::string_view WettName, const TeilnehmerTyp* Teilnehmer, int Durchgang, int Gruppe,
                     bool Gesamtliste, bool ErgebnisListe, bool WertungsListe, bool MitWettName, bool MitTeilnehmer,
                     bool MitDurchgang, bool MitGruppe) {
    std::string s;
    if (MitWettName) s += std::string(WettName) + " ";
    if (Gesamtliste) s += "Gesamtliste ";
    if (ErgebnisListe) s += "ErgebnisListe ";
    if (WertungsListe) s += "WertungsListe ";
    if (MitTeilnehmer && Teilnehmer) s += "Teilnehmer " + CutTeilnNameStr(Teilnehmer->Name, true) + " ";
    if (MitDurchgang) s += "Durchgang " + StrInt(Durchgang) + " ";
    if (MitGruppe) s += "Gruppe " + StrInt(Gruppe) + " ";
    return BlankZuUnderline(L_STR_Unblank(s));
}

} // namespace

std::string MakeLinkName(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer, int Durchgang, int Gruppe,
                         bool Gesamtliste, bool ErgebnisListe, bool WertungsListe, bool MitWettName,
                         bool MitTeilnehmer, bool MitDurchgang, bool MitGruppe) {
    return LinkName(Wett ? std::string_view(Wett->Name) : std::string_view(), Teilnehmer, Durchgang, Gruppe,
                    Gesamtliste, ErgebnisListe, WertungsListe, MitWettName, MitTeilnehmer, MitDurchgang, MitGruppe);
}

std::string MakeLinkNameMitWettName(std::string_view WettName, const TeilnehmerTyp* Teilnehmer, bool ErgebnisListe) {
    return LinkName(WettName, Teilnehmer, 0, 0, false, ErgebnisListe, false, true, true, false, false);
}

// ------------------------------------------------------------------- frame

void MakeSpaltenBreite(const WettbewerbTyp* Wett, int Listentyp, HtmlDokument& Doc) {
    switch (Listentyp) {
    case HtmlMeldungsliste: Doc.SpaltenBreite = {20, 20, 184, 204, 142, 96}; break;
    case HtmlStartliste: Doc.SpaltenBreite = {40, 58, 10, 184, 204, 164, 64, 64}; break;
    case HtmlTeamergebnis: Doc.SpaltenBreite = {30, 30, 184, 204, 20, 112, 96}; break;
    case HtmlErgebnisliste: {
        Doc.SpaltenBreite = {20, 20, 84, 84, 84};
        // The result and score lists share the columns of name, club and
        // association: a browser draws a text wider than its fixed column
        // over the next one, so these columns grow with their longest text
        // (about 5 pt a character at 8 pt Arial), never below the usual width.
        if (Wett) {
            std::size_t name = 0, verein = 0, verband = 0;
            for (const TeilnehmerTyp* t = Wett->TeilnehmerRootPtr; t; t = t->next) {
                if (!TeilnehmerGelistet(t)) continue;
                name = std::max(name, Utf8Laenge(CutTeilnNameStr(t->Name, true)));
                verein = std::max(verein, Utf8Laenge(CutVereinNameStr(t->Verein)));
                verband = std::max(verband, Utf8Laenge(CutVereinNameStr(t->Verband)));
            }
            const auto breite = [](std::size_t Zeichen, int Ueblich) {
                return std::max(Ueblich, static_cast<int>(std::min<std::size_t>(Zeichen, 200)) * 5 + 4);
            };
            Doc.SpaltenBreite[2] = breite(name, 84);
            Doc.SpaltenBreite[3] = breite(verein, 84);
            Doc.SpaltenBreite[4] = breite(verband, 84);
        }
        const int Runden = Wett ? HtmlRunden(Wett) : 0;
        for (int r = 1; r <= Runden; ++r) Doc.SpaltenBreite.push_back(54);
        Doc.SpaltenBreite.push_back(78);
        if (Wett && Wett->Teilwertung) Doc.SpaltenBreite.push_back(46);
        break;
    }
    default: Doc.SpaltenBreite.clear();
    }
    Doc.AnzahlSpalten = static_cast<int>(Doc.SpaltenBreite.size());
    if (Listentyp == HtmlErgebnisliste && Wett)
        Doc.AnzahlSpalten = std::max(Doc.AnzahlSpalten, MakeSpaltenBreiteWertung(const_cast<WettbewerbTyp*>(Wett)));
}

namespace {

void Regel(std::vector<std::string>& L, const char* Selektor, std::initializer_list<const char*> Deklarationen) {
    L.push_back(Selektor);
    std::size_t i = 0;
    for (const char* d : Deklarationen) {
        std::string z = "\t";
        if (i == 0) z += "{";
        z += d;
        if (i + 1 == Deklarationen.size()) z += "}";
        L.push_back(z);
        ++i;
    }
}

} // namespace

void ExportKopf(const WettbewerbTyp* Wett, HtmlDokument& Doc, int Listentyp) {
    auto& L = Doc.Lines;
    L.insert(L.end(), {"<html>", "", "<head>",
                       "<meta http-equiv=Content-Type content=\"text/html; charset=windows-1252\">",
                       "<!--[if gte mso 9]><xml>", " <o:DocumentProperties>",
                       "  <o:Author>Automatically generated by Tavuran</o:Author>", " </o:DocumentProperties>",
                       "</xml><![endif]-->", "<style>"});
    Regel(L, "<!--table", {"mso-displayed-decimal-separator:\"\\,\";", "mso-displayed-thousand-separator:\"\\.\";"});
    Regel(L, "@page", {"margin:.98in .79in .98in .79in;", "mso-header-margin:.49in;", "mso-footer-margin:.49in;"});
    Regel(L, "tr", {"mso-height-source:auto;"});
    Regel(L, "col", {"mso-width-source:auto;"});
    Regel(L, "br", {"mso-data-placement:same-cell;"});
    Regel(L, ".style0",
          {"mso-number-format:General;", "text-align:general;", "vertical-align:bottom;", "white-space:nowrap;",
           "mso-rotate:0;", "mso-background-source:auto;", "mso-pattern:auto;", "color:windowtext;",
           "font-size:10.0pt;", "font-weight:400;", "font-style:normal;", "text-decoration:none;",
           "font-family:Arial;", "mso-generic-font-family:auto;", "mso-font-charset:0;", "border:none;",
           "mso-protection:locked visible;", "mso-style-name:Standard;", "mso-style-id:0;"});
    Regel(L, "td",
          {"mso-style-parent:style0;", "padding-top:1px;", "padding-right:1px;", "padding-left:1px;",
           "mso-ignore:padding;", "color:windowtext;", "font-size:10.0pt;", "font-weight:400;", "font-style:normal;",
           "text-decoration:none;", "font-family:Arial;", "mso-generic-font-family:auto;", "mso-font-charset:0;",
           "mso-number-format:General;", "text-align:general;", "vertical-align:bottom;", "border:none;",
           "mso-background-source:auto;", "mso-pattern:auto;", "mso-protection:locked visible;",
           "white-space:nowrap;", "mso-rotate:0;"});
    Regel(L, ".xl24",
          {"mso-style-parent:style0;", "color:black;", "font-size:8.0pt;", "font-family:Arial, sans-serif;",
           "mso-font-charset:0;", "mso-number-format:Fixed;", "border:none;", "mso-background-source:auto;",
           "mso-pattern:auto;"});
    Regel(L, ".xl25",
          {"mso-style-parent:style0;", "font-size:8.0pt;", "font-family:Arial, sans-serif;", "mso-font-charset:0;"});
    Regel(L, ".xl26",
          {"mso-style-parent:style0;", "font-size:8.0pt;", "font-family:Arial, sans-serif;", "mso-font-charset:0;",
           "mso-number-format:Fixed;"});
    Regel(L, ".xl27",
          {"mso-style-parent:style0;", "color:black;", "font-size:8.0pt;", "font-weight:700;",
           "font-family:Arial, sans-serif;", "mso-font-charset:0;", "border:none;", "mso-background-source:auto;",
           "mso-pattern:auto;"});
    Regel(L, ".xl28",
          {"mso-style-parent:style0;", "font-size:8.0pt;", "font-weight:700;", "font-family:Arial, sans-serif;",
           "mso-font-charset:0;"});
    Regel(L, ".xl29",
          {"mso-style-parent:style0;", "font-size:8.0pt;", "font-weight:700;", "font-family:Arial, sans-serif;",
           "mso-font-charset:0;", "mso-number-format:Fixed;"});
    Regel(L, ".xl30",
          {"mso-style-parent:style0;", "font-size:16.0pt;", "font-family:Arial, sans-serif;", "mso-font-charset:0;"});
    Regel(L, ".xl31",
          {"mso-style-parent:style0;", "font-size:12.0pt;", "font-family:Arial, sans-serif;", "mso-font-charset:0;"});
    Regel(L, ".xl32",
          {"mso-style-parent:style0;", "font-size:16.0pt;", "font-family:Arial, sans-serif;", "mso-font-charset:0;"});
    Regel(L, ".xl33",
          {"mso-style-parent:style0;", "font-size:12.0pt;", "font-weight:700;", "font-family:Arial, sans-serif;",
           "mso-font-charset:0;"});
    Regel(L, ".xl34",
          {"mso-style-parent:style0;", "font-size:16.0pt;", "font-weight:700;", "font-family:Arial, sans-serif;",
           "mso-font-charset:0;"});
    L.insert(L.end(), {"-->", "</style>"});
    L.insert(L.end(),
             {"<!--[if gte mso 9]><xml>",
              " <x:ExcelWorkbook>",
              "  <x:ExcelWorksheets>",
              "   <x:ExcelWorksheet>",
              "    <x:Name>DATEI</x:Name>",
              "    <x:WorksheetOptions>",
              "     <x:DefaultRowHeight>225</x:DefaultRowHeight>",
              "     <x:DefaultColWidth>10</x:DefaultColWidth>",
              "     <x:Print>",
              "      <x:ValidPrinterInfo/>",
              "      <x:PaperSizeIndex>9</x:PaperSizeIndex>",
              "      <x:HorizontalResolution>600</x:HorizontalResolution>",
              "      <x:VerticalResolution>600</x:VerticalResolution>",
              "     </x:Print>",
              "     <x:Selected/>",
              "     <x:ProtectContents>False</x:ProtectContents>",
              "     <x:ProtectObjects>False</x:ProtectObjects>",
              "     <x:ProtectScenarios>False</x:ProtectScenarios>",
              "    </x:WorksheetOptions>",
              "    <x:Sorting>",
              "     <x:Sort>Spalte J</x:Sort>",
              "     <x:Descending/>",
              "    </x:Sorting>",
              "   </x:ExcelWorksheet>",
              "  </x:ExcelWorksheets>",
              "  <x:WindowHeight>10380</x:WindowHeight>",
              "  <x:WindowWidth>14895</x:WindowWidth>",
              "  <x:WindowTopX>840</x:WindowTopX>",
              "  <x:WindowTopY>270</x:WindowTopY>",
              "  <x:ProtectStructure>False</x:ProtectStructure>",
              "  <x:ProtectWindows>False</x:ProtectWindows>",
              " </x:ExcelWorkbook>",
              " <x:ExcelName>",
              "  <x:Name>Print_Area</x:Name>",
              "  <x:SheetIndex>1</x:SheetIndex>",
              "  <x:Formula>=DATEI!$A$4:$J$89</x:Formula>",
              " </x:ExcelName>",
              "</xml><![endif]-->"});
    L.insert(L.end(), {"</head>", "", "<body link=blue vlink=blue class=xl25>", "",
                       "<table x:str border=0 cellpadding=0 cellspacing=0 width=689 style='border-collapse:",
                       " collapse;table-layout:fixed;width:520pt'>"});
    MakeSpaltenBreite(Wett, Listentyp, Doc);
    for (int c = 1; c <= Doc.AnzahlSpalten; ++c) {
        int b = c <= static_cast<int>(Doc.SpaltenBreite.size()) ? Doc.SpaltenBreite[c - 1] : 0;
        if (b == 0) b = 70;
        L.push_back(" <col class=xl25 width=20 style='mso-width-source:userset;mso-width-alt:1060;");
        L.push_back(" width:" + StrInt(b) + "pt'>");
    }
    L.insert(L.end(), {" <col class=xl25 width=0 style='display:none;mso-width-source:userset;",
                       " mso-width-alt:1499'>",
                       " <col class=xl25 width=0 span=5 style='display:none;mso-width-source:userset;",
                       " mso-width-alt:0'>", " <col class=xl25 width=80 style='width:60pt'>",
                       " <!-- Ende Kopftext -->"});
}

void ExportFuss(HtmlDokument& Doc) {
    auto& L = Doc.Lines;
    L.insert(L.end(), {" <!-- Anfang Fusstext -->", " <![if supportMisalignedColumns]>",
                       " <tr height=0 style='display:none'>", "  <td width=29 style='width:22pt'></td>",
                       "  <td width=26 style='width:20pt'></td>", "  <td width=100 style='width:75pt'></td>",
                       "  <td width=106 style='width:80pt'></td>", "  <td width=50 style='width:38pt'></td>",
                       "  <td width=54 style='width:41pt'></td>", "  <td width=53 style='width:40pt'></td>",
                       "  <td width=88 style='width:66pt'></td>", "  <td width=57 style='width:43pt'></td>",
                       "  <td width=46 style='width:35pt'></td>"});
    for (int i = 0; i < 6; ++i) L.push_back("  <td width=0></td>");
    L.insert(L.end(), {"  <td width=80 style='width:60pt'></td>", " </tr>", " <![endif]>", "</table>", "",
                       "</body>", "", "</html>"});
}

// ------------------------------------------------------------ shared rows

void ExportTitelZeilen(HtmlDokument& Doc, const WettbewerbTyp* Wett, const std::string& Untertitel, bool Startliste) {
    Doc.Lines.insert(
        Doc.Lines.end(),
        {" <tr height=27 style='height:20.25pt'>",
         "  <td height=27 class=xl30 colspan=12 width=982 style='height:20.25pt;",
         "  mso-ignore:colspan;width:738pt'>" + HtmlText(Wett ? Wett->Name : std::string()) + "</td>",
         "  <td width=70 style='width:53pt'></td>", "  <td width=102 style='width:77pt'></td>", " </tr>",
         " <tr height=27 style='height:20.25pt'>",
         "   <td height=27 class=xl30 colspan=12 style='height:20.25pt;mso-ignore:colspan'>",
         "     " + HtmlText(Untertitel) + "</td>",
         std::string("  <td colspan=10 class=") + (Startliste ? "xl32" : "xl25") + " style='mso-ignore:colspan'></td>",
         " </tr>"});
}

std::string HtmlUntertitel(const WettbewerbTyp* Wett) {
    if (!Wett) return {};
    return Wett->ByNummer + " - " + L_CALEND_GetDateString(Wett->Datum);
}

void ExportDurchgangTitelZeilen(HtmlDokument& Doc, const WettbewerbTyp* Wett, int Durchgang, bool Startliste) {
    Doc.Lines.insert(
        Doc.Lines.end(),
        {" <tr height=27 style='height:20.25pt'>",
         "  <td height=27 class=xl30 colspan=12 width=982 style='height:20.25pt;",
         "  mso-ignore:colspan;width:738pt'> </td>", "  <td width=70 style='width:53pt'></td>",
         "  <td width=102 style='width:77pt'></td>", " </tr>", " <tr height=27 style='height:20.25pt'>",
         "  <td height=27 class=xl30 colspan=12 style='height:20.25pt;mso-ignore:colspan'>" +
             HtmlText(GetDurchgangBezeichner(Wett, Durchgang, false, true)) + "</td>",
         std::string("  <td colspan=10 class=") + (Startliste ? "xl32" : "xl25") + " style='mso-ignore:colspan'></td>",
         " </tr>"});
}

void ExportAbstandZeile(HtmlDokument& Doc, bool Startliste) {
    const std::string k = Startliste ? "xl32" : "xl25";
    Doc.Lines.insert(Doc.Lines.end(),
                     {" <tr height=15 style='height:11.25pt'>",
                      "  <td height=15 colspan=4 class=" + k + " style='height:11.25pt;mso-ignore:colspan'></td>",
                      "  <td class=xl26></td>", "  <td colspan=12 class=" + k + " style='mso-ignore:colspan'></td>",
                      " </tr>"});
}

namespace {

constexpr const char* ZeileAuf = "                <TR>";
constexpr const char* ZeileZu = "                </TR>";
constexpr const char* LeereKurzZelle = "                        <TD ALIGN=LEFT><FONT SIZE=2><BR></FONT></TD>";

void UeberschriftZeile(HtmlDokument& Doc, const std::string& Text) {
    Doc.Lines.push_back(ZeileAuf);
    Doc.Lines.push_back("                        <TD HEIGHT=24 ALIGN=LEFT><FONT SIZE=2>" + Text + "</FONT></TD>");
    for (int c = 1; c < Doc.AnzahlSpalten; ++c) Doc.Lines.push_back(LeereKurzZelle);
    Doc.Lines.push_back(ZeileZu);
}

} // namespace

void ExportListenKopf(HtmlDokument& Doc, const WettbewerbTyp* Wett, const std::string& Ueberschrift, bool Startliste) {
    Doc.Lines.push_back(Startliste ? "  <td class=xl32></td>" : "  <td class=xl25></td>");
    Doc.Lines.push_back(" </tr>");
    UeberschriftZeile(Doc, HtmlText(Ueberschrift));
    UeberschriftZeile(Doc, StrInt(Wett ? GetAnzTeilnehmer(Wett->TeilnehmerRootPtr) : 0) + " Teilnehmer");
}

void ExportLeerZeileKurz(HtmlDokument& Doc) {
    Doc.Lines.push_back(ZeileAuf);
    for (int c = 1; c <= Doc.AnzahlSpalten; ++c) Doc.Lines.push_back(LeereKurzZelle);
    Doc.Lines.push_back(ZeileZu);
}

void ExportZeilenEnde(HtmlDokument& Doc) {
    Doc.Lines.push_back("  <td class=xl24>&nbsp;</td>");
    Doc.Lines.push_back(" </tr>");
}

void ExportFuellZelle(HtmlDokument& Doc) { Doc.Lines.push_back("  <td class=xl24 align=right x:num=\" \"> </td>"); }

void ExportZahlZelle(HtmlDokument& Doc, const std::string& t, const std::string& Anker) {
    std::string z = "  <td class=xl26 align=right x:num=\"" + t + "\">";
    if (Anker.empty())
        z += PunktZuKomma(t);
    else
        z += "<a href=\"#" + HtmlText(Anker) + "\">" + PunktZuKomma(t) + "</a>";
    Doc.Lines.push_back(z + "</td>");
}

// ----------------------------------------------------------------- writing

std::string HtmlDokumentBytes(const HtmlDokument& Doc) {
    std::string s;
    for (const std::string& z : Doc.Lines) {
        s += z;
        s += "\r\n";
    }
    return CnvUtf8ToWindows1252Html(s);
}

bool HtmlDateiSchreiben(const std::string& Datei, const HtmlDokument& Doc, std::string& Grund) {
    std::string Hinweis;
    return DateiErsetzen(Datei, HtmlDokumentBytes(Doc), "", Grund, Hinweis);
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
        if (DatenWettbewerbLoad(Teil, Datei) != LadenDateiFehler && Teil) {
            Liste[r - 1].WettName = Teil->Name;
            const std::string Html = ExpandPath(Teil->WettbewerbFileNamen[1]);
            if (!Html.empty() && L_FILE_Exist(Html)) Liste[r - 1].HtmlDatei = Html;
        }
        DatenWettbewerbDispose(Teil);
    }
    return Liste;
}

bool HtmlImporteVorhanden(const std::vector<HtmlImportEintrag>& Importe) {
    return std::any_of(Importe.begin(), Importe.end(), [](const HtmlImportEintrag& e) { return !e.HtmlDatei.empty(); });
}

std::vector<std::string> HtmlDateiRumpf(const std::string& Datei) {
    std::vector<std::string> Rumpf;
    std::string Bytes, Grund;
    if (!DateiLesen(Datei, Bytes, Grund)) return Rumpf;
    const std::string Text = CnvWindows1252ToUtf8(Bytes);
    std::vector<std::string> Zeilen;
    std::size_t a = 0;
    while (a <= Text.size()) {
        std::size_t e = Text.find_first_of("\r\n", a);
        if (e == std::string::npos) {
            if (a < Text.size()) Zeilen.push_back(Text.substr(a));
            break;
        }
        Zeilen.push_back(Text.substr(a, e - a));
        a = (Text[e] == '\r' && e + 1 < Text.size() && Text[e + 1] == '\n') ? e + 2 : e + 1;
    }
    bool drin = false;
    for (const std::string& z : Zeilen) {
        if (z.find(HtmlMarkeFussAnfang) != std::string::npos) break;
        if (drin)
            Rumpf.push_back(z);
        else if (z.find(HtmlMarkeKopfEnde) != std::string::npos)
            drin = true;
    }
    return Rumpf;
}

// --------------------------------------------------------- the result list

HtmlDokument HtmlErgebnisDokument(WettbewerbTyp* Wett, const HtmlErgebnisOptionen& Optionen,
                                  const std::string& AusgabeDatei) {
    HtmlDokument Doc;
    if (!Wett) return Doc;
    Wett->CalcWertung = true;
    CalcWertung(Wett);
    ExportKopf(Wett, Doc, HtmlErgebnisliste);
    SortAll(Wett);
    ExportErgebnis(Wett, Doc, Optionen);
    if (Optionen.Wertungslisten) {
        const int Alt = Wett->DurchgangNr;
        for (int r = 1; r <= HtmlRunden(Wett); ++r) {
            Wett->DurchgangNr = r;
            SortTeilnehmerGruppe(Wett);
            ExportWertung(Wett, Doc, Optionen.Links, r);
        }
        Wett->DurchgangNr = Alt;
        SortTeilnehmerGruppe(Wett);
    }
    if (Optionen.Einbinden) {
        for (const HtmlImportEintrag& e : Optionen.Importe) {
            if (e.HtmlDatei.empty() || (!AusgabeDatei.empty() && DateienGleich(e.HtmlDatei, AusgabeDatei))) continue;
            for (int i = 0; i < 2; ++i) Doc.Lines.insert(Doc.Lines.end(), {" <tr>", "  <td class=xl24>&nbsp;</td>", " </tr>"});
            const std::vector<std::string> Rumpf = HtmlDateiRumpf(e.HtmlDatei);
            Doc.Lines.insert(Doc.Lines.end(), Rumpf.begin(), Rumpf.end());
        }
    }
    ExportFuss(Doc);
    return Doc;
}

bool HtmlExportExec(WettbewerbTyp* Wett, const HtmlErgebnisOptionen& Optionen, const std::string& Datei,
                    std::string& Grund) {
    if (!Wett) {
        Grund = "Es ist kein Wettbewerb geöffnet.";
        return false;
    }
    return HtmlDateiSchreiben(Datei, HtmlErgebnisDokument(Wett, Optionen, Datei), Grund);
}

} // namespace tavuran
