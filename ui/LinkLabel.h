#pragma once

#include <QLabel>

namespace velmora::ui {

// A label that acts on a click: the suite's web links and the launcher's
// calculator links. It takes the mouse events it receives (so the panel
// beneath does not see them) and, when it is a link, the keyboard too:
// Tab reaches it and Enter or Space clicks it. Assistive technology sees a
// link with a press action.
//
// Its text is drawn and measured as a plain label's is. A label that takes
// focus would otherwise keep its text in a text document of its own, which
// lays the text out again for every new window at many times the cost.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text = {}, QWidget* parent = nullptr, bool isLink = true);

    bool isLink() const { return isLink_; }
    // What a click does: the keyboard and assistive technology press the link
    // through here too.
    void click();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

signals:
    void clicked();
    void hovered();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool showsText() const;
    Qt::LayoutDirection textDirection() const;
    int alignmentFlags() const;
    int indentation() const;
    QSize sizeForWidth(int width) const;

    bool isLink_;
    bool pressed_ = false;
};

} // namespace velmora::ui
