#include "netz/LiveServer.h"

#include <QTcpServer>
#include <QTcpSocket>

#include "live/HttpAnfrage.h"

namespace tavuran {

namespace {

// Connections beyond this are closed at once (a contest has up to 200 phones,
// each with a page and a stream open).
constexpr int MaxVerbindungen = 600;
// A connection that sends nothing for this long is closed (streams excepted).
constexpr int LeerlaufMs = 30000;

std::string AdresseText(const QHostAddress& a) {
    bool v4 = false;
    const quint32 ip4 = a.toIPv4Address(&v4);
    return v4 ? QHostAddress(ip4).toString().toStdString() : a.toString().toStdString();
}

} // namespace

struct LiveServer::Verbindung {
    HttpLeser Leser;
    bool Strom = false; // an open stream of events
    bool Ende = false;  // refused: the answer is sent, nothing more is read
    QTimer Leerlauf;
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
        v->Leerlauf.setInterval(LeerlaufMs);
        connect(&v->Leerlauf, &QTimer::timeout, this, [this, s] { Schliessen(s); });
        v->Leerlauf.start();
        Verbindungen_[s] = std::move(v);
        connect(s, &QTcpSocket::readyRead, this, [this, s] { Lesen(s); });
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
        const bool schliessen = r.Schliessen;
        const std::string bytes = HttpAntwortBytes(a, schliessen && !a.Ereignisstrom, r.Methode == "HEAD");
        s->write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (a.Ereignisstrom) {
            v.Strom = true;
            v.Leerlauf.stop();
            return;
        }
        if (schliessen) {
            s->disconnectFromHost();
            return;
        }
        z = v.Leser.Weiter();
    }
    if (z == HttpLeser::Zustand::Fehler) {
        const HttpAntwort a = LiveAblehnung(v.Leser.FehlerStatus());
        const std::string bytes = HttpAntwortBytes(a, true);
        s->write(bytes.data(), static_cast<qint64>(bytes.size()));
        s->disconnectFromHost();
        v.Leerlauf.stop();
        v.Ende = true;
    }
}

void LiveServer::Geaendert() {
    Dienst_.Geaendert();
    const std::string e = Dienst_.Ereignis();
    for (const auto& [s, v] : Verbindungen_)
        if (v->Strom && s->state() == QAbstractSocket::ConnectedState) s->write(e.data(), static_cast<qint64>(e.size()));
}

void LiveServer::Herzschlag() {
    // A comment line keeps the streams open through routers that drop quiet connections.
    for (const auto& [s, v] : Verbindungen_)
        if (v->Strom && s->state() == QAbstractSocket::ConnectedState) s->write(": \n\n", 4);
}

} // namespace tavuran
