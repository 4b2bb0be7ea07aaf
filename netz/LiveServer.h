// The web server of the live pages. It listens on a TCP port in the
// program's event loop, reads each connection's bytes through the live
// request reader (64 KB at most, refused before more is read), lets the live
// service answer, and keeps the streams of server-sent events open to tell
// every phone when the competition changed. Nothing runs on another thread:
// every request is answered on the thread that owns the competition. An
// answer goes out in pieces as the phone takes it, from the page the service
// keeps: a slow phone costs a small window of memory, not a copy of the page.
//
// Qt's HttpServer module of Debian 12 (6.4) is not used: it hands a request
// over only after it has buffered the whole body, with no limit, and it has
// no way to keep an answer open for a stream of events.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>

#include <map>
#include <memory>

#include "live/LiveDienst.h"

class QTcpServer;
class QTcpSocket;

namespace tavuran {

class LiveServer : public QObject {
    Q_OBJECT
  public:
    explicit LiveServer(QObject* Eltern = nullptr);
    ~LiveServer() override;

    LiveDienst& Dienst() { return Dienst_; }

    // Listens on the address (Any: every interface) and port (0: one the
    // system chooses). False with a German reason.
    bool Starten(const QHostAddress& Adresse, quint16 Port, QString& Grund);
    void Stoppen();
    bool Laeuft() const;
    quint16 Port() const;

    // A connection that asks nothing for this long, and takes nothing of its
    // answers, is closed (streams excepted); for connections opened from now on.
    void LeerlaufSetzen(int Ms) { LeerlaufMs_ = Ms; }

    // The competition changed: pages anew, and every open stream is told.
    void Geaendert();
    // Phones that asked within the last minute.
    int TelefoneLetzteMinute();
    // Open connections and event streams (for the status line and the tests).
    int Verbindungen() const { return static_cast<int>(Verbindungen_.size()); }
    int Stroeme() const;
    // Bytes the connections hold that phones have not yet taken: in the
    // sockets' buffers and in answers of their own still to be sent (the
    // kept pages they send from are counted once, by the live service).
    std::size_t Ausstehend() const;

  signals:
    // A submission went into the journal.
    void NeuerEingang(int Id);

  private:
    struct Verbindung;
    void Neu();
    void Lesen(QTcpSocket* s);
    void Schliessen(QTcpSocket* s);
    void Herzschlag();
    // Queues an answer on the connection, to be sent after those before it.
    void Senden(Verbindung& v, const HttpAntwort& a, bool Schliessen, bool OhneRumpf);
    // Hands the socket the next pieces of what the connection has to send,
    // as far as its window allows; closes a connection whose last answer is sent.
    void Fuellen(QTcpSocket* s, Verbindung& v);
    // The socket passed bytes on to the phone.
    void Weiter(QTcpSocket* s);
    // An event (or the keep-alive comment) on an open stream.
    void Melden(QTcpSocket* s, Verbindung& v, const std::string& Text);

    LiveDienst Dienst_;
    std::unique_ptr<QTcpServer> Server_;
    std::map<QTcpSocket*, std::unique_ptr<Verbindung>> Verbindungen_;
    QTimer Herz_;
    int LeerlaufMs_ = 30000;
};

} // namespace tavuran
