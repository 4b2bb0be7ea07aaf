// Opening a written file with the system's default program (a browser for an
// HTML page). Test programs install a handler instead, so that no program is
// started.
#pragma once

#include <functional>
#include <string>

namespace tavuran {

// Opens the file when it exists; nothing otherwise.
void StartupBrowser(const std::string& FileNameStr);

// A handler replaces the opening (empty function: the system again).
using StartupBrowserHandler = std::function<void(const std::string& FileNameStr)>;
void SetStartupBrowserHandler(StartupBrowserHandler Handler);

} // namespace tavuran
