#include "exchange/HtmlErgebnis.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_CALEND.h"
#include "core/L_STR.h"
#include "evaluation/AuswertungRohpunkte.h"
#include "evaluation/ErgebnisAngaben.h"
#include "evaluation/Sortierung.h"
#include "evaluation/WertungEingabe.h"
#include "exchange/DateiZugriff.h"
#include "exchange/TeilnehmerZuordnung.h"

namespace tavuran {

namespace {

int Begrenzt(int n, int hoch) { return std::clamp(n, 0, hoch); }

// Judge and round parameters of the rule, limited to the entry's slots.
int JudgeParameter(const WettbewerbTyp* Wett) {
    return Wett && Wett->RegelPtr ? Begrenzt(Wett->RegelPtr->ParameterPunktr.Anzahl, MaxPunktrichter) : 0;
}
int RundenParameter(const WettbewerbTyp* Wett) {
    return Wett && Wett->RegelPtr ? Begrenzt(Wett->RegelPtr->ParameterDurchg.Anzahl, MaxDurchgSpalten) : 0;
}

HtmlZelle T(const std::string& Text, std::string Klasse = {}) { return {HtmlText(Text), std::move(Klasse), {}, {}}; }
HtmlZelle Z(const std::string& Text, std::string Link = {}) { return {HtmlText(Text), "z", std::move(Link), {}}; }

// The keys of the page's targets. Prefix "" is the competition itself, "T<r>|"
// the sub-competition of round r.
std::string KeyGesamt(int EdvNr) { return "G|" + StrInt(EdvNr); }
std::string KeyName(const std::string& Praefix, int EdvNr) { return Praefix + "E|" + StrInt(EdvNr); }
std::string KeyGruppe(int r, int g) { return "W|" + StrInt(r) + "|" + StrInt(g); }

// The ids of one kind of target looked up by their number (a participant's
// EdvNr, a group), each key built and looked up once: a list of thousands of
// rows asks for them cell by cell. The ids stay where the anchors keep them;
// the table of numbers is held only while one page is made.
class NummernZiele {
  public:
    NummernZiele(HtmlAnker& Anker, std::function<std::string(int)> Key) : anker_(Anker), key_(std::move(Key)) {}
    std::string_view operator()(int n) {
        // Numbers from a file may be anything: only small ones are kept.
        if (n < 0 || n >= Grenze) return anker_.Ziel(key_(n));
        std::string_view& id = Platz(n);
        // A number looked up once is kept, a target the page lacks as an
        // empty id that is not the empty place.
        if (!id.data()) id = Gefunden(anker_.Ziel(key_(n)));
        return id;
    }
    // Gives the target n its id (made from Name, unless it has one) and keeps
    // it at hand, so that the lists find it without a look at the anchors.
    void Vergeben(int n, const std::string& Name) {
        const std::string_view id = anker_.Vergeben(key_(n), Name);
        if (n >= 0 && n < Grenze) Platz(n) = id;
    }

  private:
    static std::string_view Gefunden(std::string_view id) { return id.empty() ? std::string_view("") : id; }
    std::string_view& Platz(int n) {
        if (static_cast<std::size_t>(n) >= ids_.size()) ids_.resize(static_cast<std::size_t>(n) + 1);
        return ids_[static_cast<std::size_t>(n)];
    }
    static constexpr int Grenze = 1 << 16;
    HtmlAnker& anker_;
    std::function<std::string(int)> key_;
    std::vector<std::string_view> ids_; // an empty place has no data
};


// The targets of the page's own lists at hand by number: each pilot's row of
// the overall list and his name there, and the groups of each round's score
// list. At contest size the anchor table is out of the processor's cache;
// looking each target up there again, row after row, made the lists slow.
struct SeitenZiele {
    HtmlAnker& Anker;
    NummernZiele Gesamt;
    NummernZiele Namen;
    std::vector<NummernZiele> Gruppen; // by round, 0..Runden
    SeitenZiele(HtmlAnker& a, int Runden)
        : Anker(a), Gesamt(a, KeyGesamt), Namen(a, [](int n) { return KeyName("", n); }) {
        for (int r = 0; r <= Runden; ++r) Gruppen.emplace_back(a, [r](int g) { return KeyGruppe(r, g); });
    }
    bool HatRunde(int r) const { return r >= 0 && static_cast<std::size_t>(r) < Gruppen.size(); }
    std::string_view Gruppe(int r, int g) {
        return HatRunde(r) ? Gruppen[static_cast<std::size_t>(r)](g) : Anker.Ziel(KeyGruppe(r, g));
    }
};

// At contest size the pilots and their entries no longer fit the processor's
// cache, and the lists visit them in the order of places or groups, which
// jumps through memory: each row would wait for its reads one after the
// other. The records of a block of rows are asked for together before its
// rows are made, so that the waits overlap.
constexpr std::size_t VorausBlock = 32;
void Vorausladen(const void* p, std::size_t Bytes) {
    const std::uintptr_t Von = reinterpret_cast<std::uintptr_t>(p);
    for (std::uintptr_t z = Von & ~std::uintptr_t{63}; z < Von + Bytes; z += 64)
        __builtin_prefetch(reinterpret_cast<const void*>(z));
}
void ZeilenVorausladen(const std::vector<const TeilnehmerTyp*>& Folge, std::size_t Von) {
    const std::size_t Bis = std::min(Folge.size(), Von + VorausBlock);
    for (std::size_t k = Von; k < Bis; ++k) Vorausladen(Folge[k], sizeof(TeilnehmerTyp));
}

// The same for the entries in round Runde of a block of a score list's rows.
void EintraegeVorausladen(const std::vector<GruppenPlatz>& Folge, std::size_t Von, DurchgangTyp* Runde) {
    if (!Runde) return;
    const std::size_t Bis = std::min(Folge.size(), Von + VorausBlock);
    for (std::size_t k = Von; k < Bis; ++k)
        if (const WertungTyp* e = DatenWertungGetPtr(Runde, Folge[k].EdvNr, 0))
            Vorausladen(e, sizeof(WertungTyp));
}

// What the score lists show of each pilot (name and club escaped, youth, the
// link to his row of the overall list), made once for all rounds in the
// order the pilots were created and found by number. A score list goes in the
// order of its groups, which jumps through memory; at contest size the
// pilots' records are then out of the processor's cache, and these few bytes
// are not.
class PilotTexte {
  public:
    struct Texte {
        const TeilnehmerTyp* t = nullptr;
        std::string Name, Verein, Anker;
        bool Jugendlich = false;
    };
    PilotTexte(const WettbewerbTyp* Wett, NummernZiele& Namen, bool Link) : namen_(Namen), link_(Link) {
        for (const TeilnehmerTyp* t = Wett->TeilnehmerRootPtr; t; t = t->next) {
            if (t->EdvNr < 0 || t->EdvNr >= Grenze) continue;
            if (static_cast<std::size_t>(t->EdvNr) >= texte_.size()) texte_.resize(static_cast<std::size_t>(t->EdvNr) + 1);
            Texte& x = texte_[static_cast<std::size_t>(t->EdvNr)];
            if (!x.t) x = Machen(t);
        }
    }
    // The texts of t, whose number is Nr.
    const Texte& operator()(const TeilnehmerTyp* t, int Nr) {
        if (Nr >= 0 && static_cast<std::size_t>(Nr) < texte_.size() && texte_[static_cast<std::size_t>(Nr)].t == t)
            return texte_[static_cast<std::size_t>(Nr)];
        // A number out of range, or one that two pilots of a damaged file share.
        ander_ = Machen(t);
        return ander_;
    }

  private:
    Texte Machen(const TeilnehmerTyp* t) {
        return {t, HtmlText(HtmlName(t)), HtmlText(t->Verein),
                link_ ? std::string(namen_(t->EdvNr)) : std::string(), t->Jugendlich};
    }
    static constexpr int Grenze = 1 << 16;
    NummernZiele& namen_;
    bool link_;
    std::vector<Texte> texte_;
    Texte ander_;
};

// A sub-competition of the page: read from its file, its participants matched
// to ours.
struct Teilwettbewerb {
    int Runde = 0;
    WettbewerbTyp* Wett = nullptr;
    std::vector<const TeilnehmerTyp*> Folge; // its participants in the order of places
    std::map<int, int> UnsererZuSeinem;      // our EdvNr -> its EdvNr
    std::map<int, int> SeinerZuUnserem;
    ~Teilwettbewerb() { DatenWettbewerbDispose(Wett); }
};

std::string Prefix(int Runde) { return Runde ? "T" + StrInt(Runde) + "|" : std::string(); }

void ExportStatistik(WettbewerbTyp* Wett, HtmlZeilen& L) {
    const int n = GetAnzTeilnehmerWertung(Wett->TeilnehmerRootPtr);
    const int k = CountAnzahlVereine(Wett);
    const int j = GetAnzTeilnehmerWertungJugendlich(Wett->TeilnehmerRootPtr);
    std::string t = "Teilgenommen haben " + StrInt(n) + " Teilnehmer aus " +
                    (k == 1 ? std::string("einem Verein") : StrInt(k) + " Vereinen");
    if (j == 0)
        t += ".";
    else if (j == 1)
        t += ", davon war ein Teilnehmer jugendlich.";
    else
        t += ", davon waren " + StrInt(j) + " Teilnehmer jugendlich.";
    HtmlAbsatz(L, t);
    const std::string Leiter = CnvNameTypToNameStr(&Wett->Wettbewerbsleiter, true);
    if (!Leiter.empty()) HtmlAbsatz(L, "Wettbewerbsleiter: " + Leiter);
    const std::string Orga = CnvNameTypToNameStr(&Wett->Organisationsleiter, true);
    if (!Orga.empty()) HtmlAbsatz(L, "Organisationsleiter: " + Orga);
}

// The result list of a competition: the competition itself (Teil nil) or an
// included sub-competition (Teil its record, Wett the overall ranking), whose
// participants in the order of places are Folge. The page walks that order
// once: at contest size each step of the chain waits for a record from
// memory.
void ExportErgebnis(WettbewerbTyp* Wett, const Teilwettbewerb* Teil,
                    const std::vector<const TeilnehmerTyp*>& Folge, const HtmlErgebnisOptionen& Optionen,
                    SeitenZiele& Ziele, NummernZiele& Namen,
                    const std::vector<std::unique_ptr<Teilwettbewerb>>& Teile, HtmlDokument& Doc) {
    HtmlAnker& Anker = Ziele.Anker;
    NummernZiele& Gesamt = Ziele.Gesamt;
    HtmlZeilen& L = Doc.Lines;
    WettbewerbTyp* W = Teil ? Teil->Wett : Wett;
    const int Runden = HtmlRunden(W);
    bool MitVerband = false;
    for (const TeilnehmerTyp* t : Folge)
        if (!L_STR_Unblank(t->Verband).empty()) MitVerband = true;
    const bool MitFlyOff = HatFlyOff(W, false);

    if (Teil) {
        L.push_back("<h2>" + HtmlText(W->Name) + " – Ergebnisliste</h2>");
        HtmlAbsatz(L, HtmlUntertitel(W));
    } else {
        L.push_back("<h2>Ergebnisliste</h2>");
        if (Optionen.Statistik) ExportStatistik(W, L);
    }
    // Every listed pilot is counted, those who did not fly too.
    HtmlAbsatz(L, StrInt(static_cast<int>(Folge.size())) + " Teilnehmer");
    if (const std::string h = VorrundenHinweis(W); !h.empty()) HtmlAbsatz(L, h);

    std::vector<HtmlZelle> Kopf = {T("Platz", "p"), T("Teilnehmer", "n"), T("Jug."), T("Verein")};
    if (MitVerband) Kopf.push_back(T("Verband"));
    for (int r = 1; r <= Runden; ++r)
        Kopf.push_back(Z(Teil ? ErgebnisRundenTitel(W, r) : HtmlRundenTitel(W, Optionen, r)));
    Kopf.push_back(Z("Gesamt"));
    if (MitFlyOff) Kopf.push_back(Z("Fly-Off"));
    if (W->Teilwertung) Kopf.push_back(Z("Teilw. [%]"));
    HtmlTabelleAnfang(L, Kopf);

    const bool RundenLinks = Optionen.Links && !Teil && (Optionen.Wertungslisten || Optionen.Einbinden);
    const int Index = GetExportPunkteIndex(W);
    ErgebnisZeichen Zeichen;
    std::vector<HtmlZelle> Z1;
    Z1.reserve(Kopf.size());
    const ErgebnisRundenTabelle Ergebnisse(W, Folge, Runden);
    for (std::size_t i = 0; i < Folge.size(); ++i) {
        const TeilnehmerTyp* t = Folge[i];
        if (i % VorausBlock == 0) ZeilenVorausladen(Folge, i);
        const bool Geflogen = ErgebnisPlatz(t) > 0 || TeilnehmerGeflogen(W, t);
        Z1.clear();
        HtmlZelle p = T(ErgebnisPlatzText(t), "p");
        if (!Teil) p.Id = Gesamt(t->EdvNr);
        Z1.push_back(p);
        HtmlZelle n = T(HtmlName(t), "n");
        n.Id = Namen(t->EdvNr);
        Z1.push_back(n);
        const int Jug = t->PlatzNrFlyOffJugend != 0 ? t->PlatzNrFlyOffJugend : t->PlatzNrJugend;
        Z1.push_back(Z(Jug != 0 ? StrInt(Jug) : std::string()));
        Z1.push_back(T(t->Verein));
        if (MitVerband) Z1.push_back(T(t->Verband));
        for (int r = 1; r <= Runden; ++r) {
            const std::string z = PunktZuKomma(ErgebnisRundenText(Ergebnisse(i, r), &Zeichen));
            std::string Link;
            if (RundenLinks && !z.empty() && z != NichtGeflogenZeichen) {
                if (Optionen.Einbinden) {
                    for (const auto& s : Teile)
                        if (s->Runde == r)
                            if (const auto it = s->UnsererZuSeinem.find(t->EdvNr); it != s->UnsererZuSeinem.end())
                                Link = Anker.Ziel(KeyName(Prefix(r), it->second));
                } else {
                    Link = Ziele.Gruppe(r, t->Gruppe[r]);
                }
            }
            Z1.push_back(Z(z, Link));
        }
        Z1.push_back(Z(PunktZuKomma(ErgebnisSummenText(W, t, t->Punkte))));
        if (MitFlyOff) {
            double FlyOff = 0;
            Z1.push_back(Z(FlyOffSumme(W, t, false, FlyOff) ? HtmlZahl(FlyOff) : std::string()));
        }
        if (W->Teilwertung) {
            // The partial rating leads to the pilot's row of the overall
            // ranking when this page holds it.
            std::string Link;
            if (Teil) {
                if (Optionen.Links)
                    if (const auto it = Teil->SeinerZuUnserem.find(t->EdvNr); it != Teil->SeinerZuUnserem.end())
                        Link = Gesamt(it->second);
            } else if (Optionen.GesamtLinks) {
                Link = Gesamt(t->EdvNr);
            }
            Z1.push_back(Geflogen ? Z(PunktZuKomma(L_STR_Unblank(L_STR_DoubleToStr(t->ExportPunkte[Index], 1, 7, 2, 2))),
                                      Link)
                                  : Z(""));
        }
        HtmlTabellenZeile(L, Z1);
        HtmlWeitergeben(Doc);
    }
    HtmlTabelleEnde(L);
    HtmlLegende(L, HtmlLegendenZeilen(Zeichen));
}

// The score list of round r (its participants in the order of its groups).
void ExportWertung(WettbewerbTyp* Wett, const std::vector<GruppenPlatz>& Folge, SeitenZiele& Ziele,
                   PilotTexte& Piloten, int r, HtmlDokument& Doc) {
    HtmlZeilen& L = Doc.Lines;
    const int S = JudgeParameter(Wett);
    const int D = RundenParameter(Wett);
    const int J = GetAnzahlPunktrichter(Wett);
    const bool Refly = HtmlReflyInDurchgang(Wett, r);
    const RegelTyp* Regel = Wett->RegelPtr;
    // The rows with what they show of their entries, each entry looked up
    // once: its values go one after another into Werte, in the order of the
    // columns, and the rows take a few bytes, where a copy of the entry took
    // four cache lines (at contest size the rows then pushed the pilots'
    // texts out of the processor's cache).
    struct Reihe {
        TeilnehmerTyp* t;
        const WertungTyp* V; // the reflight entry, if any
        int Nr, g;
        int Strafpunkte;
        bool KannStreicherSein;
        double RohPunkte, Punkte;
    };
    std::vector<Reihe> Reihen;
    Reihen.reserve(Folge.size());
    const int Judge = std::min(J * S, MaxPunktrichter);
    std::vector<double> Werte;
    Werte.reserve(Folge.size() * static_cast<std::size_t>(Judge + D));
    bool Strafe = false;
    DurchgangTyp* Runde = const_cast<DurchgangTyp*>(DatenDurchgangSuchen(Wett, r));
    for (std::size_t i = 0; i < Folge.size(); ++i) {
        const auto [t, Nr, g] = Folge[i];
        if (i % VorausBlock == 0) EintraegeVorausladen(Folge, i, Runde);
        const WertungTyp& U = HtmlWertungOderLeer(Wett, r, Nr);
        if (U.Strafpunkte != 0) Strafe = true;
        if (g <= 0 && Wett->Gruppenstart) continue;
        Reihen.push_back({t, HtmlWertung(Wett, r, Nr, 1), Nr, g, U.Strafpunkte, U.KannStreicherSein,
                          U.RohPunkte, U.Punkte});
        for (int k = 1; k <= Judge; ++k) Werte.push_back(U.WertungPunktr[k]);
        for (int d = 1; d <= D; ++d) Werte.push_back(U.WertungDurchg[d]);
    }

    std::vector<HtmlZelle> Kopf = {T("Grp.", "p"), T("Teilnehmer", "n"), T("Jug."), T("Verein")};
    for (int s = 1; s <= J; ++s)
        for (int w = 1; w <= S; ++w) Kopf.push_back(Z(WertSpaltenKopf(Regel->ParameterPunktr.Bezeichner[w])));
    for (int d = 1; d <= D; ++d) Kopf.push_back(Z(WertSpaltenKopf(Regel->ParameterDurchg.Bezeichner[d])));
    Kopf.push_back(Z("Rohpunkte"));
    Kopf.push_back(Z("Ergebnis"));
    if (Refly) {
        for (int w = 1; w <= S; ++w) Kopf.push_back(Z(WertSpaltenKopf(Regel->ParameterPunktr.Bezeichner[w])));
        for (int d = 1; d <= D; ++d) Kopf.push_back(Z(WertSpaltenKopf(Regel->ParameterDurchg.Bezeichner[d])));
        Kopf.push_back(Z("Rohpunkte"));
        Kopf.push_back(Z("Reflight"));
    }
    if (Strafe) Kopf.push_back(Z("Strafpunkte"));

    // Typed values as the window and the printed list show them, with the decimal comma.
    const auto Wert = [Wett](double x, const auto& Bezeichner) { return PunktZuKomma(DispAllWertung(Wett, x, Bezeichner)); };
    L.push_back("<h2>" + HtmlText(GetDurchgangBezeichner(Wett, r, false, true)) + " – Wertungsliste</h2>");
    HtmlTabelleAnfang(L, Kopf);
    bool Erste = true;
    int Vorher = 0;
    std::vector<HtmlZelle> Z1;
    Z1.reserve(Kopf.size());
    const double* W = Werte.data();
    for (const Reihe& R : Reihen) {
        const PilotTexte::Texte& P = Piloten(R.t, R.Nr);
        const int g = R.g;
        const bool Neu = Erste || g != Vorher;
        Erste = false;
        Vorher = g;
        Z1.clear();
        Z1.push_back(T(g != 0 ? StrInt(g) : std::string(), "p"));
        Z1.push_back({P.Name, "n", {}, {}});
        Z1.push_back(T(P.Jugendlich ? "j" : ""));
        Z1.push_back({P.Verein, {}, {}, {}});
        const Reihe& U = R;
        const WertungTyp* V = R.V;
        const std::string& NameAnker = P.Anker;
        for (int s = 1; s <= J; ++s)
            for (int w = 1; w <= S; ++w) {
                const int i = (s - 1) * S + w;
                Z1.push_back(Z(i > MaxPunktrichter ? std::string()
                                                   : Wert(*W++, Regel->ParameterPunktr.Bezeichner[w])));
            }
        for (int d = 1; d <= D; ++d) Z1.push_back(Z(Wert(*W++, Regel->ParameterDurchg.Bezeichner[d])));
        if (V && V->ReflyVerursacher)
            Z1.push_back(T("Antrag Reflight"));
        else
            Z1.push_back(Z(HtmlZahl(U.RohPunkte)));
        std::string p = V ? std::string() : HtmlZahl(U.Punkte - U.Strafpunkte);
        if (!U.KannStreicherSein) p = "!" + p;
        Z1.push_back(Z(p, V ? std::string() : NameAnker));
        if (Refly) {
            for (int w = 1; w <= S; ++w)
                Z1.push_back(Z(V ? Wert(V->WertungPunktr[w], Regel->ParameterPunktr.Bezeichner[w])
                                 : std::string()));
            for (int d = 1; d <= D; ++d)
                Z1.push_back(Z(V ? Wert(V->WertungDurchg[d], Regel->ParameterDurchg.Bezeichner[d])
                                 : std::string()));
            Z1.push_back(Z(V ? HtmlZahl(V->RohPunkte) : std::string()));
            Z1.push_back(Z(V ? HtmlZahl(V->ErgebnisPunkte - U.Strafpunkte) : std::string(), V ? NameAnker : std::string()));
        }
        if (Strafe) Z1.push_back(Z(U.Strafpunkte != 0 ? StrInt(U.Strafpunkte) : std::string()));
        HtmlTabellenZeile(L, Z1, Neu ? Ziele.Gruppe(r, g) : std::string_view(), Neu ? "neu" : "");
        HtmlWeitergeben(Doc);
    }
    HtmlTabelleEnde(L);
}

// The groups of round r that the score list shows, each given its anchor.
void GruppenAnkerVergeben(WettbewerbTyp* Wett, const std::vector<GruppenPlatz>& Folge, NummernZiele& Gruppen,
                          int r) {
    bool Erste = true;
    int Vorher = 0;
    for (const auto& [t, Nr, g] : Folge) {
        if (g <= 0 && Wett->Gruppenstart) continue;
        // Each group once, where the list first shows it; its members mostly
        // follow one another and are passed without a look at the anchors.
        if (!Erste && g == Vorher) continue;
        Erste = false;
        Vorher = g;
        Gruppen.Vergeben(g, MakeLinkName(Wett, t, r, g, false, false, true, true, false, true, true));
    }
}

} // namespace

bool HatFlyOff(const WettbewerbTyp* Wett, bool NurJugend) {
    for (int r = 1; r <= HtmlRunden(Wett); ++r)
        if (DurchgangIstFlyOffJugend(Wett, r) != 0 || (!NurJugend && DurchgangIstFlyOff(Wett, r) != 0)) return true;
    return false;
}

bool FlyOffSumme(const WettbewerbTyp* Wett, const TeilnehmerTyp* t, bool NurJugend, double& Summe) {
    if (!Wett || !t) return false;
    // A finalist is seated in a group of the fly-off rounds of his kind.
    bool Senior = false, Junior = false;
    for (int r = 1; r <= HtmlRunden(Wett); ++r) {
        if (t->Gruppe[r] <= 0) continue;
        if (DurchgangIstFlyOffJugend(Wett, r) != 0) Junior = true;
        else if (DurchgangIstFlyOff(Wett, r) != 0) Senior = true;
    }
    if (!NurJugend && Senior) {
        Summe = t->PunkteEndrunde;
        return true;
    }
    if (Junior) {
        Summe = t->PunkteEndrundeJugend;
        return true;
    }
    return false;
}

std::string HtmlRundenTitel(const WettbewerbTyp* Wett, const HtmlErgebnisOptionen& Optionen, int r) {
    if (r >= 1 && r <= static_cast<int>(Optionen.Importe.size()) && !Optionen.Importe[r - 1].WettName.empty())
        return Optionen.Importe[r - 1].WettName;
    return ErgebnisRundenTitel(Wett, r);
}

int HtmlRunden(const WettbewerbTyp* Wett) { return Wett ? Begrenzt(Wett->AnzDurchgaenge, MaxDurchgaenge) : 0; }
int HtmlVorrunden(const WettbewerbTyp* Wett) { return Wett ? Begrenzt(Wett->AnzVorrunden, MaxDurchgaenge) : 0; }

const WertungTyp* HtmlWertung(const WettbewerbTyp* Wett, int Nr, int EdvNr, int ReflyOrder) {
    const DurchgangTyp* d = DatenDurchgangSuchen(Wett, Nr);
    return d ? DatenWertungGetPtr(const_cast<DurchgangTyp*>(d), EdvNr, ReflyOrder) : nullptr;
}

const WertungTyp& HtmlWertungOderLeer(const WettbewerbTyp* Wett, int Nr, int EdvNr) {
    static const WertungTyp Leer{};
    const WertungTyp* w = HtmlWertung(Wett, Nr, EdvNr, 0);
    return w ? *w : Leer;
}

bool HtmlReflyInDurchgang(const WettbewerbTyp* Wett, int Nr) {
    const DurchgangTyp* d = DatenDurchgangSuchen(Wett, Nr);
    for (const GruppeTyp* g = d ? d->GruppePtr : nullptr; g; g = g->next)
        if (g->ReflyOrder >= 1) return g->WertungPtr != nullptr;
    return false;
}

void HtmlErgebnisRumpf(WettbewerbTyp* Wett, const HtmlErgebnisOptionen& Optionen, HtmlDokument& Doc) {
    if (!Wett) return;
    HtmlAnker& Anker = Doc.Anker;
    // The rows of the overall list take their anchor names first, so that two
    // pilots of one name are told apart there and nowhere else.
    const std::vector<const TeilnehmerTyp*> Alle = ErgebnisFolge(Wett);
    Anker.Reservieren(Anker.Anzahl() + 2 * Alle.size() + (Optionen.Wertungslisten ? Alle.size() : 0));
    SeitenZiele Ziele(Anker, HtmlRunden(Wett));
    for (const TeilnehmerTyp* t : Alle) {
        Ziele.Gesamt.Vergeben(t->EdvNr, MakeLinkName(Wett, t, 0, 0, true, false, false, false, true, false, false));
        Ziele.Namen.Vergeben(t->EdvNr, MakeLinkName(Wett, t, 0, 0, false, true, false, true, true, false, false));
    }

    // The groups of the score lists take their anchor names next, round by
    // round, so that the overall list can link to them; the score lists
    // themselves follow it on the page.
    std::vector<std::vector<GruppenPlatz>> Folgen;
    if (Optionen.Wertungslisten) {
        // Each round's participants in the order of its groups; the
        // competition's own chain is left as it is.
        Folgen = GruppenFolgen(Wett, HtmlRunden(Wett));
        for (int r = 1; r <= HtmlRunden(Wett); ++r)
            GruppenAnkerVergeben(Wett, Folgen[static_cast<std::size_t>(r - 1)], Ziele.Gruppen[static_cast<std::size_t>(r)], r);
    }

    // The sub-competitions are read from their competition files and their
    // result lists built here like our own: nothing of another page is copied.
    std::vector<std::unique_ptr<Teilwettbewerb>> Teile;
    if (Optionen.Einbinden) {
        for (std::size_t i = 0; i < Optionen.Importe.size() && i < static_cast<std::size_t>(MaxDurchgaenge); ++i) {
            const std::string& Datei = Optionen.Importe[i].WtbDatei;
            if (Datei.empty()) continue;
            if (!Wett->WettbewerbFileNamen[0].empty() && DateienGleich(Datei, Wett->WettbewerbFileNamen[0])) continue;
            auto s = std::make_unique<Teilwettbewerb>();
            s->Runde = static_cast<int>(i) + 1;
            s->Wett = HtmlTeilwettbewerbLesen(Datei);
            if (!s->Wett) continue;
            for (const TeilnehmerZuordnungTyp& z : TeilnehmerZuordnen(Wett->TeilnehmerRootPtr, s->Wett->TeilnehmerRootPtr))
                if (z.Ziel) {
                    s->UnsererZuSeinem[z.Ziel->EdvNr] = z.Quelle->EdvNr;
                    s->SeinerZuUnserem[z.Quelle->EdvNr] = z.Ziel->EdvNr;
                }
            s->Folge = ErgebnisFolge(s->Wett);
            for (const TeilnehmerTyp* t : s->Folge)
                Anker.Vergeben(KeyName(Prefix(s->Runde), t->EdvNr),
                               MakeLinkName(s->Wett, t, 0, 0, false, true, false, true, true, false, false));
            Teile.push_back(std::move(s));
        }
    }

    ExportErgebnis(Wett, nullptr, Alle, Optionen, Ziele, Ziele.Namen, Teile, Doc);
    if (Optionen.Wertungslisten) {
        const int Alt = Wett->DurchgangNr;
        PilotTexte Piloten(Wett, Ziele.Namen, Optionen.Links);
        for (int r = 1; r <= HtmlRunden(Wett); ++r) {
            Wett->DurchgangNr = r;
            ExportWertung(Wett, Folgen[static_cast<std::size_t>(r - 1)], Ziele, Piloten, r, Doc);
        }
        Wett->DurchgangNr = Alt;
    }
    for (const auto& s : Teile) {
        NummernZiele SeineNamen(Anker, [r = s->Runde](int n) { return KeyName(Prefix(r), n); });
        ExportErgebnis(Wett, s.get(), s->Folge, Optionen, Ziele, SeineNamen, Teile, Doc);
    }
}

} // namespace tavuran
