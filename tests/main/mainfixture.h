#pragma once
// The main program's window tests: the shared window fixture, the main window on a private
// copy of the delivered database, and the moves a planner makes (click, type, leave a field,
// pick a row of a grid, answer the job's dialogs).

#include "qtprinting.h"
#include "windowfixture.h"

#include "main/etmethoddlg.h"
#include "main/getclimdlg.h"
#include "main/joblistform.h"
#include "main/jobpanel.h"
#include "main/mainform.h"
#include "main/saveform.h"
#include "ui/datagrid.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace kova::mainwin::test {

inline const QString kSample = QStringLiteral("Cheyenne sample job");

// Clicks the row of `grid` whose cell in `column` reads `text`; false when no row does.
inline bool clickRow(QAbstractItemView* grid, const QString& text, int column = 0) {
    const QAbstractItemModel* model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, column);
        if (model->data(index).toString() != text)
            continue;
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
        return true;
    }
    return false;
}

inline QStringList columnTexts(QAbstractItemView* grid, int column = 0) {
    QStringList texts;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        texts << grid->model()->data(grid->model()->index(row, column)).toString();
    return texts;
}

class MainWindowFixture : public kova::test::WindowFixture {
protected:
    void open() {
        form = std::make_unique<MainForm>(commands);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    JobPanel& panel() { return *form->panel(); }

    void click(QPushButton* button) {
        ASSERT_TRUE(button->isEnabled()) << button->text().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }
    // Types into a field as a person does (the field first gets the focus).
    void type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    // Tab out of the field the focus is in; the field's leave runs once the focus has moved.
    void leave() {
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
        settle();
    }
    // Queued work done, and the main window active again after the dialogs the test answered
    // (the offscreen platform does not give the activation back by itself).
    void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (form && form->isVisible() && !form->isActiveWindow()) {
            form->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        }
    }

    // New Job, then the name, location and planner typed and left.
    void startJob(const QString& name) {
        click(form->newJobButton());
        type(panel().nameEdit, name);
        leave();
        type(panel().locationEdit, QStringLiteral("North field"));
        leave();
        type(panel().plannerEdit, QStringLiteral("R. Planner"));
        leave();
    }
    // The next "Get Climate Station" picks this county and station and presses OK.
    void onStation(const QString& county, const QString& station) {
        onNextDialog([county, station](QDialog& d) {
            auto& dialog = dynamic_cast<GetClimDlg&>(d);
            EXPECT_TRUE(clickRow(dialog.countyGrid(), county)) << county.toStdString();
            EXPECT_TRUE(clickRow(dialog.stationGrid(), station)) << station.toStdString();
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            return d.result();
        });
    }
    // The next "Select ET Computation Method" closes on the method preselected.
    void onMethod() {
        onNextDialog([](QDialog& d) {
            QTest::mouseClick(dynamic_cast<ETMethodDlg&>(d).okButton(), Qt::LeftButton);
            return d.result();
        });
    }
    // The next job list picks `job` and presses OK ("" presses Cancel).
    void onJobList(const QString& job) {
        onNextDialog([job](QDialog& d) {
            auto& list = dynamic_cast<JobListForm&>(d);
            if (job.isEmpty())
                return int(QDialog::Rejected);
            EXPECT_TRUE(clickRow(list.grid(), job)) << job.toStdString();
            QTest::mouseClick(list.okButton(), Qt::LeftButton);
            return d.result();
        });
    }
    // The next "Save Job?" is answered "OK" (save) or "No".
    void onSavePrompt(bool save) {
        onNextDialog([save](QDialog& d) {
            auto& prompt = dynamic_cast<SaveForm&>(d);
            QTest::mouseClick(save ? prompt.okButton() : prompt.noButton(), Qt::LeftButton);
            return d.result();
        });
    }
    void openSample() {
        onJobList(kSample);
        click(form->prevJobButton());
        ASSERT_EQ(form->windowTitle(), QStringLiteral("Kova Job [") + kSample + QLatin1Char(']'))
            << messageTexts().join(" | ").toStdString();
    }
    int shown(const char* className) const {
        return int(dialogsShown.count(QLatin1String(className)));
    }

    ProgramCommands commands;
    std::unique_ptr<MainForm> form;
};

} // namespace kova::mainwin::test
