// Starts a program, prints the milliseconds until it maps its first top-level
// window, its resident memory in kB after it has idled for SECONDS, and the CPU
// milliseconds it had used when the map was seen:
//   mapwatch SECONDS PROGRAM [ARGS...]   ->   "<ms> <kB> <cpu ms>"
// On a busy machine the CPU time still says how much work came before the map.
// Run it on an X server without a window manager, so the map is the client's own.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// The program's CPU time, all its threads (ended ones too), as the kernel counts it.
double cpuMs(pid_t pid)
{
    clockid_t clock;
    timespec used {};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &used) != 0)
        return -1;
    return used.tv_sec * 1e3 + used.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SECONDS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int idleSeconds = std::atoi(argv[1]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    {
        xcb_get_input_focus_reply_t* r
            = xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr);
        std::free(r);
    }

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("exec");
        _exit(127);
    }
    double mappedMs = -1;
    double mappedCpuMs = -1;
    const auto deadline = start + std::chrono::seconds(60);
    pollfd fd { xcb_get_file_descriptor(x), POLLIN, 0 };
    while (mappedMs < 0 && std::chrono::steady_clock::now() < deadline) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(x)) {
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY
                && !reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect) {
                mappedMs = std::chrono::duration<double, std::milli>(
                    std::chrono::steady_clock::now() - start)
                               .count();
                mappedCpuMs = cpuMs(child);
            }
            std::free(e);
        }
        if (mappedMs >= 0 || waitpid(child, nullptr, WNOHANG) == child)
            break;
        poll(&fd, 1, 20);
    }
    long rss = -1;
    if (mappedMs >= 0) {
        std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
        rss = residentKb(child);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    if (mappedMs < 0) {
        std::fprintf(stderr, "%s mapped no window\n", argv[2]);
        return 1;
    }
    std::printf("%.1f %ld %.1f\n", mappedMs, rss, mappedCpuMs);
    return 0;
}
