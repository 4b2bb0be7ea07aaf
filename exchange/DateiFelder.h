// The pieces every line of a competition file is made of: key and value,
// quoted fields, numbers, switches and person names, and the conversion of a
// whole line between the text in memory (UTF-8) and the bytes of the file
// (Windows-1252, in formats 1 and 2 with the DOS bytes of eleven characters).
//
// Quoted fields: a field is written as 'text' with every quote of the text
// doubled, so "Mc'Fly's" is stored as 'Mc''Fly''s'. The reader takes a doubled
// quote inside a field as one quote and every other character, "%" included,
// as itself. Texts without a quote are written exactly as before.
#pragma once

#include <string>
#include <string_view>

#include "core/DatenTypen.h"

namespace tavuran {

// Format numbers of the competition file.
inline constexpr int DateiFormatMin = 1;
inline constexpr int DateiFormatMax = 3;

// ------------------------------------------------------------ line structure

struct ZeilenTeile {
    std::string_view Key;   // text before the first ":", blanks and tabs removed
    std::string_view Value; // text after the first ":", blanks and tabs removed
};
// Splits a line into key and value; a line without ":" is all key.
ZeilenTeile ZeileZerlegen(std::string_view Zeile);

// The key of a written line, padded with blanks so that the value starts in
// column 16 ("NAME:" gives "NAME:          "; keys of 14 characters get no blank).
std::string ZeilenPraefix(std::string_view Key);

// How the bytes of a line were taken.
enum class ZeilenKodierung {
    Ascii,       // nothing beyond ASCII: the same in every code page
    Utf8,        // well-formed UTF-8 (a line an editor wrote in UTF-8)
    Windows1252, // the file's code page (with the DOS bytes in formats 1 and 2)
};

// A line of the file (its bytes, without line end) as text in memory. Bytes
// that are well-formed UTF-8 beyond ASCII are taken as UTF-8, all others as
// the file's code page; the numeric character references of characters
// outside the code page ("&#345;") become their characters. The second form
// returns Bytes itself when no conversion is needed, else the converted text
// kept in Puffer; Art (when given) tells how the bytes were taken.
std::string ZeileAusDatei(std::string_view Bytes, int FormatNr);
std::string_view ZeileAusDatei(std::string_view Bytes, int FormatNr, std::string& Puffer,
                               ZeilenKodierung* Art = nullptr);
// A line of Unicode text (a file with a byte-order mark) with its character
// references read; Text itself when it holds none.
std::string_view ZeileAusUnicode(std::string_view Text, std::string& Puffer);
// A line in memory as the bytes of the file. Characters the code page cannot
// hold are written as numeric character references ("&#345;"), the "&" of a
// "&#" in the text as "&#38;"; only bytes that are no UTF-8 become "?" and set
// `Ersetzt`. A line break inside the text becomes a blank.
std::string ZeileFuerDatei(std::string_view Text, int FormatNr, bool& Ersetzt);
void ZeileFuerDateiAnhaengen(std::string& Ziel, std::string_view Text, int FormatNr, bool& Ersetzt);

// ------------------------------------------------------------------- fields

// The first field of Rest (up to the first comma outside quotes, quoting
// toggled at every quote) as it stands in the line; Rest keeps what follows
// that comma (empty when there is none).
std::string_view FeldAbtrennen(std::string_view& Rest);
// The content of a quoted field: the text after its first quote up to the
// closing quote, a doubled quote standing for one quote. A field shorter than
// three characters, or without an opening and a closing quote, is empty.
std::string FeldInhalt(std::string_view Feld);

// Takes the first field of Rest, shortens Rest, and returns the field's content.
std::string SpalteErstenWertAusZeileAb(std::string& Rest);
std::string SpalteErstenWertAusZeileAb(std::string_view& Rest);
// The same without a string of its own: the content as a view into Rest, or
// into Puffer when the field holds a doubled quote.
std::string_view SpalteErstenWertAnsicht(std::string_view& Rest, std::string& Puffer);
// The same for the unquoted field lists of formats 1 and 2: a quoted field
// gives its content, an unquoted one its text without surrounding blanks.
std::string SpalteErstenRohwertAusZeileAb(std::string_view& Rest);

// 'Text' with every quote doubled.
std::string InKommas(std::string_view Text);
void InKommasAnhaengen(std::string& Ziel, std::string_view Text);
// Text in quotes (as InKommas) for format 3, the plain text for formats 1 and 2.
std::string SetIntoInvertetKommaIfNewFormat(std::string_view Text, int FormatNr);

// ------------------------------------------------------------------ numbers

// A real as written in the file: at most `Decimals` decimals, trailing zeros
// removed. A value whose text does not fit `MaxWidth` characters is written in
// full rather than lost; a value that is not a number is written as 0.
std::string DateiReal(double x, int MaxWidth, int Decimals);
// Widths and decimals of the three kinds of real.
inline std::string ParameterReal(double x) { return DateiReal(x, 7, 5); }
inline std::string WertungsReal(double x) { return DateiReal(x, 7, 2); }
inline std::string ErgebnisReal(double x) { return DateiReal(x, 10, 4); }

// The leading integer of a field text, 0 when none.
int DateiInteger(std::string_view Text);
// The leading number of a field text (a comma reads as a decimal point); 0 when
// there is none or it is not a finite number.
double DateiDouble(std::string_view Text);
// Switch "1"/"0": true when the text contains the character 1 anywhere.
bool DateiSchalter10(std::string_view Text);

// ------------------------------------------------------------------- persons

// Line followed by the person and a comma: format 3 three quoted fields
// (surname, first name, title), formats 1 and 2 one quoted field with surname,
// first name and title joined by blanks.
std::string InsertName(const NameTyp& n, std::string Line, int FormatNr);
// Reads a person: format 3 the first three fields (surname, first name, title);
// formats 1 and 2 one text of words, surname first when FormatTeilnehmer, else
// title, first name, surname (two words are first name and surname, one word
// is a surname). A surname "de" takes the next word into the surname.
void NameDatenParseTitelVorNachname(NameTyp* NamePtr, std::string_view zeile, int FormatNr, bool FormatTeilnehmer);

// The format number of a header line's key ("... Format 3.0" gives 3; no
// "Format" gives 1).
int GetFileFormatNr(std::string_view Key);

} // namespace tavuran
