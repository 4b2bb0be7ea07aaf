// The competition model: defaults, list operations, counts, the entry cursor,
// the progress mark and the modified flag.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenKanal.h"
#include "core/DatenMannschaft.h"
#include "core/DatenRegel.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/UiHooks.h"

using namespace tavuran;

namespace {

struct Wettbewerb {
    WettbewerbTyp* p = nullptr;
    Wettbewerb() {
        p = DatenWettbewerbNew();
        DatenWettbewerbDefault(p);
    }
    ~Wettbewerb() { DatenWettbewerbDispose(p); }
    WettbewerbTyp* operator->() { return p; }
};

TeilnehmerTyp* Pilot(WettbewerbTyp* w, int edv, const std::string& nachname, int startNr = -1) {
    TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, edv, true);
    t->Name.NachnameStr = nachname;
    t->StartNr = startNr;
    return t;
}

WertungTyp* Eintrag(WettbewerbTyp* w, int runde, int gruppe, int refly, int edv) {
    DurchgangTyp* d = DatenDurchgangGetPtr(w->DurchgangRootPtr, runde);
    GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, gruppe, refly);
    return DatenWertungInGroupGetPtr(d, g, edv);
}

struct HookRecorder {
    int redraws = 0;
    WettbewerbTyp* aktuell = nullptr;
    HookRecorder() {
        UiHooks h;
        h.StatusBarNeuZeichnen = [this] { ++redraws; };
        h.AktuellerWettbewerb = [this] { return aktuell; };
        SetUiHooks(h);
    }
    ~HookRecorder() { ResetUiHooks(); }
};

} // namespace

TEST(DatenWettbewerb, NewCompetitionHasItsDefaults) {
    Wettbewerb w;
    EXPECT_EQ(w->AnzDurchgaenge, 6);
    EXPECT_EQ(w->AnzVorrunden, 5);
    EXPECT_EQ(w->AnzSeniorenFlyOff, 1);
    EXPECT_EQ(w->AnzDurchgaenge - w->AnzVorrunden - w->AnzSeniorenFlyOff, 0);
    EXPECT_EQ(w->AnzGewDurchgaenge, 5);
    EXPECT_EQ(w->StreicherAbDurchg, 5);
    EXPECT_EQ(w->AnzTeilnInEndRunde, 8);
    EXPECT_EQ(w->AnzPunktrichter, 1);
    EXPECT_EQ(w->AnzTeilnGruppe, 9);
    EXPECT_EQ(w->DurchgangNr, 1);
    EXPECT_EQ(w->AnzNachkomma, 1);
    for (int i = 1; i <= MaxParameter; ++i) EXPECT_EQ(w->Parameter[i], -1.0);
    const int sortierung[9] = {0, 3, 2, 3, 3, 4, 4, 3, 0};
    for (int i = 0; i <= 8; ++i) EXPECT_EQ(w->Sortierung[i], sortierung[i]);
    EXPECT_EQ(w->Datum, (DateRec{1, 1, 2016}));
    EXPECT_TRUE(w->Gruppenstart);
    EXPECT_FALSE(w->modified);
    EXPECT_TRUE(w->CalcWertung);
    EXPECT_EQ(w->FileFormatNr, 3);
    EXPECT_EQ(w->Status, 0);
}

TEST(DatenWettbewerb, GetSortReadsStartOrderAsStartNumberWithoutGroupStart) {
    Wettbewerb w;
    SetSort(w.p, 1, 3);
    w->Gruppenstart = false;
    EXPECT_EQ(GetSort(w.p, 1), 1);
    w->Gruppenstart = true;
    EXPECT_EQ(GetSort(w.p, 1), 3);
    SetSort(w.p, 2, 4);
    w->Gruppenstart = false;
    EXPECT_EQ(GetSort(w.p, 2), 4);
}

TEST(DatenWettbewerb, ModifiedRedrawsOnlyOnChangeAndAlwaysRequestsEvaluation) {
    HookRecorder rec;
    Wettbewerb w;
    w->CalcWertung = false;
    SetWettbewerbModified(w.p);
    SetWettbewerbModified(w.p);
    EXPECT_TRUE(w->modified);
    EXPECT_TRUE(w->CalcWertung);
    EXPECT_EQ(rec.redraws, 1);
    SetWettbewerbModified(nullptr); // harmless
}

TEST(DatenWettbewerb, StatusOnlyRises) {
    HookRecorder rec;
    Wettbewerb w;
    EXPECT_EQ(SetWettbewerbsStatus(w.p, 70, true), 70);
    EXPECT_FALSE(w->modified);
    EXPECT_EQ(SetWettbewerbsStatus(w.p, 30, false), 70);
    EXPECT_FALSE(w->modified);
    EXPECT_EQ(SetWettbewerbsStatus(w.p, 90, false), 90);
    EXPECT_TRUE(w->modified);
    EXPECT_EQ(GetWettbewerbsStatus(w.p), 90);
    // nil means the current competition; none open gives 0
    EXPECT_EQ(SetWettbewerbsStatus(nullptr, 40, false), 0);
    rec.aktuell = w.p;
    EXPECT_EQ(GetWettbewerbsStatus(nullptr), 90);
}

TEST(DatenWettbewerb, CheckStatusDerivesAMarkOnlyWhenNoneIsStored) {
    struct Case {
        const char* name;
        int gespeichert;
        bool teilnehmer, mannschaft, wertung, htmlName;
        int erwartet, rueckgabe;
    };
    const Case cases[] = {
        {"stored 40 stays", 40, true, false, true, true, 40, 0},
        {"empty competition", 0, false, false, false, false, 10, 10},
        {"participants", 0, true, false, false, false, 30, 30},
        {"teams", 0, true, true, false, false, 40, 40},
        {"results", 0, true, false, true, false, 70, 70},
        {"result html without participants", 0, false, false, false, true, 90, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Wettbewerb w;
        w->Status = c.gespeichert;
        if (c.teilnehmer) Pilot(w.p, 1, "Adler");
        if (c.mannschaft) w->MannschaftRootPtr = DatenMannschaftNew();
        if (c.wertung) Eintrag(w.p, 2, 1, 0, 1)->WertungDurchg[1] = 120.0;
        if (c.htmlName) w->WettbewerbFileNamen[1] = "/tmp/ergebnis.html";
        EXPECT_EQ(CheckWettbewerbsStatus(w.p), c.rueckgabe);
        EXPECT_EQ(w->Status, c.erwartet);
        EXPECT_FALSE(w->modified);
    }
}

TEST(DatenWettbewerb, RoundMasks) {
    Wettbewerb w;
    Eintrag(w.p, 1, 1, 0, 1); // all zero: no value
    Eintrag(w.p, 3, 2, 0, 1)->WertungPunktr[4] = -1.0; // "nothing entered" still counts
    Eintrag(w.p, 5, 1, 1, 2)->WertungDurchg[6] = 0.0011;
    Eintrag(w.p, 6, 1, 0, 2)->WertungDurchg[1] = 0.001; // not above 0.001
    EXPECT_EQ(DatenWettbewerbDurchgangEnthaeltWertung(w.p), (1u << 2) | (1u << 4));

    w->AnzVorrunden = 5;
    w->AnzSeniorenFlyOff = 2;
    w->AnzDurchgaenge = 9;
    EXPECT_EQ(DatenWettbewerbDurchgangIstFlyOff(w.p, true), (1u << 5) | (1u << 6));
    EXPECT_EQ(DatenWettbewerbDurchgangIstFlyOff(w.p, false), (1u << 7) | (1u << 8));
    w->AnzDurchgaenge = 7;
    EXPECT_EQ(DatenWettbewerbDurchgangIstFlyOff(w.p, false), 0u);

    // Counts as a damaged file may hold them.
    struct Extrem {
        int vorrunden, flyOff, durchgaenge;
        std::uint32_t senior, jugend;
    };
    const Extrem extreme[] = {
        {INT_MAX, 1, 6, 0u, 0u},
        {INT_MIN, -1, 3, 0u, 7u},
        {2, INT_MAX, INT_MAX, 0xFFFFFFFCu, 0u},
    };
    for (const Extrem& e : extreme) {
        w->AnzVorrunden = e.vorrunden;
        w->AnzSeniorenFlyOff = e.flyOff;
        w->AnzDurchgaenge = e.durchgaenge;
        EXPECT_EQ(DatenWettbewerbDurchgangIstFlyOff(w.p, true), e.senior) << e.vorrunden << "/" << e.flyOff;
        EXPECT_EQ(DatenWettbewerbDurchgangIstFlyOff(w.p, false), e.jugend) << e.vorrunden << "/" << e.flyOff;
    }
}

TEST(DatenWettbewerb, NameLookupAndClubCount) {
    Wettbewerb w;
    TeilnehmerTyp* a = Pilot(w.p, 1, "Müller");
    a->Name.VornameStr = "Hans";
    a->Verein = "MFC Adler ";
    TeilnehmerTyp* b = Pilot(w.p, 2, "Meier");
    b->Verein = "mfc adler";
    TeilnehmerTyp* c = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, 3, true); // no surname, own club
    c->Verein = "LSV";
    EXPECT_EQ(GetTeilnehmerName(w.p, "  MüLLER HANS "), a);
    EXPECT_EQ(GetTeilnehmerName(w.p, "MÜLLER HANS"), nullptr); // only ASCII letters are folded
    EXPECT_EQ(GetTeilnehmerEdvNr(w.p, 2), b);
    EXPECT_EQ(GetTeilnehmerEdvNr(w.p, 9), nullptr);
    EXPECT_EQ(CountAnzahlVereine(w.p), 2);
    EXPECT_EQ(CountAnzahlVereine(nullptr), 0);
}

TEST(DatenTeilnehmer, GetPtrCreatesADefaultRecordAtTheHead) {
    Wettbewerb w;
    Pilot(w.p, 5, "Adler");
    TeilnehmerTyp* neu = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, 17, true);
    EXPECT_EQ(w->TeilnehmerRootPtr, neu);
    EXPECT_EQ(neu->EdvNr, 17);
    EXPECT_TRUE(neu->Name.NachnameStr.empty());
    EXPECT_EQ(neu->StartNr, -1);
    EXPECT_EQ(neu->MeldgNr, -1);
    EXPECT_EQ(neu->Kanal[2], "2G4");
    EXPECT_EQ(neu->KanalAktiv, 1);
    EXPECT_EQ(neu->GebDatum, (DateRec{1, 1, 2000}));
    EXPECT_EQ(neu->LetztTeiln, (DateRec{1, 1, 1950}));
    EXPECT_EQ(GetAnzTeilnehmer(w->TeilnehmerRootPtr), 1);
    EXPECT_EQ(DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, 17, false), neu);
    EXPECT_EQ(DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, 18, false), nullptr);
}

TEST(DatenTeilnehmer, CountsAndMaximaIgnoreRecordsWithoutSurname) {
    Wettbewerb w;
    EXPECT_EQ(GetMaxStartNr(w->TeilnehmerRootPtr), 0);
    TeilnehmerTyp* a = Pilot(w.p, 1, "Adler"); // numbers still at their default -1
    EXPECT_EQ(GetMaxStartNr(w->TeilnehmerRootPtr), 0);
    EXPECT_EQ(GetMaxMeldungsNr(w->TeilnehmerRootPtr), 0);
    a->StartNr = 4;
    a->MeldgNr = 7;
    a->PlatzNr = 1;
    a->Gruppe[1] = 2;
    TeilnehmerTyp* b = Pilot(w.p, 2, "Bussard", 2);
    b->PlatzNr = 2;
    b->Jugendlich = true;
    TeilnehmerTyp* leer = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, 40, true);
    leer->StartNr = 99;
    leer->Gruppe[1] = 5;
    TeilnehmerTyp* ohneEdv = Pilot(w.p, 0, "Condor", 1);
    (void)ohneEdv;

    EXPECT_EQ(GetAnzTeilnehmer(w->TeilnehmerRootPtr), 3);
    EXPECT_EQ(GetTeilnehmerAnzahl(w->TeilnehmerRootPtr), 2);
    EXPECT_EQ(GetAnzTeilnehmerWertung(w->TeilnehmerRootPtr), 2);
    EXPECT_EQ(GetAnzTeilnehmerWertungJugendlich(w->TeilnehmerRootPtr), 1);
    EXPECT_EQ(GetMaxStartNr(w->TeilnehmerRootPtr), 4);
    EXPECT_EQ(GetMaxMeldungsNr(w->TeilnehmerRootPtr), 7);
    EXPECT_EQ(GetMaxEdvNr(w->TeilnehmerRootPtr), 2);
    EXPECT_EQ(GetGruppenAnzahl(w->TeilnehmerRootPtr), 5); // placeholders count here
}

TEST(DatenTeilnehmer, JuniorPlaceAndNameTexts) {
    TeilnehmerTyp t;
    t.PlatzNrJugend = 3;
    EXPECT_EQ(GetJugendPlatzEdvNr(&t), 0);
    t.Jugendlich = true;
    EXPECT_EQ(GetJugendPlatzEdvNr(&t), 3);
    t.PlatzNrFlyOffJugend = 1;
    EXPECT_EQ(GetJugendPlatzEdvNr(&t), 1);

    struct Case {
        NameTyp name;
        bool nachnameZuerst;
        std::string erwartet;
    };
    const Case cases[] = {
        {{"Dr.", "Eva", "Müller"}, true, "Müller Eva Dr."},
        {{"Dr.", "Eva", "Müller"}, false, "Dr. Eva Müller"},
        {{"Dr.", "", "Müller"}, true, "Müller  Dr."},
        {{"", "", "Müller"}, false, "Müller"},
        {{"", "", ""}, true, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(CnvNameTypToNameStr(&c.name, c.nachnameZuerst), c.erwartet);

    NameTyp a{"", "Eva", "Müller"}, b{"", "eva", "Müller"};
    EXPECT_FALSE(NamenSindGleich(&a, &b));
    b.VornameStr = "Eva";
    EXPECT_TRUE(NamenSindGleich(&a, &b));
}

TEST(DatenTeilnehmer, Is2G4) {
    struct Case {
        const char* k1;
        const char* k2;
        const char* k3;
        int aktiv;
        bool erwartet;
    };
    const Case cases[] = {
        {"2G4", "35", "2G4", 1, false}, {"2G4", "", "", 1, true},  {"", "2G4", "", 2, true},
        {"", "2G4", "", 1, false},      {"2G4", "", "", 7, true}, {"", "", "", 1, false},
    };
    for (const Case& c : cases) {
        TeilnehmerTyp t;
        t.Kanal[1] = c.k1;
        t.Kanal[2] = c.k2;
        t.Kanal[3] = c.k3;
        t.KanalAktiv = c.aktiv;
        EXPECT_EQ(TeilnehmerIs2G4(&t), c.erwartet) << c.k1 << "," << c.k2 << "," << c.k3 << " aktiv " << c.aktiv;
    }
    EXPECT_FALSE(TeilnehmerIs2G4(nullptr));
}

TEST(DatenTeilnehmer, CopyTakesLinksButKeepsProtectionCount) {
    TeilnehmerTyp quelle, ziel, anderer;
    quelle.Name.NachnameStr = "Adler";
    quelle.next = &anderer;
    quelle.nextName = &anderer;
    quelle.TeamschutzHelferAnz = 3;
    ziel.TeamschutzHelferAnz = 1;
    DatenTeilnehmerCopy(&ziel, &quelle);
    EXPECT_EQ(ziel.Name.NachnameStr, "Adler");
    EXPECT_EQ(ziel.next, &anderer);
    EXPECT_EQ(ziel.nextName, &anderer);
    EXPECT_EQ(ziel.TeamschutzHelferAnz, 1);
}

TEST(DatenMannschaft, TeamOfParticipant) {
    Wettbewerb w;
    MannschaftTyp* m1 = DatenMannschaftNew();
    m1->Nr = 1;
    m1->TeilnehmerEdvNr[20] = 7;
    MannschaftTyp* m2 = DatenMannschaftNew();
    m2->Nr = 2;
    m2->TeilnehmerEdvNr[1] = 7;
    m2->next = m1;
    w->MannschaftRootPtr = m2;
    EXPECT_EQ(GetMannschaftdesTeilnehmers(w->MannschaftRootPtr, 7), m2);
    EXPECT_EQ(GetMannschaftdesTeilnehmers(w->MannschaftRootPtr, 8), nullptr);
}

// The lookups for all participants at once, which the lists use, find what
// the single lookups find: for a number given twice, the first in list order.
TEST(DatenWettbewerb, NachschlagenFuerAlleFindetWasEinzelnGefundenWird) {
    Wettbewerb w;
    for (int nr : {3, 5, 6}) DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, nr, true);
    GetTeilnehmerEdvNr(w.p, 6)->EdvNr = 3; // a damaged file: two records with number 3
    MannschaftTyp* m1 = DatenMannschaftNew();
    m1->TeilnehmerEdvNr[1] = 5;
    m1->TeilnehmerEdvNr[2] = 3;
    MannschaftTyp* m2 = DatenMannschaftNew();
    m2->TeilnehmerEdvNr[20] = 5;
    m2->next = m1;
    w->MannschaftRootPtr = m2;
    const auto piloten = TeilnehmerNachEdvNr(w.p);
    const auto teams = MannschaftenDerTeilnehmer(w->MannschaftRootPtr);
    for (int nr : {3, 5, 6, 9}) {
        const auto p = piloten.find(nr);
        EXPECT_EQ(p == piloten.end() ? nullptr : p->second, GetTeilnehmerEdvNr(w.p, nr)) << nr;
        const auto m = teams.find(nr);
        EXPECT_EQ(m == teams.end() ? nullptr : m->second,
                  GetMannschaftdesTeilnehmers(w->MannschaftRootPtr, nr))
            << nr;
        EXPECT_EQ(TeamsDerTeilnehmer(w->MannschaftRootPtr)(nr),
                  GetMannschaftdesTeilnehmers(w->MannschaftRootPtr, nr))
            << nr;
    }
    EXPECT_EQ(piloten.size(), 2u);
    EXPECT_EQ(teams.at(5), m2);
}

TEST(DatenDurchgang, LookupsCreateAtTheHeadAndDistinguishReflights) {
    Wettbewerb w;
    DurchgangTyp* d2 = DatenDurchgangGetPtr(w->DurchgangRootPtr, 2);
    DurchgangTyp* d1 = DatenDurchgangGetPtr(w->DurchgangRootPtr, 1);
    EXPECT_EQ(w->DurchgangRootPtr, d1);
    EXPECT_EQ(d1->next, d2);
    EXPECT_EQ(DatenDurchgangGetPtr(w->DurchgangRootPtr, 2), d2);

    GruppeTyp* refly = DatenGruppeGetPtr(d1->GruppePtr, 3, 1);
    WertungTyp* e = DatenWertungInGroupGetPtr(d1, refly, 17);
    EXPECT_TRUE(e->KannStreicherSein);
    EXPECT_EQ(e->EdvNr, 17);
    EXPECT_EQ(DatenWertungGetPtr(d1, 17, 0), nullptr);
    EXPECT_EQ(DatenWertungGetPtr(d1, 17, 1), e);
    EXPECT_EQ(DatenGruppeGetPtr(d1->GruppePtr, 3, 1), refly);
    EXPECT_NE(DatenGruppeGetPtr(d1->GruppePtr, 3, 0), refly);
    EXPECT_EQ(DatenWertungGetPtr(nullptr, 17, 0), nullptr);
}

// The lookup answers from the round's index: the first entry in list order
// also when a participant has entries in two groups; an entry linked in
// through the round's functions is found at once. A list changed behind the
// index's back is seen by the check, and a debug build stops at the next lookup.
TEST(DatenDurchgang, IndexFolgtDenListenOderWirdErkannt) {
    Wettbewerb w;
    WertungTyp* a = Eintrag(w.p, 1, 1, 0, 5);
    Eintrag(w.p, 1, 1, 0, 6);
    DurchgangTyp* d = DatenDurchgangGetPtr(w->DurchgangRootPtr, 1);
    EXPECT_EQ(DatenWertungGetPtr(d, 5, 0), a);
    ASSERT_NE(d->Index, nullptr);
    EXPECT_EQ(DatenWertungGetPtr(d, 5, 1), nullptr);
    EXPECT_EQ(DatenWertungGetPtr(d, 7, 0), nullptr);

    // a new group comes first in the list: its entry of participant 5 is the first now
    GruppeTyp* zwei = DatenGruppeGetPtr(d->GruppePtr, 2, 0);
    WertungTyp* b = DatenWertungEinhaengen(d, zwei, 5);
    WertungTyp* c = DatenWertungInGroupGetPtr(d, zwei, 7);
    WertungTyp* r = Eintrag(w.p, 1, 2, 1, 5);
    EXPECT_TRUE(DatenDurchgangIndexStimmt(d));
    EXPECT_EQ(DatenWertungGetPtr(d, 5, 0), b);
    EXPECT_EQ(DatenWertungGetPtr(d, 7, 0), c);
    EXPECT_EQ(DatenWertungGetPtr(d, 5, 1), r);
    EXPECT_EQ(DatenWertungInGroupGetPtr(d, zwei, 7), c); // found, not created again

    // participant 7's entry unlinked without dropping the index
    ASSERT_EQ(zwei->WertungPtr, c);
    zwei->WertungPtr = c->next;
    c->next = nullptr;
    EXPECT_FALSE(DatenDurchgangIndexStimmt(d));
#ifndef NDEBUG
    EXPECT_DEATH(DatenWertungGetPtr(d, 7, 0), "Veralteter Index");
#endif
    DatenDurchgangIndexVerwerfen(d);
    EXPECT_TRUE(DatenDurchgangIndexStimmt(d));
    EXPECT_EQ(DatenWertungGetPtr(d, 7, 0), nullptr);
    EXPECT_EQ(DatenWertungGetPtr(d, 5, 0), b);
    DatenWertungDispose(c);
}

TEST(DatenDurchgang, CursorSkipsOrphansAndEmptyLevels) {
    Wettbewerb w;
    Pilot(w.p, 1, "Adler");
    Pilot(w.p, 2, "Bussard");
    DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, 3, true); // placeholder without surname
    // List order is head-first: build round 3 first so that round 1 stands at the head.
    Eintrag(w.p, 3, 1, 0, 2);
    DatenDurchgangGetPtr(w->DurchgangRootPtr, 2); // empty round in the middle
    Eintrag(w.p, 1, 2, 0, 9);                    // orphan: no participant 9
    Eintrag(w.p, 1, 1, 0, 3);                    // placeholder: skipped
    Eintrag(w.p, 1, 1, 0, 1);
    DatenGruppeGetPtr(DatenDurchgangGetPtr(w->DurchgangRootPtr, 1)->GruppePtr, 5, 0); // empty group

    std::vector<std::pair<int, int>> besucht; // (round, EdvNr)
    DurchgangListenInfoTyp info;
    InitWertungsDaten(w->DurchgangRootPtr, w->TeilnehmerRootPtr, info);
    while (WertungTyp* e = GetNextWertungsDatenPtr(info)) {
        ASSERT_NE(info.DurchgangPtr, nullptr);
        ASSERT_NE(info.GruppePtr, nullptr);
        besucht.emplace_back(info.DurchgangPtr->Nr, e->EdvNr);
    }
    EXPECT_EQ(besucht, (std::vector<std::pair<int, int>>{{1, 1}, {3, 2}}));
    EXPECT_EQ(GetNextWertungsDatenPtr(info), nullptr);

    DurchgangListenInfoTyp leer;
    InitWertungsDaten(nullptr, w->TeilnehmerRootPtr, leer);
    EXPECT_EQ(GetNextWertungsDatenPtr(leer), nullptr);
}

TEST(DatenRegel, DefaultRecordAndCopy) {
    RegelTyp* r = DatenRegelNew();
    DatenRegelDefault(r);
    EXPECT_EQ(r->EdvNr, -1);
    EXPECT_EQ(r->AnzGewerteteDurchg, "3");
    EXPECT_EQ(r->AnzGruppen, 10);
    EXPECT_EQ(r->Gruppenstart, 2);
    EXPECT_EQ(r->ParameterWettb.ParaNr[15], 15);
    EXPECT_EQ(r->ParameterWettb.DefaultWert[1], "0");
    EXPECT_EQ(r->ParameterPunktr.Bezeichner[16], "-");
    EXPECT_EQ(r->ParameterDurchg.Bezeichner[6], "-");
    RegelTyp* kopie = DatenRegelNew();
    r->Name = "F5J";
    r->next = kopie;
    DatenRegelCopy(kopie, r);
    EXPECT_EQ(kopie->Name, "F5J");
    EXPECT_EQ(kopie->next, kopie);
    kopie->next = nullptr;
    DatenRegelDispose(kopie);
    DatenRegelDispose(r);
    EXPECT_EQ(r, nullptr);
    DatenRegelDispose(r); // nil does nothing
}

TEST(DatenWettbewerb, DisposeFreesEveryList) {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    Pilot(w, 1, "Adler");
    DatenTeilnehmerGetPtr(w->StammDatenRootPtr, 4, true);
    Eintrag(w, 1, 1, 0, 1);
    w->MannschaftRootPtr = DatenMannschaftNew();
    w->RegelPtr = DatenRegelNew();
    w->KanalRootPtr = new KanalListeTyp{"35", 1, nullptr};
    w->BelegungRootPtr = new BelegungTyp{w->KanalRootPtr, nullptr, nullptr, 0, nullptr};
    w->DoppelBelegungRootPtr = new DoppelBelegungTyp{};
    DatenWettbewerbDispose(w); // LeakSanitizer checks the rest
    EXPECT_EQ(w, nullptr);
    DatenWettbewerbDispose(w);
}

// New numbers follow the largest in use and never pass the largest Integer:
// beyond it, the free numbers from 1 upward are taken.
TEST(DatenTeilnehmer, NeueNummernBleibenImBereich) {
    struct Fall {
        std::vector<int> nummern; // of records with a surname; 0 adds a record without one holding 5
        std::vector<int> belegt;
        std::vector<int> erwartet;
    } faelle[] = {
        {{}, {}, {1, 2, 3}},
        {{3, 1}, {}, {4, 5}},
        {{1, INT_MAX - 1}, {}, {INT_MAX, 2, 3}},
        {{INT_MAX, 1, 2, 4}, {}, {3, 5, 6}},
        {{INT_MAX, 1, 0}, {}, {2, 3, 4, 6}},    // 5 is held by a record without surname
        {{INT_MAX, 1}, {2, 3}, {4, 5}},          // numbers held elsewhere (entries, teams)
        {{2, INT_MAX, 1}, {}, {3}},
    };
    for (const Fall& f : faelle) {
        TeilnehmerTyp* root = nullptr;
        int edv = 0;
        for (const int n : f.nummern) {
            TeilnehmerTyp* p = DatenTeilnehmerGetPtr(root, --edv, true);
            p->StartNr = n == 0 ? 5 : n;
            if (n != 0) p->Name.NachnameStr = "X";
        }
        NeueNummern neu(root, &TeilnehmerTyp::StartNr, f.belegt);
        std::vector<int> erhalten;
        for (std::size_t i = 0; i < f.erwartet.size(); ++i) erhalten.push_back(neu.Naechste());
        EXPECT_EQ(erhalten, f.erwartet);
        DatenTeilnehmerDispose(root);
    }
}

// The index of a round's entries: numbers 1..n in the flat table, any other
// number and reflight order in the hash table, both answering as a walk of
// the groups does, also for entries linked in after it was built.
TEST(WertungsIndex, FlacheTabelleUndWeitereNummern) {
    using namespace tavuran;
    DurchgangTyp* d = DatenDurchgangNew();
    d->Nr = 1;
    GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, 1, 0);
    GruppeTyp* refly = DatenGruppeGetPtr(d->GruppePtr, 1, 1);
    GruppeTyp* zweite = DatenGruppeGetPtr(d->GruppePtr, 1, 2);
    const std::vector<int> nummern = {1, 2, 3, 40, -5, 0};
    for (int n : nummern) DatenWertungInGroupGetPtr(d, g, n);
    DatenWertungInGroupGetPtr(d, refly, 2);
    DatenWertungInGroupGetPtr(d, zweite, 3);
    // built now, then more entries: beyond the flat table, and one number twice
    for (int n : nummern) EXPECT_EQ(DatenWertungGetPtr(d, n, 0)->EdvNr, n);
    DatenWertungInGroupGetPtr(d, g, 1000000);
    DatenWertungInGroupGetPtr(d, g, INT_MAX);
    DatenWertungInGroupGetPtr(d, refly, 40);
    EXPECT_TRUE(DatenDurchgangIndexStimmt(d));
    for (int n : nummern) EXPECT_NE(DatenWertungGetPtr(d, n, 0), nullptr) << n;
    EXPECT_NE(DatenWertungGetPtr(d, 1000000, 0), nullptr);
    EXPECT_NE(DatenWertungGetPtr(d, INT_MAX, 0), nullptr);
    EXPECT_NE(DatenWertungGetPtr(d, 2, 1), nullptr);
    EXPECT_NE(DatenWertungGetPtr(d, 40, 1), nullptr);
    EXPECT_NE(DatenWertungGetPtr(d, 3, 2), nullptr);
    EXPECT_EQ(DatenWertungGetPtr(d, 3, 1), nullptr);
    EXPECT_EQ(DatenWertungGetPtr(d, 4, 0), nullptr);
    EXPECT_EQ(DatenWertungGetPtr(d, 41, 0), nullptr);
    EXPECT_EQ(DatenWertungGetPtr(d, -4, 0), nullptr);
    EXPECT_FALSE(DatenDurchgangEintraegeEindeutig(d)); // reflight order 2
    // A second entry of a number in another group: the index is dropped and
    // the walk's first entry is found again.
    GruppeTyp* g2 = DatenGruppeGetPtr(d->GruppePtr, 2, 0);
    WertungTyp* doppelt = DatenWertungInGroupGetPtr(d, g2, 2);
    EXPECT_EQ(DatenWertungGetPtr(d, 2, 0), doppelt); // g2 now stands first
    EXPECT_TRUE(DatenDurchgangIndexStimmt(d));
    DatenDurchgangDispose(d);
}
