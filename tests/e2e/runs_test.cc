// Whole runs of the built program, one row each: what is typed, what the
// console shows, the files left behind and the exit status.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "harness.h"
#include "said.h"

namespace {

using namespace said;
using namespace std::string_literals;
using e2e::DIRECTORY;
using e2e::Files;
using e2e::link_to;

struct Case {
    const char* name;
    std::string input;
    std::string transcript;
    Files after;
    int status = 0;
    Files before = {};
    std::vector<std::string> args = {};
};

// List lines, each ended by CR LF.
std::string crlf(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

// A run of n copies of one letter, to fill a field to its limit or past it.
std::string fill(std::size_t n, char c) { return std::string(n, c); }

// A Shift_JIS category with a full-width space (0x81 0x40) and a trail byte 0x5C (構).
const std::string JAPANESE = sjis("ニュース　速報構");
const std::string KANJI_13 = sjis("板板板板板板板板板板板板板");

const std::string OLD = crlf({"[old]", "x=y"});

// A new list of two categories, one board each, up to the naming question.
const std::string TWO_TYPED = "1 cat1 b1 u1 0 1 cat2 b2 u2 0 ";
const std::string TWO_SAID = NEW + FIRST + MORE_FIRST + ANOTHER_CATEGORY + FIRST + MORE_SECOND + NAMING;
const std::string TWO = crlf({"[cat1]", "b1=u1", "[cat2]", "b2=u2"});

// An addition of two categories, one board each, up to the rename question.
const std::string ADD_TWO_TYPED = "2 c1 b1 u1 0 1 c2 b2 u2 0 ";
const std::string ADD_TWO_SAID = APPEND + FIRST + MORE_APPEND + ANOTHER_CATEGORY + FIRST + MORE_SECOND + RENAME_QUESTION;
const std::string ADD_TWO = crlf({"[c1]", "b1=u1", "[c2]", "b2=u2"});

const std::string ONE_SAID = NEW + FIRST + MORE_FIRST + ANOTHER_CATEGORY;
const std::string ONE = crlf({"[cat]", "bd=u"});

const Case RUNS[] = {
    // The new list.
    {"new_list_one_board_then_stop", "1\ncat\nbd\nhttp://a/\n0\n0\n", ONE_SAID,
     {{"uho.txt", crlf({"[cat]", "bd=http://a/"})}}},
    {"one_line_answers_several_questions_four_boards", "1 cat b1 u1 1 b2 u2 1 b3 u3 1 b4 u4 0 0\n",
     NEW + FIRST + MORE_FIRST + BOARD + MORE_FIRST_AGAIN + BOARD + MORE_FIRST_AGAIN + BOARD + MORE_FIRST_AGAIN + ANOTHER_CATEGORY,
     {{"uho.txt", crlf({"[cat]", "b1=u1", "b2=u2", "b3=u3", "b4=u4"})}}},
    {"two_categories_named_after_the_first", "1\ncat1\nb1\nu1\n1\nb2\nu2\n0\n1\ncat2\nb3\nu3\n0\n0\n",
     NEW + FIRST + MORE_FIRST + BOARD + MORE_FIRST_AGAIN + ANOTHER_CATEGORY + FIRST + MORE_SECOND + NAMING + name_changed("cat1.txt"),
     {{"cat1.txt", crlf({"[cat1]", "b1=u1", "b2=u2", "[cat2]", "b3=u3"})}}},
    {"second_category_boards_repeat_while_1", "1 cat1 b1 u1 0 1 cat2 b2 u2 1 b3 u3 0 0\n",
     NEW + FIRST + MORE_FIRST + ANOTHER_CATEGORY + FIRST + MORE_SECOND + BOARD + MORE_SECOND + NAMING + name_changed("cat1.txt"),
     {{"cat1.txt", crlf({"[cat1]", "b1=u1", "[cat2]", "b2=u2", "b3=u3"})}}},
    {"name_choice_other_than_1_takes_the_first_category", TWO_TYPED + "5\n", TWO_SAID + name_changed("cat1.txt"),
     {{"cat1.txt", TWO}}},
    {"typed_name_gets_txt", TWO_TYPED + "1 mylist\n", TWO_SAID + FILE_NAME_PROMPT + name_changed("mylist.txt"),
     {{"mylist.txt", TWO}}},
    {"typed_name_ending_in_txt_gets_a_second_txt", TWO_TYPED + "1 list.txt\n",
     TWO_SAID + FILE_NAME_PROMPT + name_changed("list.txt.txt"), {{"list.txt.txt", TWO}}},
    {"typed_name_is_shown_as_typed_never_as_a_format", TWO_TYPED + "1 a%s%n%d\n",
     TWO_SAID + FILE_NAME_PROMPT + name_changed("a%s%n%d.txt"), {{"a%s%n%d.txt", TWO}}},
    {"japanese_category_is_kept_and_named_byte_for_byte", "1 " + JAPANESE + " b1 u1 0 1 cat2 b2 u2 0 0\n",
     TWO_SAID + name_changed(JAPANESE + ".txt"),
     {{JAPANESE + ".txt", crlf({"[" + JAPANESE + "]", "b1=u1", "[cat2]", "b2=u2"})}}},
    {"final_name_of_an_existing_file_leaves_both_untouched", TWO_TYPED + "1 taken\n", TWO_SAID + FILE_NAME_PROMPT,
     {{"uho.txt", TWO}, {"taken.txt", "keep"}}, 0, {{"taken.txt", "keep"}}},
    {"typed_name_uho_is_the_working_file_itself", TWO_TYPED + "1 uho\n", TWO_SAID + FILE_NAME_PROMPT,
     {{"uho.txt", TWO}}},
    {"first_category_uho_is_the_working_file_itself", "1 uho b1 u1 0 1 cat2 b2 u2 0 0\n", TWO_SAID,
     {{"uho.txt", crlf({"[uho]", "b1=u1", "[cat2]", "b2=u2"})}}},
    {"new_list_empties_an_existing_uho_txt", "1 cat bd u 0 0\n", ONE_SAID, {{"uho.txt", ONE}}, 0,
     {{"uho.txt", OLD}}},
    {"new_list_cannot_open_a_directory", "1\n", START + OPEN_FAILED, {{"uho.txt", DIRECTORY}}, 1,
     {{"uho.txt", DIRECTORY}}},
    {"new_list_write_failure_is_reported_instead_of_written", "1 cat bd u 0 0\n",
     NEW + CATEGORY_PROMPT + BOARD_PROMPT + URL_PROMPT + WRITE_FAILED, {{"uho.txt", link_to("/dev/full")}}, 1,
     {{"uho.txt", link_to("/dev/full")}}},

    // The mode question.
    {"mode_3_is_invalid_and_touches_nothing", "3\n", START + INVALID_CHOICE + CLOSING, {{"uho.txt", OLD}}, 0,
     {{"uho.txt", OLD}}},
    {"mode_0_is_invalid", "0\n", START + INVALID_CHOICE + CLOSING, {}},
    {"mode_negative_is_invalid", "-1\n", START + INVALID_CHOICE + CLOSING, {}},
    {"mode_without_digits_is_invalid", "x1\n", START + INVALID_CHOICE + CLOSING, {}},
    {"mode_wraps_to_32_bits", "4294967297 cat bd u 0 0\n", ONE_SAID, {{"uho.txt", ONE}}},
    {"arguments_are_ignored", "3\n", START + INVALID_CHOICE + CLOSING, {}, 0, {}, {"1", "--help"}},
    {"empty_lines_before_answers_are_passed_over", "\n\n1\n\n\ncat\r\n\r\nbd\n\n\tu\n\n0\n \n0\n", ONE_SAID,
     {{"uho.txt", ONE}}},
    {"ten_thousand_digits_keep_their_low_32_bits", std::string(9999, '0') + "1 cat bd u 0 0", ONE_SAID, {{"uho.txt", ONE}}},
    {"ten_thousand_digits_wrapping_to_0_are_invalid", "1" + std::string(9999, '0'), START + INVALID_CHOICE + CLOSING, {}},
    {"ten_megabytes_of_blanks_before_an_answer", "1" + fill(10 << 20, ' ') + "cat bd u 0 0", ONE_SAID, {{"uho.txt", ONE}}},
    {"answers_are_read_across_the_input_buffer", fill(100000, ' ') + "1" + fill(70000, '\n') + "cat bd u 0 0", ONE_SAID,
     {{"uho.txt", ONE}}},

    // The end of input ends the run at once, at whatever question.
    {"input_ends_at_the_mode_question", "", START + INPUT_ENDED, {}},
    {"blanks_alone_are_the_end_of_input", " \t\n\r\n\v\f", START + INPUT_ENDED, {}},
    {"a_lone_sign_is_the_end_of_input", "-", START + INPUT_ENDED, {}},
    {"input_ends_at_the_board_prompt", "1 cat", NEW + CATEGORY_PROMPT + BOARD_PROMPT + INPUT_ENDED, {{"uho.txt", ""}}},
    {"input_ends_at_the_url_prompt_no_half_entry", "1 cat bd\n",
     NEW + CATEGORY_PROMPT + BOARD_PROMPT + URL_PROMPT + INPUT_ENDED, {{"uho.txt", ""}}},
    {"input_ends_at_more_first", "1 cat bd u", NEW + FIRST + MORE_FIRST + INPUT_ENDED, {{"uho.txt", ONE}}},
    {"input_ends_within_further_boards", "1 cat bd u 1 b2",
     NEW + FIRST + MORE_FIRST + BOARD_PROMPT + URL_PROMPT + INPUT_ENDED, {{"uho.txt", ONE}}},
    {"input_ends_at_the_name_choice_nothing_renamed", TWO_TYPED, TWO_SAID + INPUT_ENDED, {{"uho.txt", TWO}}},
    {"input_ends_at_the_file_name_prompt", TWO_TYPED + "1", TWO_SAID + FILE_NAME_PROMPT + INPUT_ENDED,
     {{"uho.txt", TWO}}},
    {"a_sign_then_the_end_is_the_end_of_input", TWO_TYPED + "+", TWO_SAID + INPUT_ENDED, {{"uho.txt", TWO}}},
    {"zero_byte_where_a_word_begins_ends_the_run", "1\n\0cat bd u"s, NEW + CATEGORY_PROMPT + INPUT_ENDED,
     {{"uho.txt", ""}}},
    {"zero_byte_ends_a_word_and_then_the_run", "1 cat\0x bd u"s, NEW + CATEGORY_PROMPT + BOARD_PROMPT + INPUT_ENDED,
     {{"uho.txt", ""}}},

    // Answers that are neither 0 nor 1.
    {"more_first_other_than_0_or_1_ends_the_run", "1 cat bd u 5 0\n", NEW + FIRST + MORE_FIRST, {{"uho.txt", ONE}}},
    {"more_first_without_digits_ends_the_run", "1 cat bd u x\n", NEW + FIRST + MORE_FIRST, {{"uho.txt", ONE}}},
    {"more_first_again_other_than_0_or_1_ends_the_run", "1 cat bd u 1 b2 u2 -1 1\n",
     NEW + FIRST + MORE_FIRST + BOARD + MORE_FIRST_AGAIN, {{"uho.txt", crlf({"[cat]", "bd=u", "b2=u2"})}}},
    {"another_category_without_digits_ends_the_run", "1 cat bd u 0 x\n", ONE_SAID, {{"uho.txt", ONE}}},
    {"no_value_at_more_second_and_name_choice_takes_the_first_name", "1 cat1 b1 u1 0 1 cat2 b2 u2 x\n",
     TWO_SAID + name_changed("cat1.txt"), {{"cat1.txt", TWO}}},

    // Over-long answers are refused and asked again; an answer at its limit is taken.
    {"every_field_refuses_one_byte_over_its_limit",
     "1 " + fill(28, 'z') + " " + fill(27, 'c') + " " + fill(16, 'z') + " " + fill(15, 'b') + " " + fill(64, 'z') + " " +
         fill(63, 'u') + " 0 1 " + fill(32, 'z') + " " + fill(31, 'd') + " b u 0 1 " + fill(28, 'z') + " " + fill(27, 'n'),
     NEW + CATEGORY_PROMPT + too_long(27) + CATEGORY_PROMPT + BOARD_PROMPT + too_long(15) + BOARD_PROMPT + URL_PROMPT +
         too_long(63) + URL_PROMPT + WRITTEN + MORE_FIRST + ANOTHER_CATEGORY + CATEGORY_PROMPT + too_long(31) +
         CATEGORY_PROMPT + BOARD + MORE_SECOND + NAMING + FILE_NAME_PROMPT + too_long(27) + FILE_NAME_PROMPT +
         name_changed(fill(27, 'n') + ".txt"),
     {{fill(27, 'n') + ".txt",
       crlf({"[" + fill(27, 'c') + "]", fill(15, 'b') + "=" + fill(63, 'u'), "[" + fill(31, 'd') + "]", "b=u"})}}},
    {"limits_count_bytes_of_japanese_text", "1 " + KANJI_13 + sjis("板") + " " + KANJI_13 + "a b1 u1 0 1 cat2 b2 u2 0 0",
     NEW + CATEGORY_PROMPT + too_long(27) + FIRST + MORE_FIRST + ANOTHER_CATEGORY + FIRST + MORE_SECOND + NAMING +
         name_changed(KANJI_13 + "a.txt"),
     {{KANJI_13 + "a.txt", crlf({"[" + KANJI_13 + "a]", "b1=u1", "[cat2]", "b2=u2"})}}},
    {"input_ends_after_an_over_long_answer", "1 " + fill(40, 'z'),
     NEW + CATEGORY_PROMPT + too_long(27) + CATEGORY_PROMPT + INPUT_ENDED, {{"uho.txt", ""}}},
    {"added_category_takes_31_bytes", "2 " + fill(32, 'z') + " " + fill(31, 'c') + " b u 0 0",
     APPEND + CATEGORY_PROMPT + too_long(31) + FIRST + MORE_APPEND + ANOTHER_CATEGORY,
     {{"uho.txt", crlf({"[" + fill(31, 'c') + "]", "b=u"})}}},

    // Adding to the working file.
    {"adding_creates_a_missing_uho_txt", "2 cat b1 u1 1 b2 u2 0 0\n",
     APPEND + FIRST + MORE_APPEND + BOARD + MORE_APPEND + ANOTHER_CATEGORY,
     {{"uho.txt", crlf({"[cat]", "b1=u1", "b2=u2"})}}},
    {"adding_puts_three_lines_after_the_old_ones", "2 cat b1 u1 1 b2 u2 0 0\n",
     APPEND + FIRST + MORE_APPEND + BOARD + MORE_APPEND + ANOTHER_CATEGORY,
     {{"uho.txt", OLD + crlf({"[cat]", "b1=u1", "b2=u2"})}}, 0, {{"uho.txt", OLD}}},
    {"adding_two_categories_keeps_uho_txt", ADD_TWO_TYPED + "0\n", ADD_TWO_SAID, {{"uho.txt", OLD + ADD_TWO}}, 0,
     {{"uho.txt", OLD}}},
    {"adding_renames_the_whole_file_to_a_typed_name", ADD_TWO_TYPED + "1 mine\n",
     ADD_TWO_SAID + FILE_NAME_PROMPT + name_changed("mine.txt"), {{"mine.txt", OLD + ADD_TWO}}, 0, {{"uho.txt", OLD}}},
    {"adding_never_renames_onto_an_existing_file", ADD_TWO_TYPED + "1 taken\n", ADD_TWO_SAID + FILE_NAME_PROMPT,
     {{"uho.txt", ADD_TWO}, {"taken.txt", OLD}}, 0, {{"taken.txt", OLD}}},
    {"adding_rename_answer_without_digits_keeps_uho_txt", ADD_TWO_TYPED + "x\n", ADD_TWO_SAID,
     {{"uho.txt", ADD_TWO}}},
    {"adding_the_same_category_gives_a_second_section", "2 old b u 0 0\n",
     APPEND + FIRST + MORE_APPEND + ANOTHER_CATEGORY, {{"uho.txt", OLD + crlf({"[old]", "b=u"})}}, 0,
     {{"uho.txt", OLD}}},
    {"adding_after_a_last_line_without_its_line_end_starts_a_new_line", "2 cat b u 0 0\n",
     APPEND + FIRST + MORE_APPEND + ANOTHER_CATEGORY, {{"uho.txt", "[old]\r\nx=y\r\n[cat]\r\nb=u\r\n"}}, 0,
     {{"uho.txt", "[old]\r\nx=y"}}},
    {"adding_after_a_bare_line_feed_adds_no_line_end", "2 cat b u 0 0\n",
     APPEND + FIRST + MORE_APPEND + ANOTHER_CATEGORY, {{"uho.txt", "x=y\n[cat]\r\nb=u\r\n"}}, 0,
     {{"uho.txt", "x=y\n"}}},
    {"adding_to_an_empty_file_adds_no_line_end", "2 cat b u 0 0\n",
     APPEND + FIRST + MORE_APPEND + ANOTHER_CATEGORY, {{"uho.txt", crlf({"[cat]", "b=u"})}}, 0, {{"uho.txt", ""}}},
    {"adding_cannot_open_a_directory", "2\n", START + OPEN_FAILED_APPEND, {{"uho.txt", DIRECTORY}}, 1,
     {{"uho.txt", DIRECTORY}}},
    {"adding_write_failure_is_reported", "2 cat b u 0 0\n", APPEND + CATEGORY_PROMPT + WRITE_FAILED,
     {{"uho.txt", link_to("/dev/full")}}, 1, {{"uho.txt", link_to("/dev/full")}}},
    {"adding_input_ends_after_the_header", "2 cat", APPEND + CATEGORY_PROMPT + BOARD_PROMPT + INPUT_ENDED,
     {{"uho.txt", OLD + "[cat]\r\n"}}, 0, {{"uho.txt", OLD}}},
};

// A failing row is named by its name, not by its bytes.
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class WholeRun : public ::testing::TestWithParam<Case> {};

TEST_P(WholeRun, ShowsWritesAndEndsAsExpected)
{
    const Case& run = GetParam();
    e2e::TempDir dir;
    e2e::make_files(dir.path, e2e::files_on_target(run.before));
    e2e::Outcome got = e2e::run_program(dir.path, {{.send = run.input}}, {.args = run.args});
    EXPECT_FALSE(got.timed_out) << "the program did not end";
    e2e::expect_bytes("stdout", e2e::console_bytes(run.transcript), got.out);
    e2e::expect_bytes("stderr", "", got.err);
    e2e::expect_files(e2e::files_on_target(run.after), e2e::snapshot(dir.path));
    EXPECT_EQ(got.status, run.status);
}

INSTANTIATE_TEST_SUITE_P(Table, WholeRun, ::testing::ValuesIn(RUNS),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

using namespace said;

// Windows names files without regard to case: "UHO.txt" is the working file
// itself, which a plain MoveFileExA would report as renamed.
TEST(WindowsNames, CaseVariantOfUhoIsTheWorkingFileItself)
{
    if (!e2e::on_windows())
        GTEST_SKIP() << "on this system UHO.txt is another file";
    e2e::TempDir dir;
    e2e::Outcome got = e2e::run_program(dir.path, {{.send = TWO_TYPED + "1 UHO\n"}});
    EXPECT_FALSE(got.timed_out);
    e2e::expect_bytes("stdout", e2e::console_bytes(TWO_SAID + FILE_NAME_PROMPT), got.out);
    e2e::expect_files({{"uho.txt", TWO}}, e2e::snapshot(dir.path));
    EXPECT_EQ(got.status, 0);
}

}  // namespace
