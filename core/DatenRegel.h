// Lifecycle of a rule record. The catalogue and the lookups by name live with
// the rules.
#pragma once

#include "core/DatenTypen.h"

namespace tavuran {

RegelTyp* DatenRegelNew();
void DatenRegelDefault(RegelTyp* RegelPtr);
// Copies every field, the `next` link included.
void DatenRegelCopy(RegelTyp* RegelDestPtr, const RegelTyp* RegelSrcPtr);
// Frees one record; nil does nothing.
void DatenRegelDispose(RegelTyp*& RegelPtr);

} // namespace tavuran
