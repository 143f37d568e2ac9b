/* A library preloaded into a test's process (LD_PRELOAD) to move that process's wall clock ahead by
 * TLX_CLOCK_AHEAD_SECONDS, as a workstation whose clock runs fast: clock_gettime(CLOCK_REALTIME...),
 * gettimeofday and time answer the real time plus that many seconds; monotonic clocks are left alone.
 * Built without sanitizers, since it stands in front of the sanitizer's runtime in the lookup order. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdlib.h>
#include <sys/time.h>
#include <time.h>

static time_t Ahead(void) {
    const char* seconds = getenv("TLX_CLOCK_AHEAD_SECONDS");
    return seconds ? (time_t)strtol(seconds, NULL, 10) : 0;
}

static int IsWallClock(clockid_t clock) {
    return clock == CLOCK_REALTIME || clock == CLOCK_REALTIME_COARSE;
}

int clock_gettime(clockid_t clock, struct timespec* now) {
    static int (*real)(clockid_t, struct timespec*);
    if (!real) real = (int (*)(clockid_t, struct timespec*))dlsym(RTLD_NEXT, "clock_gettime");
    const int result = real(clock, now);
    if (result == 0 && IsWallClock(clock)) now->tv_sec += Ahead();
    return result;
}

int gettimeofday(struct timeval* restrict now, void* restrict zone) {
    static int (*real)(struct timeval*, void*);
    if (!real) real = (int (*)(struct timeval*, void*))dlsym(RTLD_NEXT, "gettimeofday");
    const int result = real(now, zone);
    if (result == 0) now->tv_sec += Ahead();
    return result;
}

time_t time(time_t* out) {
    static time_t (*real)(time_t*);
    if (!real) real = (time_t (*)(time_t*))dlsym(RTLD_NEXT, "time");
    const time_t now = real(NULL) + Ahead();
    if (out) *out = now;
    return now;
}
