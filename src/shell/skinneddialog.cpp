#include "skinneddialog.h"

#include "appinfo.h"
#include "configinistore.h"
#include "deferredskin.h"
#include "dialogflags.h"
#include "pagestate.h"

#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace {

QString url(const QString &folder, const char *picture)
{
    return QStringLiteral("url(") + folder + QLatin1String(picture) + QLatin1Char(')');
}

} // namespace

SkinnedDialog::SkinnedDialog(QWidget *parent)
    : QDialog(parent)
    , picturePath(programFolderPath() + QStringLiteral("/Picture/WarningDialog/"))
    , skin(new DeferredSkin(this))
{
}

int SkinnedDialog::exec()
{
    return g_programEnding ? Rejected : QDialog::exec();
}

void SkinnedDialog::applySkin(QFrame *frame, QLabel *label, QToolButton *closeButton,
                              const QList<QToolButton *> &textButtons)
{
    setWindowFlags(dialogWindowFlags);
    skinLabel(label);
    const QString textButtonStyle =
        QStringLiteral("QToolButton{border: 0px; background-position: center;"
                       " background-repeat: no-repeat; color: rgb(255, 255, 255);"
                       " border-image: %1;}"
                       "QToolButton:pressed{border-image: %2;}")
            .arg(url(picturePath, "Confirm.png"), url(picturePath, "ConfirmClick.png"));
    for (QToolButton *button : textButtons)
        skin->setStyleSheet(button, textButtonStyle);
    if (closeButton)
        skin->setStyleSheet(closeButton,
                            QStringLiteral("QToolButton{border: 0px; background-image: %1;"
                                           " background-position: center; background-repeat: no-repeat;}"
                                           "QToolButton:hover{background-image: %2;}"
                                           "QToolButton:pressed{background-image: %3;}")
                                .arg(url(picturePath, "Close.png"), url(picturePath, "CloseHover.png"),
                                     url(picturePath, "CloseClick.png")));
    skin->setStyleSheet(frame, QStringLiteral("#%1{border: 0px; background-image: %2;"
                                              " background-position: center;"
                                              " background-repeat: no-repeat;}")
                                   .arg(frame->objectName(), url(picturePath, "BackGround.png")));
}

void SkinnedDialog::colourInputField(QWidget *field)
{
    skin->setStyleSheet(field, QStringLiteral("%1{color: rgb(%2); background-color: rgb(0,0,0);"
                                              " border: 1px solid rgb(117,117,117);}")
                                   .arg(QLatin1String(field->metaObject()->className()),
                                        ConfigIniStore::instance()->colourText(QStringLiteral("LinEditColor"))));
}

void SkinnedDialog::skinLabel(QLabel *label)
{
    skin->setStyleSheet(label, QStringLiteral("QLabel{color: rgb(255, 255, 255);}"));
}
