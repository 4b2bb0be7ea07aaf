// Counting what phones ask: at most 20 submissions per minute from one
// address, and how many phones asked in the last minute (the status bar).
#pragma once

#include <chrono>
#include <deque>
#include <map>
#include <string>

namespace tavuran {

inline constexpr int LiveMaxEingabenProMinute = 20;

class LiveZaehler {
  public:
    using Zeitpunkt = std::chrono::steady_clock::time_point;
    // A request from the address (for the phones of the last minute).
    void Anfrage(const std::string& Adresse, Zeitpunkt Jetzt);
    // A submission from the address: false when it already sent 20 in the
    // last minute (then it is refused and not counted again).
    bool EingabeErlaubt(const std::string& Adresse, Zeitpunkt Jetzt);
    // Addresses that asked within the last minute.
    int TelefoneLetzteMinute(Zeitpunkt Jetzt);

  private:
    void Aufraeumen(Zeitpunkt Jetzt);
    std::map<std::string, Zeitpunkt> Zuletzt_;
    std::map<std::string, std::deque<Zeitpunkt>> Eingaben_;
};

} // namespace tavuran
