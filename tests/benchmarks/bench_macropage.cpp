#include "macro.h"
#include "macrofile.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QLoggingCategory>

#include <memory>

namespace {

constexpr int FolderSize = 1000;
const QString Longest = QStringLiteral("Longest");

// The most a device macro holds: 70 keys with a delay between each two.
MacroText longestMacro()
{
    MacroText macro;
    for (int key = 0; key < 70; ++key) {
        if (key > 0)
            macro.items.append(MacroItem::pause(10 + key));
        macro.items.append(MacroItem::key(KeyStep::Key, 0x04 + key / 2 % 26, key % 2));
    }
    return macro;
}

} // namespace

// The macro page's own work on a folder of 1,000 macros: building and
// showing it, choosing the longest macro a device holds, and saving it.
// Save's answer from the key page, which waits 1.5 s by design, is not
// connected here.
class bench_MacroPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<Macro> m_page;
    QListWidget *m_list = nullptr;

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        QDir().mkpath(macroFolderPath());
        for (int index = 1; index < FolderSize; ++index)
            QVERIFY(writeMacroFile(QStringLiteral("Macro %1").arg(index, 4, 10, QLatin1Char('0')), {}));
        QVERIFY(writeMacroFile(Longest, longestMacro()));
    }

    void openingThePage()
    {
        QBENCHMARK {
            Macro page;
            page.show();
            QCoreApplication::processEvents();
        }
    }

    void choosingTheLongestMacro()
    {
        m_page = std::make_unique<Macro>();
        m_page->show();
        m_list = m_page->findChild<QListWidget *>(QStringLiteral("listWidgetHong"));
        QListWidgetItem *longest = m_list->findItems(Longest, Qt::MatchExactly).value(0);
        QVERIFY(longest);
        QBENCHMARK {
            m_list->setCurrentItem(nullptr);
            m_list->setCurrentItem(longest);
        }
        QCOMPARE(m_page->findChild<QListWidget *>(QStringLiteral("listWidgetKey"))->count(), 139);
    }

    void savingIt()
    {
        QBENCHMARK {
            QMetaObject::invokeMethod(m_page.get(), "on_Save_clicked");
        }
        MacroText saved;
        QVERIFY(readMacroFile(Longest, &saved));
        QCOMPARE(saved.items, longestMacro().items);
    }
};

TALVO_TEST_MAIN(bench_MacroPage)
#include "bench_macropage.moc"
