#include "output.h"

#include <QLocale>
#include <QStringList>

namespace kova::tools {

using calc::Monthly;
using calc::TKova;

namespace {

const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

} // namespace

QString jsonString(const QString& s) {
    QString out = QStringLiteral("\"");
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + QLatin1Char('"');
}

namespace {

QString jsonArray(const Monthly& series) {
    QStringList values;
    for (int m = 1; m <= 12; ++m)
        values << number(series[static_cast<size_t>(m)]);
    return QLatin1Char('[') + values.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString jsonMessages(const std::vector<calc::CalcMessage>& messages) {
    QStringList texts;
    for (const auto& m : messages)
        texts << jsonString(m.text);
    return QLatin1Char('[') + texts.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString cropJson(const CropResults& c) {
    const TKova& k = c.kova;
    QStringList f;
    f << QStringLiteral("\"crop\":%1").arg(jsonString(c.crop))
      << QStringLiteral("\"crop_no\":%1").arg(c.cropNo)
      << QStringLiteral("\"curve_index\":%1").arg(c.curveIndex)
      << QStringLiteral("\"kc\":") + jsonArray(k.Kc)
      << QStringLiteral("\"eto_rate\":") + jsonArray(k.EToRate)
      << QStringLiteral("\"etc_rate\":") + jsonArray(k.ETcRate)
      << QStringLiteral("\"eto_adjacent\":") + jsonArray(k.EToAdjacent)
      << QStringLiteral("\"et_month\":") + jsonArray(k.ETMonth)
      << QStringLiteral("\"ep50\":") + jsonArray(k.EP50)
      << QStringLiteral("\"ep80\":") + jsonArray(k.EP80)
      << QStringLiteral("\"ni50\":") + jsonArray(k.NI50)
      << QStringLiteral("\"ni80\":") + jsonArray(k.NI80)
      << QStringLiteral("\"carry_used50\":") + jsonArray(k.CarryUsed50)
      << QStringLiteral("\"carry_used80\":") + jsonArray(k.CarryUsed80)
      << QStringLiteral("\"peak_et\":") + jsonArray(k.PeakET)
      << QStringLiteral("\"totals\":{\"et\":%1,\"ep50\":%2,\"ep80\":%3,\"ni50\":%4,\"ni80\":%5}")
             .arg(number(k.ETTotal), number(k.EP50Total), number(k.EP80Total), number(k.NI50Total),
                  number(k.NI80Total))
      << QStringLiteral("\"ep_factor50\":") + number(k.EPFactor50)
      << QStringLiteral("\"ep_factor80\":") + number(k.EPFactor80)
      << QStringLiteral("\"messages\":") + jsonMessages(c.messages);
    return QLatin1Char('{') + f.join(QLatin1Char(',')) + QLatin1Char('}');
}

QString jobJson(const JobResults& job) {
    QStringList crops;
    for (const CropResults& c : job.crops)
        crops << cropJson(c);
    return QStringLiteral("{\"job\":%1,\"station\":%2,\"et_method\":%3,\"crops\":[%4]}\n")
        .arg(jsonString(job.job), jsonString(job.station), jsonString(job.etMethod),
             crops.join(QLatin1Char(',')));
}

QString csvField(const QString& s) {
    if (!s.contains(QLatin1Char(',')) && !s.contains(QLatin1Char('"')) &&
        !s.contains(QLatin1Char('\n')))
        return s;
    QString quoted = s;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString jobCsv(const JobResults& job) {
    QString out = QStringLiteral("job,station,et_method,crop,crop_no,month,kc,eto_rate,etc_rate,"
                                 "et,ep50,ep80,ni50,ni80,peak_et\n");
    for (const CropResults& c : job.crops) {
        const TKova& k = c.kova;
        const QString lead = QStringLiteral("%1,%2,%3,%4,%5,")
                                 .arg(csvField(job.job), csvField(job.station),
                                      csvField(job.etMethod), csvField(c.crop))
                                 .arg(c.cropNo);
        for (int m = 1; m <= 12; ++m) {
            const size_t i = static_cast<size_t>(m);
            out += lead +
                   QStringList{QString::fromLatin1(kMonths[m - 1]),
                               number(k.Kc[i]),
                               number(k.EToRate[i]),
                               number(k.ETcRate[i]),
                               number(k.ETMonth[i]),
                               number(k.EP50[i]),
                               number(k.EP80[i]),
                               number(k.NI50[i]),
                               number(k.NI80[i]),
                               number(k.PeakET[i])}
                       .join(QLatin1Char(',')) +
                   QLatin1Char('\n');
        }
        out += lead +
               QStringList{QStringLiteral("Total"),
                           {},
                           {},
                           {},
                           number(k.ETTotal),
                           number(k.EP50Total),
                           number(k.EP80Total),
                           number(k.NI50Total),
                           number(k.NI80Total),
                           {}}
                   .join(QLatin1Char(',')) +
               QLatin1Char('\n');
    }
    return out;
}

QString fixed(double v) {
    return QString::number(v, 'f', 2);
}

QString tableRow(const QString& label, const QStringList& cells) {
    QString row = label.leftJustified(6);
    for (const QString& c : cells)
        row += c.rightJustified(9);
    return row + QLatin1Char('\n');
}

QString cropTable(const CropResults& c) {
    const TKova& k = c.kova;
    QString out = QStringLiteral("Crop %1: %2  (curve %3 \"%4\")\n")
                      .arg(c.cropNo)
                      .arg(c.crop)
                      .arg(c.curveIndex)
                      .arg(k.CurveType);
    out += QStringLiteral("Season %1/%2 - %3/%4   EP ratios %5 (50%) %6 (80%)\n")
               .arg(k.PlantMo)
               .arg(k.PlantDay)
               .arg(k.HarvestMo)
               .arg(k.HarvestDay)
               .arg(fixed(k.EPFactor50), fixed(k.EPFactor80));
    out += tableRow(QStringLiteral("Month"),
                    {QStringLiteral("Kc"), QStringLiteral("ETo/day"), QStringLiteral("ETc/day"),
                     QStringLiteral("ET"), QStringLiteral("EP50"), QStringLiteral("EP80"),
                     QStringLiteral("NI50"), QStringLiteral("NI80"), QStringLiteral("Peak")});
    for (int m = 1; m <= 12; ++m) {
        const size_t i = static_cast<size_t>(m);
        out += tableRow(QString::fromLatin1(kMonths[m - 1]),
                        {fixed(k.Kc[i]), fixed(k.EToRate[i]), fixed(k.ETcRate[i]),
                         fixed(k.ETMonth[i]), fixed(k.EP50[i]), fixed(k.EP80[i]), fixed(k.NI50[i]),
                         fixed(k.NI80[i]), fixed(k.PeakET[i])});
    }
    out += tableRow(QStringLiteral("Total"),
                    {QString(), QString(), QString(), fixed(k.ETTotal), fixed(k.EP50Total),
                     fixed(k.EP80Total), fixed(k.NI50Total), fixed(k.NI80Total), QString()});
    for (const auto& m : c.messages)
        out += QStringLiteral("Message: %1\n").arg(m.text);
    return out;
}

QString jobTable(const JobResults& job) {
    QString out = QStringLiteral("Job: %1\nStation: %2\nET method: %3\n")
                      .arg(job.job, job.station, job.etMethod);
    for (const CropResults& c : job.crops)
        out += QLatin1Char('\n') + cropTable(c);
    return out;
}

QString joinedMessages(const std::vector<calc::CalcMessage>& messages) {
    QStringList texts;
    for (const auto& m : messages)
        if (!texts.contains(m.text))
            texts << m.text;
    return texts.join(QStringLiteral(" | "));
}

} // namespace

QString number(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString formatJob(const JobResults& job, Format format) {
    switch (format) {
    case Format::Json:
        return jobJson(job);
    case Format::Csv:
        return jobCsv(job);
    default:
        return jobTable(job);
    }
}

QString batchHeader(Format format) {
    switch (format) {
    case Format::Json:
        return QStringLiteral("[");
    case Format::Table:
        return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\n")
            .arg(QStringLiteral("Station"), -35)
            .arg(QStringLiteral("Crop"), -30)
            .arg(QStringLiteral("ET"), 8)
            .arg(QStringLiteral("EP50"), 8)
            .arg(QStringLiteral("EP80"), 8)
            .arg(QStringLiteral("NI50"), 8)
            .arg(QStringLiteral("NI80"), 8)
            .arg(QStringLiteral("Peak"), 5);
    default:
        return QStringLiteral(
            "station,crop,et_method,et,ep50,ep80,ni50,ni80,peak_month,messages\n");
    }
}

QString batchLine(const BatchLine& l, Format format, bool first) {
    const calc::StationCropResult& r = l.result;
    switch (format) {
    case Format::Json:
        return QStringLiteral(
                   "%1{\"station\":%2,\"crop\":%3,\"et_method\":%4,\"totals\":{\"et\":%5,"
                   "\"ep50\":%6,\"ep80\":%7,\"ni50\":%8,\"ni80\":%9},")
                   .arg(first ? QString() : QStringLiteral(","), jsonString(l.station),
                        jsonString(l.crop), jsonString(l.etMethod), number(r.ETTotal),
                        number(r.EP50Total), number(r.EP80Total), number(r.NI50Total),
                        number(r.NI80Total)) +
               QStringLiteral("\"peak_month\":%1,\"messages\":%2}\n")
                   .arg(r.peakMonth)
                   .arg(jsonMessages(l.messages));
    case Format::Table:
        return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\n")
            .arg(l.station.left(35), -35)
            .arg(l.crop.left(30), -30)
            .arg(fixed(r.ETTotal), 8)
            .arg(fixed(r.EP50Total), 8)
            .arg(fixed(r.EP80Total), 8)
            .arg(fixed(r.NI50Total), 8)
            .arg(fixed(r.NI80Total), 8)
            .arg(r.peakMonth ? QString::fromLatin1(kMonths[r.peakMonth - 1]) : QStringLiteral("-"),
                 5);
    default:
        return QStringList{csvField(l.station),          csvField(l.crop),
                           csvField(l.etMethod),         number(r.ETTotal),
                           number(r.EP50Total),          number(r.EP80Total),
                           number(r.NI50Total),          number(r.NI80Total),
                           QString::number(r.peakMonth), csvField(joinedMessages(l.messages))}
                   .join(QLatin1Char(',')) +
               QLatin1Char('\n');
    }
}

QString batchFooter(Format format) {
    return format == Format::Json ? QStringLiteral("]\n") : QString();
}

} // namespace kova::tools
