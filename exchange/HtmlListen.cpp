#include "exchange/HtmlListen.h"

#include <algorithm>
#include <unordered_set>

#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_STR.h"
#include "evaluation/Sortierung.h"
#include "evaluation/Teamwertung.h"
#include "exchange/HtmlErgebnis.h"
#include "exchange/ShortenName.h"
#include "startorder/Kanal.h"

namespace tavuran {

namespace {

std::string StandText(const std::string& Stand) { return Stand.empty() ? L_STR_GetDateStr() : Stand; }

// Channel 1, then 2 and 3 when they differ from their neighbour and are not empty.
std::string KanalListe(const TeilnehmerTyp* t) {
    std::string k = t->Kanal[1];
    if (t->Kanal[2] != t->Kanal[1] && !t->Kanal[2].empty()) k += ", " + t->Kanal[2];
    if (t->Kanal[3] != t->Kanal[2] && !t->Kanal[3].empty()) k += ", " + t->Kanal[3];
    return L_STR_SearchAndReplace(k, "2G4", "2,4GHz");
}

std::string AktiverKanal(const TeilnehmerTyp* t) {
    if (t->KanalAktiv < 1 || t->KanalAktiv > 3) return {};
    return L_STR_SearchAndReplace(t->Kanal[t->KanalAktiv], "2G4", "2,4GHz");
}

void ExportStartliste(WettbewerbTyp* Wett, HtmlDokument& Doc, int r) {
    static const char* const Spalten[8] = {"Start", "Gruppe", " ", "Teilnehmer", "Verein", "Team", "Kanal", " "};
    auto& L = Doc.Lines;
    ExportDurchgangTitelZeilen(Doc, Wett, r, true);
    ExportAbstandZeile(Doc, true);
    L.push_back(" <tr height=19 style='mso-height-source:userset;height:14.25pt'>");
    for (int i = 0; i < 8; ++i)
        L.push_back(std::string(i <= 1 ? "  <td class=xl33 align=right>" : "  <td class=xl33 align=left>") + Spalten[i] +
                    "</td>");
    L.push_back("  <td class=xl32></td>");
    L.push_back(" </tr>");
    int Vorher = 0;
    for (TeilnehmerTyp* t = Wett->TeilnehmerGruppeRootPtr; t; t = t->nextGruppe) {
        const int g = t->Gruppe[r];
        if (g <= 0 && Wett->Gruppenstart) continue;
        L.push_back(" <tr height=25 style='height:11.25pt'>");
        if (g != Vorher && Vorher != 0)
            for (int i = 0; i < 8; ++i) L.insert(L.end(), {" </tr>", " <tr>"});
        Vorher = g;
        L.push_back("  <td class=xl32 align=right x:num>" + StrInt(t->StartNr) + "</td>");
        const std::string gt =
            g != 0 ? StrInt(g) + " (" + StrInt(GetTeilnehmerStartPlatzNr(Wett, t, r)) + ")" : std::string(" ");
        L.push_back("  <td class=xl32 align=right x:num>" + gt + "</td>");
        L.push_back("  <td class=xl32 align=right x:num> </td>");
        L.push_back("  <td class=xl32>" + HtmlText(CutTeilnNameStr(t->Name, true)) + "</td>");
        L.push_back("  <td class=xl32>" + HtmlText(CutVereinNameStr(t->Verein)) + "</td>");
        const MannschaftTyp* m = GetMannschaftdesTeilnehmers(Wett->MannschaftRootPtr, t->EdvNr);
        const std::string Team = m ? HtmlText(CutVereinNameStr(m->Name)) : std::string();
        const DoppelBelegungTyp* k = GetDoppelBelegung(Wett, t, r);
        const auto Zelle = [](bool Rot, const std::string& Text) {
            return Rot ? "  <td class=xl32><font color=\"red\">" + Text + "</font></td>"
                       : "  <td class=xl32>" + Text + "</td>";
        };
        L.push_back(Zelle(k && k->Mannschaft, Team));
        L.push_back(Zelle(k && k->Kanal, HtmlText(AktiverKanal(t))));
        L.push_back(std::string("  <td class=xl32 align=right x:num>") + (t->Jugendlich ? "jugend" : " ") + "</td>");
        ExportZeilenEnde(Doc);
    }
}

} // namespace

std::vector<TeamTyp> InitTeamList(WettbewerbTyp* Wett) {
    std::vector<TeamTyp> Liste;
    if (!Wett) return Liste;
    // Every number a team slot holds (an empty slot holds 0), to find the
    // participants in no team.
    std::unordered_set<int> imTeam;
    for (MannschaftTyp* m = Wett->MannschaftRootPtr; m; m = m->next) {
        TeamTyp Team;
        Team.MannschaftPtr = m;
        for (int i = MaxMannschaftMitglieder; i >= 1; --i) {
            imTeam.insert(m->TeilnehmerEdvNr[i]);
            if (m->TeilnehmerEdvNr[i] <= 0) continue;
            if (TeilnehmerTyp* t = GetTeilnehmerEdvNr(Wett, m->TeilnehmerEdvNr[i]); t && t->EdvNr > 0)
                Team.Teilnehmer.push_back(t);
        }
        Liste.push_back(std::move(Team));
    }
    std::stable_sort(Liste.begin(), Liste.end(),
                     [](const TeamTyp& a, const TeamTyp& b) { return a.MannschaftPtr->Name < b.MannschaftPtr->Name; });
    TeamTyp Ohne;
    for (TeilnehmerTyp* t = Wett->TeilnehmerRootPtr; t; t = t->next)
        if (!imTeam.count(t->EdvNr)) Ohne.Teilnehmer.push_back(t);
    std::reverse(Ohne.Teilnehmer.begin(), Ohne.Teilnehmer.end());
    if (!Ohne.Teilnehmer.empty()) Liste.insert(Liste.begin(), std::move(Ohne));
    return Liste;
}

HtmlDokument TeamListHtml(WettbewerbTyp* Wett, const std::string& Stand) {
    HtmlDokument Doc;
    if (!Wett) return Doc;
    ExportKopf(Wett, Doc, HtmlMeldungsliste);
    ExportTitelZeilen(Doc, Wett, HtmlUntertitel(Wett), false);
    ExportListenKopf(Doc, Wett, "Meldungsliste, Stand: " + StandText(Stand), false);
    auto& L = Doc.Lines;
    for (const TeamTyp& Team : InitTeamList(Wett)) {
        ExportLeerZeileKurz(Doc);
        L.push_back("                <TR>");
        if (Team.MannschaftPtr)
            L.push_back("                        <td class=xl31 align=left x:num><B>" +
                        HtmlText(CutVereinNameStr(Team.MannschaftPtr->Name)) + ": </B></td>");
        else
            L.push_back("                        <td class=xl31 align=left x:num><B>ohne Teamzugehörigkeit:</B></td>");
        for (int c = 1; c < Doc.AnzahlSpalten; ++c)
            L.push_back("                        <TD ALIGN=LEFT><FONT SIZE=2><BR></FONT></TD>");
        L.push_back("                </TR>");
        for (const TeilnehmerTyp* t : Team.Teilnehmer) {
            L.insert(L.end(), {" <tr height=15 style='height:11.25pt'>", "  <td class=xl32 align=right x:num></td>",
                               "  <td class=xl32 align=right x:num></td>",
                               "  <td class=xl32>" + HtmlText(CutTeilnNameStr(t->Name, true)) + "</td>",
                               "  <td class=xl32>" + HtmlText(CutVereinNameStr(t->Verein)) + "</td>",
                               "  <td class=xl32>" + HtmlText(KanalListe(t)) + "</td>",
                               t->Jugendlich ? "  <td class=xl32>jugend</td>" : "  <td class=xl32></td>",
                               "                </TR>"});
        }
    }
    ExportFuss(Doc);
    return Doc;
}

HtmlDokument StartListHtml(WettbewerbTyp* Wett, const std::string& Stand) {
    HtmlDokument Doc;
    if (!Wett) return Doc;
    ExportKopf(Wett, Doc, HtmlStartliste);
    ExportTitelZeilen(Doc, Wett, HtmlUntertitel(Wett), true);
    ExportListenKopf(Doc, Wett, "Startliste, Stand: " + StandText(Stand), true);
    InitKanalListe(Wett);
    KanalBelegungToHeap(Wett);
    CheckDoppelBelegung(Wett);
    const int Alt = Wett->DurchgangNr;
    for (int r = 1; r <= HtmlVorrunden(Wett); ++r) {
        Wett->DurchgangNr = r;
        SortTeilnehmerGruppe(Wett);
        ExportStartliste(Wett, Doc, r);
    }
    Wett->DurchgangNr = Alt;
    SortAll(Wett);
    ExportFuss(Doc);
    return Doc;
}

HtmlDokument TeamErgebnisHtml(WettbewerbTyp* Wett) {
    HtmlDokument Doc;
    if (!Wett) return Doc;
    ExportKopf(Wett, Doc, HtmlTeamergebnis);
    ExportTitelZeilen(Doc, Wett, HtmlUntertitel(Wett), false);
    ExportListenKopf(Doc, Wett, "Ergebnisliste der Teamwertung - " + TeamwertungCaption[TeamwertungAuswahl(Wett)],
                     false);
    auto& L = Doc.Lines;
    const MannschaftTyp* Vorher = nullptr;
    for (TeilnehmerTyp* t = Wett->TeilnehmerTeamRootPtr; t; t = t->nextTeam) {
        const MannschaftTyp* F = GetMannschaftdesTeilnehmers(Wett->MannschaftRootPtr, t->EdvNr);
        if (!F || F != Vorher) ExportLeerZeileKurz(Doc);
        if (F && F != Vorher) {
            const std::string Zelle = "                        <td class=xl32 align=left x:num><B>";
            L.push_back("                <TR>");
            L.push_back(Zelle + StrInt(F->Platz) + ".</B></td>");
            L.push_back(Zelle + HtmlText(F->Name) + "</B></td>");
            for (int i = 0; i < 3; ++i) L.push_back(Zelle + "</B></td>");
            L.push_back(Zelle + L_STR_RealToStr(F->Punkte, 10, 20, 0, 2) + "</B></td>");
            for (int c = 1; c < Doc.AnzahlSpalten; ++c)
                L.push_back("                        <TD ALIGN=LEFT><FONT SIZE=2><BR></FONT></TD>");
            L.push_back("                </TR>");
        }
        Vorher = F;
        L.insert(L.end(), {" <tr height=15 style='height:11.25pt'>", "  <td class=xl32 align=right x:num></td>",
                           "  <td class=xl32 align=right x:num></td>",
                           "  <td class=xl32>" + HtmlText(CnvNameTypToNameStr(&t->Name, true)) + "</td>",
                           "  <td class=xl32>" + HtmlText(t->Verein) + "</td>",
                           t->TeilDerTeamWertung ? "  <td class=xl32>*</td>" : "  <td class=xl32> </td>",
                           "  <td class=xl32>" + L_STR_RealToStr(t->Punkte, 20, 20, 0, 2) + "</td>",
                           t->Jugendlich ? "  <td class=xl32>jugend</td>" : "  <td class=xl32></td>",
                           "                </TR>"});
    }
    ExportFuss(Doc);
    return Doc;
}

bool TeamListExportHtml(const std::string& FileNameStr, WettbewerbTyp* Wett, const std::string& Stand,
                        std::string& Grund) {
    return HtmlDateiSchreiben(FileNameStr, TeamListHtml(Wett, Stand), Grund);
}

bool StartListExportHtml(const std::string& FileNameStr, WettbewerbTyp* Wett, const std::string& Stand,
                         std::string& Grund) {
    return HtmlDateiSchreiben(FileNameStr, StartListHtml(Wett, Stand), Grund);
}

bool TeamErgebnisExportHtml(const std::string& FileNameStr, WettbewerbTyp* Wett, std::string& Grund) {
    return HtmlDateiSchreiben(FileNameStr, TeamErgebnisHtml(Wett), Grund);
}

} // namespace tavuran
