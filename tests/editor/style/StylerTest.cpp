// The styler model: the Pascal styler's defaults, the workbench's configuration, binding to the
// editor, delimiters, loading and destruction.
#include "PaintFixtures.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(PascalStyler, DefaultsOfTheFourStyleItems) {
    TCodePascalMemoStyler styler;
    const TElementStyles& styles = styler.AllStyles();
    ASSERT_EQ(styles.Count(), 4);
    struct Expect {
        const char* Info;
        TStyleType Type;
        TColor Color;
        TFontStyles Style;
        char Open, Close;
    } table[] = {
        {"Pascal Standard Default", stKeyword, clGreen, fsBold, 0, 0},
        {"Simple Quote", stBracket, clBlue, 0, '\'', '\''},
        {"Double Quote", stBracket, clBlue, 0, '"', '"'},
        {"Symbols Delimiters", stSymbol, clRed, 0, 0, 0},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const TElementStyle& item = styles.Items(i);
        EXPECT_EQ(item.Info(), table[i].Info);
        EXPECT_EQ(item.StyleType(), table[i].Type);
        EXPECT_EQ(item.Font().Color, table[i].Color);
        EXPECT_EQ(item.Font().Style, table[i].Style);
        EXPECT_EQ(item.BracketStart(), table[i].Open);
        EXPECT_EQ(item.BracketEnd(), table[i].Close);
        EXPECT_EQ(item.BGColor(), clWhite);
        EXPECT_EQ(item.Font().Size(), 8);
    }
    const TStringList& words = styles.Items(0).KeyWords();
    ASSERT_EQ(words.Count(), 52);
    EXPECT_EQ(words[0], "UNIT");
    EXPECT_EQ(words[51], "CASE");
    EXPECT_EQ(words[35], "CLASS"); // the second CLASS stays
    EXPECT_EQ(words[41], "PROGRAM");
    EXPECT_EQ(styles.Items(3).Symbols(), std::string(" ,;:.(){}[]=-*/^%<>#\r\n"));
    EXPECT_EQ(styles.Items(3).Symbols().size(), 22u);
}

TEST(PascalStyler, DefaultsOfTheStylerItself) {
    TCodePascalMemoStyler styler;
    EXPECT_EQ(styler.Version(), "2.0");
    EXPECT_EQ(styler.LineComment(), "//");
    EXPECT_EQ(styler.MultiCommentLeft(), "{");
    EXPECT_EQ(styler.MultiCommentRight(), "}");
    EXPECT_EQ(styler.HexIdentifier(), "$");
    EXPECT_EQ(styler.NumberChars(), "+-.0123456789");
    EXPECT_EQ(styler.BlockStart(), "begin");
    EXPECT_EQ(styler.BlockEnd(), "end");
    EXPECT_EQ(styler.Extensions(), "pas;dpr;dpk;inc");
    EXPECT_EQ(styler.Filter(), "Pascal Files (*.pas,*.dpr,*.dpk,*.inc)|*.pas;*.dpr;*.dpk;*.inc");
    EXPECT_EQ(styler.CommentStyle().TextColor(), clNavy);
    EXPECT_EQ(styler.CommentStyle().Style(), fsItalic);
    EXPECT_EQ(styler.NumberStyle().TextColor(), clFuchsia);
    EXPECT_EQ(styler.NumberStyle().Style(), fsBold);
    EXPECT_EQ(styler.HintParameter().Parameters.Count(), 2);
    EXPECT_EQ(styler.HintParameter().BkColor, clInfoBk);
    EXPECT_EQ(styler.RegionDefinitions().size(), 8u);
    EXPECT_EQ(styler.RegionDefinitions()[7].RegionEnd, "{$endregion");

    TCodeCustomMemoStyler base;
    EXPECT_EQ(base.CommentStyle().TextColor(), clSilver);
    EXPECT_EQ(base.NumberStyle().TextColor(), clNavy);
    EXPECT_EQ(base.AllStyles().Count(), 0);
}

TEST(WorkbenchStyler, KeepsItsFourItemsAndStoresTheCommandWordsSorted) {
    TCodePascalMemoStyler styler;
    ConfigureWorkbenchStyler(styler, CommandWords());
    const TElementStyles& styles = styler.AllStyles();
    ASSERT_EQ(styles.Count(), 4);
    EXPECT_EQ(styles.Items(1).StyleType(), stSymbol);
    EXPECT_EQ(styles.Items(1).Symbols(), "x");
    EXPECT_EQ(styles.Items(1).Font().Color, clGreen);
    EXPECT_EQ(styles.Items(2).StyleType(), stBracket);
    EXPECT_EQ(styles.Items(2).BracketStart(), 0);
    EXPECT_EQ(styles.Items(3).Symbols(), "_");
    EXPECT_EQ(styles.Items(3).Font().Color, clRed);
    EXPECT_EQ(styles.Items(0).Font().Height, -11);
    EXPECT_EQ(styler.NumberStyle().TextColor(), clBlack);
    EXPECT_EQ(styler.NumberStyle().Style(), 0);

    const TStringList& words = styles.Items(0).KeyWords();
    ASSERT_EQ(words.Count(), 36);
    EXPECT_EQ(words[0], "10xpause");
    EXPECT_EQ(words[1], "alloffb");
    EXPECT_EQ(words[24], "nop");
    EXPECT_EQ(words[35], "stop");
    for (int i = 1; i < words.Count(); ++i)
        EXPECT_LT(words[i - 1], words[i]);
}

TEST(WorkbenchStyler, LoadingWithoutAStyleListEmptiesTheList) {
    TCodePascalMemoStyler styler;
    EXPECT_FALSE(styler.AllStyles().StylesReplaced());
    styler.Loaded();
    EXPECT_EQ(styler.AllStyles().Count(), 0);

    TCodePascalMemoStyler stored;
    stored.AllStyles().Delete(0);
    EXPECT_TRUE(stored.AllStyles().StylesReplaced());
    stored.Loaded();
    EXPECT_EQ(stored.AllStyles().Count(), 3);
}

TEST(StylerBinding, LowerCasesAndSortsKeywordListsUnlessCaseSensitive) {
    for (bool caseSensitive : {false, true}) {
        SCOPED_TRACE(caseSensitive);
        TestHost host;
        TCodePascalMemoStyler styler;
        TCodeMemo memo(host);
        memo.SetCaseSensitive(caseSensitive);
        memo.SetSyntaxStyles(&styler);
        EXPECT_TRUE(memo.UseStyler());
        EXPECT_EQ(styler.AllStyles().BoundMemo(), &memo);
        const TStringList& words = styler.AllStyles().Items(0).KeyWords();
        EXPECT_TRUE(words.Sorted());
        EXPECT_EQ(words[0], caseSensitive ? "BEGIN" : "begin");
        EXPECT_GE(words.IndexOf("while"), 0) << "look-ups ignore case when not case sensitive";
        EXPECT_EQ(words.IndexOf("WHILE") >= 0, true);
    }
}

TEST(StylerBinding, ANewItemTakesTheBoundEditorsBackground) {
    TestHost host;
    TCodePascalMemoStyler styler;
    EXPECT_EQ(styler.AllStyles().Add().BGColor(), clWhite);
    TCodeMemo memo(host);
    memo.SetBkColor(0x102030);
    memo.SetSyntaxStyles(&styler);
    EXPECT_EQ(styler.AllStyles().Add().BGColor(), 0x102030u);
}

TEST(StylerBinding, DelimitersComeFromTheStylerWhenUsed) {
    WorkbenchEditor ed;
    const TElementStyles& styles = ed.Styler.AllStyles();
    struct Case {
        char C;
        bool StylerDelimiter, EditorDelimiter, WordDelimiter;
    } table[] = {
        {'x', true, true, true},   {'_', true, true, false},   {' ', false, true, false},
        {'"', false, true, false}, {'a', false, false, false},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.C);
        EXPECT_EQ(styles.IsDelimiterChar(c.C), c.StylerDelimiter);
        EXPECT_EQ(ed.Memo.IsDelimiter(c.C), c.EditorDelimiter);
        EXPECT_EQ(ed.Memo.IsWordDelimiter(c.C), c.WordDelimiter);
    }
    EXPECT_EQ(ed.Memo.BlockStartWord(), "begin");
    ed.Memo.SetUseStyler(false);
    EXPECT_FALSE(ed.Memo.IsDelimiter('x'));

    TestHost host;
    TCodeMemo plain(host);
    EXPECT_TRUE(plain.IsWordDelimiter(' '));
    EXPECT_FALSE(plain.IsWordDelimiter('x'));
    EXPECT_EQ(plain.BlockEndWord(), "");
}

TEST(StylerBinding, BracketStylesDelimitWithBothCharacters) {
    TCodePascalMemoStyler styler;
    TElementStyle& b = styler.AllStyles().Items(1);
    b.SetBracketStart('(');
    b.SetBracketEnd(')');
    EXPECT_TRUE(styler.AllStyles().IsDelimiterChar('('));
    EXPECT_TRUE(styler.AllStyles().IsDelimiterChar(')'));
    EXPECT_TRUE(styler.AllStyles().IsDelimiterChar('"'));
}

TEST(StylerLifetime, DestroyingTheStylerLeavesTheEditorPaintingPlainText) {
    TestHost host;
    auto styler = std::make_unique<TCodePascalMemoStyler>();
    ConfigureWorkbenchStyler(*styler, CommandWords());
    TCodeMemo memo(host);
    ConfigureWorkbenchDisplay(memo);
    memo.SetSyntaxStyles(styler.get());
    memo.Lines().Clear();
    memo.Lines().Add("goto_0010");
    styler.reset();
    EXPECT_EQ(memo.SyntaxStyles(), nullptr);
    EXPECT_TRUE(memo.UseStyler());
    RasterSurface s(425, 353);
    memo.Paint(s);
    auto texts = s.TextsAt(2);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, "goto_0010");
    EXPECT_EQ(texts[0].Color, clBlack);
    EXPECT_EQ(texts[0].Style, 0);
}

TEST(StylerLifetime, DestroyingTheEditorClearsBoundMemo) {
    TCodePascalMemoStyler styler;
    {
        TestHost host;
        TCodeMemo memo(host);
        memo.SetSyntaxStyles(&styler);
        EXPECT_EQ(styler.AllStyles().BoundMemo(), &memo);
    }
    EXPECT_EQ(styler.AllStyles().BoundMemo(), nullptr);
}

TEST(ElementStyle, AssignCopiesAnElementStyleAndIgnoresOtherKinds) {
    TCodePascalMemoStyler styler;
    TElementStyle& target = styler.AllStyles().Items(3);
    TCharStyle other(clLime, clBlack, fsBold);
    target.Assign(other);
    EXPECT_EQ(target.Info(), "Symbols Delimiters");
    EXPECT_EQ(target.Font().Color, clRed);

    target.Assign(styler.AllStyles().Items(0));
    EXPECT_EQ(target.Info(), "Pascal Standard Default");
    EXPECT_EQ(target.StyleType(), stKeyword);
    EXPECT_EQ(target.KeyWords().Count(), 52);
    EXPECT_EQ(target.Font().Style, fsBold);
    EXPECT_EQ(target.DisplayName(), "Pascal Standard Default");
    target.SetInfo("");
    EXPECT_EQ(target.DisplayName(), "TElementStyle");
}

TEST(CharCase, LowerAndUpperCaseCoverCyrillic) {
    EXPECT_EQ(AnsiLowerCase("PAUSE"), "pause");
    // "ПРИВЕТ Ё" in Windows-1251 and its lower-case form.
    EXPECT_EQ(AnsiLowerCase("\xCF\xD0\xC8\xC2\xC5\xD2 \xA8"), "\xEF\xF0\xE8\xE2\xE5\xF2 \xB8");
    EXPECT_EQ(AnsiUpperCase("\xFF\xB8z"), "\xDF\xA8Z");
    EXPECT_EQ(AnsiCompareText("Pause", "PAUSE"), 0);
    EXPECT_LT(AnsiCompareText("10xpause", "alloffb"), 0);
}

} // namespace
