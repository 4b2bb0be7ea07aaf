// Numbers as people read them.
#pragma once

#include <string>
#include <string_view>

namespace tavuran {

// A number text with every "." as the German decimal comma ("870.8" -> "870,8").
// The screen, the printed lists, HTML and CSV show values so; files and the
// command line's machine-readable outputs keep the point.
std::string PunktZuKomma(std::string_view Text);

} // namespace tavuran
