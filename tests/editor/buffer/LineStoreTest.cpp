// The line list: its operations, per-line records, the caret it moves and its errors.
#include "editor/CodeMemo.h"
#include "support/FakeHost.h"

#include "base/Errors.h"

#include <gtest/gtest.h>

namespace {

struct Fixture {
    FakeHost host;
    TCodeMemo memo{host};
    TCodeMemoStrings& lines = memo.Lines();

    explicit Fixture(std::vector<std::string> text = {}) {
        if (!text.empty())
            lines.Assign(text);
    }
    std::vector<std::string> Text() const { return lines.ToVector(); }
};

using Lines = std::vector<std::string>;

struct CallerObject : TObject {};

} // namespace

TEST(LineStore, NewEditorHoldsOneEmptyLine) {
    Fixture f;
    EXPECT_EQ(f.Text(), Lines{""});
    EXPECT_EQ(f.memo.CurX(), 0);
    EXPECT_EQ(f.memo.CurY(), 0);
}

TEST(LineStore, AddInsertPutExpandTabsAndKeepLengths) {
    Fixture f;
    f.lines.Clear();
    EXPECT_EQ(f.lines.Add("\tx"), 0);
    EXPECT_EQ(f.lines.Add("x\t\ty"), 1);
    f.lines.InsertLine(1, "a\tb");
    f.lines.Put(0, "q\t");
    EXPECT_EQ(f.Text(), (Lines{"q    ", "a    b", "x        y"}));
    for (int i = 0; i < f.lines.Count(); ++i)
        EXPECT_EQ(f.lines.LineLengths().Get(i), f.lines.LineLength(i));
    EXPECT_EQ(f.memo.MaxLineLength(), 10);
    f.lines.Put(2, "");
    f.lines.Add("z");
    EXPECT_EQ(f.memo.MaxLineLength(), 6) << "the longest line is recomputed after it shrinks";
}

TEST(LineStore, BadIndexesRaiseOrAreIgnoredAsTheListDoes) {
    Fixture f({"a", "b"});
    auto message = [](auto&& call) {
        try {
            call();
        } catch (const ERuntimeError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { f.lines.Get(2); }), "List index out of bounds (2)");
    EXPECT_EQ(message([&] { f.lines.Get(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(message([&] { f.lines.Put(5, "x"); }), "List index out of bounds (5)");
    EXPECT_EQ(f.lines.GetObject(9), nullptr);
    f.lines.PutObject(-3, nullptr);
    EXPECT_EQ(f.lines.GetLineProp(2), nullptr);
    f.lines.Delete(2);
    f.lines.Delete(-1);
    EXPECT_EQ(f.Text(), (Lines{"a", "b"}));
    EXPECT_EQ(f.lines.LineLengths().Count(), 2) << "a bad Put leaves the length cache alone";
}

TEST(LineStore, MarksTravelWithTheirLines) {
    Fixture f({"one", "two", "three"});
    f.memo.SetBreakpoint(1, true);
    f.lines.Insert(0, "zero");
    f.lines.InsertLine(0, "minus");
    ASSERT_NE(f.lines.GetLineProp(3), nullptr);
    EXPECT_EQ(f.lines.Get(3), "two");
    EXPECT_TRUE(f.lines.GetLineProp(3)->Breakpoint);
    EXPECT_EQ(f.lines.GetLineProp(1), nullptr);

    f.lines.Delete(0);
    EXPECT_EQ(f.lines.Get(2), "two");
    EXPECT_TRUE(f.lines.GetLineProp(2)->Breakpoint);

    // Clearing and adding the texts back drops every mark, as the compile's tidy step relies on.
    Lines copy = f.Text();
    f.lines.Clear();
    EXPECT_EQ(f.lines.LinePropCount(), 0);
    for (const auto& s : copy)
        f.lines.Add(s);
    for (int i = 0; i < f.lines.Count(); ++i)
        EXPECT_EQ(f.lines.GetLineProp(i), nullptr);
}

TEST(LineStore, CallerObjectsSurviveARecord) {
    Fixture f({"a", "b"});
    CallerObject mine, other;
    f.lines.PutObject(0, &mine);
    EXPECT_EQ(f.lines.GetObject(0), &mine);
    EXPECT_EQ(f.lines.GetLineProp(0), nullptr);
    f.memo.SetModified(0, true);
    ASSERT_NE(f.lines.GetLineProp(0), nullptr);
    EXPECT_TRUE(f.lines.GetLineProp(0)->Modified);
    EXPECT_FALSE(f.lines.GetLineProp(0)->Breakpoint);
    EXPECT_EQ(f.lines.GetObject(0), &mine) << "the caller's object, not the record";
    f.lines.PutObject(0, &other);
    EXPECT_EQ(f.lines.GetObject(0), &other);
    EXPECT_TRUE(f.lines.GetLineProp(0)->Modified);
    f.memo.SetModified(7, true); // beyond the text: nothing
    EXPECT_EQ(f.lines.LinePropCount(), 1);
}

TEST(LineStore, DeleteKeepsTheCaretOnItsText) {
    struct Case {
        Lines text;
        int caretX, caretY, index;
        Lines after;
        int afterX, afterY;
    };
    const Case cases[] = {
        {{"only"}, 3, 0, 0, {""}, 0, 0},
        {{"a", "bb", "ccc"}, 2, 2, 0, {"bb", "ccc"}, 2, 1},
        {{"a", "bb", "ccc"}, 1, 0, 2, {"a", "bb"}, 1, 0},
        {{"a", "bb", "ccc"}, 1, 1, 1, {"a", "ccc"}, 1, 1},
        {{"a", "bb"}, 1, 1, 1, {"a"}, 1, 0},
    };
    for (const auto& c : cases) {
        Fixture f(c.text);
        f.memo.SetCurY(c.caretY);
        f.memo.SetCurX(c.caretX);
        f.lines.Delete(c.index);
        EXPECT_EQ(f.Text(), c.after);
        EXPECT_EQ(f.memo.CurX(), c.afterX) << c.text.size() << " lines, delete " << c.index;
        EXPECT_EQ(f.memo.CurY(), c.afterY) << c.text.size() << " lines, delete " << c.index;
        EXPECT_FALSE(f.lines.Deleting());
        EXPECT_EQ(f.lines.LineLengths().Count(), f.lines.Count());
    }
}

TEST(LineStore, AFailedChangeLeavesNoFlagSet) {
    struct Failure {};
    Fixture f({"a", "bb", "ccc"});
    f.memo.OnChange = [](TCodeCustomMemo&) { throw Failure(); };
    EXPECT_THROW(f.lines.Delete(1), Failure);
    EXPECT_FALSE(f.lines.Deleting());
    f.memo.OnChange = nullptr;
    f.memo.SetCurY(0);
    f.lines.OnChanging = [](TCodeMemoStrings&) { throw Failure(); };
    EXPECT_THROW(f.memo.SetCurX(9), Failure) << "padding the caret line";
    EXPECT_TRUE(f.memo.NotifyChanges());
    f.lines.OnChanging = nullptr;
    f.memo.SetCurX(0);
    f.memo.SetCurX(9);
    f.lines.OnChanging = [](TCodeMemoStrings&) { throw Failure(); };
    EXPECT_THROW(f.memo.SetCurY(1), Failure) << "trimming the line the caret left";
    EXPECT_TRUE(f.memo.NotifyChanges());
}

TEST(LineStore, ClearResetsTheCaretAndAssignReplacesTheText) {
    Fixture f({"first", "second"});
    f.memo.SetCurY(1);
    f.memo.SetCurX(4);
    f.lines.Clear();
    EXPECT_EQ(f.lines.Count(), 0);
    EXPECT_EQ(f.memo.CurX(), 0);
    EXPECT_EQ(f.memo.CurY(), 0);
    EXPECT_TRUE(f.memo.SelectionEmpty());

    f.memo.SetTrimTrailingSpaces(true);
    f.lines.Assign(Lines{"x  ", "  y ", ""});
    EXPECT_EQ(f.Text(), (Lines{"x", "  y", ""}));
    EXPECT_EQ(f.memo.MaxLineLength(), 3);
}

TEST(LineStore, AddStringsKeepsTabsAndObjects) {
    Fixture src({"p", "q"});
    CallerObject obj;
    src.lines.PutObject(1, &obj);
    Fixture dst({"a"});
    dst.lines.AddStrings(src.lines);
    EXPECT_EQ(dst.Text(), (Lines{"a", "p", "q"}));
    EXPECT_EQ(dst.lines.GetObject(2), &obj);
    dst.lines.AddStrings(Lines{"t\tt"});
    EXPECT_EQ(dst.lines.Get(3), "t\tt") << "no TAB expansion when adding a list";
    EXPECT_EQ(dst.lines.LineLengths().Count(), 4);
}

TEST(LineStore, UpdateBlocksCountWithoutGoingNegative) {
    Fixture f;
    f.lines.SetUpdateState(false);
    EXPECT_EQ(f.lines.LockCount(), 0);
    f.lines.BeginUpdate();
    f.lines.BeginUpdate();
    EXPECT_EQ(f.lines.LockCount(), 1) << "only the outermost block locks";
    f.lines.EndUpdate();
    f.lines.EndUpdate();
    EXPECT_EQ(f.lines.LockCount(), 0);
}

TEST(LineStore, ChangesReachTheEditorOnlyWhileNotifying) {
    Fixture f({"a"});
    int changes = 0;
    f.memo.OnChange = [&](TCodeCustomMemo&) { ++changes; };
    f.lines.Put(0, "abc");
    EXPECT_GT(changes, 0);
    changes = 0;
    f.memo.SetNotifyChanges(false);
    f.lines.Add("longer line");
    f.lines.Put(0, "x");
    EXPECT_EQ(changes, 0);
    f.memo.SetNotifyChanges(true);
    f.memo.LinesChanged();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(f.memo.MaxLineLength(), 11);
}

TEST(Caret, MovingBetweenLinesTrimsTheLineLeftAndPadsOnlyOnColumnMoves) {
    Fixture f({"ab", "abcdef", ""});
    f.lines.Put(2, "x \t");
    EXPECT_EQ(f.lines.Get(2), "x     ");
    f.memo.SetCurY(1);
    f.memo.SetCurX(5);
    f.memo.SetCurY(0);
    EXPECT_EQ(f.memo.CurX(), 5) << "the column is kept on a shorter line";
    EXPECT_EQ(f.lines.Get(0), "ab") << "reaching a line does not pad it";
    f.memo.SetCurX(4);
    EXPECT_EQ(f.lines.Get(0), "ab  ") << "a column move beyond the end pads";
    f.memo.SetCurY(2);
    EXPECT_EQ(f.lines.Get(0), "ab") << "leaving the line trims its blanks";
    f.memo.SetCurY(0);
    EXPECT_EQ(f.lines.Get(2), "x");
    f.memo.SetCurY(99);
    EXPECT_EQ(f.memo.CurY(), 2);
    f.memo.SetCurX(-1);
    EXPECT_EQ(f.memo.CurY(), 1) << "left of column 0 goes to the end of the line above";
    EXPECT_EQ(f.memo.CurX(), 6);
}

TEST(LineStore, LinesOfEveryLengthKeepTheirBytes) {
    Fixture f;
    f.lines.Clear();
    Lines expected;
    for (int n : {0, 1, 14, 15, 16, 17, 100, 70000}) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += static_cast<char>(1 + (i * 37) % 255);
        if (s.find('\t') != std::string::npos)
            s = ExpandTabs(s, 4);
        expected.push_back(s);
        f.lines.Add(s);
    }
    f.lines.Put(1, expected[7]);
    f.lines.Put(7, "short");
    expected[1] = expected[7];
    expected[7] = "short";
    f.lines.InsertLine(0, expected[1]);
    expected.insert(expected.begin(), expected[1]);
    EXPECT_EQ(f.Text(), expected);
    Fixture copy;
    copy.lines.Assign(f.lines);
    EXPECT_EQ(copy.Text(), expected);
}

TEST(LineStore, LargeInsertionsAndRemovalsKeepLinesAndLengthsInStep) {
    Fixture f;
    Lines model;
    for (int i = 0; i < 3000; ++i)
        model.push_back("pause_" + std::to_string(i) +
                        std::string(static_cast<std::size_t>(i % 40), 'x'));
    f.lines.Assign(model);
    std::vector<std::string> block;
    for (int i = 0; i < 1500; ++i)
        block.push_back("new\t" + std::to_string(i));
    for (auto [at, count] : {std::pair{10, 1500}, {4499, 1}, {0, 700}, {2000, 5}}) {
        std::vector<std::string_view> views(block.begin(), block.begin() + count);
        f.lines.InsertLines(at, views);
        for (int i = 0; i < count; ++i)
            model.insert(model.begin() + at + i, ExpandTabs(block[static_cast<std::size_t>(i)], 4));
        ASSERT_EQ(f.Text(), model) << "insert " << count << " at " << at;
    }
    for (auto [first, count] : {std::pair{5, 2000}, {0, 1}, {100, 600}, {2000, 605}}) {
        f.lines.RemoveLines(first, count);
        model.erase(model.begin() + first, model.begin() + first + count);
        ASSERT_EQ(f.Text(), model) << "remove " << count << " from " << first;
        int longest = 0;
        for (int i = 0; i < f.lines.Count(); ++i) {
            ASSERT_EQ(f.lines.LineLengths().Get(i), f.lines.LineLength(i));
            longest = std::max(longest, f.lines.LineLength(i));
        }
        EXPECT_EQ(f.lines.LineLengths().Max(), longest);
    }
}
