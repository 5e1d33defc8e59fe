#pragma once

#include <QColor>
#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace velmora::ui {

class LinkLabel;

// Makers of the windows' controls, each named, placed in twips (left, top,
// width, height) within its parent. A width or height of 0 sizes the control
// to its content.
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, int left, int top, int width = 0,
                 int height = 0);
// A label that shows a value (a name as typed, a looked-up text): plain
// text, never read as markup.
QLabel* addValueLabel(QWidget* parent, const char* name, int left, int top, int width, int height);
LinkLabel* addLinkLabel(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
                        int height);
QLineEdit* addTextBox(QWidget* parent, const char* name, int left, int top, int width, int height);
QPlainTextEdit* addMultiLineBox(QWidget* parent, const char* name, int left, int top, int width, int height);
// A pick-only drop-down list. Screen readers hear it by its accessible name
// and its entry (see Accessibility.h).
QComboBox* addList(QWidget* parent, const char* name, int left, int top, int width, int height);
QGroupBox* addFrame(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    int height);
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                       int height);

// The light window face the windows' colours were designed on. A control that
// shows a designed text colour on a window that takes the desktop's colours
// fills its own background with it, so that the text reads under a dark
// desktop palette too.
inline const QColor kLightFace{240, 240, 240};

// Background and text colours, each for every role a control draws it with
// (window, base and button; window text, text and button text); an invalid
// colour leaves those roles as they are.
void setColors(QWidget* widget, const QColor& background, const QColor& text = {});
// Shows `text` in a read-only text box (one line or several) from its start.
// A box of several lines takes the text into its document without moving its
// view to a caret, which would lay the text out a second time.
void showText(QWidget* box, const QString& text);

// The caption label names its input for screen readers: the input's
// accessible name is the caption as spoken, which a window may then make
// more exact ("Your name"). A caption with a shortcut is also the input's
// buddy, so that its mnemonic moves the focus there; one without stays plain
// text, since a screen reader speaks a buddy caption in place of the input's
// own name.
void labelInput(QLabel* caption, QWidget* input);
// The caption label describes a value label: a screen reader reads the value
// as the label's name and the caption as its description.
void labelValue(QLabel* caption, QLabel* value);

} // namespace velmora::ui
