#include "macrosteplist.h"
#include "testenvironment.h"

#include <QListWidget>

namespace {

// Steps as words: "A+" a press of A, "A-" its release, "M1+" a press of
// mouse button 1, "10" a delay of 10 ms.
QVector<MacroItem> itemsOf(const QString &text)
{
    QVector<MacroItem> items;
    for (const QString &word : text.split(' ', Qt::SkipEmptyParts)) {
        const int action = word.endsWith('+') ? KeyStep::Press : KeyStep::Release;
        const QString name = word.chopped(1);
        if (word.at(0).isDigit())
            items << MacroItem::pause(word.toUInt());
        else if (name.startsWith('M') && name.size() > 1)
            items << MacroItem::key(KeyStep::MouseButton, name.mid(1).toInt(), action);
        else
            items << *MacroItem::ofText(name, action);
    }
    return items;
}

QString wordsOf(const QVector<MacroItem> &items)
{
    QStringList words;
    for (const MacroItem &item : items) {
        const QString name = item.kind == KeyStep::MouseButton ? "M" + QString::number(item.code) : item.text();
        words << (item.type == MacroItem::Delay ? QString::number(item.delay)
                                                : name + (item.action == KeyStep::Press ? "+" : "-"));
    }
    return words.join(' ');
}

} // namespace

class tst_MacroStepList : public QObject
{
    Q_OBJECT

private slots:
    void editsPlaceStepsWhereTheirTablesSay_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("currentAfter");
        const QString list = "A+ 10 A- 10";
        const QString longer = "A+ 10 A- 10 C+";
        QTest::newRow("key after the first row") << "key" << list << 0 << "A+ 10 B+ 10 A- 10" << 0;
        QTest::newRow("key after a lone row") << "key" << "A+" << 0 << "A+ B+ 10" << 0;
        QTest::newRow("key into an empty list") << "key" << "" << -1 << "10 B+" << -1;
        QTest::newRow("key after the last row") << "key" << list << 3 << "A+ 10 A- 10 10 B+" << 3;
        QTest::newRow("key after a delay") << "key" << longer << 1 << "A+ 10 B+ 10 A- 10 C+" << 1;
        QTest::newRow("key after a key's delay") << "key" << longer << 2 << "A+ 10 A- 10 B+ 10 C+" << 2;
        QTest::newRow("click after the first row") << "click" << list << 0 << "A+ 10 M1+ 10 M1- 10 A- 10" << 0;
        QTest::newRow("click into an empty list") << "click" << "" << -1 << "M1+ 10 M1-" << -1;
        QTest::newRow("click without a current row") << "click" << "A+" << -1 << "A+ 10 M1+ 10 M1-" << -1;
        QTest::newRow("click after a key") << "click" << longer << 2 << "A+ 10 A- 10 M1+ 10 M1- 10 C+" << 2;
        QTest::newRow("click after a delay") << "click" << longer << 1 << "A+ 10 M1+ 10 M1- 10 A- 10 C+" << 1;
        QTest::newRow("delay without a current row") << "delay" << "A+" << -1 << "A+ 250" << -1;
        QTest::newRow("delay at the first row") << "delay" << list << 0 << list << 0;
        QTest::newRow("delay on a delay") << "delay" << list << 1 << "A+ 250 A- 10" << 1;
        QTest::newRow("delay before a key after a delay") << "delay" << list << 2 << "A+ 250 A- 10" << 1;
        QTest::newRow("delay between two keys") << "delay" << "A+ A-" << 1 << "A+ 250 A-" << 1;
        QTest::newRow("delete in three rows") << "delete" << "A+ 10 A-" << 2 << "" << -1;
        QTest::newRow("delete a delay") << "delete" << list << 1 << "A- 10" << 0;
        QTest::newRow("delete the first key") << "delete" << list << 0 << "A- 10" << 0;
        QTest::newRow("delete the last row") << "delete" << list << 3 << "A+ 10" << 1;
        QTest::newRow("delete a leading delay") << "delete" << "10 A+ 10 A-" << 0 << "A+ 10 A-" << 0;
        QTest::newRow("delete a key inside") << "delete" << "A+ 10 B+ 10 A-" << 2 << "A+ 10 A-" << 2;
    }

    void editsPlaceStepsWhereTheirTablesSay()
    {
        QFETCH(QString, edit);
        QFETCH(QString, before);
        QFETCH(int, current);
        QListWidget widget;
        MacroStepList steps(&widget);
        steps.show(itemsOf(before));
        widget.setCurrentRow(current);
        if (edit == "key")
            steps.insertKey(itemsOf("B+").first());
        else if (edit == "click")
            steps.insertMouseClick(1);
        else if (edit == "delay")
            steps.setDelayAtCurrent(250);
        else
            steps.removeCurrentStep();
        QTEST(wordsOf(steps.items()), "after");
        QTEST(steps.current(), "currentAfter");
    }
};

TALVO_TEST_MAIN(tst_MacroStepList)
#include "tst_macrosteplist.moc"
