// Windows side of the platform layer. File names are the typed cp932 bytes,
// so the ANSI calls are the right ones.
#include "platform/platform.h"

#include <climits>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace platform {

void init_console()
{
    // Answers are taken byte for byte (no CR LF folding, no Ctrl-Z as an end);
    // the output stays in text mode, so the console gets its CR LF line breaks.
    _setmode(STDIN, _O_BINARY);
}

long read_some(int fd, char* buffer, std::size_t size)
{
    int n = _read(fd, buffer, size < INT_MAX ? static_cast<unsigned>(size) : INT_MAX);
    return n < 0 ? -1 : n;
}

bool write_all(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        int n = _write(fd, data, size < INT_MAX ? static_cast<unsigned>(size) : INT_MAX);
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

int open_new(const char* name)
{
    return _open(name, _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT,
                 _S_IREAD | _S_IWRITE);
}

int open_for_adding(const char* name)
{
    int flags = _O_APPEND | _O_CREAT | _O_BINARY | _O_NOINHERIT;
    int fd = _open(name, _O_RDWR | flags, _S_IREAD | _S_IWRITE);
    return fd >= 0 ? fd : _open(name, _O_WRONLY | flags, _S_IREAD | _S_IWRITE);
}

int last_byte(int fd)
{
    unsigned char c;
    long long size = _lseeki64(fd, 0, SEEK_END);
    if (size <= 0 || _lseeki64(fd, size - 1, SEEK_SET) < 0 || _read(fd, &c, 1) != 1)
        return -1;
    return c;
}

bool close_file(int fd)
{
    return _close(fd) == 0;
}

bool can_open_for_reading(const char* name)
{
    int fd = _open(name, _O_RDONLY | _O_BINARY);
    if (fd < 0)
        return false;
    _close(fd);
    return true;
}

bool rename_no_replace(const char* from, const char* to)
{
    // MoveFileExA without MOVEFILE_REPLACE_EXISTING refuses an existing file,
    // but reports success for the working file itself under another spelling
    // ("UHO.txt", ".\uho.txt"): any existing name is refused first.
    if (GetFileAttributesA(to) != INVALID_FILE_ATTRIBUTES)
        return false;
    return MoveFileExA(from, to, 0) != 0;
}

}  // namespace platform
