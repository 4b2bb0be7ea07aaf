// The live service of one competition: answers every request of a phone.
// It serves only the pages it knows (the lists, the entry pages, the script,
// the stream of changes); without a valid access code nothing is written, a
// submission goes into the journal and the inbox, never into the results.
// It runs on the thread that owns the competition; the server in netz/
// hands it each complete request and sends what it returns.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "live/HttpAnfrage.h"
#include "live/LiveJournal.h"
#include "live/LiveRegeln.h"
#include "live/LiveZugang.h"

namespace tavuran {

// The answer to a request the reader refused (400, 413, 414, 431, 501, 505).
HttpAntwort LiveAblehnung(int Status);

class LiveDienst {
  public:
    using Zeitpunkt = std::chrono::steady_clock::time_point;

    // The service of the competition saved as WettbewerbDatei (its codes and
    // journal lie beside it). False with a reason when they cannot be read.
    bool Oeffnen(WettbewerbTyp* Wett, const std::string& WettbewerbDatei, std::string& Grund);
    // The competition is gone or replaced: no pages, no entries until Oeffnen.
    void Schliessen();
    bool Offen() const { return Wett_ != nullptr; }

    // "nur Ergebnisse (keine Eingabe)": the entry pages are refused.
    void SetNurLesen(bool NurLesen) { NurLesen_ = NurLesen; }
    bool NurLesen() const { return NurLesen_; }

    // The competition changed: the pages are built anew and the open streams told.
    void Geaendert();
    long Stand() const { return Stand_; }
    // The codes or the journal changed on disk (renewed codes, a decision made elsewhere).
    bool ZugangNeuLesen(std::string& Grund);
    bool JournalNeuLesen(std::string& Grund);

    // Answers a complete request from the address.
    HttpAntwort Beantworten(const HttpAnfrage& Anfrage, const std::string& Adresse, Zeitpunkt Jetzt);
    // The event a stream gets for the current state.
    std::string Ereignis() const;

    // The scorer accepted submission Id in the window: its values are in the
    // competition but not yet in its file. It shows as accepted at once; the
    // journal records it only when the competition is saved (Gespeichert), so
    // that after a crash before the save it is pending again, not lost.
    bool AnnahmeVormerken(int Id, std::string& Grund);
    const std::vector<int>& Vorgemerkt() const { return Vorgemerkt_; }
    // The competition was saved as WettbewerbDatei. Under a new name its codes
    // and journal are copied beside the new file (the old file keeps its own,
    // so printed codes stay valid) and the service goes on with the new one;
    // then the acceptances noted since the last save go into the journal.
    // False with a reason when a copy or a record could not be written (the
    // acceptances not written stay noted for the next save).
    bool Gespeichert(const std::string& WettbewerbDatei, std::string& Grund);
    const std::string& Datei() const { return Datei_; }

    int TelefoneLetzteMinute(Zeitpunkt Jetzt) { return Zaehler_.TelefoneLetzteMinute(Jetzt); }
    const EingaengeTyp& Eingaenge() const { return Eingaenge_; }
    EingaengeTyp& Eingaenge() { return Eingaenge_; }
    const std::string& Journal() const { return Journal_; }
    const ZugangListeTyp& Zugang() const { return Zugang_; }

    // Told about every submission that went into the journal.
    std::function<void(const EingangTyp&)> NeuerEingang;

  private:
    HttpAntwort Eingabe(const HttpAnfrage& Anfrage, const std::string& Code, const std::string& Adresse,
                        Zeitpunkt Jetzt);
    WettbewerbTyp* Wett_ = nullptr;
    std::string Datei_, Journal_;
    ZugangListeTyp Zugang_;
    EingaengeTyp Eingaenge_;
    std::vector<int> Vorgemerkt_; // accepted in the window, not yet in the journal
    LiveZaehler Zaehler_;
    bool NurLesen_ = false;
    long Stand_ = 1;
    // Built pages of the current Stand by path, shared with the answers that
    // are still being sent.
    std::map<std::string, std::shared_ptr<std::string>> Seiten_;
    std::map<std::string, std::string> Frei_; // pages of an earlier Stand: memory for the next ones
};

} // namespace tavuran
