#pragma once
#include "platform/rtl/TStrings.h"

#include <functional>
#include <string>
#include <vector>

// What a sorted list does with a line it already holds.
enum TDuplicates { dupIgnore, dupAccept, dupError };

// The string list that keeps its lines itself. Sorted, it keeps them in order (ignoring ASCII
// case unless CaseSensitive) and finds them by binary search; Duplicates then decides about
// equal lines. OnChanging and OnChange fire around every change, or once around an update.
class TStringList : public TStrings {
public:
    TStringList() = default;

    int Add(const std::string& s) override;
    int AddObject(const std::string& s, TObject* object) override;
    void Insert(int index, const std::string& s) override;
    void InsertObject(int index, const std::string& s, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;
    void Move(int curIndex, int newIndex) override;
    int IndexOf(const std::string& s) const override;

    // Binary search of a sorted list: true when s is there, with index at its first occurrence;
    // otherwise index is where s would be inserted.
    bool Find(const std::string& s, int& index) const;
    void Sort();

    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value);

    std::function<void(TStrings* sender)> OnChange;
    std::function<void(TStrings* sender)> OnChanging;

protected:
    std::string Get(int index) const override;
    int GetCount() const override { return static_cast<int>(FItems.size()); }
    TObject* GetObject(int index) const override;
    void Put(int index, const std::string& s) override;
    void PutObject(int index, TObject* object) override;
    void SetUpdateState(bool updating) override;
    int CompareStrings(const std::string& a, const std::string& b) const override;

    virtual void Changing();
    virtual void Changed();

private:
    struct TItem {
        std::string String;
        TObject* Object{ nullptr };
    };

    template <typename Fn>
    void Change(Fn change);
    void CheckIndex(int index) const;
    void CheckUnsorted() const;
    void InsertItem(int index, const std::string& s, TObject* object);

    std::vector<TItem> FItems;
    bool FSorted{ false };
    TDuplicates FDuplicates{ dupIgnore };
    bool FCaseSensitive{ false };
};
