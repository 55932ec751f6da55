// A database that is read-only, or held by another program in the middle of a write: each
// refused change is one message that says why, nothing typed is lost and the window stays
// usable.

#include "cropeditfixture.h"
#include "readonlyfile.h"

#include "cropedit/basalforms.h"
#include "cropedit/cropform.h"
#include "store/database.h"
#include "ui/managededitor.h"

#include <QAction>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace kova::cropedit::test {

namespace {

using store::EditState;

struct DatabaseErrors : CropEditFixture {
    const ui::Message& lastMessage() const { return responder->asked().back(); }
};

} // namespace

TEST_F(DatabaseErrors, AReadOnlyFileRefusesEachChangeWithOneMessageAndTheWindowStaysUsable) {
    kova::test::ReadOnlyFile lock(database.file());
    if (!lock.readOnly())
        GTEST_SKIP() << "no way to make a file read-only for this user";
    store::Database::closeAll();
    auto form = open<CropForm>({&dm->createCrop(), &dm->crpLastUse()});
    ASSERT_TRUE(dm->createCrop().findKey({"Barley"}));

    form->editor()->markAction()->trigger();
    EXPECT_EQ(messageTexts(),
              QStringList{"Crop 'Barley' cannot be saved: the database is read-only."});
    EXPECT_EQ(dm->createCrop().state(), EditState::Browse) << "the mark is dropped";

    form->editor()->markAllAction()->trigger();
    EXPECT_EQ(lastMessage().text, "The rows cannot be marked: the database is read-only.");
    EXPECT_FALSE(lastMessage().details.isEmpty());

    ASSERT_TRUE(form->editor()->toggleEditMode());
    retype(form->nameBox(), "Barley, malting");
    const int asked = int(responder->asked().size());
    EXPECT_FALSE(form->editor()->toggleEditMode());
    EXPECT_EQ(int(responder->asked().size()), asked + 1);
    EXPECT_EQ(lastMessage().text,
              "Crop 'Barley, malting' cannot be saved: the database is read-only.");
    EXPECT_EQ(form->nameBox()->text(), "Barley, malting");
    form->editor()->cancelAction()->trigger();
    ASSERT_TRUE(form->editor()->toggleEditMode());
    form->close();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(DatabaseErrors, ARenameThatCannotBeStoredChangesNeitherTheCurveNorItsCrops) {
    kova::test::ReadOnlyFile lock(database.file());
    if (!lock.readOnly())
        GTEST_SKIP() << "no way to make a file read-only for this user";
    store::Database::closeAll();
    auto form = open<BasGrassForm>({&dm->basGrass()});
    ASSERT_TRUE(dm->basGrass().findKey({"Alfalfa hay AM"}));
    ASSERT_TRUE(form->editor()->toggleEditMode());
    retype(form->nameBox(), "Alfalfa AM");
    responder->queue(ui::Answer::Yes);
    EXPECT_FALSE(form->editor()->toggleEditMode());
    EXPECT_EQ(lastMessage().text,
              "Curve 'Alfalfa AM' cannot be renamed: the database is read-only.");
    EXPECT_EQ(dm->basGrass().state(), EditState::Edit);
    EXPECT_EQ(storedField("KovaCrop", "Cop Name", "Alfalfa hay", "Bas Crop Curve Name"),
              "Alfalfa hay AM");
}

TEST_F(DatabaseErrors, ADatabaseInUseByAnotherProgramSaysSoAndASecondTryGoesThrough) {
    auto form = open<CropForm>({&dm->createCrop(), &dm->crpLastUse()});
    ASSERT_TRUE(dm->createCrop().findKey({"Oats"}));
    ASSERT_TRUE(form->editor()->toggleEditMode());
    retype(form->nameBox(), "Oats (hay)");
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-program");
        other.setDatabaseName(database.file());
        ASSERT_TRUE(other.open());
        ASSERT_TRUE(QSqlQuery(other).exec("BEGIN IMMEDIATE"));
        // This program waits a moment for the other one, not ten seconds.
        QSqlQuery(store::Database::open(store::kDefaultAlias, nullptr)->connection())
            .exec("PRAGMA busy_timeout = 100");
        EXPECT_FALSE(form->editor()->toggleEditMode());
        EXPECT_EQ(lastMessage().text, "Crop 'Oats (hay)' cannot be saved: the database is in use "
                                      "by another program; try again in a moment.");
        EXPECT_EQ(dm->createCrop().state(), EditState::Edit);
        QSqlQuery(other).exec("ROLLBACK");
        other.close();
    }
    QSqlDatabase::removeDatabase("other-program");
    ASSERT_TRUE(form->editor()->toggleEditMode());
    EXPECT_EQ(countWhere("KovaCrop", "Cop Name", "Oats (hay)"), 1);
}

} // namespace kova::cropedit::test
