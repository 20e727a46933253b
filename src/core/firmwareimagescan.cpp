#include "firmwareimagescan.h"

#include "appinfo.h"
#include "configinistore.h"
#include "currentmodel.h"
#include "deviceidentification.h"
#include "firmwareimageheader.h"

#include <QDir>
#include <QFile>

QList<QByteArray> FirmwareImageList;
QList<QByteArray> RepairImageList;

namespace {

struct ImageRequest
{
    int kind;
    QString version;
    QString identifier;
    int cid;
    int mid;
};

enum class ScanRules {
    // A version of the same number ends the scan.
    Update,
    // Only the version text counts.
    Repair,
};

QStringList imageFiles(const QDir &folder)
{
    return folder.entryList({QStringLiteral("*.bin")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

double versionNumber(const QString &text)
{
    bool ok = false;
    const double number = text.toDouble(&ok);
    return ok ? number : 0.0;
}

// The header of a file of a plausible image size; false for any other file.
bool readImageHeader(QFile &file, FirmwareImageHeader *header)
{
    const qint64 size = file.size();
    return size >= FirmwareImageHeader::Size && size <= MaxImageSize
        && FirmwareImageHeader::read(file.read(FirmwareImageHeader::Size), header);
}

// Puts the chosen image into `chosen` (when given) as its only entry.
bool scanImages(const ImageRequest &request, ScanRules rules, QList<QByteArray> *chosen)
{
    QString compared = request.version;
    compared.remove(QLatin1Char('v'));
    if (request.version.isEmpty())
        compared = QStringLiteral("0.0");
    const QDir folder(firmwareFolderPath());
    if (!folder.exists())
        return false;
    bool found = false;
    for (const QString &name : imageFiles(folder)) {
        // A file that cannot be read is no image: it must not hide the ones after it.
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        // Only the chosen image is read whole: the scan runs at every hot-plug.
        FirmwareImageHeader header;
        if (!readImageHeader(file, &header)
            || !header.matches(request.kind, request.identifier, request.cid, request.mid))
            continue;
        const QString text = header.versionText().remove(QLatin1Char('v'));
        if (!request.version.isEmpty() && text == compared)
            continue;
        if (rules == ScanRules::Update && !request.version.isEmpty()
            && versionNumber(text) == versionNumber(compared))
            return found;
        found = true;
        if (chosen && file.seek(0))
            *chosen = {file.readAll()};
    }
    return found;
}

} // namespace

bool checkFirmwareFile(int kind, const QString &version, const QString &identifier, int cid, int mid)
{
    FirmwareImageList.clear();
    return scanImages({kind, version, identifier, cid, mid}, ScanRules::Update, &FirmwareImageList);
}

bool checkFirmwareFileB(int kind, const QString &version, const QString &identifier, int cid, int mid)
{
    return scanImages({kind, version, identifier, cid, mid}, ScanRules::Update, nullptr);
}

bool findFirmwareFiles(int kind, const QString &version, const QString &identifier, int cid, int mid)
{
    RepairImageList.clear();
    return scanImages({kind, version, identifier, cid, mid}, ScanRules::Repair, &RepairImageList);
}

bool hasFirmwareUpdate(int kind, const QString &version, int receiverClass)
{
    const QString key = kind == MouseImage ? QStringLiteral("MM") : receiverClassFirmwareKey(receiverClass);
    if (key.isEmpty())
        return false;
    return checkFirmwareFileB(kind, version, currentModelValue(key), configuredCustomerId(),
                              currentModelValue(QStringLiteral("MID")).toInt());
}

FirmwareUpdates checkModelFirmware(const DeviceAllInfo &device, const QString &mouseVersion)
{
    ConfigIniStore *config = ConfigIniStore::instance();
    const QString group = device.driveGroup();
    const QString cid = config->value(QStringLiteral("Option"), QStringLiteral("CID"));
    const QString mid = config->value(group, QStringLiteral("MID"));
    FirmwareUpdates updates;
    updates.mouse =
        checkFirmwareFile(MouseImage, mouseVersion, config->value(group, QStringLiteral("MM")), cid.toInt(), mid.toInt());
    const QString receiverKey = receiverFirmwareKey(device.kind);
    const QString identifier = receiverKey.isEmpty() ? QString() : config->value(group, receiverKey);
    if (receiverKey == QLatin1String("DM") || !identifier.isEmpty())
        updates.receiver = findFirmwareFiles(ReceiverImage, device.version, identifier, cid.toInt(), mid.toInt());
    return updates;
}
