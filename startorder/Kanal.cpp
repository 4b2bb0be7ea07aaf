#include "startorder/Kanal.h"

#include "evaluation/ErgebnisAngaben.h"

#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/DatenMannschaft.h"
#include "core/DatenWettbewerb.h"
#include "core/L_STR.h"

namespace tavuran {

namespace {

// Every spelling of a 2.4 GHz system seen in registrations, upper-cased.
constexpr std::string_view Muster24GHz[] = {"2.4", "2,4", "2G4", "24G",  "24 G", "2 4",  "G24",
                                            "2;4", "2-4", "2:4", "2_4", "GHZ2", "GHZ1"};

bool HatNachname(const TeilnehmerTyp* t) { return !L_STR_Unblank(t->Name.NachnameStr).empty(); }

} // namespace

std::string Format24GHzKanalStr(std::string_view KanalStr) {
    const std::string gross = L_STR_Upcase(KanalStr);
    for (std::string_view m : Muster24GHz)
        if (gross.find(m) != std::string::npos) return Kanal2G4;
    return std::string(KanalStr);
}

bool IsKanalValid(std::string_view KanalStr) {
    const std::string s = L_STR_Unblank(Format24GHzKanalStr(KanalStr));
    return !s.empty() && s != "0";
}

std::string GetKanalTeilnehmer(const TeilnehmerTyp& Teilnehmer) {
    if (Teilnehmer.KanalAktiv == 2) return Teilnehmer.Kanal[2];
    if (Teilnehmer.KanalAktiv == 3) return Teilnehmer.Kanal[3];
    return Teilnehmer.Kanal[1];
}

std::string KanalAnzeigeStr(std::string_view KanalStr) { return KanalAnzeige(KanalStr); }

void InitKanalListe(WettbewerbTyp* comp) {
    if (!comp) return;
    ClearKanalListe(comp);
    // The entry of each channel other than 2.4 GHz (every 2.4 GHz system has one of its own).
    std::unordered_map<std::string, KanalListeTyp*> eintraege;
    for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next) {
        if (!HatNachname(t)) continue;
        const std::string kanal = L_STR_Unblank(GetKanalTeilnehmer(*t));
        // A participant without a channel uses none: counting "no channel" as a
        // channel would chart it and let it set the scale of the statistics.
        if (!IsKanalValid(kanal)) continue;
        KanalListeTyp*& e = eintraege[kanal == Kanal2G4 ? std::string() : kanal];
        if (e && kanal != Kanal2G4) {
            ++e->Anzahl;
            continue;
        }
        KanalListeTyp* neu = new KanalListeTyp();
        neu->Kanal = kanal;
        neu->Anzahl = 1;
        neu->next = comp->KanalRootPtr;
        comp->KanalRootPtr = neu;
        if (kanal != Kanal2G4) e = neu;
    }
}

Word CountKanalListe(const WettbewerbTyp* comp) {
    if (!comp) return 0;
    Word n = 0;
    for (const KanalListeTyp* e = comp->KanalRootPtr; e; e = e->next) ++n;
    return n;
}

void SortEinBelegung(WettbewerbTyp* comp, BelegungTyp* Eintrag) {
    if (!comp || !Eintrag) return;
    const int anzahl = Eintrag->KanalPtr ? Eintrag->KanalPtr->Anzahl : 0;
    BelegungTyp** stelle = &comp->BelegungRootPtr;
    while (*stelle) {
        const int vorhanden = (*stelle)->KanalPtr ? (*stelle)->KanalPtr->Anzahl : 0;
        if (vorhanden <= anzahl) break;
        stelle = &(*stelle)->next;
    }
    Eintrag->next = *stelle;
    *stelle = Eintrag;
}

void KanalBelegungToHeap(WettbewerbTyp* comp) {
    if (!comp) return;
    KanalBelegungFromHeap(comp);
    for (KanalListeTyp* k = comp->KanalRootPtr; k; k = k->next) {
        if (k->Anzahl == 0) continue;
        BelegungTyp* b = new BelegungTyp();
        b->KanalPtr = k;
        SortEinBelegung(comp, b);
    }
}

int GetKanaeleMax(const WettbewerbTyp* comp) {
    if (!comp || !comp->BelegungRootPtr || !comp->BelegungRootPtr->KanalPtr) return 0;
    return comp->BelegungRootPtr->KanalPtr->Anzahl;
}

int CheckDoppelBelegung(WettbewerbTyp* comp) {
    if (!comp) return 0;
    FreeDoppelBelegung(comp);

    struct Info {
        TeilnehmerTyp* t;
        std::string kanal; // normalised active channel; empty when it cannot clash
        MannschaftTyp* team;
    };
    std::vector<Info> teiln;
    const std::unordered_map<int, MannschaftTyp*> teams = MannschaftenDerTeilnehmer(comp->MannschaftRootPtr);
    for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next) {
        if (t->Name.NachnameStr.empty()) continue;
        std::string kanal = Format24GHzKanalStr(GetKanalTeilnehmer(*t));
        // 2.4 GHz systems never clash, and neither do participants without a channel.
        if (kanal == Kanal2G4 || !IsKanalValid(kanal)) kanal.clear();
        const auto it = t->EdvNr > 0 ? teams.find(t->EdvNr) : teams.end();
        MannschaftTyp* team = it != teams.end() ? it->second : nullptr;
        teiln.push_back({t, std::move(kanal), team});
    }

    int erzeugt = 0;
    std::map<std::pair<int, int>, DoppelBelegungTyp*> datensatz;
    for (int r = 1; r <= MaxDurchgaenge; ++r) {
        std::unordered_map<int, std::vector<int>> gruppen;
        for (int i = 0; i < static_cast<int>(teiln.size()); ++i) {
            const int g = teiln[i].t->Gruppe[r];
            if (g != 0) gruppen[g].push_back(i);
        }
        if (gruppen.empty()) continue;
        for (int a = 0; a < static_cast<int>(teiln.size()); ++a) {
            const Info& A = teiln[a];
            const int gA = A.t->Gruppe[r];
            if (gA == 0) continue;
            bool kanal = false, nachbar = false, mannschaft = false;
            if (auto it = gruppen.find(gA); it != gruppen.end()) {
                for (int b : it->second) {
                    if (b == a) continue;
                    const Info& B = teiln[b];
                    if (!A.kanal.empty() && A.kanal == B.kanal) kanal = true;
                    if (A.team && A.team == B.team) mannschaft = true;
                }
            }
            if (!A.kanal.empty()) {
                for (int gB : {gA - 1, gA + 1}) {
                    if (gB == 0) continue;
                    auto it = gruppen.find(gB);
                    if (it == gruppen.end()) continue;
                    for (int b : it->second)
                        if (A.kanal == teiln[b].kanal) nachbar = true;
                }
            }
            if (!kanal && !nachbar && !mannschaft) continue;
            DoppelBelegungTyp*& rec = datensatz[{A.t->EdvNr, r}];
            if (!rec) {
                rec = new DoppelBelegungTyp();
                rec->EdvNr = A.t->EdvNr;
                rec->DurchgangNr = r;
                rec->next = comp->DoppelBelegungRootPtr;
                comp->DoppelBelegungRootPtr = rec;
                ++erzeugt;
            }
            rec->Kanal = rec->Kanal || kanal;
            rec->KanalNextGruppe = rec->KanalNextGruppe || nachbar;
            rec->Mannschaft = rec->Mannschaft || mannschaft;
        }
    }
    return erzeugt;
}

DoppelBelegungTyp* GetDoppelBelegung(const WettbewerbTyp* comp, const TeilnehmerTyp* Teilnehmer, int DurchgangNr) {
    if (!comp || !Teilnehmer) return nullptr;
    for (DoppelBelegungTyp* d = comp->DoppelBelegungRootPtr; d; d = d->next)
        if (d->EdvNr == Teilnehmer->EdvNr && d->DurchgangNr == DurchgangNr) return d;
    return nullptr;
}

bool SelectChannel(WettbewerbTyp* comp, TeilnehmerTyp* Teilnehmer, int KanalNr) {
    if (!Teilnehmer || KanalNr < 1 || KanalNr > 3) return false;
    const int vorher = Teilnehmer->KanalAktiv;
    int neu = KanalNr;
    if (!IsKanalValid(Teilnehmer->Kanal[KanalNr])) {
        for (int k = 1; k <= 3; ++k) {
            if (IsKanalValid(Teilnehmer->Kanal[k])) {
                neu = k;
                break;
            }
        }
    }
    Teilnehmer->KanalAktiv = neu;
    if (neu == vorher) return false;
    SetWettbewerbModified(comp);
    return true;
}

} // namespace tavuran
