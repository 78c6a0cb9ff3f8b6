#include "lib/skindata/TbsSkinData.h"

#include "lib/skindata/TbsCompressedSkinList.h"
#include "lib/skindata/TbsCompressedStoredSkin.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/bsSkinIniValues.h"
#include "lib/skindata/bsSkinPayload.h"
#include "lib/skindata/bsSkinScreenForms.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TMemIniFile.h"

#include <algorithm>

namespace {

void LoadPicture(TBitmap& bitmap, const std::string& folder, const std::string& name) {
    if (!name.empty()) bitmap.LoadFromFile(folder + name);
}

void EmptyPicture(TBitmap& bitmap) {
    bitmap.SetSize(0, 0);
}

} // namespace

TbsSkinEntry SplitSkinEntry(const std::string& entry) {
    const auto colon = entry.find(':');
    if (colon == std::string::npos) return {};
    return { entry.substr(0, colon), entry.substr(colon + 1) };
}

TbsSkinData::TbsSkinData(TComponent* owner) : TComponent(owner) {}

TbsSkinData::~TbsSkinData() {
    Empty = true;
    ClearObjects();
}

// --- loading -------------------------------------------------------------------------------

void TbsSkinData::ChangeSkin(const std::function<void()>& fill) {
    Empty = true;
    ChangeSkinDataProcess = true;
    SendSkinDataMessage(win::WM_SKINBEFORECHANGE);
    try {
        ClearAll();
        fill();
    } catch (...) {
        // The forms stopped painting at the first message; they get the rest of the change
        // with an empty skin before the error goes on.
        ClearAll();
        SendSkinDataMessage(win::WM_SKINCHANGE);
        ChangeSkinDataProcess = false;
        SendSkinDataMessage(win::WM_SKINAFTERCHANGE);
        throw;
    }
    Empty = false;
    SendSkinDataMessage(win::WM_SKINCHANGE);
    ChangeSkinDataProcess = false;
    SendSkinDataMessage(win::WM_SKINAFTERCHANGE);
}

void TbsSkinData::LoadFromFile(const std::string& fileName) {
    // Read once into memory: a skin's hundreds of lookups would each reopen a disk ini.
    TMemIniFile ini(fileName);
    if (!IsSkinIniFile(ini)) return;
    const std::string folder = ExtractFilePath(fileName);
    ChangeSkin([&] {
        LoadVersionAndPictureNames(ini);
        LoadPicture(FPicture, folder, FPictureName);
        LoadPicture(FInActivePicture, folder, FInActivePictureName);
        LoadPicture(FMask, folder, FMaskName);
        SkinIniReadStrings(ini, "PICTURES", "activepictures", FActivePicturesNames);
        for (int i = 0; i < FActivePicturesNames.Count(); ++i) {
            FActivePictures.push_back(std::make_unique<TBitmap>());
            FActivePictures.back()->LoadFromFile(folder + FActivePicturesNames[i]);
        }
        LoadDescription(ini);
    });
}

void TbsSkinData::LoadCompressedStoredSkin(const TbsCompressedStoredSkin& storedSkin) {
    if (storedSkin.Empty()) return;
    TMemoryStream payload;
    storedSkin.DeCompressToStream(payload);
    TbsSkinPayloadReader reader({ payload.Memory(), payload.ByteCount() });
    const std::int32_t version = reader.ReadInt32();
    if (version > SkinBlockVersion) return;
    ChangeSkin([&] {
        reader.ReadFlaggedBitmap(FPicture);
        reader.ReadFlaggedBitmap(FInActivePicture);
        reader.ReadFlaggedBitmap(FMask);
        if (version == 2) {
            TBitmap dropped;
            reader.ReadFlaggedBitmap(dropped);
            reader.ReadFlaggedBitmap(dropped);
        }
        const int count = reader.ReadPictureCount();
        for (int i = 0; i < count; ++i) {
            FActivePictures.push_back(std::make_unique<TBitmap>());
            reader.ReadBitmap(*FActivePictures.back());
        }
        TStringList lines;
        reader.ReadRestLines(lines);
        TMemIniFile ini("");
        ini.SetStrings(lines);
        LoadVersionAndPictureNames(ini);
        SkinIniReadStrings(ini, "PICTURES", "activepictures", FActivePicturesNames);
        LoadDescription(ini);
    });
}

void TbsSkinData::LoadFromCompressedFile(const std::string& fileName) {
    TbsCompressedStoredSkin storedSkin(nullptr);
    storedSkin.LoadFromCompressFile(fileName);
    if (!storedSkin.Empty()) LoadCompressedStoredSkin(storedSkin);
}

void TbsSkinData::LoadStoredSkinOfList() {
    LoadCompressedStoredSkin(FCompressedSkinList->Skins().Items(FCompressedSkinIndex)->Skin());
}

// --- saving --------------------------------------------------------------------------------

void TbsSkinData::SaveToFile(const std::string& fileName) {
    TMemIniFile ini(fileName);
    WriteSkinIni(ini);
    ini.UpdateFile();
}

void TbsSkinData::StoreToDisk(const std::string& fileName) {
    SaveToFile(fileName);
    const std::string folder = ExtractFilePath(fileName);
    // A picture without a name has no file to go to.
    const auto store = [&](TBitmap& bitmap, const std::string& name) {
        if (!bitmap.Empty() && !name.empty()) bitmap.SaveToFile(folder + name);
    };
    store(FPicture, FPictureName);
    store(FInActivePicture, FInActivePictureName);
    store(FMask, FMaskName);
    const auto count = std::min(FActivePictures.size(), std::size_t(FActivePicturesNames.Count()));
    for (std::size_t i = 0; i < count; ++i)
        store(*FActivePictures[i], FActivePicturesNames[int(i)]);
}

void TbsSkinData::SaveToCompressedFile(const std::string& fileName) {
    TbsCompressedStoredSkin storedSkin(nullptr);
    storedSkin.LoadFromSkinData(*this);
    storedSkin.SaveToCompressFile(fileName);
}

// --- clearing and lookups ------------------------------------------------------------------

void TbsSkinData::ClearSkin() {
    ClearAll();
    SendSkinDataMessage(win::WM_SKINBEFORECHANGE);
    SendSkinDataMessage(win::WM_SKINCHANGE);
    SendSkinDataMessage(win::WM_SKINAFTERCHANGE);
}

void TbsSkinData::ClearAll() {
    ClearObjects();
    EmptyPicture(FPicture);
    EmptyPicture(FMask);
    EmptyPicture(FInActivePicture);
    FPictureName.clear();
    FInActivePictureName.clear();
    FMaskName.clear();
    Empty = true;
}

void TbsSkinData::ClearObjects() {
    ObjectList.clear();
    CtrlList.clear();
    FActivePictures.clear();
    FActivePicturesNames.Clear();
    LayerFrame.PictureIndex = -1;
    PopupWindow.WindowPictureIndex = -1;
    HintWindow.WindowPictureIndex = -1;
    FSkinColors.SetColorsToDefault();
}

int TbsSkinData::GetIndex(const std::string& idName) const {
    for (std::size_t i = 0; i < ObjectList.size(); ++i)
        if (ObjectList[i]->IDName == idName) return int(i);
    return -1;
}

int TbsSkinData::GetControlIndex(const std::string& idName) const {
    for (std::size_t i = 0; i < CtrlList.size(); ++i)
        if (CtrlList[i]->IDName == idName) return int(i);
    return -1;
}

void TbsSkinData::AddBitMap(const std::string& fileName) {
    auto picture = std::make_unique<TBitmap>();
    picture->LoadFromFile(fileName);
    FActivePicturesNames.Add(ExtractFileName(fileName));
    FActivePictures.push_back(std::move(picture));
}

void TbsSkinData::DeleteBitMap(int index) {
    if (index < 0 || std::size_t(index) >= FActivePictures.size())
        throw EListError(Format("List index out of bounds (%d)", index));
    FActivePictures.erase(FActivePictures.begin() + index);
    if (index < FActivePicturesNames.Count()) FActivePicturesNames.Delete(index);
}

// --- messages and properties ---------------------------------------------------------------

void TbsSkinData::SendSkinDataMessage(win::UINT message) {
    const TbsSkinMessageForms forms =
        FormsToNotify ? FormsToNotify() : ScreenSkinMessageForms(Owner());
    for (const TbsSkinMessageForm* form :
         SkinMessageOrder(forms, FShowLayeredBorders, LayerFrame.PictureIndex != -1))
        if (form->Send) form->Send(message, reinterpret_cast<win::WPARAM>(this), SkinMessageLParam);
}

template <class T>
void TbsSkinData::Link(T*& field, T* value) {
    if (field == value) return;
    if (field) field->RemoveFreeNotification(this);
    field = value;
    if (value) value->FreeNotification(this);
}

void TbsSkinData::SetSkinnableForm(bool value) {
    if (value == FSkinnableForm) return;
    FSkinnableForm = value;
    if (!DesigningOrLoading()) SendSkinDataMessage(win::WM_SKINNABLEFORMCHANGED);
}

void TbsSkinData::SetShowLayeredBorders(bool value) {
    if (value == FShowLayeredBorders) return;
    FShowLayeredBorders = value;
    if (!DesigningOrLoading()) SendSkinDataMessage(win::WM_SKINLAYEREDBORDERS);
}

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* value) {
    Link(FCompressedStoredSkin, value);
    if (value && !Designing()) LoadCompressedStoredSkin(*value);
}

void TbsSkinData::SetResourceStrData(TbsResourceStrData* value) {
    Link(FResourceStrData, value);
    if (!Designing()) SendSkinDataMessage(win::WM_SKINSTRINGSCHANGED);
}

void TbsSkinData::SetSkinList(TbsCompressedSkinList* value) {
    Link(FCompressedSkinList, value);
    if (value && !Designing() && FCompressedSkinIndex >= 0 &&
        FCompressedSkinIndex < value->Skins().Count())
        LoadStoredSkinOfList();
}

void TbsSkinData::SetSkinIndex(int value) {
    if (value == FCompressedSkinIndex) return;
    if (!FCompressedSkinList) {
        FCompressedSkinIndex = value;
        return;
    }
    if (value < 0 || value >= FCompressedSkinList->Skins().Count()) return;
    FCompressedSkinIndex = value;
    if (!Designing()) LoadStoredSkinOfList();
}

void TbsSkinData::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove) {
        if (component == FCompressedStoredSkin) FCompressedStoredSkin = nullptr;
        if (component == FResourceStrData) FResourceStrData = nullptr;
        if (component == FCompressedSkinList) FCompressedSkinList = nullptr;
    }
    TComponent::Notification(component, operation);
}
