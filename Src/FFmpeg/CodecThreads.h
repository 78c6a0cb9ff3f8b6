#pragma once

// How many threads a codec of a conversion gets when its thread count is 0: the cores shared
// out among the conversions that run at the same time, at least one each, so that a single
// file uses the whole machine and as many files as cores use one core each.
int AutoCodecThreads(int cores, int tasksAtOnce);

// The processor's cores as the system reports them, at least 1.
int ProcessorCores();
