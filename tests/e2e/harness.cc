#include "harness.h"

#include <cerrno>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include <fcntl.h>
#include <grp.h>
#include <iconv.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace e2e {

namespace {

const char* env(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// Converts with iconv; false if any byte does not convert.
bool convert(const char* to, const char* from, std::string_view in, std::string& out)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    out.assign(in.size() * 4 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    char* dst = out.data();
    std::size_t dst_left = out.size();
    bool ok = iconv(cd, &src, &src_left, &dst, &dst_left) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    out.resize(out.size() - dst_left);
    return ok;
}

// cp932 bytes as UTF-8 for a human: each character decoded, control and
// undecodable bytes escaped.
std::string decode(std::string_view bytes)
{
    std::string shown;
    for (std::size_t i = 0; i < bytes.size();) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        std::size_t n = ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) && i + 1 < bytes.size() ? 2 : 1;
        std::string utf8;
        if (c == '\n')
            shown += "\\n\n";
        else if (c == '\r')
            shown += "\\r";
        else if (c >= 0x20 && c != 0x7F && convert("UTF-8", "CP932", bytes.substr(i, n), utf8))
            shown += utf8;
        else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            shown += hex;
            n = 1;
        }
        i += n;
    }
    return shown;
}

std::string describe(const Files& files)
{
    std::string text;
    for (const auto& [name, bytes] : files)
        text += "  " + decode(name) + ": " + (bytes.size() > 400 ? decode(bytes.substr(0, 400)) + "..." : decode(bytes)) + "\n";
    return text.empty() ? "  (none)\n" : text;
}

void set_nonblocking(int fd)
{
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
}

}  // namespace

bool on_windows()
{
    return env("ITAREG_WINDOWS") != nullptr;
}

std::string sjis(std::string_view utf8)
{
    std::string out;
    if (!convert("CP932", "UTF-8", utf8, out))
        ADD_FAILURE() << "iconv cannot encode " << utf8;
    return out;
}

void make_files(const fs::path& dir, const Files& files)
{
    for (const auto& [name, bytes] : files) {
        fs::path path = dir / name;
        if (bytes == DIRECTORY)
            fs::create_directory(path);
        else if (bytes.starts_with("-> "))
            fs::create_symlink(bytes.substr(3), path);
        else
            std::ofstream(path, std::ios::binary) << bytes;
    }
}

Files snapshot(const fs::path& dir)
{
    Files files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::string name = entry.path().filename().string();
        if (entry.is_symlink())
            files[name] = link_to(fs::read_symlink(entry.path()).string());
        else if (entry.is_directory())
            files[name] = DIRECTORY;
        else {
            std::ifstream in(entry.path(), std::ios::binary);
            files[name].assign(std::istreambuf_iterator<char>(in), {});
        }
    }
    return files;
}

TempDir::TempDir()
{
    std::string templ = (fs::temp_directory_path() / "itareg-e2e-XXXXXX").string();
    if (!mkdtemp(templ.data()))
        ADD_FAILURE() << "mkdtemp: " << std::strerror(errno);
    path = templ;
}

TempDir::~TempDir()
{
    if (::testing::Test::HasFailure())
        std::printf("kept for inspection: %s\n", path.c_str());
    else
        fs::remove_all(path);
}

namespace {

Outcome run_once(const fs::path& dir, const std::vector<Step>& steps, const Launch& launch)
{
    Outcome outcome;
    const char* program = env("ITAREG_PROGRAM");
    if (!program) {
        ADD_FAILURE() << "ITAREG_PROGRAM is not set";
        return outcome;
    }
    std::vector<std::string> argv_strings;
    if (const char* emulator = env("ITAREG_EMULATOR"))
        argv_strings.push_back(emulator);
    argv_strings.push_back(program);
    argv_strings.insert(argv_strings.end(), launch.args.begin(), launch.args.end());
    std::vector<char*> argv;
    for (auto& s : argv_strings)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    std::signal(SIGPIPE, SIG_IGN);
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return outcome;
    }
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.c_str()) != 0)
            _exit(126);
        if (!launch.stdin_path.empty()) {
            int fd = open(launch.stdin_path.c_str(), O_RDONLY);
            if (fd < 0 || dup2(fd, 0) < 0)
                _exit(126);
            close(fd);
        } else {
            dup2(in[0], 0);
        }
        dup2(out[1], 1);
        dup2(err[1], 2);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
            close(fd);
        if (launch.stdout_closed)
            close(1);
        if (launch.unprivileged && getuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(126);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    set_nonblocking(in[1]);

    // Generous for an emulator's start; a program that waits for input it
    // will never get is stopped here rather than hanging the suite.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(env("ITAREG_EMULATOR") ? 60 : 20);
    std::size_t next = 0;
    std::string pending;
    int to_program = in[1];
    bool out_open = true, err_open = true;
    int wstatus = 0;
    bool exited = false;
    while (out_open || err_open) {
        // The run is over when the program has ended and its output is read;
        // what it started (an emulator's services) may hold the pipes longer.
        if (!exited && waitpid(pid, &wstatus, WNOHANG) == pid)
            exited = true;
        while (next < steps.size() && pending.empty() && outcome.out.size() >= steps[next].await) {
            if (steps[next].act)
                steps[next].act();
            pending += steps[next].send;
            ++next;
        }
        if (next == steps.size() && pending.empty() && to_program >= 0) {
            close(to_program);
            to_program = -1;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            outcome.timed_out = true;
            kill(pid, SIGKILL);
            break;
        }
        pollfd fds[3] = {{out_open ? out[0] : -1, POLLIN, 0},
                         {err_open ? err[0] : -1, POLLIN, 0},
                         {!pending.empty() ? to_program : -1, POLLOUT, 0}};
        int ready = poll(fds, 3, exited ? 0 : static_cast<int>(std::min<long long>(left.count(), 50)));
        if (ready < 0 && errno != EINTR)
            break;
        if (ready == 0 && exited)
            break;
        char chunk[65536];
        for (int i = 0; i < 2; ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            ssize_t n = read(fds[i].fd, chunk, sizeof chunk);
            if (n > 0)
                (i == 0 ? outcome.out : outcome.err).append(chunk, static_cast<std::size_t>(n));
            else if (n == 0 || errno != EAGAIN)
                (i == 0 ? out_open : err_open) = false;
        }
        if (fds[2].revents & (POLLOUT | POLLERR | POLLHUP)) {
            ssize_t n = write(to_program, pending.data(), pending.size());
            if (n > 0)
                pending.erase(0, static_cast<std::size_t>(n));
            else if (errno == EPIPE)
                pending.clear();  // the program has ended without reading it all
        }
    }
    if (to_program >= 0)
        close(to_program);
    close(out[0]);
    close(err[0]);
    if (!exited)
        waitpid(pid, &wstatus, 0);
    if (WIFEXITED(wstatus))
        outcome.status = WEXITSTATUS(wstatus);
    return outcome;
}

}  // namespace

Outcome run_program(const fs::path& dir, const std::vector<Step>& steps, const Launch& launch)
{
    Files before = snapshot(dir);
    Outcome outcome = run_once(dir, steps, launch);
    // Now and then Wine fails to start a program at all: nothing said, nothing
    // touched, status 1. Such a run is tried once more; a program that itself
    // fails that way fails again.
    if (env("ITAREG_EMULATOR") && outcome.out.empty() && outcome.err.empty() && outcome.status != 0 &&
        snapshot(dir) == before) {
        std::printf("note: the emulator did not start the program (status %d); trying once more\n", outcome.status);
        outcome = run_once(dir, steps, launch);
    }
    return outcome;
}

std::string console_bytes(std::string transcript)
{
    if (!on_windows())
        return transcript;
    std::string crlf;
    for (char c : transcript) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    return crlf;
}

Files files_on_target(const Files& files)
{
    if (!on_windows())
        return files;
    Files named;
    for (const auto& [name, bytes] : files) {
        std::string utf8;
        named[convert("UTF-8", "CP932", name, utf8) ? utf8 : name] = bytes;
    }
    return named;
}

void expect_bytes(std::string_view what, std::string_view wanted, std::string_view got)
{
    if (wanted == got)
        return;
    std::size_t at = 0;
    while (at < wanted.size() && at < got.size() && wanted[at] == got[at])
        ++at;
    auto byte = [](std::string_view s, std::size_t i) {
        char hex[16];
        if (i < s.size())
            std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(s[i]));
        else
            std::snprintf(hex, sizeof hex, "(end)");
        return std::string(hex);
    };
    ADD_FAILURE() << what << " differs at byte " << at << ": wanted " << byte(wanted, at) << ", got "
                  << byte(got, at) << " (" << wanted.size() << " bytes wanted, " << got.size() << " got)\n"
                  << "--- wanted:\n" << decode(wanted) << "\n--- got:\n" << decode(got) << "\n---";
}

void expect_files(const Files& wanted, const Files& got)
{
    bool same_names = wanted.size() == got.size();
    for (const auto& [name, bytes] : wanted) {
        auto it = got.find(name);
        if (it == got.end())
            same_names = false;
        else
            expect_bytes("file " + decode(name), bytes, it->second);
    }
    if (!same_names)
        ADD_FAILURE() << "files left behind differ\n--- wanted:\n" << describe(wanted) << "--- got:\n" << describe(got);
}

}  // namespace e2e
