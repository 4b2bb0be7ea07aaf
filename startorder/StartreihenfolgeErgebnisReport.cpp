#include "startorder/StartreihenfolgeErgebnisReport.h"

#include <climits>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/L_STR.h"
#include "core/MinMax.h"
#include "startorder/StartreihenfolgeFairness.h"
#include "startorder/StartreihenfolgeLauf.h"
#include "startorder/StartreihenfolgeTeamgruppe.h"

namespace tavuran {

int CountPilotsInGroup(const WettbewerbTyp* comp, int DurchgangNr, int GruppeNr) {
    if (!comp || DurchgangNr < 1 || DurchgangNr > MaxDurchgaenge) return 0;
    int n = 0;
    for (const TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next)
        if (TeilnehmerGelistet(t) && t->Gruppe[DurchgangNr] == GruppeNr) ++n;
    return n;
}

bool CheckTeilnehmerInDurchgaengen(WettbewerbTyp* comp, std::vector<std::string>& Zeilen) {
    if (!comp) return false;
    int fehler = 0;
    bool vollstaendig = true;
    const bool gs = comp->Gruppenstart;
    const std::string R = StrInt(comp->AnzVorrunden);
    int minG = 1;
    int maxG = 1;
    const bool eingeteilt = GetDurchgangStartreihenfolgeEingeteiltAuslosung(comp, &minG, &maxG);
    if (!gs) minG = maxG = 1;

    // 1. the division check
    if (!eingeteilt) {
        Zeilen.push_back("Es gibt Teilnehmer, die in einem der Durchgänge 1 bis " + R +
                         (gs ? " keiner Gruppe zugeordnet sind." : " nicht korrekt eingetragen sind."));
        ++fehler;
    } else if (gs) {
        Zeilen.push_back("Alle Teilnehmer sind in den Durchgängen 1 bis " + R + " den Gruppen " + StrInt(minG) +
                         " bis " + StrInt(maxG) + " zugeordnet.");
    } else {
        Zeilen.push_back("Alle Teilnehmer sind in den Durchgängen 1 bis " + R + " korrekt eingetragen.");
    }
    Zeilen.push_back("");

    const int runden = LimitLowHighInt(comp->AnzVorrunden, 0, MaxDurchgaenge);

    // 2. every participant in every round
    for (int r = 1; r <= runden; ++r) {
        if (!DatenDurchgangSuchen(comp, r)) continue;
        const std::string rs = StrInt(r);
        Zeilen.push_back("Prüfe Teilnehmer im Durchgang " + rs + " auf Vollständigkeit:");
        bool rundeOk = true;
        for (const TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next) {
            if (!TeilnehmerGelistet(t)) continue;
            const int g = t->Gruppe[r];
            const std::string name = CnvNameTypToNameStr(&t->Name, true);
            if (gs && (g < minG || g > maxG)) {
                Zeilen.push_back("Im Durchgang " + rs + " kommt der Teilnehmer " + name + " nicht vor!");
            } else if (!gs && g != 1) {
                Zeilen.push_back("Im Durchgang " + rs + " ist der Teilnehmer " + name + " nicht korrekt eingetragen!");
            } else {
                continue;
            }
            rundeOk = false;
            ++fehler;
        }
        if (rundeOk)
            Zeilen.push_back("Der Durchgang " + rs + " ist bezüglich Teilnehmer vollständig.");
        else
            vollstaendig = false;
    }

    // 3. group sizes. The groups are those of the division, numbers minG..maxG
    // as the participants carry them: a round's group records exist only where
    // results were entered.
    if (gs) {
        for (int r = 1; r <= runden; ++r) {
            if (!DatenDurchgangSuchen(comp, r)) continue;
            Zeilen.push_back("Prüfe Teilnehmer im Durchgang " + StrInt(r) + " auf Gruppengröße:");
            int kleinste = INT_MAX;
            int groesste = 0;
            for (int g = minG; g <= maxG; ++g) {
                const int k = CountPilotsInGroup(comp, r, g);
                kleinste = MinInt(kleinste, k);
                groesste = MaxInt(groesste, k);
            }
            const int d = kleinste == INT_MAX ? 0 : groesste - kleinste;
            if (d < 2) {
                Zeilen.push_back("Gruppengrößen sind ok, die Größendifferenz beträgt :" + StrInt(d) + " Teilnehmer.");
            } else {
                Zeilen.push_back("Gruppengrößen sind ungleich, die Größendifferenz beträgt :" + StrInt(d) +
                                 " Teilnehmer.");
                ++fehler;
            }
        }
    }

    // 4. numbers
    const int n = GetAnzTeilnehmerGelistet(comp->TeilnehmerRootPtr);
    for (int r = 1; r <= runden; ++r) {
        if (!DatenDurchgangSuchen(comp, r)) continue;
        Zeilen.push_back("Prüfe Anzahl Teilnehmer im Durchgang " + StrInt(r) + ":");
        int summe = 0;
        for (int g = minG; g <= maxG; ++g) summe += CountPilotsInGroup(comp, r, g);
        if (summe == n) {
            Zeilen.push_back("Anzahl korrekt, " + StrInt(n) + " Teilnehmer.");
        } else {
            Zeilen.push_back("Anzahl falsch, " + StrInt(summe) + " Teilnehmer gefunden, aber " + StrInt(n) +
                             " Teilnehmer erwartet.");
            ++fehler;
        }
    }

    // 5. summary
    Zeilen.push_back("");
    Zeilen.push_back("Zusammenfassung:");
    Zeilen.push_back(fehler > 0 ? "Die Teilnehmer sind nicht korrekt auf die Durchgänge verteilt."
                                : "Die Durchgangsverteilung ist vollständig und korrekt.");
    // 6. how fair the division is (who meets whom how often)
    if (gs) {
        Zeilen.push_back("");
        for (std::string& z : FairnessReportZeilen(BerechneFairness(comp, {}, GetTeamGroupRootPtr())))
            Zeilen.push_back(std::move(z));
    }
    Zeilen.push_back("");
    Zeilen.push_back("");
    return vollstaendig;
}

} // namespace tavuran
