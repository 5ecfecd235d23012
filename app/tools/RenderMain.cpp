// tovix-render: paints a program text the way the workbench's editor shows it and writes the
// picture to a PNG file, so that its colouring can be looked at.
//
//   tovix-render [--size WxH] [--top LINE] [--mark-commands] [--mark LINE]...
//                [--select LINE:COL-LINE:COL] [--no-focus] PROGRAM OUTPUT.png
//
// Lines are numbered from 1, as in the gutter; columns from 0. --mark-commands marks every line
// that begins with a command word, as a compile does.
#include "app/tools/RenderSetup.h"
#include "compiler/CommandSet.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

namespace {

int Usage() {
    std::fputs("usage: tovix-render [--size WxH] [--top LINE] [--mark-commands] [--mark LINE]...\n"
               "                    [--select LINE:COL-LINE:COL] [--no-focus] PROGRAM OUTPUT.png\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    int width = 425, height = 353, top = 0;
    bool markCommands = false, focus = true;
    std::vector<int> marks;
    int sl = 0, sc = 0, el = 0, ec = 0;
    bool select = false;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == "--size") {
            const char* v = next();
            if (!v || std::sscanf(v, "%dx%d", &width, &height) != 2)
                return Usage();
        } else if (arg == "--top") {
            const char* v = next();
            if (!v)
                return Usage();
            top = std::atoi(v);
        } else if (arg == "--mark") {
            const char* v = next();
            if (!v)
                return Usage();
            marks.push_back(std::atoi(v));
        } else if (arg == "--mark-commands") {
            markCommands = true;
        } else if (arg == "--select") {
            const char* v = next();
            if (!v || std::sscanf(v, "%d:%d-%d:%d", &sl, &sc, &el, &ec) != 4)
                return Usage();
            select = true;
        } else if (arg == "--no-focus") {
            focus = false;
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage();
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2)
        return Usage();

    try {
        RenderedEditor ed(width, height);
        ed.HostWindow.Focus = focus;
        TCodeMemo& memo = ed.Memo;
        memo.Lines().LoadFromFile(files[0]);
        for (int i = 0; i < memo.Lines().Count(); ++i)
            if (markCommands && RecognizeCommand(memo.Lines().Line(i)))
                memo.SetBreakpoint(i, true);
        for (int line : marks)
            if (line >= 1 && line <= memo.Lines().Count())
                memo.SetBreakpoint(line - 1, true);
        PaintToImage(memo); // measures the font, so that the view can be placed
        memo.UpdateScrollBars();
        if (top > 0)
            memo.SetTopLine(top - 1);
        if (select)
            memo.SetSelectionBounds(sc, sl - 1, ec, el - 1);
        QImage image = PaintToImage(memo);
        if (!image.save(QString::fromLocal8Bit(files[1].c_str()), "PNG")) {
            std::fprintf(stderr, "tovix-render: cannot write %s\n", files[1].c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tovix-render: %s\n", e.what());
        return 1;
    }
    return 0;
}
