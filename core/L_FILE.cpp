#include "core/L_FILE.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "core/L_STR.h"

namespace fs = std::filesystem;

namespace tavuran {

fs::path L_FILE_Pfad(std::string_view f) { return fs::path(std::u8string(f.begin(), f.end())); }

std::string L_FILE_PfadText(const fs::path& p) {
    const std::u8string u = p.generic_u8string();
    return std::string(u.begin(), u.end());
}

namespace {

// Folder texts may come from files written on another system, so both "/"
// and "\" count as delimiters when a name is taken apart.
bool IstTrenner(char c) { return c == '/' || c == '\\'; }

fs::path Pfad(std::string_view f) { return L_FILE_Pfad(f); }
std::string Text(const fs::path& p) { return L_FILE_PfadText(p); }

// The file-name part of f: everything after the last delimiter.
std::string_view NamensTeil(std::string_view f) {
    const std::size_t p = f.find_last_of("/\\");
    return p == std::string_view::npos ? f : f.substr(p + 1);
}

// A root folder keeps its delimiter: "/", "C:\" or "C:/".
bool IstWurzel(std::string_view d) {
    return d.size() == 1 || (d.size() == 3 && d[1] == ':');
}

struct DateiSchliessen {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Datei = std::unique_ptr<std::FILE, DateiSchliessen>;

Datei Oeffne(std::string_view f, const char* modus) {
    return Datei(std::fopen(std::string(f).c_str(), modus));
}

} // namespace

bool L_FILE_Exist(std::string_view f) {
    if (f.empty() || f.find('*') != std::string_view::npos) return false;
    std::error_code ec;
    const fs::file_status st = fs::status(Pfad(f), ec);
    return !ec && fs::exists(st) && !fs::is_directory(st);
}

bool L_FILE_ExistDir(std::string_view d) {
    if (d.empty()) return false;
    std::error_code ec;
    return fs::is_directory(Pfad(d), ec) && !ec;
}

std::string L_FILE_GetFilePath(std::string_view f) {
    if (f.empty()) return {};
    // A name with a drive prefix ("C:\...") is complete as it is.
    const bool mitLaufwerk = f.size() >= 2 && f[1] == ':';
    std::error_code ec;
    fs::path p = mitLaufwerk ? Pfad(f) : fs::absolute(Pfad(f), ec);
    if (ec) p = Pfad(f);
    const std::string voll = Text(p.lexically_normal());
    const std::size_t t = voll.find_last_of("/\\");
    return t == std::string::npos ? std::string() : voll.substr(0, t + 1);
}

std::string L_FILE_GetFileName(std::string_view f) {
    const std::string_view name = NamensTeil(f);
    const std::size_t p = name.rfind('.');
    return std::string(p == std::string_view::npos ? name : name.substr(0, p));
}

std::string L_FILE_GetFileExt(std::string_view f) {
    const std::string_view name = NamensTeil(f);
    const std::size_t p = name.rfind('.');
    return p == std::string_view::npos ? std::string() : std::string(name.substr(p));
}

std::string L_FILE_GetFullPath(std::string_view d) {
    std::string t = L_STR_Unblank(d);
    if (t.empty() || !IstTrenner(t.back())) t += L_FILE_Delimiter;
    return t;
}

std::string L_FILE_GetPurePath(std::string_view d) {
    std::string t = L_STR_Unblank(d);
    if (!t.empty() && IstTrenner(t.back()) && !IstWurzel(t)) t.pop_back();
    return t;
}

bool L_FILE_MakeDirectory(std::string_view d) {
    const std::string t = L_FILE_GetPurePath(d);
    if (t.empty()) return false;
    std::error_code ec;
    fs::create_directories(Pfad(t), ec);
    return L_FILE_ExistDir(t);
}

std::int64_t L_FILE_CopyFile(std::string_view a, std::string_view b) {
    if (a == b || a.empty() || b.empty()) return 0;
    std::error_code ec;
    // Two names of one file: truncating the target would destroy the source.
    if (fs::equivalent(Pfad(a), Pfad(b), ec) && !ec) return 0;
    Datei quelle = Oeffne(a, "rb");
    if (!quelle) return 0;
    Datei ziel = Oeffne(b, "wb");
    if (!ziel) return 0;
    constexpr std::size_t Block = 1 << 20;
    std::vector<char> puffer(Block);
    std::int64_t kopiert = 0;
    for (;;) {
        const std::size_t n = std::fread(puffer.data(), 1, Block, quelle.get());
        if (n == 0) break;
        const std::size_t w = std::fwrite(puffer.data(), 1, n, ziel.get());
        kopiert += static_cast<std::int64_t>(w);
        if (w != n) break;
    }
    return kopiert;
}

void L_FILE_DeleteFile(std::string_view f) {
    if (!L_FILE_Exist(f)) return;
    std::error_code ec;
    fs::remove(Pfad(f), ec);
}

std::string L_FILE_GetFileDate(std::string_view f) {
    if (!L_FILE_Exist(f)) return {};
    std::error_code ec;
    const fs::file_time_type t = fs::last_write_time(Pfad(f), ec);
    if (ec) return {};
    const auto sys = fs::file_time_type::clock::to_sys(t);
    const std::time_t tt = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(sys));
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &tt);
#else
    localtime_r(&tt, &tm);
#endif
    char buf[40];
    if (std::strftime(buf, sizeof buf, "%d.%m.%y %H:%M:%S", &tm) == 0) return {};
    return buf;
}

std::string L_FILE_GetAktPath() {
    std::error_code ec;
    const fs::path p = fs::current_path(ec);
    if (ec) return {};
    return L_FILE_GetFullPath(Text(p));
}

void L_FILE_SetAktPath(std::string_view d) {
    if (d.empty()) return;
    std::error_code ec;
    fs::current_path(Pfad(d), ec);
}

bool L_FILE_ReadAll(std::string_view f, std::string& bytes) {
    bytes.clear();
    if (!L_FILE_Exist(f)) return false;
    Datei datei = Oeffne(f, "rb");
    if (!datei) return false;
    char puffer[65536];
    for (;;) {
        const std::size_t n = std::fread(puffer, 1, sizeof puffer, datei.get());
        bytes.append(puffer, n);
        if (n < sizeof puffer) break;
    }
    const bool fehler = std::ferror(datei.get()) != 0;
    if (fehler) bytes.clear();
    return !fehler;
}

} // namespace tavuran
