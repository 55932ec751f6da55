#include "compute.h"

#include "computecore.h"
#include "cropcolumns.h"
#include "dailyet.h"
#include "rowreaders.h"

#include "store/database.h"
#include "store/ddl.h"
#include "store/fieldnames.h"
#include "store/sqlitestatement.h"
#include "store/table.h"

#include <QSqlError>
#include <QSqlQuery>

namespace kova::calc {

using store::Table;

namespace {

// 'Weather Station' of a saved job keeps 30 of a station name's 35 characters.
constexpr int kStoredStationNameWidth = 30;

bool sameKey(const QString& sought, const QString& found) {
    if (found.compare(sought, Qt::CaseInsensitive) == 0)
        return true;
    return sought.size() == kStoredStationNameWidth &&
           found.startsWith(sought, Qt::CaseInsensitive);
}

// Positions `t` on the nearest key to `name`, as the tables expect. The nearest row stands
// in for a missing one; the substitute is named in a warning so the result never silently
// belongs to another station or curve.
bool seekNearest(Table* t, const QString& keyField, const QString& name, const QString& what,
                 bool warn, CalcMessages& messages) {
    if (!t)
        return false;
    t->findNearest({name});
    const Table& table = *t;
    if (table.isEmpty()) {
        if (warn)
            messages.show(
                MessageKind::Warning,
                QStringLiteral("%1 \"%2\" was not found: the table is empty.").arg(what, name));
        return true;
    }
    const QString found = table.asString(keyField);
    if (warn && !sameKey(name, found))
        messages.show(MessageKind::Warning, text::substituted(what, name, found));
    return true;
}

bool usesWeatherSite(int etIndex) {
    return etIndex == kETRadiation || etIndex == kETTemperature;
}

} // namespace

Calculation::Calculation(CalcMessages& messages) : messages_(messages) {}

Calculation::~Calculation() = default;

qint64 Calculation::dataVersion(store::Database& db) {
    QSqlQuery q(db.connection());
    return q.exec(QStringLiteral("PRAGMA data_version")) && q.next() ? q.value(0).toLongLong() : -1;
}

void Calculation::checkOpenTables(store::Database& db) {
    // Rows written by another program (another connection) are seen as a new data version;
    // rows written in this program mark the open tables stale by themselves.
    const qint64 version = dataVersion(db);
    if (db.fileName() != tablesFile_ || version != tablesVersion_ || version < 0)
        openTables_.clear();
    tablesFile_ = db.fileName();
    tablesVersion_ = version;
}

store::Table* Calculation::table(const QString& alias, const QString& name, const QString& index) {
    const QString key = name + QLatin1Char('/') + index;
    auto it = openTables_.find(key);
    if (it == openTables_.end()) {
        auto t = std::make_unique<Table>(name, alias);
        t->setIndexName(index);
        if (!t->open()) {
            fail(t->errorString());
            return nullptr;
        }
        it = openTables_.emplace(key, std::move(t)).first;
    }
    return it->second.get();
}

const ReferenceTables* Calculation::reference(const QString& alias) {
    QString error;
    auto db = store::Database::open(alias, &error);
    if (!db) {
        fail(error);
        return nullptr;
    }
    if (referenceFile_ != db->fileName() || referenceFile_.isEmpty()) {
        if (!readReferenceTables(alias, &reference_, &error)) {
            fail(error);
            return nullptr;
        }
        referenceFile_ = db->fileName();
    }
    return &reference_;
}

bool Calculation::fail(const QString& message) {
    error_ = message;
    return false;
}

bool Calculation::readStation(const QString& alias, int etIndex, ComputeInputs* in) {
    Table* climate = table(alias, QStringLiteral("Climate"), QStringLiteral("StaNameIndex"));
    if (!seekNearest(climate, QStringLiteral("Station Name"), kova.StationName,
                     QStringLiteral("Climate station"), true, messages_))
        return false;
    if (!climate->isEmpty())
        in->station = stationFrom(climate->record());

    Table* whr = table(alias, QStringLiteral("ClimWHR"), QStringLiteral("Location Name"));
    if (!seekNearest(whr, QStringLiteral("WHR Location"), in->station.WHRLocation,
                     QStringLiteral("Weather site"), usesWeatherSite(etIndex), messages_))
        return false;
    if (!whr->isEmpty())
        in->whr = whrFrom(whr->record());
    return true;
}

bool Calculation::readCurve(const QString& alias, ComputeInputs* in) {
    in->curve = std::monostate{};
    if (!in->crop.CurveIndex) // no curve chosen for the crop: none is built
        return true;
    const auto where = curveTableOf(*in->crop.CurveIndex);
    if (!where)
        return true;
    Table* curveTable = table(alias, where->table, where->index);
    if (!seekNearest(curveTable, QStringLiteral("Crop Curve Name"), in->crop.CurveName,
                     QStringLiteral("Crop curve"), true, messages_))
        return false;
    if (curveTable->isEmpty())
        return true;
    const store::Record row = curveTable->record();
    switch (*in->crop.CurveIndex) {
    case kCurveBasalAnnual: {
        Table* types = table(alias, QStringLiteral("CrpAnTyp"), QStringLiteral("CropTypeIndex"));
        if (!seekNearest(types, QStringLiteral("Crop Type"),
                         row.asString(QStringLiteral("Crop Type")), QStringLiteral("Crop type"),
                         true, messages_))
            return false;
        in->curve = basalAnnualFrom(row, types->isEmpty() ? store::Record() : types->record());
        break;
    }
    case kCurveBasalPerennial:
        in->curve = basalPerennialFrom(row);
        break;
    case kCurveGrass:
        in->curve = grassFrom(row);
        break;
    case kCurveTR21Annual:
        in->curve = tr21AnnualFrom(row);
        break;
    default:
        in->curve = tr21PerennialFrom(row);
        break;
    }
    return true;
}

bool Calculation::readSettings(const QString& alias, ComputeInputs* in) {
    Table* defaults = table(alias, QStringLiteral("SystemDefaults"), {});
    if (!defaults)
        return false;
    defaults->first();
    if (!defaults->isEmpty())
        in->settings = settingsFrom(defaults->record());
    return true;
}

bool Calculation::readInputs(const QString& alias, const Table& wkCrop, ComputeInputs* in) {
    in->crop = workingCropFrom(wkCrop.record());
    in->wind = wind_;
    return readStation(alias, in->crop.ETIndex, in) && readSettings(alias, in) &&
           readCurve(alias, in);
}

bool Calculation::writeBack(Table& wkCrop) {
    store::Database* db = wkCrop.database();
    store::Transaction tx(*db);
    if (!tx.ok())
        return fail(tx.error());

    QSqlQuery clear(db->connection());
    if (!clear.exec(
            QStringLiteral("DELETE FROM %1").arg(store::quoteIdentifier(QStringLiteral("ETKc")))))
        return fail(clear.lastError().text());
    // A season's days are a few hundred rows per computation: bound straight on SQLite.
    store::SqliteStatement insert(
        db->connection(),
        QStringLiteral("INSERT INTO %1 (%2, %3, %4, %5, %6, %7) VALUES (?, ?, ?, ?, ?, ?)")
            .arg(store::quoteIdentifier(QStringLiteral("ETKc")),
                 store::quoteIdentifier(QStringLiteral("JDate")),
                 store::quoteIdentifier(QStringLiteral("Kca")),
                 store::quoteIdentifier(QStringLiteral("Kcb")),
                 store::quoteIdentifier(QStringLiteral("ETo")),
                 store::quoteIdentifier(QStringLiteral("ETc")),
                 store::quoteIdentifier(QStringLiteral("Mo"))));
    for (const ETKcDay& day : curve.Days) {
        insert.bind(1, day.JDate);
        insert.bind(2, day.Kca);
        insert.bind(3, day.Kcb);
        insert.bind(4, day.ETo);
        insert.bind(5, day.ETc);
        insert.bind(6, day.Mo > 0 ? QVariant(day.Mo) : QVariant()); // no month off-season
        if (!insert.run())
            return fail(insert.error());
    }
    db->tableChanged(QStringLiteral("ETKc"), nullptr);

    if (!wkCrop.edit())
        return fail(wkCrop.errorString());
    for (int m = 1; m <= 12; ++m) {
        wkCrop.setValue(store::monthField(QStringLiteral("IR"), m),
                        kova.NI50[static_cast<size_t>(m)]);
        wkCrop.setValue(store::monthField(QStringLiteral("Pk"), m),
                        kova.PeakET[static_cast<size_t>(m)]);
    }
    wkCrop.setValue(QStringLiteral("IR Season"), kova.NI50Total);
    wkCrop.setValue(QStringLiteral("Hay"), kova.Hay);
    if (!wkCrop.post()) {
        const QString error = wkCrop.errorString();
        wkCrop.cancel();
        return fail(error);
    }
    if (!tx.commit())
        return fail(tx.error());
    tablesVersion_ = dataVersion(*db);
    return true;
}

bool Calculation::Compute(Table& wkCrop) {
    error_.clear();
    replaced_.clear();
    if (!wkCrop.isOpen() || wkCrop.isEmpty())
        return fail(QStringLiteral("There is no working crop to compute."));
    if (!wkCrop.post())
        return fail(wkCrop.errorString());
    const QString alias = wkCrop.database()->alias();
    checkOpenTables(*wkCrop.database());
    const ReferenceTables* ref = reference(alias);
    if (!ref)
        return false;
    ComputeInputs in;
    if (!readInputs(alias, wkCrop, &in))
        return false;
    replaced_ = computeCrop(in, *ref, kova, curve, messages_);
    // The daily ET goes to ETKc with the crop, so the curve displays and the curve report
    // read the same days however they are reached. (The batch path writes no daily rows.)
    fillDailyET(kova, curve);
    return writeBack(wkCrop);
}

} // namespace kova::calc
