#include "Src/FFPlay/PictureOverlay.h"
#include "Src/FFmpegLoader.h"

#include <gtest/gtest.h>

namespace {

const TLibraries kLibraries{ avUtil, lbSDL };

class PictureOverlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GlobalLoader().Load(kLibraries)) << TFFmpegLoader::LastErrMsg();
        ASSERT_EQ(sdl::SDL_Init(SDL_INIT_VIDEO), 0) << sdl::SDL_GetError();
        FScreen = sdl::SDL_SetVideoMode(kWidth, kHeight, 32, SDL_SWSURFACE);
        ASSERT_NE(FScreen, nullptr) << sdl::SDL_GetError();
        FFrame.reset(av::av_frame_alloc());
        FFrame->format = AV_PIX_FMT_YUV420P;
        FFrame->width = kWidth;
        FFrame->height = kHeight;
        ASSERT_GE(av::av_frame_get_buffer(FFrame.get(), 0), 0);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x)
                FFrame->data[0][y * FFrame->linesize[0] + x] = y;
        }
        for (int y = 0; y < kHeight / 2; ++y) {
            for (int x = 0; x < kWidth / 2; ++x) {
                FFrame->data[1][y * FFrame->linesize[1] + x] = 100 + y; // U
                FFrame->data[2][y * FFrame->linesize[2] + x] = 200 + y; // V
            }
        }
    }
    void TearDown() override {
        FState.reset();
        FFrame.reset();
        sdl::SDL_Quit();
        GlobalLoader().Unload(kLibraries);
    }

    static constexpr int kWidth = 64;
    static constexpr int kHeight = 48;
    SDL_Surface* FScreen{ nullptr };
    FramePtr FFrame;
    std::unique_ptr<TVideoState> FState = std::make_unique<TVideoState>();
};

TEST_F(PictureOverlayTest, AllocationMakesTheRequestedOverlayAndWakesTheDecoder) {
    TVideoPicture& vp = FState->pictq[0];
    vp.width = kWidth;
    vp.height = kHeight;
    AllocPicture(*FState, FScreen);
    EXPECT_EQ(vp.allocated, 1);
    ASSERT_NE(vp.bmp, nullptr) << sdl::SDL_GetError();
    EXPECT_EQ(vp.bmp->w, kWidth);
    EXPECT_EQ(vp.bmp->h, kHeight);
    EXPECT_EQ(vp.bmp->format, SDL_YV12_OVERLAY);
    // A second request replaces the overlay (a changed size); the old one is freed.
    vp.width = 32;
    vp.height = 24;
    AllocPicture(*FState, FScreen);
    ASSERT_NE(vp.bmp, nullptr) << sdl::SDL_GetError();
    EXPECT_EQ(vp.bmp->w, 32);
}

TEST_F(PictureOverlayTest, PlanesLandInYV12OrderAndFlipTurnsThePicture) {
    TVideoPicture& vp = FState->pictq[0];
    vp.width = kWidth;
    vp.height = kHeight;
    AllocPicture(*FState, FScreen);
    ASSERT_NE(vp.bmp, nullptr) << sdl::SDL_GetError();
    for (bool flip : { false, true }) {
        ASSERT_TRUE(CopyToOverlay(vp.bmp, *FFrame, flip));
        SDL_Overlay* o = vp.bmp;
        for (int y : { 0, 1, kHeight - 1 }) {
            const int row = flip ? kHeight - 1 - y : y;
            EXPECT_EQ(o->pixels[0][y * o->pitches[0] + 5], row) << flip << " y " << y;
        }
        for (int y : { 0, kHeight / 2 - 1 }) {
            const int row = flip ? kHeight / 2 - 1 - y : y;
            EXPECT_EQ(o->pixels[1][y * o->pitches[1] + 3], 200 + row) << "V " << flip;
            EXPECT_EQ(o->pixels[2][y * o->pitches[2] + 3], 100 + row) << "U " << flip;
        }
    }
}

TEST_F(PictureOverlayTest, RefusesWhatItCannotCopy) {
    EXPECT_FALSE(CopyToOverlay(nullptr, *FFrame, false));
    TVideoPicture& vp = FState->pictq[0];
    vp.width = kWidth;
    vp.height = kHeight;
    AllocPicture(*FState, FScreen);
    FFrame->format = AV_PIX_FMT_RGB24;
    EXPECT_FALSE(CopyToOverlay(vp.bmp, *FFrame, false));
}

} // namespace
