// A window timer: calls its handler every `Intervall` milliseconds on the
// user-interface thread. A tick that comes while the handler still runs (for
// example while it waits in a modal dialog) is skipped, so handlers never overlap.
#pragma once

#include <functional>

#include <QObject>

class QTimer;

namespace tavuran {

class Zeitgeber : public QObject {
    Q_OBJECT
  public:
    Zeitgeber(QObject* Eltern, int Intervall, std::function<void()> Handler);
    void Start();
    void Stop();
    bool Laeuft() const;
    int Intervall() const;

  private:
    void Tick();
    QTimer* timer_;
    std::function<void()> handler_;
    bool imHandler_ = false;
};

} // namespace tavuran
