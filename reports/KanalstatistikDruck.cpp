#include "reports/KanalstatistikDruck.h"

#include <algorithm>
#include <map>
#include <vector>

#include "core/DatenTeilnehmer.h"
#include "core/L_CALEND.h"
#include "core/L_STR.h"
#include "core/MinMax.h"
#include "startorder/Kanal.h"

namespace tavuran {

namespace {

DruckFarbe Farbe(const KanalFarbe& f) { return {f.R, f.G, f.B}; }

struct Band {
    DruckCanvas& C;
    int Stift; // pen width
    void Punktlinie(int x0, int y0, int x1, int y1) {
        const int schritt = 3 * Stift + 3;
        if (x0 == x1) {
            for (int y = MinInt(y0, y1); y <= MaxInt(y0, y1); y += schritt)
                C.RechteckFuellen(x0, y, x0 + Stift, y + Stift, DruckSchwarz);
        } else {
            for (int x = MinInt(x0, x1); x <= MaxInt(x0, x1); x += schritt)
                C.RechteckFuellen(x, y0, x + Stift, y0 + Stift, DruckSchwarz);
        }
    }
    void Linie(int x0, int y0, int x1, int y1) {
        if (x0 == x1) C.RechteckFuellen(x0, MinInt(y0, y1), x0 + Stift, MaxInt(y0, y1) + 1, DruckSchwarz);
        else C.RechteckFuellen(MinInt(x0, x1), y0, MaxInt(x0, x1) + 1, y0 + Stift, DruckSchwarz);
    }
    // A band in the rectangle; returns the bar width it used.
    int Zeichnen(const KanalBand& b, int Maximum, int l, int o, int r, int u, int VorherigeBreite) {
        C.RechteckFuellen(l, o, r, u, DruckWeiss);
        const int zeile = MaxInt(1, C.TextHoehe("0"));
        C.Text(l, o, b.Name, MaxInt(0, r - l));
        const int basis = u - zeile;
        const int achse = l + 4 * MaxInt(1, C.TextBreite("0"));
        const int plotOben = o + zeile + zeile / 2;
        const int plotHoehe = MaxInt(1, basis - plotOben);
        Linie(achse, basis, r, basis);
        Linie(achse, plotOben, achse, basis);
        if (Maximum > 0) {
            const int schritt = plotHoehe / Maximum;
            const int k = KanalSkalaSchritt(zeile, schritt);
            for (int i = 1; i <= Maximum; ++i) {
                if (i % k != 0) continue;
                const int y = basis - static_cast<int>(static_cast<long long>(plotHoehe) * i / Maximum);
                const std::string t = StrInt(i);
                C.Text(achse - C.TextBreite(t) - C.TextBreite("0") / 2, y - zeile / 2, t);
                Punktlinie(achse, y, r, y);
            }
        }
        const int n = static_cast<int>(b.Slots.size());
        if (n == 0) return VorherigeBreite;
        const int slot = MaxInt(1, (r - achse) / n);
        const int balken = KanalBalkenBreite(slot, VorherigeBreite);
        for (int s = 0; s < n; ++s) {
            const int x = achse + s * slot;
            if (s > 0) Punktlinie(x, plotOben, x, basis);
            const KanalSlot& k = b.Slots[s];
            if (k.Anzahl > 0 && Maximum > 0) {
                const int hoehe = static_cast<int>(static_cast<long long>(plotHoehe) * MinInt(k.Anzahl, Maximum) / Maximum);
                const int bx = x + (slot - balken) / 2;
                C.RechteckFuellen(bx, basis - hoehe, bx + balken, basis, Farbe(k.Farbe));
            }
            // A label wider than its slot is written smaller, so that
            // neighbouring labels never run into each other.
            const DruckSchrift grund = C.GetSchrift();
            DruckSchrift f = grund;
            while (f.Hoehe > DruckMinSchrifthoehe && C.TextBreite(k.Label) > slot - 2) {
                --f.Hoehe;
                C.SetSchrift(f);
            }
            const int tw = MinInt(C.TextBreite(k.Label), slot - 2);
            C.Text(x + (slot - tw) / 2, basis + Stift, k.Label, MaxInt(0, slot - 2));
            C.SetSchrift(grund);
        }
        return balken;
    }
};

} // namespace

KanalStatistikTexte KanalStatistikTexteErstellen(const WettbewerbTyp* Wett, const KanalStatistikModell& Modell) {
    KanalStatistikTexte t;
    if (!Wett) return t;
    t.Wettbewerb = L_STR_Unblank(Wett->Name + "   " + L_CALEND_GetDateString(Wett->Datum));
    int a = 0, b = 0, sonder = 0, g24 = 0, ohne = 0;
    std::map<std::string, std::vector<std::string>> namen; // channel -> pilots, in registration order
    std::vector<std::string> folge;
    std::vector<const TeilnehmerTyp*> liste;
    for (const TeilnehmerTyp* p = Wett->TeilnehmerRootPtr; p; p = p->next)
        if (TeilnehmerGelistet(p)) liste.push_back(p);
    std::sort(liste.begin(), liste.end(),
              [](const TeilnehmerTyp* x, const TeilnehmerTyp* y) { return x->MeldgNr < y->MeldgNr; });
    for (const TeilnehmerTyp* p : liste) {
        const std::string k = L_STR_Unblank(GetKanalTeilnehmer(*p));
        if (TeilnehmerIs2G4(p) || Format24GHzKanalStr(k) == Kanal2G4) {
            ++g24;
            continue;
        }
        if (!IsKanalValid(k)) {
            ++ohne;
            continue;
        }
        if (IstKanalInBand(Wett, KanalBandA, k)) ++a;
        else if (IstKanalInBand(Wett, KanalBandB, k)) ++b;
        else ++sonder;
        if (!namen.count(k)) folge.push_back(k);
        namen[k].push_back(L_STR_Unblank(CnvNameTypToNameStr(&p->Name, true)));
    }
    t.Zaehlung = std::string(KanalNameStr[KanalBandA]) + ": " + StrInt(a) + ", " + KanalNameStr[KanalBandB] + ": " +
                 StrInt(b) + ", " + KanalNameStr[KanalBandSonder] + ": " + StrInt(sonder) + ", 2,4 GHz: " +
                 StrInt(g24);
    if (ohne > 0) t.Zaehlung += ", ohne Kanal: " + StrInt(ohne);
    std::sort(folge.begin(), folge.end(),
              [](const std::string& x, const std::string& y) { return KanalSortSchluessel(x) < KanalSortSchluessel(y); });
    for (const std::string& k : folge) {
        const std::vector<std::string>& n = namen[k];
        if (n.size() < 2) continue;
        std::string z = "Kanal " + k + ": ";
        for (std::size_t i = 0; i < n.size(); ++i) z += (i ? ", " : "") + n[i];
        t.Geteilt.push_back(std::move(z));
    }
    bool slots = false;
    for (const KanalBand& band : Modell.Baender) slots = slots || !band.Slots.empty();
    if (!slots)
        t.NichtsZuZeigen = g24 > 0 && ohne == 0 ? "Keine Kanäle zu zeigen: alle Teilnehmer fliegen mit 2,4 GHz."
                                                 : "Keine Kanäle zu zeigen: kein Teilnehmer hat einen Kanal auf 35 MHz "
                                                   "oder einen Sonderkanal.";
    return t;
}

void PrintKanalStatistik(DruckCanvas& Canvas, int BlattBreite, int BlattHoehe, const KanalStatistikModell& Modell,
                         const KanalStatistikTexte& Texte) {
    Canvas.RechteckFuellen(0, 0, BlattBreite, BlattHoehe, DruckWeiss);
    const int l = BlattBreite / 20, r = BlattBreite - BlattBreite / 20;
    int o = BlattHoehe / 20;
    const int u = BlattHoehe - BlattHoehe / 20;
    const int nutzHoehe = u - o;
    if (r <= l || nutzHoehe <= 0) return;
    const DruckSchrift alt = Canvas.GetSchrift();
    DruckSchrift f;
    f.Name = "Arial";
    f.Hoehe = MaxInt(1, nutzHoehe / 52 * 8 / 10);
    f.Farbe = DruckSchwarz;
    Canvas.SetSchrift(f);
    Band zeichner{Canvas, LimitLowHighInt((r - l) / 1000, 1, 3)};

    // The texts above the chart.
    const int zeile = MaxInt(1, f.Hoehe * 5 / 4);
    int y = o;
    auto schreiben = [&](const std::string& t, bool fett, int faktor) {
        if (t.empty()) return;
        DruckSchrift g = f;
        g.Fett = fett;
        g.Hoehe = f.Hoehe * faktor / 4;
        Canvas.SetSchrift(g);
        Canvas.Text(l, y, t, r - l);
        y += zeile * faktor / 4;
        Canvas.SetSchrift(f);
    };
    if (!Texte.Titel.empty() && !Texte.Wettbewerb.empty()) {
        schreiben(Texte.Titel, true, 6);
        schreiben(Texte.Wettbewerb, false, 4);
        schreiben(Texte.Zaehlung, false, 4);
        if (!Texte.Geteilt.empty()) {
            y += zeile / 2;
            schreiben("Mehrfach belegte Kanäle:", true, 4);
            for (const std::string& g : Texte.Geteilt) schreiben(g, false, 4);
        }
        y += zeile;
    }
    if (!Texte.NichtsZuZeigen.empty()) {
        schreiben(Texte.NichtsZuZeigen, false, 4);
        Canvas.SetSchrift(alt);
        return;
    }

    // Bands with slots, A band, B band, then the others; with none at all
    // (everybody on 2.4 GHz) the three bands show their titles and axes only.
    std::vector<const KanalBand*> baender;
    for (int b : {KanalBandA, KanalBandB, KanalBandSonder})
        if (!Modell.Baender[b].Slots.empty()) baender.push_back(&Modell.Baender[b]);
    if (baender.empty())
        for (int b : {KanalBandA, KanalBandB, KanalBandSonder}) baender.push_back(&Modell.Baender[b]);
    const int n = static_cast<int>(baender.size());
    o = MinInt(y, u - 4 * n * zeile);
    const int hoehe = (u - o) / n - 4;
    int breite = 999;
    for (int i = 0; i < n; ++i) {
        const int bo = o + i * (hoehe + 4);
        breite = zeichner.Zeichnen(*baender[i], Modell.Maximum, l, bo, r, bo + MaxInt(1, hoehe), breite);
    }
    Canvas.SetSchrift(alt);
}

} // namespace tavuran
