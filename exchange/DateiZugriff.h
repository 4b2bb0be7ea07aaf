// Whole-file reading and safe replacing of files, with German reasons for
// every failure. Only regular files are read or replaced: a device, a FIFO or
// a socket is refused before a byte is read or written, and opening never
// waits for a writer. A file is never replaced by a half-written one: the new
// content is written completely and flushed under the file's own name in a
// working folder beside it (so the temporary name is never longer than the
// file's), and takes the place of the old file only then. When the previous
// version is to be kept as ".bak" and that fails, the file is not replaced.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tavuran {

// Larger files are refused by DateiLesen (a competition file has a few
// hundred lines).
inline constexpr std::uintmax_t DateiLesenMaxBytes = 512ull * 1024 * 1024;

// What identifies a file and its content at one moment: which file it is
// (device and inode, so that hard and symbolic links count as the same
// file), its size, its modification time and a checksum of its bytes.
struct DateiStand {
    bool Vorhanden = false;
    std::uint64_t Geraet = 0, Knoten = 0;
    std::uint64_t Groesse = 0;
    std::int64_t Zeit = 0;        // modification time in nanoseconds
    std::uint64_t Pruefsumme = 0; // of the bytes (FNV-1a, 64 bits)
};

// The checksum DateiStand keeps of a content; Weiter continues it over a
// further piece (InhaltPruefsumme(a + b) == InhaltPruefsummeWeiter(InhaltPruefsumme(a), b)).
std::uint64_t InhaltPruefsumme(std::string_view Bytes);
std::uint64_t InhaltPruefsummeWeiter(std::uint64_t Bisher, std::string_view Bytes);

// The reason of a failed file operation (an errno value) in German.
std::string DateiFehlerText(int Fehlernummer);

// Empty when Datei is a regular file or does not exist; otherwise why it is
// no file that may be read or replaced (a folder, a device, a FIFO, a socket).
std::string KeineGewoehnlicheDatei(const std::string& Datei);

// Reads the whole file. False with a reason when it cannot be read, is no
// regular file or is larger than DateiLesenMaxBytes. Stand (when given)
// describes the file the bytes came from.
bool DateiLesen(const std::string& Datei, std::string& Bytes, std::string& Grund, DateiStand* Stand = nullptr);

// The file's stand now (its content read and summed); Vorhanden false when
// it does not exist or cannot be read.
DateiStand DateiStandErmitteln(const std::string& Datei);
// True when Datei still holds what Stand describes: the same file with the
// same size and time, or else the same bytes. A file that is gone counts as
// unchanged only when Stand describes no file either.
bool DateiUnveraendert(const std::string& Datei, const DateiStand& Stand);

// Outcome of DateiErsetzen.
struct ErsetzErgebnis {
    bool Ok = false;
    std::string Grund;           // why not (German)
    bool SicherungFehlt = false; // the previous version could not be kept as BakDatei, so nothing was replaced
    DateiStand Stand;            // the new file, when Ok
};

// Replaces (or creates) Ziel with Bytes. When BakDatei is not empty and Ziel
// exists, the previous version becomes BakDatei first (an old BakDatei is
// replaced); when that fails, Ziel is left as it was (SicherungFehlt) unless
// OhneSicherung. Ziel must be a regular file or not exist. Working files of an
// earlier save of Ziel that was interrupted (this program's, whose writer is
// gone) are removed.
ErsetzErgebnis DateiErsetzen(const std::string& Ziel, std::string_view Bytes, const std::string& BakDatei,
                             bool OhneSicherung = false);
// The same with a content that is made while it is written: Inhalt hands it
// piece by piece to the function it is given, which returns false when a piece
// could not be written (Inhalt then stops and returns false). A long content
// is so never held whole. Nothing is replaced unless Inhalt returns true and
// every piece was written. OhnePruefsumme leaves Stand.Pruefsumme 0: a page
// that is only written for others to read need not be summed, which at many
// megabytes takes a fifth of the time of writing it.
using DateiInhalt = std::function<bool(const std::function<bool(std::string_view)>& Teil)>;
ErsetzErgebnis DateiErsetzenStueckweise(const std::string& Ziel, const DateiInhalt& Inhalt,
                                        const std::string& BakDatei, bool OhneSicherung = false,
                                        bool OhnePruefsumme = false);
// The same with the reason in Grund; Hinweis stays empty (kept for callers
// that show notes of a save).
bool DateiErsetzen(const std::string& Ziel, std::string_view Bytes, const std::string& BakDatei, std::string& Grund,
                   std::string& Hinweis);

// Copies a file completely (replacing b). False with a reason otherwise.
bool DateiKopieren(const std::string& a, const std::string& b, std::string& Grund);

// Whether two names designate the same file: the same device and inode when
// both exist (hard and symbolic links count), else the same full path.
bool DateienGleich(const std::string& a, const std::string& b);

// Empty when Ziel is none of the Eingaben (the files a command reads);
// otherwise the German reason why it must not be written.
std::string EingabeUeberschreibenGrund(const std::string& Ziel, std::initializer_list<std::string> Eingaben);

// The name of the working folder of an interrupted save (for tests): the
// folder beside the file that a writer of this program with process number
// Prozess on host Rechner used for its n-th attempt.
std::string ArbeitsOrdnerName(const std::string& Rechner, long Prozess, int n);

// The name of this computer as the program shows it.
std::string RechnerName();

} // namespace tavuran
