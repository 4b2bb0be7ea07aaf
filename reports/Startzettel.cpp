#include "reports/Startzettel.h"

#include <algorithm>

#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_CALEND.h"
#include "core/L_STR.h"
#include "core/MinMax.h"
#include "evaluation/Sortierung.h"
#include "exchange/HtmlListen.h"
#include "reports/Druck.h"
#include "reports/QrCode.h"
#include "rules/RegelLookup.h"
#include "startorder/Kanal.h"

namespace tavuran {

namespace {

// Participants without a team first, then the teams by name (the team list
// of the registration list); members from the last slot to the first.
std::vector<TeilnehmerTyp*> TeamReihenfolge(WettbewerbTyp* Wett) {
    std::vector<TeilnehmerTyp*> r;
    for (const TeamTyp& t : InitTeamList(Wett))
        for (TeilnehmerTyp* p : t.Teilnehmer)
            if (p->EdvNr != 0 && !L_STR_Unblank(p->Name.NachnameStr).empty()) r.push_back(p);
    return r;
}

class Aufbau {
  public:
    Aufbau(WettbewerbTyp* w) : Wett(w) {
        const std::string liste = GetListStr(72, GetListTyp(5), LimitLowHighInt(w->AnzDurchgaenge, 1, MaxDurchgaenge),
                                             w->RegelPtr);
        std::string rest = liste;
        while (true) {
            Messfelder.push_back(L_STR_Unblank(L_STR_GetStrUntilChar(rest, U'³')));
            if (L_STR_Pos("³", rest) == 0) break;
            rest = L_STR_GetStrAfterChar(rest, U'³');
        }
        if (Messfelder.size() == 1 && Messfelder[0].empty()) Messfelder.clear();
    }

    void Platzieren(const TeilnehmerTyp* t, int r, bool NeueSeite) {
        if (Seiten.empty() || Seiten.back().Zettel.size() >= ZettelProSeite || NeueSeite) {
            ZettelSeiteTyp s;
            s.SeitenNr = static_cast<int>(Seiten.size()) + 1;
            Seiten.push_back(std::move(s));
        }
        ZettelSeiteTyp& s = Seiten.back();
        ZettelTyp z;
        z.ZeilenNr = static_cast<int>(s.Zettel.size()) + 1;
        z.DurchgangNr = r;
        z.EdvNr = t->EdvNr;
        z.Datum = L_CALEND_GetDayStr(Wett->Datum) + "." + L_CALEND_GetMonthStr(Wett->Datum) + "." +
                  L_CALEND_GetYearStr(Wett->Datum);
        z.WettbewerbName = Wett->Name;
        z.Teilnehmer = StrInt(t->StartNr) + ": " + L_STR_Unblank(CnvNameTypToNameStr(&t->Name, true)) + "   " +
                       t->Verein;
        const MannschaftTyp* m = GetMannschaftdesTeilnehmers(Wett->MannschaftRootPtr, t->EdvNr);
        z.Team = m ? "Team: " + m->Name : "ohne Team";
        z.Kanal = GetKanalTeilnehmer(*t);
        z.Gruppenstart = Wett->Gruppenstart;
        z.StartplatzTitel = Wett->RegelPtr ? L_STR_Unblank(Wett->RegelPtr->StartplatzStr) : std::string();
        z.Gruppe = StrInt(t->Gruppe[r]);
        z.Startplatz = StrInt(GetTeilnehmerStartPlatzNr(Wett, t, r));
        z.StartNr = StrInt(t->StartNr);
        z.Messfelder = Messfelder;
        s.Zettel.push_back(std::move(z));
    }

    WettbewerbTyp* Wett;
    std::vector<std::string> Messfelder;
    std::vector<ZettelSeiteTyp> Seiten;
};

} // namespace

std::vector<ZettelSeiteTyp> MakeZettelSeiten(WettbewerbTyp* Wett, int ListeDurchgaenge, int AktSort) {
    if (!Wett) return {};
    const std::vector<int> runden = MakePrintDurchgangList(Wett, ListeDurchgaenge);
    const int alt = Wett->DurchgangNr;
    Aufbau a(Wett);
    auto runde = [&](int r) {
        Wett->DurchgangNr = r;
        SortTeilnehmerGruppe(Wett);
    };
    if (AktSort == SortTeam) {
        for (TeilnehmerTyp* t : TeamReihenfolge(Wett))
            for (int r : runden) a.Platzieren(t, r, false);
    } else if (AktSort == SortGruppe) {
        for (int r : runden) {
            runde(r);
            InfoTeilnehmerTyp info;
            for (TeilnehmerTyp* t = GetFirstTeilnehmer(Wett, SortGruppe, info); t; t = GetNextTeilnehmer(info))
                a.Platzieren(t, r, false);
        }
    } else {
        // A card needs only its round's group and start place, not the
        // group chain; the order is taken once.
        std::vector<TeilnehmerTyp*> folge;
        InfoTeilnehmerTyp info;
        for (TeilnehmerTyp* t = GetFirstTeilnehmer(Wett, AktSort, info); t; t = GetNextTeilnehmer(info))
            folge.push_back(t);
        int i = 0;
        const TeilnehmerTyp* vorher = nullptr;
        for (TeilnehmerTyp* t : folge)
            for (int r : runden) {
                bool neu = false;
                if (AktSort == SortName && vorher && t != vorher) {
                    neu = i > 1;
                    i = 0;
                } else {
                    ++i;
                }
                vorher = t;
                a.Platzieren(t, r, neu);
            }
    }
    Wett->DurchgangNr = alt;
    SortTeilnehmerGruppe(Wett);
    return std::move(a.Seiten);
}

namespace {

// The sheet's entry link as a QR code at the right of its box, inside the
// margin dx that printers keep free; returns the width the texts leave for it
// (0 without a link).
int ZettelQrCode(DruckCanvas& Canvas, const ZettelTyp& z, int boxL, int boxT, int boxR, int boxB, int dx) {
    if (z.Zugangslink.empty()) return 0;
    const QrMatrixTyp code = QrCodeBerechnen(z.Zugangslink);
    const int kante = MinInt((boxB - boxT) * 3 / 4, (boxR - boxL) / 5);
    if (code.Groesse <= 0 || kante < code.Groesse + 8) return 0;
    QrCodeZeichnen(Canvas, boxR - dx - kante, boxT + (boxB - boxT - kante) / 2, kante, code);
    return kante + dx / 2;
}

} // namespace

void DrawZettelImage(DruckCanvas& Canvas, int Breite, bool Preview, int Hoehe, const ZettelSeiteTyp& Seite) {
    const int H = MaxInt(1, Hoehe);
    Canvas.RechteckFuellen(0, 0, Breite, H, Preview ? DruckHellblau : DruckWeiss);
    if (Preview) {
        Canvas.Linie(0, 0, Breite - 1, 0, DruckSchwarz);
        Canvas.Linie(0, H - 1, Breite - 1, H - 1, DruckSchwarz);
        Canvas.Linie(0, 0, 0, H - 1, DruckSchwarz);
        Canvas.Linie(Breite - 1, 0, Breite - 1, H - 1, DruckSchwarz);
    }
    const DruckSchrift alt = Canvas.GetSchrift();
    // From the last sheet up, so that each sheet's separating rule at its
    // bottom stays above the white box of the sheet below it.
    for (auto it = Seite.Zettel.rbegin(); it != Seite.Zettel.rend(); ++it) {
        const ZettelTyp& z = *it;
        const int zn = LimitLowHighInt(z.ZeilenNr, 1, ZettelProSeite);
        const int boxL = 10, boxR = Breite - 10;
        const int boxT = static_cast<int>(static_cast<long long>(H) * (zn - 1) / ZettelProSeite);
        const int boxB = boxT + H / ZettelProSeite;
        if (boxR <= boxL || boxB <= boxT) continue;
        Canvas.RechteckFuellen(boxL, boxT, boxR, boxB, DruckWeiss);
        const int dx = (boxR - boxL) * 6 / 100, dy = (boxB - boxT) * 10 / 100;
        const int qr = ZettelQrCode(Canvas, z, boxL, boxT, boxR, boxB, dx);
        const int left = boxL + dx, right = boxR - dx - qr, top = boxT + dy, bottom = boxB - dy;
        const int W = right - left;
        const int u = MaxInt(1, (bottom - top) * 100 / 700);
        DruckSchrift f;
        f.Name = "Arial";
        f.Hoehe = u;
        f.Farbe = DruckSchwarz;
        // A text is fitted into its own space and never runs into its neighbour.
        auto text = [&](int x, int zeile, int platz, const std::string& t, int hoehe) {
            f.Hoehe = MaxInt(1, hoehe);
            Canvas.SetSchrift(f);
            VariableTextOut(Canvas, x, top + zeile * u, MaxInt(1, platz), 0, false, t);
        };
        auto rechtsbuendig = [&](int zeile, const std::string& t) {
            f.Hoehe = u;
            Canvas.SetSchrift(f);
            const int b = MinInt(Canvas.TextBreite(t), W / 3);
            text(right - b, zeile, b, t, u);
            return b;
        };
        const int datumBreite = rechtsbuendig(1, z.Datum);
        const std::string kanal =
            z.Kanal == Kanal2G4 ? std::string("Kanal: ") + Kanal2G4Anzeige : "Kanal:" + L_STR_FillLeftWithBlanks(z.Kanal, 4);
        const int kanalBreite = rechtsbuendig(3, kanal);

        const int xm = left + W / 3;
        const int rand = u / 2;
        text(xm, 1, right - datumBreite - rand - xm, z.WettbewerbName, u);
        text(xm, 2, right - xm, z.Teilnehmer, u);
        text(xm, 3, right - kanalBreite - rand - xm, z.Team, u);

        // The left block's columns keep a gap between them and to the texts
        // right of them.
        const int c = MaxInt(1, W / 9);
        const int cl = MaxInt(1, c - rand);
        text(left, 1, cl, "Durchgang", u);
        if (z.Gruppenstart) {
            text(left + c, 1, cl, "Gruppe", u);
            text(left + 2 * c, 1, xm - left - 2 * c - rand, z.StartplatzTitel, u);
        } else {
            text(left + c, 1, xm - left - c - rand, "Startnummer", u);
        }
        const int gross = u * 28 / 10;
        text(left, 3, cl, StrInt(z.DurchgangNr), gross);
        if (z.Gruppenstart) {
            text(left + c, 3, cl, z.Gruppe, gross);
            text(left + 2 * c, 3, xm - left - 2 * c - rand, z.Startplatz, gross);
        } else {
            text(left + c, 3, xm - left - c - rand, z.StartNr, gross);
        }

        std::vector<std::string> felder = z.Messfelder;
        felder.push_back("Unterschrift");
        const int n = static_cast<int>(felder.size());
        const int w = MaxInt(1, W / n);
        for (int k = 1; k <= n; ++k) {
            const int x = left + (k - 1) * w;
            f.Hoehe = MaxInt(1, u * 12 / 10);
            Canvas.SetSchrift(f);
            VariableTextOut(Canvas, x, top + 7 * u, MaxInt(1, w - rand), 0, false, felder[k - 1]);
            for (int d = -1; d <= 1; ++d) Canvas.Linie(x, top + 6 * u + d, x + w * 8 / 10, top + 6 * u + d, DruckSchwarz);
        }
        // The separating rule, kept within the sheet's box.
        const int yTrenner = MinInt(top + 8 * u, boxB - 2);
        for (int d = -1; d <= 1; ++d) Canvas.Linie(left, yTrenner + d, right, yTrenner + d, DruckSchwarz);
        if (Preview) {
            Canvas.Linie(0, boxT, Breite - 1, boxT, DruckGrau);
            Canvas.Linie(0, MinInt(boxB, H - 1), Breite - 1, MinInt(boxB, H - 1), DruckGrau);
            Canvas.Linie(boxL, 0, boxL, H - 1, DruckGrau);
            Canvas.Linie(boxR, 0, boxR, H - 1, DruckGrau);
        }
    }
    Canvas.SetSchrift(alt);
}

} // namespace tavuran
