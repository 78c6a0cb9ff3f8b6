#pragma once
#include "lib/skindata/TbsSkinData.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TBitmap.h"

#include <memory>
#include <string>
#include <vector>

// A folder under the temporary directory, removed with its content at the end.
class TScratchSkinFolder {
public:
    TScratchSkinFolder();
    ~TScratchSkinFolder();
    TScratchSkinFolder(const TScratchSkinFolder&) = delete;
    TScratchSkinFolder& operator=(const TScratchSkinFolder&) = delete;

    // The folder with a trailing separator.
    const std::string& Path() const { return FPath; }
    std::string WriteFile(const std::string& name, const std::string& content) const;

private:
    std::string FPath;
};

// A 24-bit picture whose every pixel is different, varied by seed.
std::unique_ptr<TBitmap> MakePicture(int width, int height, int seed);
// A 1-bit mask, black below the diagonal.
std::unique_ptr<TBitmap> MakeMask(int width, int height);
gfx::Surface PixelsOf(const TBitmap& bitmap);

// The fixture skin's description: two pictures plus mask and inactive picture, three active
// pictures, frame records with a duplicate name and an unknown kind, control records with
// entries that have no colon or two.
std::string FixtureSkinIni();
// Writes the fixture skin into the folder; returns the ini's path.
std::string WriteFixtureSkin(const TScratchSkinFolder& folder);

// What a form saw of a skin message.
struct TSeenMessage {
    std::string Form;
    win::UINT Message;
    bool Empty;
    bool Changing;
    std::size_t Records;
    bool operator==(const TSeenMessage&) const = default;
};

// Test forms that record every skin message they get, in a shared log.
class TRecordingForms {
public:
    explicit TRecordingForms(TbsSkinData& skin) : FSkin(skin) {}

    // Screen forms, in screen order; className as the form's class.
    void AddScreenForm(const std::string& name, const std::string& className = "TForm");
    // The skin's owner is a form, also listed among the screen's forms.
    void SetOwnerForm(const std::string& name);
    // Connects the forms to the skin object.
    void Attach();

    std::vector<TSeenMessage> Log;
    // Forms named in sending order for one message.
    std::vector<std::string> FormsFor(win::UINT message) const;
    std::vector<win::UINT> MessagesTo(const std::string& form) const;

private:
    TbsSkinMessageForm Make(const std::string& name, const std::string& className);

    TbsSkinData& FSkin;
    std::vector<std::pair<std::string, std::string>> FScreen;
    std::string FOwner;
    std::vector<std::unique_ptr<std::string>> FNames;
};
