#include "startorder/StartreihenfolgeBewertung.h"

#include <climits>

#include "core/DatenTeilnehmer.h"
#include "core/L_STR.h"
#include "core/MinMax.h"
#include "evaluation/Sortierung.h"
#include "startorder/Kanal.h"

namespace tavuran {

// ------------------------------------------------------------------ matrix

void StartBewertListe::Vorbereiten(WettbewerbTyp* comp, const TeamGroupType* TeamGroups) {
    teiln_.clear();
    index_.clear();
    statReihe_.clear();
    dynReihe_.clear();
    if (comp)
        for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next) {
            if (index_.count(t)) continue;
            index_[t] = static_cast<int>(teiln_.size());
            teiln_.push_back(t);
        }
    n_ = static_cast<int>(teiln_.size());
    const std::size_t feld = static_cast<std::size_t>(n_) * static_cast<std::size_t>(n_);
    flags_.assign(feld, 0);
    dyn_.assign(feld, 0);
    anz_.assign(feld, 0);

    // Channel pairs: listed participants on one real channel (2.4 GHz
    // systems and missing channels never clash).
    std::unordered_map<std::string, std::vector<int>> nachKanal;
    std::vector<std::string> kanal(n_);
    for (int i = 0; i < n_; ++i) {
        const TeilnehmerTyp* t = teiln_[i];
        if (!TeilnehmerGelistet(t)) continue;
        std::string k = Format24GHzKanalStr(GetKanalTeilnehmer(*t));
        if (k == Kanal2G4 || !IsKanalValid(k)) continue;
        nachKanal[k].push_back(i);
        kanal[i] = std::move(k);
    }
    for (int a = 0; a < n_; ++a) {
        if (kanal[a].empty()) continue;
        for (int b : nachKanal[kanal[a]]) {
            if (b == a) continue;
            SetzeFlag(a, b, FlagKanal);
            SetzeFlag(b, a, FlagKanal);
        }
    }

    // Protected pairs.
    for (const TeamGroupType* g = TeamGroups; g; g = g->next) {
        const int p = Index(g->PilotPtr);
        if (p < 0) continue;
        for (const TeamHelperType* h = g->HelferRootPtr; h; h = h->next) {
            const int x = Index(h->HelferPtr);
            if (x < 0 || x == p) continue;
            SetzeFlag(p, x, FlagPilot);
            SetzeFlag(x, p, FlagHelfer);
        }
    }
}

void StartBewertListe::SetzeFlag(int a, int b, std::uint8_t f) {
    const int p = Pos(a, b);
    if (flags_[p] == 0 && dyn_[p] == 0) statReihe_.push_back(p);
    flags_[p] |= f;
}

void StartBewertListe::Leeren() {
    for (int p : dynReihe_) {
        dyn_[p] = 0;
        anz_[p] = 0;
    }
    for (int p : statReihe_) anz_[p] = 0;
    dynReihe_.clear();
}

int StartBewertListe::Index(const TeilnehmerTyp* t) const {
    auto it = index_.find(t);
    return it == index_.end() ? -1 : it->second;
}

int StartBewertListe::IndexNeu(SortTeilnType* e) const {
    e->MatrixIdx = Index(e->TeilnPtr);
    return e->MatrixIdx;
}

void StartBewertListe::GetAdd(int a, int b) {
    const int p = Pos(a, b);
    if (flags_[p] != 0 || dyn_[p] != 0) return;
    dyn_[p] = 1;
    dynReihe_.push_back(p);
}

void DurchgangBewertung(StartBewertListe& Matrix, SortDrchgType* Kandidat) {
    Matrix.Leeren();
    std::vector<int> mitglieder;
    for (SortDrchgType* d = Kandidat; d; d = d->next)
        for (SortGroupType* g = d->GroupRootPtr; g; g = g->next) {
            mitglieder.clear();
            for (SortTeilnType* e = g->TeilnRootPtr; e; e = e->next) {
                const int i = Matrix.Index(e);
                if (i >= 0) mitglieder.push_back(i);
            }
            for (int a : mitglieder)
                for (int b : mitglieder)
                    if (a != b) Matrix.Zaehle(a, b);
        }
}

int GetScoreIfPilotIsPlacedInToGroup(const StartBewertListe& Matrix, const SortGroupType* Gruppe, SortTeilnType* T) {
    if (!Gruppe || !T) return 0;
    const int t = Matrix.Index(T);
    if (t < 0) return 0;
    int score = 0;
    for (SortTeilnType* m = Gruppe->TeilnRootPtr; m; m = m->next) {
        if (m->TeilnPtr == T->TeilnPtr) continue;
        const int b = Matrix.Index(m);
        // A pair without an entry has neither meetings nor flags: it adds nothing.
        if (b < 0 || b == t) continue;
        score += Matrix.Anz(t, b);
        const std::uint8_t f = Matrix.Flags(t, b);
        if (f & StartBewertListe::FlagKanal) score |= 0x4000;
        if (f & StartBewertListe::FlagHelfer) score |= 0x2000;
        if (f & StartBewertListe::FlagPilot) score |= 0x1000;
    }
    return score;
}

void InsertPilotInToGroupForBewertung(StartBewertListe& Matrix, const SortGroupType* Gruppe, SortTeilnType* T) {
    if (!Gruppe || !T) return;
    const int t = Matrix.Index(T);
    if (t < 0) return;
    for (SortTeilnType* m = Gruppe->TeilnRootPtr; m; m = m->next) {
        if (m->TeilnPtr == T->TeilnPtr) continue;
        const int b = Matrix.Index(m);
        if (b < 0 || b == t) continue;
        Matrix.Zaehle(t, b);
        Matrix.Zaehle(b, t);
    }
}

int BewerteFertigenDurchgang(const StartBewertListe& Matrix) {
    long long summe = 0;
    Matrix.FuerAlle([&](int a, int b) {
        const long long c = Matrix.Anz(a, b);
        if (c == 0) return;
        const std::uint8_t f = Matrix.Flags(a, b);
        long long gewicht = 0;
        if (f & StartBewertListe::FlagKanal) gewicht += 16384;
        if (f & StartBewertListe::FlagHelfer) gewicht += 8192;
        if (f & StartBewertListe::FlagPilot) gewicht += 4096;
        summe += c * c * c * c + c * gewicht;
        if (summe > INT_MAX) summe = INT_MAX;
    });
    return static_cast<int>(summe);
}

std::optional<StartBewertType> Search(const StartBewertListe& Matrix, const TeilnehmerTyp* A, const TeilnehmerTyp* B) {
    const int a = Matrix.Index(A);
    const int b = Matrix.Index(B);
    if (a < 0 || b < 0 || a == b || !Matrix.Existiert(a, b)) return std::nullopt;
    StartBewertType e;
    const std::uint8_t f = Matrix.Flags(a, b);
    e.Teiln[0].TeilnehmerPtr = Matrix.Teilnehmer(a);
    e.Teiln[0].Kanal = f & StartBewertListe::FlagKanal;
    e.Teiln[0].TeamschutzPilot = f & StartBewertListe::FlagPilot;
    e.Teiln[0].TeamschutzHelfer = f & StartBewertListe::FlagHelfer;
    e.Teiln[1].TeilnehmerPtr = Matrix.Teilnehmer(b);
    e.AnzDoppelTeilnahmen = Matrix.Anz(a, b);
    return e;
}

// ------------------------------------------------------- result matrix grid

BewertungZellFarbe BewertungZellFarbeFuer(const std::string& Text) {
    if (Text == "\\") return {BewertungZellArt::Fix, false};
    const bool markiert = Text.find_first_of("PHK") != std::string::npos;
    const bool trifft = Text.find_first_of("0123456789") != std::string::npos;
    if (markiert) return trifft ? BewertungZellFarbe{BewertungZellArt::Rot, true} : BewertungZellFarbe{BewertungZellArt::Hellblau, false};
    if (!trifft) return {BewertungZellArt::Weiss, false};
    const int c = L_STR_CnvStrToInteger(Text);
    if (c <= 1) return {BewertungZellArt::Weiss, false};
    if (c == 2) return {BewertungZellArt::Gelb, false};
    if (c == 3) return {BewertungZellArt::Orange, false};
    return {BewertungZellArt::Rot, true};
}

BewertungsGitter FillBewertStringGrid(WettbewerbTyp* comp, SortDrchgType* Darstellung, const TeamGroupType* TeamGroups) {
    BewertungsGitter gitter;
    if (comp) {
        SortTeilnehmerNamen(comp);
        for (TeilnehmerTyp* t = comp->TeilnehmerNameRootPtr; t; t = t->nextName) {
            if (t->EdvNr <= 0) continue;
            std::string name = CnvNameTypToNameStr(&t->Name, true);
            if (name.empty()) continue;
            gitter.Teilnehmer.push_back(t);
            gitter.Namen.push_back(std::move(name));
        }
    }
    const int k = static_cast<int>(gitter.Teilnehmer.size());
    gitter.Zeilen = MaxInt(5, k + 1);
    gitter.Spalten = MaxInt(5, k + 1);
    gitter.Zellen.assign(gitter.Zeilen, std::vector<std::string>(gitter.Spalten));
    for (int i = 0; i < k; ++i) {
        gitter.Zellen[0][i + 1] = gitter.Namen[i];
        gitter.Zellen[i + 1][0] = gitter.Namen[i];
    }
    if (k == 0) return gitter;

    StartBewertListe matrix;
    matrix.Vorbereiten(comp, TeamGroups);
    DurchgangBewertung(matrix, Darstellung);
    for (int i = 0; i < k; ++i)
        for (int j = 0; j < k; ++j) {
            std::string& zelle = gitter.Zellen[i + 1][j + 1];
            if (i == j) {
                zelle.assign(1, '\\'); // the diagonal (assign: avoids a false -Wrestrict of GCC 12)
                continue;
            }
            auto e = Search(matrix, gitter.Teilnehmer[i], gitter.Teilnehmer[j]);
            if (!e) continue;
            if (e->Teiln[0].TeamschutzPilot) zelle += "P";
            if (e->Teiln[0].TeamschutzHelfer) zelle += "H";
            if (e->Teiln[0].Kanal) zelle += "K";
            if (e->AnzDoppelTeilnahmen > 0) zelle += StrInt(e->AnzDoppelTeilnahmen);
        }
    return gitter;
}

} // namespace tavuran
