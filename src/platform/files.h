#pragma once
// Whole-file reading and writing. Writes never tear a file: the new contents go to a temporary
// file beside the target, which is then renamed over it.
#include "platform/native_path.h"
#include "platform/temp_files.h"

#include <functional>
#include <string>
#include <vector>

namespace mf7 {

struct FileError {
    std::string text; // the system's text for the error, as the user sees it
};

// A file the editor reads whole (settings, country names, texts) is never larger than this; a
// device or a huge file named by mistake must not fill the memory.
constexpr std::size_t kReadLimit = std::size_t{16} << 20;
// Reads a regular file (found ignoring letter case). With max_bytes, at most that many bytes from
// its start; without, the whole file, and a file longer than kReadLimit is a read error.
bool read_file(const NativePath& path, std::string& bytes, FileError& error,
               std::size_t max_bytes = std::string::npos);

// A write beyond the user's file-size limit must fail with an error the user sees instead of
// killing the program, so every executable calls this first.
void ignore_file_size_signal();

// Every write below replaces only regular files: a pipe or a character device (a terminal,
// /dev/null, /dev/stdout) is written into as a shell's redirect writes it, and anything else (a
// folder, a socket) is refused. It first checks that an existing target may be written by this
// user (a read-only file is refused with the system's "Permission denied" and left as it is)
// and, when the target is a symbolic link, writes the file it points to. A replaced file keeps
// its permissions, and its owner and group where this user may give them. The temporary file is
// named kTempPrefix + name + "." + letters + kTempSuffix; ones left for the same name by a killed
// run are removed first. Saves are flushed to the disk before the rename, so that a power cut
// leaves either the old or the new file. Copies may skip the flush (as the system's own copy does):
// their source stays intact and can be copied again, and the flush costs more than the copy itself.
enum class Flush { ToDisk, Lazy };
bool write_file_atomic(const NativePath& path, const std::string& bytes, FileError& error,
                       Flush flush = Flush::ToDisk);
// write_file_atomic to path exactly as spelled, for callers that matched the name themselves
// (looking a new name up ignoring case reads the whole folder each time).
bool write_file_atomic_exact(const NativePath& path, const std::string& bytes, FileError& error,
                             Flush flush = Flush::ToDisk);
// Copies the file at source to dest (both exact paths) the way write_file_atomic writes:
// through a temporary file renamed over dest, so a failed copy leaves no partial file. The
// first head_size bytes (fewer in a shorter file) go through patch_head when one is given; the
// rest is copied by the system without passing through the program. The copy keeps the
// source's length. A run of copies into one folder passes one LeftoverTemps to them all.
bool copy_file_atomic(const NativePath& source, const NativePath& dest, FileError& error,
                      std::size_t head_size = 0,
                      const std::function<void(std::string&)>& patch_head = {},
                      Flush flush = Flush::Lazy, LeftoverTemps* leftovers = nullptr);

#ifndef _WIN32
// The two calls that make a replacing write durable, in the order a write makes them: the flush
// of the temporary file to the disk, then its rename over the target. Tests put recording calls
// here, since from outside a flushed save looks the same as one still in the system's cache.
struct CommitCalls {
    int (*sync)(int fd);
    int (*rename)(const char* from, const char* to);
};
CommitCalls& commit_calls();
#endif

// Splits text into lines as the game's platform reads text: a line ends at CR, and a LF right
// after it belongs to that line end; a LF anywhere else stays inside the line.
std::vector<std::string> split_lines_cr(const std::string& text);
// As split_lines_cr, but a LF alone ends a line too (files made by hand on Linux).
std::vector<std::string> split_lines_any(const std::string& text);
// Each line followed by CR LF.
std::string join_lines_crlf(const std::vector<std::string>& lines);

} // namespace mf7
