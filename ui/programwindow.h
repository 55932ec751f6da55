#pragma once
// The main window of an editor program: its name across the top beside the logo, a column of
// command buttons (optionally in titled groups) that open the program's windows, and "&About
// Program", "&Help" and "Close" at the foot. Activating it makes the program's help file the
// current one again; it is kept on screen when shown. The program's own window only adds its
// commands and what they open.

#include <QMainWindow>
#include <functional>

class QPushButton;
class QVBoxLayout;

namespace kova::ui {

class ProgramWindow : public QMainWindow {
    Q_OBJECT
public:
    // `helpFile`: the help the program's windows open ("Kovaclim.Hlp").
    ProgramWindow(const QString& caption, const QString& banner, const QString& subtitle,
                  const QString& helpFile, std::function<void()> showAbout,
                  QWidget* parent = nullptr);

    // A command button in the command column, or in the group last begun.
    QPushButton* addCommand(const QString& text, const QString& hint = {});
    // Further commands go into a titled group ("Review or Edit Crop Curve Tables").
    void beginGroup(const QString& title);
    void endGroup();

    QPushButton* aboutButton() const { return about_; }
    QPushButton* helpButton() const { return help_; }
    QPushButton* closeButton() const { return close_; }

protected:
    bool event(QEvent* event) override;

private:
    QPushButton* makeButton(const QString& text, const QString& hint);

    QString helpFile_;
    QVBoxLayout* commands_ = nullptr;
    QVBoxLayout* group_ = nullptr;
    QPushButton* about_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace kova::ui
