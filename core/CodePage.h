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
// UTF-8 to the Windows-1252 bytes of a competition file line. A character the
// code page cannot hold is written as its numeric character reference ("ř"
// gives "&#345;"), and the "&" of a "&#" already in the text as "&#38;", so
// that CnvZeichenreferenzenLesen gives back exactly the text. Readers that
// know only Windows-1252 see the references as plain text. Only a byte that
// is no UTF-8 becomes "?" and sets `ersetzt`.
std::string CnvUtf8ToWindows1252Datei(std::string_view utf8, bool* ersetzt = nullptr);
// Whether a text holds anything CnvZeichenreferenzenLesen would change.
bool HatZeichenreferenz(std::string_view text);
// Replaces the references CnvUtf8ToWindows1252Datei writes ("&#38;" and those
// of characters outside Windows-1252) by their characters; every other text,
// a reference to a Windows-1252 character included, stays as it is.
std::string CnvZeichenreferenzenLesen(std::string_view text);
// Whether the bytes are well-formed UTF-8 that holds at least one character
// beyond ASCII and no C1 control: text that was written as UTF-8, not as
// Windows-1252 (whose letters almost never form such sequences).
bool IstUtf8Text(std::string_view bytes);
// Removes a UTF-8 byte-order mark or converts UTF-16 (LE/BE, with mark) to
// UTF-8. Returns true and sets `utf8` when the text had such a mark.
bool CnvBomTextToUtf8(std::string_view bytes, std::string& utf8);

// The eleven-character table of formats 1 and 2, on the bytes of a stored line.
std::string L_STR_CnvWindowsToDos(std::string_view s);
std::string L_STR_CnvDosToWindows(std::string_view s);

} // namespace tavuran
