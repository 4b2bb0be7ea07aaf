// Whole-file reading and safe replacing of files, with German reasons for
// every failure. A file is never replaced by a half-written one: the new
// content goes to a temporary file in the same folder, which takes the place
// of the old file only after it has been written completely and flushed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavuran {

// Larger files are refused by DateiLesen (a competition file has a few
// hundred lines).
inline constexpr std::uintmax_t DateiLesenMaxBytes = 512ull * 1024 * 1024;

// The reason of a failed file operation (an errno value) in German.
std::string DateiFehlerText(int Fehlernummer);

// Reads the whole file. False with a reason when it cannot be read.
bool DateiLesen(const std::string& Datei, std::string& Bytes, std::string& Grund);

// Replaces (or creates) Ziel with Bytes. When BakDatei is not empty and Ziel
// exists, Ziel is first copied to BakDatei (an old BakDatei is removed);
// when that copy fails the replacing goes on and Hinweis says so. False with a
// reason when the new content could not be put in place; Ziel is then as it was.
bool DateiErsetzen(const std::string& Ziel, std::string_view Bytes, const std::string& BakDatei, std::string& Grund,
                   std::string& Hinweis);

// Copies a file completely (replacing b). False with a reason otherwise.
bool DateiKopieren(const std::string& a, const std::string& b, std::string& Grund);

// Compares two names of files by the files they designate (also when one does not exist yet).
bool DateienGleich(const std::string& a, const std::string& b);

} // namespace tavuran
