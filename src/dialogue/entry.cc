#include "dialogue/console.h"
#include "dialogue/dialogues.h"
#include "dialogue/texts.h"

int run(Console& con)
{
    show(con, text::BANNER);
    Number mode = ask_number(con, text::MODE_QUESTION);
    if (mode.ended) {
        show(con, "\n");
        show(con, text::CLOSING);
        return 0;
    }
    if (mode.is(1))
        return new_list(con);
    if (mode.is(2))
        return append(con);
    show(con, text::INVALID_CHOICE);
    show(con, text::CLOSING);
    return 0;
}
