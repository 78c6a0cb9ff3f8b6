#include "app/Unit1.h"

#include "Src/FFmpegTasks/TaskOptionRecords.h"

// These operations belong to the job list, the conversion control, the format choice and the
// preview panel; the window binds them so that its commands keep their wiring.

void TForm1::Button7Click(TObject*) {}

void TForm1::FFTasksCustomHook(TObject*, PHookInfo) {}

