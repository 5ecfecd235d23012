// The Qt host of the code editor.
#include "platform/CodeMemoWidget.h"

#include "base/Cp1251.h"
#include "platform/ErrorGuard.h"
#include "platform/ParameterHintWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDrag>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QUrl>

namespace {

QString FromBytes(std::string_view bytes) {
    return QString::fromStdString(Cp1251ToUtf8(bytes));
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
        e->accept();
        return true;
    }
    return QWidget::event(e);
}

void TCodeMemoWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
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
    QWidget::keyPressEvent(e);
}

void TCodeMemoWidget::keyReleaseEvent(QKeyEvent* e) {
    QWidget::keyReleaseEvent(e);
}

void TCodeMemoWidget::mousePressEvent(QMouseEvent* e) {
    RunGuarded([&] {
        TMouseButton button = e->button() == Qt::LeftButton    ? TMouseButton::mbLeft
                              : e->button() == Qt::RightButton ? TMouseButton::mbRight
                                                               : TMouseButton::mbMiddle;
        QPoint p = e->position().toPoint();
        FMemo->MouseDown(button, e->modifiers() & Qt::ShiftModifier, p.x(), p.y());
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
    // Qt's range excludes the page the way the platform's bars include it.
    bar->setRange(min, std::max(min, max - page + 1));
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
    QString text = FromBytes(url);
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        text.prepend(QLatin1String("http://"));
    QUrl link(text, QUrl::StrictMode);
    if (!link.isValid() || link.scheme().isEmpty())
        return;
    QDesktopServices::openUrl(link);
}

void TCodeMemoWidget::StartDrag() {
    auto* drag = new QDrag(this); // owned by Qt once exec() runs; deleted with the drag
    auto mime = std::make_unique<QMimeData>();
    drag->setMimeData(mime.release());
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
