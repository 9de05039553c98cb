// The time-axis reference model of tests/reliability/timeaxismodel.h driven by the fuzzer's bytes: a ruler and a box
// of two rows held, call by call, to the literal oracle of the time axis (tests/timeaxis/timeaxisoracle.h).

#include "fuzzsupport.h"
#include "timeaxismodel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZcbFuzz::Input input(data, size);
    ZcbFuzz::resetWorker();
    ReliabilityModel::TimeAxisRun<ZcbFuzz::Input> run(input);
    for (int step = 0; step < 40 && !input.atEnd(); ++step) {
        ZCB_FUZZ_CHECK(run.step(), run.failure);
        if (input.byte() % 8 == 0)
            ZCB_FUZZ_CHECK(run.checkPainting(), run.failure);
    }
    ZCB_FUZZ_CHECK(run.checkPainting(), run.failure);
    return 0;
}
