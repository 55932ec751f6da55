#pragma once
// What the window tests of every program share: a private database, scripted message boxes,
// scripted modal windows (each handler gets the dialog instead of a person), scripted input
// boxes, report previews written to PDF, and row counts read past every window's cursor.

#include "report/previewwindow.h"
#include "tempdatabase.h"
#include "ui/messages.h"
#include "ui/modal.h"

#include <QDialog>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace kova::test {

class WindowFixture : public ::testing::Test {
protected:
    using Contents = TempDatabase::Contents;
    explicit WindowFixture(Contents contents = Contents::Delivered);
    ~WindowFixture() override;

    // The next modal window is handed to `handler`, which returns its result. Without a
    // queued handler a window is recorded and closed at once (rejected).
    void onNextDialog(std::function<int(QDialog&)> handler);
    // Class names of every modal window shown, in order ("kova::climedit::ClimDBForm").
    QStringList dialogsShown;
    // The next input boxes answer these texts (a null QString: Cancel).
    QStringList promptAnswers;
    QStringList promptsShown; // "title|prompt"

    // Every report preview is written here as report-N.pdf; their paths in order.
    // To keep them: KOVA_REPORT_DIR=/some/dir <test program>.
    QStringList reportFiles;
    int reportPages(int index) const;
    QString reportText(int index) const;

    // Message boxes answer from this script; every box is recorded.
    std::shared_ptr<ui::ScriptedResponder> responder = std::make_shared<ui::ScriptedResponder>();
    QStringList messageTexts() const;

    // Rows of a table counted through a fresh cursor (no window's range or filter).
    static int rowCount(const QString& table);
    static int countWhere(const QString& table, const QString& field, const QString& value);
    static int markedRows(const QString& table);

    TempDatabase database;
    QTemporaryDir scratch;

private:
    std::unique_ptr<ui::ResponderScope> responderScope_;
    std::deque<std::function<int(QDialog&)>> handlers_;
    ui::ModalPresenter previousPresenter_;
    ui::TextPrompt previousPrompt_;
    report::PreviewPresenter previousPreview_;
};

} // namespace kova::test
