#include "dialogue/console.h"

#include "dialogue/texts.h"
#include "platform/platform.h"

namespace {

constexpr std::size_t BUFFER_SIZE = 64 * 1024;

bool is_blank(int c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool is_digit(int c)
{
    return c >= '0' && c <= '9';
}

// Reads more input, first writing out what was said: the program waits here.
bool refill(Console& con)
{
    if (con.in < 0 || con.input_ended)
        return false;
    flush(con);
    long n = platform::read_some(con.in, con.buffer.get(), BUFFER_SIZE);
    if (n <= 0) {
        con.input_ended = true;
        return false;
    }
    con.unread = std::string_view(con.buffer.get(), static_cast<std::size_t>(n));
    return true;
}

// The next byte of input, or -1 at its end.
int peek(Console& con)
{
    if (con.unread.empty() && !refill(con))
        return -1;
    return static_cast<unsigned char>(con.unread.front());
}

void take(Console& con)
{
    con.unread.remove_prefix(1);
}

int skip_blanks(Console& con)
{
    int c;
    while ((c = peek(con)) >= 0 && is_blank(c))
        take(con);
    return c;
}

// Shows `text` with its placeholder ("%s" or "%d") replaced by `value`.
void show_with(Console& con, std::string_view text, std::string_view value)
{
    std::size_t at = text.find('%');
    con.said.append(text.substr(0, at)).append(value).append(text.substr(at + 2));
}

}  // namespace

Console console_on(int in, int out)
{
    Console con;
    con.in = in;
    con.out = out;
    con.buffer = std::make_unique<char[]>(BUFFER_SIZE);
    return con;
}

Console console_from(std::string_view input)
{
    Console con;
    con.unread = input;
    return con;
}

void flush(Console& con)
{
    if (con.out < 0 || con.said.empty())
        return;
    // A console that cannot be written to does not stop the run: the list
    // file is still written and closed as the answers say.
    platform::write_all(con.out, con.said.data(), con.said.size());
    con.said.clear();
}

Number read_number(Console& con)
{
    int c = skip_blanks(con);
    bool negative = c == '-';
    if (c == '+' || c == '-') {
        take(con);
        c = peek(con);
    }
    if (c < 0)
        return {.ended = true};
    if (!is_digit(c))
        return {};
    std::uint32_t value = 0;  // wraps: only the low 32 bits are kept
    for (; c >= 0 && is_digit(c); c = peek(con)) {
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
        take(con);
    }
    return {.value = static_cast<std::int32_t>(negative ? 0u - value : value)};
}

Word read_word(Console& con, std::size_t limit, std::string& word)
{
    word.clear();
    int c = skip_blanks(con);
    if (c <= 0)
        return Word::ended;
    bool too_long = false;
    for (; c > 0 && !is_blank(c); c = peek(con)) {
        if (word.size() < limit)
            word.push_back(static_cast<char>(c));
        else
            too_long = true;
        take(con);
    }
    if (too_long)
        word.clear();
    return too_long ? Word::too_long : Word::taken;
}

void show(Console& con, std::string_view text)
{
    con.said.append(text);
}

void show_name_changed(Console& con, std::string_view name)
{
    show_with(con, text::NAME_CHANGED, name);
}

Number ask_number(Console& con, std::string_view question)
{
    show(con, question);
    return read_number(con);
}

bool ask_word(Console& con, std::string_view prompt, std::size_t limit, std::string& word)
{
    for (;;) {
        show(con, prompt);
        switch (read_word(con, limit, word)) {
        case Word::taken:
            return true;
        case Word::ended:
            return false;
        case Word::too_long:
            show_with(con, text::TOO_LONG, std::to_string(limit));
            break;
        }
    }
}
