#pragma once
#include "lib/skindata/bsSkinControlRecords.h"
#include "lib/skindata/bsSkinObjectRecords.h"

#include <memory>
#include <string>
#include <string_view>

// The kind words after the colon of the SKINOBJECTS and SKINCONTROLS entries and the record
// classes they select. Words match exactly, with their case; an unknown word creates nothing.
std::unique_ptr<TbsDataSkinObject> CreateSkinObjectRecord(std::string_view kind,
                                                          std::string idName);
std::unique_ptr<TbsDataSkinControl> CreateSkinControlRecord(std::string_view kind,
                                                            std::string idName);

// The word written for a record: its class is tested derived before base, so a menu button is
// written as "menubutton", not "button". A class no word selects gives an empty word.
std::string SkinObjectKindWord(const TbsDataSkinObject& record);
std::string SkinControlKindWord(const TbsDataSkinControl& record);
