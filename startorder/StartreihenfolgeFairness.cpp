#include "startorder/StartreihenfolgeFairness.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "core/L_STR.h"
#include "core/MinMax.h"
#include "startorder/StartreihenfolgeBewertung.h"

namespace tavuran {

namespace {

std::string Dezimal(double x) {
    char b[64];
    std::snprintf(b, sizeof b, "%.3f", x);
    return b;
}

long long Hoch4(long long c) { return c * c * c * c; }

std::string RundenText(const std::vector<int>& r) {
    std::string s;
    for (int x : r) s += (s.empty() ? "" : ",") + StrInt(x);
    return s;
}

} // namespace

FairnessKennzahlen BerechneFairness(WettbewerbTyp* comp, const std::vector<int>& Durchgaenge,
                                    const TeamGroupType* TeamGroups) {
    FairnessKennzahlen k;
    if (!comp) return k;
    const int vorrunden = LimitLowHighInt(comp->AnzVorrunden, 0, MaxDurchgaenge);
    if (Durchgaenge.empty())
        for (int r = 1; r <= vorrunden; ++r) k.Durchgaenge.push_back(r);
    else
        for (int r : Durchgaenge)
            if (r >= 1 && r <= MaxDurchgaenge &&
                std::find(k.Durchgaenge.begin(), k.Durchgaenge.end(), r) == k.Durchgaenge.end())
                k.Durchgaenge.push_back(r);

    StartBewertListe matrix;
    matrix.Vorbereiten(comp, TeamGroups);
    std::vector<int> idx; // matrix rows of the counted participants
    for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next)
        if (!t->Name.NachnameStr.empty()) idx.push_back(matrix.Index(t));
    const int n = static_cast<int>(idx.size());
    k.Teilnehmer = n;

    // Meetings per pair of counted participants (positions in idx).
    std::vector<int> anz(static_cast<std::size_t>(n) * n, 0);
    long long treffen = 0; // ordered pairs sharing a group, summed over rounds
    if (comp->Gruppenstart)
        for (int r : k.Durchgaenge) {
            std::map<int, std::vector<int>> gruppen;
            for (int i = 0; i < n; ++i) {
                const int g = matrix.Teilnehmer(idx[i])->Gruppe[r];
                if (g >= 1) gruppen[g].push_back(i);
            }
            for (const auto& [nr, m] : gruppen) {
                treffen += static_cast<long long>(m.size()) * (static_cast<long long>(m.size()) - 1);
                for (int a : m)
                    for (int b : m)
                        if (a != b) ++anz[static_cast<std::size_t>(a) * n + b];
            }
        }

    auto gewicht = [&](int a, int b) {
        const std::uint8_t f = matrix.Flags(idx[a], idx[b]);
        long long w = 0;
        if (f & StartBewertListe::FlagKanal) w += 16384;
        if (f & StartBewertListe::FlagHelfer) w += 8192;
        if (f & StartBewertListe::FlagPilot) w += 4096;
        return w;
    };
    const long long paare = static_cast<long long>(n) * (n - 1) / 2;
    long long summe = 0;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b) {
            const int c = anz[static_cast<std::size_t>(a) * n + b];
            k.Verteilscore += 2 * Hoch4(c) + c * (gewicht(a, b) + gewicht(b, a));
            k.MaxBegegnungen = MaxInt(k.MaxBegegnungen, c);
            if (static_cast<int>(k.PaareMitBegegnungen.size()) <= c) k.PaareMitBegegnungen.resize(c + 1, 0);
            ++k.PaareMitBegegnungen[c];
            summe += c;
        }
    if (k.PaareMitBegegnungen.empty()) k.PaareMitBegegnungen.assign(1, paare);
    if (paare > 0) {
        k.Mittelwert = static_cast<double>(summe) / static_cast<double>(paare);
        double abw = 0;
        for (std::size_t c = 0; c < k.PaareMitBegegnungen.size(); ++c)
            abw += static_cast<double>(k.PaareMitBegegnungen[c]) * std::fabs(static_cast<double>(c) - k.Mittelwert);
        k.MittlereAbweichung = abw / static_cast<double>(paare);
        const long long geordnet = 2 * paare;
        const long long q = treffen / geordnet, rest = treffen % geordnet;
        k.Untergrenze = (geordnet - rest) * Hoch4(q) + rest * Hoch4(q + 1);
    }
    return k;
}

std::vector<std::string> FairnessTabelle(const FairnessKennzahlen& k) {
    std::vector<std::string> z;
    z.push_back("Kennzahl\tWert");
    z.push_back("Teilnehmer\t" + StrInt(k.Teilnehmer));
    z.push_back("Durchgänge\t" + RundenText(k.Durchgaenge));
    z.push_back("Verteilscore\t" + StrInt(k.Verteilscore));
    z.push_back("Untergrenze\t" + StrInt(k.Untergrenze));
    z.push_back("Höchste Begegnungszahl\t" + StrInt(k.MaxBegegnungen));
    for (std::size_t c = 0; c < k.PaareMitBegegnungen.size(); ++c)
        z.push_back("Paare mit " + StrInt(static_cast<long long>(c)) + (c == 1 ? " Begegnung\t" : " Begegnungen\t") +
                    StrInt(k.PaareMitBegegnungen[c]));
    z.push_back("Mittlere Begegnungszahl\t" + Dezimal(k.Mittelwert));
    z.push_back("Mittlere absolute Abweichung\t" + Dezimal(k.MittlereAbweichung));
    return z;
}

std::vector<std::string> FairnessReportZeilen(const FairnessKennzahlen& k) {
    std::vector<std::string> z;
    z.push_back("Fairness der Startreihenfolge (Durchgänge " + RundenText(k.Durchgaenge) + "):");
    z.push_back("Verteilscore: " + StrInt(k.Verteilscore) + ", Untergrenze: " + StrInt(k.Untergrenze) + ".");
    z.push_back("Ein Paar trifft höchstens " + StrInt(k.MaxBegegnungen) + "-mal aufeinander.");
    std::string verteilung;
    for (std::size_t c = 0; c < k.PaareMitBegegnungen.size(); ++c)
        verteilung += (verteilung.empty() ? "" : ", ") + StrInt(static_cast<long long>(c)) + "-mal: " +
                      StrInt(k.PaareMitBegegnungen[c]);
    z.push_back("Paare nach Begegnungen: " + verteilung + ".");
    z.push_back("Mittlere absolute Abweichung der Begegnungen: " + Dezimal(k.MittlereAbweichung) + ".");
    return z;
}

} // namespace tavuran
