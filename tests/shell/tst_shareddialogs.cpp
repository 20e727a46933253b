#include "dialogplacement.h"
#include "exeisrun.h"
#include "inportfail.h"
#include "languagetables.h"
#include "lessthree.h"
#include "macroinistore.h"
#include "mouseoffline.h"
#include "postmsg.h"
#include "questiondialogb.h"
#include "testenvironment.h"
#include "updatewarning.h"

#include <QFrame>
#include <QLabel>
#include <QToolButton>

#include <memory>

namespace {

QString labelText(QWidget *dialog)
{
    return dialog->findChild<QLabel *>(QStringLiteral("label"))->text();
}

QString confirmText(QWidget *dialog)
{
    return dialog->findChild<QToolButton *>(QStringLiteral("NewHong"))->text();
}

void switchLanguage(int index)
{
    currentLanguageIndex = index;
    emit PostMsg::instance()->SigAllLanguage(index);
}

bool closesOnKey(QWidget *dialog, Qt::Key key)
{
    dialog->show();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog))
        return false;
    QTest::keyClick(dialog, key);
    // A shortcut clicks its button after a short animation.
    QTest::qWait(300);
    return !dialog->isVisible();
}

using DialogFactory = std::function<QDialog *()>;

} // namespace

Q_DECLARE_METATYPE(DialogFactory)

class tst_SharedDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        languageTextTable = LanguageTables();
        languageTable(languageTextTable, LanguageSection::QuestionB) = {{"Two alike"}, {"Два одинаковых"}};
        languageTable(languageTextTable, LanguageSection::MouseOffLine) = {
            {"Offline", "No answer", "OK"}, {"Не в сети", "Нет ответа", "ОК"}};
        languageTable(languageTextTable, LanguageSection::InportFail) = {
            {"Unreadable", "Other model", "OK"}, {"Не читается", "Другая модель", "ОК"}};
        languageTable(languageTextTable, LanguageSection::NewVer) = {
            {"New firmware", "OK", "Hide"}, {"Новая прошивка", "ОК", "Скрыть"}};
        languageTable(languageTextTable, LanguageSection::LessThree) = {
            {"Too short", "OK"}, {"Слишком мало", "ОК"}};
        currentLanguageIndex = 0;
        g_offlineMessageIndex = 0;
        g_importResult = 0;
    }

    void placementCentresOnTheReferenceTruncatingTowardZero_data()
    {
        QTest::addColumn<QRect>("reference");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("window, offline offset") << QRect(100, 50, 1020, 700) << QPoint(0, -20)
                                                << QPoint(100 + 360, 50 + 280 - 20);
        QTest::newRow("odd sizes") << QRect(0, 0, 301, 141) << QPoint(0, 0) << QPoint(0, 0);
        QTest::newRow("smaller reference") << QRect(10, 10, 101, 41) << QPoint(-20, 0)
                                           << QPoint(10 - 99 - 20, 10 - 49);
    }

    void placementCentresOnTheReferenceTruncatingTowardZero()
    {
        QFETCH(QRect, reference);
        QFETCH(QPoint, offset);
        QFETCH(QPoint, expected);
        QWidget window;
        window.setGeometry(reference);
        LessThree dialog;
        placeDialog(&dialog, &window, offset.x(), offset.y());
        QCOMPARE(dialog.pos(), expected);
    }

    void everyDialogHasTheSharedFramelessSkin_data()
    {
        QTest::addColumn<DialogFactory>("make");
        QTest::addColumn<QString>("frameName");
        QTest::newRow("QuestiondialogB") << DialogFactory([] { return new QuestiondialogB; }) << "QuestionB";
        QTest::newRow("MouseOffLine") << DialogFactory([] { return new MouseOffLine; }) << "MouseOffLineA";
        QTest::newRow("ExeIsRun") << DialogFactory([] { return new ExeIsRun; }) << "DeleteConfirmA";
        QTest::newRow("InportFail") << DialogFactory([] { return new InportFail; }) << "InportFailA";
        QTest::newRow("UpDateWarning") << DialogFactory([] { return new UpDateWarning; }) << "WarningFrame";
        QTest::newRow("LessThree") << DialogFactory([] { return new LessThree; }) << "LessThreeframe";
    }

    void everyDialogHasTheSharedFramelessSkin()
    {
        QFETCH(DialogFactory, make);
        QFETCH(QString, frameName);
        std::unique_ptr<QDialog> dialog(make());
        QCOMPARE(dialog->size(), QSize(300, 140));
        // Qt adds the window bit itself, as the dialogs have no parent.
        QCOMPARE(int(dialog->windowFlags()) & 0x6C12, 0x6C12);
        QVERIFY(dialog->isWindow());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Dialog"));
        auto *frame = dialog->findChild<QFrame *>(frameName);
        QVERIFY(frame);
        dialog->show();
        const QString picturePath = QCoreApplication::applicationDirPath() + "/Picture/WarningDialog/";
        QVERIFY(frame->styleSheet().startsWith('#' + frameName));
        QVERIFY(frame->styleSheet().contains(picturePath + "BackGround.png"));
        QVERIFY(dialog->findChild<QLabel *>("label")->styleSheet().contains("255, 255, 255"));
        auto *close = dialog->findChild<QToolButton *>("CloseButton");
        QVERIFY(close->styleSheet().contains(picturePath + "CloseHover.png"));
    }

    void escClosesEveryDialogAndReturnOnlyTheUpdateWarning_data()
    {
        QTest::addColumn<DialogFactory>("make");
        QTest::addColumn<bool>("returnCloses");
        QTest::newRow("QuestiondialogB") << DialogFactory([] { return new QuestiondialogB; }) << false;
        QTest::newRow("MouseOffLine") << DialogFactory([] { return new MouseOffLine; }) << false;
        QTest::newRow("ExeIsRun") << DialogFactory([] { return new ExeIsRun; }) << false;
        QTest::newRow("InportFail") << DialogFactory([] { return new InportFail; }) << false;
        QTest::newRow("UpDateWarning") << DialogFactory([] { return new UpDateWarning; }) << true;
        QTest::newRow("LessThree") << DialogFactory([] { return new LessThree; }) << false;
    }

    void escClosesEveryDialogAndReturnOnlyTheUpdateWarning()
    {
        QFETCH(DialogFactory, make);
        QFETCH(bool, returnCloses);
        std::unique_ptr<QDialog> dialog(make());
        QCOMPARE(closesOnKey(dialog.get(), Qt::Key_Return), returnCloses);
        QCOMPARE(closesOnKey(dialog.get(), Qt::Key_Enter), false);
        QVERIFY(closesOnKey(dialog.get(), Qt::Key_Escape));
    }

    void theCloseAndConfirmButtonsClose()
    {
        LessThree dialog;
        dialog.show();
        dialog.findChild<QToolButton *>("NewHong")->click();
        QVERIFY(!dialog.isVisible());
        dialog.show();
        dialog.findChild<QToolButton *>("CloseButton")->click();
        QVERIFY(!dialog.isVisible());
    }

    void aLanguageSwitchChangesAnOpenDialogsTexts()
    {
        QuestiondialogB question;
        LessThree lessThree;
        QCOMPARE(labelText(&question), QStringLiteral("Two alike"));
        QCOMPARE(confirmText(&lessThree), QStringLiteral("OK"));
        switchLanguage(1);
        QCOMPARE(labelText(&question), QStringLiteral("Два одинаковых"));
        QCOMPARE(labelText(&lessThree), QStringLiteral("Слишком мало"));
        QCOMPARE(confirmText(&lessThree), QStringLiteral("ОК"));
    }

    void aLanguageWithoutTextsFallsBackToTheFirstRow()
    {
        languageTable(languageTextTable, LanguageSection::LessThree).resize(1);
        currentLanguageIndex = 1;
        LessThree dialog;
        QCOMPARE(labelText(&dialog), QStringLiteral("Too short"));
    }

    void theOfflineDialogShowsTheMessageForItsReason()
    {
        MouseOffLine offline;
        QCOMPARE(labelText(&offline), QStringLiteral("Offline"));
        QCOMPARE(confirmText(&offline), QStringLiteral("OK"));

        g_offlineMessageIndex = 1;
        MouseOffLine timeout;
        switchLanguage(1);
        QCOMPARE(labelText(&timeout), QStringLiteral("Нет ответа"));
        QCOMPARE(confirmText(&timeout), QStringLiteral("ОК"));

        g_offlineMessageIndex = 4;
        MouseOffLine other;
        QCOMPARE(labelText(&other), QStringLiteral("   The mouse is offline. Please move first"));
    }

    void theDeviceComingBackClosesEveryOpenOfflineDialog()
    {
        emit PostMsg::instance()->SigCloseOffOnline();
        MouseOffLine first;
        MouseOffLine second;
        first.show();
        second.show();
        emit PostMsg::instance()->SigCloseOffOnline();
        QVERIFY(!first.isVisible());
        QVERIFY(!second.isVisible());
    }

    void theImportFailureExplainsTheResult()
    {
        g_importResult = 1;
        InportFail unreadable;
        QCOMPARE(labelText(&unreadable), QStringLiteral("Unreadable"));
        switchLanguage(1);
        QCOMPARE(labelText(&unreadable), QStringLiteral("Не читается"));

        g_importResult = 2;
        InportFail otherModel;
        QCOMPARE(labelText(&otherModel), QStringLiteral("Другая модель"));
        switchLanguage(0);
        QCOMPARE(labelText(&otherModel), QStringLiteral("Other model"));

        g_importResult = 0;
        InportFail unknown;
        QCOMPARE(labelText(&unknown), QStringLiteral("Config does not match the device"));
        QCOMPARE(confirmText(&unknown), QStringLiteral("OK"));
    }

    void theUpdateWarningKeepsItsCallersTextThroughALanguageSwitch()
    {
        UpDateWarning warning;
        warning.setWarningText(QStringLiteral("Connect the cable"));
        switchLanguage(1);
        QCOMPARE(labelText(&warning), QStringLiteral("Connect the cable"));
        QCOMPARE(confirmText(&warning), QStringLiteral("ОК"));
    }

    void theAlreadyRunningNoticeReadsTheStoredLanguagesFile_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("label");
        QTest::newRow("none") << QString() << "Talvo Lumerant 4K is already running.";
        QTest::newRow("English") << "0" << "Talvo Lumerant 4K is already running.";
        QTest::newRow("Russian") << "1" << "Talvo Lumerant 4K уже запущена.";
        QTest::newRow("unknown") << "3" << "Talvo Lumerant 4K is already running.";
    }

    void theAlreadyRunningNoticeReadsTheStoredLanguagesFile()
    {
        QFETCH(QString, stored);
        QFETCH(QString, label);
        MacroIniStore::instance()->setValue("Language", "Language", stored);
        ExeIsRun dialog;
        QCOMPARE(labelText(&dialog), label);
        QVERIFY(!confirmText(&dialog).isEmpty());
        QVERIFY(confirmText(&dialog) != QStringLiteral("确定"));
    }

    void theAlreadyRunningNoticeAlsoCarriesTheMacroPagesTexts()
    {
        MacroIniStore::instance()->setValue("Language", "Language", "0");
        ExeIsRun dialog;
        dialog.showPleaseStopText();
        QCOMPARE(labelText(&dialog), QStringLiteral("Please stop recording first."));
        dialog.showLabel2Text();
        QCOMPARE(labelText(&dialog), QStringLiteral("Please choose a macro first."));
        emit PostMsg::instance()->SigChangeLanguage(1);
        dialog.showLabel2Text();
        QCOMPARE(labelText(&dialog), QStringLiteral("Сначала выберите макрос."));
    }

    void theAlreadyRunningNoticeIgnoresLanguageSwitchesOfTheWindows()
    {
        MacroIniStore::instance()->setValue("Language", "Language", "0");
        ExeIsRun dialog;
        switchLanguage(1);
        QCOMPARE(labelText(&dialog), QStringLiteral("Talvo Lumerant 4K is already running."));
    }

    void theLanguageFilesAreChosenByTheStoredNumber()
    {
        QVERIFY(ExeIsRun::languageFilePath(0).endsWith("/Language/0-English.xml"));
        QVERIFY(ExeIsRun::languageFilePath(1).endsWith("/Language/4-Russia.xml"));
        QVERIFY(ExeIsRun::languageFilePath(4).endsWith("/Language/0-English.xml"));
        QVERIFY(ExeIsRun::languageFilePath(-1).endsWith("/Language/0-English.xml"));
    }
};

TALVO_TEST_MAIN(tst_SharedDialogs)
#include "tst_shareddialogs.moc"
