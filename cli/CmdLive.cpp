// tavuran-cli live DATEI: serves the live pages and entry forms of a
// competition file until SIGINT or SIGTERM, and follows the file when it
// changes on disk (saved by the program or by "eingaenge --annehmen").
#ifdef TAVURAN_LIVE_SERVER

#include <sys/signalfd.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <ostream>
#include <sstream>

#include <QCoreApplication>
#include <QNetworkInterface>
#include <QSocketNotifier>
#include <QTimer>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "core/DatenWettbewerb.h"
#include "live/LiveZugang.h"
#include "netz/LiveServer.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran::cli {

namespace {

constexpr const char* Aufruf = "live DATEI [--port N] [--adresse A] [--nur-lesen]";

// Size and time of the last change of a file, to notice a new version.
struct DateiStand {
    std::uintmax_t Groesse = 0;
    std::filesystem::file_time_type Zeit{};
    bool operator==(const DateiStand&) const = default;
};

DateiStand StandVon(const std::string& Datei) {
    std::error_code ec;
    DateiStand s;
    s.Groesse = std::filesystem::file_size(Datei, ec);
    if (ec) return {};
    s.Zeit = std::filesystem::last_write_time(Datei, ec);
    return s;
}

int Live(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> port, adresse;
    bool nurLesen = false;
    std::vector<std::string> woerter;
    if (!ArgumenteLesen(args, {{{"--nur-lesen", &nurLesen}}, {{"--port", &port}, {"--adresse", &adresse}}}, woerter, err))
        return 2;
    int p = 8080;
    if (woerter.size() != 1) {
        err << "Aufruf: tavuran-cli " << Aufruf << "\n";
        return 2;
    }
    if (port) {
        const std::string& s = *port;
        if (s.empty() || s.size() > 5 || s.find_first_not_of("0123456789") != std::string::npos || std::stoi(s) > 65535) {
            err << "Nach --port muss eine Zahl von 0 bis 65535 folgen (0: ein freier Port).\n";
            return 2;
        }
        p = std::stoi(s);
    }
    QHostAddress a = QHostAddress::Any;
    if (adresse && !a.setAddress(QString::fromStdString(*adresse))) {
        err << "„" << *adresse << "“ ist keine IP-Adresse.\n";
        return 2;
    }
    const std::string datei = woerter[0];

    // SIGINT and SIGTERM arrive as readable data of a signal descriptor in the event loop.
    sigset_t maske;
    sigemptyset(&maske);
    sigaddset(&maske, SIGINT);
    sigaddset(&maske, SIGTERM);
    sigprocmask(SIG_BLOCK, &maske, nullptr);
    const int sfd = signalfd(-1, &maske, SFD_CLOEXEC);
    if (sfd < 0) {
        err << "Die Signale zum Beenden können nicht empfangen werden.\n";
        return 1;
    }
    struct Zu {
        int fd;
        ~Zu() { ::close(fd); }
    } zu{sfd};

    MeldungenAufStderr meldungen(err);
    WettbewerbTyp* w = nullptr;
    if (!WettbewerbLaden(datei, w, err)) return 1;
    WettbewerbFreigabe freigabe{w};
    WettbewerbModellNeuBerechnen(w, true);

    int argc = 1;
    char name[] = "tavuran-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    LiveServer server;
    server.Dienst().SetNurLesen(nurLesen);
    std::string grund;
    if (!server.Dienst().Oeffnen(w, datei, grund)) {
        err << grund << "\n";
        return 1;
    }
    QString g;
    if (!server.Starten(a, static_cast<quint16>(p), g)) {
        err << g.toStdString() << "\n";
        return 1;
    }
    if (a == QHostAddress::Any) {
        for (const QHostAddress& x : QNetworkInterface::allAddresses())
            if (x.protocol() == QAbstractSocket::IPv4Protocol)
                out << ZugangBasis(x.toString().toStdString(), server.Port()) << "/\n";
    } else {
        out << ZugangBasis(a.toString().toStdString(), server.Port()) << "/\n";
    }
    out << (nurLesen ? "Nur Ergebnisse (keine Eingabe). " : "") << "Beenden mit Strg+C.\n";
    out.flush();

    QSocketNotifier signal(sfd, QSocketNotifier::Read);
    QObject::connect(&signal, &QSocketNotifier::activated, &app, [&] {
        signalfd_siginfo info;
        (void)!::read(sfd, &info, sizeof info);
        app.quit();
    });
    // The file and the journal are looked at every second; a new version of
    // the file replaces the served competition, a changed journal is read again.
    const std::string journal = server.Dienst().Journal();
    const std::string zugang = ZugangDateiName(datei);
    DateiStand standDatei = StandVon(datei), standJournal = StandVon(journal), standZugang = StandVon(zugang);
    QTimer uhr;
    QObject::connect(&uhr, &QTimer::timeout, &app, [&] {
        std::string grund;
        if (const DateiStand s = StandVon(journal); !(s == standJournal)) {
            standJournal = s;
            if (!server.Dienst().JournalNeuLesen(grund)) err << "Hinweis: " << grund << "\n";
        }
        if (const DateiStand s = StandVon(zugang); !(s == standZugang)) {
            standZugang = s;
            if (!server.Dienst().ZugangNeuLesen(grund)) err << "Hinweis: " << grund << "\n";
        }
        const DateiStand s = StandVon(datei);
        if (s == standDatei) return;
        standDatei = s;
        WettbewerbTyp* neu = nullptr;
        std::ostringstream still;
        if (!WettbewerbLaden(datei, neu, still)) {
            err << "Hinweis: die geänderte Datei kann nicht gelesen werden; es bleibt der vorige Stand. "
                << still.str();
            return;
        }
        WettbewerbModellNeuBerechnen(neu, true);
        if (!server.Dienst().Oeffnen(neu, datei, grund)) {
            err << "Hinweis: " << grund << "\n";
            server.Dienst().Oeffnen(w, datei, grund);
            DatenWettbewerbDispose(neu);
            return;
        }
        DatenWettbewerbDispose(w);
        w = neu;
        server.Geaendert();
        err << "Hinweis: neuer Stand der Datei geladen.\n";
    });
    uhr.start(1000);
    app.exec();
    server.Stoppen();
    server.Dienst().Schliessen();
    out << "Beendet.\n";
    return 0;
}

const bool reg = BefehlRegistrieren({
    "live",
    Aufruf,
    "Zeigt die Live-Ergebnisse im Netz des Fluggeländes und nimmt Eingaben per\n"
    "Telefon an, bis Strg+C (SIGINT) oder SIGTERM kommt. Gibt beim Start die\n"
    "Adressen aus (\"http://A:N/\"). Die Eingaben kommen in das Eingangsbuch\n"
    "neben der Datei (DATEI.eingaenge), nie direkt in die Ergebnisse; eine\n"
    "geänderte Datei wird neu geladen.\n"
    "  --port N      der Port (ohne Angabe 8080, 0: ein freier Port)\n"
    "  --adresse A   nur auf dieser Adresse (ohne Angabe: auf allen)\n"
    "  --nur-lesen   nur Ergebnisse, keine Eingabe",
    Live,
});

} // namespace

} // namespace tavuran::cli

#endif
