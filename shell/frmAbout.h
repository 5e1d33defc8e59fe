#pragma once

#include <QDialog>

namespace velmora::ui {
class Platform;
}

namespace velmora::shell {

// The modal About box: the product, a short description and two links.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(ui::Platform& platform, QWidget* parent = nullptr);

private:
    void cmdOK_Click();
};

} // namespace velmora::shell
