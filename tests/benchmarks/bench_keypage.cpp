#include "dialog.h"
#include "macrofile.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLoggingCategory>

#include <algorithm>
#include <functional>

namespace {

constexpr int Rounds = 31;

QString macroName(int index)
{
    return QStringLiteral("Macro %1").arg(index, 5, 10, QLatin1Char('0'));
}

// A folder of macros 0 to size - 1 and nothing else.
bool fillMacroFolder(int size)
{
    if (!QDir(macroFolderPath()).removeRecursively() || !QDir().mkpath(macroFolderPath()))
        return false;
    for (int index = 0; index < size; ++index) {
        QFile file(macroFilePath(macroName(index)));
        if (!file.open(QIODevice::WriteOnly) || file.write("1\n") != 2)
            return false;
    }
    return true;
}

} // namespace

// The key page's macro list through the configuration frame, as the user
// reaches it: a click on the key page's tab from the macro page, with
// events handled until the page is drawn, when no macro changed and when
// the macro page added one meanwhile (its file is written before the clock
// starts). Each figure is the median of 31 clicks, since other work on
// the machine lengthens some of them.
class bench_KeyPage : public QObject
{
    Q_OBJECT

    void clickTheKeyPageTab(Dialog &frame, const std::function<void(int)> &beforeRound)
    {
        auto *macroTab = frame.findChild<QAbstractButton *>(QStringLiteral("MacroButton"));
        auto *keyTab = frame.findChild<QAbstractButton *>(QStringLiteral("ButtonMain"));
        QVector<qint64> times;
        for (int round = 0; round < Rounds; ++round) {
            macroTab->click();
            QCoreApplication::processEvents();
            beforeRound(round);
            QElapsedTimer clock;
            clock.start();
            keyTab->click();
            QCoreApplication::processEvents();
            times.append(clock.nsecsElapsed());
        }
        std::sort(times.begin(), times.end());
        QTest::setBenchmarkResult(qreal(times.at(Rounds / 2)) / 1e6, QTest::WalltimeMilliseconds);
    }

    void folderSizes()
    {
        QTest::addColumn<int>("macros");
        QTest::newRow("no macros") << 0;
        QTest::newRow("1,000 macros") << 1000;
        QTest::newRow("10,000 macros") << 10000;
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    }

    void aClickOnTheKeyPageTabWithNoMacroChanged_data() { folderSizes(); }

    void aClickOnTheKeyPageTabWithNoMacroChanged()
    {
        QFETCH(int, macros);
        QVERIFY(fillMacroFolder(macros));
        Dialog frame;
        frame.show();
        clickTheKeyPageTab(frame, [](int) {});
    }

    void aClickOnTheKeyPageTabAfterOneMacroWasAdded_data() { folderSizes(); }

    // Each new macro sorts into the middle of the list.
    void aClickOnTheKeyPageTabAfterOneMacroWasAdded()
    {
        QFETCH(int, macros);
        QVERIFY(fillMacroFolder(macros));
        Dialog frame;
        frame.show();
        const QString middle = macroName(macros / 2);
        clickTheKeyPageTab(frame, [&middle](int round) {
            QVERIFY(writeMacroFile(middle + QStringLiteral(" added %1").arg(round), {}));
        });
        const QList<QAbstractButton *> buttons = frame.findChildren<QAbstractButton *>();
        QVERIFY(std::any_of(buttons.cbegin(), buttons.cend(), [&middle](const QAbstractButton *button) {
            return button->text() == middle + QStringLiteral(" added %1").arg(Rounds - 1);
        }));
    }
};

TALVO_TEST_MAIN(bench_KeyPage)
#include "bench_keypage.moc"
