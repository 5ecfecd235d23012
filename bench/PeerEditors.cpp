// QPlainTextEdit and QScintilla set up like the workbench's editor: the command words green and
// bold, "x" green, "_" red, numbers black, "//" and "{ }" comments navy italic, Liberation
// Mono 13 px, 425 × 353 pixels.
#include "PeerEditors.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>

#ifdef TOVIX_HAVE_QSCINTILLA
#include <Qsci/qscilexercustom.h>
#include <Qsci/qsciscintilla.h>
#endif

#include <cctype>
#include <unordered_set>

namespace {

enum PeerStyle { psDefault, psKeyword, psSymbolX, psUnderscore, psNumber, psComment, psCount };

QFont EditorFont(bool bold = false, bool italic = false) {
    QFont font("Liberation Mono");
    font.setPixelSize(13);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QColor StyleColor(int style) {
    switch (style) {
    case psKeyword:
    case psSymbolX:
        return QColor(0, 128, 0);
    case psUnderscore:
        return QColor(255, 0, 0);
    case psComment:
        return QColor(0, 0, 128);
    default:
        return QColor(0, 0, 0);
    }
}

struct KeywordSet {
    std::unordered_set<std::string> Words;
    explicit KeywordSet(const std::vector<std::string>& words)
        : Words(words.begin(), words.end()) {}
    bool Contains(const char* s, int n) const {
        std::string w(s, static_cast<std::size_t>(n));
        for (char& c : w)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return Words.count(w) != 0;
    }
};

// Styles one line: span(start, length, style) for every character, in order. Returns whether
// the line ends inside a "{ }" comment.
template <typename F>
bool StyleLine(const char* s, int n, bool inComment, const KeywordSet& keywords, F&& span) {
    int i = 0;
    bool wordStart = true;
    while (i < n) {
        if (inComment) {
            int j = i;
            while (j < n && s[j] != '}')
                ++j;
            if (j < n) {
                ++j;
                inComment = false;
            }
            span(i, j - i, psComment);
            i = j;
            continue;
        }
        char c = s[i];
        if (c == '{') {
            inComment = true;
            span(i, 1, psComment);
            ++i;
        } else if (c == '/' && i + 1 < n && s[i + 1] == '/') {
            span(i, n - i, psComment);
            return false;
        } else if (c == 'x' || c == '_') {
            span(i, 1, c == 'x' ? psSymbolX : psUnderscore);
            ++i;
            wordStart = true;
        } else if (c == ' ') {
            span(i, 1, psDefault);
            ++i;
            wordStart = true;
        } else if (wordStart && (std::isdigit(static_cast<unsigned char>(c)) || c == '$' ||
                                 c == '-' || c == '+' || c == '.')) {
            int j = i + 1;
            while (j < n && (std::isxdigit(static_cast<unsigned char>(s[j])) || s[j] == '.'))
                ++j;
            span(i, j - i, psNumber);
            i = j;
            wordStart = false;
        } else {
            int j = i + 1;
            while (j < n && s[j] != ' ' && s[j] != ':' && s[j] != ';' && s[j] != 'x' && s[j] != '_')
                ++j;
            bool keyword = wordStart && keywords.Contains(s + i, j - i);
            span(i, keyword ? j - i : 1, keyword ? psKeyword : psDefault);
            i += keyword ? j - i : 1;
            wordStart = false;
        }
    }
    return inComment;
}

QString JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += '\n';
    }
    if (!text.empty())
        text.pop_back();
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// ---- QPlainTextEdit ---------------------------------------------------------------------------

class KeywordHighlighter : public QSyntaxHighlighter {
public:
    KeywordHighlighter(QTextDocument* doc, const std::vector<std::string>& keywords)
        : QSyntaxHighlighter(doc), FKeywords(keywords) {
        for (int s = 0; s < psCount; ++s) {
            FFormats[s].setForeground(StyleColor(s));
            if (s == psKeyword)
                FFormats[s].setFontWeight(QFont::Bold);
            if (s == psComment)
                FFormats[s].setFontItalic(true);
        }
    }

protected:
    void highlightBlock(const QString& text) override {
        QByteArray bytes = text.toLatin1();
        bool inComment = previousBlockState() == 1;
        bool ends = StyleLine(bytes.constData(), static_cast<int>(bytes.size()), inComment,
                              FKeywords, [&](int start, int length, int style) {
                                  if (style != psDefault)
                                      setFormat(start, length, FFormats[style]);
                              });
        setCurrentBlockState(ends ? 1 : 0);
    }

private:
    KeywordSet FKeywords;
    QTextCharFormat FFormats[psCount];
};

class PlainTextPeer : public PeerEditor {
public:
    PlainTextPeer(const std::vector<std::string>& lines, const std::vector<std::string>& keywords) {
        FEdit.setFont(EditorFont());
        FEdit.setLineWrapMode(QPlainTextEdit::NoWrap);
        FEdit.resize(425, 353);
        FHighlighter = std::make_unique<KeywordHighlighter>(FEdit.document(), keywords);
        FEdit.setPlainText(JoinLines(lines));
        FEdit.show();
    }
    QWidget& Widget() override { return FEdit; }
    void SetTopLine(int line) override { FEdit.verticalScrollBar()->setValue(line); }
    void PlaceCaret(int line) override {
        FEdit.setTextCursor(QTextCursor(FEdit.document()->findBlockByNumber(line)));
        FEdit.ensureCursorVisible();
    }

private:
    QPlainTextEdit FEdit;
    std::unique_ptr<KeywordHighlighter> FHighlighter;
};

// ---- QScintilla -------------------------------------------------------------------------------

#ifdef TOVIX_HAVE_QSCINTILLA

class KeywordLexer : public QsciLexerCustom {
public:
    KeywordLexer(const std::vector<std::string>& keywords) : FKeywords(keywords) {
        for (int s = 0; s < psCount; ++s) {
            setColor(StyleColor(s), s);
            setFont(EditorFont(s == psKeyword, s == psComment), s);
            setPaper(QColor(255, 255, 255), s);
        }
    }
    const char* language() const override { return "TOVIX"; }
    QString description(int style) const override {
        return style < psCount ? QString("style %1").arg(style) : QString();
    }
    void styleText(int start, int end) override {
        QsciScintilla* ed = editor();
        if (!ed || end <= start)
            return;
        long line = ed->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, start);
        start = static_cast<int>(ed->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line));
        bool inComment =
            line > 0 && ed->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, line - 1) == 1;
        QByteArray text(end - start + 1, '\0');
        ed->SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, start, end, text.data());
        startStyling(start);
        const char* s = text.constData();
        int n = end - start;
        int i = 0;
        while (i < n) {
            int j = i;
            while (j < n && s[j] != '\n' && s[j] != '\r')
                ++j;
            int next = 0;
            inComment =
                StyleLine(s + i, j - i, inComment, FKeywords, [&](int st, int length, int style) {
                    (void)st;
                    setStyling(length, style);
                    next += length;
                });
            int breakLength = 0;
            while (j + breakLength < n &&
                   (s[j + breakLength] == '\n' || s[j + breakLength] == '\r'))
                ++breakLength;
            if (breakLength > 0)
                setStyling(breakLength, inComment ? psComment : psDefault);
            ed->SendScintilla(QsciScintillaBase::SCI_SETLINESTATE, line, inComment ? 1 : 0);
            ++line;
            i = j + breakLength;
        }
    }

private:
    KeywordSet FKeywords;
};

class ScintillaPeer : public PeerEditor {
public:
    ScintillaPeer(const std::vector<std::string>& lines, const std::vector<std::string>& keywords)
        : FLexer(keywords) {
        FEdit.setLexer(&FLexer);
        FEdit.setMarginLineNumbers(0, true);
        FEdit.setMarginWidth(0, 60);
        FEdit.resize(425, 353);
        FEdit.setText(JoinLines(lines));
        FEdit.show();
    }
    ~ScintillaPeer() override { FEdit.setLexer(nullptr); }
    QWidget& Widget() override { return FEdit; }
    void SetTopLine(int line) override { FEdit.setFirstVisibleLine(line); }
    void PlaceCaret(int line) override {
        FEdit.setCursorPosition(line, 0);
        FEdit.ensureLineVisible(line);
    }
    void ForgetStyling() override {
        FEdit.SendScintilla(QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE);
        FEdit.SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0UL, 0L);
    }

private:
    KeywordLexer FLexer;
    QsciScintilla FEdit;
};

#endif

} // namespace

std::unique_ptr<PeerEditor> MakePlainTextPeer(const std::vector<std::string>& lines,
                                              const std::vector<std::string>& keywords) {
    return std::make_unique<PlainTextPeer>(lines, keywords);
}

std::unique_ptr<PeerEditor> MakeScintillaPeer(const std::vector<std::string>& lines,
                                              const std::vector<std::string>& keywords) {
#ifdef TOVIX_HAVE_QSCINTILLA
    return std::make_unique<ScintillaPeer>(lines, keywords);
#else
    (void)lines;
    (void)keywords;
    return nullptr;
#endif
}
