// The find bar: its controls, the search, the replacements and the count in slices.
#include "app/main/FindBar.h"

#include "base/Cp1251.h"
#include "editor/CodeMemo.h"
#include "platform/CodeMemoWidget.h"
#include "platform/ErrorGuard.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* ToolButton(QWidget* parent, const char* name, const QString& text, const QString& tip,
                        bool checkable) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(tip);
    button->setCheckable(checkable);
    return button;
}

} // namespace

TFindBar::TFindBar(TCodeMemoWidget& editor, QWidget& window, QWidget* parent)
    : QWidget(parent), FEditor(editor) {
    setObjectName(QStringLiteral("FindBar"));
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(8, 4, 8, 4);
    rows->setSpacing(4);

    auto* findRow = new QHBoxLayout;
    FFindText = new QLineEdit(this);
    FFindText->setObjectName(QStringLiteral("FindText"));
    FFindText->setPlaceholderText(QStringLiteral("Найти"));
    FMatchCase = ToolButton(this, "FindMatchCase", QStringLiteral("Aa"),
                            QStringLiteral("Учитывать регистр"), true);
    FWholeWords = ToolButton(this, "FindWholeWords", QStringLiteral("Слово"),
                             QStringLiteral("Только слово целиком"), true);
    auto* previous = ToolButton(this, "FindPrevious", QStringLiteral("↑"),
                                QStringLiteral("Предыдущее (Shift+F3)"), false);
    auto* next =
        ToolButton(this, "FindNext", QStringLiteral("↓"), QStringLiteral("Следующее (F3)"), false);
    FCount = new QLabel(this);
    FCount->setObjectName(QStringLiteral("FindCount"));
    FCount->setMinimumWidth(110);
    FNotice = new QLabel(this);
    FNotice->setObjectName(QStringLiteral("FindNotice"));
    auto* close =
        ToolButton(this, "FindClose", QStringLiteral("×"), QStringLiteral("Закрыть (Esc)"), false);
    findRow->addWidget(FFindText, 1);
    for (QWidget* w :
         std::initializer_list<QWidget*>{FMatchCase, FWholeWords, previous, next, FCount})
        findRow->addWidget(w);
    findRow->addWidget(FNotice, 1);
    findRow->addWidget(close);
    rows->addLayout(findRow);

    FReplaceRow = new QWidget(this);
    FReplaceRow->setObjectName(QStringLiteral("ReplaceRow"));
    auto* replaceRow = new QHBoxLayout(FReplaceRow);
    replaceRow->setContentsMargins(0, 0, 0, 0);
    FReplaceText = new QLineEdit(FReplaceRow);
    FReplaceText->setObjectName(QStringLiteral("ReplaceText"));
    FReplaceText->setPlaceholderText(QStringLiteral("Заменить на"));
    auto* replaceOne = new QPushButton(QStringLiteral("Заменить"), FReplaceRow);
    replaceOne->setObjectName(QStringLiteral("ReplaceOne"));
    auto* replaceAll = new QPushButton(QStringLiteral("Заменить все"), FReplaceRow);
    replaceAll->setObjectName(QStringLiteral("ReplaceAll"));
    replaceRow->addWidget(FReplaceText, 1);
    replaceRow->addWidget(replaceOne);
    replaceRow->addWidget(replaceAll);
    replaceRow->addStretch(1);
    rows->addWidget(FReplaceRow);

    connect(FFindText, &QLineEdit::textChanged, this, Guarded([this] { PatternChanged(); }));
    connect(FFindText, &QLineEdit::returnPressed, this, Guarded([this] { FindNext(); }));
    connect(FMatchCase, &QAbstractButton::toggled, this, Guarded([this] { PatternChanged(); }));
    connect(FWholeWords, &QAbstractButton::toggled, this, Guarded([this] { PatternChanged(); }));
    connect(previous, &QAbstractButton::clicked, this, Guarded([this] { FindPrevious(); }));
    connect(next, &QAbstractButton::clicked, this, Guarded([this] { FindNext(); }));
    connect(close, &QAbstractButton::clicked, this, Guarded([this] { Close(); }));
    connect(FReplaceText, &QLineEdit::returnPressed, this, Guarded([this] { ReplaceOne(); }));
    connect(replaceOne, &QPushButton::clicked, this, Guarded([this] { ReplaceOne(); }));
    connect(replaceAll, &QPushButton::clicked, this, Guarded([this] { ReplaceAll(); }));

    // F3 and Shift+F3 work wherever the focus is in the window, the editor's too.
    const struct {
        const char* Name;
        QKeySequence Key;
        void (TFindBar::*Handler)();
    } keys[] = {{"FindNextKey", QKeySequence(Qt::Key_F3), &TFindBar::FindNext},
                {"FindPreviousKey", QKeySequence(Qt::SHIFT | Qt::Key_F3), &TFindBar::FindPrevious}};
    for (const auto& key : keys) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(key.Name));
        action->setShortcut(key.Key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this,
                Guarded([this, handler = key.Handler] { (this->*handler)(); }));
        window.addAction(action);
    }
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, Guarded([this] { Close(); }));

    FClock.start();
    FQuiet.setSingleShot(true);
    FQuiet.setInterval(kQuietMs);
    connect(&FQuiet, &QTimer::timeout, this, Guarded([this] {
        if (FCounter.Due(FClock.elapsed()))
            Recount();
        else
            FQuiet.start();
    }));
    FSlices.setInterval(0);
    connect(&FSlices, &QTimer::timeout, this, Guarded([this] { CountSlice(); }));
}

TSearchPattern TFindBar::Pattern() const {
    return TSearchPattern(Utf8ToCp1251(FFindText->text().toStdString()),
                          {FMatchCase->isChecked(), FWholeWords->isChecked()});
}

void TFindBar::Open(bool withReplace) {
    TCodeMemo& memo = FEditor.Memo();
    if (!memo.SelectionEmpty()) {
        int sx, sy, ex, ey;
        memo.NormalizedSelection(sx, sy, ex, ey);
        if (sy == ey)
            FFindText->setText(QString::fromStdString(Cp1251ToUtf8(memo.GetSelText())));
    }
    FReplaceRow->setVisible(withReplace);
    const bool wasClosed = !FOpen;
    FOpen = true;
    emit VisibilityChanged();
    FFindText->setFocus();
    FFindText->selectAll();
    if (wasClosed)
        PatternChanged();
}

void TFindBar::Close() {
    FOpen = false;
    FSlices.stop();
    FQuiet.stop();
    FEditor.Memo().SetSearchHighlight({});
    emit VisibilityChanged();
    FEditor.setFocus();
}

void TFindBar::PatternChanged() {
    SetNotice(QString());
    FEditor.Memo().SetSearchHighlight(Pattern());
    TextChanged();
}

void TFindBar::TextChanged() {
    if (!FOpen)
        return;
    FSlices.stop();
    FCounter.Touch(FClock.elapsed());
    FQuiet.start();
}

void TFindBar::Find(int direction) {
    if (!FEditor.isEnabled()) // no program open
        return;
    const TSearchPattern pattern = Pattern();
    if (!FOpen || pattern.Empty()) {
        Open(false);
        return;
    }
    TCodeMemo& memo = FEditor.Memo();
    int sx = memo.CurX(), sy = memo.CurY(), ex = sx, ey = sy;
    if (!memo.SelectionEmpty())
        memo.NormalizedSelection(sx, sy, ex, ey);
    // From the selection's end forward, from its start back: a selected match is passed.
    const TSearchMatch match = direction > 0 ? FindNextMatch(memo.Lines(), pattern, ey, ex)
                                             : FindPreviousMatch(memo.Lines(), pattern, sy, sx);
    if (!match.Found()) {
        SetNotice(QStringLiteral("Не найдено"));
        return;
    }
    memo.SelectInLine(match.Line, match.Col, match.Col + pattern.Length());
    memo.SetSearchHighlight(pattern, match.Line, match.Col);
    SetNotice(!match.Wrapped  ? QString()
              : direction > 0 ? QStringLiteral("Поиск продолжен с начала")
                              : QStringLiteral("Поиск продолжен с конца"));
    Recount();
}

void TFindBar::ReplaceOne() {
    TCodeMemo& memo = FEditor.Memo();
    const TSearchPattern pattern = Pattern();
    int sx, sy, ex, ey;
    memo.NormalizedSelection(sx, sy, ex, ey);
    // The selected text is replaced when it is a match, then the next one is selected.
    if (!memo.SelectionEmpty() && sy == ey && ex - sx == pattern.Length() &&
        pattern.MatchesAt(memo.Lines().Line(sy), sx)) {
        const std::string replacement = Utf8ToCp1251(FReplaceText->text().toStdString());
        std::string line(memo.Lines().Line(sy));
        line.replace(static_cast<std::size_t>(sx), static_cast<std::size_t>(pattern.Length()),
                     replacement);
        memo.EditLines({{sy, TLineBatchStep::Replace, std::move(line)}});
        const int after = sx + static_cast<int>(replacement.size());
        memo.SelectInLine(sy, after, after);
    }
    FindNext();
}

void TFindBar::ReplaceAll() {
    TCodeMemo& memo = FEditor.Memo();
    long long count = 0;
    std::vector<TLineBatchStep> steps = ReplaceAllSteps(
        memo.Lines(), Pattern(), Utf8ToCp1251(FReplaceText->text().toStdString()), count);
    if (!steps.empty())
        memo.EditLines(std::move(steps));
    SetNotice(QStringLiteral("Заменено: %1").arg(count));
}

void TFindBar::Recount() {
    TCodeMemo& memo = FEditor.Memo();
    int sx = memo.CurX(), sy = memo.CurY(), ex = sx, ey = sy;
    if (!memo.SelectionEmpty())
        memo.NormalizedSelection(sx, sy, ex, ey);
    FQuiet.stop();
    FCounter.Start(Pattern(), sy, sx);
    FSlices.start();
}

void TFindBar::CountSlice() {
    TCodeMemo& memo = FEditor.Memo();
    if (!FCounter.Continue(memo.Lines(), kLinesPerSlice))
        return;
    FSlices.stop();
    const long long total = FCounter.Count();
    // The number of the selected match, when a match is selected.
    const TSearchPattern pattern = Pattern();
    int sx, sy, ex, ey;
    memo.NormalizedSelection(sx, sy, ex, ey);
    const bool onMatch = !memo.SelectionEmpty() && sy == ey && ex - sx == pattern.Length() &&
                         pattern.MatchesAt(memo.Lines().Line(sy), sx);
    FCount->setText(total == 0 ? QStringLiteral("0 из 0")
                               : QStringLiteral("%1 из %2")
                                     .arg(onMatch ? FCounter.Before() + 1 : FCounter.Before())
                                     .arg(total));
}

void TFindBar::SetNotice(const QString& text) {
    FNotice->setText(text);
}
