#include "screencolourprobe.h"
#include "testenvironment.h"

namespace {

// A desktop of the given widths that remembers where it was grabbed.
class FakeDesktop : public ScreenColourProbe
{
public:
    FakeDesktop(int logical, int physical, std::optional<ScreenColour> pixel)
        : m_logical(logical)
        , m_physical(physical)
        , m_pixel(pixel)
    {
    }

    int logicalScreenWidth() const override { return m_logical; }
    int physicalScreenWidth() const override { return m_physical; }
    std::optional<ScreenColour> grabPixel(const QPoint &point) const override
    {
        grabbedAt = point;
        return m_pixel;
    }

    mutable QPoint grabbedAt = {-1, -1};

private:
    int m_logical;
    int m_physical;
    std::optional<ScreenColour> m_pixel;
};

} // namespace

class tst_ScreenColourProbe : public QObject
{
    Q_OBJECT

private slots:
    void theCursorIsScaledByTheHorizontalFactorBeforeTheGrab_data()
    {
        QTest::addColumn<int>("logical");
        QTest::addColumn<int>("physical");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QPoint>("grabbedAt");
        QTest::newRow("150 %") << 1920 << 2880 << QPoint(100, 200) << QPoint(150, 300);
        QTest::newRow("unscaled") << 1920 << 1920 << QPoint(100, 200) << QPoint(100, 200);
        QTest::newRow("125 % truncates") << 1920 << 2400 << QPoint(3, 5) << QPoint(3, 6);
        QTest::newRow("no logical width: unscaled") << 0 << 2880 << QPoint(100, 200) << QPoint(100, 200);
    }

    void theCursorIsScaledByTheHorizontalFactorBeforeTheGrab()
    {
        QFETCH(int, logical);
        QFETCH(int, physical);
        QFETCH(QPoint, cursor);
        QFETCH(QPoint, grabbedAt);
        const FakeDesktop desktop(logical, physical, ScreenColour{1, 2, 3});
        const std::optional<ScreenColour> colour = desktop.colourAt(cursor);
        QCOMPARE(desktop.grabbedAt, grabbedAt);
        QVERIFY(colour);
        QCOMPARE(colour->blue, 3);
    }

    void aGrabWithoutPixelGivesNoColour()
    {
        const FakeDesktop desktop(1920, 2880, std::nullopt);
        QVERIFY(!desktop.colourAt(QPoint(10, 10)));
    }
};

TALVO_TEST_GUILESS_MAIN(tst_ScreenColourProbe)
#include "tst_screencolourprobe.moc"
