#pragma once

#include "circle/AddressBook.h"
#include "circle/Ratings.h"
#include "kit/CalculatorWindow.h"
#include "kit/PersonEntry.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class QTextDocument;

namespace velmora::circle {

class HeatMap;
class RankingModel;

// The circle: the people of an address book, or of the user's own typing,
// ranked against the one the user says they are by all four systems, with a
// picture of every pair. It opens and saves vCard files, prints and saves
// the ranking and the picture as PDF, and opens a pair's complete reading.
class CircleWindow : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr std::string_view kWindowName = "frmCircle";

    explicit CircleWindow(kit::WindowHost& host);

    void Form_Load() override;

    // Reads an address book, in place of the circle shown.
    void cmdOpen_Click();
    // Writes the circle as a vCard file.
    void cmdSaveAs_Click();
    void cmdPrint_Click();
    void cmdSavePdf_Click();
    // Adds the person of the form, changes the chosen person to it, or
    // removes the chosen person.
    void cmdAdd_Click();
    void cmdChange_Click();
    void cmdRemove_Click();

    // The complete reading of two of the circle's people, the first as the
    // user: filled in and shown, this window coming back when it closes.
    void openPair(std::size_t user, std::size_t partner);

    const std::vector<Person>& people() const { return people_; }

private:
    void createPeoplePage(QWidget* page);
    void createRankingPage(QWidget* page);
    void createPicturePage(QWidget* page);
    void createButtons();
    void createMenus();

    // Shows the circle's people and ratings after any change.
    void circleChanged(std::optional<std::size_t> chosenPerson);
    void showRanking();
    void showPicture();
    void showNotRead(const AddressBook& book);
    void showPersonInForm(std::size_t person);
    void clearForm();
    // The person of the form, or nothing when it is refused (and said why).
    std::optional<Person> personInForm();
    std::optional<std::size_t> you() const;
    // The person chosen in the list, or nothing, said as the one to `action`
    // ("change", "remove") that must be chosen first.
    std::optional<std::size_t> personChosenTo(const QString& action);
    // The ranking and the picture as one document, to print or save.
    void composeDocument(QTextDocument& document) const;
    // The picture's text for screen readers, and the printed page.
    QString pictureSummary() const;

    std::vector<Person> people_;
    std::unique_ptr<CircleRatings> ratings_;

    QLabel* lblRead_ = nullptr;
    QListWidget* lstNotRead_ = nullptr;
    QListWidget* lstPeople_ = nullptr;
    kit::PersonEntry form_;
    QComboBox* cboBloodType_ = nullptr;
    QComboBox* cboYou_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QComboBox* cboSortBy_ = nullptr;
    QTableView* tblRanking_ = nullptr;
    RankingModel* ranking_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QComboBox* cboSystem_ = nullptr;
    HeatMap* picture_ = nullptr;
    QPlainTextEdit* txtSummary_ = nullptr;
    QList<QWidget*> circleCommands_;
    QList<QAction*> circleMenuItems_;
};

} // namespace velmora::circle
