// A model's DPI range (its segments, snapping and stepping) and how a DPI
// number is stored in a level entry and read back, per sensor.

#include "capabilitiestext.h"
#include "dpicodec.h"
#include "dpilightbrightness.h"
#include "dpirange.h"
#include "testenvironment.h"

namespace {

DpiRange range(const char *items)
{
    return DpiRange::fromItems(QString::fromLatin1(items).split(QLatin1Char(','), Qt::KeepEmptyParts));
}

// The capability file with its table rows given as "name=value;name=value".
SensorCapabilities rows(const char *text)
{
    QByteArray file;
    for (const QString &row : QString::fromLatin1(text).split(QLatin1Char(';'), Qt::SkipEmptyParts))
        file += "#define " + row.section(QLatin1Char('='), 0, 0).toLatin1() + '\t'
                + row.section(QLatin1Char('='), 1).toLatin1() + '\n';
    return capabilitiesOf(file);
}

DpiCodec codec(const char *sensor, const char *rangeItems, const char *rowText)
{
    return DpiCodec(QString::fromLatin1(sensor), range(rangeItems), rows(rowText));
}

const char *const TwoSegments = "100,10000,100,10100,26000,100,22";
const char *const FourSegments = "100,10000,100,10100,20000,100,20200,30000,200,30400,50000,400,33";
const char *const TableRows = "SENSOR_3950_DPI_400=4;SENSOR_3950_DPI_800=9;SENSOR_3950_DPI_1600=19";

} // namespace

class tst_DpiRules : public QObject
{
    Q_OBJECT

private slots:
    void theRangeListGivesSegmentsAndFlags_data()
    {
        QTest::addColumn<QString>("items");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QVector<int>>("minimums");
        QTest::addColumn<QVector<int>>("maximums");
        QTest::addColumn<QString>("sliderRange");
        QTest::newRow("7 items: two segments") << TwoSegments << 2 << 0x22 << QVector<int>{100, 10100}
                                               << QVector<int>{10000, 26000} << "100-26000";
        QTest::newRow("flags written 0x22") << "100,10000,100,10100,26000,100,0x22" << 2 << 0x22
                                            << QVector<int>{100, 10100} << QVector<int>{10000, 26000} << "100-26000";
        QTest::newRow("8 items: still two") << "100,10000,100,10100,26000,100,7,33" << 2 << 0x33
                                            << QVector<int>{100, 10100} << QVector<int>{10000, 26000} << "100-26000";
        QTest::newRow("13 items: four") << FourSegments << 4 << 0x33 << QVector<int>{100, 10100, 20200, 30400}
                                        << QVector<int>{10000, 20000, 30000, 50000} << "100-50000";
        QTest::newRow("16 items: five, none kept")
            << "1,2,1,3,4,1,5,6,1,7,8,1,9,10,1,22" << 5 << 0x22 << QVector<int>{} << QVector<int>{} << "-";
        QTest::newRow("no whole segment") << "100,10000,22" << 0 << 0x22 << QVector<int>{} << QVector<int>{} << "-";
        QTest::newRow("empty") << "" << 0 << 0 << QVector<int>{} << QVector<int>{} << "-";
        QTest::newRow("flags no number") << "50,800,50,zz" << 1 << 0 << QVector<int>{50} << QVector<int>{800}
                                         << "50-800";
        QTest::newRow("bounds no number") << "x,800,50,22" << 1 << 0x22 << QVector<int>{0} << QVector<int>{800}
                                          << "x-800";
    }

    void theRangeListGivesSegmentsAndFlags()
    {
        QFETCH(QString, items);
        QFETCH(int, count);
        QFETCH(int, flags);
        QFETCH(QVector<int>, minimums);
        QFETCH(QVector<int>, maximums);
        QFETCH(QString, sliderRange);
        const DpiRange parsed = range(qPrintable(items));
        QCOMPARE(parsed.count(), count);
        QCOMPARE(parsed.flags(), flags);
        QCOMPARE(parsed.minimums(), minimums);
        QCOMPARE(parsed.maximums(), maximums);
        QCOMPARE(parsed.minimumText() + '-' + parsed.maximumText(), sliderRange);
    }

    void aValueSnapsToTheStepOfItsSegment_data()
    {
        QTest::addColumn<QString>("items");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("snapped");
        QTest::addColumn<int>("pageStep");
        QTest::newRow("one segment") << "50,26000,50,22" << 1234 << 1200 << 50;
        QTest::newRow("remainder taken from 0") << "75,26000,50,22" << 1234 << 1200 << 50;
        QTest::newRow("first of two") << "50,10000,50,10100,26000,100,22" << 9990 << 9950 << 50;
        QTest::newRow("gap goes up") << "50,10000,50,10100,26000,100,22" << 10050 << 10100 << 100;
        QTest::newRow("wide gap goes up") << "50,10000,50,10200,26000,100,22" << 10100 << 10200 << 100;
        QTest::newRow("below every segment") << "100,26000,50,22" << 60 << 60 << 0;
        QTest::newRow("above every segment") << "100,26000,50,22" << 30000 << 30000 << 0;
        QTest::newRow("five segments: none") << "1,2,1,3,4,1,5,6,1,7,8,1,9,10,1,22" << 3 << 3 << 0;
        QTest::newRow("step missing") << "50,26000,,22" << 1234 << 1234 << 0;
        QTest::newRow("step no number") << "50,26000,abc,22" << 1234 << 1234 << 0;
        QTest::newRow("negative step") << "50,26000,-50,22" << 1234 << 1234 << 0;
        QTest::newRow("gap into a step of 0") << "50,1000,50,2000,3000,0,22" << 1500 << 2000 << 0;
    }

    void aValueSnapsToTheStepOfItsSegment()
    {
        QFETCH(QString, items);
        QFETCH(int, value);
        QFETCH(int, snapped);
        QFETCH(int, pageStep);
        const DpiRange::Snapped result = range(qPrintable(items)).snap(value);
        QCOMPARE(result.value, snapped);
        QCOMPARE(result.pageStep, pageStep);
    }

    void plusAndMinusStepAcrossSegments_data()
    {
        QTest::addColumn<QString>("items");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("up");
        QTest::addColumn<int>("down");
        QTest::newRow("one segment") << "50,26000,50,22" << 1200 << 1250 << 1150;
        QTest::newRow("at the minimum") << "50,26000,50,22" << 50 << 100 << 0;
        QTest::newRow("at the last maximum") << "50,26000,50,22" << 26000 << 26050 << 25950;
        QTest::newRow("at a maximum") << "50,10000,50,10100,26000,100,22" << 10000 << 10100 << 9950;
        QTest::newRow("at the next minimum") << "50,10000,50,10100,26000,100,22" << 10100 << 10200 << 10000;
        QTest::newRow("minus into a gap") << "50,10000,50,10200,26000,100,22" << 10200 << 10300 << 10100;
        QTest::newRow("inside a gap") << "50,10000,50,10200,26000,100,22" << 10100 << 10200 << 10200;
        QTest::newRow("outside") << "50,10000,50,10200,26000,100,22" << 30000 << 30000 << 30000;
        QTest::newRow("no segments") << "22" << 800 << 800 << 800;
        QTest::newRow("step 0") << "50,26000,0,22" << 800 << 800 << 800;
        QTest::newRow("beyond int") << "0,2147483647,100,22" << 2147483600 << 2147483647 << 2147483500;
    }

    void plusAndMinusStepAcrossSegments()
    {
        QFETCH(QString, items);
        QFETCH(int, value);
        QFETCH(int, up);
        QFETCH(int, down);
        const DpiRange parsed = range(qPrintable(items));
        QCOMPARE(parsed.stepUp(value), up);
        QCOMPARE(parsed.stepDown(value), down);
    }

    void aDpiIsStoredAndReadBack_data()
    {
        QTest::addColumn<QString>("sensor");
        QTest::addColumn<QString>("items");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("levelFlags");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("decoded");
        auto row = [](const char *name, const char *sensor, const char *items, const char *table, int dpi,
                      int value, int flags, int decoded, int levelFlags = 0) {
            QTest::newRow(name) << sensor << items << table << levelFlags << dpi << value << flags << decoded;
        };
        row("800", "3395", TwoSegments, "", 800, 15, 0x00, 800);
        row("875 rounds down", "3395", TwoSegments, "", 875, 16, 0x00, 850);
        row("the first maximum keeps step 50", "3395", TwoSegments, "", 10000, 199, 0x00, 10000);
        row("above it step 100", "3395", TwoSegments, "", 12800, 127, 0x22, 12800);
        row("high bits of a wide sensor", "3395", TwoSegments, "", 26000, 259, 0x66, 26000);
        row("high bits of the other wide sensor", "3950", TwoSegments, "", 26000, 259, 0x66, 26000);
        row("too large for a byte: the largest", "3370", TwoSegments, "", 26000, 255, 0x22, 25600);
        row("too large for a wide sensor", "3395", TwoSegments, "", 300000, 1023, 0xEE, 102400);
        row("below the first unit", "3395", TwoSegments, "", 20, 0, 0x00, 50);
        row("F 0x11 doubles", "3370", "100,10000,100,10100,26000,100,11", "", 12800, 127, 0x11, 12800);
        row("F 0x33 first segment", "3370", FourSegments, "", 800, 15, 0x00, 800);
        row("F 0x33 at a segment minimum", "3370", FourSegments, "", 10100, 100, 0x22, 10100);
        row("F 0x33 second segment", "3370", FourSegments, "", 15000, 149, 0x22, 15000);
        row("F 0x33 third segment", "3370", FourSegments, "", 25000, 249, 0x11, 25000);
        row("F 0x33 fourth segment", "3370", FourSegments, "", 36000, 179, 0x33, 36000);
        row("F 0x33 below every minimum", "3370", FourSegments, "", 60, 0, 0x00, 50);
        row("other flags", "3370", "100,26000,100,44", "", 12800, 255, 0x00, 12800);
        row("no segments", "3370", "", "", 1600, 31, 0x00, 1600);
        row("table row", "3950", "100,26000,50,0", TableRows, 800, 9, 0x00, 800);
        row("table row 1600", "3950", "100,26000,50,0", TableRows, 1600, 19, 0x00, 1600);
        row("no row: the nearest", "3950", "100,26000,50,0", TableRows, 1000, 9, 0x00, 800);
        row("no row: the lower on a tie", "3950", "100,26000,50,0", TableRows, 1200, 9, 0x00, 800);
        row("no row: above every row", "3950", "100,26000,50,0", TableRows, 20000, 19, 0x00, 1600);
        row("table row of a doubled unit", "3950", TwoSegments, "SENSOR_3950_DPI_6000=60", 12000, 60, 0x22, 12000);
        row("table without numbered rows", "3950", "100,26000,50,0", "SENSOR_3950_DPI=7", 1000, 20, 0x00, 0);
        row("and a level in step 100", "3950", "100,26000,50,0", "SENSOR_3950_DPI=7", 1000, 10, 0x00, 0, 0x22);
        row("no numbered row, too large for a byte", "3950", "100,26000,50,0", "SENSOR_3950_DPI=7", 26000, 255, 0x00,
            0);
        row("another sensor's table", "3395", TwoSegments, TableRows, 800, 15, 0x00, 800);
    }

    void aDpiIsStoredAndReadBack()
    {
        QFETCH(QString, sensor);
        QFETCH(QString, items);
        QFETCH(QString, table);
        QFETCH(int, levelFlags);
        QFETCH(int, dpi);
        QFETCH(int, value);
        QFETCH(int, flags);
        QFETCH(int, decoded);
        const DpiCodec model = codec(qPrintable(sensor), qPrintable(items), qPrintable(table));
        const DpiCodec::Encoded stored = model.encode(dpi, levelFlags);
        QCOMPARE(stored.value, value);
        QCOMPARE(stored.flags, flags);
        QCOMPARE(model.decode(std::uint8_t(stored.value), std::uint8_t(stored.flags)), decoded);
    }

    void aStoredEntryReadsAsItsDpi_data()
    {
        QTest::addColumn<QString>("sensor");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("dpi");
        QTest::newRow("high bits ignored elsewhere") << "3370" << "" << 3 << 0x66 << 400;
        QTest::newRow("low high-bit copies not read") << "3395" << "" << 3 << 0x0C << 200;
        QTest::newRow("table value no row holds") << "3950" << TableRows << 20 << 0x00 << 0;
        QTest::newRow("table row without a number") << "3950" << "SENSOR_3950_DPI_=7;SENSOR_3950_DPI_800=9" << 7
                                                   << 0x00 << 0;
        QTest::newRow("table row doubled twice") << "3950" << TableRows << 19 << 0x33 << 6400;
        QTest::newRow("first matching row") << "3950" << "SENSOR_3950_DPI_400=9;SENSOR_3950_DPI_800=9" << 9 << 0
                                            << 400;
        QTest::newRow("empty id is no table") << "" << TableRows << 9 << 0 << 500;
    }

    void aStoredEntryReadsAsItsDpi()
    {
        QFETCH(QString, sensor);
        QFETCH(QString, table);
        QFETCH(int, value);
        QFETCH(int, flags);
        QFETCH(int, dpi);
        QCOMPARE(codec(qPrintable(sensor), TwoSegments, qPrintable(table)).decode(std::uint8_t(value),
                                                                                   std::uint8_t(flags)),
                 dpi);
    }

    void brightnessStepsMatchTheirBytesExactly()
    {
        QCOMPARE(dpiLightBrightnessByte(1), 16);
        QCOMPARE(dpiLightBrightnessByte(5), 128);
        QCOMPARE(dpiLightBrightnessByte(10), 255);
        QCOMPARE(dpiLightBrightnessStep(230), 9);
        QCOMPARE(dpiLightBrightnessStep(100), 100);
        QCOMPARE(dpiLightBrightnessStep(0), 0);
    }
};

TALVO_TEST_GUILESS_MAIN(tst_DpiRules)
#include "tst_dpirules.moc"
