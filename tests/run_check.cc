#include "run_check.h"

#include <fstream>
#include <iterator>

namespace run_check {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view OLD = "[old]\r\nx=y";

bool is_word(std::string_view s, std::size_t limit)
{
    if (s.empty() || s.size() > limit)
        return false;
    for (unsigned char c : s)
        if (c == 0 || c == ' ' || (c >= '\t' && c <= '\r'))
            return false;
    return true;
}

bool is_header(std::string_view line, std::size_t limit)
{
    return line.size() >= 3 && line.front() == '[' && line.back() == ']' &&
           is_word(line.substr(1, line.size() - 2), limit);
}

// A board name may hold "=" itself: any split that fits both fields will do.
bool is_entry(std::string_view line)
{
    for (std::size_t at = 1; at <= 15 && at < line.size(); ++at)
        if (line[at] == '=' && is_word(line.substr(0, at), 15) && is_word(line.substr(at + 1), 63))
            return true;
    return false;
}

std::string read_file(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

void reset(const fs::path& dir)
{
    for (const auto& entry : fs::directory_iterator(dir))
        fs::remove_all(entry.path());
    for (const auto& [name, bytes] : START_FILES)
        std::ofstream(dir / name, std::ios::binary) << bytes;
}

std::string check_list(std::string_view list)
{
    // Added to: the old content, its missing line end supplied, then new sections.
    // A new list: sections from the start, the first category fit for a file name.
    bool added = list.starts_with(OLD);
    if (added) {
        list.remove_prefix(OLD.size());
        if (list.empty())
            return "";
        if (!list.starts_with("\r\n"))
            return "new lines are glued to the last old line";
        list.remove_prefix(2);
    }
    for (bool first = true; !list.empty(); first = false) {
        std::size_t end = list.find("\r\n");
        if (end == std::string_view::npos)
            return "a line lacks its CR LF";
        std::string_view line = list.substr(0, end);
        list.remove_prefix(end + 2);
        if (first && !is_header(line, added ? 31 : 27))
            return "the list does not start with a section header that fits: " + std::string(line);
        if (!is_header(line, 31) && !is_entry(line))
            return "a line is neither a header nor an entry that fits: " + std::string(line);
    }
    return "";
}

std::string check(const fs::path& dir, int status)
{
    if (status != 0 && status != 1)
        return "exit status " + std::to_string(status);
    std::string list_name, problem;
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::string name = entry.path().filename().string();
        if (!entry.is_regular_file())
            return "not a regular file: " + name;
        if (name == "taken.txt") {
            if (read_file(entry.path()) != "keep")
                return "taken.txt was changed";
            continue;
        }
        if (!list_name.empty())
            return "two lists: " + list_name + " and " + name;
        list_name = name;
        if (name != "uho.txt" && (!name.ends_with(".txt") || name.size() > 31))
            return "a final name that does not fit: " + name;
        problem = check_list(read_file(entry.path()));
    }
    if (!fs::exists(dir / "taken.txt"))
        return "taken.txt is gone";
    if (list_name.empty())
        return "the list is gone";
    return problem.empty() ? "" : list_name + ": " + problem;
}

}  // namespace run_check
