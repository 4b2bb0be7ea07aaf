#include "netz/LiveServer.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <deque>
#include <string_view>

#include "live/HttpAnfrage.h"

namespace tavuran {

namespace {

// Connections beyond this are closed at once (a contest has up to 200 phones,
// each with a page and a stream open).
constexpr int MaxVerbindungen = 600;
// A connection's answers go to its socket in pieces as the phone takes them,
// with about this much waiting in the socket: a result list of megabytes
// is not copied whole into the buffer of each of 200 phones.
constexpr qint64 Fenster = 64 * 1024;
constexpr std::size_t Stueck = 16 * 1024;

std::string AdresseText(const QHostAddress& a) {
    bool v4 = false;
    const quint32 ip4 = a.toIPv4Address(&v4);
    return v4 ? QHostAddress(ip4).toString().toStdString() : a.toString().toStdString();
}

// What a connection still has to send, in the order of its answers: the
// heads and small bodies as bytes of their own, a kept page shared with the
// live service and every other answer that sends it.
struct Ausgabe {
    std::string Eigen;
    std::shared_ptr<const std::string> Geteilt;
    std::size_t Gesendet = 0;
    std::string_view Bytes() const { return Geteilt ? std::string_view(*Geteilt) : std::string_view(Eigen); }
};

} // namespace

struct LiveServer::Verbindung {
    HttpLeser Leser;
    bool Strom = false; // an open stream of events
    bool Ende = false;  // the last answer is on its way: nothing more is read
    QTimer Leerlauf;
    std::deque<Ausgabe> Ausstehend;
};

LiveServer::LiveServer(QObject* Eltern) : QObject(Eltern) {
    Dienst_.NeuerEingang = [this](const EingangTyp& e) { emit NeuerEingang(e.Id); };
    Herz_.setInterval(15000);
    connect(&Herz_, &QTimer::timeout, this, &LiveServer::Herzschlag);
}

LiveServer::~LiveServer() { Stoppen(); }

bool LiveServer::Starten(const QHostAddress& Adresse, quint16 Port, QString& Grund) {
    Stoppen();
    auto s = std::make_unique<QTcpServer>();
    if (!s->listen(Adresse, Port)) {
        Grund = QString("Der Server kann nicht auf Port %1 lauschen: %2").arg(Port).arg(s->errorString());
        return false;
    }
    connect(s.get(), &QTcpServer::newConnection, this, &LiveServer::Neu);
    Server_ = std::move(s);
    Herz_.start();
    return true;
}

void LiveServer::Stoppen() {
    Herz_.stop();
    if (Server_) Server_->close();
    Server_.reset();
    while (!Verbindungen_.empty()) Schliessen(Verbindungen_.begin()->first);
}

bool LiveServer::Laeuft() const { return Server_ && Server_->isListening(); }

quint16 LiveServer::Port() const { return Server_ ? Server_->serverPort() : 0; }

int LiveServer::Stroeme() const {
    int n = 0;
    for (const auto& [s, v] : Verbindungen_) n += v->Strom ? 1 : 0;
    return n;
}

int LiveServer::TelefoneLetzteMinute() { return Dienst_.TelefoneLetzteMinute(std::chrono::steady_clock::now()); }

void LiveServer::Neu() {
    while (Server_ && Server_->hasPendingConnections()) {
        QTcpSocket* s = Server_->nextPendingConnection();
        if (static_cast<int>(Verbindungen_.size()) >= MaxVerbindungen) {
            s->abort();
            s->deleteLater();
            continue;
        }
        auto v = std::make_unique<Verbindung>();
        v->Leerlauf.setSingleShot(true);
        v->Leerlauf.setInterval(LeerlaufMs_);
        connect(&v->Leerlauf, &QTimer::timeout, this, [this, s] { Schliessen(s); });
        v->Leerlauf.start();
        Verbindungen_[s] = std::move(v);
        connect(s, &QTcpSocket::readyRead, this, [this, s] { Lesen(s); });
        connect(s, &QTcpSocket::bytesWritten, this, [this, s] { Weiter(s); });
        connect(s, &QTcpSocket::disconnected, this, [this, s] { Schliessen(s); });
        Lesen(s);
    }
}

void LiveServer::Schliessen(QTcpSocket* s) {
    auto it = Verbindungen_.find(s);
    if (it == Verbindungen_.end()) return;
    Verbindungen_.erase(it);
    s->disconnect(this);
    s->close();
    s->deleteLater();
}

void LiveServer::Lesen(QTcpSocket* s) {
    auto it = Verbindungen_.find(s);
    if (it == Verbindungen_.end()) return;
    Verbindung& v = *it->second;
    const QByteArray b = s->readAll();
    if (v.Strom || v.Ende) return; // a stream only listens
    v.Leerlauf.start();
    HttpLeser::Zustand z = v.Leser.Lesen(std::string_view(b.constData(), static_cast<std::size_t>(b.size())));
    while (z == HttpLeser::Zustand::Fertig) {
        const HttpAnfrage& r = v.Leser.Anfrage();
        HttpAntwort a = Dienst_.Beantworten(r, AdresseText(s->peerAddress()), std::chrono::steady_clock::now());
        const bool schliessen = r.Schliessen && !a.Ereignisstrom;
        Senden(v, a, schliessen, r.Methode == "HEAD");
        if (a.Ereignisstrom) {
            v.Strom = true;
            v.Leerlauf.stop();
            break;
        }
        if (schliessen) {
            v.Ende = true;
            break;
        }
        z = v.Leser.Weiter();
    }
    if (z == HttpLeser::Zustand::Fehler) {
        Senden(v, LiveAblehnung(v.Leser.FehlerStatus()), true, false);
        v.Ende = true;
    }
    Fuellen(s, v);
}

void LiveServer::Senden(Verbindung& v, const HttpAntwort& a, bool Schliessen, bool OhneRumpf) {
    Ausgabe kopf;
    kopf.Eigen = HttpAntwortKopf(a, Schliessen);
    if (!OhneRumpf && !a.Seite) kopf.Eigen += a.Rumpf;
    v.Ausstehend.push_back(std::move(kopf));
    if (!OhneRumpf && a.Seite && !a.Seite->empty()) {
        Ausgabe seite;
        seite.Geteilt = a.Seite;
        v.Ausstehend.push_back(std::move(seite));
    }
}

void LiveServer::Fuellen(QTcpSocket* s, Verbindung& v) {
    if (s->state() != QAbstractSocket::ConnectedState) return;
    while (!v.Ausstehend.empty() && s->bytesToWrite() < Fenster) {
        Ausgabe& a = v.Ausstehend.front();
        const std::string_view b = a.Bytes();
        const std::size_t n = std::min(Stueck, b.size() - a.Gesendet);
        s->write(b.data() + a.Gesendet, static_cast<qint64>(n));
        a.Gesendet += n;
        if (a.Gesendet >= b.size()) v.Ausstehend.pop_front();
    }
    // The last answer of a connection that asked to be closed, or of a refused one, is all in the socket.
    if (v.Ausstehend.empty() && v.Ende) {
        v.Leerlauf.stop();
        s->disconnectFromHost();
    }
}

void LiveServer::Weiter(QTcpSocket* s) {
    auto it = Verbindungen_.find(s);
    if (it == Verbindungen_.end()) return;
    Verbindung& v = *it->second;
    if (v.Ausstehend.empty()) return;
    // The phone takes its answer: it is not idle.
    if (!v.Strom) v.Leerlauf.start();
    Fuellen(s, v);
}

std::size_t LiveServer::Ausstehend() const {
    std::size_t n = 0;
    for (const auto& [s, v] : Verbindungen_) {
        n += static_cast<std::size_t>(s->bytesToWrite());
        for (const Ausgabe& a : v->Ausstehend)
            if (!a.Geteilt) n += a.Eigen.size() - a.Gesendet;
    }
    return n;
}

void LiveServer::Geaendert() {
    Dienst_.Geaendert();
    const std::string e = Dienst_.Ereignis();
    for (const auto& [s, v] : Verbindungen_) Melden(s, *v, e);
}

void LiveServer::Melden(QTcpSocket* s, Verbindung& v, const std::string& Text) {
    if (!v.Strom || s->state() != QAbstractSocket::ConnectedState) return;
    Ausgabe a;
    a.Eigen = Text;
    v.Ausstehend.push_back(std::move(a));
    Fuellen(s, v);
}

void LiveServer::Herzschlag() {
    // A comment line keeps the streams open through routers that drop quiet connections.
    for (const auto& [s, v] : Verbindungen_) Melden(s, *v, ": \n\n");
}

} // namespace tavuran
