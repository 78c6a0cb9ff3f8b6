#include "Src/FFmpeg/PreviewWindow.h"

#include "Src/FFUtils/MediaText.h"
#include "platform/forms/TCustomForm.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TCanvas.h"
#include "platform/rtl/MainThread.h"
#include "platform/win/Focus.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"

// The preview's window: it keeps its own copy of the last frame, so that it can repaint itself
// while the conversion's bitmap is being refilled, and turns a press anywhere into a caption drag.
class TPreviewForm : public TForm {
public:
    using TForm::TForm;

    void SetFrame(const TBitmap& bitmap) {
        FFrame.Assign(bitmap);
        Invalidate();
        Update();
    }

protected:
    void PaintWindow(win::HDC dc) override {
        FCanvas.SetHandle(dc);
        FCanvas.Draw(0, 0, &FFrame);
        FCanvas.SetHandle(nullptr);
    }

    // The window handles its own drag, so no process-wide message handler is replaced: several
    // previews may come and go in any order.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
        TForm::MouseDown(button, shift, x, y);
        if (button != mbLeft || !HandleAllocated()) return;
        const TPoint origin = ClientOrigin();
        win::ReleaseCapture();
        win::SendMessage(Handle(), win::WM_NCLBUTTONDOWN, win::HTCAPTION,
                         win::MAKELPARAM(unsigned(origin.X + x), unsigned(origin.Y + y)));
    }

private:
    TBitmap FFrame;
    TCanvas FCanvas;
};

TPreviewer::TPreviewer() = default;

TPreviewer::~TPreviewer() {
    if (!FForm) return;
    // The queue may keep copies of the call on this thread; the window itself is freed where the
    // call runs, on the main thread, whichever copy goes last.
    auto form = std::make_shared<std::unique_ptr<TPreviewForm>>(std::move(FForm));
    QueueToMainThread([form] { form->reset(); });
}

bool TPreviewer::PaintFrame(const TBitmap& bitmap, int frameNumber, std::int64_t pts) {
    if (*FClosed) return false;
    FFrameNumber = frameNumber;
    SynchronizeWithMainThread([&] { Paint(bitmap, pts); });
    return !*FClosed;
}

win::HWND TPreviewer::Handle() const {
    return FForm && FForm->HandleAllocated() ? FForm->Handle() : nullptr;
}

void TPreviewer::Paint(const TBitmap& bitmap, std::int64_t pts) {
    if (*FClosed) return;
    if (!FForm) CreateForm(bitmap);
    FForm->SetCaption(DurationToText(pts));
    FForm->SetFrame(bitmap);
}

void TPreviewer::CreateForm(const TBitmap& bitmap) {
    auto form = std::make_unique<TPreviewForm>(nullptr);
    form->SetFormStyle(fsStayOnTop);
    form->SetBorderStyle(bsToolWindow);
    form->SetBorderIcons({ biSystemMenu });
    form->SetPosition(poScreenCenter);
    form->SetClientWidth(bitmap.Width());
    form->SetClientHeight(bitmap.Height());
    form->OnCloseQuery = [closed = FClosed](TObject*, bool& canClose) {
        *closed = true;
        canClose = true;
    };
    form->AfterConstruction();
    FForm = std::move(form);
    FForm->Show();
}
