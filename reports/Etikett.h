// Labels: one per participant on sheets of equal labels. The format record
// (paper, non-printable margins, three label formats) with its defaults, its
// stored values, its texts and its checks; the distribution of participants
// over pages and the drawing of a page. Lengths are hundredths of a
// millimetre (21000 is 210 mm), factors thousandths (1000 is 1.0).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/DatenTypen.h"
#include "reports/DruckCanvas.h"

namespace tavuran {

struct AbmessungenTyp {
    int Breite = 0, Hoehe = 0;
    int LinkerRand = 0, ObererRand = 0;       // from the paper's edges to the first column and row
    int RechterAbstand = 0, UntererAbstand = 0; // gaps between labels
    int AnzahlSpalten = 1;                    // 1..6
};

struct SperrbereichTyp {
    int links = 0, rechts = 0, oben = 0, unten = 0;
};

struct FormatTyp {
    std::array<std::string, 3> Namen;
    std::array<AbmessungenTyp, 3> Abmessungen;
    int PapierBreite = 21000, PapierHoehe = 29700;
    int FaktorX = 1000, FaktorY = 1000;
    SperrbereichTyp Sperrbereich;
    int AktFormat = 0; // 0..2
};

// The options of the dialog (not stored).
struct EtikettOptionen {
    bool KanaeleKlein = true;               // "Kanäle kleiner drucken"
    bool StartnummernHervorheben = false;   // "Startnummern hervorheben"
};

// The defaults: three formats 46x21mm 4-reihig, 89x36mm 2-reihig, 89x48mm 1-reihig on A4.
FormatTyp EtikettFormatDefault();
// The tab captions from the formats ("46x21mm 4-reihig").
void EtikettFormatNamen(FormatTyp& Format);
// Reads the 30 stored values (a missing one keeps its value) and sets the names.
void EtikettFormatLesen(FormatTyp& Format);
void EtikettFormatSchreiben(const FormatTyp& Format);

// 4572 -> "45.72 mm".
std::string CnvMillimeterToString(int v);
// A length field ("45.72 mm", "4,572 cm", "45.72") in hundredths of a
// millimetre, rounded to the nearest hundredth, so that a shown value reads
// back unchanged. False for a text without a number.
bool CnvStringToMillimeter(std::string_view Text, int& v);
// A factor field ("1.0") in thousandths, rounded. False for a text without a number.
bool CnvStringToFaktor(std::string_view Text, int& v);
// What is wrong with the format in German (one line per fault), empty when it can be printed.
std::string EtikettFormatPruefen(const FormatTyp& Format);

// The texts of the dialog "Etiketten Drucken": paper, factors, margins and
// the label format on the selected tab.
struct EtikettFelder {
    int AktFormat = 0; // the selected tab, 0..2
    std::string PapierBreite, PapierHoehe, FaktorX, FaktorY;
    std::string SperrOben, SperrUnten, SperrLinks, SperrRechts;
    std::string Breite, Hoehe, LinkerRand, ObererRand, RechterAbstand, UntererAbstand;
    int AnzahlSpalten = 1; // the checked column button, 1..6
};

// A length field in hundredths of a millimetre, rounded. The number may carry
// a unit (mm, cm, dm, inch or Zoll, Zeilen of 1/6 inch); without one it counts
// in millimetres, the unit the dialog shows. False for a text that is no
// number or has a unit not known.
bool EtikettLaengeLesen(std::string_view Text, int& v);
// The texts that show Format with its format Format.AktFormat; a column
// count outside 1..5 shows as 6.
EtikettFelder EtikettFelderZeigen(const FormatTyp& Format);
// Reads the texts into Format: paper, factors, margins and the format of the
// selected tab (which becomes AktFormat); the other two formats stay. Returns
// what is wrong in German, one line per fault, and then leaves Format as it
// was; empty when the values were taken.
std::string EtikettFelderLesen(const EtikettFelder& Felder, FormatTyp& Format);

struct EtikettTyp {
    int ZeilenNr = 0, SpaltenNr = 0; // row and column on the sheet, from 0
    int EdvNr = 0;                   // the participant (for callers; drawing does not use it)
    std::string Jahr, WettbewerbName, TeilnehmerName, StartNr, Kanal;
};

struct EtikettSeiteTyp {
    int SeitenNr = 0;
    std::vector<EtikettTyp> Etiketten;
};

// Distributes the participants (order AktSort) over pages of the format
// Format.AktFormat. Without participants there is one empty page; a format
// that EtikettFormatPruefen rejects gives no page.
std::vector<EtikettSeiteTyp> MakeEtikettSeiten(WettbewerbTyp* Wett, const FormatTyp& Format, int AktSort);

// Draws a page onto a canvas of Breite x Hoehe pixels that stands for the
// printable area of the sheet; Preview adds the screen decorations.
void DrawEtikettImage(DruckCanvas& Canvas, int Breite, bool Preview, int Hoehe, const FormatTyp& Format,
                      const EtikettOptionen& Optionen, const EtikettSeiteTyp& Seite);

} // namespace tavuran
