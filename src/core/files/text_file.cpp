#include "core/files/text_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>

#include "core/files/paths.h"
#include "core/files/skemora_error.h"
#include "core/files/write_faults.h"

namespace skemora {

namespace {

// Unicode code points of the Windows-1252 bytes 0x80..0x9F. The five bytes Windows-1252 leaves
// undefined map to the C1 controls of the same value, so every byte survives a round trip.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The code point starting at `pos`, advancing `pos`; nullopt for an invalid sequence (overlong
// forms, surrogates and values past U+10FFFF included).
std::optional<char32_t> NextCodePoint(const std::string& text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + length > text.size()) return std::nullopt;
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return std::nullopt;
    }
    pos += length;
    return code;
}

bool IsAscii(const std::string& bytes) {
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

bool IsValidUtf8(const std::string& bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (!NextCodePoint(bytes, pos)) return false;
    }
    return true;
}

std::string Windows1252ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F) {
            AppendUtf8(out, kHighControls[b - 0x80]);
        } else {
            AppendUtf8(out, b);
        }
    }
    return out;
}

std::optional<unsigned char> Windows1252Byte(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

// The Windows-1252 bytes of a UTF-8 text; nullopt when a character does not fit or the text
// is not valid UTF-8.
std::optional<std::string> Utf8ToWindows1252(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto code = NextCodePoint(text, pos);
        if (!code) return std::nullopt;
        const auto byte = Windows1252Byte(*code);
        if (!byte) return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

// The permissions a replaced file keeps, or those a new file gets under the umask.
mode_t ModeFor(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int descriptor, const std::string& bytes) {
    if (WriteStepFails(WriteStep::Write)) {
        // A full disk takes part of the bytes before it refuses the rest.
        (void)!write(descriptor, bytes.data(), bytes.size() / 2);
        return false;
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(descriptor, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

void SyncFolder(const std::string& folder) {
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0) return;
    fsync(descriptor);
    close(descriptor);
}

}  // namespace

std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

bool HoldsLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

std::string EncodeLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += OneLine(line);
        text += "\r\n";
    }
    if (IsAscii(text)) return text;
    // A Windows-1252 result that is also valid UTF-8 would read back as different text.
    auto narrow = Utf8ToWindows1252(text);
    if (narrow && !IsValidUtf8(*narrow)) return *narrow;
    // Reading drops one leading byte-order mark, so a text that starts with one gets another.
    if (text.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) {
        return std::string(kByteOrderMark) + text;
    }
    return text;
}

std::vector<std::string> DecodeLines(const std::string& bytes) {
    std::string text;
    if (IsAscii(bytes)) {
        text = bytes;
    } else if (IsValidUtf8(bytes)) {
        const bool bom = bytes.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0;
        text = bom ? bytes.substr(kByteOrderMark.size()) : bytes;
    } else {
        text = Windows1252ToUtf8(bytes);
    }

    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

std::string_view CharsetOf(const std::string& bytes) {
    return !IsAscii(bytes) && IsValidUtf8(bytes) ? "utf-8" : "windows-1252";
}

namespace {

// The bytes of the open file, closed on return; nullopt on a read error.
std::optional<std::string> DescriptorBytes(int descriptor, const struct stat& info) {
    std::string bytes;
    if (S_ISREG(info.st_mode) && info.st_size > 0) {
        // A regular file of known size reads in one call: asked for one byte more than it
        // holds, a read that returns less has reached the end (a file that grew meanwhile
        // fills the buffer and is read on).
        const auto size = static_cast<std::size_t>(info.st_size);
        bytes.resize(size + 1);
        ssize_t n = -1;
        do {
            n = read(descriptor, bytes.data(), bytes.size());
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            close(descriptor);
            return std::nullopt;
        }
        bytes.resize(static_cast<std::size_t>(n));
        if (static_cast<std::size_t>(n) <= size) {
            close(descriptor);
            return bytes;
        }
    }
    std::array<char, 1 << 16> chunk;
    for (;;) {
        const ssize_t n = read(descriptor, chunk.data(), chunk.size());
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            // A read error (EIO from a failing disk, EISDIR for a folder) reads as no file.
            close(descriptor);
            return std::nullopt;
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(n));
    }
    close(descriptor);
    return bytes;
}

std::optional<std::string> FileBytes(const std::string& path) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return std::nullopt;
    struct stat info {};
    if (fstat(descriptor, &info) != 0) info = {};
    return DescriptorBytes(descriptor, info);
}

}  // namespace

std::vector<std::string> ReadLines(const std::string& path) {
    const auto bytes = FileBytes(path);
    if (!bytes) throw SkemoraError(ErrorKind::CannotOpenFile, {path});
    return DecodeLines(*bytes);
}

std::optional<std::string> ReadBytesIfPresent(const std::string& path, FileIdentity& identity) {
    identity = {};
    if (FileNamePart(path).empty()) return std::nullopt;
    // O_NONBLOCK: a named pipe by that name is no file and must not hold the open up.
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (descriptor < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        // Refused for another reason: a file that is there but cannot be read is an error,
        // as ReadLines has it; anything else is no file.
        if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            throw SkemoraError(ErrorKind::CannotOpenFile, {path});
        }
        return std::nullopt;
    }
    if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(descriptor);
        return std::nullopt;
    }
    const auto bytes = DescriptorBytes(descriptor, info);
    if (!bytes) throw SkemoraError(ErrorKind::CannotOpenFile, {path});
    identity = IdentityFromStat(info);
    return bytes;
}

std::optional<std::vector<std::string>> ReadLinesIfPresent(const std::string& path,
                                                           FileIdentity& identity) {
    const auto bytes = ReadBytesIfPresent(path, identity);
    if (!bytes) return std::nullopt;
    return DecodeLines(*bytes);
}

FileIdentity WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    const std::string bytes = EncodeLines(lines);
    // Every keystroke in the notes saves the whole time-table; a file that already holds these
    // exact bytes needs no new copy and no wait for the disk.
    struct stat status {};
    if (stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
        static_cast<std::size_t>(status.st_size) == bytes.size() && FileBytes(path) == bytes) {
        return IdentityFromStat(status);
    }
    StagedFile file(path, bytes);
    file.Commit();
    return file.Identity();
}

int StrToInt(const std::string& text) {
    std::size_t pos = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        pos = 1;
    }
    if (pos == text.size()) throw InvalidInteger(text);
    long long value = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9') throw InvalidInteger(text);
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) throw InvalidInteger(text);
    }
    if (negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) throw InvalidInteger(text);
    return static_cast<int>(value);
}

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The <name> of ".<name>.XXXXXX" as mkstemp fills it in; "" for any other entry.
std::string TemporaryTargetName(const std::string& entry) {
    constexpr std::size_t kRandom = 6;
    if (entry.size() < 1 + 1 + 1 + kRandom || entry[0] != '.' || entry[1] == '.') return "";
    const std::size_t dot = entry.size() - kRandom - 1;
    if (entry[dot] != '.') return "";
    for (std::size_t i = dot + 1; i < entry.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(entry[i]);
        if (!std::isalnum(c)) return "";
    }
    return entry.substr(1, dot - 1);
}

// A name longer than one of the extensions that ends with it.
bool HasExtension(const std::string& name, const std::vector<std::string>& extensions) {
    return std::any_of(extensions.begin(), extensions.end(), [&](const std::string& extension) {
        return name.size() > extension.size() && EndsWith(name, extension);
    });
}

// A visible name a linked file of the program can have.
bool IsLinkedFileName(const std::string& name, const std::vector<std::string>& extensions) {
    return !name.empty() && name[0] != '.' && HasExtension(name, extensions);
}

// A temporary of a target name with one of the extensions.
bool IsLeftoverTemporary(const std::string& entry, const std::vector<std::string>& extensions) {
    return HasExtension(TemporaryTargetName(entry), extensions);
}

// The temporary beside `name`: ".<name>.XXXXXX", or, for a name too long to take the eight
// extra characters, ".skemora<extension>.XXXXXX", which the leftover sweep knows all the same.
std::string TemporaryNameFor(const std::string& name) {
    constexpr std::size_t kAdded = 8;  // the leading "." and ".XXXXXX"
    if (name.size() + kAdded <= NAME_MAX) return "." + name + ".XXXXXX";
    constexpr std::size_t kLongestExtension = 16;
    const std::size_t dot = name.find_last_of('.');
    const std::string extension =
        dot != std::string::npos && name.size() - dot <= kLongestExtension ? name.substr(dot) : "";
    return ".skemora" + extension + ".XXXXXX";
}

}  // namespace

namespace {

// Removes the leftovers in `folder` that `leftover` accepts; the number removed.
template <typename Accept>
int RemoveTemporariesIn(const std::string& folder, Accept leftover) {
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr) return 0;
    std::vector<std::string> leftovers;
    while (const dirent* entry = readdir(listing)) {
        if (leftover(std::string(entry->d_name), entry->d_type)) leftovers.emplace_back(entry->d_name);
    }
    closedir(listing);
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '/') prefix += '/';
    int removed = 0;
    for (const auto& name : leftovers) {
        struct stat info {};
        const std::string path = prefix + name;
        // Only ordinary files: a link or folder of that name is not ours.
        if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && unlink(path.c_str()) == 0) {
            ++removed;
        }
    }
    return removed;
}

bool IsLink(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

}  // namespace

int RemoveLeftoverTemporaries(const std::string& folder,
                              const std::vector<std::string>& extensions) {
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '/') prefix += '/';
    // Saves of a linked file stage their temporaries beside its target.
    std::vector<std::string> targets;
    int removed = RemoveTemporariesIn(folder, [&](const std::string& entry, unsigned char type) {
        // The listing tells most entries' kind; only a link or an entry of unknown kind is asked.
        const bool mayBeLink = type == DT_LNK || type == DT_UNKNOWN;
        if (mayBeLink && IsLinkedFileName(entry, extensions) && IsLink(prefix + entry)) {
            targets.push_back(WriteTargetOf(prefix + entry));
        }
        return IsLeftoverTemporary(entry, extensions);
    });
    for (const auto& target : targets) {
        const std::string name = FileNamePart(target);
        removed += RemoveTemporariesIn(FolderPart(target), [&](const std::string& entry, unsigned char) {
            return IsLeftoverTemporary(entry, extensions) && TemporaryTargetName(entry) == name;
        });
    }
    return removed;
}

std::string WriteTargetOf(const std::string& path) {
    constexpr int kLongestChain = 40;  // as the system's own limit on links followed
    std::string target = path;
    for (int step = 0; step < kLongestChain && IsLink(target); ++step) {
        std::array<char, PATH_MAX> buffer;
        const ssize_t length = readlink(target.c_str(), buffer.data(), buffer.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) break;
        const std::string next(buffer.data(), static_cast<std::size_t>(length));
        target = next.front() == '/' ? next : FolderPart(target) + "/" + next;
    }
    return target;
}

StagedFile::StagedFile(const std::string& path, const std::string& bytes)
    : path_(path), target_(WriteTargetOf(path)), bytes_(bytes) {
    std::string pattern = FolderPart(target_) + "/" + TemporaryNameFor(FileNamePart(target_));
    if (WriteStepFails(WriteStep::Create)) throw CannotCreateFile(path, errno);
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) throw CannotCreateFile(path, errno);
    temporary_ = pattern;
    struct stat info {};
    const bool written = WriteAll(descriptor, bytes) && fchmod(descriptor, ModeFor(target_)) == 0 &&
                         !WriteStepFails(WriteStep::Sync) && fsync(descriptor) == 0 &&
                         fstat(descriptor, &info) == 0;
    if (written) identity_ = IdentityFromStat(info);
    int reason = written ? 0 : errno;
    const bool closed = close(descriptor) == 0 && !WriteStepFails(WriteStep::Close);
    if (reason == 0 && !closed) reason = errno;
    if (!written || !closed) {
        unlink(temporary_.c_str());
        temporary_.clear();
        throw CannotCreateFile(path, reason);
    }
}

StagedFile::~StagedFile() {
    if (!temporary_.empty()) unlink(temporary_.c_str());
}

void StagedFile::Commit() {
    if (temporary_.empty()) throw CannotCreateFile(path_);
    // A link moved away meanwhile (a period change renames lesson files) took its target along:
    // the file then goes in under the path itself.
    const std::string destination = WriteTargetOf(path_) == target_ ? target_ : path_;
    if (WriteStepFails(WriteStep::Rename) ||
        rename(temporary_.c_str(), destination.c_str()) != 0) {
        const int reason = errno;
        unlink(temporary_.c_str());
        temporary_.clear();
        throw CannotCreateFile(path_, reason);
    }
    temporary_.clear();
    SyncFolder(FolderPart(destination));
}

}  // namespace skemora
