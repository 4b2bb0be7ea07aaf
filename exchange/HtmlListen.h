// The short HTML lists: registrations grouped by team, the start lists of all
// preliminary rounds (clashes marked with a sign) and the team results. They
// share the frame and tables of the result list. Zeit is when the list was
// made ("TT.MM.JJJJ HH:MM"); empty means now. Each list's body can be built
// on its own for another frame.
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

// The bodies of the lists (the start lists rebuild the clash records; the
// current round is restored afterwards).
void TeamListRumpf(WettbewerbTyp* Wett, HtmlZeilen& L);
void StartListRumpf(WettbewerbTyp* Wett, HtmlZeilen& L);
void TeamErgebnisRumpf(WettbewerbTyp* Wett, HtmlZeilen& L);

// The whole pages.
HtmlDokument TeamListHtml(WettbewerbTyp* Wett, const std::string& Zeit);
HtmlDokument StartListHtml(WettbewerbTyp* Wett, const std::string& Zeit);
HtmlDokument TeamErgebnisHtml(WettbewerbTyp* Wett, const std::string& Zeit);

// Build and write; false with a German reason.
bool TeamListExportHtml(const std::string& FileNameStr, WettbewerbTyp* Wett, const std::string& Zeit,
                        std::string& Grund);
bool StartListExportHtml(const std::string& FileNameStr, WettbewerbTyp* Wett, const std::string& Zeit,
                         std::string& Grund);
bool TeamErgebnisExportHtml(const std::string& FileNameStr, WettbewerbTyp* Wett, const std::string& Zeit,
                            std::string& Grund);

} // namespace tavuran
