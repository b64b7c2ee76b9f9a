#include "WholeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "StringIds.h"
#include "StringTable.h"

namespace {

// Closes the descriptor on every way out.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

}  // namespace

WholeFile readWholeFile(const std::string& path, std::uintmax_t limit) {
    WholeFile file;
    // Without blocking: opening a pipe for reading would otherwise wait for a writer.
    Descriptor d{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (d.fd < 0) {
        file.status = errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG ? WholeFileStatus::Missing
                                                                                    : WholeFileStatus::Unreadable;
        return file;
    }
    struct stat st {};
    if (::fstat(d.fd, &st) != 0) {
        file.status = WholeFileStatus::Unreadable;
        return file;
    }
    if (!S_ISREG(st.st_mode)) {
        file.status = WholeFileStatus::NotRegular;
        return file;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > limit) {
        file.status = WholeFileStatus::TooLarge;
        return file;
    }
    file.bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    // One byte more than the limit allows tells a file that grew meanwhile.
    char probe = 0;
    for (;;) {
        char* into = done < file.bytes.size() ? file.bytes.data() + done : &probe;
        const std::size_t want = done < file.bytes.size() ? file.bytes.size() - done : 1;
        const ssize_t n = ::read(d.fd, into, want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            file.status = WholeFileStatus::Unreadable;
            file.bytes.clear();
            return file;
        }
        if (n == 0)
            break;
        if (into == &probe) {
            if (done >= limit) {
                file.status = WholeFileStatus::TooLarge;
                file.bytes.clear();
                return file;
            }
            file.bytes.push_back(probe);
            ++done;
            continue;
        }
        done += static_cast<std::size_t>(n);
    }
    file.bytes.resize(done);  // a file that shrank meanwhile
    file.status = WholeFileStatus::Ok;
    return file;
}

std::string wholeFileMessage(const StringTable& strings, WholeFileStatus status, const std::string& path,
                             std::uintmax_t limit) {
    std::string text;
    switch (status) {
    case WholeFileStatus::Ok:
    case WholeFileStatus::Missing:
        return {};
    case WholeFileStatus::NotRegular:
        text = strings[StrId::FileNotOrdinary];
        break;
    case WholeFileStatus::TooLarge:
        text = strings[StrId::FileTooLarge];
        break;
    case WholeFileStatus::Unreadable:
        text = strings[StrId::FileUnreadable];
        break;
    }
    return fillPlaceholders(text, {path, std::to_string(limit)});
}
