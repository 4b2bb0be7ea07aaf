// Every character of a name survives typing, the registration import, saving
// and loading, while the file stays Windows-1252 for every reader: characters
// outside the code page are stored as numeric character references. A file an
// editor turned into UTF-8 is read in its own code page, line by line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/ImportPortal.h"
#include "tests/exchange/ImportTestHilfen.h"
#include "tests/exchange/WtbTestHilfen.h"

using namespace tavuran;
using namespace wtbtest;

namespace {

std::vector<std::string> Zeilen(const std::string& bytes, const std::string& key) {
    std::vector<std::string> z;
    for (const std::string& l : ByteZeilen(bytes))
        if (l.rfind(key, 0) == 0) z.push_back(l);
    return z;
}

TEST(DateiZeichen, ReferenzenWerdenGelesenUndGeschrieben) {
    const std::string bytes = LiesBytes(DatenPfad("wtb/zeichen_referenzen.wtb"));
    DateiLeseBericht b;
    WettbewerbTyp* w = nullptr;
    ASSERT_EQ(DatenWettbewerbLesen(w, bytes, "", &b), LadenOk);
    EXPECT_FALSE(b.Verluste()) << LeseBerichtText(b);
    const TeilnehmerTyp* jiri = GetTeilnehmerEdvNr(w, 2);
    const TeilnehmerTyp* lukasz = GetTeilnehmerEdvNr(w, 1);
    ASSERT_TRUE(jiri && lukasz);
    EXPECT_EQ(jiri->Name.VornameStr, "Jiří");
    EXPECT_EQ(jiri->Name.NachnameStr, "Dvořák");
    EXPECT_EQ(jiri->Verein, "Łódź R&#D"); // "&#38;#" stands for the text "&#"
    EXPECT_EQ(lukasz->Name.VornameStr, "Łukasz");
    EXPECT_EQ(lukasz->Name.NachnameStr, "Wójcik");
    // Written again, the participant lines are the same bytes.
    bool ersetzt = true;
    const std::string neu = DatenWettbewerbText(w, 3, ersetzt);
    EXPECT_FALSE(ersetzt);
    std::vector<std::string> alt = Zeilen(bytes, "TEILNEHMER:");
    std::swap(alt[0], alt[1]); // each reading reverses the list
    EXPECT_EQ(Zeilen(neu, "TEILNEHMER:"), alt);
    DatenWettbewerbDispose(w);
}

// Names outside Windows-1252 from the portal are the same after a save and a
// load, so that importing the download again finds every pilot.
TEST(DateiZeichen, PortalImportNachSpeichernFindetJedenPiloten) {
    const std::string csv = "Pilot First Name;Pilot Last Name;Pilot Club;Pilot Uses 2.4 GHz;Pilot Is <18\r\n"
                            "Jiří;Dvořák;Klub Praha;yes;no\r\n"
                            "Łukasz;Wójcik;Aeroklub Łódź;yes;no\r\n"
                            "Jürgen;Müller;MFC;yes;no\r\n";
    const ImportVorschau v = ImportTextLesen(csv);
    ImportOptionen o;
    o.Heute = {10, 12, 2026};
    importtest::Wettbewerb w;
    ASSERT_TRUE(ImportPortal(w.w, v, o).Ausgefuehrt);
    WettbewerbTyp* geladen = w.w;
    w.w = nullptr;
    for (int runde = 1; runde <= 3; ++runde) {
        bool ersetzt = true;
        const std::string bytes = DatenWettbewerbText(geladen, 3, ersetzt);
        EXPECT_FALSE(ersetzt);
        for (const char c : bytes) ASSERT_NE(c, '?') << bytes; // nothing replaced
        DatenWettbewerbDispose(geladen);
        DatenWettbewerbLesen(geladen, bytes, "");
        const ImportBericht b = ImportPortal(geladen, v, o);
        EXPECT_TRUE(b.Neu.empty()) << runde;
        EXPECT_EQ(b.Aktualisiert.size(), 3u) << runde;
        EXPECT_EQ(GetAnzTeilnehmerGelistet(geladen->TeilnehmerRootPtr), 3) << runde;
    }
    EXPECT_NE(GetTeilnehmerName(geladen, "Dvořák Jiří"), nullptr);
    EXPECT_NE(GetTeilnehmerName(geladen, "Wójcik Łukasz"), nullptr);
    DatenWettbewerbDispose(geladen);
}

// A file saved by an editor in UTF-8 (without byte-order mark), one of whose
// lines was written in Windows-1252: each line is read in its own code page,
// and the reading says so.
TEST(DateiZeichen, Utf8DateiMitEinerWindowsZeile) {
    DateiLeseBericht b;
    WettbewerbTyp* w = nullptr;
    ASSERT_EQ(DatenWettbewerbLesen(w, LiesBytes(DatenPfad("wtb/zeichen_gemischt.wtb")), "", &b), LadenOk);
    EXPECT_EQ(w->Name, "Frühjahrspokal");
    EXPECT_EQ(w->AnzDurchgaenge, 8); // the key DURCHGÄNGE in UTF-8
    EXPECT_EQ(w->Organisationsleiter.NachnameStr, "Jäger");
    EXPECT_EQ(w->Organisationsleiter.VornameStr, "Jürgen");
    EXPECT_EQ(GetTeilnehmerEdvNr(w, 2)->Name.NachnameStr, "Müller");
    EXPECT_EQ(w->MannschaftRootPtr->Name, "Team Süd");
    EXPECT_EQ(b.Hinweise,
              std::vector<std::string>{"Die Datei ist gemischt kodiert: die meisten Zeilen sind UTF-8, Zeile 13 aber "
                                       "Windows-1252. Jede Zeile wurde in ihrer eigenen Kodierung gelesen; bitte die "
                                       "Umlaute prüfen."});
    DatenWettbewerbDispose(w);

    // Wholly UTF-8 is no damage: every line reads as it was meant.
    std::string utf8;
    for (const std::string& z : ByteZeilen(LiesBytes(DatenPfad("wtb/beispiel_format3.wtb"))))
        utf8 += CnvWindows1252ToUtf8(z) + "\r\n";
    ASSERT_EQ(DatenWettbewerbLesen(w, utf8, "", &b), LadenOk);
    EXPECT_FALSE(b.Verluste()) << LeseBerichtText(b);
    EXPECT_EQ(w->Name, "Frühjahrspokal");
    DatenWettbewerbDispose(w);
}

} // namespace
