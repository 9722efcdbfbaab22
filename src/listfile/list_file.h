// The list file: lines of section headers "[category]" and board entries
// "board=URL", each ended by CR LF, bytes as typed. Every line goes to the file
// as soon as it is complete, so nothing is reported written that is not.
#pragma once

#include <string>
#include <string_view>

// The working file, in the current directory.
inline constexpr char WORKING_FILE[] = "uho.txt";

struct ListFile {
    int fd = -1;
    bool starts_line = false;  // the existing content lacks its last line end
    std::string line;          // the line being written
};

// Creates the working file or empties it. False if it cannot be opened.
bool open_new_list(ListFile& list);

// Opens the working file to add to its end, creating it if missing. Where
// its last line lacks its line end, the first write supplies it, so that the
// new section starts a line of its own. False if it cannot be opened.
bool open_list_for_adding(ListFile& list);

// These write one section header, one board entry, or both; false if the
// bytes did not all reach the file.
bool write_header(ListFile& list, std::string_view category);
bool write_entry(ListFile& list, std::string_view board, std::string_view url);
bool write_first_section(ListFile& list, std::string_view category, std::string_view board,
                         std::string_view url);

// Closes the list, if it is open; false if the system reports a failure.
bool close_list(ListFile& list);
