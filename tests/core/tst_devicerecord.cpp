#include "flashdatamap.h"
#include "testenvironment.h"

#include <QThread>

#include <cstring>

class tst_DeviceRecord : public QObject
{
    Q_OBJECT

private slots:
    void edgeFieldsSitWhereTheDeviceExpectsThem()
    {
        FlashDataMap record;
        std::memset(&record, 0, sizeof record);
        const std::uint8_t *base = record.bytes();
        QCOMPARE(int(reinterpret_cast<const std::uint8_t *>(&record.DPIGrades[7].blue) - base), 62);
        QCOMPARE(int(reinterpret_cast<const std::uint8_t *>(&record.KeyFunctions[15].param) - base), 121);
        QCOMPARE(int(reinterpret_cast<const std::uint8_t *>(&record.KeyDatas[15].steps[5].delayBytes[3]) - base),
                 955);
        QCOMPARE(int(reinterpret_cast<const std::uint8_t *>(&record.KeyMacros[0].name[29]) - base), 986);
        QCOMPARE(int(reinterpret_cast<const std::uint8_t *>(&record.KeyMacros[15].steps[69].delayBytes[3]) - base),
                 10427);
    }

    void stepNumbersAreLittleEndian()
    {
        KeyStep step = {};
        step.setCode(0x00E9);
        step.setDelay(0x01020304);
        const auto *bytes = reinterpret_cast<const std::uint8_t *>(&step);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(bytes), 8), QByteArray("\0\0\xE9\0\4\3\2\1", 8));
        QCOMPARE(int(step.code()), 0xE9);
        QCOMPARE(step.delay(), 0x01020304u);
    }

    void countsAndIndexesFromTheDeviceAreClamped()
    {
        FlashDataMap record;
        std::memset(&record, 0xFF, sizeof record);
        QCOMPARE(record.currentDpiLevel(), -1);
        QCOMPARE(record.dpiLevelCount(), 8);
        QCOMPARE(record.KeyDatas[0].stepCount(), 6);
        QCOMPARE(record.KeyMacros[0].stepCount(), 70);
        QCOMPARE(record.KeyMacros[0].nameLength(), 30);
        record.CurrentDPIGrade = 7;
        record.DPIGradeCount = 0;
        QCOMPARE(record.currentDpiLevel(), 7);
        QCOMPARE(record.dpiLevelCount(), 1);
    }

    void aFullNameHasNoTerminator()
    {
        FlashDataMap record;
        std::memset(&record, 0, sizeof record);
        KeyMacro &macro = record.KeyMacros[3];
        macro.nameLengthByte = 30;
        std::memcpy(macro.name, "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234", 30);
        QCOMPARE(int(record.bytes()[956 + 3 * 592 + 30]), int('4'));
        QCOMPARE(int(macro.stepCountByte), 0);
    }

    void snapshotsAreCopiesAndPatchesAreWholeUnderConcurrency()
    {
        Guarded<FlashDataMap> shared;
        FlashDataMap first = shared.get();
        QCOMPARE(first.ReportRate, std::uint8_t(0));
        first.ReportRate = 64;
        QCOMPARE(shared.get().ReportRate, std::uint8_t(0));

        // A writer publishes whole records of one byte value while the
        // reader patches one field: no snapshot ever mixes two records.
        std::atomic<bool> stop{false};
        QThread *writer = QThread::create([&] {
            FlashDataMap record;
            for (int round = 0; !stop; ++round) {
                std::memset(&record, round % 2 ? 0xAA : 0x55, sizeof record);
                shared.set(record);
            }
        });
        writer->start();
        for (int round = 0; round < 2000; ++round) {
            const FlashDataMap patched = shared.update([](FlashDataMap &record) { record.LOD = 3; });
            QCOMPARE(int(patched.LOD), 3);
            const FlashDataMap seen = shared.get();
            const std::uint8_t fill = seen.bytes()[sizeof seen - 1];
            for (int offset = 0; offset < int(sizeof seen); offset += 997) {
                if (offset != 5)
                    QCOMPARE(int(seen.bytes()[offset]), int(fill));
            }
        }
        stop = true;
        writer->wait();
        delete writer;
    }
};

TALVO_TEST_GUILESS_MAIN(tst_DeviceRecord)
#include "tst_devicerecord.moc"
