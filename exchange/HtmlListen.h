// The short HTML lists: registrations grouped by team, the start lists of all
// preliminary rounds (clashes marked red) and the team results. They share the
// frame and rows of the result list. Stand is the date of the list
// ("TT.MM.JJJJ"); empty means today.
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "exchange/HtmlExport.h"

namespace tavuran {

// A team and its members for the registration list (and the start sheets);
// MannschaftPtr nil stands for the participants without team.
struct TeamTyp {
    MannschaftTyp* MannschaftPtr = nullptr;
    std::vector<TeilnehmerTyp*> Teilnehmer;
};

// The teams in order of their names (equal names in the order of the
// competition's team list), members from the last slot to the first, and in
// front of them the participants in no team (last registered first), when
// there are any.
std::vector<TeamTyp> InitTeamList(WettbewerbTyp* Wett);

HtmlDokument TeamListHtml(WettbewerbTyp* Wett, const std::string& Stand);
// Rebuilds the clash records; the current round is restored afterwards.
HtmlDokument StartListHtml(WettbewerbTyp* Wett, const std::string& Stand);
HtmlDokument TeamErgebnisHtml(WettbewerbTyp* Wett);

// Build and write; false with a German reason.
bool TeamListExportHtml(const std::string& FileNameStr, WettbewerbTyp* Wett, const std::string& Stand,
                        std::string& Grund);
bool StartListExportHtml(const std::string& FileNameStr, WettbewerbTyp* Wett, const std::string& Stand,
                         std::string& Grund);
bool TeamErgebnisExportHtml(const std::string& FileNameStr, WettbewerbTyp* Wett, std::string& Grund);

} // namespace tavuran
