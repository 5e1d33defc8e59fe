#pragma once

#include <memory>

class QTextDocument;
class QTextEdit;

namespace velmora::ui {

// What printing a view puts on paper: its selection when it has one,
// otherwise its whole content.
std::unique_ptr<QTextDocument> printableDocument(const QTextEdit& view);

} // namespace velmora::ui
