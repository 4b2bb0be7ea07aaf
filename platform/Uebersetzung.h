// German texts for the toolkit's own captions (standard buttons, file dialog).
#pragma once

class QCoreApplication;

namespace tavuran {

// Sets the German locale and loads the toolkit's German translations when
// they are installed. Returns true when they were found.
bool DeutscheOberflaeche(QCoreApplication& App);

} // namespace tavuran
