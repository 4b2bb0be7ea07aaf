#include "reports/Druck.h"

#include <algorithm>
#include <cmath>

#include "core/Dezimalkomma.h"
#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/Eingabe.h"
#include "core/L_CALEND.h"
#include "core/L_STR.h"
#include "core/MinMax.h"
#include "evaluation/Auswertung.h"
#include "evaluation/AuswertungRohpunkte.h"
#include "evaluation/ErgebnisAngaben.h"
#include "evaluation/Refly.h"
#include "evaluation/Sortierung.h"
#include "rules/RegelLookup.h"
#include "startorder/Kanal.h"
#include "startorder/StartreihenfolgeLauf.h"

namespace tavuran {

namespace {

constexpr SpalteTyp SpaltenTabelle[AnzSpalten + 1] = {
    {"", -1, 0},
    {"Mld.Nr", 0, 6},
    {"Start", 1, 6},
    {"Platz", 2, 6},
    {"jug", 3, 6},
    {"Grp.", 4, 6},
    {"Teilnehmer", 5, 23},
    {"Verein", 6, 20},
    {"Verband", 8, 12},
    {"Team", 7, 20},
    {"Bndsl.", 9, 6},
    {"Nation", 10, 6},
    {"Kanal", 11, 6},
    {"Kanal", 30, 6},
    {"jug", 12, 6},
    {"Helfer", 13, 23},
    {"Modell", 14, 11},
    {"$PUNKTRICHTERWERTG", 15, 15},
    {"$DURCHGANGWERTG", 16, 15},
    {"$DURCHGANGNAME", 17, -2},
    {"", 18, -2},
    {"Ergebnis", 19, 18},
    {"Ergebnis", 20, 10},
    {"Teilw.[%]", 21, 12},
    {"Strafe", 22, 12},
    {"$STARTLISTE", 23, 23},
    {"$STARTLISTE", 24, -1},
    {"$PUNKTRICHTERWERTG", 25, 15},
    {"$DURCHGANGWERTG", 26, 15},
    {"Reflight", 27, -2},
    {"", 28, -2},
    {"Signatur", 31, 23},
};

constexpr const char* Fussnote = " Tavuran V1.63 (14.06.2025) - www.tavuran.de";

// Lines below the last participant row that the signature block needs: the
// names to sign four lines below, the judges six lines below; the judges'
// line itself must still be one of the page's text lines, or it would sit on
// the footnote's rule.
constexpr int UnterschriftZeilen = 7;

bool Bit(std::uint32_t Maske, int n) { return (Maske >> n) & 1u; }
void Setze(std::uint32_t& Maske, int n) { Maske |= (1u << n); }
void Loesche(std::uint32_t& Maske, int n) { Maske &= ~(1u << n); }

std::string Zahl(double x) { return L_STR_DoubleToStr(x, 1, 7, 0, 2); }

// The rounds the layout counts with: 1..30 whatever a file says.
int DruckDurchgaenge(const WettbewerbTyp* Wett) { return LimitLowHighInt(Wett->AnzDurchgaenge, 1, MaxDurchgaenge); }

// A round has reflights when its first reflight group in list order holds an entry.
bool ReflyImDurchgang(const WettbewerbTyp* Wett, int Nr) {
    const DurchgangTyp* d = DatenDurchgangSuchen(Wett, Nr);
    if (!d) return false;
    for (const GruppeTyp* g = d->GruppePtr; g; g = g->next)
        if (g->ReflyOrder == 1) return g->WertungPtr != nullptr;
    return false;
}

int KanalAktivNr(const TeilnehmerTyp* t) { return (t->KanalAktiv == 2 || t->KanalAktiv == 3) ? t->KanalAktiv : 1; }

// --------------------------------------------------------------- the header

void MakeDruckKopf(int ListenArt, const WettbewerbTyp* Wett, SeiteTyp& Seite, int VerteilerArt, int DurchgangNr) {
    KopfTyp& k = Seite.Kopf;
    k.Verteiler = VerteilerTitel(VerteilerArt);
    k.SeiteStr = StrInt(Seite.SeiteAnzeige);
    std::uint32_t m = 0;
    auto bits = [&](std::initializer_list<int> l) {
        for (int b : l) Setze(m, b);
    };
    switch (ListenArt) {
    case ListeStart:
        k.ListentypStr = "Startliste";
        bits({0, 1, 2, 3, 4, 5, 6, 7, KopfLinie, KopfWasserzeichenRot});
        break;
    case ListeMeldung:
        k.ListentypStr = "Meldungsliste";
        bits({0, 2, 3, 4, 5, 6, 7, KopfLinie});
        break;
    case ListeWertung:
        k.ListentypStr = "Wertungen";
        bits({0, 1, 2, 3, 4, 5, 6, 7, KopfLinie, KopfWasserzeichenGruen});
        break;
    case ListeErgebnis:
        k.ListentypStr = "Ergebnis";
        bits({0, 2, 3, 4, 5, 6, 7, KopfLinie});
        k.GewertetHinweis = VorrundenHinweis(Wett);
        if (!k.GewertetHinweis.empty()) Setze(m, KopfGewertet);
        break;
    default: break;
    }
    k.KopfMode = static_cast<int>(m);
    int n = 0;
    if (Bit(m, KopfName)) n += 2;
    if (Bit(m, KopfByNummer) || Bit(m, KopfDatum) || Bit(m, KopfRegel)) ++n;
    if (Bit(m, KopfLinie)) ++n;
    if (Bit(m, KopfVerteiler) || Bit(m, KopfDurchgang)) ++n;
    if (Bit(m, KopfSeite) || Bit(m, KopfListentyp)) ++n;
    if (n > 0) ++n;
    k.AnzZeilen = n;

    k.WettbewerbName = Wett->Name;
    k.ByNummer = Wett->ByNummer;
    k.RegelName = Wett->RegelPtr ? Wett->RegelPtr->Name : std::string();
    k.Datum = L_CALEND_GetDateString(Wett->Datum);
    k.DurchgangLang = GetDurchgangBezeichner(Wett, DurchgangNr, false, true);
    k.Wasserzeichen = L_STR_Unblank(GetDurchgangBezeichner(Wett, DurchgangNr, true, true));
}

void MakeDruckFuss(SeiteTyp& Seite) {
    Seite.Fuss.Fussnote = Fussnote;
    Seite.Fuss.FussMode = 2;
    Seite.Fuss.AnzZeilen = 3;
}

// Once the pages of a copy are built: "Seite x von y" in header and footer,
// and on result lists the time of printing and whether the list is final.
void SeitenZaehlen(std::vector<SeiteTyp>& Seiten, std::size_t Erste, const std::string& Stand) {
    const std::string von = StrInt(static_cast<int>(Seiten.size() - Erste));
    for (std::size_t i = Erste; i < Seiten.size(); ++i) {
        SeiteTyp& s = Seiten[i];
        s.Kopf.SeiteStr = StrInt(s.SeiteAnzeige) + " von " + von;
        s.Fuss.Rechts = (Stand.empty() ? std::string() : Stand + "   ") + "Seite " + s.Kopf.SeiteStr;
    }
}

// ---------------------------------------------------------- rows and breaks

struct Zeilenlauf {
    InfoTeilnehmerTyp Info;
    std::vector<TeilnehmerTyp*> Teilnehmer; // of the page's rows, parallel to Zeilen[1..]
};

// Fills the page's rows; true when the participants ran out (last page of the copy).
bool MakeDruckZeilen(WettbewerbTyp* Wett, const DruckSeitenTyp& P, SeiteTyp& Seite, int DurchgangNr, bool ErsteSeite,
                     int AnzahlZeilenText, Zeilenlauf& Lauf) {
    const int sort = P.Sortierung;
    const bool flyOff = DurchgangIstFlyOff(Wett, DurchgangNr) > 0;
    const int gruppe = Wett->AnzTeilnGruppe;
    const int letzteGruppe = GetGruppenAnzahl(Wett->TeilnehmerRootPtr);
    auto gruppeVon = [&](const TeilnehmerTyp* t) { return t->Gruppe[DurchgangNr]; };

    ZeileTyp titel;
    titel.ZeilenNr = 0;
    titel.ZeilenMode = 1 << ZeileTitel;
    titel.ZeilenMode |= (Wett->Gruppenstart && sort == SortGruppe) ? (1 << ZeileGruppeUnten) : (1 << ZeileLinieUnten);
    Seite.Text.Zeilen.push_back(titel);
    Lauf.Teilnehmer.clear();

    int i = 1;
    int vorher = 1;
    TeilnehmerTyp* p = ErsteSeite ? GetFirstTeilnehmer(Wett, sort, Lauf.Info) : GetNextTeilnehmer(Lauf.Info);
    bool voll = false;
    while (p && !voll) {
        const int g = gruppeVon(p);
        if (g > 0 || P.ListenArt == ListeMeldung || P.ListenArt == ListeErgebnis) {
            ZeileTyp z;
            z.ZeilenNr = i;
            z.GruppenNr = g;
            z.EdvNr = p->EdvNr;
            ++i;
            if (sort == SortGruppe) {
                if (g != vorher) {
                    if (!flyOff) z.ZeilenMode |= 1 << ZeileGruppeOben;
                    vorher = g;
                }
                z.ZeilenMode |= 1 << ZeileStrichUnten;
            } else if (i % 3 == 1) {
                z.ZeilenMode |= 1 << ZeileStrichUnten;
            }
            Seite.Text.Zeilen.push_back(std::move(z));
            Lauf.Teilnehmer.push_back(p);
        }
        if (i >= AnzahlZeilenText) {
            voll = true;
        } else if (sort == SortGruppe) {
            const TeilnehmerTyp* q = CalcNextTeilnehmer(Lauf.Info);
            if (q && gruppeVon(q) != g) {
                if (AnzahlZeilenText - gruppe < i) voll = true;
                else if (gruppeVon(q) == letzteGruppe && AnzahlZeilenText - gruppe - 1 < i) voll = true;
            }
        }
        if (!voll) p = GetNextTeilnehmer(Lauf.Info);
    }
    return p == nullptr;
}

// ------------------------------------------------------------- column set

void MakeDruckText(int ListenArt, WettbewerbTyp* Wett, SeiteTyp& Seite, int DurchgangNr, bool LetzteSeite,
                   bool TeamAnzeigen, int Sortierung) {
    std::uint32_t m = 0;
    auto bits = [&](std::initializer_list<int> l) {
        for (int b : l) Setze(m, b);
    };
    const int v = Seite.VerteilerArt;
    switch (ListenArt) {
    case ListeStart: bits({1, 4, 5, 6, 9, 12, 13, 30}); break;
    case ListeMeldung:
        // The number the list is sorted by: registration or start number;
        // in another order the start number once the start order is drawn.
        if (Sortierung == SortMeldgNr) Setze(m, 0);
        else if (Sortierung == SortStartNr) Setze(m, 1);
        else Setze(m, GetStartreihenfolgeErmittelt(Wett) ? 1 : 0);
        bits({5, 6, 9, 11, 12, 13});
        break;
    case ListeWertung:
        // Start number and group, to be checked against the start sheets.
        bits({1, 2, 3, 4, 5, 6, 15, 16, 17, 18});
        if (ReflyImDurchgang(Wett, DurchgangNr)) bits({25, 26, 27, 28});
        if (GetStrafpunkteInDurchgang(Wett, DurchgangNr)) Setze(m, 22);
        break;
    case ListeErgebnis:
        bits({2, 3, 5, 6, 8, 17, 18, 19});
        if (Wett->Teilwertung) Setze(m, 21);
        if (LetzteSeite) Setze(m, TextUnterschrift);
        break;
    default: break;
    }
    if (ListenArt == ListeStart) {
        if (v >= 2 && v <= 6) {
            Setze(m, 24);
            Loesche(m, 13);
        }
        if (v == 5 || v == 6) Setze(m, 31);
        if (TeamAnzeigen) {
            Setze(m, 7);
            Loesche(m, 6);
        }
        if ((v == 5 || v == 6) && DurchgangNr <= Wett->AnzVorrunden) {
            Loesche(m, 30);
            Loesche(m, 9);
        }
        if (v == 4) {
            Setze(m, 11);
            Loesche(m, 30);
        }
        if (v == 0 || v == 1) Loesche(m, 9);
    }
    if (Bit(m, 19) && Wett->AnzSeniorenFlyOff == 0) {
        Loesche(m, 19);
        Setze(m, 20);
    }
    if (GetRegelParameterAnzahl(Wett->RegelPtr, 1) == 0) {
        Loesche(m, 15);
        Loesche(m, 25);
    }
    if (GetRegelParameterAnzahl(Wett->RegelPtr, 2) == 0) {
        Loesche(m, 16);
        Loesche(m, 26);
    }
    Seite.Text.TextMode = m;

    auto& u = Seite.Text.Unterschrift;
    u.fill(std::string());
    u[1] = L_STR_Unblank(CnvNameTypToNameStr(&Wett->Organisationsleiter, false) + " (Organisationsleiter)");
    u[2] = L_STR_Unblank(CnvNameTypToNameStr(&Wett->Wettbewerbsleiter, false) + " (Wettbewerbsleiter)");
    int slot = 3;
    for (int r = 1; r <= MaxPunktrichterNamen && slot <= 12; ++r) {
        std::string n = L_STR_Unblank(CnvNameTypToNameStr(&Wett->PunktRichterName[r], true));
        if (!n.empty()) u[slot++] = std::move(n);
    }
    int anzahl = 0;
    for (int k = 1; k <= 12; ++k)
        if (!u[k].empty()) ++anzahl;
    Seite.Text.Punktrichter.clear();
    if (anzahl > 2) {
        std::string j;
        for (int k = 3; k <= 12; ++k)
            if (!u[k].empty()) j += " " + u[k] + ",";
        j += ",";
        j = L_STR_SearchAndReplace(j, ",,", "  ");
        j = L_STR_SearchAndReplace(j, "_", " ");
        j = L_STR_Unblank(j);
        if (!j.empty()) Seite.Text.Punktrichter = "Punktrichter: " + j;
    }
}

// One visit of the column walk: the column and the repetition counters.
struct Besuch {
    int c = 1, h = 1, k = 1, j = 1, m = 1, s = 1, pj = 1, pd = 1;
    int Breite = 0;
    bool Gezeigt = false;
    std::string Untertitel; // column 26: its part of the blank-box title
};

// Walks the 31 columns with their repetitions. ZeichenProZeile is the line
// width the flexible columns share; returns the visits of the shown columns
// and the sum of their widths plus 1 in Summe.
std::vector<Besuch> Spaltenlauf(const WettbewerbTyp* Wett, int ListenArt, int VerteilerArt, int Orientierung,
                                std::uint32_t TextMode, int ZeichenProZeile, int& Summe) {
    const int anzD = DruckDurchgaenge(Wett);
    const int w2 = MaxInt(1, (600 / anzD) / 10);
    const int npj = LimitLowHighInt(GetRegelParameterAnzahl(Wett->RegelPtr, 1), 0, MaxPunktrichter);
    const int npd = LimitLowHighInt(GetRegelParameterAnzahl(Wett->RegelPtr, 2), 0, MaxDurchgSpalten);
    const std::string liste = GetListStr(72, GetListTyp(VerteilerArt), anzD, Wett->RegelPtr);
    const int teile = L_STR_CountTeilStrInStr("³", liste);
    int wf = -1;
    std::string rest = liste;

    std::vector<Besuch> out;
    Besuch b;
    Summe = 1;
    int sicherung = 0;
    while (b.c <= AnzSpalten && ++sicherung < 10000) {
        const SpalteTyp& sp = Spalte(b.c);
        const bool gezeigt = Bit(TextMode, sp.Bit);
        if (gezeigt) {
            int w = sp.Breite;
            if (w == -2) w = w2;
            if (w == -1) {
                if (wf < 0) wf = MaxInt(1, (ZeichenProZeile + 1 - Summe) / (teile + 1 + (Bit(TextMode, 31) ? 1 : 0)));
                w = wf;
            }
            if (Orientierung == 2 && (VerteilerArt == 0 || VerteilerArt == 1)) w = w * 9 / 10;
            w = MaxInt(1, w);
            Besuch x = b;
            x.Breite = w;
            x.Gezeigt = true;
            if (b.c == 26) x.Untertitel = L_STR_GetStrUntilChar(rest, U'³');
            out.push_back(x);
            Summe += w;
        }
        int naechste = b.c + 1;
        if (b.c == 20 && ListenArt == ListeErgebnis && b.h < anzD) {
            ++b.h;
            naechste = b.c - 1;
        } else if (b.c == 12 && b.k < 3) {
            ++b.k;
            naechste = b.c;
        } else if (b.c == 15 && b.j < 3) {
            ++b.j;
            naechste = b.c;
        } else if (b.c == 16 && b.m < 2) {
            ++b.m;
            naechste = b.c;
        } else if (b.c == 26 && L_STR_Pos("³", rest) > 0) {
            rest = L_STR_GetStrAfterChar(rest, U'³');
            ++b.s;
            naechste = b.c;
        } else if (b.c == 18 || b.c == 28) {
            if (b.pd < npd) {
                ++b.pd;
                naechste = b.c;
            } else {
                b.pd = 1;
            }
        } else if (b.c == 17 && b.pj < npj) {
            ++b.pj;
            naechste = b.c;
        }
        b.c = naechste;
    }
    return out;
}

std::string ParameterTitel(const RegelTyp* Regel, int Index, bool Durchgang) {
    std::string t = L_STR_Unblank(GetRegelBezeichnerStr(Regel, Index));
    if (Durchgang && L_STR_Pos("ZEIT", L_STR_Upcase(t)) > 0) t = "Zeit [min:s]";
    return t;
}

// The column titles of the shown visits.
std::string Spaltentitel(const WettbewerbTyp* Wett, const Besuch& b, int Runde) {
    const SpalteTyp& sp = Spalte(b.c);
    const std::string bez = sp.Bezeichner;
    if (bez == "$STARTLISTE") return b.c == 26 ? b.Untertitel : std::string();
    if (bez == "$DURCHGANGWERTG") return ParameterTitel(Wett->RegelPtr, b.pd + MaxPunktrichter, true);
    if (bez == "$PUNKTRICHTERWERTG") return ParameterTitel(Wett->RegelPtr, b.pj, false);
    if (bez == "$DURCHGANGNAME") return GetDurchgangBezeichner(Wett, Runde, false, true);
    return bez;
}

// ------------------------------------------------------------ the cells

const WertungTyp& LeererEintrag() {
    static const WertungTyp leer = [] {
        WertungTyp w;
        DatenWertungDefault(&w);
        return w;
    }();
    return leer;
}

// The round whose entries a cell shows: the page's round in a score list,
// the column's round in a result list.
int EintragsRunde(int ListenArt, int SeitenRunde, const Besuch& b) {
    return ListenArt == ListeWertung ? SeitenRunde : (ListenArt == ListeErgebnis ? b.h : 1);
}

// The participant's entry (E) and reflight entry (R) of round h; nil where
// there is none. Looking up never creates an entry.
void EintraegeSuchen(const WettbewerbTyp* Wett, const TeilnehmerTyp* p, int h, const WertungTyp*& E,
                     const WertungTyp*& R) {
    E = R = nullptr;
    if (h < 1 || h > MaxDurchgaenge) return;
    if (DurchgangTyp* d = DatenDurchgangSuchen(Wett, h)) {
        E = DatenWertungGetPtr(d, p->EdvNr, 0);
        R = DatenWertungGetPtr(d, p->EdvNr, 1);
    }
}

DruckZelle ZelleText(const WettbewerbTyp* WettC, const TeilnehmerTyp* p, const ZeileTyp& Zeile,
                     const Besuch& b, const WertungTyp* E, const WertungTyp* R, int SeitenRunde,
                     int ListenArt, std::uint32_t TextMode, ErgebnisZeichen& Zeichen,
                     GestricheneRunden& Gestrichen, const TeamsDerTeilnehmer& Teams) {
    WettbewerbTyp* Wett = const_cast<WettbewerbTyp*>(WettC);
    const RegelTyp* regel = Wett->RegelPtr;
    const int edv = regel ? regel->EdvNr : 0;
    if (!E) E = &LeererEintrag();
    const bool hatStrafe = E->Strafpunkte != 0;
    const int pd = LimitLowHighInt(b.pd, 1, MaxDurchgSpalten);
    const int pj = LimitLowHighInt(b.pj, 1, MaxPunktrichter);

    DruckZelle z;
    // Values stand right-aligned, with the decimal comma people read.
    auto rechts = [&](std::string t) {
        z.Text = PunktZuKomma(t);
        z.Rechts = true;
    };
    switch (b.c) {
    case 1: z.Text = StrInt(p->MeldgNr); break;
    case 2: z.Text = StrInt(p->StartNr); break;
    case 3: z.Text = ErgebnisPlatzText(p); break;
    case 4: {
        const int j = GetJugendPlatzEdvNr(p);
        z.Text = j > 0 ? StrInt(j) : "";
        break;
    }
    case 5:
        z.Text = StrInt(Zeile.GruppenNr) + " (" + StrInt(GetTeilnehmerStartPlatzNr(Wett, p, SeitenRunde)) + ")";
        break;
    case 6: z.Text = L_STR_Unblank(CnvNameTypToNameStr(&p->Name, true)); break;
    case 7: z.Text = p->Verein; break;
    case 8: z.Text = p->Verband; break;
    case 9: {
        const MannschaftTyp* m = Teams(p->EdvNr);
        z.Text = m ? m->Name : p->Verein;
        break;
    }
    case 10: z.Text = p->Land.Bundesland; break;
    case 11: z.Text = p->Land.Nation; break;
    case 12:
        if (TeilnehmerIs2G4(p)) {
            z.Text = b.k == 1 ? Kanal2G4Anzeige : "";
        } else {
            z.Text = KanalAnzeige(p->Kanal[b.k]);
            z.Grau = b.k != KanalAktivNr(p);
        }
        break;
    case 13: z.Text = KanalAnzeigeStr(GetKanalTeilnehmer(*p)); break;
    case 14: z.Text = p->Jugendlich ? "j" : ""; break;
    case 15: z.Text = L_STR_Unblank(CnvNameTypToNameStr(&p->Helfer[b.j], true)); break;
    case 16: z.Text = p->Modell[b.m]; break;
    case 17: {
        const int S = GetRegelParameterAnzahl(regel, 1);
        std::string t;
        for (int a = 0; a < GetAnzahlPunktrichter(Wett); ++a) {
            const int idx = a * S + pj;
            if (idx < 1 || idx > MaxPunktrichter) break;
            t += " " + DispAllWertung(Wett, E->WertungPunktr[idx], GetRegelBezeichnerStr(regel, idx));
        }
        rechts(L_STR_Unblank(t));
        break;
    }
    case 18:
        rechts(DispAllWertung(Wett, E->WertungDurchg[pd], GetRegelBezeichnerStr(regel, pd + MaxPunktrichter)));
        break;
    case 19:
        if (edv == GESAMTWERTUNG) {
            rechts("");
        } else if (ListenArt == ListeWertung) {
            if (R && R->ReflyVerursacher && Bit(TextMode, 27)) z.Text = "Antrag Refly";
            else rechts(Zahl(E->RohPunkte));
        } else if (!Wett->DurchgangPromille) {
            // The points are the raw points: the one cell carries the marks.
            rechts(ErgebnisRundenText(Wett, p, b.h, &Zeichen, true, &Gestrichen));
        } else if (ErgebnisRundeLeer(Wett, p, b.h)) {
            rechts("");
        } else {
            // The raw points of the flight that counts, "R" when it is the reflight.
            const GezaehlterFlugTyp f = GezaehlterFlug(Wett, p, b.h);
            const WertungTyp* e = f.Eintrag ? f.Eintrag : E;
            if (f.IstReflight) Zeichen.Reflight = true;
            rechts((f.IstReflight ? "R" : "") + Zahl(e->RohPunkte));
        }
        break;
    case 20:
        if (edv == GESAMTWERTUNG) {
            rechts(ErgebnisRundenText(Wett, p, b.h, &Zeichen, true, &Gestrichen));
        } else if (Wett->DurchgangPromille) {
            if (ListenArt == ListeErgebnis) rechts(ErgebnisRundenText(Wett, p, b.h, &Zeichen, false, &Gestrichen));
            else if (R && Bit(TextMode, 27)) rechts(" ");
            else if (hatStrafe) rechts(StrafZeichen + Zahl(E->ErgebnisPunkte - E->Strafpunkte));
            else rechts((E->KannStreicherSein ? "" : "!") + Zahl(E->ErgebnisPunkte));
        } else {
            z.Text = " ";
        }
        break;
    case 21: {
        if (ErgebnisSummenText(Wett, p, p->Punkte).empty()) break;
        std::string t = L_STR_FillLeftWithBlanks(Zahl(p->Punkte), 4);
        const int jug = Wett->AnzDurchgaenge - Wett->AnzVorrunden - Wett->AnzSeniorenFlyOff;
        if (p->PunkteEndrunde > 0.001) t += "+" + L_STR_FillLeftWithBlanks(Zahl(p->PunkteEndrunde), 4);
        else if (jug >= 2 && p->PunkteEndrundeJugend > 0.001)
            t += "+" + L_STR_FillLeftWithBlanks(Zahl(p->PunkteEndrundeJugend), 4);
        z.Text = PunktZuKomma(t);
        break;
    }
    case 22: z.Text = PunktZuKomma(L_STR_FillLeftWithBlanks(ErgebnisSummenText(Wett, p, p->Punkte), 4)); break;
    case 23:
        if (ErgebnisSummenText(Wett, p, 0).empty()) rechts("");
        else rechts(L_STR_DoubleToStr(p->ExportPunkte[Wett->BonusTeilnehmer ? 1 : 0], 3, 6, 2, 2));
        break;
    case 24: z.Text = StrInt(E->Strafpunkte); break;
    case 27:
        rechts(R ? DispAllWertung(Wett, R->WertungPunktr[pj], GetRegelBezeichnerStr(regel, pj)) : " ");
        break;
    case 28:
        rechts(R ? DispAllWertung(Wett, R->WertungDurchg[pd], GetRegelBezeichnerStr(regel, pd + MaxPunktrichter))
                 : " ");
        break;
    case 29: rechts(R ? Zahl(R->RohPunkte) : " "); break;
    case 30:
        if (!R) rechts(" ");
        else if (hatStrafe) rechts(StrafZeichen + Zahl(R->ErgebnisPunkte - E->Strafpunkte));
        else rechts(Zahl(R->ErgebnisPunkte));
        break;
    default: break; // 25, 26, 31: boxes to be filled in by hand
    }

    // Highlighting (shown in the colour print mode only).
    if (b.c == 12) {
        const int mx = GetKanaeleMax(Wett);
        int anzahl = 0;
        for (const KanalListeTyp* e = Wett->KanalRootPtr; e; e = e->next)
            if (e->Kanal == p->Kanal[b.k]) {
                anzahl = e->Anzahl;
                break;
            }
        if (mx >= 3 && anzahl <= 1) {
            z.Hervorheben = true;
            z.Farbe = DruckGruen;
        } else if (mx >= 3 && anzahl >= mx) {
            z.Hervorheben = true;
            z.Farbe = DruckRot;
        }
    }
    // A clash is marked by a sign beside the channel that survives black and
    // white printing and photocopying ("!" and a bold frame for a clash in the
    // group, "~" for one in the neighbouring group); colour only adds to it.
    // It is the clash of the page's round, not of the competition's current
    // round, on the active channel.
    if (b.c == 13 || (b.c == 12 && !TeilnehmerIs2G4(p) && b.k == KanalAktivNr(p))) {
        if (const DoppelBelegungTyp* d = GetDoppelBelegung(Wett, p, SeitenRunde)) {
            if (d->Kanal) {
                z.Text += " !";
                z.Rahmen = true;
                z.Hervorheben = true;
                z.Farbe = DruckRot;
                Zeichen.KanalDoppelt = true;
            } else if (d->KanalNextGruppe && SeitenRunde <= Wett->AnzVorrunden) {
                z.Text += " ~";
                z.Hervorheben = true;
                z.Farbe = DruckBlau;
                Zeichen.KanalNachbar = true;
            }
        }
    }
    return z;
}

// A text column that is empty in every row of the page (for example
// "Verband" when no participant has one) gives its width to the name, or to
// the club when the page has no name column.
void SpaltenOhneInhaltVerteilen(SeiteTyp& Seite) {
    auto& zeilen = Seite.Text.Zeilen;
    if (zeilen.size() < 2) return;
    auto frei = [](int Nr) { return Nr == 4 || (Nr >= 7 && Nr <= 11) || Nr == 14 || Nr == 15 || Nr == 16; };
    for (std::size_t i = Seite.Spalten.size(); i-- > 0;) {
        if (!frei(Seite.Spalten[i].Nr)) continue;
        bool leer = true;
        for (std::size_t z = 1; z < zeilen.size() && leer; ++z)
            leer = i >= zeilen[z].Zellen.size() || L_STR_Unblank(zeilen[z].Zellen[i].Text).empty();
        if (!leer) continue;
        auto ziel = std::find_if(Seite.Spalten.begin(), Seite.Spalten.end(), [](const DruckSpalte& s) { return s.Nr == 6; });
        if (ziel == Seite.Spalten.end())
            ziel = std::find_if(Seite.Spalten.begin(), Seite.Spalten.end(),
                                [&](const DruckSpalte& s) { return s.Nr == 7 && &s != &Seite.Spalten[i]; });
        if (ziel == Seite.Spalten.end()) continue;
        ziel->Breite += Seite.Spalten[i].Breite;
        Seite.Spalten.erase(Seite.Spalten.begin() + static_cast<std::ptrdiff_t>(i));
        for (std::size_t z = 1; z < zeilen.size(); ++z)
            if (i < zeilen[z].Zellen.size()) zeilen[z].Zellen.erase(zeilen[z].Zellen.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

// Columns and cells of a built page.
void MakeDruckSpalten(WettbewerbTyp* Wett, const DruckSeitenTyp& P, SeiteTyp& Seite,
                      const std::vector<TeilnehmerTyp*>& Teilnehmer, ErgebnisZeichen& Zeichen,
                      const TeamsDerTeilnehmer& Teams) {
    // The flexible columns share the nominal line; the page's line is the sum
    // of the widths, so the drawn table always ends at the right margin.
    const int nominal = P.Orientierung == 2 ? 134 : 190;
    int summe = 1;
    const std::vector<Besuch> besuche =
        Spaltenlauf(Wett, P.ListenArt, Seite.VerteilerArt, P.Orientierung, Seite.Text.TextMode, nominal, summe);
    Seite.ZeichenProZeile = MaxInt(1, summe);
    Seite.Spalten.clear();
    for (const Besuch& b : besuche) {
        DruckSpalte s;
        s.Nr = b.c;
        s.Breite = b.Breite;
        s.Titel = Spaltentitel(Wett, b, P.ListenArt == ListeWertung ? Seite.DurchgangNr : b.h);
        s.OhneTrenner = b.c == 19 || b.c == 29;
        Seite.Spalten.push_back(std::move(s));
    }
    for (std::size_t z = 1; z < Seite.Text.Zeilen.size(); ++z) {
        ZeileTyp& zeile = Seite.Text.Zeilen[z];
        const TeilnehmerTyp* p = Teilnehmer[z - 1];
        zeile.Zellen.clear();
        // The entries are looked up once per round the row shows, not per cell.
        int runde = -1;
        const WertungTyp* E = nullptr;
        const WertungTyp* R = nullptr;
        GestricheneRunden Gestrichen(Wett, p);
        for (const Besuch& b : besuche) {
            const int h = EintragsRunde(P.ListenArt, Seite.DurchgangNr, b);
            if (h != runde) {
                EintraegeSuchen(Wett, p, h, E, R);
                runde = h;
            }
            zeile.Zellen.push_back(ZelleText(Wett, p, zeile, b, E, R, Seite.DurchgangNr, P.ListenArt,
                                             Seite.Text.TextMode, Zeichen, Gestrichen, Teams));
        }
    }
    SpaltenOhneInhaltVerteilen(Seite);
}

int Teilnehmerzeilen(const SeiteTyp& s) { return static_cast<int>(s.Text.Zeilen.size()) - 1; }

} // namespace

const char* VerteilerTitel(int VerteilerArt) {
    static const char* const titel[8] = {"",           "Aushang",      "Organisationsleiter", "Startstelle",
                                         "Senderzelt", "Punktrichter", "Zeitnehmer",          ""};
    return (VerteilerArt >= 0 && VerteilerArt <= 7) ? titel[VerteilerArt] : "";
}

const SpalteTyp& Spalte(int Nr) { return SpaltenTabelle[LimitLowHighInt(Nr, 1, AnzSpalten)]; }

std::vector<int> MakePrintDurchgangList(const WettbewerbTyp* Wett, int ListeDurchgaenge) {
    std::vector<int> r;
    if (!Wett) return r;
    const int n = MinInt(Wett->AnzDurchgaenge, MaxDurchgaenge);
    const int v = Wett->AnzVorrunden;
    const int s = Wett->AnzSeniorenFlyOff;
    int von = 1, bis = 0;
    if (ListeDurchgaenge > 0) von = bis = ListeDurchgaenge;
    else if (ListeDurchgaenge == DruckAktuellerDurchgang) von = bis = Wett->DurchgangNr;
    else if (ListeDurchgaenge == DruckVorrunden) von = 1, bis = v;
    else if (ListeDurchgaenge == DruckFlyOffs) von = v + 1, bis = Wett->AnzDurchgaenge;
    else if (ListeDurchgaenge == DruckAlleDurchgaenge) von = 1, bis = Wett->AnzDurchgaenge;
    else if (ListeDurchgaenge == DruckSeniorenFlyOffs) von = v + 1, bis = v + s;
    else if (ListeDurchgaenge == DruckJugendFlyOffs) von = v + s + 1, bis = Wett->AnzDurchgaenge;
    von = MaxInt(von, 1);
    bis = MinInt(bis, n);
    for (int i = von; i <= bis; ++i) r.push_back(i);
    return r;
}

BlattLayoutTyp CalcAnzahlZeilen(const DruckRechteck& Rect, int Orientierung, int Stil, const SeiteTyp& Seite) {
    BlattLayoutTyp L;
    const long long H = MaxInt(1, Rect.Bottom - Rect.Top);
    const long long W = MaxInt(1, Rect.Right - Rect.Left);
    L.AnzahlZeilenKopf = MaxInt(0, Seite.Kopf.AnzZeilen - 1);
    L.AnzahlZeilenFuss = MaxInt(0, Seite.Fuss.AnzZeilen - 1);
    const int d = Orientierung == 2 ? 77 : 55;
    L.ZeichenProZeile = MaxInt(1, Seite.ZeichenProZeile);
    L.Orientierung = Orientierung;
    L.ZeichenHoehe = static_cast<int>(H / d);
    L.ZeilenHoeheKopf = static_cast<int>(MaxInt(1, static_cast<int>(H * 1000 / d)));
    L.ZeilenHoeheText = L.ZeilenHoeheFuss = L.ZeilenHoeheKopf;
    if (Stil == 2) L.ZeilenHoeheText = L.ZeilenHoeheText * 7 / 5;
    if (Stil == 3) L.ZeilenHoeheText = L.ZeilenHoeheText * 11 / 5;
    L.yPixText = static_cast<int>(static_cast<long long>(L.ZeilenHoeheKopf) * L.AnzahlZeilenKopf / 1000);
    L.yPixFuss = static_cast<int>(H - static_cast<long long>(L.ZeilenHoeheFuss) * L.AnzahlZeilenFuss / 1000);
    L.AnzahlZeilenText =
        static_cast<int>(static_cast<long long>(L.yPixFuss - L.yPixText) * 1000 / L.ZeilenHoeheText) - 1;
    L.Zeichenbreite = static_cast<int>(W * 1000 / L.ZeichenProZeile);
    return L;
}

int DruckZeilenProSeite(int Orientierung, int Stil) {
    SeiteTyp s;
    s.Kopf.AnzZeilen = 7;
    s.Fuss.AnzZeilen = 3;
    return CalcAnzahlZeilen(DruckRechteck{}, Orientierung, Stil, s).AnzahlZeilenText;
}

DruckSeitenListe MakeDruckSeiten(WettbewerbTyp* Wett, const DruckSeitenTyp& Parameter, int ListeDurchgaenge) {
    DruckSeitenListe liste;
    liste.Parameter = Parameter;
    DruckSeitenTyp& P = liste.Parameter;
    if (P.Orientierung != 2) P.Orientierung = 1;
    P.Stil = LimitLowHighInt(P.Stil, 1, 3);
    if (!Wett) {
        liste.Hinweis = "Es ist kein Wettbewerb geöffnet.";
        return liste;
    }
    if (P.ListenArt < ListeStart || P.ListenArt > ListeErgebnis) {
        liste.Hinweis = "Diese Liste gibt es nicht.";
        return liste;
    }
    const int maske = P.VerteilerMaske & 0xFF;
    if (maske == 0) {
        liste.Hinweis = "Es ist kein Verteiler gewählt.";
        return liste;
    }
    const std::vector<int> runden = MakePrintDurchgangList(Wett, ListeDurchgaenge);
    if (runden.empty()) {
        liste.Hinweis = Wett->AnzDurchgaenge < 1 ? "Der Wettbewerb hat keinen Durchgang: es gibt nichts zu drucken."
                                                  : "Den gewählten Durchgang gibt es in diesem Wettbewerb nicht.";
        return liste;
    }

    const int alt = Wett->DurchgangNr;
    int zaehler = 0;
    const TeamsDerTeilnehmer teams(Wett->MannschaftRootPtr);
    for (int r : runden) {
        Wett->DurchgangNr = r;
        SortTeilnehmerGruppe(Wett);
        for (int v = 0; v <= 7; ++v) {
            if (!Bit(static_cast<std::uint32_t>(maske), v)) continue;
            bool erste = true;
            int anzeige = 0;
            Zeilenlauf lauf;
            bool fertig = false;
            ErgebnisZeichen zeichen;
            const std::size_t ersteSeite = liste.Seiten.size();
            int zeilenText = 0;
            do {
                SeiteTyp s;
                s.SeiteIndex = ++zaehler;
                s.SeiteAnzeige = ++anzeige;
                s.ListenArt = P.ListenArt;
                s.VerteilerArt = v;
                s.DurchgangNr = r;
                MakeDruckKopf(P.ListenArt, Wett, s, v, r);
                MakeDruckFuss(s);
                const BlattLayoutTyp L = CalcAnzahlZeilen(DruckRechteck{}, P.Orientierung, P.Stil, s);
                zeilenText = L.AnzahlZeilenText;
                if (erste) CalcWertung(Wett);
                fertig = MakeDruckZeilen(Wett, P, s, r, erste, L.AnzahlZeilenText, lauf);
                erste = false;
                MakeDruckText(P.ListenArt, Wett, s, r, fertig, P.TeamAnzeigen, P.Sortierung);
                MakeDruckSpalten(Wett, P, s, lauf.Teilnehmer, zeichen, teams);
                liste.Seiten.push_back(std::move(s));
            } while (!fertig);
            // The legend of the marks used stands under the table of the
            // copy's last page, above the signature block of a result list.
            // A last page too full for them is followed by a page with the
            // column titles, the legend and the block.
            SeiteTyp& letzte = liste.Seiten.back();
            letzte.Text.Legende = ZeichenLegende(zeichen);
            const int legende = letzte.Text.Legende.empty() ? 0 : static_cast<int>(letzte.Text.Legende.size()) + 1;
            const bool block = Bit(letzte.Text.TextMode, TextUnterschrift);
            const int unten = (block ? UnterschriftZeilen : 1) + legende;
            if ((block || legende > 0) && Teilnehmerzeilen(letzte) > zeilenText - unten) {
                Loesche(letzte.Text.TextMode, TextUnterschrift);
                SeiteTyp neu = letzte;
                letzte.Text.Legende.clear();
                if (block) Setze(neu.Text.TextMode, TextUnterschrift);
                neu.Text.Zeilen.resize(1);
                neu.SeiteIndex = ++zaehler;
                neu.SeiteAnzeige = ++anzeige;
                liste.Seiten.push_back(std::move(neu));
            }
            SeitenZaehlen(liste.Seiten, ersteSeite,
                          P.ListenArt == ListeErgebnis ? ErgebnisStandZeile(Wett, P.Zeit, P.Endgueltig) : "");
        }
    }
    Wett->DurchgangNr = alt;
    SortTeilnehmerGruppe(Wett);
    return liste;
}

void MakePrintAttributesSizeOrientation(WettbewerbTyp* Wett) {
    if (!Wett) return;
    auto kategorie = [](int n) { return n > 24 ? 3 : n >= 17 ? 2 : n >= 1 ? 1 : n == 0 ? 0 : -1; };
    const int jetzt = kategorie(GetTeilnehmerAnzahl(Wett->TeilnehmerRootPtr));
    const int damals = kategorie(Wett->AnzahlTeilnehmerDrucken);
    if (Wett->AnzahlTeilnehmerDrucken != -1 && Wett->Orientierung != -1 && Wett->GroesseSchrift != -1 &&
        jetzt == damals)
        return;
    switch (jetzt) {
    case 1: Wett->GroesseSchrift = 3, Wett->Orientierung = 1, Wett->Scalable = true; break;
    case 2: Wett->GroesseSchrift = 3, Wett->Orientierung = 2, Wett->Scalable = true; break;
    case 3: Wett->GroesseSchrift = 2, Wett->Orientierung = 2, Wett->Scalable = true; break;
    default: Wett->GroesseSchrift = 2, Wett->Orientierung = 2, Wett->Scalable = false; break;
    }
}

DruckFarbe GetPrintColor(int Farbmodus) {
    switch (Farbmodus) {
    case 2: return {127, 64, 0};
    case 3: return DruckRot;
    case 4: return DruckDunkelgruen;
    case 5: return DruckBlau;
    default: return DruckSchwarz;
    }
}

} // namespace tavuran
