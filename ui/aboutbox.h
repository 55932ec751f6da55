#pragma once
// The About box of a program: its name and version.

#include <QDialog>

namespace kova::ui {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(const QString& programName, const QString& version, QWidget* parent = nullptr);
    QString programName() const { return programName_; }
    QString version() const { return version_; }

private:
    QString programName_;
    QString version_;
};

} // namespace kova::ui
