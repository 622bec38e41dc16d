// The ctsim program on its pseudo-terminal: path line, paced replies, operator commands, port close and
// reopen, termination.

#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// ZOVI_BIN_DIR is set by CTest; run by hand, the test looks beside itself, where the build puts ctsim too.
QString ctsimPath() {
    const QString folder = qEnvironmentVariable("ZOVI_BIN_DIR", QCoreApplication::applicationDirPath());
    return folder + QStringLiteral("/ctsim");
}

// The serial line as a program sees it: the slave end in raw mode.
class Line {
public:
    explicit Line(const QByteArray& path) {
        m_fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_fd < 0)
            return;
        termios settings{};
        ::tcgetattr(m_fd, &settings);
        ::cfmakeraw(&settings);
        ::cfsetspeed(&settings, B9600);
        ::tcsetattr(m_fd, TCSANOW, &settings);
    }
    ~Line() { close(); }

    bool isOpen() const { return m_fd >= 0; }
    void close() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    // Sends a command line (CR LF added) and reads until a reply line has ended or waitMs has passed;
    // elapsedMs is the time from sending until the reply was complete.
    QByteArray exchange(const QByteArray& command, int waitMs = 2000, qint64* elapsedMs = nullptr) {
        QElapsedTimer clock;
        clock.start();
        const QByteArray frame = command + "\r\n";
        if (::write(m_fd, frame.constData(), size_t(frame.size())) != frame.size())
            return "write failed";
        QByteArray bytes;
        while (!bytes.endsWith("\r\n") && clock.elapsed() < waitMs) {
            pollfd ready{m_fd, POLLIN, 0};
            if (::poll(&ready, 1, int(waitMs - clock.elapsed())) <= 0)
                continue;
            char buffer[64];
            const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
            if (count > 0)
                bytes.append(buffer, count);
        }
        if (elapsedMs)
            *elapsedMs = clock.elapsed();
        return bytes;
    }

private:
    int m_fd = -1;
};

} // namespace

class TestCtsimPty : public QObject {
    Q_OBJECT

private slots:
    void servesTheControllerOnAPseudoTerminal();
    void exitsWhenStandardInputClosesIfAsked();
    void helpListsTheCommands();

private:
    static QByteArray command(QProcess& ctsim, const QByteArray& line) {
        ctsim.write(line + '\n');
        if (!ctsim.canReadLine() && !ctsim.waitForReadyRead(3000))
            return {};
        return ctsim.readLine().trimmed();
    }
};

void TestCtsimPty::servesTheControllerOnAPseudoTerminal() {
    QProcess ctsim;
    const auto stopOnFailure = qScopeGuard([&ctsim] {
        if (ctsim.state() != QProcess::NotRunning) {
            ctsim.kill();
            ctsim.waitForFinished(5000);
        }
    });
    ctsim.start(ctsimPath(), {});
    QVERIFY2(ctsim.waitForStarted(5000), qPrintable(ctsim.errorString()));
    QVERIFY(ctsim.waitForReadyRead(5000));
    const QByteArray path = ctsim.readLine().trimmed();
    QVERIFY2(path.startsWith("/dev/pts/"), path.constData());

    auto line = std::make_unique<Line>(path);
    QVERIFY(line->isOpen());
    qint64 elapsedMs = -1;
    QCOMPARE(line->exchange("0RV", 2000, &elapsedMs), QByteArray("0RV120000\r\n"));
    // At 9600 baud the last of 11 characters leaves 10 x 1.04 ms after the first.
    QVERIFY2(elapsedMs >= 10, qPrintable(QStringLiteral("11 characters in %1 ms").arg(elapsedMs)));

    QCOMPARE(command(ctsim, "alarm 0A once"), QByteArray("ok alarm 0A once"));
    QCOMPARE(line->exchange("0RV"), QByteArray("0%%0A\r\n"));
    QCOMPARE(line->exchange("0CM1"), QByteArray("0CM1\r\n"));

    QCOMPARE(command(ctsim, "split 2 120 once"), QByteArray("ok split 2 120 once"));
    QCOMPARE(line->exchange("0RH", 2000, &elapsedMs), QByteArray("0RH0\r\n"));
    QVERIFY2(elapsedMs >= 120, qPrintable(QStringLiteral("split over %1 ms").arg(elapsedMs)));

    // What the controller sends while the port is closed is lost, as on an unplugged line.
    line->close();
    QTest::qWait(50);
    QCOMPARE(command(ctsim, "stray lost"), QByteArray("ok stray lost"));
    QTest::qWait(100);
    line = std::make_unique<Line>(path);
    QVERIFY(line->isOpen());
    QCOMPARE(line->exchange("0RV"), QByteArray("0RV120000\r\n"));

    ctsim.terminate();
    QVERIFY(ctsim.waitForFinished(5000));
    QCOMPARE(ctsim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(ctsim.exitCode(), 0);
}

void TestCtsimPty::exitsWhenStandardInputClosesIfAsked() {
    QProcess ctsim;
    const auto stopOnFailure = qScopeGuard([&ctsim] {
        if (ctsim.state() != QProcess::NotRunning) {
            ctsim.kill();
            ctsim.waitForFinished(5000);
        }
    });
    ctsim.start(ctsimPath(), {QStringLiteral("--exit-on-eof"), QStringLiteral("--no-pacing")});
    QVERIFY(ctsim.waitForReadyRead(5000));
    QVERIFY(ctsim.readLine().startsWith("/dev/pts/"));
    QCOMPARE(command(ctsim, "status"),
             QByteArray("status mode=external homed=no position=2000 last=-1 outputs=0 pend=no "
                        "alarm=none emergency=off moving=no faults=none"));
    ctsim.closeWriteChannel();
    QVERIFY(ctsim.waitForFinished(5000));
    QCOMPARE(ctsim.exitCode(), 0);
}

void TestCtsimPty::helpListsTheCommands() {
    QProcess ctsim;
    ctsim.start(ctsimPath(), {QStringLiteral("--help")});
    QVERIFY(ctsim.waitForFinished(5000));
    QCOMPARE(ctsim.exitCode(), 0);
    const QByteArray help = ctsim.readAllStandardOutput();
    for (const char* word :
         {"--no-pacing", "--log", "--exit-on-eof", "split N GAP", "emergency on|off", "stray TEXT"})
        QVERIFY2(help.contains(word), word);

    ctsim.start(ctsimPath(), {QStringLiteral("--bogus")});
    QVERIFY(ctsim.waitForFinished(5000));
    QCOMPARE(ctsim.exitCode(), 2);
    QVERIFY(ctsim.readAllStandardOutput().isEmpty());
}

QTEST_GUILESS_MAIN(TestCtsimPty)
#include "tst_ctsim_pty.moc"
