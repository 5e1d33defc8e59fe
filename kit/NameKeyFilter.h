#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

namespace velmora::ui {
class Platform;
}

namespace velmora::kit {

// Keeps a name box to the characters FilterNameKey lets through: a letter is
// written as its capital, and any other typed character is refused with the
// window's message; so is a key held with Control, which types a control
// character. Keys that type no character (arrows, Delete, Esc, Tab) reach the
// box as they are; menu and shortcut keys are taken before they reach it.
class NameKeyFilter : public QObject {
public:
    NameKeyFilter(QLineEdit& box, ui::Platform& platform, QWidget* window, QString message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit& box_;
    ui::Platform& platform_;
    QWidget* window_;
    QString message_;
};

} // namespace velmora::kit
