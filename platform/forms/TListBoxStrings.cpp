#include "platform/forms/TListBoxStrings.h"
#include "platform/forms/ListControlMessages.h"
#include "platform/forms/TWinControl.h"
#include "platform/rtl/Exception.h"
#include <algorithm>

using namespace win;

const TListBoxStrings::TMessages TListBoxStrings::ListBoxMessages{
    LB_ADDSTRING,  LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,    LB_GETCOUNT,  LB_GETTEXT,
    LB_GETTEXTLEN, LB_GETITEMDATA,  LB_SETITEMDATA,  LB_FINDSTRINGEXACT, LB_GETCURSEL, LB_SETCURSEL
};

const TListBoxStrings::TMessages TListBoxStrings::ComboBoxMessages{
    CB_ADDSTRING,   CB_INSERTSTRING,    CB_DELETESTRING, CB_RESETCONTENT,
    CB_GETCOUNT,    CB_GETLBTEXT,       CB_GETLBTEXTLEN, CB_GETITEMDATA,
    CB_SETITEMDATA, CB_FINDSTRINGEXACT, CB_GETCURSEL,    CB_SETCURSEL
};

long long TListBoxStrings::Send(unsigned msg, unsigned long long wParam, long long lParam) const {
    return FControl.Perform(msg, WPARAM(wParam), LPARAM(lParam));
}

int TListBoxStrings::Add(const std::string& s) {
    const long long index = Send(FMessages.AddString, 0, LPARAM(s.c_str()));
    if (index < 0) throw EOutOfResources("Unable to insert a line");
    return int(index);
}

int TListBoxStrings::AddObject(const std::string& s, TObject* object) {
    const int index = Add(s);
    PutObject(index, object);
    return index;
}

void TListBoxStrings::Insert(int index, const std::string& s) {
    if (Send(FMessages.InsertString, WPARAM(index), LPARAM(s.c_str())) < 0)
        throw EOutOfResources("Unable to insert a line");
}

void TListBoxStrings::Delete(int index) {
    if (index < 0 || index >= GetCount()) IndexError(index);
    Send(FMessages.DeleteString, WPARAM(index), 0);
}

void TListBoxStrings::Clear() {
    Send(FMessages.ResetContent, 0, 0);
}

int TListBoxStrings::IndexOf(const std::string& s) const {
    return int(Send(FMessages.FindStringExact, WPARAM(-1), LPARAM(s.c_str())));
}

std::string TListBoxStrings::Get(int index) const {
    const long long length = Send(FMessages.GetTextLen, WPARAM(index), 0);
    if (length < 0) IndexError(index);
    std::string text(std::size_t(length) + 1, '\0');
    const long long copied = Send(FMessages.GetText, WPARAM(index), LPARAM(text.data()));
    text.resize(std::size_t(std::clamp<long long>(copied, 0, length)));
    return text;
}

int TListBoxStrings::GetCount() const {
    return int(Send(FMessages.GetCount, 0, 0));
}

TObject* TListBoxStrings::GetObject(int index) const {
    if (index < 0 || index >= GetCount()) IndexError(index);
    return reinterpret_cast<TObject*>(Send(FMessages.GetItemData, WPARAM(index), 0));
}

void TListBoxStrings::Put(int index, const std::string& s) {
    // Replacing a line keeps its object and the selected line.
    const int selected = int(Send(FMessages.GetCurSel, 0, 0));
    TObject* object = GetObject(index);
    Delete(index);
    Insert(index, s);
    PutObject(index, object);
    Send(FMessages.SetCurSel, WPARAM(selected), 0);
}

void TListBoxStrings::PutObject(int index, TObject* object) {
    if (index < 0 || index >= GetCount()) IndexError(index);
    Send(FMessages.SetItemData, WPARAM(index), LPARAM(object));
}

void TListBoxStrings::SetUpdateState(bool updating) {
    Send(WM_SETREDRAW, updating ? 0 : 1, 0);
    if (!updating) FControl.Invalidate();
}
