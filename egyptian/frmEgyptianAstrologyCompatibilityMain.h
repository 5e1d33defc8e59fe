#pragma once

#include "CalculatorWindow.h"
#include "modegyptianCompatibility.h"

#include <QLatin1String>

#include <optional>

class QByteArray;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;

namespace velmora::ui {
class RichTextBox;
}

namespace velmora::egyptian {

// The Egyptian entry window: two names (letters only, in capitals) and two
// birth dates. A calculation checks them, finds both signs and writes the
// readings and the verdict straight into a fresh result window.
class frmEgyptianAstrologyCompatibilityMain : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmEgyptianAstrologyCompatibilityMain"};

    explicit frmEgyptianAstrologyCompatibilityMain(kit::Launcher& launcher);

    void Form_Load() override;

    void Command1_Click();
    bool ValidateEntries();
    // Appends one person's reading to `box`: the heading, the sign's name,
    // every profile field under its label, the characteristics last.
    static void WriteSignReading(ui::RichTextBox& box, const QString& heading, const QString& sign,
                                 const modegyptianCompatibility::EgyptianProfile& profile);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PersonControls {
        QLineEdit* name;
        QComboBox* date;
        QComboBox* month;
        QComboBox* year;
    };
    // Where one person's sign is shown in the result window.
    struct SignView {
        QLabel* picture;
        QLabel* name;
        ui::RichTextBox* reading;
    };

    PersonControls createPerson(QWidget* parent, const QByteArray& who, const QString& caption, int left);
    void createMenus();
    // True when the key was handled here and must not reach the box.
    bool txtName_KeyPress(QLineEdit& box, const QKeyEvent& key);
    std::optional<modegyptianCompatibility::EgyptianSign> showSign(const PersonControls& person, const SignView& view,
                                                                  const QString& heading);

    PersonControls user_{};
    PersonControls partner_{};
};

} // namespace velmora::egyptian
