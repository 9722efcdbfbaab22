#include "listfile/list_file.h"

#include "platform/platform.h"

namespace {

constexpr std::string_view LINE_END = "\r\n";

void add_header(std::string& line, std::string_view category)
{
    line.append("[").append(category).append("]").append(LINE_END);
}

void add_entry(std::string& line, std::string_view board, std::string_view url)
{
    line.append(board).append("=").append(url).append(LINE_END);
}

// Starts the next write; it carries the missing line end of old content.
std::string& start(ListFile& list)
{
    list.line.clear();
    if (list.starts_line)
        list.line.append(LINE_END);
    return list.line;
}

bool write_out(ListFile& list)
{
    if (!platform::write_all(list.fd, list.line.data(), list.line.size()))
        return false;
    list.starts_line = false;
    return true;
}

}  // namespace

bool open_new_list(ListFile& list)
{
    list.fd = platform::open_new(WORKING_FILE);
    return list.fd >= 0;
}

bool open_list_for_adding(ListFile& list)
{
    list.fd = platform::open_for_adding(WORKING_FILE);
    if (list.fd < 0)
        return false;
    int last = platform::last_byte(list.fd);
    list.starts_line = last >= 0 && last != '\n';
    return true;
}

bool write_header(ListFile& list, std::string_view category)
{
    add_header(start(list), category);
    return write_out(list);
}

bool write_entry(ListFile& list, std::string_view board, std::string_view url)
{
    add_entry(start(list), board, url);
    return write_out(list);
}

bool write_first_section(ListFile& list, std::string_view category, std::string_view board,
                         std::string_view url)
{
    std::string& line = start(list);
    add_header(line, category);
    add_entry(line, board, url);
    return write_out(list);
}

bool close_list(ListFile& list)
{
    if (list.fd < 0)
        return true;
    int fd = list.fd;
    list.fd = -1;
    return platform::close_file(fd);
}
