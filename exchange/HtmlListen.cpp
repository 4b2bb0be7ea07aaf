#include "exchange/HtmlListen.h"

#include <algorithm>
#include <unordered_set>

#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_STR.h"
#include "evaluation/ErgebnisAngaben.h"
#include "evaluation/Sortierung.h"
#include "evaluation/Teamwertung.h"
#include "exchange/HtmlErgebnis.h"
#include "startorder/Kanal.h"

namespace tavuran {

namespace {

HtmlZelle T(const std::string& Text, std::string Klasse = {}) { return {HtmlText(Text), std::move(Klasse), {}, {}}; }
HtmlZelle Z(const std::string& Text) { return {HtmlText(Text), "z", {}, {}}; }

// Channel 1, then 2 and 3 when they differ from their neighbour and are not empty.
std::string KanalListe(const TeilnehmerTyp* t) {
    std::string k = KanalAnzeige(t->Kanal[1]);
    if (t->Kanal[2] != t->Kanal[1] && !t->Kanal[2].empty()) k += ", " + KanalAnzeige(t->Kanal[2]);
    if (t->Kanal[3] != t->Kanal[2] && !t->Kanal[3].empty()) k += ", " + KanalAnzeige(t->Kanal[3]);
    return k;
}

std::string AktiverKanal(const TeilnehmerTyp* t) {
    if (t->KanalAktiv < 1 || t->KanalAktiv > 3) return {};
    return KanalAnzeige(t->Kanal[t->KanalAktiv]);
}

void Anzahl(WettbewerbTyp* Wett, HtmlZeilen& L) {
    HtmlAbsatz(L, StrInt(GetAnzTeilnehmer(Wett->TeilnehmerRootPtr)) + " Teilnehmer");
}

// A clash is marked with a sign and a bold frame, which survive
// black-and-white printing and copying; the colour only adds to it.
HtmlZelle Markiert(const std::string& Text, const char* Zeichen) {
    if (!Zeichen) return T(Text);
    return {HtmlText(Text) + " " + Zeichen, "konflikt", {}, {}};
}

struct Konflikte {
    ErgebnisZeichen Kanal; // "!" the same channel in the group, "~" in the next group
    bool Team = false;
};

// The round and group flown now (Aktuell) carry the class "aktuell".
void ExportStartliste(WettbewerbTyp* Wett, HtmlZeilen& L, int r, Konflikte& K,
                      const AktuellerFlugTyp& Aktuell, const TeamsDerTeilnehmer& Teams) {
    const bool jetzt = r == Aktuell.Durchgang;
    L.push_back(std::string(jetzt ? "<h2 class=\"aktuell\">" : "<h2>") + HtmlText(GetDurchgangBezeichner(Wett, r, false, true)) + " – Startliste</h2>");
    // The channel comes early: the transmitter tent reads it on a phone too.
    HtmlTabelleAnfang(L, {T("Start", "p"), T("Teilnehmer", "n"), Z("Gruppe"), Z("Startplatz"), T("Kanal"), T("Team"),
                          T("Verein"), T("Jug.")});
    bool Erste = true;
    int Vorher = 0;
    for (TeilnehmerTyp* t = Wett->TeilnehmerGruppeRootPtr; t; t = t->nextGruppe) {
        const int g = t->Gruppe[r];
        if (g <= 0 && Wett->Gruppenstart) continue;
        const bool Neu = !Erste && g != Vorher;
        Erste = false;
        Vorher = g;
        const MannschaftTyp* m = Teams(t->EdvNr);
        const DoppelBelegungTyp* k = GetDoppelBelegung(Wett, t, r);
        const bool KanalK = k && k->Kanal, NachbarK = k && !k->Kanal && k->KanalNextGruppe,
                   TeamK = k && k->Mannschaft && m;
        K.Kanal.KanalDoppelt |= KanalK;
        K.Kanal.KanalNachbar |= NachbarK;
        K.Team |= TeamK;
        HtmlTabellenZeile(L,
                          {T(StrInt(t->StartNr), "p"), T(HtmlName(t), "n"), Z(g != 0 ? StrInt(g) : std::string()),
                           Z(g != 0 ? StrInt(GetTeilnehmerStartPlatzNr(Wett, t, r)) : std::string()),
                           Markiert(AktiverKanal(t), KanalK ? "!" : NachbarK ? "~" : nullptr),
                           Markiert(m ? m->Name : std::string(), TeamK ? "!" : nullptr),
                           T(t->Verein), T(t->Jugendlich ? "jugend" : "")},
                          {}, std::string(Neu ? "neu" : "") + (jetzt && g == Aktuell.Gruppe ? (Neu ? " aktuell" : "aktuell") : ""));
    }
    HtmlTabelleEnde(L);
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

void TeamListRumpf(WettbewerbTyp* Wett, HtmlZeilen& L) {
    if (!Wett) return;
    L.push_back("<h2>Meldungsliste</h2>");
    Anzahl(Wett, L);
    HtmlTabelleAnfang(L, {T("Teilnehmer", "n0"), T("Verein"), T("Kanal"), T("Jug.")});
    for (const TeamTyp& Team : InitTeamList(Wett)) {
        HtmlTabellenZeile(L,
                          {T(Team.MannschaftPtr ? Team.MannschaftPtr->Name : std::string("ohne Teamzugehörigkeit"), "n0"),
                           T(""), T(""), T("")},
                          {}, "team");
        for (const TeilnehmerTyp* t : Team.Teilnehmer)
            HtmlTabellenZeile(L, {T(HtmlName(t), "n0"), T(t->Verein), T(KanalListe(t)), T(t->Jugendlich ? "jugend" : "")});
    }
    HtmlTabelleEnde(L);
}

void StartListRumpf(WettbewerbTyp* Wett, HtmlZeilen& L) {
    if (!Wett) return;
    Anzahl(Wett, L);
    InitKanalListe(Wett);
    KanalBelegungToHeap(Wett);
    CheckDoppelBelegung(Wett);
    Konflikte K;
    const int Alt = Wett->DurchgangNr;
    const AktuellerFlugTyp Aktuell = AktuellerFlug(Wett);
    const TeamsDerTeilnehmer Teams(Wett->MannschaftRootPtr);
    for (int r = 1; r <= HtmlVorrunden(Wett); ++r) {
        Wett->DurchgangNr = r;
        SortTeilnehmerGruppe(Wett);
        ExportStartliste(Wett, L, r, K, Aktuell, Teams);
    }
    Wett->DurchgangNr = Alt;
    SortAll(Wett);
    std::vector<std::pair<std::string, std::string>> Legende = HtmlLegendenZeilen(K.Kanal);
    if (K.Team) Legende.emplace_back("!", "beim Team: ein Teamkollege fliegt in derselben Gruppe");
    HtmlLegende(L, Legende);
}

void TeamErgebnisRumpf(WettbewerbTyp* Wett, HtmlZeilen& L) {
    if (!Wett) return;
    L.push_back("<h2>Teamwertung</h2>");
    HtmlAbsatz(L, TeamwertungCaption[TeamwertungAuswahl(Wett)]);
    Anzahl(Wett, L);
    HtmlTabelleAnfang(L, {T("Platz", "p"), T("Team / Teilnehmer", "n"), T("Verein"), Z("Punkte"), T("Jug.")});
    // The teams in the order and with the totals of the printed team ranking;
    // a member's total that did not count for the team in brackets.
    bool Klammer = false;
    const TeamsDerTeilnehmer Teams(Wett->MannschaftRootPtr);
    const auto Mitglied = [&](const TeilnehmerTyp* t) {
        std::string p = PunktZuKomma(ErgebnisSummenText(Wett, t, t->Punkte));
        if (!t->TeilDerTeamWertung && !p.empty() && Teams(t->EdvNr)) {
            p = "(" + p + ")";
            Klammer = true;
        }
        HtmlTabellenZeile(L, {T("", "p"), T(HtmlName(t), "n"), T(t->Verein), Z(p), T(t->Jugendlich ? "jugend" : "")});
    };
    for (const TeamErgebnisTyp& e : TeamErgebnisFolge(Wett)) {
        HtmlTabellenZeile(L, {T(e.Platz > 0 ? StrInt(e.Platz) + "." : std::string(), "p"), T(e.Team->Name, "n"), T(""),
                              Z(HtmlZahl(e.Punkte)), T("")},
                          {}, "team");
        for (const TeilnehmerTyp* t : e.Mitglieder) Mitglied(t);
    }
    // Pilots without team under a heading of their own, so that they are not
    // read as members of the last team.
    bool Ohne = false;
    for (const TeilnehmerTyp* t = Wett->TeilnehmerTeamRootPtr; t; t = t->nextTeam) {
        if (!TeilnehmerGelistet(t) || Teams(t->EdvNr)) continue;
        if (!Ohne) HtmlTabellenZeile(L, {T("", "p"), T("ohne Team", "n"), T(""), T(""), T("")}, {}, "team");
        Ohne = true;
        Mitglied(t);
    }
    HtmlTabelleEnde(L);
    if (Klammer) HtmlLegende(L, {{"( )", "zählt nicht für die Teamwertung"}});
}

namespace {

HtmlDokument Seite(WettbewerbTyp* Wett, const std::string& Zeit, const char* Liste,
                   void (*Rumpf)(WettbewerbTyp*, HtmlZeilen&), bool MitStatus = false) {
    HtmlDokument Doc;
    if (!Wett) return Doc;
    HtmlSeitenAnfang(Doc, HtmlSeitenTitel(Wett, Liste));
    HtmlKopfBlock(Doc, Wett, HtmlStand{Zeit, MitStatus ? ErgebnisStandWort(ErgebnisEndgueltig(Wett)) : ""});
    Rumpf(Wett, Doc.Lines);
    HtmlSeitenEnde(Doc);
    return Doc;
}

} // namespace

HtmlDokument TeamListHtml(WettbewerbTyp* Wett, const std::string& Zeit) {
    return Seite(Wett, Zeit, "Meldungsliste", TeamListRumpf);
}

HtmlDokument StartListHtml(WettbewerbTyp* Wett, const std::string& Zeit) {
    return Seite(Wett, Zeit, "Startlisten", StartListRumpf);
}

HtmlDokument TeamErgebnisHtml(WettbewerbTyp* Wett, const std::string& Zeit) {
    return Seite(Wett, Zeit, "Teamwertung", TeamErgebnisRumpf, true);
}

bool TeamListExportHtml(const std::string& FileNameStr, WettbewerbTyp* Wett, const std::string& Zeit,
                        std::string& Grund) {
    return HtmlDateiSchreiben(FileNameStr, TeamListHtml(Wett, Zeit), Grund);
}

bool StartListExportHtml(const std::string& FileNameStr, WettbewerbTyp* Wett, const std::string& Zeit,
                         std::string& Grund) {
    return HtmlDateiSchreiben(FileNameStr, StartListHtml(Wett, Zeit), Grund);
}

bool TeamErgebnisExportHtml(const std::string& FileNameStr, WettbewerbTyp* Wett, const std::string& Zeit,
                            std::string& Grund) {
    return HtmlDateiSchreiben(FileNameStr, TeamErgebnisHtml(Wett, Zeit), Grund);
}

} // namespace tavuran
