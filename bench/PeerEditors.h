// The peer editor components the benchmarks measure beside the workbench's editor, on the same
// text and with the same colouring rules: QPlainTextEdit with a keyword QSyntaxHighlighter and,
// when QScintilla is installed, QsciScintilla with a custom lexer.
#pragma once

#include <QImage>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class PeerEditor {
public:
    virtual ~PeerEditor() = default;
    virtual QWidget& Widget() = 0;
    // Makes line the first visible line.
    virtual void SetTopLine(int line) = 0;
    // Puts the caret at the start of line and brings it into view.
    virtual void PlaceCaret(int line) = 0;
    // Forgets all styling, so that the next paint must style again from the start.
    virtual void ForgetStyling() {}
    void Paint(QImage& image) { Widget().render(&image); }
};

std::unique_ptr<PeerEditor> MakePlainTextPeer(const std::vector<std::string>& lines,
                                              const std::vector<std::string>& keywords);
// Null when the benchmark was built without QScintilla.
std::unique_ptr<PeerEditor> MakeScintillaPeer(const std::vector<std::string>& lines,
                                              const std::vector<std::string>& keywords);
