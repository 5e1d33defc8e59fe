#pragma once

#include <QColor>
#include <QString>

class QKeyEvent;
class QLabel;
class QPushButton;
class QWidget;

// What the two Japanese windows share: their colours, the caption and button
// styles, and the offer band.
namespace velmora::bloodtype::layout {

inline const QColor kDarkBrown(80, 60, 41);
inline const QColor kLightYellow(255, 255, 192);
inline const QColor kPeach(255, 218, 185);
inline const QColor kDarkRed(128, 0, 0);
inline const QColor kButtonGrey(224, 224, 224);
inline const QColor kGreen(0, 255, 0);
inline const QColor kYellow(255, 255, 0);

// Enter and Return press a window's default button, Esc its cancel button.
bool isEnterOrEscape(const QKeyEvent& event);

// A label that shows what the user typed or what a lookup returned: plain
// text, never markup.
QLabel* addValueLabel(QWidget* parent, const char* name, int left, int top, int width, int height);
// A light grey graphical push button with a bold caption.
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                       int height);
// The offers of a fully branded and of a co-branded edition, side by side in
// the rectangle given (twips, within `band`).
void addOfferLabels(QWidget* band, int left, int top, int width, int height);
// A container without border or caption.
QWidget* addBand(QWidget* parent, const char* name, int left, int top, int width, int height);

} // namespace velmora::bloodtype::layout
