// The user's known folders as the platform names them. Texts end with the
// path delimiter; an empty text means the platform knows no such folder.
#pragma once

#include <string>

namespace tavuran {

std::string GetDocumentsPath();
std::string GetDownloadsPath();
std::string GetHomePath();

// Replaces the folders the platform reports (empty text: back to the
// platform's own). The test programs use this to work in a scratch folder.
void SetDocumentsPathOverride(const std::string& Ordner);
void SetDownloadsPathOverride(const std::string& Ordner);

} // namespace tavuran
