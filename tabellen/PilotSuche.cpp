#include "tabellen/PilotSuche.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_STR.h"

namespace tavuran {

namespace {

// Lower case for comparing: ASCII letters and the German capital umlauts.
std::string Klein(const std::string& s) {
    std::string t = s;
    for (std::size_t i = 0; i < t.size(); ++i) {
        char& c = t[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        } else if (static_cast<unsigned char>(c) == 0xC3 && i + 1 < t.size()) {
            // Ä Ö Ü (C3 84, C3 96, C3 9C) are ä ö ü (C3 A4, C3 B6, C3 BC).
            unsigned char& n = reinterpret_cast<unsigned char&>(t[i + 1]);
            if (n == 0x84 || n == 0x96 || n == 0x9C) n = static_cast<unsigned char>(n + 0x20);
            ++i;
        }
    }
    return t;
}

bool NurZiffern(const std::string& s) {
    return !s.empty() && s.size() <= 9 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The pilots a row stands for: its participant, or the members of its team
// (Teams: the first team of each number, as the sheet shows it).
std::vector<int> PilotenDerZeile(const std::unordered_map<int, const MannschaftTyp*>& Teams,
                                 const TabellenZeileTyp& z) {
    if (z.EdvNr != 0) return {z.EdvNr};
    std::vector<int> v;
    if (z.Art != ZeilenArt::Mannschaft) return v;
    const auto it = Teams.find(z.MannschaftNr);
    if (it == Teams.end()) return v;
    for (int j = 1; j <= MaxMannschaftMitglieder; ++j)
        if (it->second->TeilnehmerEdvNr[j] != 0) v.push_back(it->second->TeilnehmerEdvNr[j]);
    return v;
}

} // namespace

std::vector<int> PilotTreffer(const WettbewerbTyp* Wett, const TabelleTyp& Tabelle, const std::string& Text) {
    std::vector<int> treffer;
    const std::string text = Klein(L_STR_Unblank(Text));
    if (text.empty() || !Wett) return treffer;
    const bool nummer = NurZiffern(text);
    const int n = nummer ? std::atoi(text.c_str()) : 0;
    auto findet = [&](const TeilnehmerTyp& p) {
        if (nummer) return p.StartNr == n || p.MeldgNr == n;
        return Klein(CnvNameTypToNameStr(&p.Name, true)).find(text) != std::string::npos;
    };
    // The pilots and the teams by number, each found in one walk for all rows.
    const std::unordered_map<int, TeilnehmerTyp*> piloten =
        TeilnehmerNachEdvNr(const_cast<WettbewerbTyp*>(Wett));
    std::unordered_map<int, const MannschaftTyp*> teams;
    for (const MannschaftTyp* m = Wett->MannschaftRootPtr; m; m = m->next) teams.try_emplace(m->Nr, m);
    for (int r = 0; r < Tabelle.AnzahlZeilen(); ++r) {
        for (int edv : PilotenDerZeile(teams, Tabelle.Zeilen[static_cast<std::size_t>(r)])) {
            const auto p = piloten.find(edv);
            if (p != piloten.end() && findet(*p->second)) {
                treffer.push_back(r);
                break;
            }
        }
    }
    return treffer;
}

int NaechsterTreffer(const std::vector<int>& Treffer, int Zeile) {
    if (Treffer.empty()) return -1;
    const auto n = std::upper_bound(Treffer.begin(), Treffer.end(), Zeile);
    return n == Treffer.end() ? Treffer.front() : *n;
}

} // namespace tavuran
