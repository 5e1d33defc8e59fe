#pragma once

#include <QString>

#include <vector>

class QWidget;

namespace velmora::ui {
class Platform;
class RichTextBox;
}

// Live web links in a reading view. While a view is attached, every web
// address in it (http://, https:// and www. addresses) is shown as a link and
// a left button press on one opens it in the browser. One view at a time.
namespace velmora::ui {

// The longest address a click hands to the browser; longer ones are cut.
inline constexpr int kLinkBufferLength = 1024;

struct LinkRange {
    int start;
    int length;
};

// The web addresses in `text`, in order and apart; an address longer than
// kLinkBufferLength is cut to that length.
std::vector<LinkRange> findLinks(const QString& text);

// Attaches `view`. A view that was attached before is detached first and gets
// its own state back.
void EnableLinkDetection(RichTextBox& view, QWidget& owner, Platform& platform);
// Detaches the attached view, if any; a second call does nothing.
void DisableLinkDetection();
// The view currently attached, or null.
const RichTextBox* WatchedRichEdit();

} // namespace velmora::ui
