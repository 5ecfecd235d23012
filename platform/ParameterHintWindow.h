// The parameter hint's window: a frameless box below the code that never takes the focus.
#pragma once

#include "editor/Graphics.h"
#include "editor/view/ParameterHint.h"

#include <QFont>
#include <QWidget>

class TParameterHintWindow : public QWidget {
    Q_OBJECT
public:
    TParameterHintWindow();

    // Shows parts (single-byte text) with their top-left corner at a screen point.
    void ShowParts(const THintParts& parts, const std::string& fontName, int fontHeight,
                   TColor text, TColor bk, QPoint screenPos);
    // The texts shown, decoded: first, middle and last part.
    QStringList Texts() const { return {FFirst, FMiddle, FLast}; }
    int BoldPart() const { return FBold; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QFont FontFor(int part) const;

    QString FFirst, FMiddle, FLast;
    int FBold = 0;
    QFont FFont;
    QColor FText, FBk;
};
