#include "climeditfixture.h"

#include "pdftext.h"
#include "report/export.h"
#include "report/previewwindow.h"
#include "store/table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kova::climedit::test {

ClimEditFixture::ClimEditFixture(Contents contents) : database(contents) {
    responderScope_ = std::make_unique<ui::ResponderScope>(responder);
    dm = std::make_unique<DataModule>();
    previousPresenter_ = ui::setModalPresenter([this](QDialog& dialog) {
        dialogsShown << QString::fromLatin1(dialog.metaObject()->className());
        if (handlers_.empty()) {
            dialog.reject(); // as if closed at once
            return int(QDialog::Rejected);
        }
        auto handler = std::move(handlers_.front());
        handlers_.pop_front();
        dialog.show();
        const int result = handler(dialog);
        if (dialog.isVisible())
            dialog.close();
        return result;
    });
    previousPrompt_ = ui::setTextPrompt(
        [this](QWidget*, const QString& title, const QString& prompt) -> std::optional<QString> {
            promptsShown << title + QLatin1Char('|') + prompt;
            const QString answer = promptAnswers.isEmpty() ? QString() : promptAnswers.takeFirst();
            if (answer.isNull())
                return std::nullopt;
            return answer;
        });
    previousPreview_ = report::setPreviewPresenter([this](report::PreviewWindow& preview) {
        const QString path =
            scratch.filePath(QStringLiteral("report-%1.pdf").arg(reportFiles.size()));
        const auto written =
            report::exportDocument(preview.document(), report::ExportFormat::Pdf, path);
        reportFiles << (written.ok ? path : QString());
        // To look at the reports: CLIMEDIT_REPORT_DIR=/some/dir climedit_tests
        const QString keep = qEnvironmentVariable("CLIMEDIT_REPORT_DIR");
        if (written.ok && !keep.isEmpty())
            QFile::copy(path,
                        QDir(keep).filePath(
                            QString::fromLatin1(
                                ::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                            QFileInfo(path).fileName()));
    });
}

ClimEditFixture::~ClimEditFixture() {
    report::setPreviewPresenter(previousPreview_);
    ui::setModalPresenter(previousPresenter_);
    ui::setTextPrompt(previousPrompt_);
    dm.reset();
}

void ClimEditFixture::onNextDialog(std::function<int(QDialog&)> handler) {
    handlers_.push_back(std::move(handler));
}

int ClimEditFixture::reportPages(int index) const {
    return kova::test::pdfPageCount(reportFiles.value(index));
}

QString ClimEditFixture::reportText(int index) const {
    return kova::test::pdfText(reportFiles.value(index));
}

QStringList ClimEditFixture::messageTexts() const {
    QStringList texts;
    for (const ui::Message& message : responder->asked())
        texts << message.text;
    return texts;
}

int ClimEditFixture::rowCount(const QString& tableName) {
    store::Table table(tableName);
    if (!table.open())
        return -1;
    return table.recordCount();
}

int ClimEditFixture::countWhere(const QString& tableName, const QString& field,
                                const QString& value) {
    store::Table table(tableName);
    if (!table.open())
        return -1;
    int count = 0;
    for (table.first(); !table.eof(); table.next())
        if (table.asString(field) == value)
            ++count;
    return count;
}

int ClimEditFixture::markedRows(const QString& tableName) {
    store::Table table(tableName);
    if (!table.open())
        return -1;
    int marked = 0;
    for (table.first(); !table.eof(); table.next())
        marked += table.asBool(QStringLiteral("Marked")) ? 1 : 0;
    return marked;
}

} // namespace kova::climedit::test
