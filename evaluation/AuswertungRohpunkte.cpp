// Raw points of one flight by the algorithm of the competition's rule.
#include "evaluation/AuswertungRohpunkte.h"

#include <cmath>

#include "core/L_ROUND.h"
#include "evaluation/Sortierung.h"

namespace tavuran {

std::uint16_t MaxPunktr = 1;

namespace {

// Judges' scores handled by the trimming at most.
constexpr int MaxBewertungen = 10;

// Rounding half away from zero to n decimals. Values that are not finite (a
// file may carry any parameter) give 0; values too large to carry decimals are
// returned as they are.
double Rund(double x, int n) {
    if (!std::isfinite(x)) return 0;
    if (std::fabs(x) >= 1e15) return x;
    return L_ROUND_GetRound(x, n);
}
double Rund1(double x) { return Rund(x, 1); }

// Truncation toward zero of a score into the integer range of the trimming;
// what lies outside it (or is not a number) becomes -1, which counts as 0.
int TruncScore(double x) {
    if (!(x > -1e9 && x < 1e9)) return -1;
    return static_cast<int>(std::trunc(x));
}

// The upper limit of a score from a maximum parameter: Trunc(maximum + 0.5),
// kept within the integer range (no limit for an unbounded maximum).
int ScoreGrenze(double Maximum) {
    const double g = std::trunc(Maximum + 0.5);
    if (std::isnan(g)) return -1;
    if (g >= 1e9) return 1000000000;
    if (g <= -1e9) return -1000000000;
    return static_cast<int>(g);
}

// A count parameter (kept judges) rounded to a whole number within 0..65535.
std::uint16_t AnzahlAusParameter(double p) {
    const double a = std::trunc(p + 0.5);
    if (!(a > 0)) return 0;
    if (a > 65535) return 65535;
    return static_cast<std::uint16_t>(a);
}

// Round class: the offset added to target and limit times. Junior fly-off
// rounds take the junior offset, senior fly-off rounds the senior offset,
// preliminary rounds none.
double FlyOffOffset(const WettbewerbTyp* Wett, int DurchgangNr, double Senioren, double Jugend) {
    if (DurchgangIstFlyOffJugend(Wett, DurchgangNr) > 0) return Jugend;
    if (DurchgangIstFlyOff(Wett, DurchgangNr) > 0) return Senioren;
    return 0;
}

// Number of steps n from Start by Schritt until d <= Start + n * Schritt + 0.005:
// the first step of the landing tables that covers the distance d. Computed
// directly, so that a distance limit of any size read from a file costs no time.
double Stufen(double d, double Start, double Schritt) {
    if (!(d > Start + 0.005)) return 0;
    double n = std::ceil((d - 0.005 - Start) / Schritt);
    if (!(n >= 1)) n = 1;
    if (n < 1e9) {
        while (n > 0 && !(d > Start + (n - 1) * Schritt + 0.005)) n -= 1;
        while (d > Start + n * Schritt + 0.005) n += 1;
    }
    return n;
}

// Judge count of a rule that reads WerteProRichter values per judge: within
// 1 and what the 16 judge slots (and the ten scores of the trimming) allow.
int AnzahlRichter(const WettbewerbTyp* Wett, int WerteProRichter) {
    int n = GetAnzahlPunktrichter(Wett);
    int Max = MaxPunktrichter / WerteProRichter;
    if (Max > MaxBewertungen) Max = MaxBewertungen;
    if (n > Max) n = Max;
    if (n < 1) n = 1;
    return n;
}

// Time points of kinds 1, 10 and 14.
double ZeitPunkteF3bA(double t, double T) {
    if (t > 0.05 && t <= T + 0.05) return t;
    if (t > T + 0.05 && t < 2 * T + 0.05) return 2 * T - t;
    return 0;
}

// Time points of a task flown to a target time with a deduction per second of deviation.
double ZeitPunkteSoll(double Soll, double t, double AbzugProSek) {
    const double Z = Soll - std::fabs((Soll - t) * AbzugProSek);
    return Z < 0.5 ? 0 : Z;
}

// Landing points by the metre table (kinds 1, 4, 10, 14).
double LandepunkteMeterTabelle(const WettbewerbTyp* Wett, const WertungTyp* Wertung, int DurchgangNr) {
    const auto& P = Wett->Parameter;
    const double t = Wertung->WertungDurchg[1];
    const double d = Wertung->WertungPunktr[1];
    const double M = P[2] + FlyOffOffset(Wett, DurchgangNr, P[6], P[10]);

    // A distance of 0 stands for no landing.
    if (!(t < M + 0.5 && d > 0.005 && d < P[4] + 0.005)) return 0;

    bool Fein = P[11] < 0.5 || (P[11] > 0.5 && DurchgangIstFlyOff(Wett, DurchgangNr) > 0);
    if (d > P[7] + 0.005) Fein = false;
    if (Fein) return P[9] - Stufen(d, 0.2, 0.2) * P[8]; // each started 0.2 m beyond the first
    return P[3] - Stufen(d, 1, 1) * P[5];                // each started metre beyond the first
}

// Landing points by the F5J table (kind 11); -2 marks a landing out (">75m").
double LandepunkteF5jTabelle(const WettbewerbTyp* Wett, const WertungTyp* Wertung, int DurchgangNr) {
    const auto& P = Wett->Parameter;
    const double t = Wertung->WertungDurchg[1];
    const double d = Wertung->WertungPunktr[1];
    if (d < -1.5) return WertUngueltig;
    const double Offset = FlyOffOffset(Wett, DurchgangNr, P[3], P[4]);
    const double Max = P[1] + Offset;
    const double Landung = P[2] + Offset;
    if (!(t < Landung + 0.5 && t < Max + 0.5 && t > -0.5 && d > 0.005 && d <= P[6] + 0.005)) return 0;
    return P[5] - Stufen(d, 1, 1) * P[7];
}

// Landing points by rotation and distance raster (kinds 7, 12, 13), distances in cm.
double LandepunkteDrehungRaster(const WettbewerbTyp* Wett, double t, double d, double r) {
    const auto& P = Wett->Parameter;
    if (t < 0.05) { // no flight time: no landing
        r = 181;
        d = -1;
    }
    double L = 0;
    if (d > -0.01 && r > -0.01) {
        if (r < 180) L = P[6];
        if (r < 1) L = P[5];
        if (P[7] > 0.5) L -= std::trunc(d / P[7]) * P[8];
    }
    return L < 0.5 ? 0 : L;
}

// Mean of the judges' scores that remain after trimming (the plain sum when none remains).
double Mittelwert(const Feld<int, 1, MaxBewertungen>& Werte, int n, int Verbleibend) {
    double Summe = 0;
    for (int j = 1; j <= n; ++j)
        if (Werte[j] >= 0) Summe += Werte[j];
    return Verbleibend > 0 ? Summe / Verbleibend : Summe;
}

struct RichterParameter {
    double MaxAnflug;
    double MaxLandung;
    double AnzAnflug;
    double AnzLandung;
    double FaktorAnflug;
    double MaxKoeff;
};

struct RichterErgebnis {
    double Punkte; // landing mean x k + approach mean x factor
    double k;      // landing coefficient after its limits
};

// Judged landing of kinds 3 and 9: judge j scores the approach in slot 2j-1 and
// the landing in slot 2j; the landing coefficient is D1.
RichterErgebnis RichterLandung(const WettbewerbTyp* Wett, const WertungTyp* Wertung, const RichterParameter& p) {
    const int n = AnzahlRichter(Wett, 2);
    MaxPunktr = static_cast<std::uint16_t>(n);

    // Approach scores are truncated, landing scores rounded; a score outside
    // 0..maximum counts as 0.
    Feld<int, 1, MaxBewertungen> Anflug;
    Feld<int, 1, MaxBewertungen> Landung;
    const int MaxA = ScoreGrenze(p.MaxAnflug);
    const int MaxL = ScoreGrenze(p.MaxLandung);
    for (int j = 1; j <= n; ++j) {
        int a = TruncScore(Wertung->WertungPunktr[2 * j - 1]);
        if (a > MaxA || a < 0) a = 0;
        Anflug[j] = a;
        int b = TruncScore(Wertung->WertungPunktr[2 * j] + 0.5);
        if (b > MaxL || b < 0) b = 0;
        Landung[j] = b;
    }
    const int RestA = ErmittlePassendeBewertungen(Anflug, AnzahlAusParameter(p.AnzAnflug));
    const double MittelA = Mittelwert(Anflug, n, RestA);
    const int RestL = ErmittlePassendeBewertungen(Landung, AnzahlAusParameter(p.AnzLandung));
    const double MittelL = Mittelwert(Landung, n, RestL);

    double k = Wertung->WertungDurchg[1];
    if (k > p.MaxKoeff + 0.5 || k < 0.5 || std::isnan(k)) k = 0;
    return {MittelL * k + MittelA * p.FaktorAnflug, k};
}

} // namespace

// ------------------------------------------------------------- helpers

int GetAnzahlPunktrichter(const WettbewerbTyp* Wett) {
    if (Wett == nullptr || Wett->RegelPtr == nullptr) return 1;
    int n = Wett->RegelPtr->AnzPunktrichter;
    if (n == 0) n = Wett->AnzPunktrichter;
    if (n < 1) n = 1;
    if (n > MaxPunktrichter) n = MaxPunktrichter;
    return n;
}

std::uint16_t ErmittlePassendeBewertungen(Feld<int, 1, 10>& Werte, std::uint16_t Anzahl) {
    const int n = MaxPunktr > MaxBewertungen ? MaxBewertungen : MaxPunktr;
    int Verbleibend = n;
    while (Verbleibend > Anzahl) {
        // the lowest: the first slot with the smallest score in 0..31999
        int Slot = 1;
        int Wert = 32000;
        for (int j = 1; j <= n; ++j)
            if (Werte[j] >= 0 && Werte[j] < Wert) {
                Wert = Werte[j];
                Slot = j;
            }
        Werte[Slot] = -1;
        --Verbleibend;
        if (Verbleibend <= Anzahl) break;
        // the highest: the first slot with the largest score above 0
        Slot = 1;
        Wert = 0;
        for (int j = 1; j <= n; ++j)
            if (Werte[j] > Wert) {
                Wert = Werte[j];
                Slot = j;
            }
        Werte[Slot] = -1;
        --Verbleibend;
    }
    return static_cast<std::uint16_t>(Verbleibend);
}

double CalcLandepunkteAusAbstand(const WettbewerbTyp* Wett, const WertungTyp* Wertung, int DurchgangNr) {
    if (Wett == nullptr || Wertung == nullptr || Wett->RegelPtr == nullptr) return 0;
    const auto& D = Wertung->WertungDurchg;
    switch (Wett->RegelPtr->EdvNr) {
    case F3B_A:
    case F3J:
    case F3B_RES:
    case F3B_A_ELEKTRO: return LandepunkteMeterTabelle(Wett, Wertung, DurchgangNr);
    case F5J: return LandepunkteF5jTabelle(Wett, Wertung, DurchgangNr);
    case F3B_J: return LandepunkteDrehungRaster(Wett, D[2], Wertung->WertungPunktr[1], D[1]);
    case F5B_J: return LandepunkteDrehungRaster(Wett, D[2], D[3], D[4]);
    case F5B_J_BAVARIAN_OPEN: return LandepunkteDrehungRaster(Wett, D[2], D[3], D[5]);
    default: return 0;
    }
}

bool GetWertungKannStreicherSein(const WettbewerbTyp* Wett, WertungTyp* Wertung, double RohPunkte) {
    if (Wett == nullptr || Wertung == nullptr) return true;
    bool Kann = true;
    const int Mode = Wett->PermntNullMode;
    const int EdvNr = Wett->RegelPtr != nullptr ? Wett->RegelPtr->EdvNr : 0;
    if ((Mode & PermntNullAktiv) == PermntNullAktiv && EdvNr == F5J) {
        if ((Mode & PermntNullJedeNull) && !(RohPunkte > 0.001)) Kann = false;
        if ((Mode & PermntNullLandung75) && !(Wertung->WertungPunktr[1] > -1.5)) Kann = false;
        if ((Mode & PermntNullLogger) && !(Wertung->WertungDurchg[2] > -1.5)) Kann = false;
        if ((Mode & PermntNullUeberzeit) && !(Wertung->WertungDurchg[1] > -1.5)) Kann = false;
    }
    Wertung->KannStreicherSein = Kann;
    return Kann;
}

bool GetWertungKannStreicherSein(const WettbewerbTyp* Wett, WertungTyp* Wertung) {
    if (Wertung == nullptr) return true;
    return GetWertungKannStreicherSein(Wett, Wertung, Wertung->RohPunkte);
}

// ------------------------------------------------------ per-kind routines

double GetRegelRohPunkte_F3B_A(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr) {
    if (Wett == nullptr || Wertung == nullptr) return 0;
    const auto& P = Wett->Parameter;
    const double T = P[1] + FlyOffOffset(Wett, DurchgangNr, P[6], P[10]);
    const double Z = ZeitPunkteF3bA(Wertung->WertungDurchg[1], T);
    return Rund1(Z + LandepunkteMeterTabelle(Wett, Wertung, DurchgangNr));
}

double GetRegelRohPunkte_F3B_A_ELEKTRO(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr) {
    if (Wett == nullptr || Wertung == nullptr) return 0;
    const auto& P = Wett->Parameter;
    const double T = P[1] + FlyOffOffset(Wett, DurchgangNr, P[6], P[10]);
    double Z = ZeitPunkteF3bA(Wertung->WertungDurchg[1], T);
    // Every metre above the height limit costs 5 time points; the landing points stay.
    const double h = Wertung->WertungDurchg[2];
    if (h > P[12] + 0.05) {
        Z -= (h - P[12]) * 5;
        if (Z < 0.05) Z = 0;
    }
    return Rund1(Z + LandepunkteMeterTabelle(Wett, Wertung, DurchgangNr));
}

double GetRegelRohPunkte_F3B_RES(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr) {
    if (Wett == nullptr || Wertung == nullptr) return 0;
    const auto& P = Wett->Parameter;
    const double T = P[1] + FlyOffOffset(Wett, DurchgangNr, P[6], P[10]);
    const double Z = ZeitPunkteF3bA(Wertung->WertungDurchg[1], T);
    return Rund1(2 * Z + LandepunkteMeterTabelle(Wett, Wertung, DurchgangNr));
}

double GetRegelRohPunkte_F3J(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr) {
    if (Wett == nullptr || Wertung == nullptr) return 0;
    const auto& P = Wett->Parameter;
    const double T = P[1] + FlyOffOffset(Wett, DurchgangNr, P[6], P[10]);
    const double t = Wertung->WertungDurchg[1];
    // Above the target by more than the tolerance scores nothing; a longer flight is capped.
    double Z = 0;
    if (t > 0.05 && t <= T + 0.05)
        Z = t;
    else if (t > T + 0.5 && t < 2 * T + 0.5)
        Z = T;
    return Rund1(Z + LandepunkteMeterTabelle(Wett, Wertung, DurchgangNr));
}

double GetRegelRohPunkte_F5J(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr) {
    if (Wett == nullptr || Wertung == nullptr) return 0;
    const auto& P = Wett->Parameter;
    const double Offset = FlyOffOffset(Wett, DurchgangNr, P[3], P[4]);
    const double A = P[1] + Offset; // maximum flight time
    const double B = P[2] + Offset; // landing time limit
    const double t = Wertung->WertungDurchg[1];
    const double h = Wertung->WertungDurchg[2];

    double L = LandepunkteF5jTabelle(Wett, Wertung, DurchgangNr);
    double Z = 0;
    if (t > 0.0005 && t <= A + 0.0005)
        Z = t;
    else if (t > A + 0.0005 && t < 2 * A + 0.5)
        Z = A;
    if (t > B + 0.1) {
        Z = 0;
        L = 0;
    }
    Z = std::trunc(Z);             // whole seconds
    const double H = std::trunc(h); // whole metres

    // Height deduction: P9 per metre up to P8 metres, P10 per metre above.
    double S = H <= P[8] + 0.0005 ? H * P[9] : P[8] * P[9] + (H - P[8]) * P[10];
    if (Z - S < -0.5) {
        Z = 0;
        S = 0;
    }
    bool Null = false;
    if (t < -0.5) Null = true; // time invalid or not entered
    if (t > B + 0.5) {
        // over the landing limit: the time is invalid from now on
        Null = true;
        Wertung->WertungDurchg[1] = WertUngueltig;
    }
    if (!(H >= 0.0005)) Null = true; // no height, logger invalid or not entered
    if (L < -0.0005) Null = true;    // landing out
    if (Null) return 0;

    const double Roh = Rund1(Z + L - S);
    return Roh < 0.0005 ? 0 : Roh;
}

double GetRegelRohPunkte_F3B_J(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr) {
    if (Wett == nullptr || Wertung == nullptr) return 0;
    const auto& P = Wett->Parameter;
    const double T = P[1] + FlyOffOffset(Wett, DurchgangNr, P[2], P[3]);
    const auto& D = Wertung->WertungDurchg;
    const double Z = ZeitPunkteSoll(T, D[2], P[4]);
    return Rund1(Z + LandepunkteDrehungRaster(Wett, D[2], Wertung->WertungPunktr[1], D[1]));
}

double GetRegelRohPunkte_F5B_J(WettbewerbTyp* Wett, WertungTyp* Wertung, int) {
    if (Wett == nullptr || Wertung == nullptr) return 0;
    const auto& P = Wett->Parameter;
    const auto& D = Wertung->WertungDurchg;
    const double Z1 = ZeitPunkteSoll(P[1], D[1], P[2]);
    const double Z2 = ZeitPunkteSoll(P[3], D[2], P[4]);
    return Rund1(Z2 + Z1 + LandepunkteDrehungRaster(Wett, D[2], D[3], D[4]));
}

double GetRegelRohPunkte_F5B_J_BAVARIAN_OPEN(WettbewerbTyp* Wett, WertungTyp* Wertung, int) {
    if (Wett == nullptr || Wertung == nullptr) return 0;
    const auto& P = Wett->Parameter;
    const auto& D = Wertung->WertungDurchg;
    const double Z1 = ZeitPunkteSoll(P[1], D[1], P[2]);
    const double Z2 = ZeitPunkteSoll(P[3], D[2], P[4]);
    return Rund1(D[4] + LandepunkteDrehungRaster(Wett, D[2], D[3], D[5]) + Z2 + Z1);
}

double GetRegelRohPunkte_F3B_E(WettbewerbTyp* Wett, WertungTyp* Wertung, int) {
    if (Wett == nullptr || Wertung == nullptr) return 0;
    const auto& P = Wett->Parameter;
    const auto& D = Wertung->WertungDurchg;
    const double t = D[1];
    const double d = D[2];
    double r = D[3];
    if (t < 0.5) r = 181;

    double L = 0;
    if (r < 180) L = P[3];
    if (r < 1) L = P[2];
    if (P[4] > 0.5) L -= std::trunc(d / P[4]) * P[5];
    if (L < 0.5) L = 0;

    double Z = 0;
    if (t > 0.5 && t <= P[1] + 0.5)
        Z = t;
    else if (t > P[1] + 0.5 && t < 2 * P[1] - 0.5)
        Z = 2 * P[1] - t;

    // This kind rounds to the competition's decimals (kept within 0..9).
    int Stellen = Wett->AnzNachkomma;
    if (Stellen < 0) Stellen = 0;
    if (Stellen > 9) Stellen = 9;
    return Rund(Z + L, Stellen);
}

double GetRegelRohPunkte_F3B_E_BAVARIAN_OPEN(WettbewerbTyp* Wett, WertungTyp* Wertung, int) {
    if (Wett == nullptr || Wertung == nullptr) return 0;
    const auto& P = Wett->Parameter;
    const RichterErgebnis J = RichterLandung(Wett, Wertung, {P[3], P[4], P[7], P[8], P[5], P[6]});
    const double t = Wertung->WertungDurchg[2];
    double Z = 0;
    if (t > 0 && t < P[1] + 0.5) Z = t;
    if (t > P[1] && t < 2 * P[1] + 0.5) Z = 2 * P[1] - t;
    if (t < P[2] + 0.5) Z = 0; // below the minimum flight time
    if (J.k < 0.5) return 0;
    return Rund(Z + J.Punkte, 2);
}

double GetRegelRohPunkte_F5B_J_MOD_LANDUNG(WettbewerbTyp* Wett, WertungTyp* Wertung, int) {
    if (Wett == nullptr || Wertung == nullptr) return 0;
    const auto& P = Wett->Parameter;
    const auto& D = Wertung->WertungDurchg;
    const RichterErgebnis J = RichterLandung(Wett, Wertung, {P[5], P[6], P[10], P[10], P[7], P[8]});
    if (J.k < 0.5) return 0;
    const double Z1 = ZeitPunkteSoll(P[1], D[2], P[2]);
    const double Z2 = ZeitPunkteSoll(P[3], D[3], P[4]);
    return Rund1(Z2 + Z1 + J.Punkte);
}

double GetRegelRohPunkte_OLDTIMER_FUNFLY(WettbewerbTyp* Wett, WertungTyp* Wertung, int) {
    if (Wett == nullptr || Wertung == nullptr) return 0;
    // Judge j scores start, circling, fly-past, landing and safety in slots 5j-4 .. 5j.
    const int n = AnzahlRichter(Wett, 5);
    double Summe = 0;
    for (int i = 1; i <= 5 * n; ++i) {
        double& w = Wertung->WertungPunktr[i];
        if (w > 99.5) w = 0; // not a score: kept as 0 from now on
        Summe += w;
    }
    return Rund1(Summe / n);
}

// ------------------------------------------------------------- dispatcher

double GetRegelRohPunkte(WettbewerbTyp* Wett, WertungTyp* Wertung, int DurchgangNr) {
    if (Wett == nullptr || Wertung == nullptr) return 0;
    double Roh = 0;
    if (Wett->RegelPtr != nullptr) {
        switch (Wett->RegelPtr->EdvNr) {
        case F3B_A: Roh = GetRegelRohPunkte_F3B_A(Wett, Wertung, DurchgangNr); break;
        case F3B_E: Roh = GetRegelRohPunkte_F3B_E(Wett, Wertung, DurchgangNr); break;
        case F3B_E_BAVARIAN_OPEN: Roh = GetRegelRohPunkte_F3B_E_BAVARIAN_OPEN(Wett, Wertung, DurchgangNr); break;
        case F3J: Roh = GetRegelRohPunkte_F3J(Wett, Wertung, DurchgangNr); break;
        case OLDTIMER_FUNFLY: Roh = GetRegelRohPunkte_OLDTIMER_FUNFLY(Wett, Wertung, DurchgangNr); break;
        case MANUELLE_EINGABE:
        case GESAMTWERTUNG: Roh = Rund(Wertung->WertungDurchg[1], 2); break;
        case F5B_J_BAVARIAN_OPEN: Roh = GetRegelRohPunkte_F5B_J_BAVARIAN_OPEN(Wett, Wertung, DurchgangNr); break;
        case F5B_J_MOD_LANDUNG: Roh = GetRegelRohPunkte_F5B_J_MOD_LANDUNG(Wett, Wertung, DurchgangNr); break;
        case F3B_RES: Roh = GetRegelRohPunkte_F3B_RES(Wett, Wertung, DurchgangNr); break;
        case F5J: Roh = GetRegelRohPunkte_F5J(Wett, Wertung, DurchgangNr); break;
        case F3B_J: Roh = GetRegelRohPunkte_F3B_J(Wett, Wertung, DurchgangNr); break;
        case F5B_J: Roh = GetRegelRohPunkte_F5B_J(Wett, Wertung, DurchgangNr); break;
        case F3B_A_ELEKTRO: Roh = GetRegelRohPunkte_F3B_A_ELEKTRO(Wett, Wertung, DurchgangNr); break;
        default: Roh = 0; break;
        }
    }
    if (!std::isfinite(Roh)) Roh = 0;
    GetWertungKannStreicherSein(Wett, Wertung, Roh);
    return Roh;
}

} // namespace tavuran
