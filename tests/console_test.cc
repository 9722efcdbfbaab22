// The answer reader: what each input yields and what it leaves for the next answer.
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "dialogue/console.h"

namespace {

using namespace std::string_literals;

struct NumberCase {
    const char* name;
    std::string input;
    std::optional<std::int32_t> value;
    bool ended;
    std::string rest;
};

const NumberCase NUMBERS[] = {
    {"plain", "1\n", 1, false, "\n"},
    {"every_blank_is_skipped", "\t\n\v\f\r 7 x", 7, false, " x"},
    {"plus_sign", "+5 ", 5, false, " "},
    {"minus_sign", "-3", -3, false, ""},
    {"stops_at_the_first_non_digit", "12abc", 12, false, "abc"},
    {"wraps_past_32_bits", "4294967297", 1, false, ""},
    {"wraps_into_the_negative", "2147483648", INT32_MIN, false, ""},
    {"negative_wraps", "-4294967295", 1, false, ""},
    {"ten_thousand_digits", "1" + std::string(9999, '0') + " 2", 0, false, " 2"},
    {"no_digit", "x1", std::nullopt, false, "x1"},
    {"sign_then_no_digit_takes_the_sign", "-x", std::nullopt, false, "x"},
    {"two_signs", "+-1", std::nullopt, false, "-1"},
    {"full_width_digit_is_no_digit", "\x82\x50", std::nullopt, false, "\x82\x50"},
    {"byte_0x85_is_no_blank", "\x85" "1", std::nullopt, false, "\x85" "1"},
    {"zero_byte_is_no_blank", "\0 1"s, std::nullopt, false, "\0 1"s},
    {"end_of_input", "", std::nullopt, true, ""},
    {"blanks_then_end", " \n\n", std::nullopt, true, ""},
    {"lone_sign_is_the_end", "-", std::nullopt, true, ""},
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }

class ReadNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadNumber, YieldsValueAndLeavesTheRest)
{
    const NumberCase& c = GetParam();
    Console con = console_from(c.input);
    Number got = read_number(con);
    EXPECT_EQ(got.value, c.value);
    EXPECT_EQ(got.ended, c.ended);
    EXPECT_EQ(std::string(con.unread), c.rest);
}

INSTANTIATE_TEST_SUITE_P(Table, ReadNumber, ::testing::ValuesIn(NUMBERS),
                         [](const auto& info) { return std::string(info.param.name); });

struct WordCase {
    const char* name;
    std::string input;
    std::size_t limit;
    Word result;
    std::string word;
    std::string rest;
};

std::string every_byte_from(int first, int last)
{
    std::string s;
    for (int c = first; c <= last; ++c)
        s += static_cast<char>(c);
    return s;
}

const WordCase WORDS[] = {
    {"ends_at_a_space", "cat board", 27, Word::taken, "cat", " board"},
    {"blank_lines_before_are_skipped", "\n\n  \r\ncat\n", 27, Word::taken, "cat", "\n"},
    {"ends_at_tab", "ab\tc", 27, Word::taken, "ab", "\tc"},
    {"ends_at_vertical_tab", "ab\vc", 27, Word::taken, "ab", "\vc"},
    {"ends_at_form_feed", "ab\fc", 27, Word::taken, "ab", "\fc"},
    {"ends_at_carriage_return", "ab\rc", 27, Word::taken, "ab", "\rc"},
    {"ends_at_line_feed", "ab\nc", 27, Word::taken, "ab", "\nc"},
    {"ends_at_the_end_of_input", "abc", 27, Word::taken, "abc", ""},
    {"ends_at_a_zero_byte", "ab\0cd"s, 27, Word::taken, "ab", "\0cd"s},
    // ニュース　構: a full-width space 0x81 0x40 and a trail byte 0x5C stay inside the word.
    {"shift_jis_with_full_width_space_and_trail_0x5c", "\x83\x6a\x83\x85\x81\x5b\x83\x58\x81\x40\x8d\x5c x", 27,
     Word::taken, "\x83\x6a\x83\x85\x81\x5b\x83\x58\x81\x40\x8d\x5c", " x"},
    {"every_byte_from_0x80_is_a_word_byte", every_byte_from(0x80, 0xFF), 200, Word::taken, every_byte_from(0x80, 0xFF), ""},
    {"control_bytes_outside_the_blanks_are_word_bytes", "\x01\x08\x0E\x1F\x7F", 27, Word::taken, "\x01\x08\x0E\x1F\x7F", ""},
    {"exactly_at_the_limit", "123456789012345 x", 15, Word::taken, "123456789012345", " x"},
    {"one_over_the_limit_is_taken_whole_not_kept", "1234567890123456 x", 15, Word::too_long, "", " x"},
    {"far_over_the_limit", std::string(100000, 'z') + "\nx", 63, Word::too_long, "", "\nx"},
    {"zero_byte_where_the_word_begins", "\0ab"s, 27, Word::ended, "", "\0ab"s},
    {"blanks_then_zero_byte", " \n\0"s, 27, Word::ended, "", "\0"s},
    {"end_of_input", "", 27, Word::ended, "", ""},
    {"blanks_then_end", " \t\n", 27, Word::ended, "", ""},
};

void PrintTo(const WordCase& c, std::ostream* os) { *os << c.name; }

class ReadWord : public ::testing::TestWithParam<WordCase> {};

TEST_P(ReadWord, YieldsWordAndLeavesTheRest)
{
    const WordCase& c = GetParam();
    Console con = console_from(c.input);
    std::string word = "previous";
    EXPECT_EQ(read_word(con, c.limit, word), c.result);
    EXPECT_EQ(word, c.word);
    EXPECT_EQ(std::string(con.unread), c.rest);
}

INSTANTIATE_TEST_SUITE_P(Table, ReadWord, ::testing::ValuesIn(WORDS),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Ask, NumberThenWordsFromOneLineAnswerQuestionsInTurn)
{
    Console con = console_from("1 cat board\n");
    std::string category, board;
    EXPECT_TRUE(ask_number(con, "Q1").is(1));
    EXPECT_TRUE(ask_word(con, "Q2", 27, category));
    EXPECT_TRUE(ask_word(con, "Q3", 15, board));
    EXPECT_EQ(category, "cat");
    EXPECT_EQ(board, "board");
    EXPECT_EQ(con.said, "Q1Q2Q3");
    EXPECT_EQ(con.unread, "\n");
}

TEST(Ask, OverLongWordIsRefusedAndAskedAgain)
{
    Console con = console_from("abcd abc");
    std::string word;
    EXPECT_TRUE(ask_word(con, "Q", 3, word));
    EXPECT_EQ(word, "abc");
    // The notice is in cp932; only its ASCII part is checked here.
    EXPECT_EQ(con.said.substr(0, 1), "Q");
    EXPECT_NE(con.said.find("3"), std::string::npos);
    EXPECT_EQ(con.said.substr(con.said.size() - 1), "Q");
}

}  // namespace
