#pragma once
#include "lib/skindata/bsSkinControlRecords.h"
#include "lib/skindata/bsSkinMessages.h"
#include "lib/skindata/bsSkinObjectRecords.h"
#include "lib/skindata/bsSkinWindowRecords.h"
#include "platform/forms/TComponent.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/TStringList.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TbsCompressedSkinList;
class TbsCompressedStoredSkin;
class TbsResourceStrData;
class TCustomIniFile;

// One loaded skin: its pictures, the frame geometry of FORMINFO, the element records by name,
// the popup, layered-frame and hint window records and the skin's colours. Skinned forms and
// controls hold a reference to one and read its public fields directly.
//
// A load is one transaction as the forms see it: WM_SKINBEFORECHANGE, the data replaced,
// WM_SKINCHANGE (skin complete, Empty false), WM_SKINAFTERCHANGE. A load that fails after the
// first message leaves the skin empty, still sends the other two and then raises its error,
// so no form keeps waiting for a change that never comes.
class TbsSkinData : public TComponent {
public:
    explicit TbsSkinData(TComponent* owner);
    ~TbsSkinData() override;

    std::string ClassName() const override { return "TbsSkinData"; }

    // A skin folder: the skin ini beside its BMP pictures. A file that is no skin description
    // changes nothing and sends no message.
    void LoadFromFile(const std::string& fileName);
    // Writes the whole description into the ini file, updating an existing file in place.
    void SaveToFile(const std::string& fileName);
    // SaveToFile, then every picture that is not empty as a BMP file beside the ini.
    void StoreToDisk(const std::string& fileName);
    void SaveToCompressedFile(const std::string& fileName);
    void LoadFromCompressedFile(const std::string& fileName);
    // Nothing happens for an empty stored skin; a payload version above 3 is refused before
    // anything changes.
    void LoadCompressedStoredSkin(const TbsCompressedStoredSkin& storedSkin);

    // Clears the skin, then sends the three change messages.
    void ClearSkin();
    // ClearObjects, the three pictures and their names; Empty becomes true. No message.
    void ClearAll();
    // Frees every record and active picture; resets the window records' pictures and the
    // colours.
    void ClearObjects();

    // The first record whose IDName equals the name exactly; -1 when none.
    int GetIndex(const std::string& idName) const;
    int GetControlIndex(const std::string& idName) const;

    void SendSkinDataMessage(win::UINT message);

    // Appends the file's name and a picture loaded from it to the active pictures.
    void AddBitMap(const std::string& fileName);
    // Removes the active picture and its name. Records keep their picture indexes, so those
    // past the removed one then name the next picture; nothing in the program removes
    // pictures from a loaded skin.
    void DeleteBitMap(int index);

    // The description as the writers give it, into an ini object of any kind.
    void WriteSkinIni(TCustomIniFile& ini);

    bool SkinnableForm() const { return FSkinnableForm; }
    void SetSkinnableForm(bool value);
    bool ShowLayeredBorders() const { return FShowLayeredBorders; }
    void SetShowLayeredBorders(bool value);
    bool EnableSkinEffects() const { return FEnableSkinEffects; }
    void SetEnableSkinEffects(bool value) { FEnableSkinEffects = value; }
    bool AnimationForAllWindows() const { return FAnimationForAllWindows; }
    void SetAnimationForAllWindows(bool value) { FAnimationForAllWindows = value; }
    bool ShowButtonGlowFrames() const { return FShowButtonGlowFrames; }
    void SetShowButtonGlowFrames(bool value) { FShowButtonGlowFrames = value; }
    bool ShowCaptionButtonGlowFrames() const { return FShowCaptionButtonGlowFrames; }
    void SetShowCaptionButtonGlowFrames(bool value) { FShowCaptionButtonGlowFrames = value; }

    // Linked, not owned: a linked component that goes is forgotten. While designing, linking
    // loads nothing.
    TbsCompressedStoredSkin* CompressedStoredSkin() const { return FCompressedStoredSkin; }
    void SetCompressedStoredSkin(TbsCompressedStoredSkin* value);
    TbsResourceStrData* ResourceStrData() const { return FResourceStrData; }
    void SetResourceStrData(TbsResourceStrData* value);
    TbsCompressedSkinList* SkinList() const { return FCompressedSkinList; }
    void SetSkinList(TbsCompressedSkinList* value);
    int SkinIndex() const { return FCompressedSkinIndex; }
    void SetSkinIndex(int value);

    // Forgets a linked stored skin, string table or skin list that goes away.
    void Notification(TComponent* component, TOperation operation) override;

    // Where the change messages go; unset, the owner form and the screen's forms
    // (ScreenSkinMessageForms).
    std::function<TbsSkinMessageForms()> FormsToNotify;

    // The skin's data, read by forms and controls.
    bool FEnableSkinEffects{ true };
    bool FShowButtonGlowFrames{ true };
    bool FShowCaptionButtonGlowFrames{ true };
    bool FAnimationForAllWindows{ false };
    TbsSkinColors FSkinColors;

    TRect ButtonsRect;
    TRect CaptionRect;
    int ButtonsOffset{ 0 };
    bool CapButtonsInLeft{ false };
    bool AutoRenderingInActiveImage{ false };
    TbsInActiveEffect InActiveEffect{ ieBrightness };
    TbsDataSkinPopupWindow PopupWindow;
    TbsDataSkinLayerFrame LayerFrame;
    TbsDataSkinHintWindow HintWindow;
    bool Empty{ true };
    TBitmap FPicture;
    TBitmap FInActivePicture;
    TBitmap FMask;
    std::vector<std::unique_ptr<TBitmap>> FActivePictures;
    std::string FPictureName;
    std::string FInActivePictureName;
    std::string FMaskName;
    TStringList FActivePicturesNames;
    std::vector<std::unique_ptr<TbsDataSkinObject>> ObjectList;
    std::vector<std::unique_ptr<TbsDataSkinControl>> CtrlList;
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    int BGPictureIndex{ -1 };
    int MDIBGPictureIndex{ -1 };
    bool MainMenuPopupUp{ false };
    TRect MaskRectArea;
    TPoint HitTestLTPoint;
    TPoint HitTestRTPoint;
    TPoint HitTestLBPoint;
    TPoint HitTestRBPoint;
    TRect ClRect;
    int BorderW{ 0 };
    int FormMinWidth{ 0 };
    bool MDITabsTransparent{ false };
    bool MainMenuBarTransparent{ false };
    bool TopStretch{ false };
    bool LeftStretch{ false };
    bool RightStretch{ false };
    bool BottomStretch{ false };
    bool StretchEffect{ false };
    TbsStretchType StretchType{ bsstFull };
    bool MDIBGStretchEffect{ false };
    TbsStretchType MDIBGStretchType{ bsstFull };
    std::string SkinName;
    std::string SkinAuthor;
    std::string AuthorURL;
    std::string AuthorEmail;
    std::string SkinComments;
    bool ChangeSkinDataProcess{ false };

private:
    // Sends WM_SKINBEFORECHANGE, clears, runs fill and completes the change; see the class
    // comment for a fill that raises.
    void ChangeSkin(const std::function<void()>& fill);
    void LoadStoredSkinOfList();
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool DesigningOrLoading() const { return Designing() || ComponentState().Contains(csLoading); }
    // Links value in place of field, asking to hear when it goes.
    template <class T>
    void Link(T*& field, T* value);

    // The description's sections after PICTURES, shared by both loads.
    void LoadDescription(const TCustomIniFile& ini);
    void LoadVersionAndPictureNames(const TCustomIniFile& ini);
    void LoadFormInfo(const TCustomIniFile& ini);
    void NormaliseFormInfo();
    void LoadObjects(const TCustomIniFile& ini);
    void LoadCtrls(const TCustomIniFile& ini);
    void SaveFormInfo(TCustomIniFile& ini);
    void SaveObjects(TCustomIniFile& ini);
    void SaveCtrls(TCustomIniFile& ini);

    TbsCompressedSkinList* FCompressedSkinList{ nullptr };
    int FCompressedSkinIndex{ 0 };
    bool FSkinnableForm{ true };
    TbsCompressedStoredSkin* FCompressedStoredSkin{ nullptr };
    TbsResourceStrData* FResourceStrData{ nullptr };
    bool FShowLayeredBorders{ true };
};

// An entry of SKINOBJECTS or SKINCONTROLS: the IDName before the first colon, the kind word
// after it; without a colon both are empty.
struct TbsSkinEntry {
    std::string IDName;
    std::string Kind;
};
TbsSkinEntry SplitSkinEntry(const std::string& entry);
