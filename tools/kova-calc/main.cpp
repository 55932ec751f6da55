// kova-calc: irrigation requirements from the command line, for batch work and scripting.
// It reads the database through the alias "Kova" (or --db FILE) and computes on a private
// snapshot, so saved jobs, created crops and the programs' working rows stay untouched.

#include "commands.h"
#include "dates.h"
#include "newjob.h"
#include "privatedatabase.h"
#ifdef KOVA_CALC_REPORT
#include "report.h"

#include <QApplication>
#endif

#include "calc/calendar.h"
#include "calc/newcrop.h"
#include "calc/reference.h"

#include "store/alias.h"
#include "store/schema.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>

using namespace kova::tools;

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitBadInput = 2;

const char* const kDescription =
    "Computes crop irrigation requirements with the Kova calculation.\n"
    "\n"
    "Commands:\n"
    "  job NAME        load a saved job as reopening it does and print every crop's results\n"
    "  crop            add a created crop to a one-crop job at a station with the delivered\n"
    "                  defaults (as \"Add New Crop\" then \"OK\"), apply the overrides given,\n"
    "                  and print its results; needs --station and --crop\n"
    "  batch           every station x crop: one line each with the season totals (ET, EP50,\n"
    "                  EP80, NI50, NI80) and the peak month; progress on stderr\n"
    "  dates           what \"Compute Dates for Site\" shows for a created crop added to a job\n"
    "                  at a station, then \"Re-Calculate\" with --grow-days, --begin-temp and\n"
    "                  --end-temp where given: default dates, temperatures, grow days, spring\n"
    "                  and fall dates, available days, harvest date and the tool's message\n"
    "                  (\"\" when none; a message ending the tool before its dates leaves them\n"
    "                  out); needs --station and --crop; --format table or json\n"
    "  new-job NAME    build a job as the main window does (\"New Job\", \"Get New Climate\"\n"
    "                  at --station, the ET method, \"Add New Crop\" for each of --crops with\n"
    "                  the defaults), print its crops like job, and with --save store it as\n"
    "                  \"Save Job\" does; a taken name, an unknown station or crop, a crop the\n"
    "                  job cannot take or a method not offered for the station stores nothing\n"
    "  report JOB      write a report of a saved job to --out FILE, as its preview shows it:\n"
    "                  --kind summary, details, curves or bars for --crop NAME of the job\n"
    "                  (computed again first), job-summary, or job-list (JOB may be left\n"
    "                  out); the format is the file's extension (.pdf, .html, .png, .jpg,\n"
    "                  .bmp, .svg; curves and bars only the pictures); a picture of more\n"
    "                  than one page is written as NAME-1.png, NAME-2.png, ...; the files\n"
    "                  written are listed on stdout. Only report starts a window system\n"
    "                  (offscreen when no display is set)\n"
    "\n"
    "The ET method of crop, batch and dates is --method (default TR21); a saved job keeps its\n"
    "own; new-job takes the method the system default allows for the station (--method picks\n"
    "one where the method dialog would offer a choice). A message of the calculation or of the\n"
    "date tool is a result (exit 0). crop, batch, dates and report work on a private copy of\n"
    "the database; new-job on the database itself (its working rows stay its own).\n"
    "Exit status: 0 done, 2 bad input (one line on stderr), 1 database failure.";

// The working-crop field an option fills: its declared range is the option's.
const kova::store::FieldDef& workingField(const char* name) {
    const kova::store::FieldDef* field =
        kova::store::findTable(QStringLiteral("KovaWkCrop"))->field(QString::fromLatin1(name));
    Q_ASSERT(field);
    return *field;
}

QString rangeText(const kova::store::FieldDef& field) {
    if (!field.range)
        return QStringLiteral("a finite number");
    return QStringLiteral("%1 to %2").arg(field.range->min).arg(field.range->max);
}

// An option's help with the range of the field it fills.
QString withRange(const char* help, const char* fieldName) {
    return QStringLiteral("%1 (%2).")
        .arg(QString::fromLatin1(help), rangeText(workingField(fieldName)));
}

QStringList soilChoices() {
    const auto& names = kova::calc::soilNames();
    return QStringList(names.begin(), names.end());
}

struct Parsed {
    QCommandLineParser parser;
    QCommandLineOption db{QStringLiteral("db"),
                          QStringLiteral("Use the database FILE instead of the alias Kova."),
                          QStringLiteral("FILE")};
    QCommandLineOption format{
        QStringLiteral("format"),
        QStringLiteral("Output: table (a month-by-month table, two decimals, with totals; "
                       "batch: aligned columns), json or csv. Default: table, batch: csv."),
        QStringLiteral("FORMAT")};
    QCommandLineOption publishedWind{
        QStringLiteral("published-wind"),
        QStringLiteral("Radiation and temperature methods: daytime wind 2*U*R/(1+R) in miles per "
                       "day, as the published constants expect, instead of the programs' "
                       "U*R/(12*(1+R)). For comparison only.")};
    QCommandLineOption station{
        QStringLiteral("station"),
        QStringLiteral("crop, dates, new-job: the climate station (its 'Station Name')."),
        QStringLiteral("NAME")};
    QCommandLineOption stations{
        QStringLiteral("stations"),
        QStringLiteral("batch: 'all' (default) or station names separated by commas."),
        QStringLiteral("LIST")};
    QCommandLineOption crop{QStringLiteral("crop"),
                            QStringLiteral("crop, dates: the created crop (its exact 'Cop Name'); "
                                           "report: the job's crop (its 'Crop Name')."),
                            QStringLiteral("NAME")};
    QCommandLineOption kind{QStringLiteral("kind"),
                            QStringLiteral("report: summary, details, curves, bars, job-summary "
                                           "or job-list."),
                            QStringLiteral("KIND")};
    QCommandLineOption out{QStringLiteral("out"),
                           QStringLiteral("report: the file to write (its extension names the "
                                          "format)."),
                           QStringLiteral("FILE")};
    QCommandLineOption crops{
        QStringLiteral("crops"),
        QStringLiteral("batch: 'all' (default) or created crop names separated by ';' (or by "
                       "',' when the list has no ';'); new-job: the created crops of the job "
                       "separated by ';'."),
        QStringLiteral("LIST")};
    QCommandLineOption method{
        QStringLiteral("method"),
        QStringLiteral("crop, batch, dates, new-job: ET method TR21, RAD or TEMP."),
        QStringLiteral("METHOD")};
    QCommandLineOption location{QStringLiteral("location"),
                                QStringLiteral("new-job: the job location (default: the station's "
                                               "county)."),
                                QStringLiteral("TEXT")};
    QCommandLineOption planner{QStringLiteral("planner"),
                               QStringLiteral("new-job: the planner's name (default: kova-calc)."),
                               QStringLiteral("TEXT")};
    QCommandLineOption date{QStringLiteral("date"),
                            QStringLiteral("new-job: the job date MM/DD/YY (default: today)."),
                            QStringLiteral("MM/DD/YY")};
    QCommandLineOption save{QStringLiteral("save"),
                            QStringLiteral("new-job: store the job as \"Save Job\" does.")};
    QCommandLineOption plant{QStringLiteral("plant"),
                             QStringLiteral("crop: planting date M/D (e.g. 5/1)."),
                             QStringLiteral("M/D")};
    QCommandLineOption harvest{QStringLiteral("harvest"), QStringLiteral("crop: harvest date M/D."),
                               QStringLiteral("M/D")};
    QCommandLineOption netIrr{
        QStringLiteral("net-irr"),
        withRange("crop: net depth of each irrigation, inches; the carry-over stays "
                  "as the defaults gave it",
                  "Net Irr"),
        QStringLiteral("X")};
    QCommandLineOption carryBeg{QStringLiteral("carry-beg"),
                                withRange("crop: spring carry-over, inches", "Carry Beg"),
                                QStringLiteral("X")};
    QCommandLineOption carryEnd{QStringLiteral("carry-end"),
                                withRange("crop: fall carry-over, inches", "Carry End"),
                                QStringLiteral("X")};
    QCommandLineOption soil{
        QStringLiteral("soil"),
        QStringLiteral("crop: surface soil (%1).").arg(soilChoices().join(QStringLiteral(", "))),
        QStringLiteral("SOIL")};
    QCommandLineOption irrigation{
        QStringLiteral("irrigation"),
        QStringLiteral("crop: irrigation type as the local defaults or the crop parameters "
                       "dialog word it (sets the fraction wetted)."),
        QStringLiteral("TYPE")};
    QCommandLineOption stress{QStringLiteral("stress"),
                              withRange("crop: water stress factor", "Stress Factor"),
                              QStringLiteral("X")};
    QCommandLineOption cuttings{QStringLiteral("cuttings"),
                                withRange("crop: number of hay cuttings", "Cuttings"),
                                QStringLiteral("N")};
    QCommandLineOption firstCut{QStringLiteral("first-cut"),
                                QStringLiteral("crop: first cutting date M/D."),
                                QStringLiteral("M/D")};
    QCommandLineOption lastCut{QStringLiteral("last-cut"),
                               QStringLiteral("crop: last cutting date M/D."),
                               QStringLiteral("M/D")};

    Parsed() {
        parser.setApplicationDescription(QString::fromLatin1(kDescription));
        parser.addHelpOption();
        parser.addPositionalArgument(QStringLiteral("command"),
                                     QStringLiteral("job, crop, batch, dates, new-job or report"));
        parser.addOptions({db,         format, publishedWind, station,  stations, crop,     crops,
                           method,     plant,  harvest,       netIrr,   carryBeg, carryEnd, soil,
                           irrigation, stress, cuttings,      firstCut, lastCut,  location, planner,
                           date,       save,   kind,          out});
        parser.addOptions(datesOptions());
    }
};

[[noreturn]] void badInput(const QString& message) {
    throw InputError{message};
}

Format formatOf(const QString& text, Format fallback) {
    if (text.isEmpty())
        return fallback;
    if (text == QStringLiteral("table"))
        return Format::Table;
    if (text == QStringLiteral("json"))
        return Format::Json;
    if (text == QStringLiteral("csv"))
        return Format::Csv;
    badInput(QStringLiteral("unknown format '%1' (table, json or csv)").arg(text));
}

int methodOf(const QString& text) {
    if (text.isEmpty() || text == QStringLiteral("TR21"))
        return kova::calc::kETTR21;
    if (text == QStringLiteral("RAD"))
        return kova::calc::kETRadiation;
    if (text == QStringLiteral("TEMP"))
        return kova::calc::kETTemperature;
    badInput(QStringLiteral("unknown ET method '%1' (TR21, RAD or TEMP)").arg(text));
}

std::optional<kova::calc::MonthDay> dateOption(const Parsed& p, const QCommandLineOption& o) {
    if (!p.parser.isSet(o))
        return std::nullopt;
    const QString text = p.parser.value(o);
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})/(\\d{1,2})$"));
    const auto match = pattern.match(text);
    const int month = match.hasMatch() ? match.captured(1).toInt() : 0;
    const int day = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (month < 1 || month > 12 || day < 1 || day > kova::calc::monthLength(month))
        badInput(QStringLiteral("malformed date '%1' for --%2 (expected M/D, e.g. 5/1)")
                     .arg(text, o.names().front()));
    return kova::calc::MonthDay{month, day};
}

// A finite number within the range of the field the option fills; a whole one for a
// Smallint field.
template <class T>
std::optional<T> numberOption(const Parsed& p, const QCommandLineOption& o, const char* fieldName) {
    if (!p.parser.isSet(o))
        return std::nullopt;
    const kova::store::FieldDef& field = workingField(fieldName);
    const bool whole = field.type == kova::store::FieldType::Smallint;
    bool ok = false;
    const double v = p.parser.value(o).toDouble(&ok);
    if (!ok || !std::isfinite(v) || !field.accepts(v) || (whole && v != std::floor(v)))
        badInput(QStringLiteral("invalid number '%1' for --%2 (%3%4)")
                     .arg(p.parser.value(o), o.names().front(),
                          whole ? QStringLiteral("a whole number, ") : QString(),
                          rangeText(field)));
    return static_cast<T>(v);
}

// One entry of `choices`, exactly as written there.
std::optional<QString> listOption(const Parsed& p, const QCommandLineOption& o, const QString& what,
                                  const QStringList& choices) {
    if (!p.parser.isSet(o))
        return std::nullopt;
    const QString value = p.parser.value(o);
    if (!choices.contains(value))
        badInput(QStringLiteral("unknown %1 '%2' for --%3 (%4)")
                     .arg(what, value, o.names().front(), choices.join(QStringLiteral(", "))));
    return value;
}

// The local defaults' wording and the crop parameters dialog's, each entry once.
QStringList irrigationChoices() {
    QStringList choices = kova::calc::localIrrigationTypes();
    for (const QString& type : kova::calc::dialogIrrigationTypes())
        if (!choices.contains(type))
            choices << type;
    return choices;
}

CropOverrides overridesOf(const Parsed& p) {
    CropOverrides o;
    o.plant = dateOption(p, p.plant);
    o.harvest = dateOption(p, p.harvest);
    o.firstCut = dateOption(p, p.firstCut);
    o.lastCut = dateOption(p, p.lastCut);
    o.netIrr = numberOption<double>(p, p.netIrr, "Net Irr");
    o.carryBeg = numberOption<double>(p, p.carryBeg, "Carry Beg");
    o.carryEnd = numberOption<double>(p, p.carryEnd, "Carry End");
    o.stress = numberOption<double>(p, p.stress, "Stress Factor");
    o.cuttings = numberOption<int>(p, p.cuttings, "Cuttings");
    o.soil = listOption(p, p.soil, QStringLiteral("soil"), soilChoices());
    o.irrigation =
        listOption(p, p.irrigation, QStringLiteral("irrigation type"), irrigationChoices());
    return o;
}

QStringList namesOption(const Parsed& p, const QCommandLineOption& o) {
    const QString text = p.parser.isSet(o) ? p.parser.value(o) : QStringLiteral("all");
    return text.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QStringList splitNames(const QString& text, QChar separator) {
    QStringList names;
    for (const QString& name : text.split(separator))
        if (!name.trimmed().isEmpty())
            names << name.trimmed();
    return names;
}

// Crop names may hold commas: a list with a ';' is separated by ';' only.
QStringList cropNames(const QString& text) {
    return splitNames(text, text.contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char(','));
}

QString dateOf(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^\\d{2}/\\d{2}/\\d{2}$"));
    if (!pattern.match(text).hasMatch() ||
        !QDate::fromString(text, QStringLiteral("MM/dd/yy")).isValid())
        badInput(QStringLiteral("malformed date '%1' for --date (expected MM/DD/YY, e.g. 12/07/26)")
                     .arg(text));
    return text;
}

NewJobRequest newJobRequest(const Parsed& p, const QString& name) {
    if (!p.parser.isSet(p.station) || !p.parser.isSet(p.crops))
        badInput(QStringLiteral("new-job needs --station NAME and --crops \"A;B;...\""));
    NewJobRequest r;
    r.name = name;
    r.station = p.parser.value(p.station);
    r.crops = splitNames(p.parser.value(p.crops), QLatin1Char(';'));
    if (r.crops.isEmpty())
        badInput(QStringLiteral("new-job needs at least one crop in --crops"));
    const auto text = [&](const QCommandLineOption& o) {
        return p.parser.isSet(o) ? std::optional<QString>(p.parser.value(o)) : std::nullopt;
    };
    r.location = text(p.location);
    r.planner = text(p.planner);
    if (p.parser.isSet(p.date))
        r.date = dateOf(p.parser.value(p.date));
    if (p.parser.isSet(p.method))
        r.method = methodOf(p.parser.value(p.method));
    r.save = p.parser.isSet(p.save);
    return r;
}

// new-job works on the database itself: --db points the alias at that file in this process.
Options newJobOptions(const Parsed& p, Options options) {
    if (p.parser.isSet(p.db)) {
        kova::store::AliasTarget target;
        target.databaseFile = p.parser.value(p.db);
        kova::store::AliasRegistry::instance().define(kova::store::kDefaultAlias, target);
    }
    options.alias = kova::store::kDefaultAlias;
    return options;
}

// report: the files written, one a line.
QString reportFiles(const Options& options, const Parsed& p, const QString& job) {
#ifdef KOVA_CALC_REPORT
    const ReportRequest request{job, p.parser.value(p.kind), p.parser.value(p.crop),
                                p.parser.value(p.out)};
    return runReport(options, request).join(QLatin1Char('\n')) + QLatin1Char('\n');
#else
    Q_UNUSED(options);
    Q_UNUSED(p);
    Q_UNUSED(job);
    badInput(QStringLiteral("this kova-calc was built without the reports"));
#endif
}

const QString kCommands = QStringLiteral("job, crop, batch, dates, new-job or report");

int run(const QStringList& arguments) {
    Parsed p;
    if (!p.parser.parse(arguments))
        badInput(p.parser.errorText());
    if (p.parser.isSet(QStringLiteral("help")))
        p.parser.showHelp(0);
    const QStringList args = p.parser.positionalArguments();
    const QString command = args.value(0);
    const bool named = command == QStringLiteral("job") || command == QStringLiteral("new-job");
    const bool report = command == QStringLiteral("report");
    if (!named && !report && command != QStringLiteral("crop") &&
        command != QStringLiteral("batch") && command != QStringLiteral("dates"))
        badInput(command.isEmpty()
                     ? QStringLiteral("no command given (%1; see --help)").arg(kCommands)
                     : QStringLiteral("unknown command '%1' (%2)").arg(command, kCommands));
    if (named && args.size() != 2)
        badInput(QStringLiteral("%1 needs one job name").arg(command));
    if (report && args.size() > 2)
        badInput(QStringLiteral("unexpected argument '%1'").arg(args.value(2)));
    if (!named && !report && args.size() != 1)
        badInput(QStringLiteral("unexpected argument '%1'").arg(args.value(1)));
    if (command == QStringLiteral("crop") &&
        (!p.parser.isSet(p.station) || !p.parser.isSet(p.crop)))
        badInput(QStringLiteral("crop needs --station NAME and --crop NAME"));

    Options options;
    options.format = formatOf(p.parser.value(p.format),
                              command == QStringLiteral("batch") ? Format::Csv : Format::Table);
    options.etIndex = methodOf(p.parser.value(p.method));
    options.wind = p.parser.isSet(p.publishedWind) ? kova::calc::WindForm::Published
                                                   : kova::calc::WindForm::Driver;
    const CropOverrides overrides = overridesOf(p);
    QTextStream out(stdout);
    if (command == QStringLiteral("new-job")) {
        const NewJobRequest request = newJobRequest(p, args[1]);
        out << formatJob(runNewJob(newJobOptions(p, options), request), options.format);
        return 0;
    }

    PrivateDatabase database;
    QString error;
    if (!database.open(p.parser.value(p.db), &error))
        badInput(error);
    options.alias = database.alias();

    QTextStream err(stderr);
    try {
        if (command == QStringLiteral("job"))
            out << formatJob(runJob(options, args[1]), options.format);
        else if (command == QStringLiteral("crop"))
            out << formatJob(
                runCrop(options, p.parser.value(p.station), p.parser.value(p.crop), overrides),
                options.format);
        else if (command == QStringLiteral("dates"))
            out << formatDates(runDates(options, p.parser), options.format);
        else if (report)
            out << reportFiles(options, p, args.value(1));
        else
            runBatch(options, namesOption(p, p.stations),
                     cropNames(p.parser.isSet(p.crops) ? p.parser.value(p.crops)
                                                       : QStringLiteral("all")),
                     out, err);
    } catch (const InputError& e) {
        badInput(database.inUserWords(e.message));
    } catch (const std::exception& e) {
        throw std::runtime_error(database.inUserWords(QString::fromUtf8(e.what())).toStdString());
    }
    return 0;
}

// The command named on the command line, before any application object exists.
QString commandOf(const QStringList& arguments) {
    Parsed p;
    return p.parser.parse(arguments) ? p.parser.positionalArguments().value(0) : QString();
}

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Only report draws (its charts need widgets); without a display it draws offscreen.
std::unique_ptr<QCoreApplication> applicationFor(const QString& command, int& argc, char** argv) {
#ifdef KOVA_CALC_REPORT
    if (command == QStringLiteral("report")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }
#else
    Q_UNUSED(command);
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
    const QStringList arguments = argumentsOf(argc, argv);
    const std::unique_ptr<QCoreApplication> app = applicationFor(commandOf(arguments), argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kova-calc"));
    try {
        return run(QCoreApplication::arguments());
    } catch (const InputError& e) {
        QTextStream(stderr) << "kova-calc: " << e.message << '\n';
        return kExitBadInput;
    } catch (const std::exception& e) {
        QTextStream(stderr) << "kova-calc: " << e.what() << '\n';
        return kExitFailure;
    }
}
