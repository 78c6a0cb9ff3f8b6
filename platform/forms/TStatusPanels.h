#pragma once
#include "platform/forms/ControlTypes.h"
#include "platform/forms/TCollection.h"
#include <string>

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };

// One field of a status bar: its text, width, alignment and edge.
class TStatusPanel : public TCollectionItem {
public:
    explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}

    std::string ClassName() const override { return "TStatusPanel"; }
    std::string DisplayName() const override { return FText; }
    void Assign(const TPersistent* source) override;

    const std::string& Text() const { return FText; }
    void SetText(const std::string& value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel value);
    TStatusPanelStyle Style() const { return FStyle; }
    void SetStyle(TStatusPanelStyle value);

private:
    std::string FText;
    int FWidth{ 50 };
    TAlignment FAlignment{ taLeftJustify };
    TStatusPanelBevel FBevel{ pbLowered };
    TStatusPanelStyle FStyle{ psText };
};

class TStatusPanels : public TCollection {
public:
    explicit TStatusPanels(TPersistent* owner)
        : TCollection(owner, [](TCollection* c) { return new TStatusPanel(c); }) {}

    std::string ClassName() const override { return "TStatusPanels"; }

    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
    TStatusPanel* Items(int index) const {
        return static_cast<TStatusPanel*>(TCollection::Items(index));
    }
};
