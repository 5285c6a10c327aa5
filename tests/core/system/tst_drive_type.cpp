#include "core/system/drive_type.h"

#include <QTest>

using namespace lesson;
using namespace Qt::StringLiterals;

class TestDriveType : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileSystems_data()
    {
        QTest::addColumn<QString>("fsType");
        QTest::addColumn<bool>("removable");
        QTest::addColumn<int>("driveType");
        QTest::newRow("ext4 on a fixed disk") << "ext4" << false << 2;
        QTest::newRow("btrfs") << "btrfs" << false << 2;
        QTest::newRow("exfat on a memory card") << "exfat" << true << 1;
        QTest::newRow("nfs") << "nfs" << false << 3;
        QTest::newRow("Windows share") << "cifs" << false << 3;
        QTest::newRow("squashfs image") << "squashfs" << false << 4;
        QTest::newRow("ramfs") << "ramfs" << false << 5;
        QTest::newRow("overlay of a container") << "overlay" << false << 2;
        QTest::newRow("vfat on a USB stick") << "vfat" << true << 1;
        QTest::newRow("ntfs through fuseblk on a stick") << "fuseblk" << true << 1;
        QTest::newRow("nfs4") << "nfs4" << false << 3;
        QTest::newRow("sshfs") << "fuse.sshfs" << false << 3;
        QTest::newRow("CD") << "iso9660" << false << 4;
        QTest::newRow("DVD") << "udf" << true << 4;
        QTest::newRow("tmpfs") << "tmpfs" << false << 5;
        QTest::newRow("proc") << "proc" << false << 0;
        QTest::newRow("unknown FUSE") << "fuse.something" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
    }
    void fileSystems()
    {
        QFETCH(QString, fsType);
        QFETCH(bool, removable);
        QFETCH(int, driveType);
        QCOMPARE(int(driveTypeOfFileSystem(fsType, removable)), driveType);
    }

    void mountOfPathTakesTheDeepestMount()
    {
        const QByteArray mountinfo =
            "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
            "30 22 0:25 / /tmp rw,nosuid shared:5 - tmpfs tmpfs rw\n"
            "41 22 8:17 / /media/ученик/USB\\040STICK rw - vfat /dev/sdb1 rw\n"
            "45 22 0:40 / /srv/class rw master:3 - nfs4 server:/class rw\n"
            "broken line\n";
        auto root = mountOfPath(mountinfo, u"/home/pupil"_s);
        QVERIFY(root);
        QCOMPARE(root->fsType, u"ext4"_s);
        QCOMPARE(root->device, u"8:1"_s);
        QCOMPARE(mountOfPath(mountinfo, u"/tmp/lesson"_s)->fsType, u"tmpfs"_s);
        // "/tmpx" is not below "/tmp".
        QCOMPARE(mountOfPath(mountinfo, u"/tmpx"_s)->fsType, u"ext4"_s);
        auto stick = mountOfPath(mountinfo, u"/media/ученик/USB STICK/урок"_s);
        QVERIFY(stick);
        QCOMPARE(stick->fsType, u"vfat"_s);
        QCOMPARE(stick->mountPoint, u"/media/ученик/USB STICK"_s);
        QCOMPARE(mountOfPath(mountinfo, u"/srv/class"_s)->fsType, u"nfs4"_s);
        QVERIFY(!mountOfPath(QByteArray(), u"/"_s));
        // Whatever this machine is, its answer is one of the six values; a
        // folder that does not exist cannot be determined.
        QVERIFY(driveTypeOfDirectory(u"."_s) <= 5);
        QCOMPARE(int(driveTypeOfDirectory(u"/no/such/folder"_s)), 0);
    }
};

QTEST_GUILESS_MAIN(TestDriveType)
#include "tst_drive_type.moc"
