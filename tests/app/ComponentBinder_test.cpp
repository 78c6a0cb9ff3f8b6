#include "app/TComponentBinder.h"

#include "platform/forms/EReadError.h"
#include "platform/forms/TMenuItem.h"

#include <gtest/gtest.h>

namespace {

TMenuItem* AddItem(TComponent& root, const std::string& name) {
    auto* item = new TMenuItem(&root);
    item->SetName(name);
    return item;
}

TEST(ComponentBinder, PointsMembersAtTheComponentsOfTheirNames) {
    TComponent root(nullptr);
    TMenuItem* first = AddItem(root, "N1");
    TMenuItem* second = AddItem(root, "N2");
    TMenuItem* a = nullptr;
    TComponent* b = nullptr;
    TComponentBinder bind(root, "Test.dfm");
    bind.Bind(a, "N1");
    bind.Bind(b, "N2");
    EXPECT_NO_THROW(bind.Check());
    EXPECT_EQ(a, first);
    EXPECT_EQ(b, second);
}

TEST(ComponentBinder, OneErrorNamesEveryMissingAndMistypedComponent) {
    TComponent root(nullptr);
    AddItem(root, "N1");
    AddItem(root, "N3");
    TPopupMenu* mistyped = nullptr;
    TMenuItem* missing = nullptr;
    TMenuItem* found = nullptr;
    TComponentBinder bind(root, "Test.dfm");
    bind.Bind(mistyped, "N1");
    bind.Bind(missing, "N2");
    bind.Bind(found, "N3");
    EXPECT_FALSE(mistyped || missing);
    try {
        bind.Check();
        ADD_FAILURE() << "no error";
    } catch (const EReadError& error) {
        EXPECT_STREQ(error.what(),
                     "Test.dfm: component N1 is a TMenuItem, not a TPopupMenu; component N2 not "
                     "found");
    }
}

} // namespace
