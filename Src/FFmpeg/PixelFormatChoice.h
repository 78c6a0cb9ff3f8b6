#pragma once
struct AVCodec;
struct AVCodecContext;

// Fits the context's pixel format to the encoder: a format the encoder does not list becomes its
// first listed one, except that MJPEG below strict compliance keeps planar YUV 4:2:0 and 4:2:2.
// A null encoder, or one that lists nothing, leaves the context as it is.
void ChoosePixelFormat(AVCodecContext* context, const AVCodec* encoder);
