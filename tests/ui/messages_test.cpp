#include "ui/busycursor.h"
#include "ui/messages.h"

#include "boxkeys.h"

#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace kova::ui;

namespace {

struct Answered : ::testing::Test {
    std::shared_ptr<ScriptedResponder> responder = std::make_shared<ScriptedResponder>();
    ResponderScope scope{responder};
};

} // namespace

TEST_F(Answered, FourKindsKeepTheirTextsAndButtonSets) {
    Messages::error(QStringLiteral("Please enter a Job Name."));
    Messages::warning(QStringLiteral("Warning text  with two blanks"));
    Messages::information(QStringLiteral("There must be an active job to print a report."));
    responder->queue(Answer::Yes);
    EXPECT_TRUE(Messages::confirm(QStringLiteral("Delete?"), QStringLiteral("Casper")));

    const auto& asked = responder->asked();
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[0].kind, MessageKind::Error);
    EXPECT_EQ(asked[0].text, QStringLiteral("Please enter a Job Name."));
    EXPECT_EQ(asked[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(asked[1].kind, MessageKind::Warning);
    EXPECT_EQ(asked[1].text, QStringLiteral("Warning text  with two blanks"));
    EXPECT_EQ(asked[2].kind, MessageKind::Information);
    EXPECT_EQ(asked[3].kind, MessageKind::Confirmation);
    EXPECT_EQ(asked[3].buttons, MessageButtons::YesNo);
    EXPECT_EQ(asked[3].title, QStringLiteral("Casper"));
    EXPECT_EQ(defaultTitle(MessageKind::Error), QStringLiteral("Error"));
}

TEST_F(Answered, UnansweredQuestionsChangeNothing) {
    EXPECT_FALSE(Messages::confirm(QStringLiteral("Delete?"))); // No, not Yes
    EXPECT_EQ(Messages::show({MessageKind::Error, {}, QStringLiteral("x"), MessageButtons::Ok, 0}),
              Answer::Ok);
}

TEST_F(Answered, HelpOpensTheContextAndAsksAgain) {
    std::vector<int> opened;
    Messages::setHelpOpener([&](int context) { opened.push_back(context); });
    responder->queue(Answer::Help);
    responder->queue(Answer::No);
    const Message question{MessageKind::Confirmation,
                           {},
                           QStringLiteral("Edit site elevation or precipitation ratios?"),
                           MessageButtons::YesNoHelp,
                           19029};
    EXPECT_EQ(Messages::show(question), Answer::No);
    EXPECT_EQ(opened, std::vector<int>{19029});
    EXPECT_EQ(responder->asked().size(), 2u);
    EXPECT_EQ(responder->asked()[1].buttons, MessageButtons::YesNoHelp);
    Messages::setHelpOpener({});
}

TEST(ResponderScope, PutsThePreviousResponderBack) {
    auto outer = std::make_shared<ScriptedResponder>();
    ResponderScope outerScope(outer);
    {
        auto inner = std::make_shared<ScriptedResponder>();
        ResponderScope innerScope(inner);
        Messages::information(QStringLiteral("inner"));
        EXPECT_EQ(inner->asked().size(), 1u);
    }
    Messages::information(QStringLiteral("outer"));
    ASSERT_EQ(outer->asked().size(), 1u);
    EXPECT_EQ(outer->asked()[0].text, QStringLiteral("outer"));
}

TEST(BusyCursor, RestoresThePreviousCursorOnEveryPath) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        BusyCursor busy;
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    try {
        BusyCursor busy;
        BusyCursor nested;
        throw std::runtime_error("computation failed");
    } catch (const std::runtime_error&) {
    }
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Real boxes on the offscreen screen: a long text wraps and shows whole, a short question is
// widened for the row's name in its title.
TEST(RealBoxes, ALongTextShowsWholeAndAShortQuestionIsWideEnoughForItsTitle) {
    ResponderScope realBoxes(std::make_shared<DialogResponder>());
    {
        kova::test::KeyOnNextBox enter(Qt::Key_Return);
        Messages::warning(QStringLiteral(
            "The BC Kc crop curve 'Alfalfa' is not one of the Blaney Criddle Annual Crop curves. "
            "Choose a curve from the list."));
        ASSERT_TRUE(enter.seen().has_value());
        EXPECT_TRUE(enter.seen()->textFits);
    }
    kova::test::KeyOnNextBox enter(Qt::Key_Return);
    Messages::confirmDestructive(QStringLiteral("Delete?"),
                                 QStringLiteral("Pasture, extensive grazing AM"),
                                 QStringLiteral("Pasture, extensive grazing AM"));
    ASSERT_TRUE(enter.seen().has_value());
    EXPECT_TRUE(enter.seen()->textFits);
}
