#include "live/LiveFelder.h"

namespace tavuran {

std::vector<std::string_view> LiveTabFelder(std::string_view z) {
    std::vector<std::string_view> f;
    std::size_t a = 0;
    for (;;) {
        const std::size_t t = z.find('\t', a);
        f.push_back(z.substr(a, t == std::string_view::npos ? std::string_view::npos : t - a));
        if (t == std::string_view::npos) break;
        a = t + 1;
    }
    return f;
}

bool LiveGanzzahl(std::string_view s, int& wert) {
    if (s.empty() || s.size() > 9) return false;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    wert = v;
    return true;
}

} // namespace tavuran
