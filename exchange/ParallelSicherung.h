// The name of the parallel copy as the dialog "Parallele Sicherung" stores it:
// a full path whose extension is ".wtb", whatever extension was typed.
#pragma once

#include <string>
#include <string_view>

namespace tavuran {

struct ParallelDateiErgebnis {
    bool Ok = false;
    std::string Name;   // the name to store (empty when none was given and saving is off)
    std::string Fehler; // why the input was refused, German
};

// The stored name for the typed text Eingabe. Blanks around it do not count;
// a relative name is taken below BasisOrdner (the current folder when that is
// empty); the folder is written in full and the last extension of the name is
// replaced by ".wtb". A text without a file name (empty, a folder, ".txt") is
// refused while parallel saving is on, since it would leave a hidden ".wtb"
// somewhere; with saving off it gives the empty name. With saving on, a name
// that is the competition file itself (WettbewerbDatei) is refused as well.
ParallelDateiErgebnis ParallelDateiName(std::string_view Eingabe, bool ParallelAn,
                                        std::string_view BasisOrdner, std::string_view WettbewerbDatei = {});

} // namespace tavuran
