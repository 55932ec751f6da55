#pragma once
// The first window of an import: choose the directory of county files, choose between adding
// to the climate database and replacing it, and start the scan. The scan converts every county
// file into the work file and then hands its counties to the county selection window.

#include "climedit/import/workfiles.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QFileSystemModel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QTreeView;

namespace kova::climedit {

class DataModule;

class SelDirForm : public QDialog {
    Q_OBJECT
public:
    explicit SelDirForm(DataModule& dm, QWidget* parent = nullptr);

    QString directory() const { return directory_; }
    void setDirectory(const QString& path);
    QStringList listedFiles() const;
    // Unchecking asks before the add mode becomes false.
    void setAddToExisting(bool checked);
    // OK: scan the directory and run the county selection.
    void startScan();
    // True once an import ran to its end; the window then closes with the chain.
    bool imported() const { return imported_; }

    QCheckBox* addBox() const { return addBox_; }
    QProgressBar* progressBar() const { return progress_; }
    QString maskText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildBrowser();
    void revealDirectory(const QString& loaded);
    void showDirectoryInTree();
    void holdDirectoryInPlace();
    void keepDirectoryInView();
    void addBoxClicked(bool checked);
    void cancel();

    DataModule& dm_;
    std::optional<climimport::WorkFiles> workFiles_; // in the startup directory
    QString workError_;
    QString directory_;
    QFileSystemModel* dirModel_ = nullptr;
    QTreeView* dirTree_ = nullptr;
    QListWidget* files_ = nullptr;
    QLineEdit* mask_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QCheckBox* addBox_ = nullptr;
    bool imported_ = false;
    bool revealPending_ = false; // the chosen directory is shown once its parent is read
    std::optional<int> heldTop_; // where the chosen directory showed before rows changed
};

} // namespace kova::climedit
