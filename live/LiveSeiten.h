// The live pages: the lists of the HTML export served as UTF-8 pages for a
// phone, with a small script that fetches the page again when the
// competition changed (server-sent events), and the pages of entry by phone.
// The lists themselves come from the export's builders; this unit only
// frames them. Every text from the competition or a phone is escaped.
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "exchange/HtmlExport.h"
#include "live/LiveEingabe.h"
#include "live/LiveJournal.h"

namespace tavuran {

// The script of the live pages (served as /live.js).
extern const char* const LiveSkript;

// The pages a list can be shown as: "/ergebnis", "/wertungen" (with the score
// lists of every round), "/start", "/team".
struct LiveListeTyp {
    std::string Pfad;
    std::string Titel;
};
std::vector<LiveListeTyp> LiveListen(const WettbewerbTyp* Wett);

// The list of a path (see LiveListen) as a live page: the export's list in
// UTF-8, at the phone's width, with the navigation between the lists, the
// current round named and the script that follows changes; Stand is the
// competition's version the page shows. The page is made into Seite while
// the list is made, so that the list is not held a second time as lines;
// Seite is emptied first, and the memory it holds is used again. False, and
// Seite empty, when the path names no list.
bool LiveListenSeite(WettbewerbTyp* Wett, const std::string& Pfad, long Stand, std::string& Seite);

// The start page: the competition and the links to its lists.
std::string LiveStartSeite(const WettbewerbTyp* Wett, long Stand);

// The entry page of a flight: pilot, start number, round, group, one input
// per value column, the message of the last submission (Meldung, escaped here;
// Fehler shows it as a refusal) and the submissions of this flight with
// their state.
std::string LiveEingabeSeite(const LiveFlugTyp& Flug, const std::string& Code, const std::vector<std::string>& Werte,
                             const std::string& Meldung, bool Fehler, const std::vector<const EingangTyp*>& Eingaenge);

// A short page with a title and a message (refusals, errors).
std::string LiveMeldungsSeite(const std::string& Titel, const std::string& Text);

// An SVG image of a QR code of the text (empty without the QR library).
std::string LiveQrSvg(const std::string& Text, int Modul = 4);

} // namespace tavuran
