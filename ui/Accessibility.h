#pragma once

#include <QString>

namespace velmora::ui {

// What assistive technology is told about the suite's frames, drop-down lists
// and window area, beyond Qt's own interfaces. Installed once, after the
// application object exists; the control makers and the launcher frame call
// it, and calling it again does nothing.
//
// - A frame is a group named by its own caption.
// - A drop-down list is named by what it is and what it holds ("Your birth
//   month, January"); the name follows every change of the list, and a change
//   is announced as the new entry at once. Its caption is not offered as a
//   label, which a screen reader would speak in place of that name.
// - The area the calculator windows open in is a plain container: a window
//   opening is heard by its own title, not as an anonymous pane around it.
void installAccessibleInterfaces();

// A caption as a screen reader should say it: "Name", not "&Name :-"; a
// doubled "&&" is a written ampersand.
QString spokenCaption(const QString& caption);

} // namespace velmora::ui
