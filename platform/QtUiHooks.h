// Installs the toolkit's versions of the model's user hooks: messages,
// warnings and questions as modal message boxes; the status-bar redraw, the
// current competition and the save query come from the main window.
#pragma once

#include <functional>

#include "core/UiHooks.h"

class QWidget;

namespace tavuran {

struct QtUiHooksFenster {
    std::function<QWidget*()> Hauptfenster;                 // parent of the message boxes
    std::function<void()> StatusBarNeuZeichnen;
    std::function<WettbewerbTyp*()> AktuellerWettbewerb;
    std::function<UiAntwort(WettbewerbTyp*, bool)> SpeichernAbfrage;
};

void InstallQtUiHooks(const QtUiHooksFenster& Fenster);

} // namespace tavuran
