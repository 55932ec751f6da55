#include "windowfixture.h"

#include "pdftext.h"
#include "report/export.h"
#include "report/previewwindow.h"
#include "store/table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kova::test {

WindowFixture::WindowFixture(Contents contents) : database(contents) {
    responderScope_ = std::make_unique<ui::ResponderScope>(responder);
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
        const QString keep = qEnvironmentVariable("KOVA_REPORT_DIR");
        if (written.ok && !keep.isEmpty())
            QFile::copy(path,
                        QDir(keep).filePath(
                            QString::fromLatin1(
                                ::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                            QFileInfo(path).fileName()));
    });
}

WindowFixture::~WindowFixture() {
    report::setPreviewPresenter(previousPreview_);
    ui::setModalPresenter(previousPresenter_);
    ui::setTextPrompt(previousPrompt_);
}

void WindowFixture::onNextDialog(std::function<int(QDialog&)> handler) {
    handlers_.push_back(std::move(handler));
}

int WindowFixture::reportPages(int index) const {
    return pdfPageCount(reportFiles.value(index));
}

QString WindowFixture::reportText(int index) const {
    return pdfText(reportFiles.value(index));
}

QStringList WindowFixture::messageTexts() const {
    QStringList texts;
    for (const ui::Message& message : responder->asked())
        texts << message.text;
    return texts;
}

int WindowFixture::rowCount(const QString& tableName) {
    store::Table table(tableName);
    if (!table.open())
        return -1;
    return table.recordCount();
}

int WindowFixture::countWhere(const QString& tableName, const QString& field,
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

int WindowFixture::markedRows(const QString& tableName) {
    store::Table table(tableName);
    if (!table.open())
        return -1;
    int marked = 0;
    for (table.first(); !table.eof(); table.next())
        marked += table.asBool(QStringLiteral("Marked")) ? 1 : 0;
    return marked;
}

} // namespace kova::test
