// The console: questions out, answers in. Answers form one stream of words;
// blanks (tab, line feed, vertical tab, form feed, carriage return, space)
// separate them, and no byte of 0x80 or above is ever a blank, so a Shift_JIS
// character is never split.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct Console {
    int in = -1;                    // where more input is read from; -1: none beyond `unread`
    int out = -1;                   // where output goes; -1: it stays in `said`
    std::string_view unread;        // input read but not yet taken
    std::string said;               // output not yet written out
    bool input_ended = false;       // the end of input (or a read error) was met
    std::unique_ptr<char[]> buffer; // what `unread` points into when reading from `in`
};

// A console on two descriptors.
Console console_on(int in, int out);

// A console whose whole input is `input` and whose output collects in `said`.
Console console_from(std::string_view input);

// Writes out what was said. Output is held back only until the program is
// about to wait for input, so every question is visible before its answer.
void flush(Console& con);

// Longest answer each kind of field takes, in bytes of typed text.
inline constexpr std::size_t NAME_LIMIT = 27;     // may become a file name: 27 + ".txt" + zero byte = 32
inline constexpr std::size_t CATEGORY_LIMIT = 31;
inline constexpr std::size_t BOARD_LIMIT = 15;
inline constexpr std::size_t URL_LIMIT = 63;

// An answer number: the low 32 bits of a decimal number with an optional sign.
struct Number {
    std::optional<std::int32_t> value = std::nullopt;  // absent where no digit stood where the number begins
    bool ended = false;                 // input ended before a digit
    bool is(std::int32_t v) const { return value == v; }
};

// Reads an answer number; the byte after it (or the one where a digit was
// expected) stays for the next answer.
Number read_number(Console& con);

enum class Word { taken, too_long, ended };

// Reads an answer word into `word`. A word longer than `limit` is taken from
// the input whole but not kept. `ended`: input ended, or a zero byte stood
// where the word would begin.
Word read_word(Console& con, std::size_t limit, std::string& word);

// Shows one text of the message table.
void show(Console& con, std::string_view text);

// Shows NAME_CHANGED with the final name, byte for byte.
void show_name_changed(Console& con, std::string_view name);

// Shows `question` and reads the answer number.
Number ask_number(Console& con, std::string_view question);

// Shows `prompt` and reads a word of at most `limit` bytes into `word`, asking
// again after TOO_LONG while the answer is longer. False where input ended.
bool ask_word(Console& con, std::string_view prompt, std::size_t limit, std::string& word);
