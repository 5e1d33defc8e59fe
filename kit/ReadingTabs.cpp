#include "kit/ReadingTabs.h"

#include "ui/Controls.h"
#include "ui/Twips.h"

#include <QTabWidget>

namespace velmora::kit {

QTabWidget* addReadingTabs(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName(QLatin1String(name));
    tabs->setGeometry(ui::twipsRect(left, top, width, height));
    tabs->setAccessibleName(QStringLiteral("Reading"));
    return tabs;
}

QWidget* addReadingPage(QTabWidget* tabs, const char* name, const QString& caption, const QColor& background,
                        const QColor& text)
{
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(name));
    ui::setColors(page, background, text);
    tabs->addTab(page, caption);
    return page;
}

} // namespace velmora::kit
