#include "app/Unit1.h"

#include "Src/FFmpegTasks/TaskOptionRecords.h"

// These operations belong to the job list, the conversion control, the format choice and the
// preview panel; the window binds them so that its commands keep their wiring.

void TForm1::Button15Click(TObject*) {}

void TForm1::Button21Click(TObject*) {}

void TForm1::Button2Click(TObject*) {}

void TForm1::Button18Click(TObject*) {}

void TForm1::Button6Click(TObject*) {}

void TForm1::Button5Click(TObject*) {}

void TForm1::Button13Click(TObject*) {}

void TForm1::Button7Click(TObject*) {}

void TForm1::btnAddClick(TObject*) {}

void TForm1::Button8Click(TObject*) {}

void TForm1::Button12Click(TObject*) {}

void TForm1::btnRemoveClick(TObject*) {}

void TForm1::btnClearClick(TObject*) {}

void TForm1::Button14Click(TObject*) {}

void TForm1::btnStartClick(TObject*) {}

void TForm1::btnStopClick(TObject*) {}

void TForm1::btnPauseClick(TObject*) {}

void TForm1::btnResumeClick(TObject*) {}

void TForm1::button28Click(TObject*) {}

void TForm1::Button22Click(TObject*) {}

void TForm1::Button23Click(TObject*) {}

void TForm1::Button24Click(TObject*) {}

void TForm1::Button25Click(TObject*) {}

void TForm1::Button29Click(TObject*) {}

void TForm1::Button31Click(TObject*) {}

void TForm1::btnCaptureClick(TObject*) {}

void TForm1::Button27Click(TObject*) {}

void TForm1::bsSkinButton3Click(TObject*) {}

void TForm1::bsSkinButton4Click(TObject*) {}

void TForm1::bsSkinButton21Click(TObject*) {}

void TForm1::N26Click(TObject*) {}

void TForm1::edtExit(TObject*) {}

void TForm1::lvFilesClick(TObject*) {}

void TForm1::lvFilesDblClick(TObject*) {}

void TForm1::bsSkinOfficeComboBox1Change(TObject*) {}

void TForm1::bsSkinOfficeComboBox2Change(TObject*) {}

void TForm1::bsSkinComboBox1Change(TObject*) {}

void TForm1::bsSkinComboBox2Change(TObject*) {}

void TForm1::bsSkinComboBox3Change(TObject*) {}

void TForm1::bsSkinComboBox4Change(TObject*) {}

void TForm1::bsSkinComboBox9Change(TObject*) {}

void TForm1::bsSkinComboBox10Change(TObject*) {}

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

void TForm1::chkPreviewClick(TObject*) {}

void TForm1::MenuItem1Click(TObject*) {}

void TForm1::MenuItem2Click(TObject*) {}

void TForm1::BMP1Click(TObject*) {}

void TForm1::JPG1Click(TObject*) {}

void TForm1::GIF1Click(TObject*) {}

void TForm1::PNG1Click(TObject*) {}

void TForm1::lvFilesSelectItem(TObject*, TListItem*, bool) {}

void TForm1::TrackBar1Change(TObject*) {}

void TForm1::TrackBar2Change(TObject*) {}

void TForm1::FFTasksProgress(TObject*, PProgressInfo) {}

void TForm1::FFTasksTerminate(TObject*, const TTerminateInfo&) {}

void TForm1::FFTasksCustomHook(TObject*, PHookInfo) {}

void TForm1::VOVezadeFileOpen(TObject*, std::int64_t, int, int, int&, int&) {}

void TForm1::VOVezadePosition(TObject*, std::int64_t) {}

void TForm1::VOVezadeState(TObject*, TPlayState) {}

void TForm1::VOVezadeHook(TObject*, TBitmap*, std::int64_t) {}
