#pragma once
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit5.h"

// The program's three skinned windows, by the role they play.
enum TProgramWindow { wMain, wAbout, wOptions };

inline TForm* ProgramWindow(TProgramWindow window) {
    switch (window) {
    case wMain:
        return Form1;
    case wAbout:
        return Form2;
    case wOptions:
        return Form5;
    }
    return nullptr;
}
