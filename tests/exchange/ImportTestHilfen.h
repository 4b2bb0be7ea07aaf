// Helpers of the import tests (library, command line and window): a
// competition owned by the test, and a competition file with a rule and
// pilots whose partial ratings are stored in its result lines.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <tuple>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "rules/RegelLookup.h"

namespace importtest {

// A competition, new and empty or read from a file; freed at the end.
struct Wettbewerb {
    tavuran::WettbewerbTyp* w = nullptr;
    Wettbewerb() {
        w = tavuran::DatenWettbewerbNew();
        tavuran::DatenWettbewerbDefault(w);
    }
    explicit Wettbewerb(const std::string& datei) { tavuran::DatenWettbewerbLoad(w, datei); }
    ~Wettbewerb() { tavuran::DatenWettbewerbDispose(w); }
    Wettbewerb(const Wettbewerb&) = delete;
    Wettbewerb& operator=(const Wettbewerb&) = delete;
};

// Writes a competition (format 3) of the rule with pilots given as first
// name, surname and the points of their one flight in round 1, group 1
// (numbers from 1 in that order). With the rule "Manuelle Auswertung" a
// flight's points are its raw points, so the partial ratings the evaluation
// gives are the points in percent of the best: 87.5 beside 100 stays 87.5.
inline void WettbewerbSchreiben(const std::string& datei, const std::string& name, const std::string& regel,
                                std::initializer_list<std::tuple<const char*, const char*, double>> piloten) {
    Wettbewerb k;
    k.w->Name = name;
    k.w->Datum = {14, 6, 2026};
    ASSERT_TRUE(tavuran::ReplaceRuleByName(k.w, regel)) << regel;
    int nr = 0;
    for (const auto& [vorname, nachname, punkte] : piloten) {
        tavuran::TeilnehmerTyp* p = tavuran::DatenTeilnehmerGetPtr(k.w->TeilnehmerRootPtr, ++nr, true);
        p->Name.VornameStr = vorname;
        p->Name.NachnameStr = nachname;
        p->MeldgNr = p->StartNr = nr;
        p->Gruppe[1] = 1;
        if (punkte > 0) {
            tavuran::DurchgangTyp* d = tavuran::DatenDurchgangGetPtr(k.w->DurchgangRootPtr, 1);
            tavuran::GruppeTyp* g = tavuran::DatenGruppeGetPtr(d->GruppePtr, 1, 0);
            tavuran::DatenWertungInGroupGetPtr(d, g, nr)->WertungDurchg[1] = punkte;
        }
    }
    tavuran::SortAll(k.w);
    const tavuran::DateiSpeicherErgebnis e = tavuran::DatenWettbewerbSave(k.w, datei, 3, false);
    ASSERT_TRUE(e.Ok) << e.Grund;
}

} // namespace importtest
