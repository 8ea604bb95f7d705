// Times how long programs take from launch to their first window on screen, and how much memory
// they hold by then. Each run starts every program once, in turn, so that they share whatever
// the machine is doing. Needs an X display with a window manager.
//
// Usage: startup_timer RUNS PROGRAM...

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double milliseconds = 0;
    long residentKiB = 0;
};

xcb_atom_t Atom(xcb_connection_t *x, const char *name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// Whether the window, or a window below it (the window manager's frame holds the client), was
// made by that process.
bool BelongsTo(xcb_connection_t *x, xcb_window_t window, xcb_atom_t pidAtom, pid_t pid, int depth) {
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
        xcb_get_property_reply(x, xcb_get_property(x, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
                               nullptr),
        &std::free);
    if (property && xcb_get_property_value_length(property.get()) == 4 &&
        *static_cast<uint32_t *>(xcb_get_property_value(property.get())) ==
            static_cast<uint32_t>(pid))
        return true;
    if (depth == 0)
        return false;
    std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
        xcb_query_tree_reply(x, xcb_query_tree(x, window), nullptr), &std::free);
    if (!tree)
        return false;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        if (BelongsTo(x, children[i], pidAtom, pid, depth - 1))
            return true;
    }
    return false;
}

long ResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

bool Run(xcb_connection_t *x, xcb_atom_t pidAtom, char *program, Sample &sample) {
    const auto started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        char *argv[] = {program, nullptr};
        execv(program, argv);
        _exit(127);
    }
    bool mapped = false;
    while (!mapped) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_wait_for_event(x),
                                                                         &std::free);
        if (!event)
            break;
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
            continue;
        const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event.get());
        mapped = BelongsTo(x, map->window, pidAtom, pid, 2);
    }
    sample.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    sample.residentKiB = ResidentKiB(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return mapped;
}

template <class T> T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t pidAtom = Atom(x, "_NET_WM_PID");
    xcb_flush(x);

    const int programs = argc - 2;
    std::vector<std::vector<Sample>> samples(static_cast<std::size_t>(programs));
    for (int run = 0; run < runs; ++run) {
        for (int p = 0; p < programs; ++p) {
            Sample sample;
            if (!Run(x, pidAtom, argv[2 + p], sample)) {
                std::fprintf(stderr, "%s showed no window\n", argv[2 + p]);
                return 1;
            }
            samples[static_cast<std::size_t>(p)].push_back(sample);
        }
    }
    for (int p = 0; p < programs; ++p) {
        std::vector<double> times;
        std::vector<long> memory;
        for (const Sample &sample : samples[static_cast<std::size_t>(p)]) {
            times.push_back(sample.milliseconds);
            memory.push_back(sample.residentKiB);
        }
        std::printf("%-40s median %6.1f ms to its first window (min %.1f, max %.1f), %5.1f MiB "
                    "resident, %d runs\n",
                    argv[2 + p], Median(times), *std::min_element(times.begin(), times.end()),
                    *std::max_element(times.begin(), times.end()), Median(memory) / 1024.0, runs);
    }
    xcb_disconnect(x);
    return 0;
}
