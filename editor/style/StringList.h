// A list of single-byte strings that can keep itself sorted and then finds entries by halving,
// with or without regard to case: the keyword lists of the styler and its other text lists.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TStringList {
public:
    TStringList() = default;
    TStringList(std::initializer_list<std::string> items) : FItems(items) {}

    int Count() const { return static_cast<int>(FItems.size()); }
    const std::string& operator[](int index) const {
        return FItems.at(static_cast<std::size_t>(index));
    }
    const std::vector<std::string>& Items() const { return FItems; }

    // Adds at the end, or at the sorted position when the list is sorted (an entry equal to one
    // already there is then not added again). Returns the entry's index.
    int Add(std::string_view s);
    void Put(int index, std::string_view s);
    void Delete(int index);
    void Clear() { FItems.clear(); }
    void Assign(const TStringList& source) { FItems = source.FItems; }

    bool Sorted() const { return FSorted; }
    // Switching sorting on sorts the list.
    void SetSorted(bool value);
    bool CaseSensitive() const { return FCaseSensitive; }
    // A sorted list is sorted again under the new comparison.
    void SetCaseSensitive(bool value);

    // Index of s, or -1. A sorted list is searched by halving.
    int IndexOf(std::string_view s) const;
    // Sorted lists only: true when s is present; index is its position or where it would go.
    bool Find(std::string_view s, int& index) const;

    bool operator==(const TStringList& other) const { return FItems == other.FItems; }

private:
    int Compare(std::string_view a, std::string_view b) const;
    void Sort();

    std::vector<std::string> FItems;
    bool FSorted = false;
    bool FCaseSensitive = false;
};
