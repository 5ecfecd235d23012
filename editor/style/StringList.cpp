// TStringList: insertion, sorting and look-up.
#include "editor/style/StringList.h"

#include "editor/style/CharCase.h"

#include <algorithm>

int TStringList::Compare(std::string_view a, std::string_view b) const {
    if (!FCaseSensitive)
        return AnsiCompareText(a, b);
    int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

void TStringList::Sort() {
    std::stable_sort(
        FItems.begin(), FItems.end(),
        [this](const std::string& a, const std::string& b) { return Compare(a, b) < 0; });
}

int TStringList::Add(std::string_view s) {
    if (!FSorted) {
        FItems.emplace_back(s);
        return Count() - 1;
    }
    int index = 0;
    if (Find(s, index))
        return index;
    FItems.insert(FItems.begin() + index, std::string(s));
    return index;
}

void TStringList::Put(int index, std::string_view s) {
    FItems.at(static_cast<std::size_t>(index)) = std::string(s);
}

void TStringList::Delete(int index) {
    if (index >= 0 && index < Count())
        FItems.erase(FItems.begin() + index);
}

void TStringList::SetSorted(bool value) {
    if (value && !FSorted)
        Sort();
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value) {
    if (value == FCaseSensitive)
        return;
    FCaseSensitive = value;
    if (FSorted)
        Sort();
}

bool TStringList::Find(std::string_view s, int& index) const {
    int lo = 0;
    int hi = Count() - 1;
    bool found = false;
    while (lo <= hi) {
        int mid = (lo + hi) / 2;
        int c = Compare(FItems[static_cast<std::size_t>(mid)], s);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0)
                found = true; // keep halving left: the first of equal entries
        }
    }
    index = lo;
    return found;
}

int TStringList::IndexOf(std::string_view s) const {
    if (FSorted) {
        int index = 0;
        return Find(s, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (Compare(FItems[static_cast<std::size_t>(i)], s) == 0)
            return i;
    return -1;
}
