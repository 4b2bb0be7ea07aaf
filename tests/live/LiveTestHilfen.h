// A competition on disk for the live tests: a copy of a small F3J file (three
// pilots, value columns "Abstand[m]" and "Zeit[min:s.z]") in a fresh folder
// of the running test, loaded, with its codes for round 1.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "live/LiveZugang.h"

namespace tavuran::livetest {

inline std::string Lies(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class LiveWettbewerb {
  public:
    explicit LiveWettbewerb(int WeiterePiloten = 0) {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        Ordner = testing::TempDir() + "tavuran_live_" + std::to_string(getpid()) + "_" + info->test_suite_name() +
                 "_" + info->name();
        std::filesystem::remove_all(Ordner);
        std::filesystem::create_directories(Ordner);
        Datei = Ordner + "/wett.wtb";
        std::filesystem::copy_file(std::string(TAVURAN_TEST_DATA) + "/wtb/format2_teilnehmer.wtb", Datei);
        std::string grund;
        EXPECT_EQ(DatenWettbewerbLoad(W, Datei, &grund), LadenOk) << grund;
        for (int i = 0; i < WeiterePiloten; ++i) {
            TeilnehmerTyp* t = DatenTeilnehmerGetPtr(W->TeilnehmerRootPtr, 100 + i, true);
            t->Name.NachnameStr = "Pilot" + std::to_string(i);
            t->Name.VornameStr = "P";
            t->StartNr = 100 + i;
        }
        EXPECT_TRUE(ZugangErgaenzen(W, 1, Zugang, grund)) << grund;
        Zugang.Basis = "http://127.0.0.1:8080";
        EXPECT_TRUE(ZugangSchreiben(ZugangDateiName(Datei), Zugang, grund)) << grund;
    }
    ~LiveWettbewerb() {
        DatenWettbewerbDispose(W);
        std::filesystem::remove_all(Ordner);
    }
    LiveWettbewerb(const LiveWettbewerb&) = delete;
    LiveWettbewerb& operator=(const LiveWettbewerb&) = delete;

    std::string Code(int EdvNr, int Durchgang = 1) const {
        const ZugangEintragTyp* z = ZugangVon(Zugang, Durchgang, EdvNr);
        return z ? z->Code : std::string();
    }

    std::string Ordner, Datei;
    WettbewerbTyp* W = nullptr;
    ZugangListeTyp Zugang;
};

} // namespace tavuran::livetest
