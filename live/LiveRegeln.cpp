#include "live/LiveRegeln.h"

namespace tavuran {

namespace {
constexpr auto Minute = std::chrono::seconds(60);
}

void LiveZaehler::Aufraeumen(Zeitpunkt Jetzt) {
    for (auto it = Zuletzt_.begin(); it != Zuletzt_.end();)
        it = Jetzt - it->second >= Minute ? Zuletzt_.erase(it) : std::next(it);
    for (auto it = Eingaben_.begin(); it != Eingaben_.end();) {
        while (!it->second.empty() && Jetzt - it->second.front() >= Minute) it->second.pop_front();
        it = it->second.empty() ? Eingaben_.erase(it) : std::next(it);
    }
}

void LiveZaehler::Anfrage(const std::string& Adresse, Zeitpunkt Jetzt) {
    Aufraeumen(Jetzt);
    Zuletzt_[Adresse] = Jetzt;
}

bool LiveZaehler::EingabeErlaubt(const std::string& Adresse, Zeitpunkt Jetzt) {
    Aufraeumen(Jetzt);
    std::deque<Zeitpunkt>& d = Eingaben_[Adresse];
    if (static_cast<int>(d.size()) >= LiveMaxEingabenProMinute) return false;
    d.push_back(Jetzt);
    return true;
}

int LiveZaehler::TelefoneLetzteMinute(Zeitpunkt Jetzt) {
    Aufraeumen(Jetzt);
    return static_cast<int>(Zuletzt_.size());
}

} // namespace tavuran
