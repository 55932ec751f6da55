// Rows that name rows of other tables must name existing ones; the builder refuses the data
// otherwise and tells the file, line and field of the dangling name.

#include "datadircopy.h"

#include <gtest/gtest.h>

using kova::test::DataDirCopy;

namespace {

const QString kCrops = QStringLiteral("KovaCrop.csv");

// A created crop row with the given curve columns and the corn dates.
QString createdCrop(const QString& name, const QString& basType, const QString& basCurve,
                    const QString& bcType, const QString& bcCurve) {
    return QStringList({name, basType, QStringLiteral("AM"), basCurve, bcType, bcCurve})
               .join(QLatin1Char(',')) +
           QStringLiteral(",5,1,9,28,150,170,55,50,,false");
}

int nextLine(const DataDirCopy& data, const QString& csv) {
    return static_cast<int>(data.lines(csv).size()) + 1;
}

} // namespace

TEST(ReferenceCheck, CreatedCropCurvesMustExistInTheTableTheirTypeNames) {
    DataDirCopy data;
    const int first = nextLine(data, kCrops);
    const QString annual = QStringLiteral("Blaney Criddle Annual Crop");
    const QString fieldVeg = QStringLiteral("Field and vegetable crops");
    data.appendLine(kCrops, createdCrop(QStringLiteral("Purple corn"), fieldVeg,
                                        QStringLiteral("Corn (grain) AM"), annual,
                                        QStringLiteral("Corn (purple)")));
    // The curve exists, but among the field crops, not the perennial ones.
    data.appendLine(kCrops, createdCrop(QStringLiteral("Orchard corn"),
                                        QStringLiteral("Perennial and specialty crops"),
                                        QStringLiteral("Corn (grain) AM"), annual,
                                        QStringLiteral("Corn (grain)")));
    data.appendLine(kCrops,
                    createdCrop(QStringLiteral("Odd corn"), QStringLiteral("Cereals"),
                                QStringLiteral("Corn (grain) AM"), QStringLiteral("Blaney Criddle"),
                                QStringLiteral("Corn (grain)")));
    // Without a basal curve a created crop is sound.
    data.appendLine(kCrops, createdCrop(QStringLiteral("TR21 only corn"), QString(), QString(),
                                        annual, QStringLiteral("Corn (grain)")));
    EXPECT_EQ(data.build(),
              QStringList({QStringLiteral("KovaCrop.csv:%1: field 'BC Crop Curve Name': curve "
                                          "'Corn (purple)' is not in CrpBCAnu")
                               .arg(first),
                           QStringLiteral("KovaCrop.csv:%1: field 'Bas Crop Curve Name': curve "
                                          "'Corn (grain) AM' is not in CrpPeren")
                               .arg(first + 1),
                           QStringLiteral("KovaCrop.csv:%1: field 'Bas Crop Type': 'Cereals' "
                                          "names no basal curve table")
                               .arg(first + 2),
                           QStringLiteral("KovaCrop.csv:%1: field 'BC Crop Type': 'Blaney "
                                          "Criddle' names no TR21 curve table")
                               .arg(first + 2)}));
}

TEST(ReferenceCheck, CurveCropTypesStationSitesAndCountiesBothWays) {
    DataDirCopy data;
    const int curveLine = nextLine(data, QStringLiteral("CrpAnNam.csv"));
    data.appendLine(QStringLiteral("CrpAnNam.csv"),
                    QStringLiteral("Quinoa AM,Pseudocereals,AM,1.0,0.3,false,"));
    const int stationLine = nextLine(data, QStringLiteral("Climate.csv"));
    QString station = data.lines(QStringLiteral("Climate.csv"))[2]; // PHOENIX, with a WHR site
    station.replace(QStringLiteral("PHOENIX SKY HARBOR INTL AP,\"Maricopa, AZ\""),
                    QStringLiteral("MESA,\"Mesa, AZ\""));
    station.replace(QStringLiteral("Phoenix AZ Airport"), QStringLiteral("Mesa AZ Airport"));
    data.appendLine(QStringLiteral("Climate.csv"), station);
    const int countyLine = nextLine(data, QStringLiteral("County.csv"));
    data.appendLine(QStringLiteral("County.csv"), QStringLiteral("\"Mohave, AZ\""));
    EXPECT_EQ(data.build(),
              QStringList({QStringLiteral("CrpAnNam.csv:%1: field 'Crop Type': crop type "
                                          "'Pseudocereals' is not in CrpAnTyp")
                               .arg(curveLine),
                           QStringLiteral("Climate.csv:%1: field 'WHR Location': WHR site 'Mesa "
                                          "AZ Airport (WBAN 23183)' is not in ClimWHR")
                               .arg(stationLine),
                           QStringLiteral("Climate.csv:%1: field 'County': county 'Mesa, AZ' is "
                                          "not in County")
                               .arg(stationLine),
                           QStringLiteral("County.csv:%1: field 'County': county 'Mohave, AZ' has "
                                          "no station in Climate")
                               .arg(countyLine)}));
}

TEST(ReferenceCheck, SavedJobsNameTheirStationCropsAndCurves) {
    DataDirCopy data;
    // A 35-character station name is kept by a job as its first 30 characters.
    QString station = data.lines(QStringLiteral("Climate.csv"))[1];
    station.replace(QStringLiteral("FLAGSTAFF PULLIAM AP"),
                    QStringLiteral("FLAGSTAFF PULLIAM AP NUMBER TWO 35"));
    data.appendLine(QStringLiteral("Climate.csv"), station);
    data.appendLine(QStringLiteral("KovaJob.csv"),
                    QStringLiteral("Long station job,Here,Me,12/08/26,FLAGSTAFF PULLIAM AP "
                                   "NUMBER TW,7003,0,0.9,0.7,03103,\"Coconino, AZ\",3509,11140,"
                                   "Radiation,2"));
    ASSERT_EQ(data.build(), QStringList());

    data.editLine(QStringLiteral("KovaJob.csv"), 2, QStringLiteral(",CHEYENNE,"),
                  QStringLiteral(",CHEYENNE WEST,"));
    data.editLine(QStringLiteral("KovaJobCrop.csv"), 3, QStringLiteral(",2,"),
                  QStringLiteral(",1,")); // alfalfa's forage curve sought among perennials
    data.editLine(QStringLiteral("KovaJobCrop.csv"), 4, QStringLiteral("Dry beans"),
                  QStringLiteral("Wet beans"));
    data.editLine(QStringLiteral("KovaJobCrop.csv"), 5, QStringLiteral(",0,"),
                  QStringLiteral(",7,"));
    data.appendLine(QStringLiteral("KovaJobCrop.csv"),
                    data.lines(QStringLiteral("KovaJobCrop.csv"))[1].replace(
                        QStringLiteral("Cheyenne sample job"), QStringLiteral("Lost job")));
    EXPECT_EQ(
        data.build(),
        QStringList(
            {QStringLiteral("KovaJob.csv:2: field 'Weather Station': station 'CHEYENNE WEST' is "
                            "not in Climate"),
             QStringLiteral("KovaJobCrop.csv:3: field 'Curve Name': curve 'Alfalfa hay AM' is not "
                            "in CrpPeren"),
             QStringLiteral("KovaJobCrop.csv:4: field 'Crop Name': crop 'Wet beans' is not in "
                            "KovaCrop"),
             QStringLiteral("KovaJobCrop.csv:5: field 'Curve Index': 7 is no curve kind (0 to 4)"),
             QStringLiteral("KovaJobCrop.csv:7: field 'Job Name': job 'Lost job' is not in "
                            "KovaJob")}));
}

TEST(ReferenceCheck, JobCropCountMatchesItsStoredCrops) {
    DataDirCopy data;
    data.editLine(QStringLiteral("KovaJob.csv"), 2, QStringLiteral(",5,"), QStringLiteral(",4,"));
    EXPECT_EQ(data.build(),
              QStringList(QStringLiteral("KovaJob.csv:2: field 'No of Crops': 4, but KovaJobCrop "
                                         "holds 5 crops of this job")));
}
