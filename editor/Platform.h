// The editor's only view of its window: a drawing surface and the host window's services.
// The Qt layer implements both; tests implement them with a fake host and a recording surface.
#pragma once

#include "editor/Graphics.h"
#include "editor/view/ParameterHint.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What painting needs. Text is single-byte program text; the surface decodes it. Rectangles
// exclude their right and bottom edges; colours may be system colours, which the surface
// resolves.
class Surface {
public:
    virtual ~Surface() = default;

    // Selects the font for the following text calls.
    virtual void SetFont(const std::string& name, int height, TFontStyles style) = 0;
    // True when every character of the current font has the same advance.
    virtual bool FontIsFixedPitch() = 0;
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;

    virtual void FillRect(const TRect& r, TColor color) = 0;
    // Draws text with its top-left corner at (x, y) on background bk (clNone: transparent).
    virtual void DrawText(int x, int y, std::string_view text, TColor color, TColor bk) = 0;
    virtual void Line(int x1, int y1, int x2, int y2, TColor color) = 0;
    // Outline in pen, inside filled with brush (clNone: not filled).
    virtual void Rectangle(const TRect& r, TColor pen, TColor brush) = 0;
    virtual void Ellipse(const TRect& r, TColor pen, TColor brush) = 0;
    virtual void Polygon(const std::vector<TPoint>& points, TColor pen, TColor brush) = 0;
    // The wavy underline of a problem, from x1 to x2 (excluded): one pixel per column, its
    // crests on row y and its troughs on row y + 2, a period of four columns.
    virtual void WavyLine(int x1, int x2, int y, TColor color) = 0;

    // The plain colour a system colour stands for; plain colours come back unchanged.
    virtual TColor ResolveColor(TColor color) = 0;
    // Composes what follows off screen in an image of rect's size: coordinates become relative
    // to rect's top-left corner and drawing is clipped to it. EndImage puts the image on rect.
    virtual void BeginImage(const TRect& rect) = 0;
    virtual void EndImage() = 0;
};

enum class TScrollBarKind { Horizontal, Vertical };

enum class TCursorShape { Arrow, IBeam, Hand };

// One item of a popup menu; an empty Text is a separator.
struct TMenuItem {
    std::string Text;
    bool Enabled = true;
};

// The window that hosts an editor.
class Host {
public:
    virtual ~Host() = default;

    virtual void Invalidate() = 0;
    virtual void InvalidateRect(const TRect& r) = 0;
    virtual TRect ClientRect() = 0;

    virtual void SetScrollBar(TScrollBarKind kind, int min, int max, int page, int pos) = 0;
    virtual void ShowScrollBar(TScrollBarKind kind, bool visible) = 0;
    virtual int ScrollBarWidth() = 0;

    virtual void CreateCaret(int width, int height) = 0;
    virtual void DestroyCaret() = 0;
    virtual void ShowCaret() = 0;
    virtual void HideCaret() = 0;
    virtual void SetCaretPos(int x, int y) = 0;
    // Blinking stops while a key is held and resumes on release.
    virtual void SetCaretBlinking(bool blinking) = 0;

    virtual void SetFocus() = 0;
    virtual bool HasFocus() = 0;
    virtual bool IsEnabled() = 0;

    virtual void SetCursor(TCursorShape shape) = 0;
    // Shows a popup menu at client point p; returns the chosen item's index or -1.
    virtual int PopupMenu(const std::vector<TMenuItem>& items, TPoint p) = 0;

    // Single-byte clipboard text; HasClipboardText tells whether text is offered at all.
    virtual bool HasClipboardText() = 0;
    virtual std::string ClipboardText() = 0;
    virtual void SetClipboardText(const std::string& text) = 0;

    virtual void OpenUrl(const std::string& url) = 0;
    virtual void StartDrag() = 0;

    // A one-shot timer: after ms milliseconds the host calls the editor's timer handler with id.
    virtual void StartTimer(int id, int ms) = 0;
    virtual void StopTimer(int id) = 0;

    // The hint window, without taking the focus: parts (single-byte) in the given font and
    // colours, its top-left corner at a screen point; or hides it.
    virtual void ShowHint(const THintParts& parts, const std::string& fontName, int fontHeight,
                          TColor text, TColor bk, TPoint screenPos) = 0;
    virtual void HideHint() = 0;
    virtual TPoint ClientToScreen(TPoint p) = 0;
};
