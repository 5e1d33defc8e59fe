#pragma once

#include "bloodtype/Calculator.h"
#include "bloodtype/EntryWindow.h"
#include "bloodtype/ResultWindow.h"
#include "chinese/Calculator.h"
#include "chinese/EntryWindow.h"
#include "chinese/ResultWindow.h"
#include "complete/CompleteReading.h"
#include "egyptian/Calculator.h"
#include "egyptian/EntryWindow.h"
#include "egyptian/ResultWindow.h"
#include "kit/BirthDate.h"
#include "shell/LauncherFrame.h"
#include "tests/support/Controls.h"
#include "tests/support/Person.h"
#include "ui/Text.h"
#include "western/Calculator.h"
#include "western/EntryWindow.h"
#include "western/ResultWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace velmora::testing {

// What each calculator's own window shows for two people, read off its
// controls as a user reads them, as the row of a summary: the complete
// reading's summary and the circle's ratings must agree with it.
class WhatTheWindowsShow {
public:
    explicit WhatTheWindowsShow(shell::LauncherFrame& frame) : frame_(frame) {}

    complete::SummaryRow western(const Person& u, const Person& p)
    {
        open<western::EntryWindow>(western::kCalculator,
                                   {{"txtNameM", u.name},
                                    {"cboMonthM", month(u.birthDate)},
                                    {"cboDateM", day(u.birthDate)},
                                    {"cboYearM", year(u.birthDate)},
                                    {"txtNameF", p.name},
                                    {"cboMonthF", month(p.birthDate)},
                                    {"cboDateF", day(p.birthDate)},
                                    {"cboYearF", year(p.birthDate)}})
            .cmdSunSign_Click();
        auto& shown = frame_.instance<western::ResultWindow>();
        turnEveryPage(shown);
        return {"Western Zodiac", str(text(shown, "lblSunSignM")), str(text(shown, "lblSunSignF")),
                {str(text(shown, "lblMatchComment")), str(text(shown, "lblMatchPercentage"))}};
    }

    complete::SummaryRow chinese(const Person& u, const Person& p)
    {
        open<chinese::EntryWindow>(chinese::kCalculator,
                                   {{"txtMaleName", u.name},
                                    {"CboMaleDate", day(u.birthDate)},
                                    {"cboMaleMonth", month(u.birthDate)},
                                    {"cboMaleYear", year(u.birthDate)},
                                    {"txtFemaleName", p.name},
                                    {"cboFemaleDate", day(p.birthDate)},
                                    {"cboFemaleMonth", month(p.birthDate)},
                                    {"cboFemaleYear", year(p.birthDate)}})
            .cmdProceed_Click();
        auto& shown = frame_.instance<chinese::ResultWindow>();
        turnEveryPage(shown);
        return {"Chinese Zodiac",
                str(text(shown, "lblMaleChineseElements") + ' ' + text(shown, "lblMaleChinesesign")),
                str(text(shown, "lblFemaleChineseElements") + ' ' + text(shown, "lblFemaleChineseSign")),
                {"Chinese Compatibility Number " + str(text(shown, "lblChineseCompatibilityNumber")),
                 str(text(shown, "lblChinesePercentage")), str(text(shown, "lblChineseRating"))}};
    }

    // The verdict by the partner's sign is what the Egyptian window says
    // with the two people the other way round.
    complete::SummaryRow egyptian(const Person& u, const Person& p)
    {
        const EgyptianShown forward = egyptianWindow(u, p);
        const EgyptianShown backward = egyptianWindow(p, u);
        return {"Egyptian Astrology", str(forward.userSign), str(forward.partnerSign),
                {"By your sign: " + str(forward.verdict), "By your partner's sign: " + str(backward.verdict)}};
    }

    complete::SummaryRow japanese(const Person& u, const Person& p)
    {
        const auto typeName = [](const QString& bloodType) {
            return bloodType.isEmpty() ? std::string(complete::kBloodTypeNotKnown) : str(bloodType);
        };
        complete::SummaryRow row{"Japanese Astrology", typeName(u.bloodType),
                                 typeName(p.bloodType), {std::string(complete::kBloodTypesNotGiven)}};
        if (u.bloodType.isEmpty() || p.bloodType.isEmpty())
            return row;
        open<bloodtype::EntryWindow>(bloodtype::kCalculator,
                                     {{"txtName", u.name},
                                      {"cboBloodType", ui::toQString(row.userSign)},
                                      {"txtPartnerName", p.name},
                                      {"cboPartnerBloodType", ui::toQString(row.partnerSign)}})
            .cmdProceed_Click();
        auto& shown = frame_.instance<bloodtype::ResultWindow>();
        return {"Japanese Astrology", str(text(shown, "lblYourBloodType")), str(text(shown, "lblPartnerBloodType")),
                {str(text(shown, "lblCompatibilityWithPartners"))}};
    }

private:
    using Entries = std::initializer_list<std::pair<const char*, QString>>;

    // Turns to every page of the window's tabs and back to the first, as a user
    // reading all of it would: a page is filled when it is first shown.
    static void turnEveryPage(QWidget& window)
    {
        for (QTabBar* tabs : window.findChildren<QTabBar*>()) {
            for (int page = tabs->count() - 1; page >= 0; --page)
                tabs->setCurrentIndex(page);
        }
    }

    static QString text(QWidget& window, const char* label)
    {
        const auto* value = control<QLabel>(&window, QLatin1String(label));
        return value ? value->text() : QStringLiteral("<missing %1>").arg(QLatin1String(label));
    }

    static std::string str(const QString& s)
    {
        return s.toStdString();
    }

    static QString day(std::chrono::year_month_day date)
    {
        return QString::number(static_cast<unsigned>(date.day()));
    }
    static QString month(std::chrono::year_month_day date)
    {
        return ui::toQString(kit::MonthName(date.month()));
    }
    static QString year(std::chrono::year_month_day date)
    {
        return QString::number(static_cast<int>(date.year()));
    }

    template <class W>
    W& open(const kit::Calculator& calculator, Entries entries)
    {
        frame_.open(calculator);
        auto& window = frame_.instance<W>();
        for (const auto& [name, value] : entries) {
            if (auto* box = control<QLineEdit>(&window, QLatin1String(name)))
                box->setText(value);
            else if (auto* list = control<QComboBox>(&window, QLatin1String(name)))
                list->setCurrentText(value);
            else
                ADD_FAILURE() << "no control " << name;
        }
        return window;
    }

    // The Egyptian window's summary for the pair, the user first.
    struct EgyptianShown {
        QString userSign;
        QString partnerSign;
        QString verdict;
    };
    EgyptianShown egyptianWindow(const Person& u, const Person& p)
    {
        open<egyptian::EntryWindow>(egyptian::kCalculator,
                                    {{"txtName", u.name},
                                     {"cmbDate", day(u.birthDate)},
                                     {"cmbMonth", month(u.birthDate)},
                                     {"cmbYear", year(u.birthDate)},
                                     {"txtPartnerName", p.name},
                                     {"cmbPartnerDate", day(p.birthDate)},
                                     {"cmbPartnerMonth", month(p.birthDate)},
                                     {"cmbPartnerYear", year(p.birthDate)}})
            .Command1_Click();
        auto& shown = frame_.instance<egyptian::ResultWindow>();
        return {text(shown, "lblYourEgyptianSign"), text(shown, "lblYourPartnerEgyptianSign"),
                text(shown, "lblCompatibility")};
    }

    shell::LauncherFrame& frame_;
};

} // namespace velmora::testing
