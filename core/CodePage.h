// Conversions at the file boundary: UTF-8 in memory, Windows-1252 in files, and
// the eleven characters whose bytes differ in the DOS code page of the old
// competition file formats 1 and 2.
#pragma once

#include <string>
#include <string_view>

namespace tavuran {

// Windows-1252 bytes to UTF-8 (every byte has a character; the five unassigned
// bytes map to the C1 control of the same number).
std::string CnvWindows1252ToUtf8(std::string_view bytes);
// UTF-8 to Windows-1252; characters the code page cannot hold become '?'.
// `ersetzt` (if given) is set to true when any character was replaced.
std::string CnvUtf8ToWindows1252(std::string_view utf8, bool* ersetzt = nullptr);
// UTF-8 to Windows-1252 for an HTML page: characters the code page cannot hold
// become numeric character references ("Ł" gives "&#321;").
std::string CnvUtf8ToWindows1252Html(std::string_view utf8);
// Removes a UTF-8 byte-order mark or converts UTF-16 (LE/BE, with mark) to
// UTF-8. Returns true and sets `utf8` when the text had such a mark.
bool CnvBomTextToUtf8(std::string_view bytes, std::string& utf8);

// The eleven-character table of formats 1 and 2, on the bytes of a stored line.
std::string L_STR_CnvWindowsToDos(std::string_view s);
std::string L_STR_CnvDosToWindows(std::string_view s);

} // namespace tavuran
