#include "exchange/ShortenName.h"

#include <array>
#include <utility>

#include "core/DatenTeilnehmer.h"
#include "core/L_STR.h"

namespace tavuran {

namespace {

// Applied in this order: the longer words before the words they begin with.
constexpr std::array<std::pair<std::string_view, std::string_view>, 24> ReplaceNameList{{
    {"Modellflugclub", "MFC"},
    {"Modellflugvereinigung", "MFV"},
    {"Modellflugverein", "MFV"},
    {"Modellfliegerclub", "MFC"},
    {"Modellfliegervereinigung", "MFV"},
    {"Modellfliegerverein", "MFV"},
    {"Modellflugklub", "MFK"},
    {"Modellfliegerklub", "MFK"},
    {"Modellfluggemeinschaft", "MFG"},
    {"Modellfliegergemeinschaft", "MFG"},
    {"Luftsport-Verband", "LV"},
    {"Luftsportverband", "LV"},
    {"Landes-Verband", "LV"},
    {"Landesverband", "LV"},
    {"Luftsportbund", "LSB"},
    {"Luftsportclub", "LSC"},
    {"Luftsportvereinigung", "LSV"},
    {"Luftsportverein", "LSV"},
    {"Luftsportgruppe", "LSG"},
    {"Flugsportclub", "FSC"},
    {"Flugsportvereinigung", "FSV"},
    {"Flugsportverein", "FSV"},
    {"Flugsportgruppe", "FSG"},
    {"e.V.", " "},
}};

} // namespace

std::string ShortName(std::string_view Text) {
    std::string t(Text);
    for (const auto& [suche, ersatz] : ReplaceNameList) {
        t = L_STR_SearchAndReplace(t, suche, ersatz);
        t = L_STR_SearchAndReplace(t, L_STR_Upcase(suche), ersatz);
    }
    return L_STR_Unblank(t);
}

std::string CutString(std::string_view Text, int MaxLen) {
    std::string t = L_STR_Unblank(Text);
    if (L_STR_Length(t) > 12) {
        t = L_STR_SearchAndReplace(t, "-", " ");
        t = L_STR_SearchAndReplace(t, "_", " ");
        std::string neu;
        std::string rest = L_STR_Unblank(t);
        while (!rest.empty()) {
            std::string wort = L_STR_GetStrUntilBlank(rest);
            rest = L_STR_Unblank(L_STR_GetStrAfterBlank(rest));
            if (wort.empty()) continue;
            if (L_STR_Length(wort) > 4) wort = L_STR_Downcase(wort);
            if (!neu.empty()) neu += ' ';
            neu += wort;
        }
        t = neu;
    }
    if (MaxLen >= 1 && L_STR_Length(t) > static_cast<std::size_t>(MaxLen))
        t = L_STR_UnblankRight(L_STR_Copy(t, 1, MaxLen - 1)) + ".";
    return t;
}

std::string CutTeilnNameStr(const NameTyp& Name, bool NachnameZuerst) {
    return CutString(CnvNameTypToNameStr(&Name, NachnameZuerst), 22);
}

std::string CutVereinNameStr(std::string_view Text) { return CutString(ShortName(Text), 20); }

} // namespace tavuran
