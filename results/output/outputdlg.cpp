#include "outputdlg.h"

#include "ui/busycursor.h"
#include "ui/datacontrols.h"
#include "ui/helpviewer.h"
#include "ui/labels.h"
#include "ui/modal.h"
#include "ui/placement.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kova::results {

namespace {

constexpr int kResultsHelp = 20;
constexpr int kReportButtonsHelp = 21;
constexpr int kScrollAreaHelp = 19016;
constexpr int kDesignedWidth = 600;
constexpr int kDesignedHeight = 555;
constexpr int kDesignedRowHeight = 18;
// The grid's columns as designed; wider where the font needs it.
constexpr std::array<int, kGridColumns> kDesignedWidths = {68, 56, 79, 78, 82, 77, 53, 53};

QLabel* boldLabel(const QString& text) {
    return ui::bold(new QLabel(text));
}

QLabel* blue(QLabel* label) {
    return ui::coloured(label, Qt::blue);
}

QLabel* valueLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// Caption and value pairs in rows of up to three.
class HeaderGrid {
public:
    explicit HeaderGrid(QGridLayout* layout) : layout_(layout) {}
    // Returns the two widgets so that a group of items can be hidden together.
    std::array<QWidget*, 2> add(int row, int pair, const QString& caption, QWidget* value,
                                int pairSpan = 1) {
        auto* label = new QLabel(caption);
        layout_->addWidget(label, row, pair * 2);
        layout_->addWidget(value, row, pair * 2 + 1, 1, pairSpan * 2 - 1);
        return {label, value};
    }

private:
    QGridLayout* layout_;
};

void setShown(std::initializer_list<std::array<QWidget*, 2>> items, bool shown) {
    for (const auto& item : items)
        for (QWidget* w : item)
            w->setVisible(shown);
}

// The grid's column widths: as designed, or as wide as their texts need in this font.
std::array<int, kGridColumns> columnWidths(const QFontMetrics& fm, const ResultsGrid& grid) {
    std::array<int, kGridColumns> widths = kDesignedWidths;
    for (size_t c = 0; c < kGridColumns; ++c) {
        int needed = fm.horizontalAdvance(QStringLiteral("000.00"));
        for (const auto& row : grid)
            needed = std::max(needed, fm.horizontalAdvance(row[c]));
        widths[c] = std::max(widths[c], needed + 12);
    }
    return widths;
}

// A row of labels over (or under) the grid, laid out on the grid's own columns.
QGridLayout* columnLayout(QWidget* owner, const std::array<int, kGridColumns>& widths, int frame) {
    auto* layout = new QGridLayout(owner);
    layout->setContentsMargins(frame, 0, frame, 0);
    layout->setHorizontalSpacing(0);
    layout->setVerticalSpacing(0);
    for (int c = 0; c < kGridColumns; ++c) {
        layout->setColumnMinimumWidth(c, widths[static_cast<size_t>(c)]);
        layout->setColumnStretch(c, 0);
    }
    return layout;
}

QLabel* centred(QLabel* label) {
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->setWordWrap(true);
    return label;
}

} // namespace

Outputdlg::Outputdlg(const CropResultsContext& crop, const CropResultsActions& actions,
                     QWidget* parent)
    : QDialog(parent), crop_(crop), actions_(actions),
      summary_(summarize(crop.calculation.kova, elevationCorrection(crop.alias))),
      cropRow_(new ui::DataSource(&crop.workingCrop, this)) {
    setWindowTitle(QStringLiteral("Summary of Current Crop for Current Job"));
    cropRow_->setAutoEdit(false);

    auto* content = new QWidget;
    auto* body = new QVBoxLayout(content);
    QLabel* heading = ui::coloured(boldLabel(QStringLiteral("Kova Summary")), Qt::red);
    heading->setAlignment(Qt::AlignHCenter);
    body->addWidget(heading);
    body->addWidget(buildHeader());
    body->addWidget(buildTable(), 0, Qt::AlignHCenter);
    body->addWidget(buildFootnotes());
    body->addStretch();

    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    ui::Help::setContext(scroll, kScrollAreaHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildButtonBar());
    layout->addWidget(scroll, 1);
    ui::Help::setContext(this, kResultsHelp);
    ui::Help::installF1(this);
    const int scrollRoom =
        scroll->verticalScrollBar()->sizeHint().width() + 2 * scroll->frameWidth();
    resize(std::max(kDesignedWidth, content->sizeHint().width() + scrollRoom +
                                        layout->contentsMargins().left() +
                                        layout->contentsMargins().right()),
           kDesignedHeight);
}

Outputdlg::~Outputdlg() = default;

QWidget* Outputdlg::buildButtonBar() {
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok);
    summaryReport_ =
        addAction(QStringLiteral("Summary Report"), QStringLiteral("Report of data shown below"),
                  actions_.summaryReport);
    detailsReport_ =
        addAction(QStringLiteral("Details Report"), QStringLiteral("Report of computation details"),
                  actions_.detailsReport);
    chart_ = addAction(QStringLiteral("Kova Chart"), QStringLiteral("Display bar graph"),
                       actions_.barChart);
    curves_ = addAction(QStringLiteral("ET Kc Curves"), QStringLiteral("Display ET Kc curves"),
                        actions_.curves);
    for (QPushButton* b : {summaryReport_, detailsReport_, chart_, curves_})
        layout->addWidget(b);
    layout->addStretch();
    layout->addWidget(ui::helpButton(kResultsHelp));
    return bar;
}

QPushButton* Outputdlg::addAction(const QString& caption, const QString& hint,
                                  const CropResultsAction& action) {
    auto* button = new QPushButton(caption);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    ui::Help::setContext(button, kReportButtonsHelp);
    button->setEnabled(static_cast<bool>(action));
    connect(button, &QPushButton::clicked, this, [this, action] {
        ui::BusyCursor busy;
        action(crop_, this);
    });
    return button;
}

QWidget* Outputdlg::buildHeader() {
    auto* header = new QWidget;
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QGridLayout;
    top->setHorizontalSpacing(8);
    top->setVerticalSpacing(2);
    HeaderGrid grid(top);
    const CropSummary& s = summary_;
    auto bound = [this](const QString& field) { return new ui::DataLabel(cropRow_, field); };

    grid.add(0, 0, QStringLiteral("Job:"), blue(valueLabel(QStringLiteral("job"), s.job)));
    grid.add(0, 1, QStringLiteral("Location:"), valueLabel(QStringLiteral("location"), s.location));
    grid.add(0, 2, QStringLiteral("By:  "), valueLabel(QStringLiteral("planner"), s.planner));
    grid.add(1, 0, QStringLiteral("Date:"), valueLabel(QStringLiteral("date"), s.date));
    grid.add(1, 1, QStringLiteral("County:"), valueLabel(QStringLiteral("county"), s.county));
    grid.add(1, 2, QStringLiteral("Weather Station:"),
             valueLabel(QStringLiteral("station"), s.station));
    grid.add(2, 0, QStringLiteral("Sta No:"), valueLabel(QStringLiteral("stationNo"), s.stationNo));
    grid.add(2, 1, QStringLiteral("Latitude:"), valueLabel(QStringLiteral("latitude"), s.latitude));
    grid.add(2, 2, QStringLiteral("Longitude:"),
             valueLabel(QStringLiteral("longitude"), s.longitude));
    grid.add(3, 0, QStringLiteral("Eleveation: "),
             valueLabel(QStringLiteral("elevation"), s.elevation));
    grid.add(3, 1, QStringLiteral("Computation Method:"),
             valueLabel(QStringLiteral("method"), s.method), 2);
    grid.add(4, 0, QStringLiteral("Crop:"), blue(bound(QStringLiteral("Crop Name"))));
    grid.add(4, 1, QStringLiteral("Crop  Curve:"), bound(QStringLiteral("Crop Curve Type")), 2);
    grid.add(5, 0, QStringLiteral("Begin Growth:"),
             valueLabel(QStringLiteral("beginGrowth"), s.beginGrowth));
    grid.add(5, 1, QStringLiteral("End Growth:"),
             valueLabel(QStringLiteral("endGrowth"), s.endGrowth));
    const auto cuttings =
        grid.add(5, 2, QStringLiteral("Number of cuttings:"), bound(QStringLiteral("Cuttings")));
    const auto firstCut = grid.add(6, 1, QStringLiteral("1st Cut:"),
                                   valueLabel(QStringLiteral("firstCut"), s.firstCut));
    const auto lastCut = grid.add(6, 2, QStringLiteral("Last Cut:"),
                                  valueLabel(QStringLiteral("lastCut"), s.lastCut));
    const auto irrigation = grid.add(7, 0, QStringLiteral("Irrigation Type:"),
                                     bound(QStringLiteral("Irrigation Type")), 2);
    const auto soil =
        grid.add(7, 2, QStringLiteral("Surface Soil:"), bound(QStringLiteral("Soil")));
    const auto stress = grid.add(8, 0, QStringLiteral("Water stress factor:"),
                                 bound(QStringLiteral("Stress Factor")));
    const auto developed =
        grid.add(8, 1, QStringLiteral("Wetting  (Development):"),
                 ui::withUnit(bound(QStringLiteral("Dys Wet Developed")), QStringLiteral("days")));
    const auto mature =
        grid.add(8, 2, QStringLiteral("(Mature):"),
                 ui::withUnit(bound(QStringLiteral("Dys Wet Mature")), QStringLiteral("days")));
    for (int c = 1; c < 6; c += 2)
        top->setColumnStretch(c, 1);
    layout->addLayout(top);

    // The two long captions each take a line of their own.
    auto* netIrr = new QHBoxLayout;
    netIrr->addWidget(new QLabel(QStringLiteral("Net irrigation application: ")));
    netIrr->addWidget(ui::withUnit(bound(QStringLiteral("Net Irr")), QStringLiteral("inches")), 1);
    layout->addLayout(netIrr);
    auto* carry = new QHBoxLayout;
    carry->addWidget(new QLabel(QStringLiteral("Estimated carryover moisture used at season: ")));
    carry->addWidget(new QLabel(QStringLiteral("Start:")));
    carry->addWidget(bound(QStringLiteral("Carry Beg")));
    carry->addSpacing(12);
    carry->addWidget(new QLabel(QStringLiteral("End:")));
    carry->addWidget(ui::withUnit(bound(QStringLiteral("Carry End")), QStringLiteral("inches")), 1);
    layout->addLayout(carry);

    setShown({cuttings, firstCut, lastCut}, s.items.cuttings);
    setShown({irrigation, soil, stress, developed, mature}, s.items.fieldSettings);
    return header;
}

QWidget* Outputdlg::buildTable() {
    const auto widths = columnWidths(fontMetrics(), summary_.grid);
    grid_ = new QTableWidget(kGridRows, kGridColumns);
    grid_->setObjectName(QStringLiteral("SGrid"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int rowHeight = std::max(kDesignedRowHeight, fontMetrics().height() + 4);
    int width = 2 * grid_->frameWidth();
    for (int c = 0; c < kGridColumns; ++c) {
        grid_->setColumnWidth(c, widths[static_cast<size_t>(c)]);
        width += widths[static_cast<size_t>(c)];
    }
    for (int r = 0; r < kGridRows; ++r) {
        grid_->setRowHeight(r, rowHeight);
        for (int c = 0; c < kGridColumns; ++c) {
            auto* item =
                new QTableWidgetItem(summary_.grid[static_cast<size_t>(r)][static_cast<size_t>(c)]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(r, c, item);
        }
    }
    grid_->setFixedSize(width, kGridRows * rowHeight + 2 * grid_->frameWidth());

    // Ctrl+C copies the selection (the grid alone would copy only its current cell).
    grid_->installEventFilter(this);
    auto* copy =
        new QAction(QStringLiteral("&Copy\t") +
                        QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText),
                    grid_);
    connect(copy, &QAction::triggered, this, &Outputdlg::copyGrid);
    grid_->addAction(copy);
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* table = new QWidget;
    table->setFixedWidth(width);
    auto* layout = new QVBoxLayout(table);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto* captions = new QWidget;
    QGridLayout* top = columnLayout(captions, widths, grid_->frameWidth());
    auto caption = [&](const QString& text, int row, int column, int rows = 1, int columns = 1) {
        top->addWidget(centred(new QLabel(text)), row, column, rows, columns);
    };
    caption(QStringLiteral("Month"), 0, 0, 4);
    const QString total[] = {QStringLiteral("Total"), QStringLiteral("Monthly"),
                             QStringLiteral("ET"), QStringLiteral("(3)")};
    for (int r = 0; r < 4; ++r)
        caption(total[r], r, 1);
    for (int year = 0; year < 2; ++year) {
        const int c = 2 + 2 * year;
        caption(year == 0 ? QStringLiteral("Dry Year") : QStringLiteral("Normal Year"), 0, c, 1, 2);
        caption(year == 0 ? QStringLiteral("80% Chance (1)") : QStringLiteral("50% Chance (1)"), 1,
                c, 1, 2);
        caption(QStringLiteral("Effective Precipitation"), 2, c, 2);
        caption(QStringLiteral("Net Irrigation Requirements"), 2, c + 1, 2);
    }
    const QString daily[2][3] = {
        {QStringLiteral("Average"), QStringLiteral("Daily"), QStringLiteral("ETc")},
        {QStringLiteral("Peak"), QStringLiteral("Daily"), QStringLiteral("ETPk")}};
    for (int k = 0; k < 2; ++k)
        for (int r = 0; r < 3; ++r)
            caption(daily[k][r], r, 6 + k);
    layout->addWidget(captions);
    layout->addWidget(grid_);

    auto* totals = new QWidget;
    QGridLayout* bottom = columnLayout(totals, widths, grid_->frameWidth());
    bottom->addWidget(boldLabel(QStringLiteral("TOTALS")), 0, 0);
    static const char* const names[] = {"lblETTot", "lblEP80", "lblNI80", "lblEP50", "lblNI50"};
    for (size_t i = 0; i < summary_.totals.size(); ++i) {
        QLabel* value = boldLabel(summary_.totals[i]);
        value->setObjectName(QLatin1String(names[i]));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setContentsMargins(0, 0, 4, 0);
        bottom->addWidget(value, 0, static_cast<int>(i) + 1);
    }
    layout->addWidget(totals);
    return table;
}

QWidget* Outputdlg::buildFootnotes() {
    auto* notes = new QWidget;
    auto* layout = new QVBoxLayout(notes);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->setSpacing(0);
    auto note = [&](const QString& name, const QStringList& lines, bool enabled) {
        auto* label = new QLabel(lines.join(QLatin1Char('\n')));
        label->setObjectName(name);
        label->setEnabled(enabled);
        layout->addWidget(label);
    };
    const Footnotes& f = summary_.footnotes;
    note(QStringLiteral("footnote1"),
         {QStringLiteral("(1)  For 80 percent chance occurrence, growing season effective "
                         "precipitation will be equaled or exceeded"),
          QStringLiteral("8 out of 10 years.  For 50 percent chance occurrence, effective "
                         "precipitation will be equaled of exceeded "),
          QStringLiteral("1 out of 2 years.")},
         true);
    note(QStringLiteral("footnote2"),
         {QStringLiteral("(2)  Net irrigation requirements is adjusted for carryover moisture "
                         "used at the beginning  of the season and"),
          QStringLiteral("carryover moisture used at the end of the growing season.")},
         f.carryOver);
    note(QStringLiteral("footnote3"), {f.elevationText}, f.elevation);
    return notes;
}

void Outputdlg::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        // Designed to open centred; the results rule then sets its top and height.
        ui::applyKeepOnScreen(this);
        ui::applyResultsPlacement(this);
    }
    QDialog::showEvent(event);
}

void Outputdlg::moveEvent(QMoveEvent* event) {
    // Again once the window manager has framed the window: the rule counts the frame.
    if (placed_ && !framed_ && frameGeometry() != geometry()) {
        framed_ = true;
        ui::applyResultsPlacement(this);
    }
    QDialog::moveEvent(event);
}

bool Outputdlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        if (event->type() == QEvent::KeyPress)
            copyGrid();
        event->accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Outputdlg::copyGrid() {
    QModelIndexList cells = grid_->selectionModel()->selectedIndexes();
    if (cells.isEmpty())
        for (int r = 0; r < kGridRows; ++r)
            for (int c = 0; c < kGridColumns; ++c)
                cells << grid_->model()->index(r, c);
    QApplication::clipboard()->setText(tabSeparated(*grid_->model(), cells));
}

void showCropResults(const CropResultsContext& crop, const CropResultsActions& actions,
                     QWidget* parent) {
    Outputdlg results(crop, actions, parent);
    ui::showModal(results);
}

} // namespace kova::results
