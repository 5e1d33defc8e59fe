#include "tools/SampleReadings.h"

#include "kit/Calculator.h"
#include "kit/CalculatorWindow.h"
#include "shell/AboutBox.h"
#include "shell/LauncherFrame.h"
#include "ui/Text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QStyleFactory>
#include <QTabWidget>

namespace velmora::tools {
namespace {

template <class T>
T* child(QWidget& window, std::string_view name)
{
    return window.findChild<T*>(ui::toQString(name));
}

void show(const WindowVisitor& visit, const QString& name, QWidget& window)
{
    QApplication::processEvents();
    visit(name, window);
}

QString viewName(const kit::Calculator& calculator, std::string_view view)
{
    return ui::toQString(calculator.key) + QLatin1Char('-') + ui::toQString(view);
}

// The calculator's window that opening it brought on screen.
kit::CalculatorWindow* firstWindowOnScreen(const shell::LauncherFrame& launcher, const kit::Calculator& calculator)
{
    for (const std::string_view name : calculator.windows) {
        if (kit::CalculatorWindow* window = launcher.findWindow(name); window && window->isOnScreen())
            return window;
    }
    return nullptr;
}

QPalette darkPalette()
{
    QPalette palette;
    const struct {
        QPalette::ColorRole role;
        QColor color;
    } roles[] = {
        {QPalette::Window, QColor(0x35, 0x35, 0x35)},    {QPalette::WindowText, Qt::white},
        {QPalette::Base, QColor(0x2a, 0x2a, 0x2a)},      {QPalette::AlternateBase, QColor(0x42, 0x42, 0x42)},
        {QPalette::Text, Qt::white},                     {QPalette::Button, QColor(0x35, 0x35, 0x35)},
        {QPalette::ButtonText, Qt::white},               {QPalette::BrightText, QColor(0xff, 0x7b, 0x63)},
        {QPalette::Light, QColor(0x50, 0x50, 0x50)},     {QPalette::Midlight, QColor(0x42, 0x42, 0x42)},
        {QPalette::Mid, QColor(0x2c, 0x2c, 0x2c)},       {QPalette::Dark, QColor(0x23, 0x23, 0x23)},
        {QPalette::Shadow, QColor(0x14, 0x14, 0x14)},    {QPalette::Highlight, QColor(0x15, 0x53, 0x9e)},
        {QPalette::HighlightedText, Qt::white},          {QPalette::Link, QColor(0x99, 0xc1, 0xf1)},
        {QPalette::LinkVisited, QColor(0xc0, 0x61, 0xcb)}, {QPalette::ToolTipBase, QColor(0x35, 0x35, 0x35)},
        {QPalette::ToolTipText, Qt::white},              {QPalette::PlaceholderText, QColor(0xa0, 0xa0, 0xa0)},
    };
    for (const auto& entry : roles)
        palette.setColor(entry.role, entry.color);
    for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, text, QColor(0x8a, 0x8a, 0x8a));
    return palette;
}

} // namespace

void useDarkDesktop()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(darkPalette());
}

void takeStep(QWidget& window, const kit::SampleStep& step)
{
    if (step.value.empty())
        child<QAbstractButton>(window, step.control)->click();
    else if (auto* box = child<QLineEdit>(window, step.control))
        box->setText(ui::toQString(step.value));
    else
        child<QComboBox>(window, step.control)->setCurrentText(ui::toQString(step.value));
}

QWidget& enterSample(shell::LauncherFrame& launcher, const kit::Calculator& calculator)
{
    launcher.open(calculator);
    QWidget& window = *firstWindowOnScreen(launcher, calculator);
    const std::span<const kit::SampleStep> steps = calculator.sample.steps;
    for (const kit::SampleStep& step : steps.first(steps.size() - 1))
        takeStep(window, step);
    return window;
}

void showSampleReading(shell::LauncherFrame& launcher, const kit::Calculator& calculator, const WindowVisitor& visit)
{
    const kit::SampleReading& sample = calculator.sample;
    QWidget& entry = enterSample(launcher, calculator);
    show(visit, viewName(calculator, "entry"), entry);
    takeStep(entry, sample.steps.back());
    QWidget& result = sample.resultWindow.empty() ? entry : *launcher.findWindow(sample.resultWindow);
    auto* tabs = sample.tabs.empty() ? nullptr : child<QTabWidget>(result, sample.tabs);
    for (const kit::SampleView& view : sample.views) {
        if (tabs)
            tabs->setCurrentIndex(view.tab);
        show(visit, viewName(calculator, view.name), result);
    }
    if (!sample.reportButton.empty()) {
        if (tabs)
            tabs->setCurrentIndex(sample.views.front().tab);
        child<QAbstractButton>(result, sample.reportButton)->click();
        show(visit, viewName(calculator, "report"), *launcher.findWindow(sample.reportWindow));
    }
    launcher.CloseCalculatorWindows();
}

void showEveryWindow(shell::LauncherFrame& launcher, const WindowVisitor& visit)
{
    show(visit, QStringLiteral("launcher"), launcher);
    for (const kit::Calculator* calculator : launcher.calculators())
        showSampleReading(launcher, *calculator, visit);
    shell::AboutBox about(launcher.platform(), &launcher);
    about.show();
    show(visit, QStringLiteral("about"), about);
}

} // namespace velmora::tools
