#include "core/DatenTeilnehmer.h"

#include <algorithm>
#include <limits>

#include "core/L_STR.h"

namespace tavuran {

TeilnehmerTyp* DatenTeilnehmerNew() { return new TeilnehmerTyp(); }

void NameDatenDefault(NameTyp* NamePtr) {
    if (NamePtr) *NamePtr = NameTyp{};
}

void DatenTeilnehmerDefault(TeilnehmerTyp* TeilnehmerPtr) {
    if (!TeilnehmerPtr) return;
    // A value-initialised record carries exactly the defaults of a participant.
    *TeilnehmerPtr = TeilnehmerTyp{};
    TeilnehmerPtr->Kanal.fill("2G4");
}

void DatenTeilnehmerCopy(TeilnehmerTyp* Teilnehmer1Ptr, const TeilnehmerTyp* Teilnehmer2Ptr) {
    if (!Teilnehmer1Ptr || !Teilnehmer2Ptr || Teilnehmer1Ptr == Teilnehmer2Ptr) return;
    const int schutz = Teilnehmer1Ptr->TeamschutzHelferAnz;
    *Teilnehmer1Ptr = *Teilnehmer2Ptr;
    Teilnehmer1Ptr->TeamschutzHelferAnz = schutz;
}

TeilnehmerTyp* DatenTeilnehmerGetPtr(TeilnehmerTyp*& TeilnehmerRootPtr, int TeilnehmerEdvNr, bool Erzeugen) {
    for (TeilnehmerTyp* p = TeilnehmerRootPtr; p; p = p->next)
        if (p->EdvNr == TeilnehmerEdvNr) return p;
    if (!Erzeugen) return nullptr;
    TeilnehmerTyp* neu = DatenTeilnehmerNew();
    DatenTeilnehmerDefault(neu);
    neu->EdvNr = TeilnehmerEdvNr;
    neu->next = TeilnehmerRootPtr;
    TeilnehmerRootPtr = neu;
    return neu;
}

void DatenTeilnehmerDispose(TeilnehmerTyp*& TeilnehmerPtr) {
    while (TeilnehmerPtr) {
        TeilnehmerTyp* weiter = TeilnehmerPtr->next;
        delete TeilnehmerPtr;
        TeilnehmerPtr = weiter;
    }
}

namespace {
bool HatNachname(const TeilnehmerTyp* p) { return !p->Name.NachnameStr.empty(); }

template <class Bed>
int Zaehle(const TeilnehmerTyp* p, Bed bed) {
    int n = 0;
    for (; p; p = p->next)
        if (HatNachname(p) && bed(p)) ++n;
    return n;
}

// The largest number among the records with a surname, never below 0: a new
// record gets this + 1, so numbering starts at 1 even when every record still
// carries the default -1 (0 would mean "no number" for a new record).
template <class Feldwert>
int Maximum(const TeilnehmerTyp* p, Feldwert wert) {
    int m = 0;
    for (; p; p = p->next)
        if (HatNachname(p) && wert(p) > m) m = wert(p);
    return m;
}
} // namespace

bool TeilnehmerGelistet(const TeilnehmerTyp* t) { return t && t->EdvNr != 0 && !t->Name.NachnameStr.empty(); }
int GetAnzTeilnehmerGelistet(const TeilnehmerTyp* p) { return Zaehle(p, TeilnehmerGelistet); }

int GetTeilnehmerAnzahl(const TeilnehmerTyp* p) {
    return Zaehle(p, [](const TeilnehmerTyp* t) { return t->EdvNr > 0; });
}
int GetAnzTeilnehmer(const TeilnehmerTyp* p) {
    return Zaehle(p, [](const TeilnehmerTyp*) { return true; });
}
int GetAnzTeilnehmerWertung(const TeilnehmerTyp* p) {
    return Zaehle(p, [](const TeilnehmerTyp* t) { return t->PlatzNr > 0; });
}
int GetAnzTeilnehmerWertungJugendlich(const TeilnehmerTyp* p) {
    return Zaehle(p, [](const TeilnehmerTyp* t) { return t->PlatzNr > 0 && t->Jugendlich; });
}
int GetMaxStartNr(const TeilnehmerTyp* p) {
    return Maximum(p, [](const TeilnehmerTyp* t) { return t->StartNr; });
}
int GetMaxMeldungsNr(const TeilnehmerTyp* p) {
    return Maximum(p, [](const TeilnehmerTyp* t) { return t->MeldgNr; });
}
int GetMaxEdvNr(const TeilnehmerTyp* p) {
    return Maximum(p, [](const TeilnehmerTyp* t) { return t->EdvNr; });
}

NeueNummern::NeueNummern(const TeilnehmerTyp* Root, int TeilnehmerTyp::*Feld, std::vector<int> Belegt)
    : root_(Root), feld_(Feld), belegt_(std::move(Belegt)) {
    letzte_ = Maximum(Root, [&](const TeilnehmerTyp* t) { return t->*Feld; });
    for (const int b : belegt_) letzte_ = std::max(letzte_, b);
    grenze_ = letzte_;
}

int NeueNummern::Naechste() {
    if (!lueckenSuche_) {
        if (letzte_ < std::numeric_limits<int>::max()) return ++letzte_;
        // The numbers above the largest at the start are all handed out now:
        // the gaps below it remain.
        lueckenSuche_ = true;
        for (const TeilnehmerTyp* p = root_; p; p = p->next) belegt_.push_back(p->*feld_);
        std::sort(belegt_.begin(), belegt_.end());
        letzte_ = 0;
    }
    // Each step either passes a number in use or returns one.
    for (long long kandidat = static_cast<long long>(letzte_) + 1; kandidat <= grenze_; ++kandidat) {
        while (pos_ < belegt_.size() && belegt_[pos_] < kandidat) ++pos_;
        if (pos_ < belegt_.size() && belegt_[pos_] == kandidat) continue;
        letzte_ = static_cast<int>(kandidat);
        return letzte_;
    }
    return 0;
}

int GetGruppenAnzahl(const TeilnehmerTyp* p) {
    int m = 0;
    for (; p; p = p->next)
        if (p->Gruppe[1] > m) m = p->Gruppe[1];
    return m;
}

int GetJugendPlatzEdvNr(const TeilnehmerTyp* p) {
    if (!p || !p->Jugendlich) return 0;
    return p->PlatzNrFlyOffJugend != 0 ? p->PlatzNrFlyOffJugend : p->PlatzNrJugend;
}

bool NamenSindGleich(const NameTyp* a, const NameTyp* b) {
    if (!a || !b) return a == b;
    return a->NachnameStr == b->NachnameStr && a->VornameStr == b->VornameStr && a->TitelStr == b->TitelStr;
}

bool TeilnehmerIs2G4(const TeilnehmerTyp* p) {
    if (!p) return false;
    for (int i = 1; i <= 3; ++i)
        if (!p->Kanal[i].empty() && p->Kanal[i] != "2G4") return false;
    const int aktiv = (p->KanalAktiv == 2 || p->KanalAktiv == 3) ? p->KanalAktiv : 1;
    return p->Kanal[aktiv] == "2G4";
}

std::string CnvNameTypToNameStr(const NameTyp* NamePtr, bool NachnameZuerst) {
    if (!NamePtr) return {};
    std::string s = NachnameZuerst
                        ? NamePtr->NachnameStr + " " + NamePtr->VornameStr + " " + NamePtr->TitelStr
                        : NamePtr->TitelStr + " " + NamePtr->VornameStr + " " + NamePtr->NachnameStr;
    return L_STR_Unblank(s);
}

} // namespace tavuran
