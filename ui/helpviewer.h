#pragma once
// The help viewer: one window per process showing the HTML help pages that each program
// ships as resources (":/help/Kovamain", ":/help/Kovaclim", ":/help/Kovacrop", and the pages
// of the shared controls in ":/help/shared"). Programs name their help file the way they
// always have ("Kovamain.Hlp", with or without a directory); the viewer maps it to its
// folder. A context number nobody named opens the contents, never an error.
//
// The viewer is usable beside modal windows: it belongs to the topmost modal window (as a
// window kept in front of it), so that window stays open and modal while help takes input.
// When that window closes the viewer stays open and goes over to the next modal window; it
// never keeps the program running and closes with it.

#include "helpindex.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QLineEdit;
class QPushButton;
class QListWidget;
class QMenu;
class QMenuBar;
class QTabWidget;
class QTextBrowser;
class QWindow;

namespace kova::ui {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Loads the help of a program; false when it ships no help (the viewer then says so).
    bool setHelpFolder(const QString& folder);
    const std::optional<HelpIndex>& index() const { return index_; }

    void showContents();
    void showContext(int context);
    void showSearch(const QString& keyword);

    QString currentPage() const; // resource path of the page shown
    QStringList searchResults() const;

    void back();
    void forward();

    // Shows the viewer in front of the window that asked for help (the topmost modal window,
    // if any), wholly on screen, and gives it the keyboard.
    void present();

protected:
    bool event(QEvent* event) override;

private:
    void openPage(const QString& page);
    void fillContents();
    void runSearch();
    QWidget* buildToolBar();
    // Belongs to the topmost modal window, so that window does not block it.
    void followModalWindow();

    std::optional<HelpIndex> index_;
    QTabWidget* tabs_;
    QListWidget* contents_;
    QLineEdit* searchText_;
    QListWidget* results_;
    QTextBrowser* browser_;
    QAction* back_ = nullptr;
    QAction* forward_ = nullptr;
    bool placed_ = false;
    // The window the viewer was last shown in front of: the window manager keeps it there.
    QPointer<QWindow> shownFor_;
};

// The process's help, as the programs use it.
class Help {
public:
    // "c:\Program Files\...\Kovamain.Hlp", "Kovamain.Hlp" or "Kovamain".
    static void setHelpFile(const QString& helpFile);
    static QString helpFile();
    // The resource folder of a help file name; empty when no such help is shipped.
    static QString folderOf(const QString& helpFile);

    static HelpViewer* showContents();
    static HelpViewer* showContext(int context);
    static HelpViewer* showSearch(const QString& keyword = {});
    static HelpViewer* viewer(); // nullptr before the first use

    // Help context numbers carried by widgets: F1 and Help buttons look them up here.
    static void setContext(QWidget* widget, int context);
    // The context of the widget or of its nearest parent that has one; 0 when none.
    static int contextOf(const QWidget* widget);
    // F1 in the window opens help at the context of the control that has the focus.
    static void installF1(QWidget* window);

    // The "&Help" menu of an editor window: "&Contents", the keyword search and "&About...".
    static QMenu* addMenu(QMenuBar* menuBar, std::function<void()> showAbout,
                          const QString& searchCaption = QStringLiteral("&Search for Help on..."));
};

// The help button of a dialog: the help glyph with the hint "Help"; it opens `context`.
QPushButton* helpButton(int context);

} // namespace kova::ui
