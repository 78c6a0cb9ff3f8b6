/* A video hook plug-in for the engine's tests: fills the first plane of every picture with
   one value (argument 1, 200 by default). Built with and without its optional entry points.
   "Configure" refuses the argument "refuse". ReleaseCount counts the contexts released,
   ProcessCount the pictures processed by any context. */
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

typedef struct {
    uint8_t* data[4];
    int linesize[4];
} Picture;

typedef struct {
    int value;
    int argc;
} Context;

int ReleaseCount = 0;
int ConfigureArgc = 0;
int ProcessCount = 0;

#ifndef VHOOK_NO_CONFIGURE
int Configure(void** ctx, int argc, char* argv[]) {
    ConfigureArgc = argc;
    if (argc > 1 && strcmp(argv[1], "refuse") == 0) return -1;
    Context* context = calloc(1, sizeof(Context));
    if (!context) return -1;
    context->value = argc > 1 ? atoi(argv[1]) : 200;
    context->argc = argc;
    *ctx = context;
    return 0;
}
#endif

#ifndef VHOOK_NO_PROCESS
void Process(void* ctx, Picture* picture, int pixFmt, int width, int height, int64_t pts) {
    const Context* context = ctx;
    const int value = context ? context->value : 200;
    (void)pixFmt;
    (void)pts;
    ++ProcessCount;
    for (int y = 0; y < height; ++y)
        memset(picture->data[0] + (ptrdiff_t)y * picture->linesize[0], value, (size_t)width);
}
#endif

void Release(void* ctx) {
    ++ReleaseCount;
    free(ctx);
}
