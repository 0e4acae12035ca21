// The viewer's frame clock, which vDrawScene hands to vSetTime as the field
// time: it starts at 0, and every frame in which the sources move adds the
// double 0.025 and rounds the sum to float. The viewer steps it once a
// frame; orvane-mesh asks where it stands after a number of frames, so that
// its --frame gives the surface the viewer draws in that frame.
#pragma once

#include <cstdint>

// The clock one frame on. A float on purpose: far enough on, a step no longer
// changes it.
inline float fNextFrameClock(float fClock) {
    return float(fClock + 0.025);
}

// The clock after iFrames frames from 0. A step that no longer changes the
// clock never will again (from 2^19 on), so the count can stop there.
inline float fFrameClockAfter(std::int64_t iFrames) {
    float fClock = 0.0f;
    for (std::int64_t iFrame = 0; iFrame < iFrames; iFrame++) {
        const float fNext = fNextFrameClock(fClock);
        if (fNext == fClock) {
            break;
        }
        fClock = fNext;
    }
    return fClock;
}
