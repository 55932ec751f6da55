// What the crop editor stores is what a job computes: a created crop composed here from new
// curves is computed by kova-calc with the new curve's Kc.

#include "cropeditfixture.h"

#include "cropedit/cropform.h"
#include "cropedit/pickers.h"
#include "cropedit/plainforms.h"
#include "ui/datacontrols.h"
#include "ui/managededitor.h"
#include "ui/navigator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>

namespace kova::cropedit::test {

namespace {

struct CalcPickup : CropEditFixture {
    QJsonObject computeCrop(const QString& crop) {
        QProcess calc;
        calc.start(QStringLiteral(KOVA_CALC_BIN), {"crop", "--station", "CHEYENNE", "--crop", crop,
                                                   "--format", "json", "--db", database.file()});
        EXPECT_TRUE(calc.waitForFinished(60000));
        EXPECT_EQ(calc.exitCode(), 0) << calc.readAllStandardError().toStdString();
        const auto crops =
            QJsonDocument::fromJson(calc.readAllStandardOutput()).object().value("crops").toArray();
        return crops.isEmpty() ? QJsonObject() : crops.first().toObject();
    }
};

} // namespace

TEST_F(CalcPickup, ACropComposedFromANewCurveIsComputedWithThatCurve) {
    // A flat TR21 curve: Kc 1.2 through the whole season.
    {
        auto curves = open<BCAnuForm>({&dm->bcAnnual()});
        curves->navigator()->click(ui::Navigator::Insert);
        QTest::keyClicks(curves->nameBox(), "Farmer's flat curve");
        for (int i = 0; i < curves->boxCount(); ++i)
            QTest::keyClicks(curves->box(i), "1.2");
        curves->close();
        ASSERT_FALSE(curves->isVisible()) << messageTexts().join(" | ").toStdString();
        DataModule::closeTables({&dm->bcAnnual()});
    }
    auto form = open<CropForm>({&dm->createCrop(), &dm->crpLastUse()});
    ASSERT_TRUE(form->editor()->toggleEditMode());
    form->editor()->insertAction()->trigger();
    QTest::keyClicks(form->nameBox(), "Farmer's flat crop");
    onNextDialog([](QDialog& dialog) {
        auto& picker = static_cast<GetBCDlg&>(dialog);
        ui::DataLookupList* list = picker.curveList();
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text() == "Farmer's flat curve")
                list->choose(i);
        picker.accept();
        return picker.result();
    });
    form->tr21Button()->click();
    for (auto [field, value] : {std::pair{"Plant Mo", "5"},
                                {"Plant Day", "1"},
                                {"Harvest Mo", "9"},
                                {"Harvest Day", "28"}})
        for (auto* box : form->findChildren<ui::DataNumericEdit*>())
            if (box->link()->field() == field)
                QTest::keyClicks(box, value);
    ASSERT_TRUE(form->editor()->toggleEditMode()) << messageTexts().join(" | ").toStdString();
    form->close();

    const QJsonObject crop = computeCrop("Farmer's flat crop");
    ASSERT_FALSE(crop.isEmpty());
    EXPECT_EQ(crop.value("curve_index").toInt(), 3);
    const QJsonArray kc = crop.value("kc").toArray();
    ASSERT_EQ(kc.size(), 12);
    for (int month = 5; month <= 9; ++month) // May to September
        EXPECT_NEAR(kc.at(month - 1).toDouble(), 1.2, 1e-9) << "month " << month;
    EXPECT_EQ(kc.at(0).toDouble(), 0.0);
}

} // namespace kova::cropedit::test
