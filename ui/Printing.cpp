#include "ui/Printing.h"

#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace velmora::ui {

std::unique_ptr<QTextDocument> printableDocument(const QTextEdit& view)
{
    const QTextCursor cursor = view.textCursor();
    if (!cursor.hasSelection())
        return std::unique_ptr<QTextDocument>(view.document()->clone());
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(view.document()->defaultFont());
    QTextCursor(document.get()).insertFragment(cursor.selection());
    return document;
}

} // namespace velmora::ui
