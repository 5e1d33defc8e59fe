#pragma once

#include <QString>

class QColor;
class QTabWidget;
class QWidget;

// The tabs on which a result window shows its reading, made one way in every
// calculator.
namespace velmora::kit {

// A tab control named and placed in twips within `parent`: the tab strip
// across its top and the page below it. Screen readers hear it as the
// reading's pages.
QTabWidget* addReadingTabs(QWidget* parent, const char* name, int left, int top, int width, int height);

// A page of the reading, named, with its caption on its tab and its colours.
QWidget* addReadingPage(QTabWidget* tabs, const char* name, const QString& caption, const QColor& background,
                        const QColor& text);

} // namespace velmora::kit
