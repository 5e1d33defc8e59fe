#pragma once

#include "kit/WebPages.h"

#include <QDialog>

#include <array>
#include <string_view>

namespace velmora::ui {
class Platform;
}

namespace velmora::shell {

// The modal About box: the product, a short description and two links.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    static constexpr std::string_view kWindowName = "frmAbout";
    static constexpr auto kLinkControls = std::to_array<kit::LinkControl>({
        {kWindowName, "lblHomePage", kit::PageKey::HomePage},
        {kWindowName, "lblCoBrand", kit::PageKey::FullyBranded},
    });

    explicit AboutBox(ui::Platform& platform, QWidget* parent = nullptr);

private:
    void cmdOK_Click();
};

} // namespace velmora::shell
