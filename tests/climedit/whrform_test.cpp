// The wind, humidity and radiation form on a private copy of the delivered database.

#include "climeditfixture.h"

#include "climedit/whrform.h"
#include "store/table.h"
#include "ui/datacontrols.h"
#include "ui/managededitor.h"
#include "ui/navigator.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace kova::climedit::test {

namespace {

const QString kCaption = QStringLiteral("Wind, Humidity and Radiation Database");
const QString kLocation = QStringLiteral("WHR Location");

struct WHRFormTest : ClimEditFixture {
    void open() {
        form = std::make_unique<WHRForm>(*dm);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    QStringList labelTexts() const {
        QStringList texts;
        for (const QLabel* label : form->findChildren<QLabel*>())
            texts << label->text();
        return texts;
    }
    store::Table& table() { return dm->whrTable(); }
    std::unique_ptr<WHRForm> form;
};

} // namespace

TEST_F(WHRFormTest, GridShowsTwelveMonthsOfSixSeriesUnderStackedHeadings) {
    open();
    EXPECT_EQ(form->windowTitle(), kCaption);
    const char* prefixes[] = {"RHa", "RHmin", "U", "W/R", "RS", "NR"};
    const char* months[] = {"Jan", "Jul", "Dec"};
    for (int s = 0; s < 6; ++s)
        for (int m : {1, 7, 12}) {
            const QString field = QLatin1String(prefixes[s]) + QLatin1Char(' ') +
                                  QLatin1String(months[m == 1   ? 0
                                                       : m == 7 ? 1
                                                                : 2]);
            ui::DataNumericEdit* box = form->monthBox(s, m);
            EXPECT_EQ(box->link()->field(), field);
            EXPECT_EQ(box->value(), table().isNull(field)
                                        ? std::nullopt
                                        : std::optional<double>(table().asFloat(field)))
                << field.toStdString();
        }
    const QStringList labels = labelTexts();
    EXPECT_TRUE(labels.contains(QStringLiteral("x Average\nRelative\nHunidity\n[RHa]  %")));
    EXPECT_TRUE(labels.contains(QStringLiteral("# Bright sun/\nPossible sun\n   [n/N]\n   Ratio")));
    for (const char* legend :
         {"+Needed both methods", "xNeeded Radiation method", "#Needed temperature method",
          "January", "December", "(Use a unique name descriptive of the location)"})
        EXPECT_TRUE(labels.contains(QLatin1String(legend))) << legend;
    EXPECT_EQ(form->monthBox(2, 5)->toolTip(),
              QStringLiteral("Enter monthly average daily wind run."));
    EXPECT_EQ(form->navigator()->button(ui::Navigator::First)->toolTip(),
              QStringLiteral("Goto first record"));
    EXPECT_EQ(form->navigator()->button(ui::Navigator::Insert), nullptr);
}

TEST_F(WHRFormTest, EditModeFocusesTheSiteAndADuplicateNameStaysInEdit) {
    open();
    EXPECT_TRUE(form->siteNameBox()->isReadOnly());
    ASSERT_TRUE(form->editor()->toggleEditMode());
    EXPECT_EQ(form->windowTitle(), kCaption + QStringLiteral(" [Edit Mode]"));
    EXPECT_EQ(QApplication::focusWidget(), form->siteNameBox());

    table().first();
    const QString existing = table().asString(kLocation);
    form->editor()->insertAction()->trigger();
    QTest::keyClicks(form->siteNameBox(), existing);
    EXPECT_FALSE(form->editor()->toggleEditMode()); // the unique key refuses the post
    EXPECT_EQ(table().state(), store::EditState::Insert);
    EXPECT_TRUE(form->editor()->editMode());
    ASSERT_FALSE(responder->asked().empty());
    EXPECT_EQ(responder->asked().back().kind, ui::MessageKind::Error);

    form->siteNameBox()->selectAll();
    QTest::keyClicks(form->siteNameBox(), QStringLiteral("New Test Site"));
    QTest::keyClicks(form->monthBox(0, 1), QStringLiteral("55.5"));
    ASSERT_TRUE(form->editor()->toggleEditMode());
    store::Table check(QStringLiteral("ClimWHR"));
    ASSERT_TRUE(check.open());
    ASSERT_TRUE(check.findKey({QStringLiteral("New Test Site")}));
    EXPECT_DOUBLE_EQ(check.asFloat(QStringLiteral("RHa Jan")), 55.5);
}

TEST_F(WHRFormTest, DeletingASiteLeavesTheStationsThatNameIt) {
    open();
    const QString site = QStringLiteral("Phoenix AZ Airport (WBAN 23183)");
    ASSERT_TRUE(table().findKey({site}));
    const int naming = countWhere(QStringLiteral("Climate"), kLocation, site);
    ASSERT_GT(naming, 0);
    ASSERT_TRUE(form->editor()->toggleEditMode());
    responder->queue(ui::Answer::Yes);
    form->editor()->deleteAction()->trigger();
    EXPECT_EQ(responder->asked().back().title, site);
    EXPECT_EQ(responder->asked().back().text, QStringLiteral("Delete?"));
    EXPECT_EQ(countWhere(QStringLiteral("ClimWHR"), kLocation, site), 0);
    EXPECT_EQ(countWhere(QStringLiteral("Climate"), kLocation, site), naming);
}

TEST_F(WHRFormTest, ShowAllMarkedWithoutMarksShowsAnEmptyFormAndClosingClosesTheTables) {
    open();
    form->editor()->clearAllMarksAction()->trigger();
    form->editor()->showMarkedAction()->trigger();
    EXPECT_EQ(form->editor()->showMarkedAction()->text(), QStringLiteral("Show All Marked"));
    EXPECT_EQ(table().recordCount(), 0);
    EXPECT_TRUE(form->siteNameBox()->text().isEmpty());
    EXPECT_TRUE(form->monthBox(0, 1)->text().isEmpty());

    form->editor()->showMarkedAction()->trigger();
    EXPECT_EQ(table().recordCount(), rowCount(QStringLiteral("ClimWHR")));
    form->editor()->markAction()->trigger();
    EXPECT_EQ(markedRows(QStringLiteral("ClimWHR")), 1);
    form->close();
    EXPECT_FALSE(table().isOpen());
}

} // namespace kova::climedit::test
