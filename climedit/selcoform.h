#pragma once
// "Select Counties": the counties found by the scan, moved into the selection with ">", ">>",
// "<" and "<<". Continue loads the stations of the selected counties into `Climate` (adding
// or replacing, as the directory window decided) and opens the station form.

#include "climedit/import/workfiles.h"

#include <QDialog>

class QListWidget;
class QProgressBar;
class QPushButton;

namespace kova::climedit {

class DataModule;

class SelCoForm : public QDialog {
    Q_OBJECT
public:
    SelCoForm(DataModule& dm, const climimport::WorkFiles& workFiles,
              const QStringList& availableCounties, QWidget* parent = nullptr);

    QListWidget* availableList() const { return available_; }
    QListWidget* selectedList() const { return selected_; }
    QPushButton* moveButton() const { return move_; }
    QPushButton* moveAllButton() const { return moveAll_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* removeAllButton() const { return removeAll_; }
    QProgressBar* progressBar() const { return progress_; }

    void moveSelected();   // ">"
    void moveAll();        // ">>"
    void removeSelected(); // "<"
    void removeAll();      // "<<"
    void continueImport();
    // True once Continue loaded the stations.
    bool imported() const { return imported_; }

private:
    QWidget* buildLists();
    void updateMoveButtons();

    DataModule& dm_;
    const climimport::WorkFiles& workFiles_;
    QListWidget* available_ = nullptr;
    QListWidget* selected_ = nullptr;
    QPushButton* move_ = nullptr;
    QPushButton* moveAll_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* removeAll_ = nullptr;
    QProgressBar* progress_ = nullptr;
    bool imported_ = false;
};

} // namespace kova::climedit
