// The few things the standard library does not offer, one implementation per
// operating system (platform_posix.cc, platform_win32.cc).
#pragma once

#include <cstddef>

namespace platform {

// Descriptors of the process's standard input and output.
inline constexpr int STDIN = 0;
inline constexpr int STDOUT = 1;

// Readies the standard descriptors: none left closed, input taken as raw bytes,
// a vanished reader of the output reported as a failed write.
void init_console();

// Reads at most `size` bytes; returns how many, 0 at the end of input, -1 on error.
long read_some(int fd, char* buffer, std::size_t size);

// Writes all `size` bytes; false if any could not be written.
bool write_all(int fd, const char* data, std::size_t size);

// Creates the file `name`, or empties it; returns its descriptor, or -1.
int open_new(const char* name);

// Opens the file `name` so that every write goes to its end, creating it if
// missing; returns its descriptor, or -1.
int open_for_adding(const char* name);

// The last byte of the file open on `fd`, or -1 if it is empty or cannot be read.
int last_byte(int fd);

// Closes `fd`; false if the system reports that data was not written.
bool close_file(int fd);

// Whether the file `name` exists and can be opened for reading.
bool can_open_for_reading(const char* name);

// Renames `from` to `to` in one step that never replaces a file: fails when
// `to` names an existing file, `from` itself included.
bool rename_no_replace(const char* from, const char* to);

}  // namespace platform
