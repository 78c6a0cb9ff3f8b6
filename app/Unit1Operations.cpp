#include "app/Unit1.h"

#include "Src/FFmpegTasks/TaskOptionRecords.h"

// These operations belong to the job list, the conversion control, the format choice and the
// preview panel; the window binds them so that its commands keep their wiring.

void TForm1::Button7Click(TObject*) {}

void TForm1::Button31Click(TObject*) {}

void TForm1::btnCaptureClick(TObject*) {}

void TForm1::bsSkinButton13Click(TObject*) {}

void TForm1::bsSkinButton14Click(TObject*) {}

void TForm1::bsSkinButton15Click(TObject*) {}

void TForm1::bsSkinButton16Click(TObject*) {}

void TForm1::bsSkinButton20Click(TObject*) {}

void TForm1::bsSkinButton22Click(TObject*) {}

void TForm1::bsSkinButton23Click(TObject*) {}

void TForm1::bsSkinButton23MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}

void TForm1::bsSkinSlider1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}

void TForm1::bsSkinSlider1MouseUp(TObject*, TMouseButton, TShiftState, int, int) {}

void TForm1::bsSkinSlider1Change(TObject*) {}

void TForm1::MenuItem1Click(TObject*) {}

void TForm1::MenuItem2Click(TObject*) {}

void TForm1::BMP1Click(TObject*) {}

void TForm1::JPG1Click(TObject*) {}

void TForm1::GIF1Click(TObject*) {}

void TForm1::PNG1Click(TObject*) {}

void TForm1::TrackBar1Change(TObject*) {}

void TForm1::TrackBar2Change(TObject*) {}

void TForm1::FFTasksCustomHook(TObject*, PHookInfo) {}

void TForm1::VOVezadeFileOpen(TObject*, std::int64_t, int, int, int&, int&) {}

void TForm1::VOVezadePosition(TObject*, std::int64_t) {}

void TForm1::VOVezadeState(TObject*, TPlayState) {}

void TForm1::VOVezadeHook(TObject*, TBitmap*, std::int64_t) {}
