#include "Src/FFmpeg/CodecThreads.h"

#include <algorithm>
#include <thread>

int AutoCodecThreads(int cores, int tasksAtOnce) {
    return std::max(1, std::max(1, cores) / std::max(1, tasksAtOnce));
}

int ProcessorCores() {
    return std::max(1, int(std::thread::hardware_concurrency()));
}
