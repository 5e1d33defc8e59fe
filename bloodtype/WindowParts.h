#pragma once

#include <QString>

class QKeyEvent;
class QPushButton;
class QWidget;

// What the two Japanese windows share: the button style, the offer band and
// the keys that press a window's buttons.
namespace velmora::bloodtype {

// Enter and Return press a window's default button, Esc its cancel button.
bool isEnterOrEscape(const QKeyEvent& event);

// A light grey graphical push button with a bold caption.
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                       int height);
// The offers of a fully branded and of a co-branded edition, side by side in
// the rectangle given (twips, within `band`).
void addOfferLabels(QWidget* band, int left, int top, int width, int height);
// A container without border or caption.
QWidget* addBand(QWidget* parent, const char* name, int left, int top, int width, int height);

} // namespace velmora::bloodtype
