#pragma once
// Files the program writes for its user: Save Picture on the desktop, the script driver's PNG
// and WAV. Plain POSIX, so that the desktop, the driver and its node build share it.

#include <cstddef>
#include <string>
#include <string_view>

namespace scene {

// A file name made from a page's title that every file system a teacher carries takes (FAT and
// exFAT refuse / \ : * ? " < > | and a name ending in a dot or a blank) and that still reads
// as the title: "Lesson 9: Space Station" becomes "Lesson 9 - Space Station". Without an
// extension; never empty.
std::string portableFileName(std::string_view title);

// Text valid as UTF-8: every ill-formed sequence becomes U+FFFD, one for each maximal part of
// a sequence, as browsers and node decode it.
std::string validUtf8(std::string_view text);

// Writes a file whole or not at all. The bytes go to a temporary file beside the target, which
// replaces the target only once everything is written and flushed: a full disk or a failed
// write leaves the old file as it was (or no file) and nothing else behind. A target that is no
// regular file (a device such as /dev/full or /dev/stdout, a pipe) is written directly.
// error() is the system's reason for the first failure ("No space left on device").
class FileWrite {
public:
    explicit FileWrite(std::string path);
    ~FileWrite();
    FileWrite(const FileWrite&) = delete;
    FileWrite& operator=(const FileWrite&) = delete;

    bool open();
    bool write(const void* data, std::size_t size);
    // Puts the file in place; false (the old file kept) when anything before failed.
    bool commit();
    const std::string& error() const { return error_; }

private:
    bool fail(int err);
    void discard();
    std::string path_, target_, temp_;
    std::string error_;
    int fd_ = -1;
    bool direct_ = false;
};

// One FileWrite of `bytes`; false with the reason in `error`.
bool writeWholeFile(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace scene
