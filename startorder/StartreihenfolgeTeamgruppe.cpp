#include "startorder/StartreihenfolgeTeamgruppe.h"

#include <string>
#include <unordered_set>
#include <unordered_map>
#include <vector>

#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/MinMax.h"

namespace tavuran {

namespace {

TeamGroupType* AktuelleGruppen = nullptr;

void DoneHelfer(TeamHelperType*& root) {
    while (root) {
        TeamHelperType* weiter = root->next;
        delete root;
        root = weiter;
    }
}

void EntferneGruppenOhneHelfer(TeamGroupType*& root) {
    TeamGroupType** p = &root;
    while (*p) {
        if ((*p)->HelferRootPtr) {
            p = &(*p)->next;
            continue;
        }
        TeamGroupType* weg = *p;
        *p = weg->next;
        delete weg;
    }
}

void NullenUndZaehlen(TeamGroupType* root) {
    for (TeamGroupType* g = root; g; g = g->next) {
        g->PilotPtr->TeamschutzHelferAnz = 0;
        for (TeamHelperType* h = g->HelferRootPtr; h; h = h->next) h->HelferPtr->TeamschutzHelferAnz = 0;
    }
    for (TeamGroupType* g = root; g; g = g->next) {
        ++g->PilotPtr->TeamschutzHelferAnz;
        for (TeamHelperType* h = g->HelferRootPtr; h; h = h->next) ++h->HelferPtr->TeamschutzHelferAnz;
    }
}

} // namespace

TeamGroupType* GetTeamGroupPtr(TeamGroupType*& TeamGroupRootPtr, TeilnehmerTyp* Pilot) {
    for (TeamGroupType* g = TeamGroupRootPtr; g; g = g->next)
        if (g->PilotPtr == Pilot) return g;
    TeamGroupType* g = new TeamGroupType();
    g->PilotPtr = Pilot;
    g->next = TeamGroupRootPtr;
    TeamGroupRootPtr = g;
    return g;
}

void AddTeamHelfer(TeamGroupType* Gruppe, TeilnehmerTyp* Helfer) {
    // A pilot who names himself as helper cannot be kept apart from himself.
    if (!Gruppe || !Helfer || Helfer == Gruppe->PilotPtr) return;
    for (TeamHelperType* h = Gruppe->HelferRootPtr; h; h = h->next)
        if (h->HelferPtr == Helfer) return;
    TeamHelperType* h = new TeamHelperType();
    h->HelferPtr = Helfer;
    h->next = Gruppe->HelferRootPtr;
    Gruppe->HelferRootPtr = h;
}

TeamGroupType* ErstelleTeamGroups(WettbewerbTyp* comp, bool TeamschutzAlle, bool TeamschutzHelfer,
                                  bool TeamschutzMannschaft) {
    TeamGroupType* root = nullptr;
    if (!comp) return root;

    if (TeamschutzHelfer) {
        std::unordered_map<std::string, std::vector<TeilnehmerTyp*>> nachName;
        for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next)
            nachName[CnvNameTypToNameStr(&t->Name, true)].push_back(t);
        for (TeilnehmerTyp* p = comp->TeilnehmerRootPtr; p; p = p->next) {
            if (p->EdvNr == 0 || !(p->Jugendlich || TeamschutzAlle)) continue;
            TeamGroupType* g = GetTeamGroupPtr(root, p);
            for (int k = 1; k <= 3; ++k) {
                const std::string name = CnvNameTypToNameStr(&p->Helfer[k], true);
                if (name.empty()) continue;
                auto it = nachName.find(name);
                if (it == nachName.end()) continue;
                for (TeilnehmerTyp* h : it->second) AddTeamHelfer(g, h);
            }
        }
        EntferneGruppenOhneHelfer(root);
    }

    if (TeamschutzMannschaft) {
        for (MannschaftTyp* m = comp->MannschaftRootPtr; m; m = m->next) {
            const int erster = m->TeilnehmerEdvNr[1];
            TeilnehmerTyp* pilot = erster > 0 ? GetTeilnehmerEdvNr(comp, erster) : nullptr;
            if (!pilot || !(TeamschutzAlle || pilot->Jugendlich)) continue;
            TeamGroupType* g = GetTeamGroupPtr(root, pilot);
            for (int k = 2; k <= MaxMannschaftMitglieder; ++k) {
                const int edv = m->TeilnehmerEdvNr[k];
                if (edv <= 0) continue;
                AddTeamHelfer(g, GetTeilnehmerEdvNr(comp, edv));
            }
        }
        EntferneGruppenOhneHelfer(root);
    }

    SortTeamGroups(root);
    return root;
}

void CreateTeamGroup(WettbewerbTyp* comp, bool TeamschutzAlle, bool TeamschutzHelfer, bool TeamschutzMannschaft) {
    FreeTeamGroups();
    AktuelleGruppen = ErstelleTeamGroups(comp, TeamschutzAlle, TeamschutzHelfer, TeamschutzMannschaft);
}

TeamGroupType* GetTeamGroupRootPtr() { return AktuelleGruppen; }

void FreeTeamGroups() { DoneTeamGroups(AktuelleGruppen); }

void SortTeamGroups(TeamGroupType*& TeamGroupRootPtr) {
    NullenUndZaehlen(TeamGroupRootPtr);
    for (TeamGroupType* g = TeamGroupRootPtr; g; g = g->next) {
        g->SortScore = g->PilotPtr->TeamschutzHelferAnz;
        for (TeamHelperType* h = g->HelferRootPtr; h; h = h->next) g->SortScore += h->HelferPtr->TeamschutzHelferAnz;
    }
    // Take out the least entangled group (the first among equals) and push it
    // at the head: the most entangled group ends at the head.
    TeamGroupType* neu = nullptr;
    while (TeamGroupRootPtr) {
        TeamGroupType** kleinste = &TeamGroupRootPtr;
        for (TeamGroupType** p = &(*kleinste)->next; *p; p = &(*p)->next)
            if ((*p)->SortScore < (*kleinste)->SortScore) kleinste = p;
        TeamGroupType* g = *kleinste;
        *kleinste = g->next;
        g->next = neu;
        neu = g;
    }
    TeamGroupRootPtr = neu;
}

int CountTeamschutzMaxVerkettung(TeamGroupType* TeamGroupRootPtr) {
    NullenUndZaehlen(TeamGroupRootPtr);
    int maximum = 0;
    for (TeamGroupType* g = TeamGroupRootPtr; g; g = g->next) {
        maximum = MaxInt(maximum, g->PilotPtr->TeamschutzHelferAnz);
        for (TeamHelperType* h = g->HelferRootPtr; h; h = h->next)
            maximum = MaxInt(maximum, h->HelferPtr->TeamschutzHelferAnz);
    }
    return maximum;
}

void DoneTeamGroups(TeamGroupType*& TeamGroupRootPtr) {
    while (TeamGroupRootPtr) {
        TeamGroupType* weiter = TeamGroupRootPtr->next;
        DoneHelfer(TeamGroupRootPtr->HelferRootPtr);
        delete TeamGroupRootPtr;
        TeamGroupRootPtr = weiter;
    }
}

void TeamGroupsBereinigen(TeamGroupType*& TeamGroupRootPtr, const WettbewerbTyp* comp) {
    std::unordered_set<const TeilnehmerTyp*> da;
    if (comp)
        for (const TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next) da.insert(t);
    TeamGroupType** g = &TeamGroupRootPtr;
    while (*g) {
        TeamHelperType** h = &(*g)->HelferRootPtr;
        while (*h) {
            if (da.count((*h)->HelferPtr)) {
                h = &(*h)->next;
                continue;
            }
            TeamHelperType* weg = *h;
            *h = weg->next;
            delete weg;
        }
        if (da.count((*g)->PilotPtr) && (*g)->HelferRootPtr) {
            g = &(*g)->next;
            continue;
        }
        TeamGroupType* weg = *g;
        *g = weg->next;
        DoneHelfer(weg->HelferRootPtr);
        delete weg;
    }
}

void TeamGroupsBereinigen(WettbewerbTyp* comp) { TeamGroupsBereinigen(AktuelleGruppen, comp); }

} // namespace tavuran
