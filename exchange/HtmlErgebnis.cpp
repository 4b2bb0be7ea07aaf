#include "exchange/HtmlErgebnis.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_CALEND.h"
#include "core/L_STR.h"
#include "evaluation/AuswertungRohpunkte.h"
#include "evaluation/WertungEingabe.h"
#include "exchange/ShortenName.h"

namespace tavuran {

namespace {

// Two no-break spaces after a junior mark.
const std::string ZweiNbsp = "\xC2\xA0\xC2\xA0";

std::string Zahl(double x) { return L_STR_DoubleToStr(x, 1, 7, 0, 2); }
std::string Zahl4(double x) { return L_STR_FillLeftWithBlanks(Zahl(x), 4); }

int Begrenzt(int n, int hoch) { return std::clamp(n, 0, hoch); }

// Judge and round parameters of the rule, limited to the entry's slots.
int JudgeParameter(const WettbewerbTyp* Wett) {
    return Wett && Wett->RegelPtr ? Begrenzt(Wett->RegelPtr->ParameterPunktr.Anzahl, MaxPunktrichter) : 0;
}
int RundenParameter(const WettbewerbTyp* Wett) {
    return Wett && Wett->RegelPtr ? Begrenzt(Wett->RegelPtr->ParameterDurchg.Anzahl, MaxDurchgSpalten) : 0;
}

// A label row of a list: column AlsZahl gets the class xl29, the columns 3 to
// LinksBis are left-aligned; the second label row of the result list is
// written without a row start of its own.
void LabelZeile(HtmlDokument& Doc, const std::vector<std::string>& Label, bool MitZeilenAnfang, int AlsZahl,
                int LinksBis) {
    auto& L = Doc.Lines;
    if (MitZeilenAnfang) L.push_back(" <tr height=19 style='mso-height-source:userset;height:14.25pt'>");
    for (int c = 1; c <= Doc.AnzahlSpalten; ++c) {
        const std::string t = c <= static_cast<int>(Label.size()) ? HtmlText(Label[c - 1]) : std::string();
        if (c == 1)
            L.push_back("  <td height=19 class=xl28 align=right style='height:14.25pt'><a name=\"Print_Area\">" + t +
                        "</a></td>");
        else if (c == AlsZahl)
            L.push_back("  <td class=xl29 align=right>" + t + "</td>");
        else if (c >= 3 && c <= LinksBis)
            L.push_back("  <td class=xl28 align=left>" + t + "</td>");
        else
            L.push_back("  <td class=xl28 align=right>" + t + "</td>");
    }
    L.push_back("  <td class=xl25></td>");
    L.push_back(" </tr>");
}

void StatistikZeile(HtmlDokument& Doc, const std::string& Text) {
    Doc.Lines.insert(Doc.Lines.end(),
                     {" <tr height=15 style='height:11.25pt'>",
                      "  <td height=15 colspan=4 class=xl25 style='height:11.25pt;mso-ignore:colspan'>", Text,
                      " </td>", " </tr>"});
}

void ExportStatistik(WettbewerbTyp* Wett, HtmlDokument& Doc) {
    const int n = GetAnzTeilnehmerWertung(Wett->TeilnehmerRootPtr);
    const int k = CountAnzahlVereine(Wett);
    const int j = GetAnzTeilnehmerWertungJugendlich(Wett->TeilnehmerRootPtr);
    std::string t = "     Teilgenommen haben " + StrInt(n) + " Teilnehmer aus " +
                    (k == 1 ? std::string("einem Verein") : StrInt(k) + " Vereinen");
    if (j == 0)
        t += ".";
    else if (j == 1)
        t += ", davon war ein Teilnehmer jugendlich.";
    else
        t += ", davon waren " + StrInt(j) + " Teilnehmer jugendlich.";
    StatistikZeile(Doc, t);
    if (Wett->AnzGewDurchgaenge != Wett->AnzVorrunden) {
        const bool Gesamt = Wett->RegelPtr && Wett->RegelPtr->EdvNr == 8;
        StatistikZeile(Doc, "     Es wurden " + StrInt(Wett->AnzGewDurchgaenge) + " von " + StrInt(Wett->AnzVorrunden) +
                                " " + (Gesamt ? "Teilwettbewerben" : "Vorrunden") + " gewertet.");
    }
    Doc.Lines.push_back(" </tr>");
    const std::string Leiter = CutTeilnNameStr(Wett->Wettbewerbsleiter, true);
    if (!Leiter.empty()) StatistikZeile(Doc, "     Wettbewerbsleiter: " + HtmlText(Leiter));
    const std::string Orga = CutTeilnNameStr(Wett->Organisationsleiter, true);
    if (!Orga.empty()) StatistikZeile(Doc, "     Organisationsleiter: " + HtmlText(Orga));
    ExportAbstandZeile(Doc, false);
}

} // namespace

int HtmlRunden(const WettbewerbTyp* Wett) { return Wett ? Begrenzt(Wett->AnzDurchgaenge, MaxDurchgaenge) : 0; }
int HtmlVorrunden(const WettbewerbTyp* Wett) { return Wett ? Begrenzt(Wett->AnzVorrunden, MaxDurchgaenge) : 0; }

const WertungTyp* HtmlWertung(const WettbewerbTyp* Wett, int Nr, int EdvNr, int ReflyOrder) {
    const DurchgangTyp* d = DatenDurchgangSuchen(Wett, Nr);
    return d ? DatenWertungGetPtr(const_cast<DurchgangTyp*>(d), EdvNr, ReflyOrder) : nullptr;
}

const WertungTyp& HtmlWertungOderLeer(const WettbewerbTyp* Wett, int Nr, int EdvNr) {
    static const WertungTyp Leer{};
    const WertungTyp* w = HtmlWertung(Wett, Nr, EdvNr, 0);
    return w ? *w : Leer;
}

bool HtmlReflyInDurchgang(const WettbewerbTyp* Wett, int Nr) {
    const DurchgangTyp* d = DatenDurchgangSuchen(Wett, Nr);
    for (const GruppeTyp* g = d ? d->GruppePtr : nullptr; g; g = g->next)
        if (g->ReflyOrder >= 1) return g->WertungPtr != nullptr;
    return false;
}

int MakeSpaltenBreiteWertung(const WettbewerbTyp* Wett) {
    const int S = JudgeParameter(Wett);
    const int D = RundenParameter(Wett);
    const int J = GetAnzahlPunktrichter(Wett);
    int Max = 1;
    for (int r = 1; r <= HtmlRunden(Wett); ++r) {
        int n = 4 + J * S + D + 2;
        if (HtmlReflyInDurchgang(Wett, r)) n += S + D + 2;
        Max = std::max(Max, n);
    }
    return Max;
}

void ExportErgebnis(WettbewerbTyp* Wett, HtmlDokument& Doc, const HtmlErgebnisOptionen& Optionen) {
    const int Runden = HtmlRunden(Wett);
    std::vector<std::string> Label = {"Platz", "Jug.", "Teilnehmer", "Verein", "Verband"};
    for (int r = 1; r <= Runden; ++r) Label.push_back(GetDurchgangBezeichner(Wett, r, false, true));
    Label.push_back("Gesamt");
    if (Wett->Teilwertung) Label.push_back("Teilw.[%]");
    std::vector<std::string> Label1, Label2;
    bool Geteilt = false;
    for (const std::string& l : Label) {
        const std::size_t b = l.find(' ');
        if (L_STR_Length(l) >= 12 && b != std::string::npos) {
            Label1.push_back(l.substr(0, b));
            Label2.push_back(l.substr(b + 1));
            Geteilt = true;
        } else {
            Label1.push_back(l);
            Label2.emplace_back();
        }
    }

    ExportTitelZeilen(Doc, Wett, Optionen.Einbinden ? L_CALEND_GetDateString(Wett->Datum) : HtmlUntertitel(Wett), false);
    ExportAbstandZeile(Doc, false);
    if (Optionen.Statistik) ExportStatistik(Wett, Doc);
    LabelZeile(Doc, Label1, true, 6, 5);
    if (Geteilt) LabelZeile(Doc, Label2, false, 5, 4);

    const bool RundenLinks = Optionen.Links && (Optionen.Wertungslisten || Optionen.Einbinden);
    const int Index = GetExportPunkteIndex(Wett);
    auto& L = Doc.Lines;
    for (TeilnehmerTyp* t = Wett->TeilnehmerPlatzRootPtr; t; t = t->nextPlatz) {
        if (t->PlatzNr <= 0) continue;
        L.push_back(" <tr height=15 style='height:11.25pt'>");
        const int Platz = t->PlatzNrFlyOff != 0 ? t->PlatzNrFlyOff : t->PlatzNr;
        L.push_back("  <td height=15 class=xl25 align=right style='height:11.25pt' x:num><a name=\"" +
                    HtmlText(MakeLinkName(Wett, t, 0, 0, true, false, false, false, true, false, false)) + "\">" +
                    StrInt(Platz) + "</a></td>");
        const int Jug = t->PlatzNrFlyOffJugend != 0 ? t->PlatzNrFlyOffJugend : t->PlatzNrJugend;
        L.push_back("  <td class=xl25 align=right x:num>" + (Jug != 0 ? StrInt(Jug) : std::string(" ")) + ZweiNbsp +
                    "</td>");
        L.push_back("  <td class=xl25><a name=\"" +
                    HtmlText(MakeLinkName(Wett, t, 0, 0, false, true, false, true, true, false, false)) + "\">" +
                    HtmlText(CutTeilnNameStr(t->Name, true)) + "</a></td>");
        L.push_back("  <td class=xl25>" + HtmlText(CutVereinNameStr(t->Verein)) + "</td>");
        L.push_back("  <td class=xl25>" + HtmlText(CutVereinNameStr(t->Verband)) + "</td>");
        for (int r = 1; r <= Runden; ++r) {
            const WertungTyp& E = HtmlWertungOderLeer(Wett, r, t->EdvNr);
            std::string z = Zahl(E.ErgebnisPunkte - E.Strafpunkte);
            if (!E.KannStreicherSein) z = "!" + z;
            std::string Anker;
            if (RundenLinks) {
                if (Optionen.Einbinden) {
                    const std::string WettName = r <= static_cast<int>(Optionen.Importe.size())
                                                     ? Optionen.Importe[r - 1].WettName
                                                     : std::string();
                    Anker = MakeLinkNameMitWettName(WettName, t, true);
                } else {
                    Anker = MakeLinkName(Wett, t, r, t->Gruppe[r], false, false, true, true, false, true, true);
                }
            }
            ExportZahlZelle(Doc, z, Anker);
        }
        std::string Gesamt = Zahl4(t->Punkte);
        if (t->PunkteEndrunde > 0.001)
            Gesamt += "+" + Zahl4(t->PunkteEndrunde);
        else if (Wett->AnzDurchgaenge - Wett->AnzVorrunden - Wett->AnzSeniorenFlyOff >= 2 &&
                 t->PunkteEndrundeJugend > 0.001)
            Gesamt += "+" + Zahl4(t->PunkteEndrundeJugend);
        ExportZahlZelle(Doc, Gesamt);
        if (Wett->Teilwertung)
            ExportZahlZelle(Doc, L_STR_DoubleToStr(t->ExportPunkte[Index], 1, 7, 2, 2),
                            Optionen.GesamtLinks
                                ? MakeLinkName(Wett, t, 0, 0, true, false, false, false, true, false, false)
                                : std::string());
        for (int c = Wett->AnzVorrunden + (Wett->Teilwertung ? 7 : 6); c <= Doc.AnzahlSpalten; ++c)
            ExportFuellZelle(Doc);
        ExportZeilenEnde(Doc);
    }
}

void ExportWertung(WettbewerbTyp* Wett, HtmlDokument& Doc, bool Link, int r) {
    const int S = JudgeParameter(Wett);
    const int D = RundenParameter(Wett);
    const int J = GetAnzahlPunktrichter(Wett);
    const bool Refly = HtmlReflyInDurchgang(Wett, r);
    const RegelTyp* Regel = Wett->RegelPtr;

    std::vector<std::string> Label = {"Grp.", "Jug.", "Teilnehmer", "Verein"};
    for (int s = 1; s <= J; ++s)
        for (int w = 1; w <= S; ++w) Label.push_back(WertSpaltenKopf(Regel->ParameterPunktr.Bezeichner[w]));
    for (int d = 1; d <= D; ++d) Label.push_back(WertSpaltenKopf(Regel->ParameterDurchg.Bezeichner[d]));
    Label.insert(Label.end(), {"Rohpunkte", "Ergebnis"});
    if (Refly) {
        for (int w = 1; w <= S; ++w) Label.push_back(WertSpaltenKopf(Regel->ParameterPunktr.Bezeichner[w]));
        for (int d = 1; d <= D; ++d) Label.push_back(WertSpaltenKopf(Regel->ParameterDurchg.Bezeichner[d]));
        Label.insert(Label.end(), {"Rohpunkte", "Reflight"});
    }
    Doc.AnzahlSpalten = std::max(Doc.AnzahlSpalten, static_cast<int>(Label.size()));

    ExportDurchgangTitelZeilen(Doc, Wett, r, false);
    ExportAbstandZeile(Doc, false);
    LabelZeile(Doc, Label, true, 5, 4);

    auto& L = Doc.Lines;
    int VorherGruppe = 0;
    for (TeilnehmerTyp* t = Wett->TeilnehmerGruppeRootPtr; t; t = t->nextGruppe) {
        const int g = t->Gruppe[r];
        if (g <= 0 && Wett->Gruppenstart) continue;
        L.push_back(" <tr height=15 style='height:11.25pt'>");
        const bool NeueGruppe = g != VorherGruppe;
        if (NeueGruppe && VorherGruppe != 0)
            for (std::size_t i = 0; i < Label.size(); ++i) L.insert(L.end(), {" </tr>", " <tr>"});
        const std::string gt = g != 0 ? StrInt(g) : std::string(" ");
        if (NeueGruppe)
            L.push_back("  <td class=xl25 align=right x:num><a name=\"" +
                        HtmlText(MakeLinkName(Wett, t, r, g, false, false, true, true, false, true, true)) + "\">" +
                        gt + "</a></td>");
        else
            L.push_back("  <td class=xl25 align=right x:num>" + gt + "</td>");
        VorherGruppe = g;
        L.push_back("  <td class=xl25 align=right x:num>" + (t->Jugendlich ? "j" + ZweiNbsp : std::string(" ")) +
                    "</td>");
        L.push_back("  <td class=xl25>" + HtmlText(CutTeilnNameStr(t->Name, true)) + "</td>");
        L.push_back("  <td class=xl25>" + HtmlText(CutVereinNameStr(t->Verein)) + "</td>");

        const WertungTyp& U = HtmlWertungOderLeer(Wett, r, t->EdvNr);
        const WertungTyp* V = HtmlWertung(Wett, r, t->EdvNr, 1);
        const std::string NameAnker = MakeLinkName(Wett, t, 0, 0, false, true, false, true, true, false, false);
        for (int s = 1; s <= J; ++s)
            for (int w = 1; w <= S; ++w) {
                const int i = (s - 1) * S + w;
                if (i > MaxPunktrichter)
                    ExportFuellZelle(Doc);
                else
                    ExportZahlZelle(Doc, HtmlText(DispAllWertung(Wett, U.WertungPunktr[i],
                                                                 Regel->ParameterPunktr.Bezeichner[w])));
            }
        for (int d = 1; d <= D; ++d)
            ExportZahlZelle(Doc, HtmlText(DispAllWertung(Wett, U.WertungDurchg[d], Regel->ParameterDurchg.Bezeichner[d])));
        ExportZahlZelle(Doc, V && V->ReflyVerursacher ? std::string("Antrag Reflight") : Zahl4(U.RohPunkte));
        std::string p = V ? std::string(" ") : Zahl4(U.Punkte - U.Strafpunkte);
        if (!U.KannStreicherSein) p = "!" + p;
        ExportZahlZelle(Doc, p, Link && !V ? NameAnker : std::string());
        if (V) {
            for (int w = 1; w <= S; ++w)
                ExportZahlZelle(Doc, HtmlText(DispAllWertung(Wett, V->WertungPunktr[w], Regel->ParameterPunktr.Bezeichner[w])));
            for (int d = 1; d <= D; ++d)
                ExportZahlZelle(Doc, HtmlText(DispAllWertung(Wett, V->WertungDurchg[d], Regel->ParameterDurchg.Bezeichner[d])));
            ExportZahlZelle(Doc, Zahl(V->RohPunkte));
            ExportZahlZelle(Doc, Zahl(V->ErgebnisPunkte - U.Strafpunkte), Link ? NameAnker : std::string());
        }
        if (U.Strafpunkte != 0) {
            const std::string ps = StrInt(U.Strafpunkte);
            L.push_back("  <td class=xl26 align=right x:num=\"" + ps + "\">" + ps + " Strafpunkte</td>");
        }
        ExportZeilenEnde(Doc);
    }
}

} // namespace tavuran
