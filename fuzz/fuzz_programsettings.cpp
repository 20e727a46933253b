// Feeds arbitrary program settings files through the store to the model
// matching. Whatever the file says, the model count stays within the model
// groups the file holds, a match names one of those models, and no count
// read from the file makes a loop endless (the run's time-out catches that).

#include "configinistore.h"
#include "deviceidentification.h"
#include "fuzzenvironment.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void dropMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    prepareFuzzEnvironment(argc, argv);
    qInstallMessageHandler(dropMessages);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A file of its own each time: the settings files are cached by name.
    static int run = 0;
    const QString path = QDir::homePath() + QStringLiteral("/Config-%1.ini").arg(++run);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    {
        const ConfigIniStore config(path);
        const int models = configuredModelCount(config);
        if (models < 0 || models > config.groups().size())
            std::abort();
        const int cid = config.value(QStringLiteral("Option"), QStringLiteral("CID")).toInt();
        for (std::size_t index = 0; index < 4 && index < size; ++index) {
            const int model = matchConfiguredModel(cid, data[index], config);
            if (model < -1 || model >= models)
                std::abort();
        }
        programSettingsProblems(config);
        productIdsToEnumerate(configuredProductIdLists(config));
        config.colourText(QStringLiteral("LabelColor"));
    }
    QFile::remove(path);
    return 0;
}
