#include "ui/LinkDetection.h"

#include "ui/Platform.h"
#include "ui/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>

#include <algorithm>
#include <memory>
#include <vector>

namespace velmora::ui {
namespace {

// Finds the addresses in the view and opens the one a left press lands on.
// It watches the view's viewport like a message hook: it looks at events and
// always lets them through to the view's own handling.
class LinkNotifyFilter : public QObject {
public:
    LinkNotifyFilter(RichTextBox& view, QWidget& owner, Platform& platform)
        : view_(&view), owner_(&owner), platform_(platform)
    {
        QObject::connect(view.document(), &QTextDocument::contentsChanged, this, [this] { detectLinks(); });
        // A view torn down while attached is never touched again; its viewport
        // goes first.
        QObject::connect(view.viewport(), &QObject::destroyed, this, [this] { view_ = nullptr; });
        QObject::connect(&view, &QObject::destroyed, this, [this] { view_ = nullptr; });
        view.viewport()->installEventFilter(this);
        view.installEventFilter(this);
        detectLinks();
    }

    ~LinkNotifyFilter() override
    {
        if (view_) {
            view_->viewport()->removeEventFilter(this);
            view_->removeEventFilter(this);
            view_->viewport()->unsetCursor();
            view_->setExtraSelections({});
        }
    }

    const RichTextBox* view() const { return view_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!view_)
            return false;
        // From the keyboard: Enter with the caret in an address, or just
        // after it, opens it and adds no line to the reading.
        if (watched == view_ && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            const int caret = view_->textCursor().position();
            const LinkRange* link = linkAtPosition(caret);
            if (!link)
                link = linkAtPosition(caret - 1);
            if (link && enter && key->modifiers() == Qt::NoModifier) {
                open(*link);
                return true;
            }
            return false;
        }
        if (watched != view_->viewport())
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
        if (!view_)
            return;
        links_ = findLinks(view_->document()->toPlainText());
        QList<QTextEdit::ExtraSelection> marks;
        for (const LinkRange& range : links_) {
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
        return linkAtPosition(view_->document()->documentLayout()->hitTest(documentPos, Qt::ExactHit));
    }

    // The address a text position lies in.
    const LinkRange* linkAtPosition(int position) const
    {
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
        if (const LinkRange* link = linkAt(viewportPos))
            open(*link);
    }

    void open(const LinkRange& link)
    {
        const QString address = view_->document()->toPlainText().mid(link.start, link.length);
        platform_.openWebPage(owner_, address);
    }

    RichTextBox* view_;
    QPointer<QWidget> owner_;
    Platform& platform_;
    std::vector<LinkRange> links_;
};

// The hook of the one attached view. It is not a child of the view, so a view
// that goes first cannot take the hook down with it half-way.
std::unique_ptr<LinkNotifyFilter> attached;

} // namespace

std::vector<LinkRange> findLinks(const QString& text)
{
    static const QRegularExpression address(
        QStringLiteral(R"((?:https?://|www\.)[^\s<>"]*[^\s<>".,;:!?'()\[\]{}])"),
        QRegularExpression::CaseInsensitiveOption);
    std::vector<LinkRange> links;
    for (auto it = address.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        links.push_back({static_cast<int>(match.capturedStart()),
                         static_cast<int>(std::min<qsizetype>(match.capturedLength(), kLinkBufferLength))});
    }
    return links;
}

void EnableLinkDetection(RichTextBox& view, QWidget& owner, Platform& platform)
{
    DisableLinkDetection();
    attached = std::make_unique<LinkNotifyFilter>(view, owner, platform);
}

void DisableLinkDetection()
{
    attached.reset();
}

const RichTextBox* WatchedRichEdit()
{
    return attached ? attached->view() : nullptr;
}

} // namespace velmora::ui
