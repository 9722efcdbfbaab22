// Runs a command and prints its peak resident memory in KiB. A small process
// of its own starts it, so the figure is the command's, not its starter's.
#include <cstdio>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status;
    rusage usage;
    if (wait4(pid, &status, 0, &usage) != pid)
        return 2;
    std::fprintf(stderr, "%ld\n", usage.ru_maxrss);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
}
