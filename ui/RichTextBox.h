#pragma once

#include <QColor>
#include <QTextEdit>

namespace velmora::ui {

class Platform;

// The reading view of the report windows. Reports are composed by appending
// runs at the end, each in the colour and emphasis set before it; CR LF in a
// run starts a new line. The view reports the user's changes, clicks and
// mouse activity so that its window can keep the text from being copied out.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);

    void setRunColor(const QColor& color);
    // The emphasis attribute of headings and labels: bold.
    void setEmphasis(bool on);
    void appendRun(const QString& text);

signals:
    void clicked();
    void mouseDown();
    void mouseMove();
    void mouseUp();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QTextCharFormat runFormat_;
    bool pressed_ = false;
};

// Empties the clipboard on every change, click and mouse event of the view,
// so that the reading cannot be copied out of it.
void clearClipboardOnUse(RichTextBox& view, Platform& platform);

} // namespace velmora::ui
