#pragma once
// The main window: the job in work and its whole life. It forwards every command and field
// event to the job session and shows the fields, enabled states and focus the session reports;
// the questions and dialogs of the job come through its JobDialogs.

#include "jobboxes.h"
#include "program.h"

#include "main/job/jobsession.h"
#include "store/alias.h"
#include "ui/datasource.h"

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <variant>

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;

namespace kova::ui {
class NumericField;
}

namespace kova::mainwin {

class JobPanel;
class StartPicture;
class WaitDlg;

class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(ProgramCommands commands = programCommands(),
                      const QString& alias = store::kDefaultAlias, QWidget* parent = nullptr);
    ~MainForm() override;

    job::JobSession& session() { return *session_; }
    JobPanel* panel() const { return panel_; }
    StartPicture* startPicture() const { return picture_; }
    WaitDlg* loadingIndicator() const { return wait_.get(); }

    QPushButton* exitButton() const { return exit_; }
    QPushButton* newJobButton() const { return newJob_; }
    QPushButton* prevJobButton() const { return prevJob_; }
    QPushButton* saveJobButton() const { return saveJob_; }
    QPushButton* cancelButton() const { return cancel_; }
    // Menu items by their caption ("&New Job", "&Maintain Job Database...", "&About").
    QAction* menuItem(const QString& caption) const;

    // --- commands, as the buttons, menu items and keys run them -------------------------
    void newJob();
    void getPrevJob();
    void saveJob();
    void cancelJob();
    void getNewClimate();
    void addNewCrop();
    void editCrop();
    void displayCrop();
    void deleteCrop();
    void maintainJobs();
    void systemDefaults();
    void localDefaults();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Field = std::variant<job::HeaderField, job::SiteField>;

    QWidget* buildTopBar();
    void buildMenus();
    QAction* addMenuItem(QMenu* menu, const QString& caption, std::function<void()> command,
                         const QString& hint = {});
    void watch(QWidget* field, Field which);
    void connectFields();
    // A command runs as a click on a button would: the field being left first, then the
    // command, then what the session shows. Cancel and Exit do not check the name they leave.
    void runCommand(const std::function<void()>& command, bool checksName = true);
    void leaveBeforeCommand(bool checksName);
    void leaveQueuedField();
    void leaveField(Field which);
    void runCropReport(const JobCommand& report);
    // `newJob`: the fields show the session's values, refused entries included.
    void showSession(bool newJob = false);
    void showFields(bool newJob);
    void showControls();
    void showFocus();
    results::CropResultsContext cropContext();

    ProgramCommands commands_;
    BoxMessages messages_{this};
    std::unique_ptr<WaitDlg> wait_;
    std::unique_ptr<WindowDialogs> dialogs_;
    std::unique_ptr<job::JobSession> session_;
    std::unique_ptr<ui::DataSource> crops_;
    QStackedWidget* stack_ = nullptr;
    StartPicture* picture_ = nullptr;
    JobPanel* panel_ = nullptr;
    QPushButton* exit_ = nullptr;
    QPushButton* newJob_ = nullptr;
    QPushButton* prevJob_ = nullptr;
    QPushButton* saveJob_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QList<QAction*> menuItems_;
    std::map<QObject*, Field> fields_;
    // The field with the focus that has been typed in or entered and not left yet, and the
    // field just left whose leave is queued (it runs once the focus has moved).
    std::optional<Field> pending_;
    std::optional<Field> leaving_;
    bool placed_ = false;
};

} // namespace kova::mainwin
