// Every one-line text of every window fits its widget's room, in English and
// Russian, with this system's fonts: the forms fix widths, so a longer text
// in a language file would be cut unnoticed.

#include "dialog.h"
#include "dialogchange.h"
#include "match.h"
#include "postmsg.h"
#include "shelltest.h"
#include "testenvironment.h"
#include "updataparam.h"
#include "updaterepair.h"
#include "windowgallery.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOption>
#include <QTextDocument>
#include <QToolButton>

#include <memory>

namespace {

// The pages come empty, as before a device fills them.
QList<WindowGallery::Window> measuredWindows()
{
    return WindowGallery::deviceFreeWindows() + QList<WindowGallery::Window>{
        {"SelectionPage", [] { return new DialogChange; }},
        {"ConfigurationFrame", [] { return new Dialog; }},
        {"PairingDialog", [] { return new Match; }},
        {"UpdateDialog", [] { auto *dialog = new UpDateRepair; dialog->showReadyView(); return dialog; }},
        {"SettingsUpdateWait", [] { return new UpDataParam; }},
    };
}

// The width the style leaves a button's caption, as it draws it.
int captionRoom(QAbstractButton *button)
{
    QStyle *style = button->style();
    if (auto *tool = qobject_cast<QToolButton *>(button)) {
        QStyleOptionToolButton option;
        option.initFrom(tool);
        option.subControls = QStyle::SC_ToolButton;
        return style->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton, tool).width()
               - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, tool);
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool push = qobject_cast<QPushButton *>(button);
    return style->subElementRect(push ? QStyle::SE_PushButtonContents : QStyle::SE_CheckBoxContents, &option, button)
        .width();
}

// Each text the widget shows on one line, with the width it has for it.
QList<QPair<QString, int>> oneLineTexts(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->wordWrap() || label->text().isEmpty() || Qt::mightBeRichText(label->text()))
            return {};
        return {{label->text(), label->contentsRect().width() - 2 * label->margin()}};
    }
    if (auto *box = qobject_cast<QAbstractSpinBox *>(widget)) // a line edit keeps 2 px clear on either side
        return {{box->text(), box->findChild<QLineEdit *>()->contentsRect().width() - 4}};
    if (auto *list = qobject_cast<QComboBox *>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int room =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
        QList<QPair<QString, int>> entries;
        for (int entry = 0; entry < list->count(); ++entry)
            entries.append({list->itemText(entry), room});
        return entries;
    }
    auto *button = qobject_cast<QAbstractButton *>(widget);
    auto *tool = qobject_cast<QToolButton *>(widget);
    if (!button || button->text().isEmpty() || (tool && !tool->icon().isNull()))
        return {};
    return {{button->text(), captionRoom(button)}};
}

QStringList overflowingTexts(QWidget *window)
{
    QStringList overflowing;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        for (const auto &text : oneLineTexts(widget)) {
            int needs = 0;
            for (const QString &line : text.first.split(QLatin1Char('\n')))
                needs = qMax(needs, widget->fontMetrics().horizontalAdvance(line));
            if (needs > text.second)
                overflowing << QStringLiteral("%1 \"%2\": %3 px in %4 px")
                                   .arg(widget->objectName(), text.first).arg(needs).arg(text.second);
        }
    }
    return overflowing;
}

} // namespace

class tst_TextsFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ShellTest::loadShippedLanguages(); }

    void everyOneLineTextFitsItsWidgetInBothLanguages_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("window");
        const QList<WindowGallery::Window> windows = measuredWindows();
        for (int language : {0, 1})
            for (int window = 0; window < windows.size(); ++window)
                QTest::addRow("%s, %s", language ? "Russian" : "English", windows.at(window).name)
                    << language << window;
    }

    void everyOneLineTextFitsItsWidgetInBothLanguages()
    {
        QFETCH(int, language);
        QFETCH(int, window);
        currentLanguageIndex = language;
        std::unique_ptr<QWidget> shown(measuredWindows().at(window).make());
        emit PostMsg::instance()->SigAllLanguage(language); // the pages' texts, as at start-up
        shown->show(); // style sheets, and their fonts, apply at the first show
        QCoreApplication::processEvents();
        const QStringList overflowing = overflowingTexts(shown.get());
        QVERIFY2(overflowing.isEmpty(), qPrintable(overflowing.join(QLatin1Char('\n'))));
    }
};

TALVO_TEST_MAIN(tst_TextsFit)
#include "tst_textsfit.moc"
