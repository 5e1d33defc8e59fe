#pragma once

#include <QPushButton>

namespace velmora::ui {

// A push button whose caption wraps onto as many lines as its fixed size
// needs, as the suite's narrow graphical buttons show their long captions.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmora::ui
