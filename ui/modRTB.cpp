#include "modRTB.h"

#include "Platform.h"
#include "RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>

#include <vector>

namespace velmora::ui::modRTB {
namespace {

struct LinkRange {
    int start;
    int length;
};

// Finds the addresses in the view and opens the one a left press lands on.
// It watches the view's viewport like a message hook: it looks at events and
// always lets them through to the view's own handling.
class LinkNotifyFilter : public QObject {
public:
    LinkNotifyFilter(RichTextBox& view, QWidget& owner, Platform& platform)
        : view_(&view), owner_(&owner), platform_(platform)
    {
        changed_ = QObject::connect(view.document(), &QTextDocument::contentsChanged, this,
                                    [this] { detectLinks(); });
        view.viewport()->installEventFilter(this);
        detectLinks();
    }

    ~LinkNotifyFilter() override
    {
        QObject::disconnect(changed_);
        if (view_) {
            view_->viewport()->removeEventFilter(this);
            view_->viewport()->unsetCursor();
            view_->setExtraSelections({});
        }
    }

    const RichTextBox* view() const { return view_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!view_ || watched != view_->viewport())
            return false;
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton)
                openLinkAt(mouse->position().toPoint());
        } else if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (linkAt(mouse->position().toPoint()))
                view_->viewport()->setCursor(Qt::PointingHandCursor);
            else
                view_->viewport()->setCursor(Qt::IBeamCursor);
        }
        return false;
    }

private:
    void detectLinks()
    {
        static const QRegularExpression address(
            QStringLiteral(R"((?:https?://|www\.)[^\s<>"]*[^\s<>".,;:!?'()\[\]{}])"),
            QRegularExpression::CaseInsensitiveOption);
        links_.clear();
        QList<QTextEdit::ExtraSelection> marks;
        const QString text = view_->document()->toPlainText();
        for (auto it = address.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const LinkRange range{static_cast<int>(match.capturedStart()), static_cast<int>(match.capturedLength())};
            links_.push_back(range);
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(view_->document());
            mark.cursor.setPosition(range.start);
            mark.cursor.setPosition(range.start + range.length, QTextCursor::KeepAnchor);
            mark.format.setForeground(QColor(Qt::blue));
            mark.format.setFontUnderline(true);
            marks.append(mark);
        }
        view_->setExtraSelections(marks);
    }

    const LinkRange* linkAt(QPoint viewportPos) const
    {
        const QPoint documentPos = viewportPos
                                   + QPoint(view_->horizontalScrollBar()->value(), view_->verticalScrollBar()->value());
        const int position = view_->document()->documentLayout()->hitTest(documentPos, Qt::ExactHit);
        if (position < 0)
            return nullptr;
        for (const LinkRange& link : links_) {
            if (position >= link.start && position < link.start + link.length)
                return &link;
        }
        return nullptr;
    }

    void openLinkAt(QPoint viewportPos)
    {
        const LinkRange* link = linkAt(viewportPos);
        if (!link)
            return;
        const int length = std::min(link->length, kLinkBufferLength);
        const QString address = view_->document()->toPlainText().mid(link->start, length);
        platform_.openWebPage(owner_, address);
    }

    QPointer<RichTextBox> view_;
    QPointer<QWidget> owner_;
    Platform& platform_;
    QMetaObject::Connection changed_;
    std::vector<LinkRange> links_;
};

// The one attached view; the filter dies with the view if the view goes first.
QPointer<LinkNotifyFilter> attached;

} // namespace

void EnableLinkDetection(RichTextBox& view, QWidget& owner, Platform& platform)
{
    DisableLinkDetection();
    attached = new LinkNotifyFilter(view, owner, platform);
    attached->setParent(&view);
}

void DisableLinkDetection()
{
    delete attached.data();
    attached = nullptr;
}

const RichTextBox* WatchedRichEdit()
{
    return attached ? attached->view() : nullptr;
}

} // namespace velmora::ui::modRTB
