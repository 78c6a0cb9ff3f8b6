#pragma once

struct AVFrame;

// Blends each line of the second field with its neighbours (a vertical 5-tap low-pass), in
// place, on 8-bit planar YUV or grey pictures whose width and height are multiples of 4. A
// negative result for any other picture, which is then left as it was.
int DeinterlacePicture(AVFrame& picture);
