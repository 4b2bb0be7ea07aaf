#include "reports/Startzettel.h"

#include <algorithm>

#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
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
    Aufbau(WettbewerbTyp* w) : Wett(w), Teams(w->MannschaftRootPtr) {
        const std::string liste = GetListStr(72, GetListTyp(5), LimitLowHighInt(w->AnzDurchgaenge, 1, MaxDurchgaenge),
                                             w->RegelPtr);
        std::string rest = liste;
        while (true) {
            Messfelder.push_back(L_STR_Unblank(L_STR_GetStrUntilChar(rest, U'³')));
            if (L_STR_Pos("³", rest) == 0) break;
            rest = L_STR_GetStrAfterChar(rest, U'³');
        }
        if (Messfelder.size() == 1 && Messfelder[0].empty()) Messfelder.clear();
        // A writing line without title (manual points) takes the name of the
        // rule's round value, or a number, so that no line is left unlabelled.
        const int werte = GetRegelParameterAnzahl(w->RegelPtr, 2);
        for (std::size_t k = 0; k < Messfelder.size(); ++k) {
            if (!Messfelder[k].empty()) continue;
            const int nr = static_cast<int>(k) + 1;
            std::string n = nr <= werte ? L_STR_Unblank(GetRegelBezeichnerStr(w->RegelPtr, nr + MaxPunktrichter)) : "";
            Messfelder[k] = n.empty() ? "Wert " + StrInt(nr) : n;
        }
    }

    void Platzieren(const TeilnehmerTyp* t, int r, bool NeueSeite) {
        // A fly-off round is flown by its finalists only.
        if (r > Wett->AnzVorrunden && t->Gruppe[r] <= 0) return;
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
        z.Teilnehmer = StrInt(t->StartNr) + ": " + L_STR_Unblank(CnvNameTypToNameStr(&t->Name, true));
        z.Verein = t->Verein;
        const MannschaftTyp* m = Teams(t->EdvNr);
        if (m && !L_STR_Unblank(m->Name).empty()) z.Team = "Team: " + m->Name;
        if (const int fo = DurchgangIstFlyOff(Wett, r) > 0 ? DurchgangIstFlyOff(Wett, r) : DurchgangIstFlyOffJugend(Wett, r);
            r > Wett->AnzVorrunden && fo > 0) {
            z.DurchgangTitel = L_STR_Unblank(GetDurchgangBezeichner(Wett, r, false, true));
            z.DurchgangWert = StrInt(fo);
        } else {
            z.DurchgangWert = StrInt(r);
        }
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
    const TeamsDerTeilnehmer Teams;
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

// The frame of one sheet on its page: the inner area, the unit u (a seventh
// of the inner height) and the font the parts start from.
struct ZettelRahmen {
    int left = 0, right = 0, top = 0, bottom = 0, W = 0, u = 1, xm = 0, rand = 0;
};

class ZettelZeichner {
  public:
    ZettelZeichner(DruckCanvas& c, const ZettelRahmen& r) : C(c), R(r) {
        f.Name = "Arial";
        f.Farbe = DruckSchwarz;
    }
    // A text fitted into its own space, never running into its neighbour;
    // y is the baseline (a multiple of u from the top).
    void Text(int x, double zeile, int platz, const std::string& t, int hoehe) {
        f.Hoehe = MaxInt(1, hoehe);
        C.SetSchrift(f);
        VariableTextOut(C, x, R.top + static_cast<int>(zeile * R.u), MaxInt(1, platz), 0, false, t);
    }
    int Rechtsbuendig(double zeile, const std::string& t) {
        f.Hoehe = R.u;
        C.SetSchrift(f);
        const int b = MinInt(C.TextBreite(t), R.W / 3);
        Text(R.right - b, zeile, b, t, R.u);
        return b;
    }

    // Competition, date, the pilot's name (the largest text), club, team, channel.
    void Kopf(const ZettelTyp& z) {
        const int u = R.u;
        const int datumBreite = Rechtsbuendig(1, z.Datum);
        Text(R.xm, 1, R.right - datumBreite - R.rand - R.xm, z.WettbewerbName, u);
        Text(R.xm, 3.0, R.right - R.xm, z.Teilnehmer, u * 2);
        const std::string kanal =
            z.Kanal == Kanal2G4 ? std::string("Kanal: ") + Kanal2G4Anzeige : "Kanal:" + L_STR_FillLeftWithBlanks(z.Kanal, 4);
        const int kanalBreite = Rechtsbuendig(4.3, kanal);
        std::string verein = z.Verein;
        if (!z.Team.empty()) verein += (verein.empty() ? "" : "   ") + z.Team;
        Text(R.xm, 4.3, R.right - kanalBreite - R.rand - R.xm, verein, u);
    }

    // Round, group and start place (or the start number), in large figures.
    void Durchgang(const ZettelTyp& z) {
        const int u = R.u;
        const int c = MaxInt(1, R.W / 9);
        const int cl = MaxInt(1, c - R.rand);
        const int left = R.left;
        Text(left, 1, cl, z.DurchgangTitel, u);
        if (z.Gruppenstart) {
            Text(left + c, 1, cl, "Gruppe", u);
            Text(left + 2 * c, 1, R.xm - left - 2 * c - R.rand, z.StartplatzTitel, u);
        } else {
            Text(left + c, 1, R.xm - left - c - R.rand, "Startnummer", u);
        }
        // A little smaller than the pilot's name.
        const int gross = u * 19 / 10;
        Text(left, 3.0, cl, z.DurchgangWert.empty() ? StrInt(z.DurchgangNr) : z.DurchgangWert, gross);
        if (z.Gruppenstart) {
            Text(left + c, 3.0, cl, z.Gruppe, gross);
            Text(left + 2 * c, 3.0, R.xm - left - 2 * c - R.rand, z.Startplatz, gross);
        } else {
            Text(left + c, 3.0, R.xm - left - c - R.rand, z.StartNr, gross);
        }
    }

    // The labelled writing lines for the judges and the signature.
    void Messfelder(const ZettelTyp& z) {
        std::vector<std::string> felder = z.Messfelder;
        felder.push_back("Unterschrift");
        const int n = static_cast<int>(felder.size());
        const int w = MaxInt(1, R.W / n);
        for (int k = 1; k <= n; ++k) {
            const int x = R.left + (k - 1) * w;
            Text(x, 7, w - R.rand, felder[k - 1], R.u * 12 / 10);
            for (int d = -1; d <= 1; ++d)
                C.Linie(x, R.top + 6 * R.u + d, x + w * 8 / 10, R.top + 6 * R.u + d, DruckSchwarz);
        }
    }

    DruckCanvas& C;
    const ZettelRahmen& R;
    DruckSchrift f;
};

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
        ZettelRahmen r;
        r.left = boxL + dx, r.right = boxR - dx - qr, r.top = boxT + dy, r.bottom = boxB - dy;
        r.W = r.right - r.left;
        r.u = MaxInt(1, (r.bottom - r.top) * 100 / 700);
        r.xm = r.left + r.W / 3;
        r.rand = r.u / 2;
        ZettelZeichner zz(Canvas, r);
        zz.Kopf(z);
        zz.Durchgang(z);
        zz.Messfelder(z);
        // The separating rule, kept within the sheet's box.
        const int yTrenner = MinInt(r.top + 8 * r.u, boxB - 2);
        for (int d = -1; d <= 1; ++d) Canvas.Linie(r.left, yTrenner + d, r.right, yTrenner + d, DruckSchwarz);
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
