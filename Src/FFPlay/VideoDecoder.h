#pragma once
#include "Src/FFPlay/VideoState.h"

// The time stamp of a decoded picture: the decoder's best guess (-1), the reordered
// presentation stamp (1) or the decoding stamp (0); AV_NOPTS_VALUE when the choice has none.
int64_t ChooseFramePts(const AVFrame& frame, int decoderReorderPts);

// Decodes into frame. Result 1 with a picture to pass on, 0 with none (a flush marker, a
// packet still buffered in the decoder, a picture skipped to catch up), -1 once the video queue
// is aborted.
int GetVideoFrame(TVideoState& is, AVFrame* frame);

// Puts the filtered picture into the write slot of the picture queue, waiting while the queue
// is full and while the event loop allocates the slot's overlay. Result -1 when the video
// queue is aborted, else 0.
int QueuePicture(TVideoState& is, AVFrame* frame, double pts, int64_t pos);

// Keeps the video clock running across pictures without a time stamp, then queues.
int OutputPicture(TVideoState& is, AVFrame* frame, double pts, int64_t pos);

// The video thread: decodes, filters and queues pictures until the video queue is aborted.
void VideoThreadProc(TVideoState& is);
