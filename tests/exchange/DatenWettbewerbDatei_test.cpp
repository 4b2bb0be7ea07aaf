// Reading and writing whole competition files in formats 1, 2 and 3.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/UiHooks.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/DateiPruefung.h"
#include "exchange/Pfade.h"
#include "exchange/WtbTestHilfen.h"
#include "rules/RegelLookup.h"

using namespace tavuran;
using namespace wtbtest;

namespace {

// Records the messages the model shows.
struct Meldungen {
    std::vector<std::string> Texte;
    Meldungen() {
        UiHooks h;
        h.Meldung = [this](const std::string& t) { Texte.push_back(t); };
        SetUiHooks(h);
    }
    ~Meldungen() { ResetUiHooks(); }
};

const TeilnehmerTyp* Teilnehmer(const WettbewerbTyp* w, int EdvNr) {
    for (const TeilnehmerTyp* p = w->TeilnehmerRootPtr; p; p = p->next)
        if (p->EdvNr == EdvNr) return p;
    return nullptr;
}

int AnzahlTeilnehmerRecords(const WettbewerbTyp* w) {
    int n = 0;
    for (const TeilnehmerTyp* p = w->TeilnehmerRootPtr; p; p = p->next) ++n;
    return n;
}

const WertungTyp* Eintrag(const WettbewerbTyp* w, int Durchgang, int EdvNr, int ReflyOrder) {
    for (const DurchgangTyp* d = w->DurchgangRootPtr; d; d = d->next)
        if (d->Nr == Durchgang) return DatenWertungGetPtr(const_cast<DurchgangTyp*>(d), EdvNr, ReflyOrder);
    return nullptr;
}

std::vector<std::string> Utf8Zeilen(WettbewerbTyp* w, int format) {
    bool ersetzt = false;
    std::vector<std::string> z;
    for (const std::string& b : ByteZeilen(DatenWettbewerbText(w, format, ersetzt)))
        z.push_back(ZeileAusDatei(b, format));
    return z;
}

std::vector<std::string> ZeilenMit(const std::vector<std::string>& zeilen, const std::string& key) {
    std::vector<std::string> r;
    for (const std::string& z : zeilen)
        if (z.rfind(key, 0) == 0) r.push_back(z);
    return r;
}

int Felder(std::string value) {
    int n = 0;
    std::string_view rest = value;
    while (!rest.empty()) {
        FeldAbtrennen(rest);
        ++n;
    }
    return n;
}

// Swaps the two lines that begin with key.
std::vector<std::string> ZweiGetauscht(std::vector<std::string> zeilen, const std::string& key) {
    std::vector<std::size_t> pos;
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        if (zeilen[i].rfind(key, 0) == 0) pos.push_back(i);
    EXPECT_EQ(pos.size(), 2u) << key;
    if (pos.size() == 2) std::swap(zeilen[pos[0]], zeilen[pos[1]]);
    return zeilen;
}

// n fields '0' each preceded by a comma.
std::string Nullen(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += ",'0'";
    return s;
}

// The lines of an older file as this program writes them: header of version 1, closing line.
std::vector<std::string> MitSchluss(std::vector<std::string> zeilen) {
    zeilen.front().back() = '1';
    zeilen.push_back("DATEIENDE:     '" + std::to_string(zeilen.size() + 1) + "'");
    return zeilen;
}

std::string Verbinden(const std::vector<std::string>& zeilen) {
    std::string b;
    for (const std::string& z : zeilen) b += z + "\r\n";
    return b;
}

// ----------------------------------------------------------- the two examples

TEST(WettbewerbsDatei, BeispielFormat3Lesen) {
    const std::string bytes = LiesBytes(DatenPfad("wtb/beispiel_format3.wtb"));
    Geladen w(bytes, "/ordner/pokal.wtb");
    ASSERT_EQ(w.Ergebnis, LadenOk);
    EXPECT_EQ(w->FileFormatNr, 3);
    EXPECT_EQ(w->WettbewerbFileNamen[0], "/ordner/pokal.wtb");
    EXPECT_EQ(w->Name, "Frühjahrspokal");
    EXPECT_EQ(w->Datum, (DateRec{12, 4, 2025}));
    EXPECT_EQ(w->ByNummer, "BY 17/2025");
    ASSERT_NE(w->RegelPtr, nullptr);
    EXPECT_EQ(w->RegelPtr->Name, "F5J (B-Mod 2025)");
    EXPECT_EQ(w->Status, 70);
    EXPECT_EQ(w->AnzDurchgaenge, 8);
    EXPECT_EQ(w->AnzVorrunden, 6);
    EXPECT_EQ(w->AnzSeniorenFlyOff, 2);
    EXPECT_EQ(w->Organisationsleiter, (NameTyp{"", "Hans", "Muster"}));
    EXPECT_EQ(w->Wettbewerbsleiter, (NameTyp{"Dr.", "Eva", "Beispiel"}));
    EXPECT_EQ(w->PunktRichterName[1], (NameTyp{"", "Paul", "Probe"}));
    EXPECT_DOUBLE_EQ(w->Parameter[1], 600);
    EXPECT_DOUBLE_EQ(w->Parameter[11], 0.5);
    EXPECT_DOUBLE_EQ(w->Parameter[16], -1);
    EXPECT_EQ(w->WinPosWidth, 1200);
    EXPECT_EQ(w->StreicherAbDurchg, 6);

    // The list is filled at its head: the last participant line comes first.
    ASSERT_NE(w->TeilnehmerRootPtr, nullptr);
    EXPECT_EQ(w->TeilnehmerRootPtr->EdvNr, 1);
    const TeilnehmerTyp* max = Teilnehmer(w.w, 1);
    ASSERT_NE(max, nullptr);
    EXPECT_EQ(max->Name, (NameTyp{"", "Max", "Muster"}));
    EXPECT_TRUE(max->Jugendlich);
    EXPECT_EQ(max->Land.Nation, "GER");
    EXPECT_EQ(max->Helfer[1], (NameTyp{"", "Hans", "Muster"}));
    EXPECT_EQ(max->Modell[1], "Segler A");
    EXPECT_EQ(max->Gruppe[1], 1);
    EXPECT_EQ(max->Gruppe[2], 2);
    EXPECT_EQ(max->Startplatz[3], 2);

    ASSERT_NE(w->MannschaftRootPtr, nullptr);
    EXPECT_EQ(w->MannschaftRootPtr->Name, "Team Süd");
    EXPECT_EQ(w->MannschaftRootPtr->TeilnehmerEdvNr[2], 2);

    const WertungTyp* e = Eintrag(w.w, 1, 1, 0);
    ASSERT_NE(e, nullptr);
    EXPECT_DOUBLE_EQ(e->WertungDurchg[1], 600);
    EXPECT_DOUBLE_EQ(e->WertungDurchg[2], 185);
    EXPECT_DOUBLE_EQ(e->WertungPunktr[1], 0.4);
    // The group of an entry is the participant's group in that round.
    EXPECT_EQ(w->DurchgangRootPtr->GruppePtr->Nr, 1);
    // Result lines are not read when a competition is opened.
    EXPECT_DOUBLE_EQ(Teilnehmer(w.w, 2)->Punkte, 0);
}

TEST(WettbewerbsDatei, BeispielFormat3WiederGeschrieben) {
    const std::string bytes = LiesBytes(DatenPfad("wtb/beispiel_format3.wtb"));
    Geladen w(bytes);
    ASSERT_EQ(w.Ergebnis, LadenOk);
    // The results as the evaluation would leave them: taken from the file's result lines.
    for (const std::string& z : ByteZeilen(bytes)) {
        if (z.rfind("ERGEBNIS:", 0) != 0) continue;
        std::string_view rest = ZeileZerlegen(z).Value;
        const int nr = DateiInteger(SpalteErstenWertAusZeileAb(rest));
        SetTeilnehmerErgebnisDaten(GetTeilnehmerEdvNr(w.w, nr), rest);
    }
    w->CalcWertung = false;
    bool ersetzt = true;
    const std::string neu = DatenWettbewerbText(w.w, 3, ersetzt);
    EXPECT_FALSE(ersetzt);
    const std::vector<std::string> erwartet =
        MitSchluss(ZweiGetauscht(ZweiGetauscht(ByteZeilen(bytes), "TEILNEHMER:"), "ERGEBNIS:"));
    EXPECT_EQ(ByteZeilen(neu), erwartet);
    EXPECT_EQ(neu, Verbinden(erwartet)); // CR LF after every line, the last one included
}

TEST(WettbewerbsDatei, BeispielFormat1LesenUndSchreiben) {
    const std::string bytes = LiesBytes(DatenPfad("wtb/beispiel_format1.wtb"));
    Geladen w(bytes);
    ASSERT_EQ(w.Ergebnis, LadenOk);
    EXPECT_EQ(w->FileFormatNr, 1);
    EXPECT_EQ(w->Name, "Frühjahrspokal");
    EXPECT_EQ(w->Datum, (DateRec{12, 4, 2025}));
    EXPECT_EQ(w->AnzDurchgaenge, 8); // key DURCHGÄNGE with the DOS byte of Ä
    ASSERT_NE(w->RegelPtr, nullptr);
    EXPECT_EQ(w->RegelPtr->Name.rfind("F5J", 0), 0u);
    // The unquoted status and judge lines of this format are read as written.
    EXPECT_EQ(w->Status, 70);
    EXPECT_EQ(w->Warnstufe, 0);
    EXPECT_EQ(w->PunktRichterName[1], (NameTyp{"", "Paul", "Probe"}));
    EXPECT_EQ(w->Organisationsleiter, (NameTyp{"", "Hans", "Muster"}));
    EXPECT_EQ(w->Wettbewerbsleiter, (NameTyp{"Dr.", "Eva", "Beispiel"}));
    const TeilnehmerTyp* eva = Teilnehmer(w.w, 2);
    ASSERT_NE(eva, nullptr);
    EXPECT_EQ(eva->Name, (NameTyp{"", "Eva", "Beispiel"}));
    EXPECT_EQ(eva->Kanal[3], eva->Kanal[1]);
    EXPECT_EQ(eva->Gruppe[5], 2);
    EXPECT_EQ(eva->Gruppe[6], 1);
    EXPECT_EQ(w->MannschaftRootPtr->TeilnehmerEdvNr[1], 1);
    EXPECT_EQ(w->MannschaftRootPtr->TeilnehmerEdvNr[2], 2);
    ASSERT_NE(Eintrag(w.w, 1, 1, 0), nullptr);

    bool ersetzt = true;
    const std::string neu = DatenWettbewerbText(w.w, 1, ersetzt);
    EXPECT_FALSE(ersetzt);
    EXPECT_EQ(ByteZeilen(neu), MitSchluss(ZweiGetauscht(ByteZeilen(bytes), "TEILNEHMER:")));
}

// ------------------------------------------------------- all three formats

// A competition that uses every stored field.
WettbewerbTyp* Reich() {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->Name = "Frühjahrs-Cup 2025";
    w->Datum = {5, 3, 2025};
    w->ByNummer = "BY 1/2025";
    DatenRegelLoad(w->RegelPtr, "F3J (B-Mod 2025)", &w->Datum);
    w->Status = 60;
    w->Warnstufe = 2;
    w->AnzDurchgaenge = 7;
    w->AnzPunktrichter = 3;
    w->AnzTeilnGruppe = 10;
    w->AnzVorrunden = 5;
    w->AnzTeilnInEndRunde = 10;
    w->AnzJugInEndRunde = 4;
    w->Organisationsleiter = {"Dr.", "Hans", "Muster"};
    w->Wettbewerbsleiter = {"", "Eva", "Beispiel"};
    w->Parameter[1] = 600;
    w->Parameter[2] = 0.25;
    w->Parameter[16] = 3.5;
    w->Gruppenstart = false;
    w->AnzGewDurchgaenge = 4;
    w->AnzSeniorenFlyOff = 2;
    w->DurchgangNr = 3;
    w->StreicherAbDurchg = 4;
    w->PermntNullMode = 3;
    w->PunktRichterName[1] = {"", "Paul", "Probe"};
    w->PunktRichterName[2] = {"Prof.", "Ida", "Klein"};
    // Stored in format 3 only.
    w->WinPosLeft = 10;
    w->WinPosHeight = 700;
    w->KanWinAktiv = 1;
    w->WinState = WinStateTyp::Maximized;
    w->Sortierung[6] = 5;
    w->VorrundenPromille = false;
    w->DurchgangPromille = false;
    w->DurchgangAlias[1] = "Auftakt";
    w->DurchgangAlias[7] = "Mitte";
    w->DurchgangAlias[18] = "Finale";
    w->AnzNachkomma = 2;
    w->Teilwertung = false;
    w->WettbewerbFileNamen[1] = GetStandardPfad() + "ergebnis.html";
    w->WettbewerbFileNamen[4] = "/anderswo/team.html";
    w->WettbewerbParFileName = GetStandardPfad() + "kopie/pokal.wtb";
    w->WettbewerbParFileEnbl = true;
    w->BackUpHistory = true;
    w->BonusTeilnehmer = true;
    w->Orientierung = 1;
    w->GroesseSchrift = 12;
    w->AnzahlTeilnehmerDrucken = 30;
    w->TeamwertungStatus = 2;
    w->ImportIndexStr = "abc;def";
    w->WettbewerbImportFileName[3] = GetStandardPfad() + "runde3.wtb";
    w->WettbewerbImportFileName[30] = "/x/runde30.wtb";

    for (int nr : {1, 2}) {
        TeilnehmerTyp* p = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, nr, true);
        p->Name = {nr == 1 ? "Dr." : "", nr == 1 ? "Max" : "Eva", nr == 1 ? "Muster" : "Beispiel"};
        p->Verein = nr == 1 ? "MFC Beispiel, Abt. Segelflug" : "FSV Musterstadt";
        p->Land = {"AUT", "Tirol", "Innsbruck"};
        p->Kanal[1] = "35";
        p->Kanal[2] = "2G4";
        p->Kanal[3] = "40";
        p->KanalAktiv = 3;
        p->MeldgNr = 10 + nr;
        p->StartNr = 20 + nr;
        for (int r = 1; r <= 30; ++r) p->Gruppe[r] = (r + nr) % 3 + 1;
        for (int r = 1; r <= 30; ++r) p->Startplatz[r] = nr;
        p->Jugendlich = nr == 2;
        p->Helfer[1] = {"", "Hugo", "Helfer"};
        p->Helfer[3] = {"Ing.", "Lea", "Lauf"};
        p->Modell[1] = "Segler A";
        p->Modell[2] = "Segler B";
        p->Verband = "DMFV";
    }
    MannschaftTyp* m = DatenMannschaftNew();
    DatenMannschaftDefault(m);
    m->Nr = 4;
    m->Name = "Team Süd";
    m->TeilnehmerEdvNr[1] = 2;
    m->TeilnehmerEdvNr[2] = 1;
    w->MannschaftRootPtr = m;

    DurchgangTyp* d = DatenDurchgangGetPtr(w->DurchgangRootPtr, 2);
    const TeilnehmerTyp* max = GetTeilnehmerEdvNr(w, 1);
    GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, max->Gruppe[2], 0);
    WertungTyp* e = DatenWertungInGroupGetPtr(d, g, 1);
    e->WertungDurchg[1] = 598.25;
    e->WertungDurchg[6] = -2;
    e->WertungPunktr[16] = 7.5;
    e->Strafpunkte = 100;
    GruppeTyp* refly = DatenGruppeGetPtr(d->GruppePtr, max->Gruppe[2], 1);
    WertungTyp* r = DatenWertungInGroupGetPtr(d, refly, 1);
    r->WertungDurchg[1] = 300;
    r->ReflyVerursacher = true;
    return w;
}

class AlleFormate : public testing::TestWithParam<int> {
  protected:
    void SetUp() override { SetStandardPfad(NeuerOrdner("std")); }
    void TearDown() override { SetStandardPfad(""); }
};

TEST_P(AlleFormate, GeschriebenesWirdWiederGelesen) {
    const int f = GetParam();
    WettbewerbTyp* quelle = Reich();
    bool ersetzt = true;
    const std::string bytes = DatenWettbewerbText(quelle, f, ersetzt);
    EXPECT_FALSE(ersetzt);
    Geladen w(bytes);
    ASSERT_EQ(w.Ergebnis, LadenOk);
    const WettbewerbTyp& a = *quelle;
    const WettbewerbTyp& b = *w.w;

    EXPECT_EQ(b.FileFormatNr, f);
    EXPECT_EQ(b.Name, a.Name);
    EXPECT_EQ(b.Datum, a.Datum);
    EXPECT_EQ(b.ByNummer, a.ByNummer);
    ASSERT_NE(b.RegelPtr, nullptr);
    EXPECT_EQ(b.RegelPtr->EdvNr, a.RegelPtr->EdvNr);
    EXPECT_EQ(b.Status, 60);
    EXPECT_EQ(b.Warnstufe, 2);
    EXPECT_EQ(b.AnzDurchgaenge, 7);
    EXPECT_EQ(b.AnzPunktrichter, 3);
    EXPECT_EQ(b.AnzTeilnGruppe, 10);
    EXPECT_EQ(b.AnzVorrunden, 5);
    EXPECT_EQ(b.AnzTeilnInEndRunde, 10);
    EXPECT_EQ(b.AnzJugInEndRunde, 4);
    EXPECT_EQ(b.Organisationsleiter, a.Organisationsleiter);
    EXPECT_EQ(b.Wettbewerbsleiter, a.Wettbewerbsleiter);
    EXPECT_EQ(b.Parameter, a.Parameter);
    EXPECT_EQ(b.Gruppenstart, false);
    EXPECT_EQ(b.AnzGewDurchgaenge, 4);
    EXPECT_EQ(b.AnzSeniorenFlyOff, 2);
    EXPECT_EQ(b.DurchgangNr, 3);
    EXPECT_EQ(b.StreicherAbDurchg, 4);
    EXPECT_EQ(b.PermntNullMode, 3);
    EXPECT_EQ(b.PunktRichterName, a.PunktRichterName);

    const TeilnehmerTyp* pa = Teilnehmer(quelle, 1);
    const TeilnehmerTyp* pb = Teilnehmer(w.w, 1);
    ASSERT_NE(pb, nullptr);
    EXPECT_EQ(pb->Name, pa->Name);
    EXPECT_EQ(pb->Verein, pa->Verein);
    EXPECT_EQ(pb->Land.Bundesland, "Tirol");
    EXPECT_EQ(pb->Kanal[1], "35");
    EXPECT_EQ(pb->Kanal[2], "2G4");
    EXPECT_EQ(pb->MeldgNr, 11);
    EXPECT_EQ(pb->StartNr, 21);
    EXPECT_EQ(Teilnehmer(w.w, 2)->Jugendlich, true);
    const int gruppen = f == 1 ? 10 : 30;
    for (int r = 1; r <= 30; ++r) EXPECT_EQ(pb->Gruppe[r], r <= gruppen ? pa->Gruppe[r] : 0) << r;
    ASSERT_NE(b.MannschaftRootPtr, nullptr);
    EXPECT_EQ(b.MannschaftRootPtr->Nr, 4);
    EXPECT_EQ(b.MannschaftRootPtr->Name, "Team Süd");
    EXPECT_EQ(b.MannschaftRootPtr->TeilnehmerEdvNr, a.MannschaftRootPtr->TeilnehmerEdvNr);

    const WertungTyp* e = Eintrag(w.w, 2, 1, 0);
    ASSERT_NE(e, nullptr);
    EXPECT_DOUBLE_EQ(e->WertungDurchg[1], 598.25);
    EXPECT_DOUBLE_EQ(e->WertungDurchg[6], -2);
    EXPECT_DOUBLE_EQ(e->WertungPunktr[16], 7.5);
    EXPECT_EQ(e->Strafpunkte, 100);
    const WertungTyp* r = Eintrag(w.w, 2, 1, 1);
    ASSERT_NE(r, nullptr);
    EXPECT_DOUBLE_EQ(r->WertungDurchg[1], 300);
    // Formats 1 and 2 mark a reflight by a negative round and keep no causer.
    EXPECT_EQ(r->ReflyVerursacher, f == 3);

    if (f >= 2) {
        EXPECT_EQ(pb->Kanal[3], "40");
        EXPECT_EQ(pb->KanalAktiv, 3);
        EXPECT_EQ(pb->Land, pa->Land);
        EXPECT_EQ(pb->Helfer, pa->Helfer);
        EXPECT_EQ(pb->Modell, pa->Modell);
        EXPECT_EQ(pb->Verband, "DMFV");
    } else {
        EXPECT_EQ(pb->Kanal[3], "35");
        EXPECT_EQ(pb->Land.Nation, "");
    }
    if (f == 3) {
        EXPECT_EQ(pb->Startplatz, pa->Startplatz);
        EXPECT_EQ(b.WinPosLeft, 10);
        EXPECT_EQ(b.WinPosHeight, 700);
        EXPECT_EQ(b.KanWinAktiv, 1);
        EXPECT_EQ(b.WinState, WinStateTyp::Maximized);
        EXPECT_EQ(b.Sortierung[6], 5);
        EXPECT_FALSE(b.VorrundenPromille);
        EXPECT_FALSE(b.DurchgangPromille);
        EXPECT_EQ(b.DurchgangAlias, a.DurchgangAlias);
        EXPECT_EQ(b.AnzNachkomma, 2);
        EXPECT_FALSE(b.Teilwertung);
        EXPECT_EQ(b.WettbewerbFileNamen[1], a.WettbewerbFileNamen[1]);
        EXPECT_EQ(b.WettbewerbFileNamen[4], a.WettbewerbFileNamen[4]);
        EXPECT_EQ(b.WettbewerbParFileName, a.WettbewerbParFileName);
        EXPECT_TRUE(b.WettbewerbParFileEnbl);
        EXPECT_TRUE(b.BackUpHistory);
        EXPECT_TRUE(b.BonusTeilnehmer);
        EXPECT_EQ(b.Orientierung, 1);
        EXPECT_EQ(b.GroesseSchrift, 12);
        EXPECT_EQ(b.AnzahlTeilnehmerDrucken, 30);
        EXPECT_EQ(b.TeamwertungStatus, 2);
        EXPECT_EQ(b.ImportIndexStr, "abc;def");
        EXPECT_EQ(b.WettbewerbImportFileName, a.WettbewerbImportFileName);
    } else {
        EXPECT_EQ(pb->Startplatz[1], 0);
        EXPECT_EQ(b.WinPosLeft, -1);
        EXPECT_TRUE(b.Teilwertung);
        EXPECT_EQ(b.WettbewerbImportFileName[3], "");
    }
    DatenWettbewerbDispose(quelle);
}

TEST_P(AlleFormate, ZeilenartenUndFeldzahlen) {
    const int f = GetParam();
    WettbewerbTyp* w = Reich();
    const std::vector<std::string> z = Utf8Zeilen(w, f);
    DatenWettbewerbDispose(w);
    ASSERT_FALSE(z.empty());
    EXPECT_EQ(z[0], "ORNALIK Wettbewerbsdaten - Format " + std::to_string(f) + ".1");
    EXPECT_EQ(z.back(), "DATEIENDE:     '" + std::to_string(z.size()) + "'");
    const std::vector<std::string> teilnehmer = ZeilenMit(z, "TEILNEHMER:");
    ASSERT_EQ(teilnehmer.size(), 2u);
    EXPECT_EQ(Felder(std::string(ZeileZerlegen(teilnehmer[0]).Value)), f == 3 ? 87 : f == 2 ? 49 : 19);
    const std::vector<std::string> team = ZeilenMit(z, "MANNSCHAFT:");
    ASSERT_EQ(team.size(), 1u);
    EXPECT_EQ(Felder(std::string(ZeileZerlegen(team[0]).Value)), f == 3 ? 22 : 14);
    const std::vector<std::string> wertung = ZeilenMit(z, "WERTUNG:");
    ASSERT_EQ(wertung.size(), 2u);
    EXPECT_EQ(Felder(std::string(ZeileZerlegen(wertung[0]).Value)), f == 3 ? 26 : 25);
    EXPECT_EQ(ZeilenMit(z, "PUNKTRNAME:").size(), 2u);
    for (const char* nurF3 : {"WINPOS:", "SORTIERUNG:", "NACHKOMMA:", "HTML_EXPORT:", "PARALLEL_SAVE:",
                              "WETT_IMPORT:", "ERGEBNIS:", "IMPORTINDEX:", "TEAM_CONFIG:"})
        EXPECT_EQ(ZeilenMit(z, nurF3).empty(), f != 3) << nurF3;
    if (f < 3) {
        EXPECT_EQ(ZeilenMit(z, "STATUS:")[0], "STATUS:        60,2");
        EXPECT_EQ(ZeilenMit(z, "DATUM:")[0], "DATUM:         05.03.25");
        EXPECT_EQ(ZeilenMit(z, "REGLEMENT:")[0], "REGLEMENT:     F3J");
        EXPECT_EQ(ZeilenMit(z, "ORGANISATION:")[0], "ORGANISATION:  Dr. Hans Muster");
        EXPECT_EQ(ZeilenMit(z, "PUNKTRNAME:")[1], "PUNKTRNAME:    Prof. Ida Klein");
    } else {
        EXPECT_EQ(ZeilenMit(z, "HTML_EXPORT:")[0], "HTML_EXPORT:   '<<STDPATH>>ergebnis.html'");
        EXPECT_EQ(ZeilenMit(z, "HTML_EXPORT_TE:")[0], "HTML_EXPORT_TE:'/anderswo/team.html'");
        EXPECT_EQ(ZeilenMit(z, "WETT_IMPORT:")[0], "WETT_IMPORT:   '3','<<STDPATH>>runde3.wtb'");
        EXPECT_EQ(ZeilenMit(z, "SCHRIFTGROESSE:")[0], "SCHRIFTGROESSE:'12'");
    }
}

// Quotes and per-cent signs in any text survive in every format (format 1
// and 2 write single values without quotes).
TEST_P(AlleFormate, TexteMitAnfuehrungszeichenUndProzent) {
    const int f = GetParam();
    const char* texte[] = {"Mc'Fly's", "'Anfang", "Ende'", "100 %", "50%%", "a%'b, c"};
    for (const char* t : texte) {
        WettbewerbTyp* w = Reich();
        w->Name = t;
        w->ByNummer = t;
        TeilnehmerTyp* p = GetTeilnehmerEdvNr(w, 1);
        p->Verein = t;
        p->Modell[1] = t;
        w->MannschaftRootPtr->Name = t;
        w->DurchgangAlias[2] = t;
        bool ersetzt = false;
        Geladen g(DatenWettbewerbText(w, f, ersetzt));
        DatenWettbewerbDispose(w);
        EXPECT_EQ(g->Name, t) << f;
        EXPECT_EQ(g->ByNummer, t);
        EXPECT_EQ(Teilnehmer(g.w, 1)->Verein, t);
        EXPECT_EQ(Teilnehmer(g.w, 1)->Name.NachnameStr, "Muster");
        EXPECT_EQ(g->MannschaftRootPtr->Name, t);
        if (f >= 2) {
            EXPECT_EQ(Teilnehmer(g.w, 1)->Modell[1], t);
        }
        if (f == 3) {
            EXPECT_EQ(g->DurchgangAlias[2], t);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Format, AlleFormate, testing::Values(1, 2, 3));

// ------------------------------------------------------------- single lines

TEST(WettbewerbsDatei, KopfzeileUndFormatnummer) {
    struct Fall {
        std::string bytes;
        int ergebnis, format, durchgaenge;
    } faelle[] = {
        // Format 4 is unknown: result 13, read on as format 1 (DOS byte of Ä).
        {DateiDos({"ORNALIK Wettbewerbsdaten - Format 4.0", "DURCHGÄNGE:    5"}), LadenFormatUnbekannt, 1, 5},
        // No header first: refused (what was read is format 1; the record
        // keeps its default format number).
        {DateiDos({"DURCHGÄNGE:    8", "NAME:          X"}), LadenOhneKennung, 3, 8},
        {DateiDos({"DURCHGÄNGE:    8"}) + Datei3({"ORNALIK Wettbewerbsdaten - Format 3.0", "DURCHGÄNGE:    '9'"}),
         LadenOhneKennung, 3, 9},
        {DateiDos({"xx ORNALIK Wettbewerbsdaten - Format 2.0 xx", "DURCHGÄNGE:    4"}), LadenOk, 2, 4},
        // Empty lines before the header do not count.
        {"\r\n  \r\n" + Datei3({"ORNALIK Wettbewerbsdaten - Format 3.0", "DURCHGÄNGE:    '9'"}), LadenOk, 3, 9},
        {"", LadenOhneKennung, 3, 6},
    };
    for (const Fall& f : faelle) {
        Geladen w(f.bytes);
        EXPECT_EQ(w.Ergebnis, f.ergebnis) << f.bytes;
        EXPECT_EQ(w->FileFormatNr, f.format) << f.bytes;
        EXPECT_EQ(w->AnzDurchgaenge, f.durchgaenge) << f.bytes;
    }
}

TEST(WettbewerbsDatei, BytereihenfolgeMarkenUndZeilenenden) {
    const std::string utf8 = "ORNALIK Wettbewerbsdaten - Format 3.0\nNAME:          'Grüße aus Łódź'\n";
    std::string utf16le = "\xFF\xFE", utf16be = "\xFE\xFF";
    for (char c : std::string("ORNALIK Wettbewerbsdaten - Format 3.0\r\nNAME:          'Gr")) {
        utf16le += std::string{c, '\0'};
        utf16be += std::string{'\0', c};
    }
    utf16le += std::string("\xFC\0\xDF\0e\0'\0\r\0\n\0", 12);
    utf16be += std::string("\0\xFC\0\xDF\0e\0'\0\r\0\n", 12);
    struct Fall {
        std::string bytes;
        const char* name;
        int ergebnis = LadenOk;
    } faelle[] = {
        {"\xEF\xBB\xBF" + utf8, "Grüße aus Łódź"},
        {utf16le, "Grüße"},
        {utf16be, "Grüße"},
        {"ORNALIK Wettbewerbsdaten - Format 3.0\nNAME:          'Gr\xFC\xDF" "e'", "Grüße"}, // LF only, no end
        // format 1 without header: read, but refused
        {"NAME:          Gr\x81\xE1" "e\r\n", "Grüße", LadenOhneKennung},
    };
    for (const Fall& f : faelle) {
        Geladen w(f.bytes);
        EXPECT_EQ(w.Ergebnis, f.ergebnis);
        EXPECT_EQ(w->Name, f.name);
    }
}

// Characters outside Windows-1252 are kept as numeric character references
// in every format, so a file stays plain Windows-1252.
TEST(WettbewerbsDatei, ZeichenAusserhalbDerCodepage) {
    for (int f = 1; f <= 3; ++f) {
        WettbewerbTyp* w = Reich();
        GetTeilnehmerEdvNr(w, 2)->Verein = "Klub Łódź";
        bool ersetzt = true;
        const std::string bytes = DatenWettbewerbText(w, f, ersetzt);
        EXPECT_FALSE(ersetzt);
        EXPECT_NE(bytes.find("Klub &#321;\xF3" "d&#378;"), std::string::npos) << f;
        Geladen g(bytes);
        EXPECT_EQ(Teilnehmer(g.w, 2)->Verein, "Klub Łódź") << f;
        DatenWettbewerbDispose(w);
    }
}

TEST(WettbewerbsDatei, DatumUndNachkommastellen) {
    struct Fall {
        std::vector<std::string> zeilen;
        DateRec datum;
        int nachkomma;
    } faelle[] = {
        {{"ORNALIK Wettbewerbsdaten - Format 3.0", "NACHKOMMA:     '2'", "DATUM:         '1','1','2004'"}, {1, 1, 2004}, 0},
        {{"ORNALIK Wettbewerbsdaten - Format 3.0", "NACHKOMMA:     '2'", "DATUM:         '1','1','2005'"}, {1, 1, 2005}, 2},
        {{"ORNALIK Wettbewerbsdaten - Format 1.0", "DATUM:         31.12.99"}, {31, 12, 1999}, 0},
        {{"ORNALIK Wettbewerbsdaten - Format 2.0", "DATUM:         0.13.2024"}, {1, 12, 2024}, 1},
        // Format 3 keeps the low bits of day and month, unchecked.
        {{"ORNALIK Wettbewerbsdaten - Format 3.0", "DATUM:         '261','0','2030'"}, {5, 0, 2030}, 1},
    };
    for (const Fall& f : faelle) {
        Geladen w(Datei3(f.zeilen));
        EXPECT_EQ(w->Datum, f.datum) << f.zeilen.back();
        EXPECT_EQ(w->AnzNachkomma, f.nachkomma);
    }
}

TEST(WettbewerbsDatei, StatusZeile) {
    struct Fall {
        std::vector<std::string> zeilen;
        int status, warnstufe;
    } faelle[] = {
        {{"ORNALIK Wettbewerbsdaten - Format 3.0", "STATUS:        '40','1'", "STATUS:        '30','0'"}, 40, 0},
        {{"ORNALIK Wettbewerbsdaten - Format 3.0", "STATUS:        '40','3'", "STATUS:        '60'"}, 60, 0},
        {{"ORNALIK Wettbewerbsdaten - Format 2.0", "STATUS:        60,2"}, 60, 2},
        {{"ORNALIK Wettbewerbsdaten - Format 1.0", "STATUS:        30"}, 30, 0},
        // Without a stored status the mark is derived from the content: here a name only.
        {{"ORNALIK Wettbewerbsdaten - Format 3.0", "NAME:          'X'"}, 20, 0},
    };
    for (const Fall& f : faelle) {
        Geladen w(Datei3(f.zeilen));
        EXPECT_EQ(w->Status, f.status) << f.zeilen[1];
        EXPECT_EQ(w->Warnstufe, f.warnstufe) << f.zeilen[1];
    }
}

TEST(WettbewerbsDatei, PunktrichterFuellenFreiePlaetze) {
    std::vector<std::string> zeilen = {"ORNALIK Wettbewerbsdaten - Format 3.0", "PUNKTRNAME:    'Eins','A',''",
                                       "PUNKTRNAME:    'Drei','C','Dr.'"};
    Geladen zwei(Datei3(zeilen));
    EXPECT_EQ(zwei->PunktRichterName[1], (NameTyp{"", "A", "Eins"}));
    EXPECT_EQ(zwei->PunktRichterName[2], (NameTyp{"Dr.", "C", "Drei"}));
    EXPECT_EQ(zwei->PunktRichterName[3], NameTyp{});

    // Only ten judges fit: an eleventh line is ignored.
    for (int i = 3; i <= 11; ++i) zeilen.push_back("PUNKTRNAME:    'R" + std::to_string(i) + "','',''");
    Geladen elf(Datei3(zeilen));
    EXPECT_EQ(elf->PunktRichterName[10].NachnameStr, "R10");
    EXPECT_EQ(elf->PunktRichterName[1].NachnameStr, "Eins");
    bool ersetzt = false;
    const std::vector<std::string> geschrieben =
        ZeilenMit(ByteZeilen(DatenWettbewerbText(elf.w, 3, ersetzt)), "PUNKTRNAME:");
    EXPECT_EQ(geschrieben.size(), 10u);
}

TEST(WettbewerbsDatei, VerursacherNurInNachfluggruppen) {
    const std::string z16 = ",'0','0','0','0','0','0','0','0','0','0','0','0','0','0','0','0'";
    Geladen w(Datei3({
        "ORNALIK Wettbewerbsdaten - Format 3.0",
        "TEILNEHMER:    '1','A','','','','','2G4','2G4','e','1','1','3'",
        "WERTUNG:       '1','1','-0','100','0','0','0','0','0'" + z16 + ",'0'",
        "WERTUNG:       '1','1','-2','200','0','0','0','0','0'" + z16 + ",'0'",
    }));
    const WertungTyp* regulaer = Eintrag(w.w, 1, 1, 0);
    const WertungTyp* nachflug = Eintrag(w.w, 1, 1, 2);
    ASSERT_NE(regulaer, nullptr);
    ASSERT_NE(nachflug, nullptr);
    EXPECT_FALSE(regulaer->ReflyVerursacher);
    EXPECT_TRUE(nachflug->ReflyVerursacher);
    EXPECT_EQ(w->DurchgangRootPtr->GruppePtr->Nr, 3);

    // A flag set on a regular entry is written as "-0" and does not come back.
    const_cast<WertungTyp*>(regulaer)->ReflyVerursacher = true;
    bool ersetzt = false;
    const std::string neu = DatenWettbewerbText(w.w, 3, ersetzt);
    EXPECT_NE(neu.find("WERTUNG:       '1','1','-0','100'"), std::string::npos);
    EXPECT_NE(neu.find("WERTUNG:       '1','1','-2','200'"), std::string::npos);
    Geladen wieder(neu);
    EXPECT_FALSE(Eintrag(wieder.w, 1, 1, 0)->ReflyVerursacher);
    EXPECT_TRUE(Eintrag(wieder.w, 1, 1, 2)->ReflyVerursacher);
}

TEST(WettbewerbsDatei, WertungszeilenOhneTeilnehmerOderAusserhalbDerDurchgaenge) {
    const std::string z16 = ",'0','0','0','0','0','0','0','0','0','0','0','0','0','0','0','0'";
    Geladen w(Datei3({
        "ORNALIK Wettbewerbsdaten - Format 3.0",
        "WERTUNG:       '2','7','0','100','0','0','0','0','0'" + z16 + ",'0'",  // before its participant
        "TEILNEHMER:    '8','Acht','','','','','2G4','2G4','e','8','8','1','1'",
        "WERTUNG:       '31','8','0','100','0','0','0','0','0'" + z16 + ",'0'", // round 31
        "WERTUNG:       '0','8','0','100'",
        "WERTUNG:       '1','0','0','100'",
        "WERTUNG:       '1','-8','0','100'",
        "WERTUNG:       '1','8','-2147483648','100'",
        "WERTUNG:       '2','8','0','5'",                                       // fewer fields
    }));
    EXPECT_EQ(w.Ergebnis, LadenOk);
    const TeilnehmerTyp* platzhalter = Teilnehmer(w.w, 7);
    ASSERT_NE(platzhalter, nullptr);
    EXPECT_EQ(platzhalter->Name.NachnameStr, "");
    EXPECT_EQ(AnzahlTeilnehmerRecords(w.w), 2);
    int durchgaenge = 0;
    for (const DurchgangTyp* d = w->DurchgangRootPtr; d; d = d->next) {
        ++durchgaenge;
        EXPECT_EQ(d->Nr, 2);
    }
    EXPECT_EQ(durchgaenge, 1);
    ASSERT_NE(Eintrag(w.w, 2, 8, 0), nullptr);
    EXPECT_DOUBLE_EQ(Eintrag(w.w, 2, 8, 0)->WertungDurchg[1], 5);
    EXPECT_DOUBLE_EQ(Eintrag(w.w, 2, 8, 0)->WertungPunktr[16], 0);

    // The placeholder and its entry are not written back.
    bool ersetzt = false;
    const std::vector<std::string> z = ByteZeilen(DatenWettbewerbText(w.w, 3, ersetzt));
    EXPECT_EQ(ZeilenMit(z, "TEILNEHMER:").size(), 1u);
    ASSERT_EQ(ZeilenMit(z, "WERTUNG:").size(), 1u);
    EXPECT_EQ(ZeilenMit(z, "WERTUNG:")[0].substr(0, 24), "WERTUNG:       '2','8','");
}

TEST(WettbewerbsDatei, TeilnehmerzeilenNormieren) {
    Geladen f3(Datei3({
        "ORNALIK Wettbewerbsdaten - Format 3.0",
        "TEILNEHMER:    '1','de','Vries','Jan','FVE Nord','','2,4 GHz','35','e','1','1'" + Nullen(30) +
            ",'2.4ghz','2','CH'",
        "TEILNEHMER:    '2','Smit','Ans','','SG Rivudara Flugsport','','2G4','2G4','J','2','2'",
        "TEILNEHMER:    '3','Berg','Ute','','Rivudara Flugsport','','2G4','2G4','e','3','3'",
    }));
    const TeilnehmerTyp* jan = Teilnehmer(f3.w, 1);
    ASSERT_NE(jan, nullptr);
    EXPECT_EQ(jan->Name, (NameTyp{"", "Jan", "de Vries"}));
    EXPECT_EQ(jan->Verein, "VEZ Aridivor");
    EXPECT_EQ(jan->Kanal[1], "2G4");
    EXPECT_EQ(jan->Kanal[2], "35");
    EXPECT_EQ(jan->Kanal[3], "2G4");
    EXPECT_EQ(jan->KanalAktiv, 2);
    EXPECT_EQ(jan->Land.Nation, "CHF");
    EXPECT_EQ(Teilnehmer(f3.w, 2)->Verein, "VEZ Aridivor");
    EXPECT_TRUE(Teilnehmer(f3.w, 2)->Jugendlich);
    // "Rivudara" at the very start does not count.
    EXPECT_EQ(Teilnehmer(f3.w, 3)->Verein, "Rivudara Flugsport");

    struct Fall {
        const char* kurz;
        const char* lang;
    } nationen[] = {{"D", "GER"}, {"A", "AUT"}, {"CH", "CHF"}, {"F", "FRA"}, {"CZ", "CZR"}, {"NL", "NL"}, {"d", "d"}};
    for (int format : {2, 3}) {
        for (const Fall& n : nationen) {
            std::string zeile = "TEILNEHMER:    '1','A'," + std::string(format == 3 ? "'','',"  : "") +
                                "'','','2G4','2G4','e','1','1'";
            zeile += Nullen(30) + ",'2G4','1','" + std::string(n.kurz) + "'";
            Geladen w(DateiDos({"ORNALIK Wettbewerbsdaten - Format " + std::to_string(format) + ".0", zeile}));
            EXPECT_EQ(w->TeilnehmerRootPtr->Land.Nation, n.lang) << format << n.kurz;
        }
    }
    // Formats 1 and 2: a name of three words beginning with "de" is a two-word surname.
    Geladen f2(DateiDos({"ORNALIK Wettbewerbsdaten - Format 2.0",
                         "TEILNEHMER:    '1','De Boer Kees','','','2G4','2G4','e','1','1'"}));
    EXPECT_EQ(f2->TeilnehmerRootPtr->Name, (NameTyp{"", "Kees", "De Boer"}));
}

TEST(WettbewerbsDatei, ParameterzeilenRandfaelle) {
    Meldungen m;
    Geladen w(Datei3({
        "ORNALIK Wettbewerbsdaten - Format 3.0",
        "UNBEKANNT:     'x'",
        "PARAMETER:     '1','2,5','x'",
        "SORTIERUNG:    '1','2','3','4','5','6','7','8','9'",
        "ALIAS_DURCHG3: 'a','b','c','d','e','f','g'",
        "WINPOS:        '1','2','3'",
        "WETT_IMPORT:   '31','/x/a.wtb'",
        "WETT_IMPORT:   '0','/x/b.wtb'",
        "WETT_IMPORT:   '30','/x/c.wtb'",
        "MAXGRPGROESSE: '12'",
        "REGLEMENT:     ''",
        "GRUPPENSTART:  '0'",
        "PROMILLE_DG:   '01'",
        "BONUS_TEILNZ:  'wahr'",
    }));
    EXPECT_DOUBLE_EQ(w->Parameter[1], 1);
    EXPECT_DOUBLE_EQ(w->Parameter[2], 2.5);
    EXPECT_DOUBLE_EQ(w->Parameter[3], 0); // a text that is no number reads as 0
    EXPECT_DOUBLE_EQ(w->Parameter[4], -1);
    EXPECT_EQ(w->Sortierung[6], 7);
    EXPECT_EQ(w->Sortierung[7], 3); // only elements 0..6 are stored
    EXPECT_EQ(w->DurchgangAlias[18], "f");
    EXPECT_EQ(w->WinPosTop, 2);
    EXPECT_EQ(w->WinPosWidth, 3);
    EXPECT_EQ(w->WinPosHeight, 0); // missing fields read as 0
    EXPECT_EQ(w->WinState, WinStateTyp::Normal);
    EXPECT_EQ(w->WettbewerbImportFileName[30], "/x/c.wtb");
    for (int r = 1; r < 30; ++r) EXPECT_EQ(w->WettbewerbImportFileName[r], "");
    EXPECT_EQ(w->MaxGruppenGroesse, 12);
    EXPECT_FALSE(w->Gruppenstart);
    EXPECT_TRUE(w->DurchgangPromille);
    EXPECT_TRUE(w->BonusTeilnehmer);
    // A competition stored without a rule has none, and no message is shown.
    EXPECT_EQ(w->RegelPtr, nullptr);
    EXPECT_TRUE(m.Texte.empty());

    bool ersetzt = false;
    const std::string neu = DatenWettbewerbText(w.w, 3, ersetzt);
    EXPECT_EQ(neu.find("MAXGRPGROESSE"), std::string::npos);
    EXPECT_EQ(neu.find("ORIENTIERUNG"), std::string::npos);
    EXPECT_NE(neu.find("REGLEMENT:     ''\r\n"), std::string::npos);
}

TEST(WettbewerbsDatei, UnbekannteRegelBehaeltIhrenNamen) {
    Meldungen m;
    Geladen w(Datei3({"ORNALIK Wettbewerbsdaten - Format 3.0", "REGLEMENT:     'Segelflug XY'"}));
    ASSERT_NE(w->RegelPtr, nullptr);
    EXPECT_EQ(w->RegelPtr->Name, "Segelflug XY");
    ASSERT_EQ(m.Texte.size(), 1u);
    EXPECT_NE(m.Texte[0].find("Segelflug XY"), std::string::npos);
    // A second rule line replaces the first without leaving it behind.
    Geladen zwei(Datei3({"ORNALIK Wettbewerbsdaten - Format 3.0", "REGLEMENT:     'F5J (B-Mod 2025)'",
                         "REGLEMENT:     'F3J (B-Mod 2025)'"}));
    EXPECT_EQ(zwei->RegelPtr->Name, "F3J (B-Mod 2025)");
}

TEST(WettbewerbsDatei, PfadeMitStandardordner) {
    const std::string std = NeuerOrdner("stdpfad");
    SetStandardPfad(std);
    Geladen w(Datei3({"ORNALIK Wettbewerbsdaten - Format 3.0", "HTML_EXPORT:   '<<STDPATH>>liga/ergebnis.html'",
                      "PARALLEL_SAVE: '<<STDPATH>>kopie.wtb','t','f'", "WETT_IMPORT:   '2','<<STDPATH>>r2.wtb'"}));
    EXPECT_EQ(w->WettbewerbFileNamen[1], std + "liga/ergebnis.html");
    EXPECT_EQ(w->WettbewerbParFileName, std + "kopie.wtb");
    EXPECT_TRUE(w->WettbewerbParFileEnbl);
    EXPECT_FALSE(w->BackUpHistory);
    EXPECT_EQ(w->WettbewerbImportFileName[2], std + "r2.wtb");
    SetStandardPfad("");
}

// ------------------------------------------------------- record generators

TEST(WettbewerbsDatei, StammdatenVariante) {
    TeilnehmerTyp* root = nullptr;
    TeilnehmerTyp* p = DatenTeilnehmerParse(
        root,
        "'Muster','Max','Dr.','MFC','Bayern','35','2G4','j','40','2','D','Ost','H','A','','','','','','','',"
        "'Segler','','DMFV','t','17','5','1970','2','3','2024'",
        3, TeilnehmerModusStammdaten);
    ASSERT_EQ(root, p);
    EXPECT_EQ(p->Name, (NameTyp{"Dr.", "Max", "Muster"}));
    EXPECT_EQ(p->EdvNr, -1);
    EXPECT_EQ(p->Kanal[3], "40");
    EXPECT_EQ(p->Land.Nation, "GER");
    EXPECT_FALSE(p->Lebendig);
    EXPECT_EQ(p->GebDatum, (DateRec{17, 5, 1970}));
    EXPECT_EQ(p->LetztTeiln, (DateRec{2, 3, 2024}));
    const std::string zeile = MakeTeilnehmerZeile(p, 3, TeilnehmerModusStammdaten);
    EXPECT_EQ(zeile.find("TEILNEHMER"), std::string::npos);
    EXPECT_EQ(Felder(zeile), 31);
    TeilnehmerTyp* wieder = DatenTeilnehmerParse(root, zeile, 3, TeilnehmerModusStammdaten);
    EXPECT_EQ(MakeTeilnehmerZeile(wieder, 3, TeilnehmerModusStammdaten), zeile);
    DatenTeilnehmerDispose(root);
}

TEST(WettbewerbsDatei, TeilnehmerGeneratorZaehltVomKopf) {
    TeilnehmerTyp* root = nullptr;
    for (int nr : {3, 0, 1}) {
        TeilnehmerTyp* p = DatenTeilnehmerGetPtr(root, nr, true);
        p->Name.NachnameStr = "N" + std::to_string(nr);
    }
    DatenTeilnehmerGetPtr(root, 5, true); // no surname
    // List order: 5, 1, 0, 3.
    InitTeilnehmerDaten();
    EXPECT_EQ(GetNextTeilnehmerDaten(root, 3, 0), "-");
    EXPECT_EQ(GetNextTeilnehmerDaten(root, 3, 0).substr(0, 25), "TEILNEHMER:    '1','N1','");
    EXPECT_EQ(GetNextTeilnehmerDaten(root, 3, 0), "-"); // EdvNr 0
    EXPECT_EQ(GetNextTeilnehmerDaten(root, 3, 0).substr(0, 25), "TEILNEHMER:    '3','N3','");
    EXPECT_EQ(GetNextTeilnehmerDaten(root, 3, 0), "");
    EXPECT_EQ(GetNextTeilnehmerDaten(root, 3, 0), "");
    EXPECT_EQ(MakeTeilnehmerZeile(nullptr, 3, 0), "");
    DatenTeilnehmerDispose(root);
}

TEST(WettbewerbsDatei, ErgebniszeileHinUndZurueck) {
    TeilnehmerTyp p;
    p.EdvNr = 4;
    p.Name.NachnameStr = "X";
    p.Punkte = 2987.12346;
    p.PunkteEndrunde = 123456789.5; // wider than the field: kept in full
    p.StreicherPunkte = 0.5;
    p.PlatzNr = 3;
    p.PlatzNrFlyOffJugend = 1;
    p.ExportPunkte[1] = 77.25;
    const std::string z = GetTeilnehmerErgebnisDaten(&p);
    EXPECT_EQ(z, "ERGEBNIS:      '4','2987.1235','123456789.5','0','0.5','3','0','0','1','0','77.25'");
    std::string_view rest = ZeileZerlegen(z).Value;
    SpalteErstenWertAusZeileAb(rest);
    TeilnehmerTyp q;
    SetTeilnehmerErgebnisDaten(&q, rest);
    EXPECT_DOUBLE_EQ(q.Punkte, 2987.1235);
    EXPECT_DOUBLE_EQ(q.PunkteEndrunde, 123456789.5);
    EXPECT_EQ(q.PlatzNr, 3);
    EXPECT_EQ(q.PlatzNrFlyOffJugend, 1);
    EXPECT_DOUBLE_EQ(q.ExportPunkte[1], 77.25);
    p.Name.NachnameStr.clear();
    EXPECT_EQ(GetTeilnehmerErgebnisDaten(&p), "");
}

TEST(WettbewerbsDatei, MannschaftenNurMitNamenUndGueltigenMitgliedern) {
    WettbewerbTyp* w = Reich();
    MannschaftTyp* ohneName = DatenMannschaftNew();
    DatenMannschaftDefault(ohneName);
    ohneName->Nr = 9;
    ohneName->next = w->MannschaftRootPtr;
    w->MannschaftRootPtr = ohneName;
    w->MannschaftRootPtr->next->TeilnehmerEdvNr[3] = 77; // no such participant
    const std::vector<std::string> z = Utf8Zeilen(w, 3);
    const std::vector<std::string> teams = ZeilenMit(z, "MANNSCHAFT:");
    ASSERT_EQ(teams.size(), 1u);
    EXPECT_EQ(teams[0].rfind("MANNSCHAFT:    '4','Team Süd','2','1','0','0',", 0), 0u) << teams[0];
    DatenWettbewerbDispose(w);
}

TEST(WettbewerbsDatei, DateinameAusDemWettbewerbsnamen) {
    struct Fall {
        const char* name;
        const char* datei;
    } faelle[] = {
        {"Frühjahrspokal 2025", "Frühjahrspokal_2025"},
        {"  F3B (Liga) - Lauf #1 / 2025! ", "F3B_Liga_Lauf_1_2025"},
        {"a@b;c:d,e€f§g%h$i&j[k]l=m^n<o>p?q*r+s", "a_b_c_d_e_f_g_h_i_j_k_l_m_n_o_p_q_r_s"},
        {"", "wettbewerb"},
        {"+-!?", "wettbewerb"},
    };
    for (const Fall& f : faelle) {
        WettbewerbTyp w;
        w.Name = f.name;
        EXPECT_EQ(GetDefaultWettbewerbsFileName(&w), f.datei) << f.name;
    }
    EXPECT_EQ(GetDefaultWettbewerbsFileName(nullptr), "wettbewerb");
}

} // namespace

namespace {

TEST(WettbewerbsDateiPruefung, VergleichDerSicherungen) {
    const std::string a = "KOPF\r\nNAME:          'x'\r\nTEILNEHMER:    '1'\r\nTEILNEHMER:    '2'\r\nWERTUNG:       '1'\r\n";
    // The list lines in the other order are no difference.
    EXPECT_EQ(WettbewerbsZeilenVergleichen(
                  a, "KOPF\r\nNAME:          'x'\r\nTEILNEHMER:    '2'\r\nTEILNEHMER:    '1'\r\nWERTUNG:       '1'\r\n"),
              "");
    const std::string name = WettbewerbsZeilenVergleichen(
        a, "KOPF\r\nNAME:          'y'\r\nTEILNEHMER:    '1'\r\nTEILNEHMER:    '2'\r\nWERTUNG:       '1'\r\n");
    EXPECT_NE(name.find("Zeile 2"), std::string::npos) << name;
    EXPECT_NE(name.find("NAME:          'y'"), std::string::npos) << name;
    EXPECT_NE(WettbewerbsZeilenVergleichen(a, "KOPF\r\nNAME:          'x'\r\nTEILNEHMER:    '1'\r\nTEILNEHMER:    '3'\r\n"
                                              "WERTUNG:       '1'\r\n"),
              "");
    EXPECT_NE(WettbewerbsZeilenVergleichen(a, a + "ERGEBNIS:      '1'\r\n").find("Zeilen"), std::string::npos);
    // Parameter lines keep their order.
    EXPECT_NE(WettbewerbsZeilenVergleichen("A:1\r\nB:2\r\n", "B:2\r\nA:1\r\n"), "");
}

TEST(WettbewerbsDateiPruefung, DateiPruefen) {
    const DateiPruefErgebnis gut = WettbewerbsDateiPruefen(DatenPfad("wtb/format2_teilnehmer.wtb"));
    EXPECT_TRUE(gut.Ok) << gut.Grund;
    EXPECT_EQ(gut.FormatNr, 2);
    EXPECT_GT(gut.Zeilen, 20);
    const DateiPruefErgebnis fehlt = WettbewerbsDateiPruefen(DatenPfad("wtb/fehlt.wtb"));
    EXPECT_FALSE(fehlt.Ok);
    EXPECT_EQ(fehlt.Urteil, PruefUrteil::Unlesbar);
    EXPECT_NE(fehlt.Grund.find("kann nicht gelesen werden"), std::string::npos);
}

} // namespace

namespace {

// Reading a file builds the same lists, in the same order, as applying its
// lines one by one with the public line routines.
TEST(WettbewerbsDatei, DateiLesenWieEinzelneZeilen) {
    const std::string z16 = ",'0','0','0','0','0','0','0','0','0','0','0','0','0','0','0','1'";
    const std::vector<std::string> zeilen = {
        "WERTUNG:       '1','5','0','10','0','0','0','0','0'" + z16 + ",'0'",
        "TEILNEHMER:    '5','Fünf','','','','','2G4','2G4','e','5','5','2','3'",
        "TEILNEHMER:    '6','Sechs','','','','','2G4','2G4','e','6','6','2','1'",
        "WERTUNG:       '1','5','0','11','0','0','0','0','0'" + z16 + ",'0'",
        "WERTUNG:       '2','6','-1','12','0','0','0','0','0'" + z16 + ",'3'",
        "WERTUNG:       '1','6','0','13','0','0','0','0','0'" + z16 + ",'0'",
        "WERTUNG:       '2','5','0','14','0','0','0','0','0'" + z16 + ",'0'",
        "WERTUNG:       '1','7','0','16','0','0','0','0','0'" + z16 + ",'0'",
    };
    std::vector<std::string> datei = {"ORNALIK Wettbewerbsdaten - Format 3.0"};
    datei.insert(datei.end(), zeilen.begin(), zeilen.end());
    Geladen gelesen(Datei3(datei));

    WettbewerbTyp* einzeln = DatenWettbewerbNew();
    DatenWettbewerbDefault(einzeln);
    for (const std::string& z : zeilen) {
        const ZeilenTeile t = ZeileZerlegen(z);
        if (t.Key == "TEILNEHMER")
            DatenTeilnehmerParse(einzeln->TeilnehmerRootPtr, t.Value, 3, TeilnehmerModusWettbewerb);
        else
            DatenDurchgangParse(einzeln->DurchgangRootPtr, einzeln->TeilnehmerRootPtr, t.Value, 3);
    }
    const auto struktur = [](const WettbewerbTyp* w) {
        std::string s;
        for (const TeilnehmerTyp* p = w->TeilnehmerRootPtr; p; p = p->next)
            s += "T" + std::to_string(p->EdvNr) + p->Name.NachnameStr + " ";
        for (const DurchgangTyp* d = w->DurchgangRootPtr; d; d = d->next) {
            s += "| D" + std::to_string(d->Nr);
            for (const GruppeTyp* g = d->GruppePtr; g; g = g->next) {
                s += " G" + std::to_string(g->Nr) + "/" + std::to_string(g->ReflyOrder) + ":";
                for (const WertungTyp* e = g->WertungPtr; e; e = e->next)
                    s += std::to_string(e->EdvNr) + "=" + std::to_string(static_cast<int>(e->WertungDurchg[1])) +
                         (e->ReflyVerursacher ? "v" : "") + "s" + std::to_string(e->Strafpunkte) + ",";
            }
        }
        return s;
    };
    EXPECT_EQ(struktur(gelesen.w), struktur(einzeln));
    // Newest records first; a score line takes the group of the newest record
    // of its participant at that moment (first the placeholder's group 0).
    EXPECT_EQ(struktur(einzeln), "T7 T6Sechs T5Fünf T5 | D2 G3/0:5=14s0, G1/1:6=12vs3,"
                                 "| D1 G2/0:6=13s0,5=11s0, G0/0:7=16s0,5=10s0,");
    DatenWettbewerbDispose(einzeln);
}

} // namespace
