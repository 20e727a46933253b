#include "containreset.h"
#include "languagetables.h"
#include "postmsg.h"
#include "testenvironment.h"

#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace {

QToolButton *button(QDialog *dialog, const char *name)
{
    return dialog->findChild<QToolButton *>(QLatin1String(name));
}

// Runs the question and answers it with `answer` once it shows.
bool answerWith(const std::function<void(ContainReset &)> &answer)
{
    ContainReset question;
    QTimer::singleShot(0, &question, [&] {
        question.activateWindow();
        if (QTest::qWaitForWindowActive(&question))
            answer(question);
        else
            question.close();
    });
    question.exec();
    return question.accepted;
}

} // namespace

class tst_ContainReset : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        languageTextTable = LanguageTables();
        languageTable(languageTextTable, LanguageSection::ContainReset) = {{"Reset?", "Yes", "No"},
                                                                           {"Сбросить?", "Да", "Нет"}};
        currentLanguageIndex = 0;
    }

    void itIsAFixedFramelessQuestionInTheCurrentLanguage()
    {
        ContainReset question;
        QCOMPARE(question.size(), QSize(300, 140));
        QCOMPARE(question.minimumSize(), question.maximumSize());
        QVERIFY(question.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!question.accepted);
        QCOMPARE(question.findChild<QLabel *>("label")->text(), QString("Reset?"));
        QCOMPARE(button(&question, "OK")->text(), QString("Yes"));
        QCOMPARE(button(&question, "Cancel")->text(), QString("No"));

        emit PostMsg::instance()->SigAllLanguage(1);
        QCOMPARE(button(&question, "Cancel")->text(), QString("Нет"));
        question.setMessageText(QString());
        QVERIFY(question.findChild<QLabel *>("label")->text().isEmpty());
    }

    void okReturnAndEnterConfirm()
    {
        QVERIFY(answerWith([](ContainReset &question) { button(&question, "OK")->click(); }));
        QVERIFY(answerWith([](ContainReset &question) { QTest::keyClick(&question, Qt::Key_Return); }));
        QVERIFY(answerWith([](ContainReset &question) { QTest::keyClick(&question, Qt::Key_Enter); }));
    }

    void cancelCloseAndEscapeRefuse()
    {
        QVERIFY(!answerWith([](ContainReset &question) { button(&question, "Cancel")->click(); }));
        QVERIFY(!answerWith([](ContainReset &question) { button(&question, "CloseButton")->click(); }));
        QVERIFY(!answerWith([](ContainReset &question) { QTest::keyClick(&question, Qt::Key_Escape); }));
    }
};

TALVO_TEST_MAIN(tst_ContainReset)
#include "tst_containreset.moc"
