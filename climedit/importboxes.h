#pragma once
// The import engine's messages and questions shown as the program's message boxes.

#include "climedit/import/importfeedback.h"

class QWidget;

namespace kova::climedit {

class BoxMessages : public climimport::ImportMessages {
public:
    explicit BoxMessages(QWidget* parent) : parent_(parent) {}
    void report(const climimport::ImportMessage& message) override;

private:
    QWidget* parent_;
};

class BoxAnswerer : public climimport::ImportAnswerer {
public:
    explicit BoxAnswerer(QWidget* parent) : parent_(parent) {}
    bool confirm(const QString& question) override;

private:
    QWidget* parent_;
};

} // namespace kova::climedit
