// The Qt host of the code editor.
#include "platform/CodeMemoWidget.h"

#include "base/Cp1251.h"
#include "editor/commands/KeyMap.h"
#include "platform/ErrorGuard.h"
#include "platform/ParameterHintWindow.h"
#include "platform/QtSurface.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <QUrl>

#include <cstring>

namespace {

QString FromBytes(std::string_view bytes) {
    return QString::fromStdString(Cp1251ToUtf8(bytes));
}

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers) {
    TShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= ssShift;
    if (modifiers & Qt::ControlModifier)
        shift |= ssCtrl;
    if (modifiers & Qt::AltModifier)
        shift |= ssAlt;
    return shift;
}

// The Latin letter on the key with this X11 key code (evdev code + 8) in the US layout, or 0.
// Shortcuts act by the key's position, so Ctrl+C works the same under a Cyrillic layout.
char LetterAtKeyCode(quint32 code) {
    static const char* const rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    static const quint32 firsts[] = {24, 38, 52};
    for (int r = 0; r < 3; ++r) {
        quint32 length = static_cast<quint32>(std::strlen(rows[r]));
        if (code >= firsts[r] && code < firsts[r] + length)
            return rows[r][code - firsts[r]];
    }
    return 0;
}

// The editor's key code of a Qt key event, or 0 for a key the editor does not know.
int KeyCodeOf(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Backspace:
        return vkBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return vkTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vkReturn;
    case Qt::Key_Shift:
        return vkShift;
    case Qt::Key_Control:
        return vkControl;
    case Qt::Key_Alt:
        return vkMenu;
    case Qt::Key_Escape:
        return vkEscape;
    case Qt::Key_Space:
        return vkSpace;
    case Qt::Key_PageUp:
        return vkPrior;
    case Qt::Key_PageDown:
        return vkNext;
    case Qt::Key_End:
        return vkEnd;
    case Qt::Key_Home:
        return vkHome;
    case Qt::Key_Left:
        return vkLeft;
    case Qt::Key_Up:
        return vkUp;
    case Qt::Key_Right:
        return vkRight;
    case Qt::Key_Down:
        return vkDown;
    case Qt::Key_Insert:
        return vkInsert;
    case Qt::Key_Delete:
        return vkDelete;
    case Qt::Key_F2:
        return vkF2;
    default:
        break;
    }
    if (e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z)
        return vkKey(static_cast<char>('A' + (e.key() - Qt::Key_A)));
    if (char letter = LetterAtKeyCode(e.nativeScanCode()))
        return vkKey(letter);
    if (e.key() >= Qt::Key_0 && e.key() <= Qt::Key_9)
        return '0' + (e.key() - Qt::Key_0);
    return 0;
}

// The key-press bytes of a Qt key event: control characters for Enter, Backspace, Tab, Esc and
// Ctrl+letter; otherwise the typed text in Windows-1251 (characters outside it are dropped).
std::string CharactersOf(const QKeyEvent& e, int key) {
    bool ctrl = e.modifiers() & Qt::ControlModifier;
    bool alt = e.modifiers() & Qt::AltModifier;
    switch (key) {
    case vkBack:
        return std::string(1, chBackspace);
    case vkTab:
        return std::string(1, chTab);
    case vkReturn:
        return std::string(1, chEnter);
    case vkEscape:
        return std::string(1, '\x1B');
    default:
        break;
    }
    if (ctrl && !alt && key >= 'A' && key <= 'Z')
        return std::string(1, static_cast<char>(key - 'A' + 1));
    if (ctrl || alt)
        return {};
    return Utf8ToCp1251(e.text().toStdString());
}

// Keys that the editor answers itself; the window's shortcuts get the others.
bool EditorClaims(const QKeyEvent& e, int key) {
    if (key == 0)
        return false;
    // Function keys are the window's, but for those the editor's key map binds.
    if (e.key() >= Qt::Key_F1 && e.key() <= Qt::Key_F35)
        return FindKeyBinding(key, ShiftOf(e.modifiers())) != nullptr;
    return EditorClaimsKey(key, ShiftOf(e.modifiers()));
}

} // namespace

TCodeMemoWidget::TCodeMemoWidget(QWidget* parent)
    : QWidget(parent), FVertBar(new QScrollBar(Qt::Vertical, this)),
      FHorzBar(new QScrollBar(Qt::Horizontal, this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::IBeamCursor);
    FVertBar->hide();
    FHorzBar->hide();
    FVertBar->setFocusPolicy(Qt::NoFocus);
    FHorzBar->setFocusPolicy(Qt::NoFocus);
    FVertBar->setCursor(Qt::ArrowCursor);
    FHorzBar->setCursor(Qt::ArrowCursor);
    connect(FVertBar, &QScrollBar::actionTriggered, this,
            Guarded([this](int action) { OnScrollAction(TScrollBarKind::Vertical, action); }));
    connect(FHorzBar, &QScrollBar::actionTriggered, this,
            Guarded([this](int action) { OnScrollAction(TScrollBarKind::Horizontal, action); }));

    int flash = QApplication::cursorFlashTime();
    FBlinkTimer.setInterval(flash > 0 ? flash / 2 : 500);
    connect(&FBlinkTimer, &QTimer::timeout, this, [this] {
        FCaretOn = !FCaretOn;
        update(CaretRect());
    });

    FMemo = std::make_unique<TCodeMemo>(static_cast<Host&>(*this));
    FShell = &FOwnShell;
    MeasureFont();
}

TCodeMemoWidget::~TCodeMemoWidget() {
    // The editor talks to this host up to its end.
    FMemo.reset();
}

QWidget* TCodeMemoWidget::HintWindow() const {
    return FHint.get();
}

QRect TCodeMemoWidget::CaretRect() const {
    return QRect(FCaretPos, FCaretSize);
}

// ---- Qt events --------------------------------------------------------------------------------

bool TCodeMemoWidget::event(QEvent* e) {
    // Tab and Shift+Tab belong to the editor, not to the focus chain.
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    if (e->type() == QEvent::ShortcutOverride) {
        // The editor's own keys win over window shortcuts of the same combination.
        auto* key = static_cast<QKeyEvent*>(e);
        if (EditorClaims(*key, KeyCodeOf(*key))) {
            e->accept();
            return true;
        }
    }
    if (e->type() == QEvent::ToolTip && FToolTipSource) {
        auto* help = static_cast<QHelpEvent*>(e);
        QString text;
        RunGuarded([&] {
            TPoint cell = FMemo->PointToCell(help->pos().x(), help->pos().y());
            if (cell.X >= 0 && cell.Y >= 0)
                text = FToolTipSource(FMemo->TopLine() + cell.Y, FMemo->LeftCol() + cell.X);
        });
        if (text.isEmpty()) {
            QToolTip::hideText();
            e->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(e);
}

void TCodeMemoWidget::MeasureFont() {
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    QtSurface surface(painter, palette());
    FMemo->MeasureFont(surface);
}

void TCodeMemoWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    RunGuarded([&] {
        QtSurface surface(painter, palette());
        FMemo->Paint(surface);
    });
    if (CaretVisible() && FCaretOn) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(CaretRect(), Qt::white);
    }
}

void TCodeMemoWidget::resizeEvent(QResizeEvent*) {
    RunGuarded([this] {
        PlaceScrollBars();
        FMemo->UpdateScrollBars();
    });
}

void TCodeMemoWidget::keyPressEvent(QKeyEvent* e) {
    int key = KeyCodeOf(*e);
    std::string chars = CharactersOf(*e, key);
    if (key == 0 && chars.empty()) {
        QWidget::keyPressEvent(e);
        return;
    }
    RunGuarded([&] {
        if (key != 0)
            FMemo->KeyDown(key, ShiftOf(e->modifiers()));
        for (char c : chars) {
            char ch = c;
            FMemo->KeyPress(ch);
        }
    });
    e->accept();
}

void TCodeMemoWidget::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) {
        e->accept();
        return;
    }
    RunGuarded([&] { FMemo->KeyUp(KeyCodeOf(*e), ShiftOf(e->modifiers())); });
    e->accept();
}

void TCodeMemoWidget::mousePressEvent(QMouseEvent* e) {
    RunGuarded([&] {
        TMouseButton button = e->button() == Qt::LeftButton    ? TMouseButton::mbLeft
                              : e->button() == Qt::RightButton ? TMouseButton::mbRight
                                                               : TMouseButton::mbMiddle;
        QPoint p = e->position().toPoint();
        FMemo->MouseDown(button, e->modifiers() & Qt::ShiftModifier, p.x(), p.y(),
                         e->modifiers() & Qt::ControlModifier);
    });
}

void TCodeMemoWidget::mouseMoveEvent(QMouseEvent* e) {
    RunGuarded([&] {
        QPoint p = e->position().toPoint();
        FMemo->MouseMove(e->buttons() & Qt::LeftButton, p.x(), p.y());
    });
}

void TCodeMemoWidget::mouseReleaseEvent(QMouseEvent* e) {
    RunGuarded([&] {
        if (e->button() != Qt::LeftButton)
            return;
        QPoint p = e->position().toPoint();
        FMemo->MouseUp(TMouseButton::mbLeft, p.x(), p.y());
    });
}

void TCodeMemoWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    RunGuarded([&] {
        if (e->button() != Qt::LeftButton)
            return;
        QPoint p = e->position().toPoint();
        // The platform delivers the double click in place of the second button-down.
        FMemo->MouseDown(TMouseButton::mbLeft, e->modifiers() & Qt::ShiftModifier, p.x(), p.y());
        FMemo->DoubleClick();
    });
}

void TCodeMemoWidget::wheelEvent(QWheelEvent* e) {
    RunGuarded([&] {
        FWheelRemainder += e->angleDelta().y();
        while (FWheelRemainder >= 120) {
            FWheelRemainder -= 120;
            FMemo->MouseWheel(false);
        }
        while (FWheelRemainder <= -120) {
            FWheelRemainder += 120;
            FMemo->MouseWheel(true);
        }
    });
    e->accept();
}

void TCodeMemoWidget::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    RunGuarded([this] { FMemo->FocusGained(); });
}

void TCodeMemoWidget::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    RunGuarded([this] { FMemo->FocusLost(false); });
}

void TCodeMemoWidget::contextMenuEvent(QContextMenuEvent* e) {
    e->accept();
    RunGuarded([&] {
        TPoint p{e->pos().x(), e->pos().y()};
        if (FMemo->TextArea().Contains(p))
            FMemo->ShowContextMenu(p);
    });
}

// ---- Scroll bars ----------------------------------------------------------------------------

void TCodeMemoWidget::PlaceScrollBars() {
    int w = ScrollBarWidth();
    bool horz = FHorzBar->isVisibleTo(this);
    bool vert = FVertBar->isVisibleTo(this);
    FVertBar->setGeometry(width() - 2 - w, 2, w, height() - 4 - (horz ? w : 0));
    FHorzBar->setGeometry(2, height() - 2 - w, width() - 4 - (vert ? w : 0), w);
}

void TCodeMemoWidget::OnScrollAction(TScrollBarKind kind, int action) {
    if (FBlockScrollSignals)
        return;
    QScrollBar* bar = kind == TScrollBarKind::Vertical ? FVertBar : FHorzBar;
    TScrollCode code;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        code = TScrollCode::scLineDown;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        code = TScrollCode::scLineUp;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = TScrollCode::scPageDown;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = TScrollCode::scPageUp;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = TScrollCode::scTop;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = TScrollCode::scBottom;
        break;
    case QAbstractSlider::SliderMove:
        code = TScrollCode::scTrack;
        break;
    default:
        return;
    }
    FMemo->ScrollBarAction(kind, code, bar->sliderPosition());
    // The editor has set the bar's position itself; keep Qt's own step from moving it further.
    int pos = kind == TScrollBarKind::Vertical ? FMemo->TopLine() : FMemo->LeftCol();
    bar->setSliderPosition(pos);
}

// ---- Host -----------------------------------------------------------------------------------

void TCodeMemoWidget::Invalidate() {
    update();
}

void TCodeMemoWidget::InvalidateRect(const TRect& r) {
    update(QRect(r.Left, r.Top, r.Width(), r.Height()));
}

TRect TCodeMemoWidget::ClientRect() {
    return TRect{0, 0, width(), height()};
}

void TCodeMemoWidget::SetScrollBar(TScrollBarKind kind, int min, int max, int page, int pos) {
    QScrollBar* bar = kind == TScrollBarKind::Vertical ? FVertBar : FHorzBar;
    FBlockScrollSignals = true;
    // Qt's range excludes the page the way the platform's bars include it; the editor lets its
    // view go one column further to the right than that.
    int last = max - page + 1 + (kind == TScrollBarKind::Horizontal ? 1 : 0);
    bar->setRange(min, std::max(min, last));
    bar->setPageStep(std::max(1, page));
    bar->setSingleStep(1);
    bar->setValue(pos);
    FBlockScrollSignals = false;
}

void TCodeMemoWidget::ShowScrollBar(TScrollBarKind kind, bool visible) {
    QScrollBar* bar = kind == TScrollBarKind::Vertical ? FVertBar : FHorzBar;
    bar->setVisible(visible);
    PlaceScrollBars();
}

int TCodeMemoWidget::ScrollBarWidth() {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void TCodeMemoWidget::CreateCaret(int width, int height) {
    FCaretCreated = true;
    FCaretShown = false;
    FCaretSize = QSize(width, height);
}

void TCodeMemoWidget::DestroyCaret() {
    update(CaretRect());
    FCaretCreated = false;
    FCaretShown = false;
    FBlinkTimer.stop();
}

void TCodeMemoWidget::ShowCaret() {
    if (!FCaretCreated)
        return;
    FCaretShown = true;
    FCaretOn = true;
    if (!FBlinkTimer.isActive())
        FBlinkTimer.start();
    update(CaretRect());
}

void TCodeMemoWidget::HideCaret() {
    FCaretShown = false;
    update(CaretRect());
}

void TCodeMemoWidget::SetCaretPos(int x, int y) {
    update(CaretRect());
    FCaretPos = QPoint(x, y);
    FCaretOn = true;
    update(CaretRect());
}

void TCodeMemoWidget::SetCaretBlinking(bool blinking) {
    FCaretOn = true;
    if (blinking && FCaretShown)
        FBlinkTimer.start();
    else
        FBlinkTimer.stop();
    update(CaretRect());
}

void TCodeMemoWidget::SetFocus() {
    setFocus(Qt::MouseFocusReason);
}

bool TCodeMemoWidget::HasFocus() {
    return hasFocus();
}

bool TCodeMemoWidget::IsEnabled() {
    return isEnabled();
}

void TCodeMemoWidget::SetCursor(TCursorShape shape) {
    switch (shape) {
    case TCursorShape::Arrow:
        setCursor(Qt::ArrowCursor);
        break;
    case TCursorShape::IBeam:
        setCursor(Qt::IBeamCursor);
        break;
    case TCursorShape::Hand:
        setCursor(Qt::PointingHandCursor);
        break;
    }
}

int TCodeMemoWidget::PopupMenu(const std::vector<TMenuItem>& items, TPoint p) {
    QMenu menu(this);
    std::vector<QAction*> actions;
    for (const auto& item : items) {
        if (item.Text.empty()) {
            actions.push_back(menu.addSeparator());
            continue;
        }
        QAction* action = menu.addAction(FromBytes(item.Text));
        action->setEnabled(item.Enabled);
        actions.push_back(action);
    }
    QCursor saved = cursor();
    setCursor(Qt::ArrowCursor);
    QAction* chosen = menu.exec(mapToGlobal(QPoint(p.X, p.Y)));
    setCursor(saved);
    for (std::size_t i = 0; i < actions.size(); ++i)
        if (actions[i] == chosen)
            return static_cast<int>(i);
    return -1;
}

bool TCodeMemoWidget::HasClipboardText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

std::string TCodeMemoWidget::ClipboardText() {
    return Utf8ToCp1251(QGuiApplication::clipboard()->text().toStdString());
}

void TCodeMemoWidget::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(FromBytes(text));
}

void TCodeMemoWidget::OpenUrl(const std::string& url) {
    QString link = LinkTokenUrl(url);
    if (!link.isEmpty())
        FShell->OpenUrl(link);
}

void TCodeMemoWidget::StartDrag() {
    auto* drag = new QDrag(this); // owned by Qt once exec() runs; deleted with the drag
    auto mime = std::make_unique<QMimeData>();
    mime->setText(FromBytes(FMemo->GetSelText()));
    drag->setMimeData(mime.release()); // the drag owns it from here
    drag->exec(Qt::CopyAction);
}

void TCodeMemoWidget::StartTimer(int id, int ms) {
    auto& timer = FTimers[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        timer->setSingleShot(true);
        connect(timer.get(), &QTimer::timeout, this,
                Guarded([this, id] { FMemo->TimerExpired(id); }));
    }
    timer->start(ms);
}

void TCodeMemoWidget::StopTimer(int id) {
    if (auto it = FTimers.find(id); it != FTimers.end())
        it->second->stop();
}

void TCodeMemoWidget::ShowHint(const THintParts& parts, const std::string& fontName, int fontHeight,
                               TColor text, TColor bk, TPoint screenPos) {
    if (!FHint)
        FHint = std::make_unique<TParameterHintWindow>();
    FHint->ShowParts(parts, fontName, fontHeight, text, bk, QPoint(screenPos.X, screenPos.Y));
}

void TCodeMemoWidget::HideHint() {
    if (FHint)
        FHint->hide();
}

TPoint TCodeMemoWidget::ClientToScreen(TPoint p) {
    QPoint g = mapToGlobal(QPoint(p.X, p.Y));
    return TPoint{g.x(), g.y()};
}
