// File and path helpers over std::filesystem. Folder texts end with the path
// delimiter. Failures show only in the result; nothing throws.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tavuran {

inline constexpr char L_FILE_Delimiter = '/';

bool L_FILE_Exist(std::string_view f);
bool L_FILE_ExistDir(std::string_view d);
std::string L_FILE_GetFilePath(std::string_view f);
std::string L_FILE_GetFileName(std::string_view f);
std::string L_FILE_GetFileExt(std::string_view f);
std::string L_FILE_GetFullPath(std::string_view d);
std::string L_FILE_GetPurePath(std::string_view d);
bool L_FILE_MakeDirectory(std::string_view d);
std::int64_t L_FILE_CopyFile(std::string_view a, std::string_view b);
void L_FILE_DeleteFile(std::string_view f);
std::string L_FILE_GetFileDate(std::string_view f);
std::string L_FILE_GetAktPath();
void L_FILE_SetAktPath(std::string_view d);

// A UTF-8 path text as a file-system path, and back (with "/" between levels).
std::filesystem::path L_FILE_Pfad(std::string_view f);
std::string L_FILE_PfadText(const std::filesystem::path& p);

// Whole-file access used by the readers and writers.
bool L_FILE_ReadAll(std::string_view f, std::string& bytes);

} // namespace tavuran
