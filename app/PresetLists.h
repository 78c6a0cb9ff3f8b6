#pragma once
#include "app/FormatCodes.h"

#include <cstdint>
#include <span>
#include <string_view>

// The fixed value lists the six preset pickers offer. A job row keeps its preset choices as
// positions in these lists, so the entries and their order are stored data: changing either
// changes what a saved position selects. Labels are numbered per picker kind in the order the
// formats first name them: R resolution, V video bit rate, F frame rate, A audio bit rate,
// H sample rate, S aspect mode.
// clang-format off
enum class TPresetListId : uint8_t {
    R01, R02, R03, R04, R05, R06, R07, R08, R09, R10, R11, R12,
    R13, R14, R15, R16, R17, R18, R19, R20, R21, R22, R23, R24,
    R25, R26, R27, R28, R29, R30,
    V01, V02, V03, V04, V05, V06, V07, V08, V09, V10, V11, V12,
    V13, V14, V15, V16, V17, V18, V19, V20, V21, V22, V23, V24,
    V25, V26, V27, V28, V29, V30, V31, V32, V33,
    F01, F02, F03, F04, F05, F06, F07, F08,
    A01, A02, A03, A04, A05, A06,
    H01, H02, H03, H04, H05, H06,
    S01, S02, S03,
};
// clang-format on
inline constexpr int PresetListCount = 86;

struct TPresetList {
    std::string_view Label;
    std::span<const std::string_view> Entries;
};

const TPresetList& PresetList(TPresetListId id);
// All lists in label order, R01 first.
std::span<const TPresetList> PresetLists();
// The picker whose kind a list's label names.
TPresetPicker PresetListPicker(const TPresetList& list);
