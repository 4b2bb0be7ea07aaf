#include "exchange/Rueckgaengig.h"

#include <set>
#include <utility>

#include "core/DatenWettbewerb.h"
#include "exchange/DatenWettbewerbDatei.h"

namespace tavuran {

namespace {

// What only the view of a competition holds: the current round, the sort
// orders of the tabs and the window positions.
struct Ansicht {
    int DurchgangNr = 1;
    Feld<int, 0, 8> Sortierung;
    int WinPosLeft = -1, WinPosTop = -1, WinPosWidth = -1, WinPosHeight = -1;
    WinStateTyp WinState = WinStateTyp::Normal;
    int WinPosTeiler = 20;
    int KanWinPosLeft = -1, KanWinPosTop = -1, KanWinPosWidth = -1, KanWinPosHeight = -1;
    int KanHorWinPosTeiler = 50, KanVerWinPosTeiler = 30, KanWinAktiv = 0;
};

Ansicht AnsichtVon(const WettbewerbTyp& w) {
    return {w.DurchgangNr,       w.Sortierung,     w.WinPosLeft,         w.WinPosTop,
            w.WinPosWidth,       w.WinPosHeight,   w.WinState,           w.WinPosTeiler,
            w.KanWinPosLeft,     w.KanWinPosTop,   w.KanWinPosWidth,     w.KanWinPosHeight,
            w.KanHorWinPosTeiler, w.KanVerWinPosTeiler, w.KanWinAktiv};
}

void AnsichtSetzen(WettbewerbTyp& w, const Ansicht& a) {
    w.DurchgangNr = a.DurchgangNr;
    w.Sortierung = a.Sortierung;
    w.WinPosLeft = a.WinPosLeft;
    w.WinPosTop = a.WinPosTop;
    w.WinPosWidth = a.WinPosWidth;
    w.WinPosHeight = a.WinPosHeight;
    w.WinState = a.WinState;
    w.WinPosTeiler = a.WinPosTeiler;
    w.KanWinPosLeft = a.KanWinPosLeft;
    w.KanWinPosTop = a.KanWinPosTop;
    w.KanWinPosWidth = a.KanWinPosWidth;
    w.KanWinPosHeight = a.KanWinPosHeight;
    w.KanHorWinPosTeiler = a.KanHorWinPosTeiler;
    w.KanVerWinPosTeiler = a.KanVerWinPosTeiler;
    w.KanWinAktiv = a.KanWinAktiv;
}

void Kappen(std::vector<RueckgaengigSchritt>& v) {
    if (v.size() > MaxRueckgaengigSchritte) v.erase(v.begin(), v.begin() + static_cast<long>(v.size() - MaxRueckgaengigSchritte));
}

// Lines per block of a snapshot.
constexpr std::size_t BlockZeilen = 8;

std::vector<std::string> Zeilen(WettbewerbTyp* Wett) {
    if (!Wett) return {};
    const Ansicht a = AnsichtVon(*Wett);
    AnsichtSetzen(*Wett, Ansicht{});
    std::vector<std::string> z = DatenWettbewerbZeilen(Wett, 3);
    AnsichtSetzen(*Wett, a);
    return z;
}

// The blocks of a competition's lines, sharing those equal to Bisher's at the same place.
RueckgaengigStand Bloecke(WettbewerbTyp* Wett, const RueckgaengigStand& Bisher) {
    const std::vector<std::string> z = Zeilen(Wett);
    RueckgaengigStand b;
    for (std::size_t i = 0; i < z.size(); i += BlockZeilen) {
        std::string t;
        for (std::size_t k = i; k < z.size() && k < i + BlockZeilen; ++k) {
            t += z[k];
            t += '\n';
        }
        const std::size_t n = b.size();
        if (n < Bisher.size() && *Bisher[n] == t)
            b.push_back(Bisher[n]);
        else
            b.push_back(std::make_shared<const std::string>(std::move(t)));
    }
    return b;
}

bool Gleich(const RueckgaengigStand& a, const RueckgaengigStand& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && *a[i] != *b[i]) return false;
    return true;
}

// The text the file reader takes: Unicode with a byte-order mark.
std::string Text(const RueckgaengigStand& s) {
    std::string t = "\xEF\xBB\xBF";
    for (const auto& b : s) t += *b;
    return t;
}

} // namespace

std::string RueckgaengigSchnappschuss(WettbewerbTyp* Wett) { return Text(Bloecke(Wett, {})); }

std::size_t RueckgaengigSpeicher(const RueckgaengigListe& Liste) {
    std::set<const std::string*> gezaehlt;
    std::size_t n = 0;
    const auto zaehlen = [&](const RueckgaengigStand& s) {
        n += s.size() * sizeof(s[0]);
        for (const auto& b : s)
            if (gezaehlt.insert(b.get()).second) n += b->size();
    };
    zaehlen(Liste.Stand);
    for (const auto* v : {&Liste.Zurueck, &Liste.Vor})
        for (const RueckgaengigSchritt& s : *v) zaehlen(s.Stand);
    return n;
}

void RueckgaengigBeginnen(RueckgaengigListe& Liste, WettbewerbTyp* Wett, bool Gespeichert) {
    Liste.Zurueck.clear();
    Liste.Vor.clear();
    Liste.Stand = Bloecke(Wett, {});
    Liste.StandNr = Liste.NaechsteNr++;
    Liste.GespeichertNr = Gespeichert ? Liste.StandNr : -1;
}

bool RueckgaengigMerken(RueckgaengigListe& Liste, WettbewerbTyp* Wett, const std::string& Name) {
    RueckgaengigStand jetzt = Bloecke(Wett, Liste.Stand);
    if (Gleich(jetzt, Liste.Stand)) return false;
    Liste.Zurueck.push_back({Name.empty() ? std::string("Änderung") : Name, std::move(Liste.Stand), Liste.StandNr});
    Kappen(Liste.Zurueck);
    Liste.Vor.clear();
    Liste.Stand = std::move(jetzt);
    Liste.StandNr = Liste.NaechsteNr++;
    return true;
}

void RueckgaengigGespeichert(RueckgaengigListe& Liste, WettbewerbTyp* Wett) {
    // Saving may write what the state's snapshot did not hold yet (a file
    // name, a progress mark): the state is taken anew, without a step.
    RueckgaengigStandErneuern(Liste, Wett);
    Liste.GespeichertNr = Liste.StandNr;
}

void RueckgaengigStandErneuern(RueckgaengigListe& Liste, WettbewerbTyp* Wett) {
    Liste.Stand = Bloecke(Wett, Liste.Stand);
}

std::string RueckgaengigName(const RueckgaengigListe& Liste) {
    return Liste.Zurueck.empty() ? std::string() : Liste.Zurueck.back().Name;
}

std::string WiederherstellenName(const RueckgaengigListe& Liste) {
    return Liste.Vor.empty() ? std::string() : Liste.Vor.back().Name;
}

namespace {

bool Wechseln(std::vector<RueckgaengigSchritt>& Von, std::vector<RueckgaengigSchritt>& Nach, RueckgaengigListe& Liste,
              std::string& Stand) {
    if (Von.empty()) return false;
    RueckgaengigSchritt s = std::move(Von.back());
    Von.pop_back();
    Nach.push_back({s.Name, std::move(Liste.Stand), Liste.StandNr});
    Kappen(Nach);
    Liste.Stand = std::move(s.Stand);
    Liste.StandNr = s.Nr;
    Stand = Text(Liste.Stand);
    return true;
}

} // namespace

bool Rueckgaengig(RueckgaengigListe& Liste, std::string& Stand) {
    return Wechseln(Liste.Zurueck, Liste.Vor, Liste, Stand);
}

bool Wiederherstellen(RueckgaengigListe& Liste, std::string& Stand) {
    return Wechseln(Liste.Vor, Liste.Zurueck, Liste, Stand);
}

bool RueckgaengigAmGespeichertenStand(const RueckgaengigListe& Liste) {
    return Liste.GespeichertNr >= 0 && Liste.StandNr == Liste.GespeichertNr;
}

WettbewerbTyp* RueckgaengigWiederherstellen(const std::string& Stand, WettbewerbTyp* Bisher) {
    WettbewerbTyp* neu = nullptr;
    const std::string datei = Bisher ? Bisher->WettbewerbFileNamen[0] : std::string();
    if (DatenWettbewerbLesen(neu, Stand, datei) != LadenOk || !neu) {
        DatenWettbewerbDispose(neu);
        return nullptr;
    }
    if (Bisher) {
        AnsichtSetzen(*neu, AnsichtVon(*Bisher));
        neu->WettbewerbFileNamen = Bisher->WettbewerbFileNamen;
        neu->FileFormatNr = Bisher->FileFormatNr;
        // The master data belong to the user, not to a state of the competition.
        std::swap(neu->StammDatenRootPtr, Bisher->StammDatenRootPtr);
        std::swap(neu->StammDatenNameRootPtr, Bisher->StammDatenNameRootPtr);
        std::swap(neu->StammdatenFileName, Bisher->StammdatenFileName);
        std::swap(neu->StammDatRom, Bisher->StammDatRom);
    }
    neu->CalcWertung = true;
    return neu;
}

} // namespace tavuran
