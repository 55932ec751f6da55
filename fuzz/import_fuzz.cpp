// Fuzz target of the climate import's readers. Each input is read as a county file (every
// station found must be one `Climate` accepts and must come back unchanged through the work
// file) and as a work file (whatever it holds, reading it must stay safe).

#include "climedit/import/sectionparser.h"
#include "climedit/import/stationfilereader.h"
#include "climedit/import/stationrecord.h"
#include "store/schema.h"

#include <QBuffer>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace kova::climimport;

namespace {

class Silent : public ImportMessages {
public:
    void report(const ImportMessage&) override {}
};

[[noreturn]] void fault(const char* what, const StationRecord& station) {
    std::fprintf(stderr, "%s: station '%s'\n%s", what, station.name.toUtf8().constData(),
                 formatStationRecord(station).constData());
    std::abort();
}

// Every value the record brings must be valid for its field, and every required one present:
// a converted station may never make the load fail.
void checkLoadable(const StationRecord& station) {
    static const kova::store::TableDef* climate = kova::store::findTable(QStringLiteral("Climate"));
    for (const auto& [name, value] : climateValues(station)) {
        const kova::store::FieldDef* field = climate->field(name);
        if (!field || !field->accepts(value))
            fault("value outside its field", station);
        if (field->required && value.toString().isEmpty())
            fault("required field empty", station);
    }
}

// The record as the work file holds it reads back as the same station.
void checkRoundTrip(const StationRecord& station) {
    QByteArray text = formatStationRecord(station);
    QBuffer device(&text);
    device.open(QIODevice::ReadOnly);
    StationFileReader reader(device);
    QByteArray rest;
    if (!reader.nextRecord(&rest))
        fault("record not found", station);
    const std::optional<RecordHeader> header = parseRecordHeader(rest);
    if (!header || header->county != station.county || header->name != station.name ||
        header->number != station.token)
        fault("header read back differently", station);
    StationRecord back;
    if (!reader.readBody(&back).isEmpty())
        fault("body unreadable", station);
    if (back.latitude != station.latitude || back.longitude != station.longitude ||
        back.elevation != station.elevation || back.temperature != station.temperature ||
        back.precipitation != station.precipitation || back.frostDates != station.frostDates)
        fault("body read back differently", station);
}

void readAsCountyFile(const QByteArray& bytes) {
    const std::optional<QByteArray> text = sectionsText(bytes);
    if (!text)
        return;
    Silent silent;
    StationSections sections(*text, silent);
    while (const std::optional<StationRecord> station = sections.next()) {
        checkLoadable(*station);
        checkRoundTrip(*station);
    }
}

void readAsWorkFile(QByteArray bytes) {
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    StationFileReader reader(device);
    QByteArray rest;
    while (reader.nextRecord(&rest)) {
        if (!parseRecordHeader(rest))
            continue;
        StationRecord station;
        reader.readBody(&station);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    readAsCountyFile(bytes);
    readAsWorkFile(bytes);
    return 0;
}
