#pragma once

#include "CalculatorWindow.h"

#include <QLatin1String>

class QLabel;
class QStackedWidget;
class QTabBar;

namespace velmora::western {

// The Western result window: the pair's compatibility on the first tab and
// each person's sign profile on the other two. It is filled once, on load,
// from the last calculation.
class frmZodiacCompatibilityDisplay : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmZodiacCompatibilityDisplay"};

    explicit frmZodiacCompatibilityDisplay(kit::Launcher& launcher);

    void Form_Load() override;

    void TS_Click();
    void cmdBack_Click();
    void cmdSave_Click();

    // The text the window shows in its profile box `box` (e.g. "txtElementM").
    QString boxText(const QString& box) const;

protected:

private:
    QWidget* createCompatibilityPanel();
    QWidget* createPersonPanel(char suffix, const QString& title);
    void createMenus();
    void showPerson(char suffix, const QString& name, const QString& birthDate, const QString& sign);
    void setPictures(const QString& sign, QLabel* large, QLabel* small);

    QTabBar* tabs_ = nullptr;
    QStackedWidget* panels_ = nullptr;
};

} // namespace velmora::western
