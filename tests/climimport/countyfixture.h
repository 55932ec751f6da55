#pragma once
// Shared pieces of the climate import tests: a private work directory, a directory of county
// files, and the delivered example files with the damage a test needs.

#include "climedit/import/importfeedback.h"
#include "climedit/import/workfiles.h"
#include "qtprinting.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace kova::climimport::test {

// An example county file from tests/data/county ("56021.txt"), CR LF line ends.
QByteArray exampleFile(const QString& name);
// The file's lines (without line ends) and back.
QList<QByteArray> linesOf(const QByteArray& text);
QByteArray joinLines(const QList<QByteArray>& lines, const QByteArray& lineEnd = "\r\n");
// Index of the first line containing `marker`, -1 when none.
qsizetype lineWith(const QList<QByteArray>& lines, const QByteArray& marker);

class ImportDirs {
public:
    ImportDirs();
    QString countyDir() const { return counties_.path(); }
    const WorkFiles& work() const { return work_; }
    WorkFiles& work() { return work_; }
    QString writeCountyFile(const QString& name, const QByteArray& text) const;
    QString copyExample(const QString& name, const QString& as = {}) const;
    QByteArray stationFileText() const;

private:
    QTemporaryDir counties_;
    QTemporaryDir workDir_;
    WorkFiles work_;
};

// Answers every question the same way and keeps the questions asked.
class ScriptedAnswerer : public ImportAnswerer {
public:
    explicit ScriptedAnswerer(QList<bool> answers = {}) : answers_(std::move(answers)) {}
    bool confirm(const QString& question) override {
        questions << question;
        return answers_.isEmpty() ? false : answers_.takeFirst();
    }
    QStringList questions;

private:
    QList<bool> answers_;
};

} // namespace kova::climimport::test
