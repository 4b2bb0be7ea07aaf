// The lock beside an open competition file: while a window holds a file, a
// small file next to it names the computer, the user and the process that
// hold it, so that a second window (or the command line) can say who has the
// file open. A lock whose process on this computer is gone is stale and is
// taken over.
#pragma once

#include <string>

namespace tavuran {

// Who holds a lock.
struct SperrInhaber {
    std::string Rechner, Benutzer, Seit;
    long Prozess = 0;
};

// The name of the lock file of a competition file: ".~", the file's name and
// ".sperre" in the same folder (shortened with a checksum where that would
// be longer than a file name may be).
std::string SperrDateiName(const std::string& Datei);

// The holder of the lock of Datei when the lock belongs to a process that
// may still run (on this computer: a living process; on another computer:
// always). False when there is no lock or only a stale one.
bool SperreFremd(const std::string& Datei, SperrInhaber& Inhaber);

// "Rechner „x“, Benutzer „y“, Prozess 123, seit 10.12.2026 12:47".
std::string SperrInhaberText(const SperrInhaber& Inhaber);

// A lock this process holds; released when the object goes.
class DateiSperre {
  public:
    DateiSperre() = default;
    ~DateiSperre();
    DateiSperre(const DateiSperre&) = delete;
    DateiSperre& operator=(const DateiSperre&) = delete;

    // Takes the lock of Datei (releasing one held before). Fails when
    // another living holder has it (Inhaber then names it) unless Uebernehmen;
    // a stale lock is taken over. A lock file that cannot be written (a
    // folder without write access) is no failure: the file is then held
    // without a lock and Gesperrt() is false.
    bool Nehmen(const std::string& Datei, SperrInhaber& Inhaber, bool Uebernehmen = false);
    // Removes the lock file when it is still this object's.
    void Freigeben();
    bool Gesperrt() const { return !sperrDatei_.empty(); }
    const std::string& Datei() const { return datei_; }

  private:
    std::string datei_, sperrDatei_, kennung_;
};

} // namespace tavuran
