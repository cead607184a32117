#include "platform/linux/frame_pacer.h"

frame_pacer pace_every(long delay_microseconds) { return {delay_microseconds * 1000LL, 0}; }

long long frame_wait_ns(const frame_pacer &pacer, long long now_ns) { return pacer.due_ns - now_ns; }

// Due times follow from one another, not from the moment a frame really
// started, so the few microseconds a wait overruns never add up.
void frame_started(frame_pacer *pacer, long long now_ns) {
  long long next = pacer->due_ns + pacer->delay_ns;
  pacer->due_ns = pacer->due_ns && now_ns < next ? next : now_ns + pacer->delay_ns;
}
