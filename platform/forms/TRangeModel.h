#pragma once

// How a range answers a position set outside it, and when it asks for the position to be told.
struct TRangeRules {
    // A position set outside the range goes to the nearer end (true), or is refused and the
    // range stays as it was (false).
    bool ClampPosition{ true };
    // Every accepted position is told, also one equal to the position before (true); otherwise
    // only a position that differs.
    bool NotifySameValue{ false };
};

// What setting a range did, for its control to act on.
struct TRangeChange {
    bool Changed{ false }; // a bound, the page or the position differs: repaint
    bool Notify{ false };  // the control tells of its position (its OnChange)
};

// Min, Max and a Position kept between them, for the controls that show or pick a value in a
// range. Max is never below Min: raising Min above Max raises Max with it, lowering Max below
// Min lowers Min. With a page (a scroll bar's visible part) the position stops a page short of
// the end, at Max - PageSize + 1, so that the last page shows whole. A change of the bounds or
// the page always brings the position inside and asks to tell of it only when it moved; the
// rules decide what SetPosition does.
class TRangeModel {
public:
    TRangeModel(int min, int max, TRangeRules rules = {});

    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int Position() const { return FPosition; }
    int PageSize() const { return FPageSize; }
    // The highest position: Max without a page, else the last that shows a whole page.
    int MaxPosition() const;

    TRangeChange SetMin(int value);
    TRangeChange SetMax(int value);
    TRangeChange SetPosition(int value);
    // Between 0 and the whole range (Max - Min + 1).
    TRangeChange SetPageSize(int value) { return SetParams(FPosition, FMin, FMax, value); }
    // Sets the bounds and the position at once; a page larger than the new range shrinks to it.
    TRangeChange SetParams(int position, int min, int max) {
        return SetParams(position, min, max, FPageSize);
    }
    TRangeChange SetParams(int position, int min, int max, int pageSize);

private:
    int FMin{ 0 };
    int FMax{ 0 };
    int FPosition{ 0 };
    int FPageSize{ 0 };
    TRangeRules FRules;
};
