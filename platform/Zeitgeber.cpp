#include "platform/Zeitgeber.h"

#include <QTimer>

namespace tavuran {

Zeitgeber::Zeitgeber(QObject* Eltern, int Intervall, std::function<void()> Handler)
    : QObject(Eltern), timer_(new QTimer(this)), handler_(std::move(Handler)) {
    timer_->setInterval(Intervall);
    connect(timer_, &QTimer::timeout, this, &Zeitgeber::Tick);
}

void Zeitgeber::Start() { timer_->start(); }
void Zeitgeber::Stop() { timer_->stop(); }
bool Zeitgeber::Laeuft() const { return timer_->isActive(); }
int Zeitgeber::Intervall() const { return timer_->interval(); }

void Zeitgeber::Tick() {
    if (imHandler_ || !handler_) return;
    imHandler_ = true;
    handler_();
    imHandler_ = false;
}

} // namespace tavuran
