#include "platform/rtl/TStringList.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>

template <typename Fn>
void TStringList::Change(Fn change) {
    Changing();
    // Indexes are checked again inside: an OnChanging handler may have changed the list.
    change();
    Changed();
}

int TStringList::Add(const std::string& s) {
    return AddObject(s, nullptr);
}

int TStringList::AddObject(const std::string& s, TObject* object) {
    int index = Count();
    if (FSorted && Find(s, index)) {
        switch (FDuplicates) {
        case dupIgnore:
            return index;
        case dupError:
            throw EListError("String list does not allow duplicates");
        case dupAccept:
            break;
        }
    }
    InsertItem(index, s, object);
    return index;
}

void TStringList::Insert(int index, const std::string& s) {
    InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(int index, const std::string& s, TObject* object) {
    CheckUnsorted();
    if (index < 0 || index > Count()) IndexError(index);
    InsertItem(index, s, object);
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    Change([&] {
        CheckIndex(index);
        FItems.erase(FItems.begin() + index);
    });
}

void TStringList::Clear() {
    if (FItems.empty()) return;
    Change([&] { FItems.clear(); });
}

void TStringList::Exchange(int index1, int index2) {
    // Swapping two lines would break the order that Find relies on.
    CheckUnsorted();
    CheckIndex(index1);
    CheckIndex(index2);
    Change([&] {
        CheckIndex(index1);
        CheckIndex(index2);
        std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
    });
}

void TStringList::Move(int curIndex, int newIndex) {
    // Checked before anything moves: a line taken out could not go back into a sorted list.
    CheckUnsorted();
    if (curIndex == newIndex) return;
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    Change([&] {
        CheckIndex(curIndex);
        CheckIndex(newIndex);
        const auto from = FItems.begin() + curIndex;
        const auto to = FItems.begin() + newIndex;
        if (curIndex < newIndex)
            std::rotate(from, from + 1, to + 1);
        else
            std::rotate(to, from, from + 1);
    });
}

int TStringList::IndexOf(const std::string& s) const {
    if (!FSorted) return TStrings::IndexOf(s);
    int index = 0;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(const std::string& s, int& index) const {
    int low = 0;
    int high = Count() - 1;
    bool found = false;
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        const int order = CompareStrings(FItems[static_cast<size_t>(middle)].String, s);
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
            if (order == 0) found = true; // keep looking left for the first equal line
        }
    }
    index = low;
    return found;
}

void TStringList::Sort() {
    if (FItems.size() < 2) return;
    Change([&] {
        std::stable_sort(FItems.begin(), FItems.end(), [this](const TItem& a, const TItem& b) {
            return CompareStrings(a.String, b.String) < 0;
        });
    });
}

void TStringList::SetSorted(bool value) {
    if (value == FSorted) return;
    if (value) Sort();
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value) {
    if (value == FCaseSensitive) return;
    FCaseSensitive = value;
    if (FSorted) Sort();
}

std::string TStringList::Get(int index) const {
    CheckIndex(index);
    return FItems[static_cast<size_t>(index)].String;
}

TObject* TStringList::GetObject(int index) const {
    CheckIndex(index);
    return FItems[static_cast<size_t>(index)].Object;
}

void TStringList::Put(int index, const std::string& s) {
    CheckUnsorted();
    CheckIndex(index);
    Change([&] {
        CheckIndex(index);
        FItems[static_cast<size_t>(index)].String = s;
    });
}

void TStringList::PutObject(int index, TObject* object) {
    CheckIndex(index);
    Change([&] {
        CheckIndex(index);
        FItems[static_cast<size_t>(index)].Object = object;
    });
}

void TStringList::SetUpdateState(bool updating) {
    if (updating)
        Changing();
    else
        Changed();
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const {
    return FCaseSensitive ? CompareStr(a, b) : ::CompareText(a, b);
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
}

void TStringList::CheckUnsorted() const {
    if (FSorted) throw EListError("Operation not allowed on sorted list");
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object) {
    Change([&] {
        if (index > Count()) IndexError(index);
        FItems.insert(FItems.begin() + index, TItem{ s, object });
    });
}
