#include "exportfiledialog.h"

#include <QDir>
#include <QFileDialog>

QString askExportPath(QWidget *parent, const QString &suffix)
{
    QFileDialog dialog(parent, QStringLiteral("FileSave"), QDir::homePath(),
                       QStringLiteral("File(*.%1)").arg(suffix));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}
