// itareg: writes the list with which the board browser registers external boards.
#include "dialogue/console.h"
#include "dialogue/dialogues.h"
#include "platform/platform.h"

int main()
{
    platform::init_console();
    Console con = console_on(platform::STDIN, platform::STDOUT);
    int status = run(con);
    flush(con);
    return status;
}
