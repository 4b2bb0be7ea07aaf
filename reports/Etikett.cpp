#include "reports/Etikett.h"

#include <cmath>

#include "core/Dezimalkomma.h"
#include "core/DatenTeilnehmer.h"
#include "core/L_CALEND.h"
#include "core/L_REGIST.h"
#include "core/L_STR.h"
#include "core/MinMax.h"
#include "evaluation/Sortierung.h"
#include "startorder/Kanal.h"

namespace tavuran {

namespace {

// Lengths above 5 m are no label sheet; they would only overflow the arithmetic.
constexpr int MaxLaenge = 500000;
constexpr int MaxFaktor = 10000;

bool HatZiffer(std::string_view t) {
    for (char c : t)
        if (c >= '0' && c <= '9') return true;
    return false;
}

int Px(long long Groesse, long long Wert, long long Bereich) { return static_cast<int>(Groesse * Wert / Bereich); }

} // namespace

FormatTyp EtikettFormatDefault() {
    FormatTyp f;
    f.Abmessungen[0] = {4572, 2117, 990, 2141, 254, 0, 4};
    f.Abmessungen[1] = {8890, 3570, 700, 120, 762, 240, 2};
    f.Abmessungen[2] = {8890, 4840, 700, 120, 762, 240, 1};
    f.PapierBreite = 21000;
    f.PapierHoehe = 29700;
    f.FaktorX = f.FaktorY = 1000;
    f.Sperrbereich = {650, 600, 390, 610};
    f.AktFormat = 0;
    EtikettFormatNamen(f);
    return f;
}

void EtikettFormatNamen(FormatTyp& Format) {
    for (int i = 0; i < 3; ++i) {
        const AbmessungenTyp& a = Format.Abmessungen[i];
        Format.Namen[i] = StrInt((static_cast<long long>(a.Breite) + 50) / 100) + "x" +
                          StrInt((static_cast<long long>(a.Hoehe) + 50) / 100) + "mm " + StrInt(a.AnzahlSpalten) +
                          "-reihig";
    }
}

namespace {

template <class F>
void JederWert(FormatTyp& f, F&& tu) {
    tu("AktFormatIndex", f.AktFormat);
    tu("PapierBreite", f.PapierBreite);
    tu("PapierHoehe", f.PapierHoehe);
    tu("FaktorX", f.FaktorX);
    tu("FaktorY", f.FaktorY);
    tu("SperrbereichLinks", f.Sperrbereich.links);
    tu("SperrbereichRechts", f.Sperrbereich.rechts);
    tu("SperrbereichOben", f.Sperrbereich.oben);
    tu("SperrbereichUnten", f.Sperrbereich.unten);
    for (int i = 0; i < 3; ++i) {
        const std::string e = "Etikett" + StrInt(i + 1);
        AbmessungenTyp& a = f.Abmessungen[i];
        tu(e + "Breite", a.Breite);
        tu(e + "Hoehe", a.Hoehe);
        tu(e + "LinkerRand", a.LinkerRand);
        tu(e + "ObererRand", a.ObererRand);
        tu(e + "RechterAbstand", a.RechterAbstand);
        tu(e + "UntererAbstand", a.UntererAbstand);
        tu(e + "AnzahlReihen", a.AnzahlSpalten);
    }
}

} // namespace

void EtikettFormatLesen(FormatTyp& Format) {
    JederWert(Format, [](const std::string& Name, int& Wert) {
        const int v = L_REGIST_GetIntegerValue(Name, "");
        if (v != L_REGIST_Fehlt) Wert = v;
    });
    Format.AktFormat = LimitLowHighInt(Format.AktFormat, 0, 2);
    EtikettFormatNamen(Format);
}

void EtikettFormatSchreiben(const FormatTyp& Format) {
    FormatTyp f = Format;
    JederWert(f, [](const std::string& Name, int& Wert) { L_REGIST_SetIntegerValue(Name, "", Wert); });
}

std::string CnvMillimeterToString(int v) {
    const long long a = v < 0 ? -static_cast<long long>(v) : v;
    return std::string(v < 0 ? "-" : "") + StrInt(a / 100) + "." + L_STR_FillLeftWithO(StrInt(a % 100), 2) + " mm";
}

bool CnvStringToMillimeter(std::string_view Text, int& v) {
    if (!HatZiffer(Text)) return false;
    const double cm = L_STR_CnvStrToRealCm(Text);
    const double h = std::round(cm * 1000);
    if (!(h > -2e9 && h < 2e9)) return false;
    v = static_cast<int>(h);
    return true;
}

bool CnvStringToFaktor(std::string_view Text, int& v) {
    if (!HatZiffer(Text)) return false;
    const double h = std::round(L_STR_CnvStrToDouble(Text) * 1000);
    if (!(h > -2e9 && h < 2e9)) return false;
    v = static_cast<int>(h);
    return true;
}

std::string EtikettFormatPruefen(const FormatTyp& f) {
    std::string fehler;
    auto zeile = [&](const std::string& t) { fehler += t + "\n"; };
    const int ak = f.AktFormat;
    if (ak < 0 || ak > 2) {
        zeile("Es ist kein Etikettenformat gewählt.");
        return fehler;
    }
    const AbmessungenTyp& a = f.Abmessungen[ak];
    struct Laenge {
        const char* Name;
        int Wert;
    };
    const Laenge laengen[] = {{"Papierbreite", f.PapierBreite},
                              {"Papierhöhe", f.PapierHoehe},
                              {"nicht bedruckbarer Rand oben", f.Sperrbereich.oben},
                              {"nicht bedruckbarer Rand unten", f.Sperrbereich.unten},
                              {"nicht bedruckbarer Rand links", f.Sperrbereich.links},
                              {"nicht bedruckbarer Rand rechts", f.Sperrbereich.rechts},
                              {"Breite", a.Breite},
                              {"Höhe", a.Hoehe},
                              {"Linker Rand", a.LinkerRand},
                              {"Oberer Rand", a.ObererRand},
                              {"Rechter Abstand", a.RechterAbstand},
                              {"Unterer Abstand", a.UntererAbstand}};
    for (const Laenge& l : laengen) {
        if (l.Wert < 0) zeile(std::string(l.Name) + ": eine Länge darf nicht negativ sein.");
        else if (l.Wert > MaxLaenge) zeile(std::string(l.Name) + ": höchstens " + CnvMillimeterToString(MaxLaenge) + ".");
    }
    if (a.Breite == 0) zeile("Die Breite des Etiketts muss größer als 0 sein.");
    if (a.Hoehe == 0) zeile("Die Höhe des Etiketts muss größer als 0 sein.");
    if (f.PapierBreite - f.Sperrbereich.links - f.Sperrbereich.rechts <= 0)
        zeile("Die Papierbreite muss größer als die nicht bedruckbaren Ränder links und rechts sein.");
    if (f.PapierHoehe - f.Sperrbereich.oben - f.Sperrbereich.unten <= 0)
        zeile("Die Papierhöhe muss größer als die nicht bedruckbaren Ränder oben und unten sein.");
    if (f.FaktorX <= 0 || f.FaktorX > MaxFaktor) zeile("Der Breitenfaktor muss größer als 0 und höchstens 10 sein.");
    if (f.FaktorY <= 0 || f.FaktorY > MaxFaktor) zeile("Der Höhenfaktor muss größer als 0 und höchstens 10 sein.");
    if (a.AnzahlSpalten < 1 || a.AnzahlSpalten > 6) zeile("Die Anzahl der Spalten muss zwischen 1 und 6 liegen.");
    return fehler;
}

namespace {

// The text with "," as decimal point read as ".", without blanks around it.
std::string Zahltext(std::string_view Text) {
    std::string t = L_STR_Unblank(Text);
    for (char& c : t)
        if (c == ',') c = '.';
    return t;
}

bool EinheitBekannt(const std::string& e) {
    static const char* const bekannt[] = {"MM", "CM", "DM", "INCH", "ZOLL", "\"", "I", "Z", "ZG", "ZEILE", "ZEILEN"};
    for (const char* b : bekannt)
        if (e == b) return true;
    return false;
}

} // namespace

bool EtikettLaengeLesen(std::string_view Text, int& v) {
    const std::string t = Zahltext(Text);
    if (L_STR_GetFirstNumber(t).empty()) return false;
    const std::string einheit = L_STR_Upcase(L_STR_Unblank(L_STR_GetStrAfterFirstNumber(t)));
    if (einheit.empty()) return CnvStringToMillimeter(t + " mm", v);
    if (!EinheitBekannt(einheit)) return false;
    return CnvStringToMillimeter(t, v);
}

EtikettFelder EtikettFelderZeigen(const FormatTyp& f) {
    EtikettFelder t;
    t.AktFormat = LimitLowHighInt(f.AktFormat, 0, 2);
    const AbmessungenTyp& a = f.Abmessungen[t.AktFormat];
    // The fields show the decimal comma; both separators are read back.
    const auto Mm = [](int v) { return PunktZuKomma(CnvMillimeterToString(v)); };
    const auto faktor = [](int v) { return PunktZuKomma(L_STR_DoubleToStr(v * 0.001L, 4, 6, 1, 3)); };
    t.PapierBreite = Mm(f.PapierBreite);
    t.PapierHoehe = Mm(f.PapierHoehe);
    t.FaktorX = faktor(f.FaktorX);
    t.FaktorY = faktor(f.FaktorY);
    t.SperrOben = Mm(f.Sperrbereich.oben);
    t.SperrUnten = Mm(f.Sperrbereich.unten);
    t.SperrLinks = Mm(f.Sperrbereich.links);
    t.SperrRechts = Mm(f.Sperrbereich.rechts);
    t.Breite = Mm(a.Breite);
    t.Hoehe = Mm(a.Hoehe);
    t.LinkerRand = Mm(a.LinkerRand);
    t.ObererRand = Mm(a.ObererRand);
    t.RechterAbstand = Mm(a.RechterAbstand);
    t.UntererAbstand = Mm(a.UntererAbstand);
    t.AnzahlSpalten = a.AnzahlSpalten >= 1 && a.AnzahlSpalten <= 5 ? a.AnzahlSpalten : 6;
    return t;
}

std::string EtikettFelderLesen(const EtikettFelder& t, FormatTyp& Format) {
    if (t.AktFormat < 0 || t.AktFormat > 2) return "Es ist kein Etikettenformat gewählt.\n";
    FormatTyp f = Format;
    f.AktFormat = t.AktFormat;
    AbmessungenTyp& a = f.Abmessungen[f.AktFormat];
    std::string fehler;
    const auto falsch = [&](const char* Name, const std::string& Text, const char* Was) {
        const std::string t = L_STR_Unblank(Text);
        fehler += std::string(Name) + (t.empty() ? ": es ist kein Wert eingetragen." : ": „" + t + "“ ist " + Was + ".") +
                  "\n";
    };
    const auto laenge = [&](const char* Name, const std::string& Text, int& Ziel) {
        if (!EtikettLaengeLesen(Text, Ziel)) falsch(Name, Text, "keine Länge");
    };
    const auto faktor = [&](const char* Name, const std::string& Text, int& Ziel) {
        const std::string z = Zahltext(Text);
        if (L_STR_GetFirstNumber(z).empty() || !L_STR_Unblank(L_STR_GetStrAfterFirstNumber(z)).empty() ||
            !CnvStringToFaktor(z, Ziel))
            falsch(Name, Text, "keine Zahl");
    };
    laenge("Papierbreite", t.PapierBreite, f.PapierBreite);
    laenge("Papierhöhe", t.PapierHoehe, f.PapierHoehe);
    faktor("Breitenfaktor", t.FaktorX, f.FaktorX);
    faktor("Höhenfaktor", t.FaktorY, f.FaktorY);
    laenge("nicht bedruckbarer Rand oben", t.SperrOben, f.Sperrbereich.oben);
    laenge("nicht bedruckbarer Rand unten", t.SperrUnten, f.Sperrbereich.unten);
    laenge("nicht bedruckbarer Rand links", t.SperrLinks, f.Sperrbereich.links);
    laenge("nicht bedruckbarer Rand rechts", t.SperrRechts, f.Sperrbereich.rechts);
    laenge("Breite", t.Breite, a.Breite);
    laenge("Höhe", t.Hoehe, a.Hoehe);
    laenge("Linker Rand", t.LinkerRand, a.LinkerRand);
    laenge("Oberer Rand", t.ObererRand, a.ObererRand);
    laenge("Rechter Abstand", t.RechterAbstand, a.RechterAbstand);
    laenge("Unterer Abstand", t.UntererAbstand, a.UntererAbstand);
    a.AnzahlSpalten = t.AnzahlSpalten;
    // The checks of the whole format only make sense once every field is a value.
    if (fehler.empty()) fehler = EtikettFormatPruefen(f);
    if (!fehler.empty()) return fehler;
    EtikettFormatNamen(f);
    Format = std::move(f);
    return {};
}

std::vector<EtikettSeiteTyp> MakeEtikettSeiten(WettbewerbTyp* Wett, const FormatTyp& f, int AktSort) {
    std::vector<EtikettSeiteTyp> seiten;
    if (!Wett || !EtikettFormatPruefen(f).empty()) return seiten;
    const AbmessungenTyp& a = f.Abmessungen[f.AktFormat];
    const long long p = static_cast<long long>(a.Hoehe) + a.UntererAbstand;
    const long long H = static_cast<long long>(f.PapierHoehe) - f.Sperrbereich.oben - f.Sperrbereich.unten;
    const long long t0 = static_cast<long long>(a.ObererRand) - f.Sperrbereich.oben;
    const int r0 = a.ObererRand < f.Sperrbereich.oben ? 1 : 0;
    auto zeileFrei = [&](int r) { return (r + 1) * p + t0 <= H; };
    const int C = a.AnzahlSpalten;
    int c0 = a.LinkerRand < f.Sperrbereich.links ? 1 : 0;
    // A sheet with one column keeps it, even when it begins in the non-printable margin.
    if (c0 >= C) c0 = 0;

    const std::string jahr = L_CALEND_GetYearStr(Wett->Datum);
    InfoTeilnehmerTyp info;
    bool erste = true;
    bool fertig = false;
    while (!fertig) {
        EtikettSeiteTyp s;
        s.SeitenNr = static_cast<int>(seiten.size()) + 1;
        TeilnehmerTyp* t = erste ? GetFirstTeilnehmer(Wett, AktSort, info) : GetNextTeilnehmer(info);
        erste = false;
        int i = r0, j = c0;
        bool voll = false;
        while (t && !voll) {
            EtikettTyp e;
            e.ZeilenNr = i;
            e.SpaltenNr = j;
            if (++j >= C) {
                j = c0;
                ++i;
            }
            e.EdvNr = t->EdvNr;
            e.Jahr = jahr;
            e.WettbewerbName = Wett->Name;
            e.TeilnehmerName = L_STR_Unblank(CnvNameTypToNameStr(&t->Name, true));
            e.StartNr = L_STR_CnvIntegerToStr(t->StartNr);
            e.Kanal = KanalAnzeigeStr(GetKanalTeilnehmer(*t));
            s.Etiketten.push_back(std::move(e));
            if (!zeileFrei(i)) voll = true;
            else t = GetNextTeilnehmer(info);
        }
        fertig = !t || !CalcNextTeilnehmer(info);
        seiten.push_back(std::move(s));
    }
    return seiten;
}

void DrawEtikettImage(DruckCanvas& Canvas, int Breite, bool Preview, int Hoehe, const FormatTyp& f,
                      const EtikettOptionen& Optionen, const EtikettSeiteTyp& Seite) {
    Canvas.RechteckFuellen(0, 0, Breite, Hoehe, DruckWeiss);
    if (!EtikettFormatPruefen(f).empty()) return;
    const int W = static_cast<int>(static_cast<long long>(Breite) * f.FaktorX / 1000);
    const int Hc = static_cast<int>(static_cast<long long>(Hoehe) * f.FaktorY / 1000);
    Canvas.RechteckFuellen(0, 0, W, Hc, Preview ? DruckHellblau : DruckWeiss);
    if (Preview) {
        Canvas.Linie(0, 0, W - 1, 0, DruckSchwarz);
        Canvas.Linie(0, Hc - 1, W - 1, Hc - 1, DruckSchwarz);
        Canvas.Linie(0, 0, 0, Hc - 1, DruckSchwarz);
        Canvas.Linie(W - 1, 0, W - 1, Hc - 1, DruckSchwarz);
    }
    const AbmessungenTyp& a = f.Abmessungen[f.AktFormat];
    const long long bx = static_cast<long long>(f.PapierBreite) - f.Sperrbereich.links - f.Sperrbereich.rechts;
    const long long by = static_cast<long long>(f.PapierHoehe) - f.Sperrbereich.oben - f.Sperrbereich.unten;
    const DruckSchrift alt = Canvas.GetSchrift();
    for (const EtikettTyp& e : Seite.Etiketten) {
        const long long x = (static_cast<long long>(a.Breite) + a.RechterAbstand) * e.SpaltenNr +
                            (a.LinkerRand - f.Sperrbereich.links);
        const long long y = (static_cast<long long>(a.Hoehe) + a.UntererAbstand) * e.ZeilenNr +
                            (a.ObererRand - f.Sperrbereich.oben);
        const int L0 = Px(W, x, bx), T0 = Px(Hc, y, by), R0 = Px(W, x + a.Breite, bx), B0 = Px(Hc, y + a.Hoehe, by);
        Canvas.RechteckFuellen(L0, T0, R0, B0, DruckWeiss);
        const int dx = (R0 - L0) * 6 / 100, dy = (B0 - T0) * 10 / 100;
        const int Left = L0 + dx, Top = T0 + dy, Right = R0 - dx, Bottom = B0 - dy;
        const int K = MaxInt(1, (Bottom - Top) * 100 / 520);
        DruckSchrift s;
        s.Name = "Arial";
        s.Farbe = DruckSchwarz;
        auto hoehe = [&](int h) {
            s.Hoehe = MaxInt(1, h);
            Canvas.SetSchrift(s);
        };

        hoehe(K * 120 / 100);
        const int jw = Canvas.TextBreite(e.Jahr);
        VariableTextOut(Canvas, Right - jw, Top + K, jw, 0, false, e.Jahr);
        {
            // A long competition name is made smaller only down to the
            // smallest size still legible on paper (6 points); beyond that
            // it is shortened at a word boundary, with a mark.
            const int platz = (Right - jw) - Left - Canvas.TextBreite(" ");
            int h = MaxInt(1, K * 120 / 100);
            const int min = MaxInt(DruckMinSchrifthoehe, MinInt(h, DruckPunkteZuPixel(Canvas, 6)));
            while (h > min && Canvas.TextBreite(e.WettbewerbName) > platz) hoehe(--h);
            const std::string name = platz > 0 ? WortweiseKuerzen(Canvas, e.WettbewerbName, platz, false) : e.WettbewerbName;
            VariableTextOut(Canvas, Left, Top + K, platz, 0, false, name);
            hoehe(K * 120 / 100);
        }
        VariableTextOut(Canvas, Left, Top + 2 * K, (Right - jw) - Left, 0, false, e.TeilnehmerName);

        const int Mid = Left + (Right - Left) * 50 / 100;
        const int w = (Right - Left) * 15 / 100;
        const int xs = Left + w * 11 / 10;
        hoehe(K);
        const int hS = VariableTextOut(Canvas, Left, Bottom, w, 0, false, "Start");
        hoehe(K * 420 / 100);
        if (Optionen.StartnummernHervorheben) {
            const std::string t = L_STR_Length(e.StartNr) == 1 ? " " + e.StartNr + " " : e.StartNr;
            VariableTextOut(Canvas, xs, Bottom, (Mid - xs) * 12 / 16, MaxInt(1, Bottom - 2 * K - Top), true, t);
        } else {
            // The number keeps a gap to "Kanal" beside it.
            VariableTextOut(Canvas, xs, Bottom, MaxInt(1, Mid - xs - K / 2), 0, false, e.StartNr);
        }
        hoehe(hS);
        VariableTextOut(Canvas, Mid, Bottom, Right - Mid, 0, false, "Kanal");
        const int xk = Mid + Canvas.TextBreite("Kanal") * 11 / 10;
        hoehe(K * 420 / 100);
        const std::string kanal = Optionen.KanaeleKlein ? L_STR_FillLeftWithBlanks(e.Kanal, 4) + " " : e.Kanal;
        VariableTextOut(Canvas, xk, Bottom, Right - xk, 0, false, kanal);

        if (Preview) {
            Canvas.Linie(0, T0, W - 1, T0, DruckGrau);
            Canvas.Linie(0, B0, W - 1, B0, DruckGrau);
            Canvas.Linie(L0, 0, L0, Hc - 1, DruckGrau);
            Canvas.Linie(R0, 0, R0, Hc - 1, DruckGrau);
        }
    }
    Canvas.SetSchrift(alt);
}

} // namespace tavuran
