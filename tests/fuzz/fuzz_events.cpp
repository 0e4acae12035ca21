// The libFuzzer entry: every input is a sequence of viewer events (see
// event_run.h), and a failed check ends the run with the input saved.
#include <cstdio>
#include <cstdlib>

#include "event_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* acData, std::size_t iSize) {
    const std::string strFailure = strRunEvents(acData, iSize);
    if (!strFailure.empty()) {
        std::fprintf(stderr, "event check failed: %s\n", strFailure.c_str());
        std::abort();
    }
    return 0;
}
