// Starts a program and prints the milliseconds from its start to the mapping
// of its first top-level window, then its resident memory in kilobytes once
// it has settled; then ends it. One X connection, opened and listening on
// the root window before the program starts, so neither the connection nor
// a reader between the server and the clock is timed.
//
// Usage: map_timer [-s SETTLE_MS] PROGRAM [ARGUMENT...]
// Output: "MILLISECONDS KILOBYTES". Exit status 1 when the program ends or
// times out before it maps a window, 2 on bad usage or without a display.
#define _GNU_SOURCE
#include <xcb/xcb.h>

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double Milliseconds(const struct timespec* from, const struct timespec* to) {
    return (double)(to->tv_sec - from->tv_sec) * 1e3 + (double)(to->tv_nsec - from->tv_nsec) / 1e6;
}

static long ResidentKilobytes(pid_t pid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* file = fopen(path, "r");
    if (!file)
        return 0;
    char line[256];
    long kilobytes = 0;
    while (fgets(line, sizeof line, file)) {
        if (strncmp(line, "VmRSS:", 6) == 0) {
            kilobytes = strtol(line + 6, NULL, 10);
            break;
        }
    }
    fclose(file);
    return kilobytes;
}

static void End(pid_t pid) {
    kill(pid, SIGTERM);
    while (waitpid(pid, NULL, 0) < 0 && errno == EINTR) {
    }
}

int main(int argc, char** argv) {
    int settle = 300;
    int first = 1;
    if (argc > 2 && strcmp(argv[1], "-s") == 0) {
        settle = atoi(argv[2]);
        first = 3;
    }
    if (first >= argc || settle < 0) {
        fprintf(stderr, "usage: map_timer [-s SETTLE_MS] PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(NULL, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        fprintf(stderr, "map_timer: cannot open the display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so the server listens for us before the program starts.
    xcb_generic_error_t* error = xcb_request_check(
        connection,
        xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask));
    if (error) {
        fprintf(stderr, "map_timer: cannot watch the root window\n");
        return 2;
    }
    const int fd = xcb_get_file_descriptor(connection);
    fcntl(fd, F_SETFD, FD_CLOEXEC);

    struct timespec start, mapped;
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = fork();
    if (pid < 0) {
        perror("map_timer: fork");
        return 2;
    }
    if (pid == 0) {
        execvp(argv[first], argv + first);
        perror(argv[first]);
        _exit(127);
    }

    const double timeout = 60000;
    for (;;) {
        xcb_generic_event_t* event;
        while ((event = xcb_poll_for_event(connection))) {
            const int type = event->response_type & 0x7f;
            // Tooltips and menus are not what the user waits for.
            const int top =
                type == XCB_MAP_NOTIFY && !((xcb_map_notify_event_t*)event)->override_redirect;
            free(event);
            if (top) {
                clock_gettime(CLOCK_MONOTONIC, &mapped);
                goto done;
            }
        }
        if (xcb_connection_has_error(connection)) {
            fprintf(stderr, "map_timer: lost the display\n");
            End(pid);
            return 1;
        }
        if (waitpid(pid, NULL, WNOHANG) == pid) {
            fprintf(stderr, "map_timer: %s ended before it showed a window\n", argv[first]);
            return 1;
        }
        struct timespec now;
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (Milliseconds(&start, &now) >= timeout) {
            fprintf(stderr, "map_timer: no window from %s\n", argv[first]);
            End(pid);
            return 1;
        }
        struct pollfd ready = {fd, POLLIN, 0};
        poll(&ready, 1, 50);
    }
done:;
    const double ms = Milliseconds(&start, &mapped);
    // The first paint follows the mapping; the memory is read after it.
    struct timespec pause = {settle / 1000, (long)(settle % 1000) * 1000000L};
    while (nanosleep(&pause, &pause) < 0 && errno == EINTR) {
    }
    const long kilobytes = ResidentKilobytes(pid);
    End(pid);
    xcb_disconnect(connection);
    printf("%.1f %ld\n", ms, kilobytes);
    return 0;
}
