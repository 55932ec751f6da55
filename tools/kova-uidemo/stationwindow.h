#pragma once
// The demo window: the climate stations in a grid beside a form of data-aware boxes, run by
// the managed editor pattern, with the navigator, the Marks menu, help and the About box.

#include "store/table.h"
#include "ui/datasource.h"

#include <QMainWindow>

namespace kova::ui {
class ManagedEditor;
}

namespace kova::uidemo {

class StationWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit StationWindow(QWidget* parent = nullptr);
    ~StationWindow() override;
    bool isReady() const { return stations_.isOpen(); }
    ui::ManagedEditor* editor() const { return editor_; }
    void printAllMarked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createForm();
    QWidget* createMonthlyGroup();
    void createMenus();

    store::Table stations_{QStringLiteral("Climate")};
    store::Table sites_{QStringLiteral("ClimWHR")};
    ui::DataSource stationData_{&stations_};
    ui::ManagedEditor* editor_ = nullptr;
    QWidget* nameBox_ = nullptr;
};

} // namespace kova::uidemo
