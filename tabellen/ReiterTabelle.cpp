#include "tabellen/ReiterTabelle.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "core/Dezimalkomma.h"
#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_STR.h"
#include "evaluation/EingabePlausibel.h"
#include "evaluation/Refly.h"
#include "evaluation/Sortierung.h"
#include "evaluation/WertungEingabe.h"
#include "exchange/TeilnehmerBearbeitung.h"
#include "startorder/Kanal.h"

namespace tavuran {

namespace {

constexpr int ErgebnisSpalten = 23;

// Colours of the marks.
constexpr std::uint32_t GrauRechenzelle = 0xF0F0F0; // computed cells of the score grids
constexpr std::uint32_t GrauHelfer = 0xC0C0C0;      // a helper who is no participant
constexpr std::uint32_t RahmenKanal = 0x808080;     // the active channel
constexpr std::uint32_t GruenKanal = 0x00FF00;      // a channel nobody else uses
constexpr std::uint32_t RotKanal = 0xFF0000;        // the most used channel
constexpr std::uint32_t GelbUnplausibel = 0xFFD27F; // a stored value the rule makes unlikely

const char* const TeilnehmerKoepfe[TeilnSpalten] = {
    "",        "",        "Name",     "Verein",   "Kanal 1",  "Kanal 2",  "Kanal 3",  "jugendlich", "Verband",
    "Land",    "Bundesland", "Bezirk", "Helfer 1", "Helfer 2", "Helfer 3", "Modell 1", "Modell 2"};

std::string Zahl(double x, int MinBreite, int MaxBreite, int MinNachkomma = 0) {
    return PunktZuKomma(L_STR_DoubleToStr(x, MinBreite, MaxBreite, MinNachkomma, 2));
}

std::string PlatzText(int p) { return p > 0 ? std::to_string(p) : std::string("-"); }

TabellenSpalteTyp Spalte(const std::string& Kopf, int Breite, bool NachInhalt = false, bool Editierbar = false) {
    TabellenSpalteTyp s;
    s.Kopf = Kopf;
    s.Breite = Breite;
    s.NachInhalt = NachInhalt;
    s.Editierbar = Editierbar;
    return s;
}

ZellMarkeTyp& MarkeSetzen(TabellenZeileTyp& z, int Spalte) {
    if (z.Marken.size() < z.Texte.size()) z.Marken.resize(z.Texte.size());
    return z.Marken[static_cast<std::size_t>(Spalte)];
}

int GruppeIn(const TeilnehmerTyp* p, int n) { return n >= 1 && n <= MaxDurchgaenge ? p->Gruppe[n] : 0; }

// ------------------------------------------------------------ columns

void TeilnehmerSpalten(TabelleTyp& t, int Tab, const ReiterOptionen& o) {
    const bool edit = Tab == TabTeilnehmer;
    const int breite[TeilnSpalten] = {BreiteNummer, BreiteNummer, BreiteName,   BreiteVerein,    BreiteKanal,
                                      BreiteKanal,  BreiteKanal,  BreiteJugendlich * 4, BreiteVerein, BreiteLand,
                                      BreiteLand * 2, BreiteLand, BreiteName,   BreiteName,      BreiteName,
                                      BreiteModell, BreiteModell};
    for (int c = 0; c < TeilnSpalten; ++c) t.Spalten.push_back(Spalte(TeilnehmerKoepfe[c], breite[c], false, edit && c >= TeilnSpalteName));
    if (Tab == TabStartreihenfolge && o.TeamInStartliste) t.Spalten[TeilnSpalteVerein].Kopf = "Team";
    // Names, clubs, association, state and district show whole, never
    // narrower than the usual width; on the participant sheet the helpers'
    // names too.
    for (int c : {TeilnSpalteName, TeilnSpalteVerein, TeilnSpalteVerband, TeilnSpalteBundesland, TeilnSpalteBezirk})
        t.Spalten[static_cast<std::size_t>(c)].NachInhalt = true;
    if (Tab == TabTeilnehmer)
        for (int c = TeilnSpalteHelfer1; c < TeilnSpalteHelfer1 + 3; ++c) t.Spalten[static_cast<std::size_t>(c)].NachInhalt = true;
    t.FixeSpalten = 2;
}

void WertungSpalten(TabelleTyp& t, WettbewerbTyp* Wett, int Tab) {
    t.Spalten = {Spalte("", BreiteNummer), Spalte("", BreiteNummer), Spalte("Name", BreiteName, true),
                 Spalte("Verein", BreiteVerein, true)};
    const std::vector<std::string> berechnet =
        Tab == TabRefly ? GetReflyBerechnetKoepfe() : GetWertungBerechnetKoepfe(Wett, Wett ? Wett->DurchgangNr : 1);
    // Computed and value columns as wide as their header needs, at least a number column.
    for (const std::string& k : berechnet) {
        t.Spalten.push_back(Spalte(k, BreiteNummer + 8));
        t.Spalten.back().NachKopf = true;
    }
    t.FixeSpalten = t.AnzahlSpalten();
    for (const std::string& k : GetWertSpalten(Wett).Koepfe) {
        t.Spalten.push_back(Spalte(k, BreiteNummer + 8, false, true));
        t.Spalten.back().NachKopf = true;
    }
}

void ErgebnisSpaltenSetzen(TabelleTyp& t, WettbewerbTyp* Wett, int Tab) {
    for (int c = 0; c < ErgebnisSpalten; ++c) t.Spalten.push_back(Spalte("", c < 2 ? BreiteNummer : 0, c >= 2));
    t.Spalten[0].Kopf = Tab == TabTeamergebnis ? "Platz" : "";
    t.Spalten[1].Kopf = Tab == TabTeamergebnis ? "relevant" : "";
    t.Spalten[2].Kopf = "Name";
    t.Spalten[3].Kopf = Tab == TabTeamergebnis ? "Team" : "Verein";
    if (Wett) {
        std::size_t c = 4;
        const int bis = Tab == TabErgebnis ? Wett->AnzDurchgaenge : Wett->AnzVorrunden;
        for (int r = 1; r <= bis && c < ErgebnisSpalten; ++r) t.Spalten[c++].Kopf = GetDurchgangBezeichner(Wett, r, true, false);
        if (c < ErgebnisSpalten) t.Spalten[c++].Kopf = "Ergebnis";
        if (Tab == TabErgebnis && Wett->Teilwertung && c < ErgebnisSpalten) t.Spalten[c++].Kopf = "Teilw. [%]";
        if (Tab == TabTeamergebnis && c < ErgebnisSpalten) t.Spalten[c++].Kopf = "Teamergebnis";
    }
    t.FixeSpalten = 2;
}

// ------------------------------------------------------------ cells of a row

// The participant sheet's marks: channel counts in colour, the active channel
// framed and the others shaded, helpers who are no participants on grey.
struct KanalZaehlung {
    std::unordered_set<std::string> Namen; // participants' names, upper case
    std::unordered_map<std::string, int> ProKanal;
    int Max = 0;
    explicit KanalZaehlung(const WettbewerbTyp* Wett) {
        for (const TeilnehmerTyp* p = Wett->TeilnehmerRootPtr; p; p = p->next)
            Namen.insert(L_STR_Upcase(CnvNameTypToNameStr(&p->Name, true)));
        for (const KanalListeTyp* k = Wett->KanalRootPtr; k; k = k->next) {
            Max = std::max(Max, k->Anzahl);
            ProKanal.emplace(k->Kanal, k->Anzahl);
        }
    }
    int Anzahl(const std::string& Kanal) const {
        const auto k = ProKanal.find(Kanal);
        return k == ProKanal.end() ? 0 : k->second;
    }
};

void TeilnehmerMarken(TabellenZeileTyp& z, const TeilnehmerTyp& p, const KanalZaehlung& k) {
    const bool g24 = TeilnehmerIs2G4(&p);
    const int aktiv = p.KanalAktiv >= 1 && p.KanalAktiv <= 3 ? p.KanalAktiv : 1;
    for (int c = TeilnSpalteKanal1; c < TeilnSpalteKanal1 + 3; ++c) {
        ZellMarkeTyp& m = MarkeSetzen(z, c);
        m.Ausrichtung = ZellAusrichtung::Mitte;
        if (g24) continue;
        const std::string kanal = L_STR_Unblank(p.Kanal[c - TeilnSpalteKanal1 + 1]);
        if (k.Max > 1 && !kanal.empty() && kanal != Kanal2G4) {
            const int n = k.Anzahl(kanal);
            if (n <= 1 || n >= k.Max) {
                m.Fett = true;
                m.Schrift = n <= 1 ? GruenKanal : RotKanal;
            }
        }
        if (c == aktiv + TeilnSpalteKanal1 - 1)
            m.Rahmen = RahmenKanal;
        else
            m.Schattiert = true;
    }
    for (int c = TeilnSpalteHelfer1; c < TeilnSpalteHelfer1 + 3; ++c) {
        const std::string name = L_STR_Unblank(z.Texte[static_cast<std::size_t>(c)]);
        if (!name.empty() && !k.Namen.count(L_STR_Upcase(name))) MarkeSetzen(z, c).Grund = GrauHelfer;
    }
}

void WertungZellen(TabellenZeileTyp& z, const TabelleTyp& t, WettbewerbTyp* Wett, int Tab,
                   const TeilnehmerTyp& p, const WertSpaltenTyp& spalten, bool strafe) {
    const int n = Wett->DurchgangNr;
    if (n < 1 || n > MaxDurchgaenge) return;
    DurchgangTyp* d = GetDurchgangPtr(Wett, n);
    WertungTyp* erst = GetWertungPtr(Wett, d, p.EdvNr);
    WertungTyp* w = Tab == TabRefly ? DatenWertungGetPtr(d, p.EdvNr, 1) : erst;
    const int erste = t.FixeSpalten;
    const std::vector<std::string> berechnet =
        Tab == TabRefly ? DispReflyBerechnet(w, erst) : DispWertungBerechnet(Wett, n, w, strafe);
    for (std::size_t k = 0; k < berechnet.size() && 4 + static_cast<int>(k) < erste; ++k) {
        const int c = 4 + static_cast<int>(k);
        z.Texte[static_cast<std::size_t>(c)] = PunktZuKomma(berechnet[k]);
        ZellMarkeTyp& m = MarkeSetzen(z, c);
        m.Grund = GrauRechenzelle;
        m.Ausrichtung = ZellAusrichtung::Rechts;
    }
    if (w) {
        const std::vector<std::string> werte = DispWertungWerte(Wett, w, spalten);
        const std::vector<std::string> hinweise = GetEingabeHinweise(Wett, n, w, spalten);
        for (int k = 0; k < spalten.Anzahl() && erste + k < t.AnzahlSpalten(); ++k) {
            const std::size_t i = static_cast<std::size_t>(k);
            z.Texte[static_cast<std::size_t>(erste + k)] = PunktZuKomma(werte[i]);
            if (i < hinweise.size() && !hinweise[i].empty()) {
                ZellMarkeTyp& m = MarkeSetzen(z, erste + k);
                m.Grund = GelbUnplausibel;
                m.Hinweis = hinweise[i];
            }
        }
        z.Art = ZeilenArt::Eintrag;
        z.Editierbar = true;
    }
}

void ErgebnisZellen(TabellenZeileTyp& z, const TabelleTyp& t, WettbewerbTyp* Wett, int Tab,
                    const TeilnehmerTyp& p, const MannschaftTyp* Team) {
    std::size_t c = 4;
    const std::size_t spalten = static_cast<std::size_t>(t.AnzahlSpalten());
    const int bis = Tab == TabErgebnis ? Wett->AnzDurchgaenge : Wett->AnzVorrunden;
    for (int dg = 1; dg <= bis && dg <= MaxDurchgaenge && c < spalten; ++dg) {
        WertungTyp* w = GetWertungPtr(Wett, GetDurchgangPtr(Wett, dg), p.EdvNr);
        const double v = w ? w->ErgebnisPunkte - w->Strafpunkte : 0.0;
        const bool streichbar = !w || w->KannStreicherSein;
        z.Texte[c++] = streichbar ? Zahl(v, 7, 10) : "!" + Zahl(v, 6, 10);
    }
    std::string gesamt = Zahl(p.Punkte, 7, 10);
    const int jugFlyOff = Wett->AnzDurchgaenge - Wett->AnzVorrunden - Wett->AnzSeniorenFlyOff;
    if (Tab == TabErgebnis && p.PunkteEndrunde > 0)
        gesamt = L_STR_Unblank(gesamt) + "+" + Zahl(p.PunkteEndrunde, 3, 10);
    else if (jugFlyOff >= 2 && p.PunkteEndrundeJugend > 0)
        gesamt = L_STR_Unblank(gesamt) + "+" + Zahl(p.PunkteEndrundeJugend, 3, 10);
    if (c < spalten) z.Texte[c++] = gesamt;
    if (Tab == TabTeamergebnis) {
        if (Team && c < spalten) z.Texte[c++] = Zahl(Team->Punkte, 6, 10, 2);
    } else if (Wett->Teilwertung && c < spalten) {
        z.Texte[c++] = Zahl(p.ExportPunkte[GetExportPunkteIndex()], 6, 6, 2);
    }
}

// ------------------------------------------------------------ the lists

// Tabs 0, 1, 3, 4, 5 and 6: the participants in the tab's order, one row each,
// with an empty row between two groups of the start order.
void ListenZeilen(TabelleTyp& t, WettbewerbTyp* Wett, int Tab, const ReiterOptionen& o) {
    for (TeilnehmerTyp* p = Wett->TeilnehmerRootPtr; p; p = p->next) p->ZeilenNr[Tab] = 0;
    const int s = Wett->Sortierung[Tab];
    const int n = Wett->DurchgangNr;
    const bool flyOff = DurchgangIstFlyOff(Wett, n) > 0 || DurchgangIstFlyOffJugend(Wett, n) > 0;
    const bool teamSpalte = (Tab == TabStartreihenfolge && o.TeamInStartliste) || Tab == TabTeamergebnis;
    const int spalten = t.AnzahlSpalten();
    const WertSpaltenTyp wertSpalten = Tab == TabWertung || Tab == TabRefly ? GetWertSpalten(Wett) : WertSpaltenTyp{};
    const bool strafe = Tab == TabWertung && Wett->RegelPtr && GetStrafpunkteInDurchgang(Wett, n);
    std::optional<KanalZaehlung> kanaele;
    if (Tab == TabTeilnehmer) kanaele.emplace(Wett);
    // Each pilot's team, found for all in one walk of the teams.
    const TeamsDerTeilnehmer teams(teamSpalte ? Wett->MannschaftRootPtr : nullptr);

    std::string k0, k1;
    InfoTeilnehmerTyp info;
    bool erster = true;
    int vorherGruppe = 0;
    for (TeilnehmerTyp* p = GetFirstTeilnehmer(Wett, s, info); p; p = GetNextTeilnehmer(info)) {
        const int gruppe = GruppeIn(p, n);
        if (erster) {
            vorherGruppe = gruppe;
            erster = false;
        }
        // A new group opens after an empty row, also when the pilot before was filtered out.
        if (s == SortGruppe && gruppe != vorherGruppe) t.Zeilen.push_back(NeueZeile(ZeilenArt::Trenner, spalten));
        vorherGruppe = gruppe;

        if (!o.Jugendliche && p->Jugendlich) continue;
        if (!o.Senioren && !p->Jugendlich) continue;
        if (flyOff && gruppe != 1 && Tab != TabErgebnis) continue;

        t.Zeilen.push_back(NeueZeile(ZeilenArt::Teilnehmer, spalten));
        TabellenZeileTyp& z = t.Zeilen.back();
        z.EdvNr = p->EdvNr;
        p->ZeilenNr[Tab] = t.AnzahlZeilen();
        z.Texte[TeilnSpalteName] = CnvNameTypToNameStr(&p->Name, true);
        std::string verein = p->Verein;
        const MannschaftTyp* m = teams(p->EdvNr);
        if (teamSpalte) verein = m ? m->Name : "Verein: " + p->Verein;
        z.Texte[TeilnSpalteVerein] = verein;

        if (Tab == TabTeilnehmer || Tab == TabStartreihenfolge) {
            for (int c = TeilnSpalteKanal1; c < TeilnSpalten; ++c) z.Texte[static_cast<std::size_t>(c)] = TeilnehmerZellText(*p, c);
            if (kanaele) TeilnehmerMarken(z, *p, *kanaele);
            z.Editierbar = Tab == TabTeilnehmer;
        } else if (Tab == TabWertung || Tab == TabRefly) {
            WertungZellen(z, t, Wett, Tab, *p, wertSpalten, strafe);
        } else {
            ErgebnisZellen(z, t, Wett, Tab, *p, m);
        }

        // columns 0 and 1 by the list's order; outside the fly-off group a
        // pilot has no group in a fly-off round
        const std::string gruppeText =
            flyOff && gruppe == 0
                ? std::string()
                : std::to_string(gruppe) + " (" + std::to_string(GetTeilnehmerStartPlatzNr(Wett, p, n)) + ")";
        std::string t0, t1;
        switch (s) {
        case SortMeldgNr: k0 = "Meldg."; t0 = std::to_string(p->MeldgNr); k1 = "Startnr."; t1 = std::to_string(p->StartNr); break;
        case SortGruppe: k0 = "Gruppe"; t0 = gruppeText; k1 = "Startnr."; t1 = std::to_string(p->StartNr); break;
        case SortPlatz:
            k0 = "Platz";
            t0 = PlatzText(p->PlatzNrFlyOff >= 1 ? p->PlatzNrFlyOff : p->PlatzNr);
            k1 = "Jugend";
            t1 = PlatzText(p->PlatzNrFlyOffJugend >= 1 ? p->PlatzNrFlyOffJugend : p->PlatzNrJugend);
            break;
        case SortTeam:
            k0 = "Platz";
            t0 = PlatzText(p->PlatzTeamWertung);
            k1 = "gewertet";
            t1 = p->TeilDerTeamWertung ? "*" : " ";
            break;
        default: k0 = "Startnr."; t0 = std::to_string(p->StartNr); k1 = "Gruppe"; t1 = gruppeText; break;
        }
        z.Texte[0] = t0;
        z.Texte[1] = t1;
    }
    // The headers of the number columns follow the order once a pilot is listed.
    if (!k0.empty()) {
        t.Spalten[0].Kopf = k0;
        t.Spalten[1].Kopf = k1;
    }
}

// Tab 2: a row per team number, the team's name and members by name.
void MannschaftZeilen(TabelleTyp& t, WettbewerbTyp* Wett) {
    const std::vector<int> nummern = MannschaftZeilenNummern(Wett);
    const int spalten = t.AnzahlSpalten();
    std::unordered_map<int, int> zeileVon;
    for (std::size_t k = 0; k < nummern.size(); ++k) {
        t.Zeilen.push_back(NeueZeile(ZeilenArt::Mannschaft, spalten));
        TabellenZeileTyp& z = t.Zeilen.back();
        z.MannschaftNr = nummern[k];
        z.Editierbar = true;
        z.Texte[0] = std::to_string(nummern[k]);
        zeileVon.emplace(nummern[k], static_cast<int>(k));
    }
    if (!Wett) return;
    // Of two teams with the same number the first one, the one a typed row is written back to.
    std::unordered_set<int> gezeigt;
    const std::unordered_map<int, TeilnehmerTyp*> piloten = TeilnehmerNachEdvNr(Wett);
    for (MannschaftTyp* m = Wett->MannschaftRootPtr; m; m = m->next) {
        const auto r = zeileVon.find(m->Nr);
        if (r == zeileVon.end() || !gezeigt.insert(m->Nr).second) continue;
        TabellenZeileTyp& z = t.Zeilen[static_cast<std::size_t>(r->second)];
        z.Texte[MannschSpalteName] = m->Name;
        for (int j = 1; j <= MaxMannschaftMitglieder && j + 1 < spalten; ++j) {
            if (m->TeilnehmerEdvNr[j] == 0) continue;
            const auto p = piloten.find(m->TeilnehmerEdvNr[j]);
            z.Texte[static_cast<std::size_t>(j + 1)] =
                p != piloten.end() ? CnvNameTypToNameStr(&p->second->Name, true) : std::string();
        }
    }
}

void MannschaftSpaltenSetzen(TabelleTyp& t) {
    t.Spalten.push_back(Spalte("", BreiteNummer));
    t.Spalten.push_back(Spalte("Teamname", BreiteVerein, false, true));
    t.Spalten.push_back(Spalte("Pilot/Teamleiter", BreiteName, false, true));
    for (int j = 2; j <= 4; ++j) t.Spalten.push_back(Spalte(std::to_string(j - 1) + ". Helfer/Teilnehmer", BreiteName, false, true));
    for (int j = 5; j <= MaxMannschaftMitglieder; ++j)
        t.Spalten.push_back(Spalte(std::to_string(j - 1) + ". Teilnehmer", BreiteName, false, true));
    t.FixeSpalten = 1;
}

} // namespace

int GefroreneSpalten(int Tab) {
    // The sheets typed into row by row across many columns keep the row's
    // numbers and the pilot's name in sight.
    return Tab == TabTeilnehmer || Tab == TabWertung || Tab == TabRefly ? TeilnSpalteName + 1 : 0;
}

int ReiterZeilenZahl(const WettbewerbTyp* Wett, int Tab) {
    const int b0 = Wett ? GetAnzTeilnehmer(Wett->TeilnehmerRootPtr) : 0;
    const int b = b0 < 45 ? 50 : b0;
    const int a = Wett && Wett->AnzTeilnGruppe > 0 ? b0 / Wett->AnzTeilnGruppe + 1 : 1;
    switch (Tab) {
    case TabTeilnehmer: return b + 4;
    case TabStartreihenfolge: return b + 1 + a;
    case TabWertung:
    case TabRefly: return (Wett ? GetTeilnehmerAnzahl(Wett->TeilnehmerRootPtr) : 0) + 49;
    case TabErgebnis:
    case TabTeamergebnis: return b + 1;
    default: return 0;
    }
}

TabelleTyp ReiterTabelle(WettbewerbTyp* Wett, int Tab, const ReiterOptionen& Optionen) {
    TabelleTyp t;
    switch (Tab) {
    case TabTeilnehmer:
    case TabStartreihenfolge: TeilnehmerSpalten(t, Tab, Optionen); break;
    case TabMannschaft:
        MannschaftSpaltenSetzen(t);
        MannschaftZeilen(t, Wett);
        return t;
    case TabWertung:
    case TabRefly: WertungSpalten(t, Wett, Tab); break;
    case TabErgebnis:
    case TabTeamergebnis: ErgebnisSpaltenSetzen(t, Wett, Tab); break;
    default: return t;
    }
    if (Wett) ListenZeilen(t, Wett, Tab, Optionen);
    // Free rows below the list; the participant sheet keeps five below its last pilot.
    int zeilen = ReiterZeilenZahl(Wett, Tab);
    if (Tab == TabTeilnehmer) zeilen = std::max(zeilen, t.AnzahlZeilen() + 5);
    while (t.AnzahlZeilen() < zeilen) {
        t.Zeilen.push_back(NeueZeile(ZeilenArt::Frei, t.AnzahlSpalten()));
        t.Zeilen.back().Editierbar = Tab == TabTeilnehmer;
    }
    if (Tab == TabErgebnis || Tab == TabTeamergebnis) LeereSpaltenVerbergen(t, 2);
    t.GefroreneSpalten = GefroreneSpalten(Tab);
    return t;
}

} // namespace tavuran
