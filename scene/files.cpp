#include "scene/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace scene {

namespace {

// Longer names than this are cut (FAT takes 255 UTF-16 units, ext4 255 bytes; the temporary
// file and an extension need room too).
constexpr std::size_t kMaxNameBytes = 200;

bool endsWith(const std::string& s, char c) { return !s.empty() && s.back() == c; }

void trimEnd(std::string& s, std::string_view chars) {
    while (!s.empty() && chars.find(s.back()) != std::string_view::npos) s.pop_back();
}

}  // namespace

std::string validUtf8(std::string_view text) {
    static constexpr char kReplacement[] = "\xEF\xBF\xBD";
    std::string out;
    out.reserve(text.size());
    // The decoder of the WHATWG Encoding Standard: bytes still needed, the range the next
    // continuation byte must fall in, and where the sequence began.
    std::size_t needed = 0, seen = 0, start = 0;
    unsigned char lower = 0x80, upper = 0xBF;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (needed == 0) {
            start = i;
            if (b <= 0x7F) {
                out += char(b);
            } else if (b >= 0xC2 && b <= 0xDF) {
                needed = 1;
            } else if (b >= 0xE0 && b <= 0xEF) {
                if (b == 0xE0) lower = 0xA0;
                if (b == 0xED) upper = 0x9F;
                needed = 2;
            } else if (b >= 0xF0 && b <= 0xF4) {
                if (b == 0xF0) lower = 0x90;
                if (b == 0xF4) upper = 0x8F;
                needed = 3;
            } else {
                out += kReplacement;
            }
            continue;
        }
        if (b < lower || b > upper) {
            // The sequence so far is one ill-formed part; this byte starts afresh.
            needed = seen = 0;
            lower = 0x80, upper = 0xBF;
            out += kReplacement;
            --i;
            continue;
        }
        lower = 0x80, upper = 0xBF;
        if (++seen == needed) {
            out.append(text.substr(start, needed + 1));
            needed = seen = 0;
        }
    }
    if (needed != 0) out += kReplacement;
    return out;
}

std::string portableFileName(std::string_view title) {
    std::string out;
    auto space = [&] {
        if (!out.empty() && !endsWith(out, ' ')) out += ' ';
    };
    for (char c : validUtf8(title)) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
            case ':':  // "Lesson 9: Space Station" reads on as "Lesson 9 - Space Station"
                trimEnd(out, " ");
                out += " - ";
                break;
            case '/':
            case '\\':
            case '|':
            case '<':
            case '>':
                out += '-';
                break;
            case '*':
            case '?':
                break;
            case '"':
                out += '\'';
                break;
            default:
                if (u < 0x20 || u == 0x7F || c == ' ')
                    space();
                else
                    out += c;
        }
    }
    if (out.size() > kMaxNameBytes) {
        std::size_t cut = kMaxNameBytes;
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
        out.resize(cut);
    }
    // No hidden file, no name a command line takes for an option, nothing FAT drops at the end.
    const std::size_t first = out.find_first_not_of(" .-");
    out.erase(0, first == std::string::npos ? out.size() : first);
    trimEnd(out, " .-");
    return out.empty() ? std::string("Orbelune") : out;
}

// --- FileWrite ------------------------------------------------------------------------------

FileWrite::FileWrite(std::string path) : path_(std::move(path)) {}

FileWrite::~FileWrite() { discard(); }

bool FileWrite::fail(int err) {
    if (error_.empty()) error_ = std::strerror(err);
    return false;
}

void FileWrite::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

bool FileWrite::open() {
    if (path_.empty()) return fail(ENOENT);
    target_ = path_;
    // A link stays a link: the file it points to is the one replaced.
    struct stat st {};
    if (::lstat(path_.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path_.c_str(), nullptr)) {
            target_ = real;
            std::free(real);
        }
    }
    const bool exists = ::stat(target_.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return fail(EISDIR);
    if (exists && !S_ISREG(st.st_mode)) {
        // Nothing to replace: a device or a pipe takes the bytes as they come.
        direct_ = true;
        fd_ = ::open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        return fd_ >= 0 || fail(errno);
    }
    const std::size_t slash = target_.rfind('/');
    const std::string dir =
        slash == std::string::npos ? std::string() : target_.substr(0, slash + 1);
    for (int n = 0; fd_ < 0; ++n) {
        temp_ = dir + ".orbelune-" + std::to_string(::getpid()) + "-" + std::to_string(n) + ".tmp";
        // Until it replaces a file, nobody else may read it; a new file gets the umask's mode.
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
        if (fd_ < 0 && (errno != EEXIST || n == 100)) {
            const int err = errno;
            temp_.clear();
            return fail(err);
        }
    }
    if (exists && ::fchmod(fd_, st.st_mode & 07777) != 0) {
        const int err = errno;
        discard();
        return fail(err);
    }
    return true;
}

bool FileWrite::write(const void* data, std::size_t size) {
    if (fd_ < 0) return fail(EBADF);
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd_, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fail(n < 0 ? errno : ENOSPC);
        p += n;
        size -= std::size_t(n);
    }
    return true;
}

bool FileWrite::commit() {
    if (fd_ < 0 || !error_.empty()) {
        discard();
        return fail(EBADF);
    }
    // Some file systems report a full disk only when the data reaches it.
    if (::fsync(fd_) != 0 && !(direct_ && (errno == EINVAL || errno == EROFS))) {
        const int err = errno;
        discard();
        return fail(err);
    }
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) {
        const int err = errno;
        discard();
        return fail(err);
    }
    if (direct_) return true;
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
        const int err = errno;
        discard();
        return fail(err);
    }
    temp_.clear();
    return true;
}

bool writeWholeFile(const std::string& path, std::string_view bytes, std::string& error) {
    FileWrite file(path);
    const bool ok = file.open() && file.write(bytes.data(), bytes.size()) && file.commit();
    if (!ok) error = file.error();
    return ok;
}

}  // namespace scene
