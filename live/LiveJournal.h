// The journal of the submissions from phones and the inbox it describes.
//
// Every submission is appended to the journal beside the competition file
// (its name with ".eingaenge" appended) and synced to disk before the phone
// gets its answer; the scorer's decisions are appended the same way. Nothing
// is ever rewritten, so a crash loses at most a record that was being
// written, and the submissions still pending reappear at the next start.
//
// Record lines (UTF-8, LF, fields separated by TAB; "\" TAB CR LF in a field
// written as "\\" "\t" "\r" "\n"):
//   "E" id time round EdvNr address value...   a submission
//   "A" id time                                 accepted by the scorer
//   "R" id time reason                          rejected, with the reason the phone sees
// A line that does not read as one of these (a torn last line after a crash)
// is skipped and counted.
#pragma once

#include <string>
#include <vector>

namespace tavuran {

enum class EingangStatus { Offen, Angenommen, Abgelehnt, Ersetzt };

struct EingangTyp {
    int Id = 0;
    std::string Zeit; // "JJJJ-MM-TT hh:mm:ss", local time of the laptop
    int Durchgang = 0;
    int EdvNr = 0;
    std::string Adresse; // the sender's network address
    std::vector<std::string> Werte; // as typed on the phone, in the order of the rule's value columns
    EingangStatus Status = EingangStatus::Offen;
    std::string Grund; // of a rejection
    // The earlier submission for the same flight that this one corrects (the
    // latest one not rejected), 0 when it is the first.
    int Vorgaenger = 0;
};

struct EingaengeTyp {
    std::vector<EingangTyp> Liste; // in the order of arrival
    int Beschaedigt = 0;           // lines of the journal that could not be read
};

std::string EingangJournalName(const std::string& WettbewerbDatei);

// The local time as the journal writes it.
std::string EingangZeitJetzt();

// Reads the journal; a missing journal is an empty inbox. False with a reason
// when it exists but cannot be read.
bool EingaengeLesen(const std::string& Journal, EingaengeTyp& Eingaenge, std::string& Grund);

// Appends a submission (its Id is given here, its state is pending) and syncs
// the journal to disk; only then is it in Eingaenge. False with a reason when
// it could not be written: the phone is then told that it did not arrive.
bool EingangMelden(const std::string& Journal, EingaengeTyp& Eingaenge, EingangTyp& Neu, std::string& Grund);

// The scorer's decisions, written and synced the same way. A submission that
// is accepted makes earlier pending ones for the same flight "ersetzt"; one
// already accepted cannot be rejected (its values are in the competition).
bool EingangAngenommenVermerken(const std::string& Journal, EingaengeTyp& Eingaenge, int Id, std::string& Grund);
bool EingangAbgelehntVermerken(const std::string& Journal, EingaengeTyp& Eingaenge, int Id,
                               const std::string& Ablehnung, std::string& Grund);
// The two halves of an acceptance: the state in the inbox, and the record in
// the journal. The window sets the state when the values go into the
// competition and writes the record only once the competition is saved, so
// that a crash in between leaves the submission pending, not lost.
bool EingangAngenommenSetzen(EingaengeTyp& Eingaenge, int Id, std::string& Grund);
bool EingangAnnahmeSchreiben(const std::string& Journal, int Id, std::string& Grund);

EingangTyp* EingangVon(EingaengeTyp& Eingaenge, int Id);
const EingangTyp* EingangVon(const EingaengeTyp& Eingaenge, int Id);

// "offen", "angenommen", "abgelehnt: <reason>", "ersetzt".
std::string EingangStatusText(const EingangTyp& Eingang);

// The pending submissions that "alle gültigen annehmen" takes: those that
// correct no earlier one and have no later pending one for the same flight.
// Corrections wait for the scorer one by one.
std::vector<int> EingaengeOhneKorrektur(const EingaengeTyp& Eingaenge);

} // namespace tavuran
