#include "kit/NameKeyFilter.h"

#include "kit/NameKeys.h"
#include "ui/Platform.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace velmora::kit {
namespace {

bool typesACharacter(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return false;
    default: break;
    }
    return !event.text().isEmpty();
}

} // namespace

NameKeyFilter::NameKeyFilter(QLineEdit& box, ui::Platform& platform, QWidget* window, QString message)
    : QObject(&box), box_(box), platform_(platform), window_(window), message_(std::move(message))
{
    // Typed keys must reach the filter as key presses, not as composed text.
    box.setAttribute(Qt::WA_InputMethodEnabled, false);
    box.installEventFilter(this);
}

bool NameKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &box_ || event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!typesACharacter(key))
        return false;
    // With Control held the key types a control character, never a letter.
    const QString text = key.text();
    const int k = text.size() == 1 && !key.modifiers().testFlag(Qt::ControlModifier) ? text.front().unicode() : 0;
    const int kept = FilterNameKey(k);
    if (kept == 0) {
        platform_.showMessage(window_, message_, ui::MessageIcon::Information);
        return true;
    }
    if (kept == k)
        return false;
    box_.insert(QString(QChar(kept)));
    return true;
}

} // namespace velmora::kit
