// Catalogue data of the built-in scoring rules: the rule table, the parameter
// pages and column labels shared by the rule families, the descriptions and
// the list-layout texts. Assembled into records by RegelListe.cpp.
#include "rules/RegelListeDaten.h"

namespace tavuran::regeldaten {

// ------------------------------------------------------------ parameter pages

// Parameter family B: rule 3.
static constexpr ParameterZeile ParameterB[] = {
    {1, 0, "Flugzeit [s]:", ""},
    {2, 1, "Soll", "390"},
    {3, 2, "max. für Landebew.", "540"},
    {4, 6, "Offset für Fly-Off", "0"},
    {5, 10, "Offset Jug Fly-Off", "0"},
    {6, 0, "Landung     :", ""},
    {7, 3, "max. Punktzahl", "100"},
    {8, 4, "max. Entfernung [m]", "15"},
    {9, 5, "Punktabz. pro Meter", "5"},
    {10, 9, "max. Punktzahl fein", "100"},
    {11, 7, "max. Entfernung fein", "2"},
    {12, 8, "Punktabz. pro 0.2 m", "1"},
    {13, 11, "Fein nur im Fly-Off", "0"},
};

// Parameter family C: rules 4, 13, 20, 27, 34, 41, 48, 52, 58, 64, 73.
static constexpr ParameterZeile ParameterC[] = {
    {1, 0, "Flugzeit [s]:", ""},
    {2, 1, "max.", "600"},
    {3, 2, "max. für Landebew.", "660"},
    {4, 3, "Offset für Fly-Off", "300"},
    {5, 4, "Offset Jug Fly-Off", "300"},
    {6, 0, "Landung:", ""},
    {7, 5, "max. Punktzahl", "50"},
    {8, 6, "max. Entfernung [m]", "10"},
    {9, 7, "Punktabz. pro Meter", "5"},
    {10, 0, "Höhe:", ""},
    {11, 8, "Grenze Punktabzug niedrig", "200"},
    {12, 9, "Punktabzug niedrig", "0.5"},
    {13, 10, "Punktabzug hoch", "3"},
};

// Parameter family D: rules 5, 11, 16, 17, 23, 24, 30, 37, 44, 51, 55, 61, 67, 71, 80.
static constexpr ParameterZeile ParameterD[] = {
    {1, 0, "Flugzeit [s]:", ""},
    {2, 1, "Soll", "360"},
    {3, 2, "max. für Landebew.", "540"},
    {4, 6, "Offset für Fly-Off", "0"},
    {5, 10, "Offset Jug Fly-Off", "0"},
    {6, 0, "Landung     :", ""},
    {7, 3, "max. Punktzahl", "100"},
    {8, 4, "max. Entfernung [m]", "15"},
    {9, 5, "Punktabz. pro Meter", "5"},
    {10, 9, "max. Punktzahl fein", "100"},
    {11, 7, "max. Entfernung fein", "2"},
    {12, 8, "Punktabz. pro 0.2 m", "1"},
    {13, 11, "Fein nur im Fly-Off", "0"},
};

// Parameter family E: rules 6, 12, 19, 26, 33, 40, 47, 54, 60, 66.
static constexpr ParameterZeile ParameterE[] = {
    {1, 0, "Flugzeit [s]:", ""},
    {2, 1, "Soll", "600"},
    {3, 2, "Maximal", "600"},
    {4, 6, "Offset für Fly-Off", "300"},
    {5, 10, "Offset Jug Fly-Off", "300"},
    {6, 0, "Landung     :", ""},
    {7, 3, "max. Punktzahl", "100"},
    {8, 4, "max. Entfernung [m]", "15"},
    {9, 5, "Punktabz. pro Meter", "5"},
    {10, 9, "max. Punktzahl fein", "100"},
    {11, 7, "max. Entfernung fein", "2"},
    {12, 8, "Punktabz. pro 0.2 m", "1"},
    {13, 11, "Fein nur im Fly-Off", "0"},
};

// Parameter family F: rules 7, 10, 18, 25, 32, 39, 46, 56, 62, 68.
static constexpr ParameterZeile ParameterF[] = {
    {1, 0, "Flugzeit:", ""},
    {2, 1, "Soll [s]", "420"},
    {3, 2, "Offset für Fly-Off", "240"},
    {4, 3, "Offset Jug Fly-Off", "240"},
    {5, 4, "Punkte pro Sek.", "1"},
    {6, 0, "Landepunkte:", ""},
    {7, 5, "Drehung  0° bis  90°", "50"},
    {8, 6, "Drehung 90° bis 180°", "25"},
    {9, 0, "Landung:", ""},
    {10, 7, "Abstandsraster [cm]", "10"},
    {11, 8, "Punktabz. pro Raster", "1"},
};

// Parameter family G: rules 8, 15, 22, 29, 36, 43, 50.
static constexpr ParameterZeile ParameterG[] = {
    {1, 0, "Flugzeit [s]:", ""},
    {2, 1, "Soll", "600"},
    {3, 2, "max. für Landebew.", "630"},
    {4, 6, "Offset für Fly-Off", "300"},
    {5, 10, "Offset Jug Fly-Off", "300"},
    {6, 0, "Landung     :", ""},
    {7, 3, "max. Punktzahl", "100"},
    {8, 4, "max. Entfernung [m]", "15"},
    {9, 5, "Punktabz. pro Meter", "5"},
    {10, 9, "max. Punktzahl fein", "100"},
    {11, 7, "max. Entfernung fein", "2"},
    {12, 8, "Punktabz. pro 0.2 m", "1"},
    {13, 11, "Fein nur im Fly-Off", "0"},
    {15, 12, "max.F5J-Höhe [m]:", "150"},
};

// Parameter family H: rules 9, 14, 21, 28, 35, 42, 49, 57, 63, 69, 70, 77.
static constexpr ParameterZeile ParameterH[] = {
    {1, 0, "Flugzeit [s]:", ""},
    {2, 1, "Soll", "600"},
    {3, 2, "max. für Landebew.", "630"},
    {4, 6, "Offset für Fly-Off", "300"},
    {5, 10, "Offset Jug Fly-Off", "300"},
    {6, 0, "Landung     :", ""},
    {7, 3, "max. Punktzahl", "100"},
    {8, 4, "max. Entfernung [m]", "15"},
    {9, 5, "Punktabz. pro Meter", "5"},
    {10, 9, "max. Punktzahl fein", "100"},
    {11, 7, "max. Entfernung fein", "2"},
    {12, 8, "Punktabz. pro 0.2 m", "1"},
    {13, 11, "Fein nur im Fly-Off", "0"},
};

// Parameter family I: rules 31, 38, 45, 53, 59, 65, 72.
static constexpr ParameterZeile ParameterI[] = {
    {1, 0, "Flugzeit Tordurchfl.:", ""},
    {2, 1, "Soll [s]", "240"},
    {3, 2, "Punktabz. pro Sek.", "3"},
    {4, 0, "Flugzeit bis Landung:", ""},
    {5, 3, "Soll [s]", "240"},
    {6, 4, "Punktabz. pro Sek.", "3"},
    {7, 0, "Landepunkte         :", ""},
    {8, 5, "Drehung  0° bis  90°", "50"},
    {9, 6, "Drehung 90° bis 180°", "25"},
    {10, 0, "Landung             :", ""},
    {11, 7, "Abstandsraster [cm]", "10"},
    {12, 8, "Punktabz. pro Raster", "1"},
};

// Parameter family J: rules 74, 75.
static constexpr ParameterZeile ParameterJ[] = {
    {1, 0, "Flugzeit [s]:", ""},
    {2, 1, "Soll", "600"},
    {3, 2, "max. für Landebew.", "630"},
    {4, 6, "Offset für Fly-Off", "300"},
    {5, 10, "Offset Jug Fly-Off", "300"},
    {6, 0, "Landung     :", ""},
    {7, 3, "max. Punktzahl", "100"},
    {8, 4, "max. Entfernung [m]", "15"},
    {9, 5, "Punktabz. pro Meter", "5"},
    {10, 9, "max. Punktzahl fein", "100"},
    {11, 7, "max. Entfernung fein", "0"},
    {12, 8, "Punktabz. pro 0.2 m", "1"},
    {13, 11, "Fein nur im Fly-Off", "0"},
};

// Parameter family K: rule 76.
static constexpr ParameterZeile ParameterK[] = {
    {1, 0, "Flugzeit [s]:", ""},
    {2, 1, "Soll", "600"},
    {3, 2, "max. für Landebew.", "630"},
    {4, 6, "Offset für Fly-Off", "300"},
    {5, 10, "Offset Jug Fly-Off", "300"},
    {6, 0, "Landung     :", ""},
    {7, 3, "max. Punktzahl", "100"},
    {8, 4, "max. Entfernung [m]", "15"},
    {9, 5, "Punktabz. pro Meter", "5"},
    {10, 9, "max. Punktzahl fein", "100"},
    {11, 7, "max. Entfernung fein", "2"},
    {12, 8, "Punktabz. pro 0.2 m", "1"},
    {13, 11, "Fein nur im Fly-Off", "1"},
};

// Parameter family L: rule 78.
static constexpr ParameterZeile ParameterL[] = {
    {1, 0, "Flugzeit  [s]:", ""},
    {2, 1, "Sollflugzeit", "300"},
    {3, 2, "Mindestflugzeit", "60"},
    {4, 0, "max. Wertung :", ""},
    {5, 3, "für Anflug", "10"},
    {6, 4, "für Landung", "10"},
    {7, 0, "Koeffizienten:", ""},
    {8, 5, "Faktor für Anflug", "2"},
    {9, 6, "max. Landekoeff.", "3"},
    {10, 0, "Punktrichter :", ""},
    {11, 7, "Anzahl f. Anflug", "3"},
    {12, 8, "Anzahl f. Landung", "3"},
};

// Parameter family M: rule 79.
static constexpr ParameterZeile ParameterM[] = {
    {1, 0, "Flugzeit [s]:", ""},
    {2, 1, "Soll", "200"},
    {3, 0, "Landepunkte :", ""},
    {4, 2, "Drehung  0° bis  90°", "50"},
    {5, 3, "Drehung 90° bis 180°", "25"},
    {6, 0, "Landung     :", ""},
    {7, 4, "Abstandsraster [cm]", "10"},
    {8, 5, "Punktabz. pro Raster", "1"},
};

// Parameter family O: rule 82.
static constexpr ParameterZeile ParameterO[] = {
    {1, 0, "Zeitpunkteabzug:", ""},
    {2, 1, "bei < 60s Überzeit", "30"},
    {3, 0, "Landung        :", ""},
    {4, 2, "max. Punktzahl", "100"},
    {5, 3, "max. Entfernung [m]", "15"},
    {6, 4, "Punktabz. pro Meter", "5"},
};

// Parameter family P: rule 83.
static constexpr ParameterZeile ParameterP[] = {
    {1, 0, "Flugzeit Tordurchfl.:", ""},
    {2, 1, "Soll [s]", "120"},
    {3, 2, "Punktabz. pro Sek.", "3"},
    {4, 0, "Flugzeit bis Landung:", ""},
    {5, 3, "Soll [s]", "120"},
    {6, 4, "Punktabz. pro Sek.", "3"},
    {7, 0, "Landepunkte         :", ""},
    {8, 5, "Drehung  0° bis  90°", "50"},
    {9, 6, "Drehung 90° bis 180°", "25"},
    {10, 0, "Landung             :", ""},
    {11, 7, "Abstandsraster [cm]", "10"},
    {12, 8, "Punktabz. pro Raster", "1"},
};

// Parameter family Q: rule 84.
static constexpr ParameterZeile ParameterQ[] = {
    {1, 0, "Flugzeit Tordurchfl.:", ""},
    {2, 1, "Soll [s]", "120"},
    {3, 2, "Punktabz. pro Sek.", "3"},
    {4, 0, "Flugzeit bis Landung:", ""},
    {5, 3, "Soll [s]", "120"},
    {6, 4, "Punktabz. pro Sek.", "3"},
    {7, 0, "max. Landewertung :", ""},
    {8, 5, "für Anflug", "10"},
    {9, 6, "für Landung", "10"},
    {10, 0, "Koeffizienten:", ""},
    {11, 7, "Faktor für Anflug", "2"},
    {12, 8, "max. Landekoeff.", "3"},
    {13, 0, "Anzahl :", ""},
    {14, 9, "Punktrichter", "3"},
    {15, 10, "davon gewertet", "3"},
};

const ParameterFamilie ParameterFamilien[] = {
    {'A', {}, false}, // no rows
    {'B', ParameterB, false},
    {'C', ParameterC, false},
    {'D', ParameterD, false},
    {'E', ParameterE, false},
    {'F', ParameterF, false},
    {'G', ParameterG, false},
    {'H', ParameterH, false},
    {'I', ParameterI, false},
    {'J', ParameterJ, false},
    {'K', ParameterK, false},
    {'L', ParameterL, false},
    {'M', ParameterM, false},
    {'N', {}, true},  // rows 1..15 edit parameters 1..15, label "-", default "0"
    {'O', ParameterO, false},
    {'P', ParameterP, false},
    {'Q', ParameterQ, false},
};
const int ParameterFamilienAnzahl = 17;

// ------------------------------------------------------------ columns

// K1: no judge columns
static constexpr std::string_view K1Durchg[] = {"Punkte"};
// K2: no judge columns
static constexpr std::string_view K2Durchg[] = {"Wertung[%]"};
static constexpr std::string_view K3Punktr[] = {"Abstand[m]"};
static constexpr std::string_view K3Durchg[] = {"Zeit[min:s]"};
static constexpr std::string_view K4Punktr[] = {"Abstand[m]"};
static constexpr std::string_view K4Durchg[] = {"Zeit[min:s]", "F5J-Höhe[m]"};
static constexpr std::string_view K5Punktr[] = {"Abstand[m]"};
static constexpr std::string_view K5Durchg[] = {"Zeit[min:s.z]"};
static constexpr std::string_view K6Punktr[] = {"Abstand[cm]"};
static constexpr std::string_view K6Durchg[] = {"Drehung[°]", "Zeit[min:s]"};
// K7: no judge columns
static constexpr std::string_view K7Durchg[] = {"Zeit-T", "Zeit-L", "Abst.[cm]", "Drehung[°]"};
static constexpr std::string_view K8Punktr[] = {"Abstand[m]"};
static constexpr std::string_view K8Durchg[] = {"Zeit[mn:s]", "F5J-Höhe"};
// K9: no judge columns
static constexpr std::string_view K9Durchg[] = {"Zeit-T", "Zeit-L", "Abst.[cm]", "Bonus", "Drehung[°]"};
static constexpr std::string_view K10Punktr[] = {"A$P", "L$P"};
static constexpr std::string_view K10Durchg[] = {"k", "Zeit"};
// K11: no judge columns
static constexpr std::string_view K11Durchg[] = {"Zeit[s]", "Abstand", "[cm] Landung"};
// K12: no judge columns
// K12: no flight columns
static constexpr std::string_view K13Punktr[] = {"Abstand[m]"};
static constexpr std::string_view K13Durchg[] = {"Zeit[s]", "Überzeit"};
// K14: no judge columns
static constexpr std::string_view K14Durchg[] = {"Zeit-T", "Zeit-L", "Abst", "Bon", "Landung"};
static constexpr std::string_view K15Punktr[] = {"Anflug", "Landung"};
static constexpr std::string_view K15Durchg[] = {"k", "Zeit-T", "Zeit-L"};
static constexpr std::string_view K16Punktr[] = {"S", "K", "V", "L", "!"};
// K16: no flight columns

const SpaltenFamilie SpaltenFamilien[] = {
    {"K1", {}, K1Durchg},
    {"K2", {}, K2Durchg},
    {"K3", K3Punktr, K3Durchg},
    {"K4", K4Punktr, K4Durchg},
    {"K5", K5Punktr, K5Durchg},
    {"K6", K6Punktr, K6Durchg},
    {"K7", {}, K7Durchg},
    {"K8", K8Punktr, K8Durchg},
    {"K9", {}, K9Durchg},
    {"K10", K10Punktr, K10Durchg},
    {"K11", {}, K11Durchg},
    {"K12", {}, {}},
    {"K13", K13Punktr, K13Durchg},
    {"K14", {}, K14Durchg},
    {"K15", K15Punktr, K15Durchg},
    {"K16", K16Punktr, {}},
};
const int SpaltenFamilienAnzahl = 16;

// ------------------------------------------------------------ descriptions

// Rule 1.
static constexpr std::string_view Beschreibung1[] = {
    "Es kann ein beliebiger Wettbewerb durchgeführt",
    "werden. Diesen  muß man  jedoch von  Hand aus-",
    "werten. Das  Programm  erlaubt  lediglich  die",
    "eingabe  einer  Rohpunktzahl.  Die  Umrechnung",
    "in die Promillewertung wird  dann vom Programm",
    "durchgeführt.",
};

// Rule 2.
static constexpr std::string_view Beschreibung2[] = {
    "Es werden die Ergebnisse aus mehreren Wettbe-",
    "werben zu einer Gesamtwertung zusammengefasst.",
};

// Rule 3.
static constexpr std::string_view Beschreibung3[] = {
    "Die Regel ist für über zwei Achsen gesteuerte",
    "Elektro-Segelflugmodelle mit Landehilfe ge-",
    "dacht. Die Modelle müssen überwiegend in Holz-",
    "bauweise erstellt sein.",
    "Die  Flugzeit von der Freigabe des Moddels",
    "beim Start bis zur ersten Bodenberührung wird",
    "gemessen. Nach  der  Landung  mißt man den Ab-",
    "stand des Modells (Rumpfspitze) zum markierten",
    "Landepunkt.",
    "",
    "Die Flugzeit soll 390s (6:30 min.) betragen.",
    "Es werden 780 Punkte  auf den Flug  vergeben.",
    "Für jede  Sekunde die die Flugzeit zu früh",
    "oder zu spät endet werden zwei Punkte abge-",
    "zogen.",
    "Bei Flügen die innerhalb der Rahmenzeit von",
    "540s beginnen und enden werden Landepunkte",
    "vergeben.",
};

// Rules 4, 13, 20, 27, 34, 41, 48, 52, 58, 64, 73.
static constexpr std::string_view Beschreibung4[] = {
    "Die Flugzeit vom Freigeben des Modells bis zur",
    "ersten Berührung mit dem Boden wird gemessen.",
    "Zudem wird die F5J-Höhe von einem Datenlogger",
    "ermittelt. Diese Höhe wird 10s nach abstellen",
    "des Motors automatisch festgehalten. Der Motor",
    "darf maximal 30s lang laufen.",
    "Nach  der  Landung  mißt man den Ab-",
    "stand des Modells (Rumpfspitze) zum markierten",
    "Landepunkt. Pro Meter Abstand erhält man 5",
    "Punkte Abzug von 50 Landepunkten.",
    "Die Flugzeit soll 600s (=10 min.) betragen. Es",
    "werden max. 600 Punkte auf den Flug vergeben,",
    "einer pro Sekunde Flugzeit.",
    "Bis zu einer F5J-Höhe von 200m werden zudem",
    "0.5 Punkte pro Meter Höhe abgezogen, darüber",
    "werden 3 Punkte pro Meter zusätzlicher Höhe",
    "abgezogen.",
};

// Rule 5.
static constexpr std::string_view Beschreibung5[] = {
    "Die Regel ist für über zwei Achsen gesteuerte",
    "Segelflugmodelle mit Landehilfe gedacht. Die",
    "Modelle müssen überwiegend in Holzbauweise er-",
    "stellt sein.",
    "Die  Flugzeit vom Ausklinken der Schleppleine",
    "bis zur ersten Bodenberürung des Segelflugmo-",
    "dells wird gemessen. Nach der Landung mißt man",
    "den Abstand des Modells (Rumpfspitze) zum mar-",
    "kierten Landepunkt.",
    "",
    "Die Flugzeit soll 360s (6 min.) betragen. Es",
    "werden 720 Punkte  auf den Flug  vergeben. Für",
    "jede  Sekunde die die Flugzeit zu früh oder zu",
    "spät endet werden zwei Punkte abgezogen.",
    "",
    "Bei Flügen die innerhalb der Rahmenzeit von",
    "540s beginnen und enden werden Landepunkte",
    "vergeben.",
};

// Rules 6, 12, 19, 26, 33, 40, 47, 54, 60, 66.
static constexpr std::string_view Beschreibung6[] = {
    "Die  Teilnehmer starten gruppenweise. Ziel ist,",
    "bis zum  Ende der  Durchgangszeit  so lange wie",
    "möglich zu fliegen  und dann eine  Landung mög-",
    "lichst nahe am Punkt machen.",
    "",
    "Bei  Flügen, die  innerhalb  der Durchgangszeit",
    "abgeschlossenden wurden, werden 100 Landepunkte",
    "vergeben, sofern  der  Abstand nicht größer als",
    "15m  ist.  Für  jeden  Meter  Abstand  werden 5",
    "Punkte von den Landepunkten abgezogen. Bei  Ab-",
    "ständen < 2m wird 1 Punkt pro 20cm abgezogen.",
    "",
    "Man  erhält pro geflogener Zehntelsekunde einen",
    "Zehntel Punkt zuzüglich der Landepunkte.",
    "Nach der Durchgangszeit  endet  der  offizielle",
    "Flug.  Spätestens jetzt wird die Uhr angehalten",
    "und für später erfolgende Landung gibt es keine",
    "Punkte",
};

// Rules 7, 10, 18, 25, 32, 39, 46, 56, 62, 68.
static constexpr std::string_view Beschreibung7[] = {
    "Die  Teilnehmer starten gruppenweise. Ziel ist,",
    "bis zum  Ende der  Durchgangszeit  so genau wie",
    "die Sollflugteit zu fliegen und  dann eine Lan-",
    "dung möglichst parallel  an einer Landeline  zu",
    "machen.",
    "Für  jede  Sekunde  Flugzeit  erhält  der Pilot",
    "einen  Punkt.  Überschreitet er  aber die Soll-",
    "flugzeit,  wird  für  jede  zu  lang  geflogene",
    "Sekunde ein  Punkt von der Sollflugzeit abgezo-",
    "gen. Die  Sollflugzeit  beträgt  typischerweise",
    "7 min, im Fly-Off jedoch 11 min.",
    "Erfolgt die Landung mit  weniger  als  90° Dre-",
    "hung, dann erhält der  Pilot zunächst 50 Lande-",
    "punkte, bei Drehungen  über 90° bis 180° erhält",
    "der Pilot zunächst 25 Landepunkte.Bei Drehungen",
    "größer 180° oder  Stecklandungen  gibt es keine",
    "landepunkte. Pro 10cm Abstand des  Modells wer-",
    "den nun aber noch 1 Landepunkt weggenommen.",
};

// Rules 8, 15, 22, 29, 36, 43, 50.
static constexpr std::string_view Beschreibung8[] = {
    "Die  Teilnehmer starten gruppenweise. Ziel ist,",
    "bis zum  Ende der  Durchgangszeit  so genau wie",
    "die Sollflugteit zu fliegen und  dann eine Lan-",
    "dung möglichst nahe am Punkt machen.",
    "",
    "Bei  Flügen, die  innerhalb  der Durchgangszeit",
    "abgeschlossenden wurden, werden 100 Landepunkte",
    "vergeben, sofern  der  Abstand nicht größer als",
    "15m  ist.  Für  jeden  Meter  Abstand  werden 5",
    "Punkte von den Landepunkten abgezogen. Bei  Ab-",
    "ständen < 2m wird 1 Punkt pro 20cm abgezogen.",
    "Man  erhält  pro geflogener Sekunde einen Punkt",
    "zuzüglich  der  Landepunkte.",
    "Zusätzlich  können  Modelle  mit Elektroantrieb",
    "mitfliegen. Diese müssen über  einen Logger für",
    "F5J-Wettbewerbe  ausgestattet  sein.  Wird eine",
    "vom Veranstalter vorgegebene Höhe überschritten",
    "erhält der Teilnehmer Strafpunkte.",
};

// Rules 9, 14, 21, 28, 35, 42, 49, 57, 63, 69.
static constexpr std::string_view Beschreibung9[] = {
    "Die  Teilnehmer starten gruppenweise. Ziel ist,",
    "bis zum  Ende der  Durchgangszeit  so genau wie",
    "die Sollflugteit zu fliegen und  dann eine Lan-",
    "dung möglichst nahe am Punkt machen.",
    "",
    "Bei  Flügen, die  innerhalb  der Durchgangszeit",
    "abgeschlossenden wurden, werden 100 Landepunkte",
    "vergeben, sofern  der  Abstand nicht größer als",
    "15m  ist.  Für  jeden  Meter  Abstand  werden 5",
    "Punkte von den Landepunkten abgezogen. Bei  Ab-",
    "ständen < 2m wird 1 Punkt pro 20cm abgezogen.",
    "",
    "Man  erhält  pro geflogener Sekunde einen Punkt",
    "zuzüglich  der  Landepunkte. Landet man bis 60s",
    "nach  der Durchgangszeit, gibt  es keine Lande-",
    "punkte  und 30 Punkte  Abzug.  Landet  man noch",
    "später erhält man gar keine Punkte mehr.",
};

// Rules 11, 16, 17, 23, 24, 30, 37, 44, 51, 55, 61, 67, 71, 80.
static constexpr std::string_view Beschreibung10[] = {
    "Die Regel ist für über zwei Achsen gesteuerte",
    "Segelflugmodelle mit Landehilfe gedacht. Die",
    "Modelle müssen überwiegend in Holzbauweise er-",
    "stellt sein.",
    "Die  Flugzeit vom Ausklinken der  Schleppleine",
    "bis zum  Stillstand des  Segelflugmodells wird",
    "gemessen. Nach  der  Landung  mißt man den Ab-",
    "stand des Modells (Rumpfspitze) zum markierten",
    "Landepunkt.",
    "",
    "Die Flugzeit soll 360s (=6 min.) betragen. Es",
    "werden 720 Punkte  auf den Flug  vergeben. Für",
    "jede  Sekunde die die Flugzeit zu früh oder zu",
    "spät endet werden zwei Punkte abgezogen.",
    "",
    "Bei  Flugzeiten  bis zu 630s werden 100 Lande-",
    "punkte  vergeben,  sofern  der  Abstand  nicht",
};

// Rules 31, 38, 45, 53, 59, 65.
static constexpr std::string_view Beschreibung11[] = {
    "Die Flugzeit vom Ausschalten des Motors bis zum",
    "Durchflug eines Tores bzw. bis zur Landung wird",
    "gemessen. Nach der Landung mißt man den jeweils",
    "größten  Abstand  des Rumpfes (Rumpfspitze bzw.",
    "Seitenruderende) zur  Landelinie. Jede Flugzeit",
    "soll   jeweils  180s  (= 3 min.)  betragen.  Es",
    "werden  180  Punkte  auf den Flug vergeben. Für",
    "jede  Sekunde, die die Flugzeit zu früh oder zu",
    "spät  endet, werden  3  Punkte  abgezogen.  Pro",
    "Landung  werden  50  Landepunkte, bei Drehungen",
    "von  90°  bis  180°, werden 25 Landepunkte ver-",
    "geben.  Drehungen  über 180° machen die Landung",
    "ungültig. Pro 10cm Abstand wird 1 Punkt von den",
    "Landepunkten  abgezogen.",
};

// Rules 70, 74, 75, 76, 77.
static constexpr std::string_view Beschreibung12[] = {
    "Die  Flugzeit vom Ausklinken der  Schleppleine",
    "bis zum  Stillstand des  Segelflugmodells wird",
    "gemessen. Nach  der  Landung  mißt man den Ab-",
    "stand des Modells (Rumpfspitze) zum markierten",
    "Landepunkt.",
    "",
    "Die Flugzeit soll 600s (=10 min.) betragen. Es",
    "werden 600 Punkte  auf den Flug  vergeben. Für",
    "jede  Sekunde die die Flugzeit zu früh oder zu",
    "spät endet wird ein Punkt abgezogen.",
    "",
    "Bei  Flugzeiten  bis zu 630s werden 100 Lande-",
    "punkte  vergeben,  sofern  der  Abstand  nicht",
    "größer  als 15m ist. Für  jeden  Meter Abstand",
    "werden 5 Punkte von den Landepunkten abgezogen",
};

// Rule 72.
static constexpr std::string_view Beschreibung13[] = {
    "Die Flugzeit vom Ausschalten des Motors bis zum",
    "Durchflug eines Tores bzw. bis zur Landung wird",
    "gemessen. Nach der Landung mißt man den jeweils",
    "größten  Abstand  des Rumpfes (Rumpfspitze bzw.",
    "Seitenruderende) zur  Landelinie. Jede Flugzeit",
    "soll   jeweils  180s  (= 3 min.)  betragen.  Es",
    "werden  180  Punkte  auf den Flug vergeben. Für",
    "jede  Sekunde, die die Flugzeit zu früh oder zu",
    "spät  endet, werden  3  Punkte  abgezogen.  Pro",
    "Landung  werden  50  Landepunkte, bei Drehungen",
    "von  90°  bis  180°, werden 25 Landepunkte ver-",
    "geben.  Drehungen  über 180° machen die Landung",
    "ungültig. Pro 10cm Abstand wird 1 Punkt von den",
    "Landepunkten  abgezogen.  Bleibt  das Modell in",
    "einem  Kreis  mit 3m Durchmesser liegen, werden",
    "je nach Abstand 2 bis 6 Bonuspunkte vergeben.",
};

// Rule 78.
static constexpr std::string_view Beschreibung14[] = {
    "Die  Flugzeit  vom Ausklinken  der Schleppleine",
    "bis zum Aufsetzen des Segelflugmodells wird ge-",
    "messen. Der  Anflug  und  die  Landung wird von",
    "Punktrichtern mit 0-10 Punkten bewertet.",
    "Landet das Modell im  kleinen  Kreis,  ist  der",
    "Landekoeffizient 3, im  großen  Kreis ist er 2",
    "und außerhalb des großen Kreises ist er 1.",
    "Die Flugzeit  soll 300s (= 5 min.) betragen. Es",
    "werden 300 Punkte  auf  den Flug  vergeben. Für",
    "jede  Sekunde die die  Flugzeit zu früh oder zu",
    "spät  endet  wird  ein Punkt abgezogen. Ist die",
    "Flugzeit  kleiner 60s, dann werden keine Punkte",
    "auf den Flug vergeben.",
    "Die Landepunkte errechnen sich aus:",
    "   Mittel der Anflugbewertungen *  2",
    " + Mittel der Landebewertungen * Landekoeff.",
};

// Rule 79.
static constexpr std::string_view Beschreibung15[] = {
    "Die  Flugzeit vom Ausklinken der  Schleppleine",
    "bis zum  Aufsetzen  des  Segelflugmodells wird",
    "gemessen. Nach  der  Landung  mißt man den je-",
    "weils größten Abstand des Rumpfes (Rumpfspitze",
    "bzw. Seitenruderende) zur Landelinie.",
    "",
    "Die Flugzeit soll 300s (= 5 min.) betragen. Es",
    "werden 300 Punkte  auf den Flug  vergeben. Für",
    "jede  Sekunde die die Flugzeit zu früh oder zu",
    "spät endet wird ein Punkt abgezogen.",
    "",
    "Pro  Landung  werden 50 Landepunkte, bei Dreh-",
    "ungen von  90° bis  180° werden 25 Landepunkte",
    "vergeben. Drehungen  über 180° machen die Lan-",
    "dung ungültig. Pro 10cm  Abstand  wird 1 Punkt",
    "von den Landepunkten abgezogen.",
};

// Rule 82.
static constexpr std::string_view Beschreibung17[] = {
    "Die  Teilnehmer starten gruppenweise. Ziel ist,",
    "bis zum  Ende der  Durchgangszeit  so lange wie",
    "möglich zu fliegen  und dann eine  Landung mög-",
    "lichst nahe am Punkt machen.",
    "",
    "Bei  Flügen, die  innerhalb  der Durchgangszeit",
    "abgeschlossenden wurden, werden 100 Landepunkte",
    "vergeben, sofern  der  Abstand nicht größer als",
    "15m  ist.  Für  jeden  Meter  Abstand  werden 5",
    "Punkte von den Landepunkten abgezogen.",
    "",
    "Man  erhält  pro geflogener Sekunde einen Punkt",
    "zuzüglich  der  Landepunkte. Landet man bis 60s",
    "nach  der Durchgangszeit, gibt  es keine Lande-",
    "punkte  und 30 Punkte  Abzug.  Landet  man noch",
    "später erhält man gar keine Punkte mehr.",
};

// Rule 83.
static constexpr std::string_view Beschreibung18[] = {
    "Die Flugzeit vom Ausschalten des Motors bis zum",
    "Durchflug eines Tores bzw. bis zur Landung wird",
    "gemessen. Nach der Landung mißt man den jeweils",
    "größten  Abstand  des Rumpfes (Rumpfspitze bzw.",
    "Seitenruderende) zur  Landelinie. Jede Flugzeit",
    "soll   jeweils  120s  (= 2 min.)  betragen.  Es",
    "werden  120  Punkte  auf den Flug vergeben. Für",
    "jede  Sekunde, die die Flugzeit zu früh oder zu",
    "spät  endet, werden  3  Punkte  abgezogen.  Pro",
    "Landung  werden  50  Landepunkte, bei Drehungen",
    "von  90°  bis  180°, werden 25 Landepunkte ver-",
    "geben.  Drehungen  über 180° machen die Landung",
    "ungültig. Pro 10cm Abstand wird 1 Punkt von den",
    "Landepunkten  abgezogen.  Bleibt  das Modell in",
    "einem  Kreis  mit 3m Durchmesser liegen, werden",
    "je nach Abstand 2 bis 6 Bonuspunkte vergeben.",
};

// Rule 84.
static constexpr std::string_view Beschreibung19[] = {
    "Die Flugzeit vom Ausschalten des Motors bis zum",
    "Durchflug eines Tores bzw. bis zur Landung wird",
    "gemessen. Der  Anflug  und  die  Landung wird",
    "von Punktrichtern mit 0-10 Punkten bewertet.",
    "Landet das Modell im  kleinen  Kreis,  ist  der",
    "Landekoeffizient 3, im  großen  Kreis ist er 2",
    "und außerhalb des großen Kreises ist er 1.",
    "Die Flugzeit  soll 120s (= 2 min.) betragen. Es",
    "werden 120 Punkte  auf  den Flug  vergeben. Für",
    "jede  Sekunde die die  Flugzeit zu früh oder zu",
    "spät endet werden drei Punkte abgezogen.",
    "Die Landepunkte errechnen sich aus:",
    "   Mittel der Anflugbewertungen *  2",
    " + Mittel der Landebewertungen * Landekoeff.",
};

// Rule 85.
static constexpr std::string_view Beschreibung20[] = {
    "Bei   jedem   Flug   werden  Start, Vorbeiflug,",
    "Kreisen im Aufwind (bei Segelflugmodellen) bzw.",
    "Wenden  (bei Motorflugmodellen)  Landung  mit 0",
    "bis  10  Punkten  bewertet. Zusätzlich werden 0",
    "bis 10 Punkte  für sicherheitsbewußtes  Fliegen",
    "vergeben.",
    "",
    "Bewertet  wird  die Summe der gegebenen Punkte.",
    "Wenn  mehrere  Punktrichter bewerten, dann wird",
    "zwischen  den  jeweiligen Wertungen der Mittel-",
    "wert gebildet.",
};

const BeschreibungTexte Beschreibungen[] = {
    Beschreibung1,
    Beschreibung2,
    Beschreibung3,
    Beschreibung4,
    Beschreibung5,
    Beschreibung6,
    Beschreibung7,
    Beschreibung8,
    Beschreibung9,
    Beschreibung10,
    Beschreibung11,
    Beschreibung12,
    Beschreibung13,
    Beschreibung14,
    Beschreibung15,
    {}, // rules 81, 86, 87: none
    Beschreibung17,
    Beschreibung18,
    Beschreibung19,
    Beschreibung20,
};
const int BeschreibungenAnzahl = 20;

// ------------------------------------------------------------ list layout
// Heading, separator and empty participant line for the judges' copy, then
// the same for the timekeepers' copy. "³" is a column border, "Ä" a
// horizontal line, "Å" a crossing.

const ListenLayout ListenLayouts[] = {
    // manuell: rule 1
    {
        "         ³         ³         ³         ³         ³   Punkte    ",
        "ÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "         ³         ³         ³         ³         ³             ",
        "         ³         ³         ³         ³         ³   Punkte    ",
        "ÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "         ³         ³         ³         ³         ³             ",
    },
    // gesamt: rule 2
    {
        "                                                                        ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                                                                        ",
        "      Wertung [%]                                                       ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                                                                        ",
    },
    // abstand_zeit: rules 3, 5, 9, 11, 14, 16, 17, 21, 23, 24, 28, 30, 35, 37, 42, 44, 49, 51, 55, 57, 61, 63, 67, 69, 70, 71, 75, 76, 77, 80
    {
        "      Abstand [m]      ³                       ³      Zeit [min:s]      ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                       ³                       ³                        ",
        "      Zeit [min:s]                                                      ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                                                                        ",
    },
    // abstand_zeit_74: rule 74
    {
        "      Abstand [m]      ³                       ³     Zeit [min:s]     ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                       ³                       ³                        ",
        "      Zeit [min:s]                                                      ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                                                                        ",
    },
    // f5j: rules 4, 13, 20, 27, 34, 41, 48, 52, 58, 64, 73, 8, 15, 22, 29, 36, 43, 50
    {
        "      Abstand [m]      ³     Zeit [min:s]      ³      F5J-Höhe [m]      ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                       ³                       ³                        ",
        "      Zeit [min:s]                                                      ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                                                                        ",
    },
    // f3j: rules 6, 12, 19, 26, 33, 40, 47, 54, 60, 66, 82
    {
        "      Abstand [m]      ³                       ³     Zeit [min:s.z]     ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                       ³                       ³                        ",
        "      Zeit [min:s.z]                                                    ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                                                                        ",
    },
    // f3bj: rules 7, 10, 18, 25, 32, 39, 46, 56, 62, 68
    {
        "     Abstand [cm]      ³      Drehung [°]      ³      Zeit [min:s]      ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                       ³                       ³                        ",
        "      Zeit [min:s]                                                      ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                                                                        ",
    },
    // f5bj: rules 31, 38, 45, 53, 59, 65
    {
        " Zeit Tordurchfl.[s] ³ Zeit Landung [s] ³  Abstand[cm]  ³  Drehung [°]  ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                     ³                  ³               ³               ",
        "   Flugzeit bis Tordurchflug [s]   ³      Flugzeit bis Landung [s]      ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                                   ³                                    ",
    },
    // f5bj_bonus: rules 72, 83
    {
        "Zeit Tordurchfl.[s] ³Zeit Landung [s] ³Abstand[cm] ³ Bonus ³Drehung [°] ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                    ³                 ³            ³       ³            ",
        "   Flugzeit bis Tordurchflug [s]   ³      Flugzeit bis Landung [s]      ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                                   ³                                    ",
    },
    // landung: rules 78, 79, 81
    {
        "    (ggf. Zeit [s])    ³     Abstand [cm]      ³        Landung         ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                       ³                       ³                        ",
        "      Zeit [s]                                                          ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                                                                        ",
    },
    // anflug: rule 84
    {
        "    Anflug    ³   Landung    ³  k   ³  Zeit Tordrch.   ³   Zeit Land.   ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "              ³              ³      ³                  ³                ",
        "           Zeit Tordrch.           ³             Zeit Land.             ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "                                   ³                                    ",
    },
    // funfly: rules 85, 86, 87
    {
        "    Start    ³   Kreisen   ³  Vorbeiflug  ³   Landung    ³  Sicherheit  ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "             ³             ³              ³              ³              ",
        "    Start    ³   Kreisen   ³  Vorbeiflug  ³   Landung    ³  Sicherheit  ",
        "ÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄÅÄÄÄÄÄÄÄÄÄÄÄÄÄÄ",
        "             ³             ³              ³              ³              ",
    },
};
const int ListenLayoutsAnzahl = 12;

// ------------------------------------------------------------ rule table
// Nr, Name, EdvNr, Aktiv, Gruppenstart, PermntNullDurchg, AnzPunktrichter,
// {AnzVorrunden, AnzahlStreicher, AnzSeniorenFlyOff, AnzahlJugFlyOff,
//  AnzTeilnGruppe, AnzTeilnInEndRunde, AnzJugInEndRunde}, parameter family,
// column family, StartplatzStr, AnzGewerteteDurchg, AnzDurchgaenge,
// AnzGruppen, description, list layout.

const RegelZeile RegelZeilen[] = {
    {1, "Manuelle Auswertung", 6, true, 2, 0, 0, {3, 0, 0, 0, 8, 8, 8}, 'A', "K1", "Start-/Landepkt.", "(ZAHL_DURCHGAENGE DIV 2) + 1", 0, 1, 0, 0},
    {2, "Gesamtwertung", 8, true, 1, 0, 1, {4, 1, 0, 0, 8, 8, 8}, 'A', "K2", "-", "(ZAHL_DURCHGAENGE DIV 2) + 1", 0, 1, 1, 1},
    {3, "F5L (B-Mod 2025)", 10, true, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'B', "K3", "Startplatz", "ZAHL_DURCHGAENGE", 0, 1, 2, 2},
    {4, "F5J (B-Mod 2025)", 11, true, 0, 2, 1, {6, 1, 2, 0, 8, 8, 8}, 'C', "K4", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 3, 4},
    {5, "F3L (B-Mod 2025)", 10, true, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'D', "K3", "Startplatz", "ZAHL_DURCHGAENGE", 0, 1, 4, 2},
    {6, "F3J (B-Mod 2025)", 4, true, 0, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'E', "K5", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 5, 5},
    {7, "F3B-J (B-Mod 2025)", 12, true, 3, 0, 1, {5, 0, 2, 0, 8, 8, 8}, 'F', "K6", "Landeplatz", "ZAHL_DURCHGAENGE", 0, 1, 6, 6},
    {8, "F3B-A Elektro (B-Mod 2025)", 14, true, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'G', "K4", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 7, 4},
    {9, "F3B-A (B-Mod 2025)", 1, true, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'H', "K3", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 8, 2},
    {10, "F3B-J (B-Mod 2024)", 12, false, 3, 0, 1, {5, 0, 2, 0, 8, 8, 8}, 'F', "K6", "Landeplatz", "ZAHL_DURCHGAENGE", 0, 1, 6, 6},
    {11, "F3-RES (B-Mod 2025)", 10, false, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'D', "K3", "Startplatz", "ZAHL_DURCHGAENGE", 0, 1, 9, 2},
    {12, "F3J (B-Mod 2024)", 4, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'E', "K5", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 5, 5},
    {13, "F5J (B-Mod 2024)", 11, false, 3, 2, 1, {6, 1, 2, 0, 8, 8, 8}, 'C', "K4", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 3, 4},
    {14, "F3B-A (B-Mod 2024)", 1, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'H', "K3", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 8, 2},
    {15, "F3B-A Elektro (B-Mod 2024)", 14, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'G', "K4", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 7, 4},
    {16, "F3-RES (B-Mod 2024)", 10, false, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'D', "K3", "Startplatz", "ZAHL_DURCHGAENGE", 0, 1, 9, 2},
    {17, "F3L (B-Mod 2024)", 10, false, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'D', "K3", "Startplatz", "ZAHL_DURCHGAENGE", 0, 1, 9, 2},
    {18, "F3B-J (B-Mod 2023)", 12, false, 3, 0, 1, {5, 0, 2, 0, 8, 8, 8}, 'F', "K6", "Landeplatz", "ZAHL_DURCHGAENGE", 0, 1, 6, 6},
    {19, "F3J (B-Mod 2023)", 4, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'E', "K5", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 5, 5},
    {20, "F5J (B-Mod 2023)", 11, false, 3, 0, 1, {6, 1, 2, 0, 8, 8, 8}, 'C', "K4", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 3, 4},
    {21, "F3B-A (B-Mod 2023)", 1, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'H', "K3", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 8, 2},
    {22, "F3B-A Elektro (B-Mod 2023)", 14, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'G', "K4", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 7, 4},
    {23, "F3-RES (B-Mod 2023)", 10, false, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'D', "K3", "Startplatz", "ZAHL_DURCHGAENGE", 0, 1, 9, 2},
    {24, "F3L (B-Mod 2023)", 10, false, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'D', "K3", "Startplatz", "ZAHL_DURCHGAENGE", 0, 1, 9, 2},
    {25, "F3B-J (B-Mod 2022)", 12, false, 3, 0, 1, {5, 0, 2, 0, 8, 8, 8}, 'F', "K6", "Landeplatz", "ZAHL_DURCHGAENGE", 0, 1, 6, 6},
    {26, "F3J (B-Mod 2022)", 4, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'E', "K5", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 5, 5},
    {27, "F5J (B-Mod 2022)", 11, false, 3, 0, 1, {5, 1, 2, 0, 8, 8, 8}, 'C', "K4", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 3, 4},
    {28, "F3B-A (B-Mod 2022)", 1, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'H', "K3", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 8, 2},
    {29, "F3B-A Elektro (B-Mod 2022)", 14, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'G', "K4", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 7, 4},
    {30, "F3-RES (B-Mod 2022)", 10, false, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'D', "K3", "Startplatz", "ZAHL_DURCHGAENGE", 0, 1, 9, 2},
    {31, "F5B-J (B-Mod 2019)", 13, false, 2, 0, 1, {3, 0, 0, 0, 8, 8, 8}, 'I', "K7", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 10, 7},
    {32, "F3B-J (B-Mod 2019)", 12, false, 3, 0, 1, {5, 0, 2, 0, 8, 8, 8}, 'F', "K6", "Landeplatz", "ZAHL_DURCHGAENGE", 0, 1, 6, 6},
    {33, "F3J (B-Mod 2019)", 4, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'E', "K5", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 5, 5},
    {34, "F5J (B-Mod 2019)", 11, false, 3, 0, 1, {5, 1, 2, 0, 8, 8, 8}, 'C', "K4", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 3, 4},
    {35, "F3B-A (B-Mod 2019)", 1, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'H', "K3", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 8, 2},
    {36, "F3B-A Elektro (B-Mod 2019)", 14, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'G', "K4", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 7, 4},
    {37, "F3-RES (B-Mod 2019)", 10, false, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'D', "K3", "Startplatz", "ZAHL_DURCHGAENGE", 0, 1, 9, 2},
    {38, "F5B-J (B-Mod 2020)", 13, false, 2, 0, 1, {3, 0, 0, 0, 8, 8, 8}, 'I', "K7", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 10, 7},
    {39, "F3B-J (B-Mod 2020)", 12, false, 3, 0, 1, {5, 0, 2, 0, 8, 8, 8}, 'F', "K6", "Landeplatz", "ZAHL_DURCHGAENGE", 0, 1, 6, 6},
    {40, "F3J (B-Mod 2020)", 4, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'E', "K5", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 5, 5},
    {41, "F5J (B-Mod 2020)", 11, false, 3, 0, 1, {5, 1, 2, 0, 8, 8, 8}, 'C', "K4", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 3, 4},
    {42, "F3B-A (B-Mod 2020)", 1, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'H', "K3", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 8, 2},
    {43, "F3B-A Elektro (B-Mod 2020)", 14, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'G', "K4", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 7, 4},
    {44, "F3-RES (B-Mod 2020)", 10, false, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'D', "K3", "Startplatz", "ZAHL_DURCHGAENGE", 0, 1, 9, 2},
    {45, "F5B-J (B-Mod 2018)", 13, false, 2, 0, 1, {3, 0, 0, 0, 8, 8, 8}, 'I', "K7", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 10, 7},
    {46, "F3B-J (B-Mod 2018)", 12, false, 3, 0, 1, {5, 0, 2, 0, 8, 8, 8}, 'F', "K6", "Landeplatz", "ZAHL_DURCHGAENGE", 0, 1, 6, 6},
    {47, "F3J (B-Mod 2018)", 4, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'E', "K5", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 5, 5},
    {48, "F5J (B-Mod 2018)", 11, false, 3, 0, 1, {5, 1, 2, 0, 8, 8, 8}, 'C', "K4", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 3, 4},
    {49, "F3B-A (B-Mod 2018)", 1, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'H', "K3", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 8, 2},
    {50, "F3B-A Elektro (B-Mod 2018)", 14, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'G', "K4", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 7, 4},
    {51, "F3-RES (B-Mod 2018)", 10, false, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'D', "K3", "Startplatz", "ZAHL_DURCHGAENGE", 0, 1, 9, 2},
    {52, "F5J (B-Mod 2017)", 11, false, 3, 0, 1, {5, 1, 2, 0, 8, 8, 8}, 'C', "K4", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 3, 4},
    {53, "F5B-J (B-Mod 2017)", 13, false, 2, 0, 1, {3, 0, 0, 0, 8, 8, 8}, 'I', "K7", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 10, 7},
    {54, "F3J (B-Mod 2017)", 4, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'E', "K5", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 5, 5},
    {55, "F3-RES (B-Mod 2017)", 10, false, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'D', "K3", "Startplatz", "ZAHL_DURCHGAENGE", 0, 1, 9, 2},
    {56, "F3B-J (B-Mod 2017)", 12, false, 3, 0, 1, {5, 0, 2, 0, 8, 8, 8}, 'F', "K6", "Landeplatz", "ZAHL_DURCHGAENGE", 0, 1, 6, 6},
    {57, "F3B-A (B-Mod 2017)", 1, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'H', "K3", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 8, 2},
    {58, "F5J (B-Mod 2016)", 11, false, 3, 0, 1, {5, 1, 2, 0, 8, 8, 8}, 'C', "K8", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 3, 4},
    {59, "F5B-J (B-Mod 2016)", 13, false, 2, 0, 1, {3, 0, 0, 0, 8, 8, 8}, 'I', "K7", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 10, 7},
    {60, "F3J (B-Mod 2016)", 4, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'E', "K5", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 5, 5},
    {61, "F3B-RES (B-Mod 2016)", 10, false, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'D', "K3", "Startplatz", "ZAHL_DURCHGAENGE", 0, 1, 9, 2},
    {62, "F3B-J (B-Mod 2016)", 12, false, 3, 0, 1, {5, 0, 2, 0, 8, 8, 8}, 'F', "K6", "Landeplatz", "ZAHL_DURCHGAENGE", 0, 1, 6, 6},
    {63, "F3B-A (B-Mod 2016)", 1, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'H', "K3", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 8, 2},
    {64, "F5J (B-Mod 2015)", 11, false, 3, 0, 1, {5, 1, 2, 0, 8, 8, 8}, 'C', "K8", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 3, 4},
    {65, "F5B-J (B-Mod 2015)", 13, false, 2, 0, 1, {3, 0, 0, 0, 8, 8, 8}, 'I', "K7", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 10, 7},
    {66, "F3J (B-Mod 2015)", 4, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'E', "K5", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 5, 5},
    {67, "F3B-RES (B-Mod 2015)", 10, false, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'D', "K3", "Startplatz", "ZAHL_DURCHGAENGE", 0, 1, 9, 2},
    {68, "F3B-J (B-Mod 2015)", 12, false, 3, 0, 1, {5, 0, 2, 0, 8, 8, 8}, 'F', "K6", "Landeplatz", "ZAHL_DURCHGAENGE", 0, 1, 6, 6},
    {69, "F3B-A (B-Mod 2015)", 1, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'H', "K3", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 8, 2},
    {70, "F3B-A (B-Mod 2014)", 1, false, 3, 0, 1, {5, 0, 1, 0, 8, 8, 8}, 'H', "K3", "Landepunkt", "ZAHL_DURCHGAENGE", 0, 1, 11, 2},
    {71, "F3B-RES (B-Mod 2014)", 10, false, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'D', "K3", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 9, 2},
    {72, "F5B-J (B-Mod 2014)", 7, false, 2, 0, 1, {3, 0, 0, 0, 8, 8, 8}, 'I', "K9", "Landeplatz", "ZAHL_DURCHGAENGE", 0, 1, 12, 8},
    {73, "F5J (B-Mod 2014)", 11, false, 3, 0, 1, {5, 1, 2, 0, 8, 8, 8}, 'C', "K8", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 3, 4},
    {74, "F3B-A B-Mod 07", 1, false, 0, 0, 1, {3, 0, 2, 1, 8, 8, 8}, 'J', "K3", "Landepunkt", "(ZAHL_DURCHGAENGE DIV 2) + 1", 0, 1, 11, 3},
    {75, "F3B-A B-Mod 08", 1, false, 3, 0, 1, {3, 0, 2, 1, 8, 8, 8}, 'J', "K3", "Landepunkt", "(ZAHL_DURCHGAENGE DIV 2) + 1", 0, 1, 11, 2},
    {76, "F3B-A B-Mod 2010", 1, false, 3, 0, 1, {3, 0, 2, 1, 8, 8, 8}, 'K', "K3", "Landepunkt", "(ZAHL_DURCHGAENGE DIV 2) + 1", 0, 1, 11, 2},
    {77, "F3B-A B-Mod 2011", 1, false, 3, 0, 1, {3, 0, 2, 1, 8, 8, 8}, 'H', "K3", "Landepunkt", "(ZAHL_DURCHGAENGE DIV 2) + 1", 0, 1, 11, 2},
    {78, "F3B-E Bavarian Open", 3, false, 2, 0, 0, {3, 1, 0, 0, 8, 8, 8}, 'L', "K10", "Landepunkt", "(ZAHL_DURCHGAENGE DIV 2) + 1", 0, 1, 13, 9},
    {79, "F3B-E B-Mod 99", 2, false, 2, 0, 1, {3, 1, 0, 0, 8, 8, 8}, 'M', "K11", "Landepunkt", "3", 0, 1, 14, 9},
    {80, "F3B-RES 2013", 10, false, 3, 0, 1, {4, 0, 2, 0, 5, 5, 5}, 'D', "K3", "Startplatz", "ZAHL_DURCHGAENGE", 0, 1, 9, 2},
    {81, "F3B-e (B. Open/2 Punktr.)", 3, false, 2, 0, 2, {3, 1, 0, 0, 8, 8, 8}, 'N', "K12", "Landekreis", "3", 3, 10, 15, 9},
    {82, "F3J B-Mod 99", 4, false, 0, 0, 1, {5, 0, 2, 2, 8, 8, 8}, 'O', "K13", "Landepunkt", "Spezial(F3J)", 0, 0, 16, 5},
    {83, "F5B-J Bavarian Open", 7, false, 2, 0, 1, {3, 0, 0, 0, 8, 8, 8}, 'P', "K14", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 17, 8},
    {84, "F5B-J mod. Landung", 9, false, 2, 0, 0, {3, 0, 0, 0, 8, 8, 8}, 'Q', "K15", "Startstelle", "ZAHL_DURCHGAENGE", 0, 1, 18, 10},
    {85, "Oldtimer Funfly", 5, false, 2, 0, 0, {3, 1, 0, 0, 8, 8, 8}, 'N', "K16", "-", "(ZAHL_DURCHGAENGE DIV 2) + 1", 0, 1, 19, 11},
    {86, "Oldi Funfly (3 Drchg.)", 5, false, 2, 0, 3, {3, 1, 0, 0, 8, 8, 8}, 'N', "K12", "-", "3", 3, 10, 15, 11},
    {87, "Oldi Funfly (5 Drchg.)", 5, false, 2, 0, 3, {3, 1, 0, 0, 8, 8, 8}, 'N', "K12", "-", "3", 5, 10, 15, 11},
};

} // namespace tavuran::regeldaten
