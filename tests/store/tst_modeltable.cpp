// Sensor, DPI scale and lighting class per model.

#include "common/TestHome.h"
#include "store/ConfigFile.h"
#include "store/ModelTable.h"
#include "store/ProfileData.h"

#include <QtTest>

class TestModelTable : public QObject
{
    Q_OBJECT

private slots:
    void readsTheProductEachTime();
    void dpi_data();
    void dpi();
    void scaleEnds_data();
    void scaleEnds();
    void reportRates();
    void namesCoverEveryChoice();
    void unknownSensorTakesFallbackScale_data();
    void unknownSensorTakesFallbackScale();
};

void TestModelTable::readsTheProductEachTime()
{
    TestHome home;
    QCOMPARE(int(sensorType()), 3325); // no Config.ini at all
    QCOMPARE(int(lightingClass()), 0);
    writeProductName(QStringLiteral("NX-23"));
    QCOMPARE(int(sensorType()), 3327);
    QCOMPARE(int(lightingClass()), 4);
    writeProductName(QStringLiteral("NX-18"));
    QCOMPARE(int(sensorType()), 3395);
    QCOMPARE(int(lightingClass()), 3);
}

void TestModelTable::dpi_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("dpi");
    // {sensor, slider value, DPI}, worked out by hand, the models' default
    // stages among them (round values). The step doubles above a sensor's
    // native maximum; 3104 rounds to whole hundreds near them; 3212 has three
    // formulas with fix-ups of their own; an unknown sensor gives 0.
    // clang-format off
    const int rows[][3] = {
        {3325, 50, 5000}, {3325, 51, 5200}, {3327, 61, 6200}, {3327, 62, 6400}, {3327, 92, 12400},
        {3327, 93, 12600}, {3327, 105, 16200}, {3327, 106, 16400}, {3333, 80, 8000},
        {3333, 81, 8200}, {3335, 160, 16000}, {3335, 161, 16200}, {3360, 120, 12000},
        {3360, 121, 12200}, {3389, 320, 16000}, {3389, 321, 16100}, {3395, 519, 26000},
        {3395, 520, 26100}, {3399, 399, 20000}, {3399, 400, 20100}, {3104, 14, 500},
        {3104, 15, 570}, {3104, 27, 1000}, {3104, 53, 2000}, {3104, 55, 2090}, {3104, 58, 2200},
        {3104, 68, 2580}, {3104, 71, 2700}, {3104, 79, 3000}, {3104, 105, 3990}, {3104, 106, 4000},
        {3104, 107, 4100}, {3104, 108, 4180}, {3104, 120, 5100}, {3104, 132, 6000},
        {3104, 159, 8000}, {3212, 16, 600}, {3212, 21, 800}, {3212, 22, 830}, {3212, 32, 1200},
        {3212, 43, 1600}, {3212, 63, 2400}, {3212, 64, 2430}, {3212, 94, 4710}, {3212, 95, 4860},
        {3212, 111, 7200}, {3100, 50, 0}, {0, 10, 0}, {3327, 4, 500}, {3327, 9, 1000},
        {3327, 19, 2000}, {3327, 29, 3000}, {3325, 5, 500}, {3325, 10, 1000}, {3325, 20, 2000},
        {3325, 30, 3000}, {3389, 20, 1000}, {3389, 40, 2000}, {3389, 80, 4000},
        {3389, 160, 8000}, {3395, 19, 1000}, {3395, 39, 2000}, {3395, 79, 4000},
        {3395, 159, 8000}};
    // clang-format on
    for (const auto &row : rows)
        QTest::addRow("%d v%d", row[0], row[1]) << row[0] << row[1] << row[2];
}

void TestModelTable::dpi()
{
    QFETCH(int, sensor);
    QFETCH(int, value);
    QFETCH(int, dpi);
    QCOMPARE(dpiFromSlider(value, quint32(sensor)), dpi);
}

// Each model's sensor, and the DPI at both ends of its scale, worked out
// by hand; a wrong end of the slider range shows as a wrong DPI. Names only
// a character apart, and unlisted ones, take the 3325.
void TestModelTable::scaleEnds_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("minDpi");
    QTest::addColumn<int>("maxDpi");
    // clang-format off
    const struct { const char *product; int sensor, minDpi, maxDpi; } rows[] = {
        {"NX-04", 3325, 100, 10000}, {"TEST xx", 3325, 100, 10000}, {"NX-26", 3325, 100, 10000},
        {"NX-27", 3325, 100, 10000}, {"", 3325, 100, 10000}, {"test", 3325, 100, 10000},
        {"NX-03", 3327, 200, 12400}, {"NX-53", 3327, 200, 12400}, {"NX-48", 3327, 200, 16400},
        {"NX-10", 3333, 200, 16000}, {"NX-09", 3335, 100, 32000}, {"NX-34", 3360, 100, 24000},
        {"NX-01", 3389, 100, 32000}, {"TEST", 3389, 100, 32000}, {"NX-18", 3395, 50, 52000},
        {"NX-16", 3399, 50, 40000}, {"NX-19", 3399, 50, 40000}, {"NX-07", 3104, 500, 8000},
        {"NX-44", 3104, 500, 8000}, {"NX-29", 3212, 600, 7200}};
    // clang-format on
    for (const auto &r : rows)
        QTest::addRow("%d %s", r.sensor, r.product)
            << QString::fromLatin1(r.product) << r.sensor << r.minDpi << r.maxDpi;
}

void TestModelTable::scaleEnds()
{
    QFETCH(QString, product);
    QFETCH(int, sensor);
    QFETCH(int, minDpi);
    QFETCH(int, maxDpi);
    QCOMPARE(int(sensorType(product)), sensor);
    const DpiSliderRange range = dpiSliderRange(quint32(sensor), product);
    QCOMPARE(dpiFromSlider(range.min, quint32(sensor)), minDpi);
    QCOMPARE(dpiFromSlider(range.max, quint32(sensor)), maxDpi);
}

// A code is the report interval in milliseconds, and each finds its rate
// again; a code no rate has finds none.
void TestModelTable::reportRates()
{
    QVERIFY(!::reportRates().empty());
    for (const ReportRate &rate : ::reportRates()) {
        QCOMPARE(rate.code * rate.hz, 1000);
        QCOMPARE(reportRateByCode(rate.code), &rate);
        QVERIFY(
            QString::fromLatin1(rate.text).startsWith(QString::number(rate.hz) + QLatin1Char(' ')));
    }
    for (quint8 code : {0, 3, 16, 255})
        QCOMPARE(reportRateByCode(code), nullptr);
}

// Every effect any model's menu offers has a name, and so has every
// lift-off distance a model offers; no two share one.
void TestModelTable::namesCoverEveryChoice()
{
    QStringList models{QStringLiteral("TEST"), QStringLiteral("TEST xx")};
    for (int n = 1; n <= 60; ++n)
        models << QStringLiteral("NX-%1").arg(n, 2, 10, QLatin1Char('0'));
    for (const QString &model : models) {
        QSet<QString> effects;
        for (int mode : lightingEffects(lightingClass(model), model)) {
            const char *text = lightingEffectText(mode);
            QVERIFY2(text, qPrintable(model));
            effects.insert(QString::fromLatin1(text));
        }
        QCOMPARE(effects.size(), lightingEffects(lightingClass(model), model).size());
        QVERIFY(size_t(liftOffDistanceCount(model)) <= liftOffDistances().size());
    }
    QCOMPARE(lightingEffectText(kLedModeCount), nullptr);
    QSet<QString> distances;
    for (const char *distance : liftOffDistances())
        distances.insert(QString::fromLatin1(distance));
    QCOMPARE(size_t(distances.size()), liftOffDistances().size());
}

void TestModelTable::unknownSensorTakesFallbackScale_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("scaleSensor");
    QTest::addColumn<int>("maxDpi");
    QTest::addRow("3399 keeps its own") << 3399 << 3399 << 40000;
    QTest::addRow("3104 keeps its own") << 3104 << 3104 << 8000;
    QTest::addRow("unknown 9999") << 9999 << 3325 << 10000;
    QTest::addRow("none") << 0 << 3325 << 10000;
}

void TestModelTable::unknownSensorTakesFallbackScale()
{
    QFETCH(int, sensor);
    QFETCH(int, scaleSensor);
    QFETCH(int, maxDpi);
    const DpiScale scale = dpiScale(quint32(sensor), QStringLiteral("NX-19"));
    QCOMPARE(int(scale.sensor), scaleSensor);
    QCOMPARE(dpiFromSlider(scale.range.max, scale.sensor), maxDpi);
}

QTEST_GUILESS_MAIN(TestModelTable)
#include "tst_modeltable.moc"
