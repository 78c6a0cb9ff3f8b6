#include "platform/forms/TList.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include <algorithm>

void TList::IndexError(int index) {
    throw EListError(Format("List index out of bounds (%d)", index));
}

void TList::Check(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
}

void* TList::Items(int index) const {
    Check(index);
    return FItems[std::size_t(index)];
}

void TList::SetItems(int index, void* item) {
    Check(index);
    FItems[std::size_t(index)] = item;
}

int TList::Add(void* item) {
    FItems.push_back(item);
    return Count() - 1;
}

void TList::Insert(int index, void* item) {
    if (index < 0 || index > Count()) IndexError(index);
    FItems.insert(FItems.begin() + index, item);
}

void TList::Delete(int index) {
    Check(index);
    FItems.erase(FItems.begin() + index);
}

int TList::Remove(void* item) {
    const int index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
}

void* TList::Extract(void* item) {
    return Remove(item) >= 0 ? item : nullptr;
}

int TList::IndexOf(const void* item) const {
    const auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TList::Exchange(int index1, int index2) {
    Check(index1);
    Check(index2);
    std::swap(FItems[std::size_t(index1)], FItems[std::size_t(index2)]);
}

void TList::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    Check(curIndex);
    Check(newIndex);
    void* item = FItems[std::size_t(curIndex)];
    FItems.erase(FItems.begin() + curIndex);
    FItems.insert(FItems.begin() + newIndex, item);
}

void TList::Pack() {
    std::erase(FItems, nullptr);
}
