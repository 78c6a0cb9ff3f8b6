#pragma once
#include "platform/forms/TObject.h"
#include <vector>

// A list of untyped pointers it does not own. Indexes outside the list raise EListError
// "List index out of bounds (<index>)".
class TList : public TObject {
public:
    std::string ClassName() const override { return "TList"; }

    int Count() const { return int(FItems.size()); }
    void* Items(int index) const;
    void SetItems(int index, void* item);
    void* First() const { return Items(0); }
    void* Last() const { return Items(Count() - 1); }

    int Add(void* item);
    void Insert(int index, void* item);
    void Delete(int index);
    // Removes the first occurrence; returns its index or -1.
    int Remove(void* item);
    void* Extract(void* item);
    int IndexOf(const void* item) const;
    void Exchange(int index1, int index2);
    void Move(int curIndex, int newIndex);
    void Clear() { FItems.clear(); }
    // Drops the nullptr entries.
    void Pack();

private:
    [[noreturn]] static void IndexError(int index);
    void Check(int index) const;

    std::vector<void*> FItems;
};
