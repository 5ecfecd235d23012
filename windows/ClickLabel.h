// A label that reports a click: the left button pressed and released over it.
#pragma once

#include <QLabel>

#include <functional>

class ClickLabel : public QLabel {
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr) : QLabel(text, parent) {}

    void SetOnClick(std::function<void()> handler) { FOnClick = std::move(handler); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> FOnClick;
    bool FPressed = false;
};
