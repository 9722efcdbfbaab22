// POSIX side of the platform layer.
#include "platform/platform.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

void init_console()
{
    // A standard descriptor left closed would be handed out again by the next
    // open, and console text would go into the list file: keep all three taken.
    for (int fd = 0; fd <= 2; ++fd)
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF && open("/dev/null", O_RDWR) != fd)
            break;
    std::signal(SIGPIPE, SIG_IGN);
}

long read_some(int fd, char* buffer, std::size_t size)
{
    for (;;) {
        ssize_t n = read(fd, buffer, size < SSIZE_MAX ? size : SSIZE_MAX);
        if (n >= 0 || errno != EINTR)
            return n < 0 ? -1 : static_cast<long>(n);
    }
}

bool write_all(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        ssize_t n = write(fd, data, size < SSIZE_MAX ? size : SSIZE_MAX);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Opens without ever waiting: a FIFO in the list's place would block the open
// (no reader) or later writes (nobody draining it), so it is refused.
static int open_list_file(const char* name, int flags)
{
    int fd = open(name, flags | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    struct stat st;
    if (fstat(fd, &st) != 0 || S_ISFIFO(st.st_mode) ||
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

int open_new(const char* name)
{
    return open_list_file(name, O_WRONLY | O_TRUNC);
}

int open_for_adding(const char* name)
{
    // Read access only serves to look at the last byte; a file that may only
    // be written is still added to.
    int fd = open_list_file(name, O_RDWR | O_APPEND);
    return fd >= 0 ? fd : open_list_file(name, O_WRONLY | O_APPEND);
}

int last_byte(int fd)
{
    struct stat st;
    unsigned char c;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size == 0 ||
        pread(fd, &c, 1, st.st_size - 1) != 1)
        return -1;
    return c;
}

bool close_file(int fd)
{
    // After EINTR Linux has closed the descriptor already; retrying could close another.
    return close(fd) == 0 || errno == EINTR;
}

bool can_open_for_reading(const char* name)
{
    int fd = open(name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

bool rename_no_replace(const char* from, const char* to)
{
#ifdef RENAME_NOREPLACE
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
#endif
    // The file system cannot rename without replacing: a hard link fails on an
    // existing name just as atomically.
    if (link(from, to) != 0)
        return false;
    if (unlink(from) != 0) {
        unlink(to);
        return false;
    }
    return true;
}

}  // namespace platform
