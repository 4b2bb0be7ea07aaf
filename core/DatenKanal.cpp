#include "core/DatenKanal.h"

namespace tavuran {

namespace {
template <class T>
void ListeFreigeben(T*& root) {
    while (root) {
        T* weiter = root->next;
        delete root;
        root = weiter;
    }
}
} // namespace

void ClearKanalListe(WettbewerbTyp* comp) {
    if (comp) ListeFreigeben(comp->KanalRootPtr);
}

void KanalBelegungFromHeap(WettbewerbTyp* comp) {
    if (comp) ListeFreigeben(comp->BelegungRootPtr);
}

void FreeDoppelBelegung(WettbewerbTyp* comp) {
    if (comp) ListeFreigeben(comp->DoppelBelegungRootPtr);
}

} // namespace tavuran
